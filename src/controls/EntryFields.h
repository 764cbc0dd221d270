#pragma once

#include "editing/EntryRules.h"

#include <QLineEdit>

// The entry fields of the property sheets. What they accept applies to the
// user's typing and pasting; text the sheet puts in is shown as it is.

// A name: letters, digits and underscores, never a digit first.
class NameEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit NameEdit(QWidget* parent = nullptr);

private:
    void Sanitize(const QString& edited);
    void Remember(const QString& text);

    QString m_before;        // the text before the user's next edit
    QString m_replacedEdit;  // an edit Sanitize replaced, still to be announced as changed
};

// A number field with the range its page shows (also its tooltip). A
// character that cannot belong to a number of the field is not taken, and
// the range shows beside the field; a text that is no number of the range
// yet turns the field red, and the sheet's OK explains it (Problem). At
// most maxLength characters are typed. Text the sheet puts in is shown as
// it is.
class NumberEdit : public QLineEdit {
    Q_OBJECT

public:
    NumberEdit(const NumberRange& range, int maxLength, QWidget* parent = nullptr);

    void SetRange(const NumberRange& range);
    const NumberRange& Range() const { return m_range; }
    // Why OK cannot store the text; empty when it can.
    QString Problem() const;

private:
    class Validator;

    void ShowState();

    NumberRange m_range;
    int m_shownLength = 0;  // of the text before the user's next edit
};

// A decimal number, a sign and a trailing comma (taken as a point) included.
class DecimalEdit : public NumberEdit {
    Q_OBJECT

public:
    static constexpr int kDefaultLength = 5;
    explicit DecimalEdit(QWidget* parent = nullptr, int maxLength = kDefaultLength);
};

// A whole number of 0 or more, with hexAllowed also "0x" and hex digits.
class DigitsEdit : public NumberEdit {
    Q_OBJECT

public:
    explicit DigitsEdit(QWidget* parent = nullptr, bool hexAllowed = false);
};

// Shows a text the user cannot change.
class ReadOnlyEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit ReadOnlyEdit(QWidget* parent = nullptr);
};
