#include "sheets/NamePage.h"

#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

NamePage::NamePage(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new NameEdit(this), "name"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
}

void NamePage::Show(const std::string& name) { m_name->setText(m_codec.ToQt(name)); }

std::string NamePage::Name() const { return m_codec.FromQt(m_name->text()); }
