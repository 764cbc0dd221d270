#include "sheets/EncPhy.h"

#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

namespace {

constexpr int kDecimalLength = static_cast<int>(EncodingValueForm::kDecimalLength);

}  // namespace

EncPhy::EncPhy(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_min(Named(new DigitsEdit(this), "min")),
      m_max(Named(new DigitsEdit(this), "max")), m_scale(Named(new DecimalEdit(this, kDecimalLength), "scale")),
      m_offset(Named(new DecimalEdit(this, kDecimalLength), "offset")), m_text(Named(new QLineEdit(this), "text"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Min"), m_min);
    layout->addRow(tr("Max"), m_max);
    layout->addRow(tr("Scale"), m_scale);
    layout->addRow(tr("Offset"), m_offset);
    layout->addRow(tr("Text info"), m_text);
}

void EncPhy::Show(const EncodingValueForm& form)
{
    m_min->setText(QString::fromStdString(form.min));
    m_max->setText(QString::fromStdString(form.max));
    m_scale->setText(QString::fromStdString(form.scale));
    m_offset->setText(QString::fromStdString(form.offset));
    m_text->setText(m_codec.ToQt(form.text));
}

void EncPhy::ReadInto(EncodingValueForm& form) const
{
    form.min = m_min->text().toStdString();
    form.max = m_max->text().toStdString();
    form.scale = m_scale->text().toStdString();
    form.offset = m_offset->text().toStdString();
    form.text = m_codec.FromQt(m_text->text());
}
