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

// Digits 0 to 9 only; no sign can be typed.
class DigitsEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit DigitsEdit(QWidget* parent = nullptr);
};

// Shows a text the user cannot change.
class ReadOnlyEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit ReadOnlyEdit(QWidget* parent = nullptr);
};
