#pragma once

#include "editing/EntryRules.h"

#include <QWidget>

#include <optional>
#include <string>

class QCheckBox;
class QLineEdit;

// A value a file may leave out: a check box with the value's caption that
// says whether it is given, and the field (with its unit) that holds it,
// enabled only while the box is checked. The field keeps its text while
// the value is not given, so checking the box again brings it back.
// Enabling or disabling the widget does the same to its check box.
class OptionalEdit : public QWidget {
    Q_OBJECT

public:
    // Takes the field over; the check box, named after the field with
    // "Given" added, goes where the page puts it, in front of this widget.
    OptionalEdit(const QString& caption, QLineEdit* field, const QString& unit, QWidget* parent = nullptr);

    // A decimal field of at most maxLength characters in the range, named
    // fieldName.
    static OptionalEdit* Decimal(const QString& caption, const char* fieldName, const QString& unit, int maxLength,
                                 const NumberRange& range, QWidget* parent);

    QCheckBox* GivenBox() const { return m_given; }
    QLineEdit* Field() const { return m_field; }

    // Texts are ASCII numbers.
    void SetValue(const std::optional<std::string>& text);
    std::optional<std::string> Value() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    QCheckBox* m_given;
    QLineEdit* m_field;
};
