#include "sheets/SignalRep1.h"

#include "controls/CheckTree.h"
#include "sheets/PageHelpers.h"

#include <QPushButton>

SignalRep1::SignalRep1(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_choices(ToQtList(SignalRepForm::SignalChoices(network), codec)),
      m_tree(Named(new CheckTree(this), "signals"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        GroupWithButtons(tr("Check all supported signals"), m_tree, {m_tree->MakeUncheckAllButton(this)}, this));
}

void SignalRep1::Show(const SignalRepForm& form) { m_tree->SetItems(m_choices, ToQtList(form.signalNames, m_codec)); }

void SignalRep1::ReadInto(SignalRepForm& form) const { form.signalNames = FromQtList(m_tree->CheckedTexts(), m_codec); }
