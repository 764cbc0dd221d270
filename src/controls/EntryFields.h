#pragma once

#include <QLineEdit>
#include <QValidator>

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

// A decimal number of at most maxLength characters; a change that would
// make it anything else is refused. A trailing comma becomes a point.
class DecimalValidator : public QValidator {
public:
    DecimalValidator(int maxLength, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    int m_maxLength;
};

class DecimalEdit : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kDefaultLength = 5;
    explicit DecimalEdit(QWidget* parent = nullptr, int maxLength = kDefaultLength);
};

// Digits 0 to 9 only, or with hexAllowed also "0x" and hex digits; no sign
// can be typed, and a paste holding anything else is refused whole.
class NumberValidator : public QValidator {
public:
    NumberValidator(bool hexAllowed, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    bool m_hexAllowed;
};

class DigitsEdit : public QLineEdit {
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
