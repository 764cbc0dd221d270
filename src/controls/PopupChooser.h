#pragma once

#include "editing/ListChoices.h"
#include "gui/DialogRunner.h"

#include <memory>

class TitledPopupMenu;
class TextCodec;

// The popup menu of an Add that offers several kinds: the title, a
// separator, then each group's heading (a caption that cannot be chosen)
// and its entries. Each entry's data is its command, from
// ChoiceMenu::kFirstCommand on.
std::unique_ptr<TitledPopupMenu> MakeChoiceMenu(const ChoiceMenu& choices, const TextCodec& codec, QWidget* parent);

// Shows the chooser at the pointer and returns the chosen entry's number,
// or -1 when the user chose nothing.
int ChooseFromMenu(const ChoiceMenu& choices, const TextCodec& codec, QWidget* parent,
                   const MenuRunner& run = ExecMenu);
