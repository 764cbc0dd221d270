#include "sheets/SignalPPSubs.h"

#include "controls/CheckTree.h"
#include "sheets/PageHelpers.h"

#include <QPushButton>

SignalPPSubs::SignalPPSubs(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_choices(ToQtList(SignalForm::NodeChoices(network), codec)),
      m_tree(Named(new CheckTree(this), "subscribers"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        GroupWithButtons(tr("Check all desired Subscriber"), m_tree, {m_tree->MakeUncheckAllButton(this)}, this));
}

void SignalPPSubs::Show(const SignalForm& form) { m_tree->SetItems(m_choices, ToQtList(form.subscribers, m_codec)); }

void SignalPPSubs::ReadInto(SignalForm& form) const { form.subscribers = FromQtList(m_tree->CheckedTexts(), m_codec); }
