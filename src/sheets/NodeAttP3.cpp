#include "sheets/NodeAttP3.h"

#include "controls/CheckTree.h"
#include "controls/EntryFields.h"
#include "controls/MoveButtons.h"
#include "editing/NumberDisplay.h"
#include "sheets/PageHelpers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

NodeAttP3::NodeAttP3(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_frames(Named(new CheckTree(this), "frames")),
      m_uncheckAll(m_frames->MakeUncheckAllButton(this)), m_order(Named(new MoveButtons(m_frames, this), "order")),
      m_messageIdGroup(Named(new QGroupBox(tr("Message ID"), this), "messageIdGroup")),
      m_withMessageId(Named(new QCheckBox(tr("Listed with message ID"), m_messageIdGroup), "withMessageId")),
      m_messageId(Named(new DigitsEdit(m_messageIdGroup, NodeAttributesForm::kMessageIdField.hexAllowed), "messageId"))
{
    m_messageId->SetRange(RangeOf(NodeAttributesForm::kMessageIdField));
    QGroupBox* framesGroup =
        GroupWithButtons(tr("Check all supported frames and set MID"), m_frames, {m_uncheckAll, m_order}, this);
    auto* idLayout = new QHBoxLayout(m_messageIdGroup);
    idLayout->addWidget(m_withMessageId);
    idLayout->addWidget(m_messageId);
    idLayout->addWidget(new QLabel(tr("Range:\n0 to 65534"), m_messageIdGroup));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(framesGroup);
    layout->addWidget(m_messageIdGroup);

    m_messageIdGroup->setEnabled(false);
    connect(m_frames, &QTreeWidget::currentItemChanged, this, &NodeAttP3::ShowSelected);
    connect(m_messageId, &QLineEdit::textEdited, this, &NodeAttP3::TakeMessageId);
    connect(m_withMessageId, &QCheckBox::clicked, this, &NodeAttP3::TakeWithMessageId);
    connect(m_order, &MoveButtons::Moved, this, [this](int from, int to) { MoveChoice(m_choices, from, to - from); });
}

void NodeAttP3::Show(const NodeAttributesForm& form)
{
    m_choices = form.frames;
    m_frames->clear();
    for (const auto& choice : m_choices)
        m_frames->AddItem(m_codec.ToQt(choice.ItemText()), choice.checked);
}

void NodeAttP3::ReadInto(NodeAttributesForm& form) const
{
    form.frames = m_choices;
    for (std::size_t i = 0; i < form.frames.size(); ++i)
        form.frames[i].checked = m_frames->IsChecked(static_cast<int>(i));
}

void NodeAttP3::SetLin2Enabled(bool enabled)
{
    m_frames->setEnabled(enabled);
    m_uncheckAll->setEnabled(enabled);
    m_order->setEnabled(enabled);
    m_messageIdGroup->setEnabled(enabled);
}

void NodeAttP3::SetLin21Shown(bool shown)
{
    m_lin21Shown = shown;
    m_withMessageId->setVisible(shown);
    for (std::size_t row = 0; row < m_choices.size(); ++row) {
        if (m_frames->IsChecked(static_cast<int>(row)))
            continue;
        m_choices[row].hasMessageId = !shown;
        ShowItemText(static_cast<int>(row));
    }
    if (const ConfigurableFrameChoice* choice = Selected())
        ShowMessageId(*choice);
}

ConfigurableFrameChoice* NodeAttP3::Selected()
{
    QTreeWidgetItem* item = m_frames->currentItem();
    const int row = item ? m_frames->indexOfTopLevelItem(item) : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= m_choices.size())
        return nullptr;
    return &m_choices[static_cast<std::size_t>(row)];
}

void NodeAttP3::ShowSelected(QTreeWidgetItem* item)
{
    const int row = item ? m_frames->indexOfTopLevelItem(item) : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= m_choices.size())
        return;
    m_messageIdGroup->setEnabled(true);
    ShowMessageId(m_choices[static_cast<std::size_t>(row)]);
}

void NodeAttP3::ShowMessageId(const ConfigurableFrameChoice& choice)
{
    // An entry listed by name alone can still be given an id.
    m_withMessageId->setVisible(m_lin21Shown || !choice.hasMessageId);
    m_withMessageId->setChecked(choice.hasMessageId);
    m_messageId->setEnabled(choice.hasMessageId);
    m_messageId->setText(QString::fromStdString(IdText(choice.messageId)));
    m_shownMessageId = choice.messageId;
}

void NodeAttP3::TakeMessageId(const QString& text)
{
    ConfigurableFrameChoice* choice = Selected();
    // The field keeps what was typed; the item shows the id as stored, and
    // while the text is no id, the one the field showed before the edit.
    if (!choice)
        return;
    choice->messageId = MessageIdOf(text.toStdString()).value_or(m_shownMessageId);
    ShowItemText(m_frames->indexOfTopLevelItem(m_frames->currentItem()));
}

void NodeAttP3::TakeWithMessageId(bool withMessageId)
{
    ConfigurableFrameChoice* choice = Selected();
    if (!choice)
        return;
    choice->hasMessageId = withMessageId;
    m_messageId->setEnabled(withMessageId);
    ShowItemText(m_frames->indexOfTopLevelItem(m_frames->currentItem()));
}

void NodeAttP3::ShowItemText(int row)
{
    QTreeWidgetItem* item = m_frames->topLevelItem(row);
    if (item && static_cast<std::size_t>(row) < m_choices.size())
        item->setText(0, m_codec.ToQt(m_choices[static_cast<std::size_t>(row)].ItemText()));
}
