#include "controls/TypedChoiceBox.h"

TypedChoiceBox::TypedChoiceBox(QWidget* parent) : ChoiceBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void TypedChoiceBox::SetText(const QString& text)
{
    Select(text);
    setEditText(text);
}
