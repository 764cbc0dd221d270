#include "sheets/NodeGenP.h"

#include "controls/EntryFields.h"
#include "controls/OptionalEdit.h"
#include "sheets/PageHelpers.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>

NodeGenP::NodeGenP(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new NameEdit(this), "name")),
      m_j2602(Named(new QGroupBox(tr("J2602"), this), "j2602")),
      m_responseTolerance(OptionalEdit::Decimal(tr("Response tolerance"), "responseTolerance", tr("%"),
                                                NodeAttributesForm::kDecimalLength, NodeAttributesForm::kTimeRange,
                                                m_j2602)),
      m_wakeupTime(OptionalEdit::Decimal(tr("Wake-up time"), "wakeupTime", tr("ms"), NodeAttributesForm::kDecimalLength,
                                         NodeAttributesForm::kTimeRange, m_j2602)),
      m_powerOnTime(OptionalEdit::Decimal(tr("Power-on time"), "powerOnTime", tr("ms"),
                                          NodeAttributesForm::kDecimalLength, NodeAttributesForm::kTimeRange, m_j2602))
{
    auto* j2602Layout = new QFormLayout(m_j2602);
    for (OptionalEdit* edit : {m_responseTolerance, m_wakeupTime, m_powerOnTime})
        j2602Layout->addRow(edit->GivenBox(), edit);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
    layout->addRow(m_j2602);
}

void NodeGenP::Show(const NodeAttributesForm& form)
{
    m_name->setText(m_codec.ToQt(form.name));
    m_responseTolerance->SetValue(form.responseTolerance);
    m_wakeupTime->SetValue(form.wakeupTime);
    m_powerOnTime->SetValue(form.powerOnTime);
}

void NodeGenP::ReadInto(NodeAttributesForm& form) const
{
    form.name = m_codec.FromQt(m_name->text());
    form.responseTolerance = m_responseTolerance->Value();
    form.wakeupTime = m_wakeupTime->Value();
    form.powerOnTime = m_powerOnTime->Value();
}

void NodeGenP::SetJ2602Shown(bool shown) { m_j2602->setVisible(shown); }
