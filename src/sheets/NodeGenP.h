#pragma once

#include "editing/NodeAttributesForm.h"
#include "gui/TextCodec.h"

#include <QWidget>

class NameEdit;
class OptionalEdit;
class QGroupBox;

// The "General" page of a slave: its name and, for J2602, how far its
// response may stretch and the times it needs after a wake-up and after
// power-on, each given or not.
class NodeGenP : public QWidget {
    Q_OBJECT

public:
    NodeGenP(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const NodeAttributesForm& form);
    void ReadInto(NodeAttributesForm& form) const;
    // Hidden, the J2602 values stay as they are.
    void SetJ2602Shown(bool shown);

private:
    const TextCodec& m_codec;
    NameEdit* m_name;
    QGroupBox* m_j2602;
    OptionalEdit* m_responseTolerance;
    OptionalEdit* m_wakeupTime;
    OptionalEdit* m_powerOnTime;
};
