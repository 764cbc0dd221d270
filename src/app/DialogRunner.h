#pragma once

#include <QDialog>

#include <functional>

// Runs a modal dialog and returns its result. The editor uses exec(); tests
// pass their own runner so that no modal loop ever blocks them.
using DialogRunner = std::function<int(QDialog&)>;

inline int ExecDialog(QDialog& dialog) { return dialog.exec(); }
