#include "controls/OptionalEdit.h"

#include "controls/EntryFields.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

OptionalEdit::OptionalEdit(const QString& caption, QLineEdit* field, const QString& unit, QWidget* parent)
    : QWidget(parent), m_given(new QCheckBox(caption, parent)), m_field(field)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_field);
    if (!unit.isEmpty())
        layout->addWidget(new QLabel(unit, this));
    m_given->setObjectName(m_field->objectName() + QStringLiteral("Given"));
    m_field->setEnabled(false);
    connect(m_given, &QCheckBox::toggled, m_field, &QLineEdit::setEnabled);
}

OptionalEdit* OptionalEdit::Decimal(const QString& caption, const char* fieldName, const QString& unit, int maxLength,
                                    const NumberRange& range, QWidget* parent)
{
    auto* field = new DecimalEdit(parent, maxLength);
    field->SetRange(range);
    field->setObjectName(QString::fromLatin1(fieldName));
    return new OptionalEdit(caption, field, unit, parent);
}

void OptionalEdit::SetValue(const std::optional<std::string>& text)
{
    m_given->setChecked(text.has_value());
    m_field->setEnabled(text.has_value());
    if (text)
        m_field->setText(QString::fromStdString(*text));
}

std::optional<std::string> OptionalEdit::Value() const
{
    if (!m_given->isChecked())
        return std::nullopt;
    return m_field->text().toStdString();
}

void OptionalEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        m_given->setEnabled(isEnabled());
    QWidget::changeEvent(event);
}
