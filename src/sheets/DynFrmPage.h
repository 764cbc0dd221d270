#pragma once

#include "editing/FrameGroupForms.h"

#include <QWidget>

class AddDeleteList;
class ChoiceBox;

// The "Properties" page of the dynamic frames: the dynamic ids in the order
// they were added, and the free ids to add from. It works on the sheet's
// form.
class DynFrmPage : public QWidget {
    Q_OBJECT

public:
    DynFrmPage(DynamicFramesForm& form, QWidget* parent = nullptr);

    void ShowIds();

private:
    void AddSelectedFreeId();
    void GiveBack(int row);
    void ShowFreeIds();

    DynamicFramesForm& m_form;
    AddDeleteList* m_dynamic;
    ChoiceBox* m_free;
};
