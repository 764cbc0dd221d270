#pragma once

#include "app/TextCodec.h"
#include "editing/NodeAttributesForm.h"

#include <QWidget>

class NameEdit;

// The "General" page of a slave: its name.
class NodeGenP : public QWidget {
    Q_OBJECT

public:
    NodeGenP(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const NodeAttributesForm& form);
    void ReadInto(NodeAttributesForm& form) const;

private:
    const TextCodec& m_codec;
    NameEdit* m_name;
};
