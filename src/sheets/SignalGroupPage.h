#pragma once

#include "editing/SignalGroupForm.h"
#include "gui/DialogRunner.h"
#include "gui/TextCodec.h"

#include <QWidget>

class AddDeleteList;
class DigitsEdit;
class NameEdit;
class QLabel;
class LinNetwork;

// The page of a signal group: its name, its size in bits and its signals,
// added from a chooser of the signals not in it yet, each with the offset
// shown for the selected one. The page changes the sheet's form; a size or
// offset that cannot be stored is explained under the fields.
class SignalGroupPage : public QWidget {
    Q_OBJECT

public:
    SignalGroupPage(SignalGroupForm& form, const LinNetwork& network, const TextCodec& codec,
                    QWidget* parent = nullptr);

    void Show();
    // The name and the size into the form; the members are there already.
    void ReadInto(SignalGroupForm& form) const;
    // How the chooser is shown; tests pick the entry themselves.
    void SetMenuRunner(MenuRunner run) { m_runMenu = std::move(run); }

private:
    void AddMember();
    void ShowMembers(int selectedRow);
    void ShowOffset();
    void TakeOffset(const QString& text);
    int SelectedRow() const;

    SignalGroupForm& m_form;
    const LinNetwork& m_network;
    const TextCodec& m_codec;
    MenuRunner m_runMenu = ExecMenu;
    NameEdit* m_name;
    DigitsEdit* m_size;
    AddDeleteList* m_members;
    DigitsEdit* m_offset;
    QLabel* m_problem;
};
