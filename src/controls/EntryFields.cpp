#include "controls/EntryFields.h"

#include "editing/EntryRules.h"

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &NameEdit::Sanitize);
    connect(this, &QLineEdit::textChanged, this, &NameEdit::Remember);
}

void NameEdit::Sanitize(const QString& edited)
{
    const NameFieldText name = FilterNameEdit(m_before.toStdString(), edited.toStdString());
    const QString text = QString::fromStdString(name.text);
    if (text == edited)
        return;
    // The line edit announces the edit as changed after this returns.
    m_replacedEdit = edited;
    setText(text);
    setCursorPosition(static_cast<int>(QString::fromStdString(name.text.substr(0, name.caret)).size()));
}

void NameEdit::Remember(const QString& text)
{
    if (!m_replacedEdit.isNull() && text == m_replacedEdit) {
        m_replacedEdit = QString();
        return;
    }
    m_before = text;
}

DecimalValidator::DecimalValidator(int maxLength, QObject* parent) : QValidator(parent), m_maxLength(maxLength) {}

QValidator::State DecimalValidator::validate(QString& input, int& pos) const
{
    const std::optional<std::string> accepted =
        AcceptDecimalText(input.toStdString(), static_cast<std::size_t>(std::max(m_maxLength, 0)));
    if (!accepted)
        return Invalid;
    input = QString::fromStdString(*accepted);
    pos = static_cast<int>(input.size());
    return Acceptable;
}

DecimalEdit::DecimalEdit(QWidget* parent, int maxLength) : QLineEdit(parent)
{
    setValidator(new DecimalValidator(maxLength, this));
}

NumberValidator::NumberValidator(bool hexAllowed, QObject* parent) : QValidator(parent), m_hexAllowed(hexAllowed) {}

QValidator::State NumberValidator::validate(QString& input, int&) const
{
    return AcceptNumberText(input.toStdString(), m_hexAllowed) ? Acceptable : Invalid;
}

DigitsEdit::DigitsEdit(QWidget* parent, bool hexAllowed) : QLineEdit(parent)
{
    setValidator(new NumberValidator(hexAllowed, this));
}

ReadOnlyEdit::ReadOnlyEdit(QWidget* parent) : QLineEdit(parent) { setReadOnly(true); }
