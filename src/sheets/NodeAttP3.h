#pragma once

#include "app/TextCodec.h"
#include "editing/NodeAttributesForm.h"

#include <QWidget>

#include <vector>

class CheckTree;
class DigitsEdit;
class QGroupBox;
class QPushButton;
class QTreeWidgetItem;

// The "Configurable frames" page of a slave: one checkable item per
// unconditional frame, "name (message id)", and the message id of the
// selected item. The ids being worked on live here until the commit.
class NodeAttP3 : public QWidget {
    Q_OBJECT

public:
    NodeAttP3(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const NodeAttributesForm& form);
    void ReadInto(NodeAttributesForm& form) const;
    void SetLin2Enabled(bool enabled);

private:
    void ShowSelected(QTreeWidgetItem* item);
    void TakeMessageId(const QString& text);
    QString ItemText(const ConfigurableFrameChoice& frame) const;

    const TextCodec& m_codec;
    CheckTree* m_frames;
    QPushButton* m_uncheckAll;
    QGroupBox* m_messageIdGroup;
    DigitsEdit* m_messageId;
    std::vector<ConfigurableFrameChoice> m_choices;
};
