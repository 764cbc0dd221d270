#include "sheets/NodeGenP.h"

#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

NodeGenP::NodeGenP(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new NameEdit(this), "name"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
}

void NodeGenP::Show(const NodeAttributesForm& form) { m_name->setText(m_codec.ToQt(form.name)); }

void NodeGenP::ReadInto(NodeAttributesForm& form) const { form.name = m_codec.FromQt(m_name->text()); }
