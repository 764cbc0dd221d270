#include "sheets/FramePage2.h"

#include "controls/CheckTree.h"
#include "sheets/PageHelpers.h"

#include <QPushButton>

FramePage2::FramePage2(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_network(network), m_codec(codec), m_tree(Named(new CheckTree(this), "signals"))
{
    auto* autoOffset = Named(new QPushButton(tr("Auto offset"), this), "autoOffset");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupWithButtons(tr("Check all supported signals"), m_tree,
                                       {m_tree->MakeUncheckAllButton(this), autoOffset}, this));
    connect(autoOffset, &QPushButton::clicked, this, &FramePage2::PlaceChecked);
}

void FramePage2::Show(const std::vector<FrameSignalChoice>& signalChoices)
{
    m_choices = signalChoices;
    m_tree->clear();
    for (const FrameSignalChoice& choice : m_choices)
        m_tree->AddItem(m_codec.ToQt(choice.name), choice.checked);
}

void FramePage2::ReadInto(FrameForm& form) const
{
    form.signals = m_choices;
    for (std::size_t i = 0; i < form.signals.size(); ++i)
        form.signals[i].checked = m_tree->IsChecked(static_cast<int>(i));
}

void FramePage2::PlaceChecked()
{
    FrameForm form;
    ReadInto(form);
    form.AutoOffset(m_network);
    m_choices = form.signals;
}
