#include "controls/CheckedIntegerEntry.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

CheckedIntegerEntry::CheckedIntegerEntry(QLineEdit& field, std::optional<IntegerRange> range, Reporter report)
    : m_field(field), m_range(range), m_report(std::move(report))
{
}

std::optional<int> CheckedIntegerEntry::Read() const
{
    const IntegerEntry entry = CheckIntegerEntry(m_field.text().toStdString(), m_range);
    if (entry.value)
        return entry.value;
    m_report(&m_field, QString::fromStdString(entry.message));
    m_field.setFocus();
    m_field.selectAll();
    return std::nullopt;
}

void CheckedIntegerEntry::ShowWarning(QWidget* field, const QString& message)
{
    QMessageBox::warning(field ? field->window() : nullptr, QApplication::applicationDisplayName(), message);
}
