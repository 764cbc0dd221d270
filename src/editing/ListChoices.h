#pragma once

#include <string>
#include <vector>

// The row an Add/Delete list selects after it deleted deletedRow and holds
// rowsLeft items: the one now at the same position, or the last one when the
// deleted row was last; -1 when the list is empty.
int RowAfterDelete(int deletedRow, int rowsLeft);

// The entries of an Add chooser: a title, then groups of entries, each under
// its heading. A group without entries is left out, heading and all. The
// entries are numbered in order over all groups, from 0.
struct ChoiceGroup {
    std::string heading;
    std::vector<std::string> entries;
};

struct ChoiceMenu {
    // The chooser's commands are numbered from here; the chosen entry is the
    // command minus this.
    static constexpr int kFirstCommand = 2000;

    std::string title;
    std::vector<ChoiceGroup> groups;

    // The number of entries in the groups before the group at index.
    int FirstEntryOf(std::size_t group) const;
};
