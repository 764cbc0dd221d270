#include "sheets/ScheduleFreeText.h"

#include "controls/ChoiceBox.h"
#include "sheets/PageHelpers.h"

#include <QGridLayout>

ScheduleFreeText::ScheduleFreeText(QWidget* parent) : ScheduleEntryPage(parent)
{
    const QStringList bytes = FixedList(ScheduleEntryForm::ByteChoices());
    auto* layout = new QGridLayout(this);
    constexpr int kColumns = 2;
    for (std::size_t i = 0; i < m_bytes.size(); ++i) {
        const QString caption = QStringLiteral("D%1").arg(i + 1);
        m_bytes[i] = new ChoiceBox(this);
        m_bytes[i]->setObjectName(caption);
        m_bytes[i]->SetChoices(bytes);
        const int row = static_cast<int>(i) / kColumns;
        const int column = static_cast<int>(i) % kColumns * 2;
        layout->addWidget(new QLabel(caption, this), row, column);
        layout->addWidget(m_bytes[i], row, column + 1);
    }
    layout->setRowStretch(static_cast<int>(m_bytes.size()) / kColumns, 1);
}

void ScheduleFreeText::Show(const ScheduleEntryForm& form)
{
    for (std::size_t i = 0; i < m_bytes.size(); ++i)
        m_bytes[i]->Select(QString::fromStdString(form.data[i]));
}

void ScheduleFreeText::ReadInto(ScheduleEntryForm& form) const
{
    for (std::size_t i = 0; i < m_bytes.size(); ++i)
        form.data[i] = m_bytes[i]->Selected().toStdString();
}
