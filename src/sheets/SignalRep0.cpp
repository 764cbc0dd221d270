#include "sheets/SignalRep0.h"

#include "sheets/PageHelpers.h"

#include <QFormLayout>
#include <QLineEdit>

SignalRep0::SignalRep0(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_encoding(Named(new QLineEdit(this), "encoding"))
{
    m_encoding->setEnabled(false);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Encoding type"), m_encoding);
}

void SignalRep0::Show(const SignalRepForm& form) { m_encoding->setText(m_codec.ToQt(form.encoding)); }
