#pragma once

#include "app/TextCodec.h"
#include "editing/MasterForm.h"

#include <QWidget>

class DecimalEdit;
class DigitsEdit;
class NameEdit;

// The "Properties" page of the master: name, time base and jitter.
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
};
