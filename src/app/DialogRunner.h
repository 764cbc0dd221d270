#pragma once

#include <QDialog>
#include <QMenu>

#include <functional>

// Runs a modal dialog and returns its result. The editor uses exec(); tests
// pass their own runner so that no modal loop ever blocks them.
using DialogRunner = std::function<int(QDialog&)>;

inline int ExecDialog(QDialog& dialog) { return dialog.exec(); }

// Shows a popup menu at a global position until the user chooses; returns
// the chosen entry, or null. Tests pick the entry themselves.
using MenuRunner = std::function<QAction*(QMenu&, const QPoint& globalPos)>;

inline QAction* ExecMenu(QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }

// How the window and its views run modal dialogs and popup menus. The main
// frame owns one; the views keep a reference, so a runner put in later
// reaches them too.
struct ModalRunners {
    DialogRunner dialog = ExecDialog;
    MenuRunner menu = ExecMenu;
};
