#pragma once

#include "editing/ScheduleForms.h"
#include "gui/DialogRunner.h"
#include "gui/TextCodec.h"

#include <QWidget>

class AddDeleteList;

// The "Frames" page of a schedule table: its entries, added from a chooser
// of commands and frames after the selected entry, deleted, moved up and
// down (also Ctrl+Up and Ctrl+Down) and duplicated. The page works on a copy
// of the entries; only the sheet's commit stores them.
class ScheduleFrameP1 : public QWidget {
    Q_OBJECT

public:
    ScheduleFrameP1(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const ScheduleTableForm& form);
    void ReadInto(ScheduleTableForm& form) const;
    // How the chooser is shown; tests pick the entry themselves.
    void SetMenuRunner(MenuRunner run) { m_runMenu = std::move(run); }

private:
    void AddEntry();
    void MoveEntry(int step);
    void DuplicateEntry();
    // Shows the entries with that row selected (-1: none).
    void ShowEntries(int selectedRow = -1);
    int SelectedRow() const;

    const LinNetwork& m_network;
    const TextCodec& m_codec;
    ScheduleTableForm m_table;
    MenuRunner m_runMenu = ExecMenu;
    AddDeleteList* m_entries;
};
