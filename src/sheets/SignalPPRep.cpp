#include "sheets/SignalPPRep.h"

#include "controls/ChoiceBox.h"
#include "editing/SignalValueText.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

SignalPPRep::SignalPPRep(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_network(network), m_codec(codec), m_encoding(Named(new ChoiceBox(this), "encoding")),
      m_raw(Named(new QLineEdit(this), "rawValue")), m_value(Named(new QLineEdit(this), "physicalValue"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Encoding Type"), m_encoding);
    auto* converter = new QHBoxLayout;
    converter->addWidget(m_raw, 1);
    converter->addWidget(new QLabel(tr("Value"), this));
    converter->addWidget(m_value, 1);
    layout->addRow(tr("Raw"), converter);
    m_encoding->SetChoices(ToQtList(SignalForm::EncodingChoices(network), codec));
    // Only what the user types converts, so neither field echoes into the other.
    connect(m_raw, &QLineEdit::textEdited, this, &SignalPPRep::ConvertRaw);
    connect(m_value, &QLineEdit::textEdited, this, &SignalPPRep::ConvertValue);
}

void SignalPPRep::Show(const SignalForm& form)
{
    m_encoding->Select(m_codec.ToQt(form.encoding));
    m_shape = ShapeOf(form.length, form.byteArray);
}

void SignalPPRep::ReadInto(SignalForm& form) const { form.encoding = m_codec.FromQt(m_encoding->Selected()); }

void SignalPPRep::ConvertRaw()
{
    const EncodingType* encoding = FindEncodingType(m_network, m_codec.FromQt(m_encoding->Selected()));
    m_value->setText(m_codec.ToQt(MeaningOfRawText(encoding, m_shape, m_codec.FromQt(m_raw->text()))));
}

void SignalPPRep::ConvertValue()
{
    const EncodingType* encoding = FindEncodingType(m_network, m_codec.FromQt(m_encoding->Selected()));
    m_raw->setText(m_codec.ToQt(RawOfValueText(encoding, m_shape, m_codec.FromQt(m_value->text()))));
}
