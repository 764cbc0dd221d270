#include "sheets/GroupedFramesPage.h"

#include "controls/AddDeleteList.h"
#include "controls/PopupChooser.h"
#include "sheets/PageHelpers.h"

#include <QListWidget>
#include <QVBoxLayout>

GroupedFramesPage::GroupedFramesPage(const LinNetwork& network, FrameGroup group, const TextCodec& codec,
                                     QWidget* parent)
    : QWidget(parent), m_network(network), m_group(group), m_codec(codec),
      m_frames(Named(new AddDeleteList(tr("Add frame"), tr("Delete selected frame"), this), "frames"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frames);
    connect(m_frames, &AddDeleteList::AddClicked, this, &GroupedFramesPage::ChooseFrameToAdd);
}

void GroupedFramesPage::Show(const std::vector<std::string>& frames) { m_frames->SetItems(ToQtList(frames, m_codec)); }

std::vector<std::string> GroupedFramesPage::Frames() const { return FromQtList(m_frames->Items(), m_codec); }

void GroupedFramesPage::ChooseFrameToAdd()
{
    const std::vector<std::string> listed = Frames();
    ChoiceGroup frames;
    for (const FrameChoice& choice : AddFrameChoices(m_network, m_group, listed)) {
        if (choice.listed)
            frames.greyed.insert(choice.name);
        frames.entries.push_back(choice.name);
    }
    const int chosen = ChooseFromMenu(ChoiceMenu{"Add Frame", {frames}}, m_codec, this, m_runMenu);
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= frames.entries.size())
        return;
    std::vector<std::string> extended = listed;
    extended.push_back(frames.entries[static_cast<std::size_t>(chosen)]);
    m_frames->SetItems(ToQtList(extended, m_codec), m_frames->List()->currentRow());
}
