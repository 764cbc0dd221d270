#include "editing/ListChoices.h"

int RowAfterDelete(int deletedRow, int rowsLeft)
{
    if (rowsLeft <= 0)
        return -1;
    return deletedRow < rowsLeft ? deletedRow : rowsLeft - 1;
}

int ChoiceMenu::FirstEntryOf(std::size_t group) const
{
    int first = 0;
    for (std::size_t i = 0; i < group && i < groups.size(); ++i)
        first += static_cast<int>(groups[i].entries.size());
    return first;
}
