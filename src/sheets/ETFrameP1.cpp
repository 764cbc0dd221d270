#include "sheets/ETFrameP1.h"

#include "controls/ChoiceBox.h"
#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

ETFrameP1::ETFrameP1(const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new NameEdit(this), "name")),
      m_frameId(Named(new ChoiceBox(this), "frameId")), m_collisionTable(Named(new ChoiceBox(this), "collisionTable"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
    layout->addRow(tr("Frame ID"), m_frameId);
    layout->addRow(tr("Collision table"), m_collisionTable);
}

void ETFrameP1::Show(const EventTriggeredFrameForm& form, const std::vector<std::string>& idChoices,
                     const std::vector<std::string>& tableChoices)
{
    m_name->setText(m_codec.ToQt(form.name));
    m_frameId->SetChoices(FixedList(idChoices));
    m_frameId->Select(QString::fromStdString(form.frameId));
    m_collisionTable->SetChoices(ToQtList(tableChoices, m_codec));
    // The table is looked for from the second entry on: one may be called
    // like the first.
    const QString table = m_codec.ToQt(form.collisionTable);
    int row = 0;
    for (int i = 1; i < m_collisionTable->count() && !table.isEmpty() && row == 0; ++i)
        if (m_collisionTable->itemText(i) == table)
            row = i;
    m_collisionTable->setCurrentIndex(row);
}

void ETFrameP1::ReadInto(EventTriggeredFrameForm& form) const
{
    form.name = m_codec.FromQt(m_name->text());
    form.frameId = m_frameId->Selected().toStdString();
    form.collisionTable =
        m_collisionTable->currentIndex() > 0 ? m_codec.FromQt(m_collisionTable->Selected()) : std::string();
}
