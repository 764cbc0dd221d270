#pragma once

#include <string>
#include <vector>

class LinNetwork;

// One signal the frame's publisher sends, as the Signals tree offers it, with
// the offset the user works on.
struct FrameSignalChoice {
    std::string name;
    bool checked = false;
    int offset = 0;  // bits
};

// What the frame sheet shows and writes: the texts of its fields, the
// selected entries of its lists (empty when none is selected) and the
// signals tree.
struct FrameForm {
    std::string name;
    std::string id;
    std::string size;  // bytes
    std::string publisher;
    std::vector<FrameSignalChoice> signals;

    // The ids 0 to 59 no other frame (event-triggered ones included) has;
    // a dynamic frame id is offered even when it is used.
    static std::vector<std::string> IdChoices(const LinNetwork& network, int index);
    static std::vector<std::string> SizeChoices();  // "1" to "8"
    // The length the LIN rule gives an id: 2 bytes up to 31, 4 up to 47, else 8.
    static std::string SizeForId(int id);
    // The signals the node publishes, in network order, checked at the
    // offsets the stored frame gives them.
    static std::vector<FrameSignalChoice> SignalChoices(const LinNetwork& network, int index,
                                                        const std::string& publisher);

    // Places the checked signals one after the other from bit 0, in tree
    // order; unchecked ones keep their offsets.
    void AutoOffset(const LinNetwork& network);

    // An index that names no frame gives an empty form.
    static FrameForm Read(const LinNetwork& network, int index);
    // Renames the frame with every mention of it (unique among every kind of
    // frame; an empty name keeps the old one) and writes its fields; the
    // checked signals, with their offsets, replace the frame's.
    void Commit(LinNetwork& network, int index) const;
};

// What the offset sheet shows and writes for one signal of a frame.
struct FrameOffsetForm {
    std::string signalName;
    std::string offset;
    bool reorder = true;

    // "0" to the frame's last bit.
    static std::vector<std::string> OffsetChoices(const LinNetwork& network, int frame);

    // Empty when the frame or its signal does not exist.
    static FrameOffsetForm Read(const LinNetwork& network, int frame, int signal);
    // Moves the signal to the new offset. Reordering sorts the frame's
    // signals by offset, puts the moved one in its place and pushes every
    // later signal that would overlap its predecessor behind it; without
    // reordering the moved signal goes last and nothing else moves.
    void Commit(LinNetwork& network, int frame, int signal) const;
};
