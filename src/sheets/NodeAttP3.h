#pragma once

#include "editing/NodeAttributesForm.h"
#include "gui/TextCodec.h"

#include <QWidget>

#include <vector>

class CheckTree;
class DigitsEdit;
class MoveButtons;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QTreeWidgetItem;

// The "Configurable frames" page of a slave: one checkable item per
// unconditional frame, "name (message id)" or the name alone for a frame
// listed by name, and the message id of the selected item. The checked
// items are the slave's list in their order, which the user can change:
// a frame's place in it is the index the frame-id commands refer to. The
// entries being worked on live here until the commit.
class NodeAttP3 : public QWidget {
    Q_OBJECT

public:
    NodeAttP3(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const NodeAttributesForm& form);
    void ReadInto(NodeAttributesForm& form) const;
    void SetLin2Enabled(bool enabled);
    // Listing by name alone is a LIN 2.1 choice: shown, frames checked from
    // now on are listed by name; hidden, with their message id. Entries
    // already checked keep how they are listed.
    void SetLin21Shown(bool shown);

private:
    // The entry of the tree's current item, or nothing.
    ConfigurableFrameChoice* Selected();
    void ShowSelected(QTreeWidgetItem* item);
    void ShowMessageId(const ConfigurableFrameChoice& choice);
    void TakeMessageId(const QString& text);
    void TakeWithMessageId(bool withMessageId);
    void ShowItemText(int row);

    const TextCodec& m_codec;
    CheckTree* m_frames;
    QPushButton* m_uncheckAll;
    MoveButtons* m_order;
    QGroupBox* m_messageIdGroup;
    QCheckBox* m_withMessageId;
    DigitsEdit* m_messageId;
    std::vector<ConfigurableFrameChoice> m_choices;
    int m_shownMessageId = ConfigurableFrameChoice::kNotSet;  // of the selected frame, before the user's edit
    bool m_lin21Shown = true;
};
