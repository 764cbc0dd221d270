#include "controls/PopupChooser.h"

#include "controls/TitledPopupMenu.h"
#include "gui/TextCodec.h"

#include <QCursor>

std::unique_ptr<TitledPopupMenu> MakeChoiceMenu(const ChoiceMenu& choices, const TextCodec& codec, QWidget* parent)
{
    auto menu = std::make_unique<TitledPopupMenu>(codec.ToQt(choices.title), parent);
    menu->addSeparator();
    int command = ChoiceMenu::kFirstCommand;
    for (const ChoiceGroup& group : choices.groups) {
        if (group.entries.empty())
            continue;
        if (!group.heading.empty())
            menu->AddHeading(codec.ToQt(group.heading));
        for (const std::string& entry : group.entries) {
            QAction* action = menu->addAction(codec.ToQt(entry));
            action->setData(command++);
            action->setEnabled(group.greyed.count(entry) == 0);
        }
    }
    return menu;
}

int ChooseFromMenu(const ChoiceMenu& choices, const TextCodec& codec, QWidget* parent, const MenuRunner& run)
{
    const std::unique_ptr<TitledPopupMenu> menu = MakeChoiceMenu(choices, codec, parent);
    const QAction* chosen = run(*menu, QCursor::pos());
    if (!chosen || !chosen->isEnabled() || !chosen->data().isValid())
        return -1;
    return chosen->data().toInt() - ChoiceMenu::kFirstCommand;
}
