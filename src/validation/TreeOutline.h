#pragma once

#include "model/TreeItemKind.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class LinNetwork;

// The captions of the fixed items of the tree.
// Shown to users verbatim and matched by tests; keep the spelling.
namespace outline_text {

inline constexpr const char* Network = "Network";
inline constexpr const char* Nodes = "Nodes";
inline constexpr const char* Master = "Master";
inline constexpr const char* NodeComposition = "Node Composition";
inline constexpr const char* Frames = "Frames";
inline constexpr const char* MasterReq = "MasterReq";
inline constexpr const char* SlaveRes = "SlaveRes";
inline constexpr const char* EventTriggeredFrames = "Event Triggered Frames";
inline constexpr const char* SporadicFrames = "Sporadic Frames";
inline constexpr const char* DynamicFrames = "Dynamic Frames";
inline constexpr const char* Signals = "Signals";
inline constexpr const char* EncodingTypes = "Encoding Types";
inline constexpr const char* Representation = "Representation";
inline constexpr const char* SignalGroups = "Signal Groups";
inline constexpr const char* Schedules = "Schedules";

}  // namespace outline_text

// The kind of record the items of a kind show; none for fixed items.
std::optional<EntityKind> EntityKindOf(TreeItemKind item);

// One row of the navigation tree as the rebuild lays it out. Its text lies
// in the outline's texts (TreeOutline::Text): a network has as many items as
// records, and the fields are packed to keep each item small.
struct OutlineItem {
    enum class Kind : std::uint8_t {
        Category,  // a fixed item: closed/open folder images
        Entity,    // an entity of the network: leaf image
    };

    // The record the item shows, of the kind its item kind shows; none for
    // fixed items.
    std::optional<EntityRef> Record() const;
    // The record at index in its list; parent as in EntityRef.
    void ShowRecord(int index, int parent);

    int parent = -1;       // index of the parent item in the outline, -1 at the top
    int siblingIndex = 0;  // number of previous siblings
    std::uint32_t textStart = 0;
    std::uint32_t textLength = 0;
    Kind kind = Kind::Category;
    TreeItemKind itemKind = TreeItemKind::None;
    std::int16_t colour = -1;  // ItemMarks colour: -1 unchecked, 0 checked and fine, 255 red

private:
    // The record's place; its kind follows from the item kind.
    int m_recordIndex = -1;  // -1: no record
    int m_recordParent = -1;
};

// The items of the tree in top-to-bottom order (every item expanded).
struct TreeOutline {
    std::vector<OutlineItem> items;
    // The reasons of each red item as the status bar shows them, by item.
    // Few items are red, so they are kept beside the items.
    std::unordered_map<int, std::string> reasons;
    // The texts of the items, one after another.
    std::string texts;

    // Appends an item showing the text; the caller fills in the rest.
    OutlineItem& Add(std::string_view text);
    // The text an item of this outline shows.
    std::string_view Text(const OutlineItem& item) const;

    // The reasons of a red item; empty for any other.
    const std::string& ReasonsOf(int item) const;

    // The position line text of an item: "Signals / S1 / "; empty for an
    // index outside the outline.
    std::string PathOf(int item) const;
    // The item under these captions ({"Signals", "S1"}); when there is none,
    // the deepest item along the way (the entity's category). -1 when not
    // even the first caption is a top-level item.
    int FindPath(const std::vector<std::string>& captions) const;
};

// The items of the tree for the network, every item unmarked: a function of
// the network alone, which stays as it is.
TreeOutline LayOutTree(const LinNetwork& network);

// The preparation every change of the network ends with, the one place the
// network is tidied up: the reference clean-up, default attributes for slaves
// that have none, every consistency check on its item (which may set a
// frame's default length), and the alignment of the representations.
// Returns the network's layout with the marks the checks left on its items.
TreeOutline PrepareTreeOutline(LinNetwork& network);
// The same changes to the network without the checks and the tree, for what
// shows neither marks nor items and writes no LDF text: the lookups the
// checks build and the outline never exist beside the network. A slave
// without attributes gets no record of the defaults, which its description
// shows all the same (a hundred thousand slaves would take a hundred
// thousand records).
void TidyUpNetwork(LinNetwork& network);
