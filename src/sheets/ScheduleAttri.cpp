#include "sheets/ScheduleAttri.h"

#include "controls/ChoiceBox.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

ScheduleAttri::ScheduleAttri(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : ScheduleEntryPage(parent), m_network(network), m_codec(codec), m_node(Named(new ChoiceBox(this), "node")),
      m_frame(Named(new ChoiceBox(this), "frame"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Node name"), m_node);
    layout->addRow(tr("Frame name"), m_frame);
    m_node->SetChoices(ToQtList(ScheduleEntryForm::SlaveChoices(network), codec));
    connect(m_node, &QComboBox::activated, this, &ScheduleAttri::OfferFramesOfNode);
}

void ScheduleAttri::Show(const ScheduleEntryForm& form)
{
    m_node->Select(m_codec.ToQt(form.node));
    OfferFramesOfNode();
    m_frame->Select(m_codec.ToQt(form.frame));
}

void ScheduleAttri::ReadInto(ScheduleEntryForm& form) const
{
    form.node = m_codec.FromQt(m_node->Selected());
    form.frame = m_codec.FromQt(m_frame->Selected());
}

void ScheduleAttri::OfferFramesOfNode()
{
    m_frame->SetChoices(
        ToQtList(ScheduleEntryForm::FrameChoices(m_network, m_codec.FromQt(m_node->Selected())), m_codec));
}
