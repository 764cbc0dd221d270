#include "sheets/ScheduleANAD.h"

#include "controls/ChoiceBox.h"
#include "editing/NodeAttributesForm.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>
#include <QLineEdit>

namespace {

QLineEdit* ShownOnly(const char* objectName, QWidget* parent)
{
    auto* field = Named(new QLineEdit(parent), objectName);
    field->setEnabled(false);
    return field;
}

}  // namespace

ScheduleANAD::ScheduleANAD(LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : ScheduleEntryPage(parent), m_network(network), m_codec(codec), m_node(Named(new ChoiceBox(this), "node")),
      m_oldNad(Named(new ChoiceBox(this), "oldNad")), m_newNad(ShownOnly("newNad", this)),
      m_supplierId(ShownOnly("supplierId", this)), m_functionId(ShownOnly("functionId", this))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Node"), m_node);
    layout->addRow(tr("Old NAD"), m_oldNad);
    layout->addRow(tr("New NAD"), m_newNad);
    layout->addRow(tr("Supplier ID"), m_supplierId);
    layout->addRow(tr("Function ID"), m_functionId);
    m_node->SetChoices(ToQtList(ScheduleEntryForm::SlaveChoices(network), codec));
    m_oldNad->SetChoices(FixedList(NodeAttributesForm::NadChoices()));
    connect(m_node, &QComboBox::activated, this, [this] {
        ScheduleEntryForm form;
        form.oldNad = m_initialNad;
        form.ChooseNadNode(m_network, m_codec.FromQt(m_node->Selected()));
        ShowNode(form);
    });
}

void ScheduleANAD::Show(const ScheduleEntryForm& form)
{
    m_initialNad = form.oldNad;
    m_node->Select(m_codec.ToQt(form.node));
    if (!form.node.empty())
        ShowNode(form);
}

void ScheduleANAD::ReadInto(ScheduleEntryForm& form) const
{
    form.node = m_codec.FromQt(m_node->Selected());
    form.oldNad = m_oldNad->Selected().toStdString();
    form.newNad = m_newNad->text().toStdString();
    form.supplierId = m_supplierId->text().toStdString();
    form.functionId = m_functionId->text().toStdString();
}

void ScheduleANAD::ShowNode(const ScheduleEntryForm& form)
{
    m_newNad->setText(QString::fromStdString(form.newNad));
    m_supplierId->setText(QString::fromStdString(form.supplierId));
    m_functionId->setText(QString::fromStdString(form.functionId));
    m_oldNad->Select(QString::fromStdString(form.oldNad));
}
