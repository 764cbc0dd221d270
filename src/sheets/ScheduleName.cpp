#include "sheets/ScheduleName.h"

#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

ScheduleName::ScheduleName(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new NameEdit(this), "name"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
}

void ScheduleName::Show(const ScheduleTableForm& form) { m_name->setText(m_codec.ToQt(form.name)); }

void ScheduleName::ReadInto(ScheduleTableForm& form) const { form.name = m_codec.FromQt(m_name->text()); }
