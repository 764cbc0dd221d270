#include "controls/EntryFields.h"

#include "editing/EntryRules.h"

#include <QRegularExpressionValidator>

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &NameEdit::Sanitize);
}

void NameEdit::Sanitize(const QString& edited)
{
    const QString name = QString::fromStdString(FilterNameText(edited.toStdString()));
    if (name == edited)
        return;
    // Dropped characters lie before the caret, so it moves back by as many.
    const int caret = cursorPosition() - static_cast<int>(edited.size() - name.size());
    setText(name);
    setCursorPosition(std::max(caret, 0));
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

DigitsEdit::DigitsEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

ReadOnlyEdit::ReadOnlyEdit(QWidget* parent) : QLineEdit(parent) { setReadOnly(true); }
