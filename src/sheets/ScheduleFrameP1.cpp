#include "sheets/ScheduleFrameP1.h"

#include "controls/AddDeleteList.h"
#include "controls/KeyActions.h"
#include "controls/PopupChooser.h"
#include "sheets/PageHelpers.h"

#include <QListWidget>
#include <QPushButton>

namespace {

QPushButton* EntryButton(const QString& text, const char* objectName, QWidget* parent)
{
    return Named(new QPushButton(text, parent), objectName);
}

}  // namespace

ScheduleFrameP1::ScheduleFrameP1(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_network(network), m_codec(codec),
      m_entries(Named(new AddDeleteList(tr("Add frame type"), tr("Delete selected frame type"), this), "entries"))
{
    QPushButton* up = EntryButton(tr("Move up"), "moveUp", this);
    QPushButton* down = EntryButton(tr("Move down"), "moveDown", this);
    QPushButton* duplicate = EntryButton(tr("Duplicate"), "duplicate", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(up);
    buttons->addWidget(down);
    buttons->addWidget(duplicate);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_entries);
    layout->addLayout(buttons);
    connect(m_entries, &AddDeleteList::AddClicked, this, &ScheduleFrameP1::AddEntry);
    connect(m_entries, &AddDeleteList::Deleted, this, [this](int row) { m_table.Remove(row); });
    connect(up, &QPushButton::clicked, this, [this] { MoveEntry(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveEntry(1); });
    connect(duplicate, &QPushButton::clicked, this, &ScheduleFrameP1::DuplicateEntry);
    auto* keys = new KeyActions(m_entries->List());
    keys->On(Qt::Key_Up, Qt::ControlModifier, [this] { MoveEntry(-1); });
    keys->On(Qt::Key_Down, Qt::ControlModifier, [this] { MoveEntry(1); });
}

void ScheduleFrameP1::Show(const ScheduleTableForm& form)
{
    m_table.entries = form.entries;
    ShowEntries();
}

void ScheduleFrameP1::ReadInto(ScheduleTableForm& form) const { form.entries = m_table.entries; }

void ScheduleFrameP1::AddEntry()
{
    const int choice = ChooseFromMenu(ScheduleTableForm::AddChoices(m_network), m_codec, this, m_runMenu);
    if (const std::optional<int> row = m_table.AddChosen(m_network, choice, SelectedRow()))
        ShowEntries(*row);
}

void ScheduleFrameP1::MoveEntry(int step)
{
    const int row = SelectedRow();
    if (m_table.Move(row, step))
        ShowEntries(row + step);
}

void ScheduleFrameP1::DuplicateEntry()
{
    const int copy = m_table.Duplicate(SelectedRow());
    if (copy >= 0)
        ShowEntries(copy);
}

void ScheduleFrameP1::ShowEntries(int selectedRow)
{
    m_entries->SetItems(ToQtList(m_table.EntryTexts(), m_codec), selectedRow);
}

int ScheduleFrameP1::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = m_entries->List()->selectedItems();
    return selected.isEmpty() ? -1 : m_entries->List()->row(selected.front());
}
