#include "controls/EntryFields.h"

#include <QToolTip>
#include <QValidator>

#include <climits>
#include <limits>

namespace {

// A field whose text OK would refuse.
const char* const kWrongProperty = "wrongNumber";
const char* const kWrongStyle = "QLineEdit { background-color: #ffc8c8; }";
constexpr int kUnlimited = 32767;

}  // namespace

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

class NumberEdit::Validator : public QValidator {
public:
    Validator(int maxLength, NumberEdit* field) : QValidator(field), m_field(field), m_maxLength(maxLength) {}

    State validate(QString& input, int& pos) const override
    {
        // Typing may not make the text longer than the field takes; text
        // put in longer can still be shortened.
        if (input.size() > m_maxLength && input.size() > m_field->m_shownLength)
            return Invalid;
        if (m_field->Range().fraction && input.endsWith(QLatin1Char(',')))
            input.back() = QLatin1Char('.');
        switch (ClassifyNumberText(input.toStdString(), m_field->Range())) {
        case NumberTextState::Refused:
            QToolTip::showText(m_field->mapToGlobal(QPoint(0, m_field->height())), m_field->toolTip(), m_field);
            return Invalid;
        case NumberTextState::Valid:
            return Acceptable;
        default:
            pos = std::min(pos, static_cast<int>(input.size()));
            return Intermediate;
        }
    }

private:
    NumberEdit* m_field;
    int m_maxLength;
};

NumberEdit::NumberEdit(const NumberRange& range, int maxLength, QWidget* parent) : QLineEdit(parent), m_range(range)
{
    setValidator(new Validator(maxLength, this));
    connect(this, &QLineEdit::textChanged, this, &NumberEdit::ShowState);
    SetRange(range);
}

void NumberEdit::SetRange(const NumberRange& range)
{
    m_range = range;
    setToolTip(QString::fromStdString(RangeText(range)));
    ShowState();
}

QString NumberEdit::Problem() const { return QString::fromStdString(NumberTextProblem(text().toStdString(), m_range)); }

void NumberEdit::ShowState()
{
    m_shownLength = static_cast<int>(text().size());
    const bool wrong = !Problem().isEmpty();
    if (wrong == property(kWrongProperty).toBool())
        return;
    setProperty(kWrongProperty, wrong);
    setStyleSheet(wrong ? QString::fromLatin1(kWrongStyle) : QString());
}

DecimalEdit::DecimalEdit(QWidget* parent, int maxLength)
    : NumberEdit(NumberRange{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max(), false, true},
                 maxLength, parent)
{
}

DigitsEdit::DigitsEdit(QWidget* parent, bool hexAllowed)
    : NumberEdit(NumberRange{0, INT_MAX, hexAllowed, false}, kUnlimited, parent)
{
}

ReadOnlyEdit::ReadOnlyEdit(QWidget* parent) : QLineEdit(parent) { setReadOnly(true); }
