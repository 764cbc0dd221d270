#pragma once

#include "controls/TitledPopupMenu.h"
#include "gui/DialogRunner.h"
#include "sheets/PropertySheet.h"
#include "views/ContextMenus.h"

#include <QMessageBox>
#include <QStringList>

#include <deque>

// Stands in for exec() in the widget tests: records every dialog that would
// have run modally (its object name, and a message box's text or else the
// window title), lets the test look at it while it is "open", and answers
// with the next queued result (QDialog::Rejected when none is queued).
struct DialogRecorder {
    QStringList names;
    QStringList texts;
    std::deque<int> answers;
    std::function<void(QDialog&)> inspect;

    DialogRunner Runner()
    {
        return [this](QDialog& dialog) {
            names << dialog.objectName();
            const auto* box = qobject_cast<QMessageBox*>(&dialog);
            texts << (box ? box->text() : dialog.windowTitle());
            if (inspect)
                inspect(dialog);
            if (answers.empty())
                return static_cast<int>(QDialog::Rejected);
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

// The sheet a stand-in was handed. A step meant for a sheet that reaches
// another dialog stops the run here, naming that dialog, rather than
// working on an object of the wrong type.
inline PropertySheet& AsSheet(QDialog& dialog)
{
    auto* sheet = qobject_cast<PropertySheet*>(&dialog);
    if (!sheet)
        qFatal("a sheet was expected, but the dialog \"%s\" ran", qPrintable(dialog.objectName()));
    return *sheet;
}

// Stands in for a popup menu's exec(): records the menu's title and its
// enabled commands ("Add, Properties, Expand all, Collapse all"), and
// chooses the entry of the next queued command, as a user could: a greyed
// entry or an empty queue chooses nothing.
struct MenuRecorder {
    QStringList titles;
    QStringList enabled;
    std::deque<int> choices;

    MenuRunner Runner()
    {
        return [this](QMenu& menu, const QPoint&) -> QAction* {
            auto* titled = qobject_cast<TitledPopupMenu*>(&menu);
            titles << (titled ? titled->TitleStrip()->Text() : menu.title());
            QStringList commands;
            for (const QAction* action : menu.actions())
                if (CommandOf(action) != 0 && action->isEnabled())
                    commands << action->text();
            enabled << commands.join(QStringLiteral(", "));
            if (choices.empty() || !titled)
                return nullptr;
            QAction* chosen = FindCommand(*titled, choices.front());
            choices.pop_front();
            return chosen && chosen->isEnabled() ? chosen : nullptr;
        };
    }
};
