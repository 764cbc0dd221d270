#include "controls/PopupChooser.h"

#include "app/TextCodec.h"
#include "controls/TitledPopupMenu.h"

#include <QCursor>

std::unique_ptr<TitledPopupMenu> MakeChoiceMenu(const ChoiceMenu& choices, const TextCodec& codec, QWidget* parent)
{
    auto menu = std::make_unique<TitledPopupMenu>(codec.ToQt(choices.title), parent);
    menu->addSeparator();
    int command = ChoiceMenu::kFirstCommand;
    for (const ChoiceGroup& group : choices.groups) {
        if (group.entries.empty())
            continue;
        menu->AddHeading(codec.ToQt(group.heading));
        for (const std::string& entry : group.entries)
            menu->addAction(codec.ToQt(entry))->setData(command++);
    }
    return menu;
}

int ChooseFromMenu(const ChoiceMenu& choices, const TextCodec& codec, QWidget* parent, const MenuRunner& run)
{
    const std::unique_ptr<TitledPopupMenu> menu = MakeChoiceMenu(choices, codec, parent);
    const QAction* chosen = run(*menu, QCursor::pos());
    if (!chosen || !chosen->data().isValid())
        return -1;
    return chosen->data().toInt() - ChoiceMenu::kFirstCommand;
}
