#pragma once

#include <QComboBox>

// A drop-down list of fixed entries that may have none selected; an
// unselected list reads as the empty text.
class ChoiceBox : public QComboBox {
    Q_OBJECT

public:
    explicit ChoiceBox(QWidget* parent = nullptr);

    void SetChoices(const QStringList& choices);
    // Selects the entry equal to the text; none when there is no such entry.
    void Select(const QString& text);
    QString Selected() const;
};
