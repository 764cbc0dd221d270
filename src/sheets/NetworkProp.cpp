#include "sheets/NetworkProp.h"

#include "controls/ChoiceBox.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

namespace {

ChoiceBox* MakeChoices(const char* objectName, const std::vector<std::string>& choices, QWidget* parent)
{
    auto* box = Named(new ChoiceBox(parent), objectName);
    box->SetChoices(FixedList(choices));
    return box;
}

}  // namespace

NetworkProp::NetworkProp(QWidget* parent)
    : QWidget(parent), m_protocolVersion(MakeChoices("protocolVersion", NetworkForm::VersionChoices(), this)),
      m_languageVersion(MakeChoices("languageVersion", NetworkForm::VersionChoices(), this)),
      m_speed(MakeChoices("speed", NetworkForm::SpeedChoices(), this))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("LIN protocol version"), m_protocolVersion);
    layout->addRow(tr("LIN language version"), m_languageVersion);
    layout->addRow(tr("LIN speed"), WithUnit(m_speed, tr("kbit/s"), this));
}

void NetworkProp::Show(const NetworkForm& form)
{
    m_protocolVersion->Select(QString::fromStdString(form.protocolVersion));
    m_languageVersion->Select(QString::fromStdString(form.languageVersion));
    m_speed->Select(QString::fromStdString(form.speed));
}

NetworkForm NetworkProp::Read() const
{
    return NetworkForm{m_protocolVersion->Selected().toStdString(), m_languageVersion->Selected().toStdString(),
                       m_speed->Selected().toStdString()};
}
