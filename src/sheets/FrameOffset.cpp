#include "sheets/FrameOffset.h"

#include "controls/ChoiceBox.h"
#include "sheets/PageHelpers.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

FrameOffset::FrameOffset(const LinNetwork& network, int frame, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new QLineEdit(this), "name")),
      m_offset(Named(new ChoiceBox(this), "offset")),
      m_reorder(Named(new QCheckBox(tr("Reorder offsets"), this), "reorder"))
{
    m_name->setEnabled(false);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
    layout->addRow(tr("Offset"), m_offset);
    layout->addRow(QString(), m_reorder);
    m_offset->SetChoices(FixedList(FrameOffsetForm::OffsetChoices(network, frame)));
}

void FrameOffset::Show(const FrameOffsetForm& form)
{
    m_name->setText(m_codec.ToQt(form.signalName));
    m_offset->Select(QString::fromStdString(form.offset));
    m_reorder->setChecked(form.reorder);
}

void FrameOffset::ReadInto(FrameOffsetForm& form) const
{
    form.signalName = m_codec.FromQt(m_name->text());
    form.offset = m_offset->Selected().toStdString();
    form.reorder = m_reorder->isChecked();
}
