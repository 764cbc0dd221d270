#include "sheets/MasterPage.h"

#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

MasterPage::MasterPage(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new NameEdit(this), "name")),
      m_timeBase(Named(new DigitsEdit(this), "timeBase")), m_jitter(Named(new DecimalEdit(this), "jitter"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
    layout->addRow(tr("Time base"), WithUnit(m_timeBase, tr("ms"), this));
    layout->addRow(tr("Jitter"), WithUnit(m_jitter, tr("ms"), this));
}

void MasterPage::Show(const MasterForm& form)
{
    m_name->setText(m_codec.ToQt(form.name));
    m_timeBase->setText(QString::fromStdString(form.timeBase));
    m_jitter->setText(QString::fromStdString(form.jitter));
}

MasterForm MasterPage::Read() const
{
    return MasterForm{m_codec.FromQt(m_name->text()), m_timeBase->text().toStdString(), m_jitter->text().toStdString()};
}
