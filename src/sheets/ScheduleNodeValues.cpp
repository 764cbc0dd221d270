#include "sheets/ScheduleNodeValues.h"

#include "controls/ChoiceBox.h"
#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

ScheduleNodeValues::ScheduleNodeValues(const ScheduleEntryForm& entry, const LinNetwork& network,
                                       const TextCodec& codec, QWidget* parent)
    : ScheduleEntryPage(parent), m_codec(codec)
{
    auto* layout = new QFormLayout(this);
    if (entry.ChoosesSlave()) {
        m_node = Named(new ChoiceBox(this), "node");
        m_node->SetChoices(ToQtList(ScheduleEntryForm::SlaveChoices(network), codec));
        layout->addRow(tr("Node"), m_node);
    }
    for (const CommandValue& value : ScheduleEntryForm::CommandValues(network, entry.kind)) {
        auto* field = new DigitsEdit(this, true);
        field->setObjectName(QStringLiteral("value%1").arg(m_values.size() + 1));
        field->SetRange(RangeOf(NumberField{value.max, true, value.min}));
        layout->addRow(QString::fromLatin1(value.caption), field);
        m_values.push_back(field);
    }
}

void ScheduleNodeValues::Show(const ScheduleEntryForm& form)
{
    if (m_node)
        m_node->Select(m_codec.ToQt(form.node));
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i]->setText(i < form.values.size() ? QString::fromStdString(form.values[i]) : QString());
}

void ScheduleNodeValues::ReadInto(ScheduleEntryForm& form) const
{
    if (m_node)
        form.node = m_codec.FromQt(m_node->Selected());
    form.values.clear();
    for (const DigitsEdit* field : m_values)
        form.values.push_back(field->text().toStdString());
}
