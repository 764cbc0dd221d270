#pragma once

#include "editing/CompositionForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class CheckTree;

// The "Functional Nodes" page of a composite node: one checkable item per
// slave.
class CompFuncNP2 : public QWidget {
    Q_OBJECT

public:
    CompFuncNP2(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const CompositeNodeForm& form);
    void ReadInto(CompositeNodeForm& form) const;

private:
    const TextCodec& m_codec;
    CheckTree* m_nodes;
};
