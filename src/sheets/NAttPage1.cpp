#include "sheets/NAttPage1.h"

#include "controls/CheckTree.h"
#include "controls/ChoiceBox.h"
#include "controls/EntryFields.h"
#include "controls/MoveButtons.h"
#include "controls/OptionalEdit.h"
#include "sheets/PageHelpers.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

// Characters the initial NAD takes; a number too large shows red.
constexpr int kNadLength = 8;

}  // namespace

NAttPage1::NAttPage1(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_network(network), m_codec(codec), m_protocol(Named(new ChoiceBox(this), "protocol")),
      m_nad(Named(new ChoiceBox(this), "nad")),
      m_initialNad(new OptionalEdit(
          tr("Initial NAD"),
          Named(new NumberEdit(RangeOf(NodeAttributesForm::kInitialNadField), kNadLength, this), "initialNad"),
          QString(), this)),
      m_p2Min(OptionalEdit::Decimal(tr("P2 min"), "p2Min", tr("ms"), NodeAttributesForm::kDecimalLength,
                                    NodeAttributesForm::kTimeRange, this)),
      m_stMin(OptionalEdit::Decimal(tr("ST min"), "stMin", tr("ms"), NodeAttributesForm::kDecimalLength,
                                    NodeAttributesForm::kTimeRange, this)),
      m_nAsTimeout(OptionalEdit::Decimal(tr("N_As timeout"), "nAsTimeout", tr("ms"), NodeAttributesForm::kDecimalLength,
                                         NodeAttributesForm::kTimeRange, this)),
      m_nCrTimeout(OptionalEdit::Decimal(tr("N_Cr timeout"), "nCrTimeout", tr("ms"), NodeAttributesForm::kDecimalLength,
                                         NodeAttributesForm::kTimeRange, this)),
      m_responseError(Named(new ChoiceBox(this), "responseError")),
      m_faultSignals(Named(new CheckTree(this), "faultSignals")),
      m_faultOrder(Named(new MoveButtons(m_faultSignals, this), "faultOrder")), m_fields(new QFormLayout),
      m_faultGroup(new QGroupBox(tr("Fault state signals (checked, in order)"), this))
{
    m_responseError->SetChoices(ToQtList(NodeAttributesForm::SignalChoices(network), codec));
    connect(m_protocol, &QComboBox::textActivated, this, &NAttPage1::ProtocolChosen);

    m_fields->addRow(tr("Protocol version"), m_protocol);
    m_fields->addRow(tr("NAD"), m_nad);
    for (OptionalEdit* edit : {m_initialNad, m_p2Min, m_stMin, m_nAsTimeout, m_nCrTimeout})
        m_fields->addRow(edit->GivenBox(), edit);
    auto* responseGroup = new QGroupBox(tr("Select signal for response error"), this);
    auto* responseLayout = new QVBoxLayout(responseGroup);
    responseLayout->addWidget(m_responseError);
    auto* faultLayout = new QVBoxLayout(m_faultGroup);
    faultLayout->addWidget(m_faultSignals);
    faultLayout->addWidget(m_faultOrder, 0, Qt::AlignLeft);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_fields);
    layout->addWidget(responseGroup);
    layout->addWidget(m_faultGroup);
    layout->addStretch();
}

void NAttPage1::Show(const NodeAttributesForm& form)
{
    m_protocol->SetChoices(FixedList(NodeAttributesForm::ProtocolChoices(form.protocol)));
    m_protocol->Select(QString::fromStdString(form.protocol));
    m_nad->SetChoices(FixedList(NodeAttributesForm::NadChoices(form.configuredNad)));
    m_nad->Select(QString::fromStdString(form.configuredNad));
    m_initialNad->SetValue(form.initialNad);
    m_p2Min->SetValue(form.p2Min);
    m_stMin->SetValue(form.stMin);
    m_nAsTimeout->SetValue(form.nAsTimeout);
    m_nCrTimeout->SetValue(form.nCrTimeout);
    m_responseError->Select(m_codec.ToQt(form.responseErrorSignal));

    // The fault state signals first, in their order, then the other signals
    // the slave publishes.
    m_faultSignals->clear();
    QStringList shown;
    for (const std::string& signal : form.faultStateSignals) {
        shown << m_codec.ToQt(signal);
        m_faultSignals->AddItem(shown.back(), true);
    }
    for (const QString& signal : ToQtList(NodeAttributesForm::PublishedSignals(m_network, form.name), m_codec))
        if (!shown.contains(signal))
            m_faultSignals->AddItem(signal, false);
}

void NAttPage1::ReadInto(NodeAttributesForm& form) const
{
    form.protocol = m_protocol->Selected().toStdString();
    form.configuredNad = m_nad->Selected().toStdString();
    form.initialNad = m_initialNad->Value();
    form.p2Min = m_p2Min->Value();
    form.stMin = m_stMin->Value();
    form.nAsTimeout = m_nAsTimeout->Value();
    form.nCrTimeout = m_nCrTimeout->Value();
    form.responseErrorSignal = m_codec.FromQt(m_responseError->Selected());
    form.faultStateSignals = FromQtList(m_faultSignals->CheckedTexts(), m_codec);
}

void NAttPage1::SetLin2Enabled(bool enabled)
{
    m_p2Min->setEnabled(enabled);
    m_stMin->setEnabled(enabled);
    m_responseError->setEnabled(enabled);
}

void NAttPage1::SetLin21Shown(bool shown)
{
    for (OptionalEdit* edit : {m_initialNad, m_nAsTimeout, m_nCrTimeout})
        m_fields->setRowVisible(edit, shown);
    m_faultGroup->setVisible(shown);
}
