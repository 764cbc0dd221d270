#include "sheets/NodeAttP2.h"

#include "controls/EntryFields.h"
#include "controls/OptionalEdit.h"
#include "sheets/PageHelpers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace {

// Characters an id field takes: "0x7FFE" and a little more, so that a
// number too large shows red rather than stop at the keyboard.
constexpr int kIdLength = 32;

}  // namespace

NodeAttP2::NodeAttP2(QWidget* parent)
    : QWidget(parent),
      m_supplierId(Named(new NumberEdit(RangeOf(NodeAttributesForm::kSupplierIdField), kIdLength, this), "supplierId")),
      m_functionId(Named(new NumberEdit(RangeOf(NodeAttributesForm::kFunctionIdField), kIdLength, this), "functionId")),
      m_variant(new OptionalEdit(
          tr("Variant"), Named(new NumberEdit(RangeOf(NodeAttributesForm::kVariantField), kIdLength, this), "variant"),
          QString(), this))
{
    // The labels show the ranges without the wildcards.
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
