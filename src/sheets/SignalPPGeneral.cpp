#include "sheets/SignalPPGeneral.h"

#include "controls/ChoiceBox.h"
#include "controls/EntryFields.h"
#include "editing/SignalValueText.h"
#include "sheets/PageHelpers.h"

#include <QCheckBox>
#include <QFormLayout>

SignalPPGeneral::SignalPPGeneral(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new NameEdit(this), "name")),
      m_length(Named(new ChoiceBox(this), "length")),
      m_byteArray(Named(new QCheckBox(tr("Bytearray"), this), "byteArray")),
      m_publisher(Named(new ChoiceBox(this), "publisher"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
    layout->addRow(tr("Length"), WithUnit(m_length, tr("Bit(s)"), this));
    layout->addRow(QString(), m_byteArray);
    layout->addRow(tr("Publisher"), m_publisher);
    m_publisher->SetChoices(ToQtList(SignalForm::NodeChoices(network), codec));

    connect(m_byteArray, &QCheckBox::clicked, this, [this](bool byteArray) {
        OfferLengths(byteArray);
        Q_EMIT ByteArrayToggled(byteArray);
    });
    connect(m_length, &QComboBox::currentTextChanged, this, [this](const QString& length) {
        Q_EMIT ShapeChanged(ShapeOf(length.toStdString(), m_byteArray->isChecked()));
    });
}

void SignalPPGeneral::Show(const SignalForm& form)
{
    m_name->setText(m_codec.ToQt(form.name));
    m_byteArray->setChecked(form.byteArray);
    OfferLengths(form.byteArray);
    m_length->Select(QString::fromStdString(form.length));
    m_publisher->Select(m_codec.ToQt(form.publisher));
}

void SignalPPGeneral::ReadInto(SignalForm& form) const
{
    form.name = m_codec.FromQt(m_name->text());
    form.length = m_length->Selected().toStdString();
    form.byteArray = m_byteArray->isChecked();
    form.publisher = m_codec.FromQt(m_publisher->Selected());
}

void SignalPPGeneral::OfferLengths(bool byteArray)
{
    m_length->SetChoices(FixedList(SignalForm::LengthChoices(byteArray)));
}
