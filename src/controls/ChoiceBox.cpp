#include "controls/ChoiceBox.h"

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent) {}

void ChoiceBox::SetChoices(const QStringList& choices)
{
    clear();
    addItems(choices);
    setCurrentIndex(-1);
}

void ChoiceBox::Select(const QString& text)
{
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QString ChoiceBox::Selected() const { return currentIndex() < 0 ? QString() : currentText(); }
