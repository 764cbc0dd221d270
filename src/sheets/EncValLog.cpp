#include "sheets/EncValLog.h"

#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

EncValLog::EncValLog(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_value(Named(new DigitsEdit(this), "value")),
      m_text(Named(new QLineEdit(this), "text"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Signal value"), m_value);
    layout->addRow(tr("Text info"), m_text);
}

void EncValLog::Show(const EncodingValueForm& form)
{
    m_value->setText(QString::fromStdString(form.value));
    m_text->setText(m_codec.ToQt(form.text));
}

void EncValLog::ReadInto(EncodingValueForm& form) const
{
    form.value = m_value->text().toStdString();
    form.text = m_codec.FromQt(m_text->text());
}
