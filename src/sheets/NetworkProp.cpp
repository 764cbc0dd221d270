#include "sheets/NetworkProp.h"

#include "controls/ChoiceBox.h"
#include "controls/TypedChoiceBox.h"
#include "sheets/PageHelpers.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

namespace {

TypedChoiceBox* MakeChoices(const char* objectName, const std::vector<std::string>& choices, QWidget* parent)
{
    auto* box = Named(new TypedChoiceBox(parent), objectName);
    box->SetChoices(FixedList(choices));
    return box;
}

// A text statement the file may leave out: its check box gives it, and its
// field is open only while it is given.
QLineEdit* AddOptionalText(QFormLayout* layout, QCheckBox* given, const char* objectName, QWidget* parent)
{
    auto* field = Named(new QLineEdit(parent), objectName);
    QObject::connect(given, &QCheckBox::toggled, field, &QWidget::setEnabled);
    field->setEnabled(false);
    layout->addRow(given, field);
    return field;
}

void ShowOptionalText(QCheckBox* given, QLineEdit* field, const std::optional<std::string>& text,
                      const TextCodec& codec)
{
    given->setChecked(text.has_value());
    field->setText(codec.ToQt(text.value_or(std::string())));
}

std::optional<std::string> ReadOptionalText(const QCheckBox* given, const QLineEdit* field, const TextCodec& codec)
{
    return given->isChecked() ? std::optional<std::string>(codec.FromQt(field->text())) : std::nullopt;
}

}  // namespace

NetworkProp::NetworkProp(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec),
      m_protocolVersion(MakeChoices("protocolVersion", NetworkForm::ProtocolChoices(), this)),
      m_languageVersion(MakeChoices("languageVersion", NetworkForm::LanguageChoices(), this)),
      m_speed(MakeChoices("speed", NetworkForm::SpeedChoices(), this)),
      m_lin21Header(Named(new QGroupBox(tr("LIN 2.1 and ISO 17987"), this), "lin21Header")),
      m_channelNameGiven(Named(new QCheckBox(tr("Channel name"), m_lin21Header), "channelNameGiven")),
      m_fileRevisionGiven(Named(new QCheckBox(tr("LDF file revision"), m_lin21Header), "fileRevisionGiven")),
      m_byteOrder(Named(new ChoiceBox(m_lin21Header), "byteOrder"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("LIN protocol version"), m_protocolVersion);
    layout->addRow(tr("LIN language version"), m_languageVersion);
    layout->addRow(tr("LIN speed"), WithUnit(m_speed, tr("kbit/s"), this));
    auto* header = new QFormLayout(m_lin21Header);
    m_channelName = AddOptionalText(header, m_channelNameGiven, "channelName", m_lin21Header);
    m_fileRevision = AddOptionalText(header, m_fileRevisionGiven, "fileRevision", m_lin21Header);
    m_byteOrder->SetChoices(FixedList(NetworkForm::ByteOrderChoices()));
    header->addRow(tr("Signal byte order"), m_byteOrder);
    layout->addRow(m_lin21Header);
    connect(m_languageVersion, &QComboBox::editTextChanged, this, &NetworkProp::UpdateLin21Header);
}

void NetworkProp::Show(const NetworkForm& form)
{
    m_hadLin21Header = form.hadLin21Header;
    m_protocolVersion->SetText(QString::fromStdString(form.protocolVersion));
    m_languageVersion->SetText(QString::fromStdString(form.languageVersion));
    m_speed->SetText(QString::fromStdString(form.speed));
    ShowOptionalText(m_channelNameGiven, m_channelName, form.channelName, m_codec);
    ShowOptionalText(m_fileRevisionGiven, m_fileRevision, form.fileRevision, m_codec);
    m_byteOrder->setCurrentIndex(static_cast<int>(form.byteOrder));
    UpdateLin21Header();
}

NetworkForm NetworkProp::Read() const
{
    NetworkForm form;
    form.protocolVersion = m_protocolVersion->Text().toStdString();
    form.languageVersion = m_languageVersion->Text().toStdString();
    form.speed = m_speed->Text().toStdString();
    form.channelName = ReadOptionalText(m_channelNameGiven, m_channelName, m_codec);
    form.fileRevision = ReadOptionalText(m_fileRevisionGiven, m_fileRevision, m_codec);
    form.byteOrder = static_cast<SignalByteOrder>(std::max(m_byteOrder->currentIndex(), 0));
    form.hadLin21Header = m_hadLin21Header;
    return form;
}

void NetworkProp::UpdateLin21Header()
{
    const bool offered = Read().OffersLin21Header();
    m_lin21Header->setEnabled(offered);
    m_lin21Header->setToolTip(offered ? QString() : tr("Needs a LIN language version after 2.0"));
}
