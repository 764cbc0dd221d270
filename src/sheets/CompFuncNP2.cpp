#include "sheets/CompFuncNP2.h"

#include "controls/CheckTree.h"
#include "sheets/PageHelpers.h"

#include <QPushButton>
#include <QVBoxLayout>

CompFuncNP2::CompFuncNP2(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_nodes(Named(new CheckTree(this), "functionalNodes"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        GroupWithButtons(tr("Check all supported nodes"), m_nodes, {m_nodes->MakeUncheckAllButton(this)}, this));
}

void CompFuncNP2::Show(const CompositeNodeForm& form)
{
    m_nodes->clear();
    for (const auto& choice : form.functionalNodes)
        m_nodes->AddItem(m_codec.ToQt(choice.slave), choice.checked);
}

void CompFuncNP2::ReadInto(CompositeNodeForm& form) const
{
    for (std::size_t i = 0; i < form.functionalNodes.size(); ++i)
        form.functionalNodes[i].checked = m_nodes->IsChecked(static_cast<int>(i));
}
