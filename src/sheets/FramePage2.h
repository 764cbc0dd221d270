#pragma once

#include "editing/FrameForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class CheckTree;

// The "Signals" page of a frame: the publisher's signals to check, each with
// the offset it will get; "Auto offset" places the checked ones one after
// the other.
class FramePage2 : public QWidget {
    Q_OBJECT

public:
    FramePage2(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const std::vector<FrameSignalChoice>& signalChoices);
    void ReadInto(FrameForm& form) const;

private:
    void PlaceChecked();

    const LinNetwork& m_network;
    const TextCodec& m_codec;
    std::vector<FrameSignalChoice> m_choices;
    CheckTree* m_tree;
};
