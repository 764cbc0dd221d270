#pragma once

#include <QStringList>

class CMainFrame;

// Names the application for its settings (organisation "Roreve"), loads the
// resources and sets the window icon. Call once after creating the
// QApplication.
void ConfigureApplication();

// Start-up: Open of the file given as the first argument, or New; then the
// About box; then the window. A file that cannot be read is reported and the
// editor starts on a new document instead.
void StartEditor(CMainFrame& frame, const QStringList& arguments);
