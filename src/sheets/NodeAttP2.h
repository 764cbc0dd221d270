#pragma once

#include "editing/NodeAttributesForm.h"

#include <QWidget>

class DigitsEdit;

// The "Product ID" page of a slave: supplier, function and variant.
class NodeAttP2 : public QWidget {
    Q_OBJECT

public:
    explicit NodeAttP2(QWidget* parent = nullptr);

    void Show(const NodeAttributesForm& form);
    void ReadInto(NodeAttributesForm& form) const;
    void SetLin2Enabled(bool enabled);

private:
    DigitsEdit* m_supplierId;
    DigitsEdit* m_functionId;
    DigitsEdit* m_variant;
};
