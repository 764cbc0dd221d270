#include "sheets/MasterPage.h"

#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>
#include <QGroupBox>

MasterPage::MasterPage(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new NameEdit(this), "name")),
      m_timeBase(Named(new DigitsEdit(this), "timeBase")), m_jitter(Named(new DecimalEdit(this), "jitter")),
      m_j2602(Named(new QGroupBox(tr("J2602 header and tolerance"), this), "j2602")),
      m_maxHeaderBits(Named(new DigitsEdit(m_j2602), "maxHeaderBits")),
      m_tolerancePercent(Named(new DecimalEdit(m_j2602), "tolerancePercent"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
    layout->addRow(tr("Time base"), WithUnit(m_timeBase, tr("ms"), this));
    layout->addRow(tr("Jitter"), WithUnit(m_jitter, tr("ms"), this));
    m_j2602->setCheckable(true);
    auto* j2602 = new QFormLayout(m_j2602);
    j2602->addRow(tr("Max. header length"), WithUnit(m_maxHeaderBits, tr("bits"), m_j2602));
    j2602->addRow(tr("Response tolerance"), WithUnit(m_tolerancePercent, tr("%"), m_j2602));
    layout->addRow(m_j2602);
}

void MasterPage::Show(const MasterForm& form)
{
    m_name->setText(m_codec.ToQt(form.name));
    m_timeBase->setText(QString::fromStdString(form.timeBase));
    m_jitter->setText(QString::fromStdString(form.jitter));
    m_j2602Offered = form.j2602Offered;
    m_j2602->setChecked(form.j2602Given);
    m_j2602->setEnabled(form.j2602Offered);
    m_j2602->setToolTip(form.j2602Offered ? QString() : tr("Needs a J2602 protocol or language version"));
    m_maxHeaderBits->setText(QString::fromStdString(form.maxHeaderBits));
    m_tolerancePercent->setText(QString::fromStdString(form.tolerancePercent));
}

MasterForm MasterPage::Read() const
{
    MasterForm form{m_codec.FromQt(m_name->text()), m_timeBase->text().toStdString(), m_jitter->text().toStdString()};
    form.j2602Given = m_j2602->isChecked();
    form.maxHeaderBits = m_maxHeaderBits->text().toStdString();
    form.tolerancePercent = m_tolerancePercent->text().toStdString();
    form.j2602Offered = m_j2602Offered;
    return form;
}
