#pragma once

#include "controls/WebLinkLabel.h"

class QWidget;

// Opens the help page in the user's browser; when none opens, in a help
// window of the editor. The page ships in the program's resources.
void ShowHelp(QWidget* parent, const WebLinkLabel::UrlOpener& opener);
