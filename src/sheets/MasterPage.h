#pragma once

#include "editing/MasterForm.h"
#include "gui/TextCodec.h"

#include <QWidget>

class DecimalEdit;
class DigitsEdit;
class NameEdit;
class QGroupBox;

// The "Properties" page of the master: name, time base and jitter, and the
// J2602 header length and response tolerance, offered for a J2602 network or
// while the master gives them.
class MasterPage : public QWidget {
    Q_OBJECT

public:
    MasterPage(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const MasterForm& form);
    MasterForm Read() const;

private:
    const TextCodec& m_codec;
    NameEdit* m_name;
    DigitsEdit* m_timeBase;
    DecimalEdit* m_jitter;
    QGroupBox* m_j2602;
    DigitsEdit* m_maxHeaderBits;
    DecimalEdit* m_tolerancePercent;
    bool m_j2602Offered = false;
};
