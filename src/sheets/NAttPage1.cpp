#include "sheets/NAttPage1.h"

#include "controls/ChoiceBox.h"
#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

NAttPage1::NAttPage1(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_protocol(Named(new ChoiceBox(this), "protocol")),
      m_nad(Named(new ChoiceBox(this), "nad")), m_p2Min(Named(new DigitsEdit(this), "p2Min")),
      m_stMin(Named(new DigitsEdit(this), "stMin")), m_responseError(Named(new ChoiceBox(this), "responseError"))
{
    m_protocol->SetChoices(FixedList(NodeAttributesForm::ProtocolChoices()));
    m_nad->SetChoices(FixedList(NodeAttributesForm::NadChoices()));
    m_responseError->SetChoices(ToQtList(NodeAttributesForm::SignalChoices(network), codec));
    connect(m_protocol, &QComboBox::textActivated, this, &NAttPage1::ProtocolChosen);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Protocol version"), m_protocol);
    fields->addRow(tr("NAD"), m_nad);
    fields->addRow(tr("P2 min"), WithUnit(m_p2Min, tr("ms"), this));
    fields->addRow(tr("ST min"), WithUnit(m_stMin, tr("ms"), this));
    auto* responseGroup = new QGroupBox(tr("Select signal for response error"), this);
    auto* responseLayout = new QVBoxLayout(responseGroup);
    responseLayout->addWidget(m_responseError);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(responseGroup);
    layout->addStretch();
}

void NAttPage1::Show(const NodeAttributesForm& form)
{
    m_protocol->Select(QString::fromStdString(form.protocol));
    m_nad->Select(QString::fromStdString(form.configuredNad));
    m_p2Min->setText(QString::fromStdString(form.p2Min));
    m_stMin->setText(QString::fromStdString(form.stMin));
    m_responseError->Select(m_codec.ToQt(form.responseErrorSignal));
}

void NAttPage1::ReadInto(NodeAttributesForm& form) const
{
    form.protocol = m_protocol->Selected().toStdString();
    form.configuredNad = m_nad->Selected().toStdString();
    form.p2Min = m_p2Min->text().toStdString();
    form.stMin = m_stMin->text().toStdString();
    form.responseErrorSignal = m_codec.FromQt(m_responseError->Selected());
}

void NAttPage1::SetLin2Enabled(bool enabled)
{
    m_p2Min->setEnabled(enabled);
    m_stMin->setEnabled(enabled);
    m_responseError->setEnabled(enabled);
}
