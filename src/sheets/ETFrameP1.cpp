#include "sheets/ETFrameP1.h"

#include "controls/ChoiceBox.h"
#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

ETFrameP1::ETFrameP1(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new NameEdit(this), "name")),
      m_frameId(Named(new ChoiceBox(this), "frameId"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
    layout->addRow(tr("Frame ID"), m_frameId);
}

void ETFrameP1::Show(const EventTriggeredFrameForm& form, const std::vector<std::string>& idChoices)
{
    m_name->setText(m_codec.ToQt(form.name));
    m_frameId->SetChoices(FixedList(idChoices));
    m_frameId->Select(QString::fromStdString(form.frameId));
}

void ETFrameP1::ReadInto(EventTriggeredFrameForm& form) const
{
    form.name = m_codec.FromQt(m_name->text());
    form.frameId = m_frameId->Selected().toStdString();
}
