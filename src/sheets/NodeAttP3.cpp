#include "sheets/NodeAttP3.h"

#include "controls/CheckTree.h"
#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

NodeAttP3::NodeAttP3(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_frames(Named(new CheckTree(this), "frames")),
      m_uncheckAll(m_frames->MakeUncheckAllButton(this)),
      m_messageIdGroup(Named(new QGroupBox(tr("Message ID"), this), "messageIdGroup")),
      m_messageId(Named(new DigitsEdit(m_messageIdGroup, NodeAttributesForm::kMessageIdField.hexAllowed), "messageId"))
{
    auto* framesGroup = new QGroupBox(tr("Check all supported frames and set MID"), this);
    auto* framesLayout = new QVBoxLayout(framesGroup);
    framesLayout->addWidget(m_frames);
    framesLayout->addWidget(m_uncheckAll, 0, Qt::AlignLeft);
    auto* idLayout = new QHBoxLayout(m_messageIdGroup);
    idLayout->addWidget(m_messageId);
    idLayout->addWidget(new QLabel(tr("Range:\n0 to 65534"), m_messageIdGroup));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(framesGroup);
    layout->addWidget(m_messageIdGroup);

    m_messageIdGroup->setEnabled(false);
    connect(m_frames, &QTreeWidget::currentItemChanged, this, &NodeAttP3::ShowSelected);
    connect(m_messageId, &QLineEdit::textEdited, this, &NodeAttP3::TakeMessageId);
}

QString NodeAttP3::ItemText(const ConfigurableFrameChoice& frame) const { return m_codec.ToQt(frame.ItemText()); }

void NodeAttP3::Show(const NodeAttributesForm& form)
{
    m_choices = form.frames;
    m_frames->clear();
    for (const auto& choice : m_choices)
        m_frames->AddItem(ItemText(choice), choice.checked);
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
    m_messageIdGroup->setEnabled(enabled);
}

void NodeAttP3::ShowSelected(QTreeWidgetItem* item)
{
    const int row = item ? m_frames->indexOfTopLevelItem(item) : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= m_choices.size())
        return;
    m_messageIdGroup->setEnabled(true);
    m_messageId->setText(QString::number(m_choices[static_cast<std::size_t>(row)].messageId));
}

void NodeAttP3::TakeMessageId(const QString& text)
{
    QTreeWidgetItem* item = m_frames->currentItem();
    const int row = item ? m_frames->indexOfTopLevelItem(item) : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= m_choices.size())
        return;
    // The field keeps what was typed; the item shows the id as stored.
    const std::optional<int> messageId = MessageIdOf(text.toStdString());
    if (!messageId)
        return;
    ConfigurableFrameChoice& choice = m_choices[static_cast<std::size_t>(row)];
    choice.messageId = *messageId;
    item->setText(0, ItemText(choice));
}
