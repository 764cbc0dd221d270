#pragma once

#include "editing/EncodingForms.h"
#include "gui/DialogRunner.h"
#include "gui/TextCodec.h"

#include <QWidget>

class AddDeleteList;

// The "Values" page of an encoding type: its values as lines, added through
// the "Add Value" chooser and deleted by line. It works on the sheet's copy
// of the type.
class SigEnc2 : public QWidget {
    Q_OBJECT

public:
    SigEnc2(EncodingTypeForm& form, const TextCodec& codec, QWidget* parent = nullptr);

    // How the chooser runs; tests pick its entry themselves.
    void SetMenuRunner(const MenuRunner& run) { m_runMenu = run; }
    void ShowValues(int selectedRow = -1);

private:
    void ChooseValueToAdd();

    EncodingTypeForm& m_form;
    const TextCodec& m_codec;
    AddDeleteList* m_values;
    MenuRunner m_runMenu = ExecMenu;
};
