#pragma once

#include "editing/NodeAttributesForm.h"

#include <QWidget>

class NumberEdit;
class OptionalEdit;

// The "Product ID" page of a slave: supplier, function and variant (which
// LIN 2.1 may leave out).
class NodeAttP2 : public QWidget {
    Q_OBJECT

public:
    explicit NodeAttP2(QWidget* parent = nullptr);

    void Show(const NodeAttributesForm& form);
    void ReadInto(NodeAttributesForm& form) const;
    void SetLin2Enabled(bool enabled);

private:
    NumberEdit* m_supplierId;
    NumberEdit* m_functionId;
    OptionalEdit* m_variant;
};
