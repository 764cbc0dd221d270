#include "sheets/SignalPPRep.h"

#include "controls/ChoiceBox.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

SignalPPRep::SignalPPRep(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_encoding(Named(new ChoiceBox(this), "encoding"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Encoding Type"), m_encoding);
    m_encoding->SetChoices(ToQtList(SignalForm::EncodingChoices(network), codec));
}

void SignalPPRep::Show(const SignalForm& form) { m_encoding->Select(m_codec.ToQt(form.encoding)); }

void SignalPPRep::ReadInto(SignalForm& form) const { form.encoding = m_codec.FromQt(m_encoding->Selected()); }
