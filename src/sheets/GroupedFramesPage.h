#pragma once

#include "editing/FrameGroupForms.h"
#include "gui/DialogRunner.h"
#include "gui/TextCodec.h"

#include <QWidget>

#include <string>
#include <vector>

class AddDeleteList;
class LinNetwork;

// The "Frames" page of an event-triggered or sporadic frame: the
// unconditional frames it stands for, added through the "Add Frame" chooser
// (which offers the frames the group may list, greying those already listed)
// and deleted from the list.
class GroupedFramesPage : public QWidget {
    Q_OBJECT

public:
    GroupedFramesPage(const LinNetwork& network, FrameGroup group, const TextCodec& codec, QWidget* parent = nullptr);

    // How the chooser runs; tests pick its entry themselves.
    void SetMenuRunner(const MenuRunner& run) { m_runMenu = run; }
    void Show(const std::vector<std::string>& frames);
    std::vector<std::string> Frames() const;

private:
    void ChooseFrameToAdd();

    const LinNetwork& m_network;
    FrameGroup m_group;
    const TextCodec& m_codec;
    AddDeleteList* m_frames;
    MenuRunner m_runMenu = ExecMenu;
};
