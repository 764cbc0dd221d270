#pragma once

#include "app/DialogRunner.h"

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
