#include "sheets/NodeAttP2.h"

#include "controls/EntryFields.h"
#include "controls/OptionalEdit.h"
#include "sheets/PageHelpers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

NodeAttP2::NodeAttP2(QWidget* parent)
    : QWidget(parent),
      m_supplierId(Named(new DigitsEdit(this, NodeAttributesForm::kSupplierIdField.hexAllowed), "supplierId")),
      m_functionId(Named(new DigitsEdit(this, NodeAttributesForm::kFunctionIdField.hexAllowed), "functionId")),
      m_variant(new OptionalEdit(tr("Variant"),
                                 Named(new DigitsEdit(this, NodeAttributesForm::kVariantField.hexAllowed), "variant"),
                                 QString(), this))
{
    // The labels show the ranges without the wildcards; the stored values
    // saturate at the file's limits, wildcards included.
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Range:"), this), 0, 2);
    const struct {
        QWidget* caption;
        QWidget* field;
        QString range;
    } rows[] = {
        {new QLabel(tr("Supplier ID"), this), m_supplierId, tr("0 to 32766")},
        {new QLabel(tr("Function ID"), this), m_functionId, tr("0 to 65534")},
        {m_variant->GivenBox(), m_variant, tr("0 to 255")},
    };
    int line = 1;
    for (const auto& row : rows) {
        layout->addWidget(row.caption, line, 0);
        layout->addWidget(row.field, line, 1);
        layout->addWidget(new QLabel(row.range, this), line, 2);
        ++line;
    }
    layout->setRowStretch(line, 1);
}

void NodeAttP2::Show(const NodeAttributesForm& form)
{
    m_supplierId->setText(QString::fromStdString(form.supplierId));
    m_functionId->setText(QString::fromStdString(form.functionId));
    m_variant->SetValue(form.variant);
}

void NodeAttP2::ReadInto(NodeAttributesForm& form) const
{
    form.supplierId = m_supplierId->text().toStdString();
    form.functionId = m_functionId->text().toStdString();
    form.variant = m_variant->Value();
}

void NodeAttP2::SetLin2Enabled(bool enabled)
{
    m_supplierId->setEnabled(enabled);
    m_functionId->setEnabled(enabled);
    m_variant->setEnabled(enabled);
}
