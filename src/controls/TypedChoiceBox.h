#pragma once

#include "controls/ChoiceBox.h"

// A drop-down list whose field also takes a typed text: the entries are
// offered, and whatever the field holds is read. Typing adds no entry.
class TypedChoiceBox : public ChoiceBox {
    Q_OBJECT

public:
    explicit TypedChoiceBox(QWidget* parent = nullptr);

    // Selects the entry equal to the text, else shows the text as typed.
    void SetText(const QString& text);
    QString Text() const { return currentText(); }
};
