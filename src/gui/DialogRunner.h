#pragma once

#include <QDialog>
#include <QMenu>

#include <functional>

class LinNetwork;
struct SheetRequest;

// Runs a modal dialog and returns its result. The editor uses exec(); tests
// pass their own runner so that no modal loop ever blocks them.
using DialogRunner = std::function<int(QDialog&)>;

inline int ExecDialog(QDialog& dialog) { return dialog.exec(); }

// Shows a popup menu at a global position until the user chooses; returns
// the chosen entry, or null. Tests pick the entry themselves.
using MenuRunner = std::function<QAction*(QMenu&, const QPoint& globalPos)>;

inline QAction* ExecMenu(QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }

// Runs the sheet a request asks for on the network; true when the user
// confirmed it. The window puts in the one that knows the sheets, so views
// only ask.
using SheetOpener = std::function<bool(const SheetRequest&, LinNetwork&, QWidget* parent)>;

// How the window and its views run modal dialogs, popup menus and sheets.
// The main frame owns one; the views keep a reference, so a runner put in
// later reaches them too.
struct ModalRunners {
    DialogRunner dialog = ExecDialog;
    MenuRunner menu = ExecMenu;
    SheetOpener sheet;  // none: no sheet opens
};
