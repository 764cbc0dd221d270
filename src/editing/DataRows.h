#pragma once

#include "editing/TreeItem.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class LinNetwork;

// The data list beside the tree, as plain data: for the selected tree item,
// the layout (columns) and the rows. The list view only shows a DataTable.

// Width of a column that takes the rest of the list's width.
inline constexpr int kFillWidth = -2;

struct DataColumn {
    std::string caption;
    int width = kFillWidth;  // pixels
};

struct DataLayout {
    std::string key;
    std::vector<DataColumn> columns;
};

struct DataRow {
    std::vector<std::string> cells;
    // The position the row had when filled, which is what the list's
    // commands take as "the row"; it travels with the row when only the
    // shown rows are sorted.
    int source = 0;
};

struct DataTable {
    std::string layout;  // empty: no columns, no rows
    std::vector<DataColumn> columns;
    std::vector<DataRow> rows;
};

// The keys of the layouts, one per kind of list.
namespace layoutkey {
inline constexpr const char* Network = "Network";
inline constexpr const char* Nodes = "Nodes";
inline constexpr const char* Master = "Master";
inline constexpr const char* NodeAttributes = "NodeAtt";
inline constexpr const char* NodeComposition = "Node Composition";
inline constexpr const char* CompositeNodes = "Composite_nodes";
inline constexpr const char* FunctionalNodes = "Functional_nodes";
inline constexpr const char* Signals = "Signals";
inline constexpr const char* Signal = "UniqueSignal";
inline constexpr const char* Frames = "Frames";
inline constexpr const char* FrameSignals = "Frame_Signal";
inline constexpr const char* DynamicFrames = "Dynamic Frames";
inline constexpr const char* EventTriggeredFrames = "Event Triggered Frames";
inline constexpr const char* EventTriggeredFrame = "ETFramesSub";
inline constexpr const char* SporadicFrames = "Sporadic Frames";
inline constexpr const char* SporadicFrame = "SpFrmSub";
inline constexpr const char* Schedules = "Schedules";
inline constexpr const char* ScheduleEntries = "Schedule_Frames";
inline constexpr const char* EncodingTypes = "Encodings_All";
inline constexpr const char* EncodingValues = "Encoding Types";
inline constexpr const char* Representations = "Representation_All";
inline constexpr const char* Representation = "Representation";
inline constexpr const char* SignalGroups = "Signal_groups";
inline constexpr const char* SignalGroup = "Signal_group";
inline constexpr const char* KeptStatement = "Kept_statement";
}  // namespace layoutkey

// Every layout of the list, built once.
const std::vector<DataLayout>& DataLayouts();
// The layout with that key, or null.
const DataLayout* FindDataLayout(const std::string& key);

// Whether the list for the selected item shows the master: for the master,
// and for any slave, signal, frame or schedule table named "Master"
// directly under its category. Its row then stands for the master.
bool ListShowsMaster(const TreeItemRef& selected);

// The list for the selected item. A frame without a length shows the
// default length of its id, a slave without attributes the default ones.
DataTable FillDataTable(const LinNetwork& network, const TreeItemRef& selected);

// Bit 1 of a column's flags: the direction of the last sort by that column.
// The first click on a column sorts descending, the next ascending, ...
class ColumnSortFlags {
public:
    // Toggles the column's direction; true when the sort is now descending.
    bool Toggle(const std::string& layout, int column);

private:
    std::map<std::pair<std::string, int>, bool> m_descending;
};

struct SortOutcome {
    bool sorted = false;            // the layout sorts and the column exists
    bool networkReordered = false;  // entries of a network list changed places
};

bool IsSortableLayout(const std::string& layout);

// Sorts the rows by the column (fixed top rows stay: the master of "Nodes",
// the two diagnostic frames of "Frames") and moves the network's entries
// along, so that the saved file keeps the order. The values of an encoding
// type are only sorted as shown.
SortOutcome SortDataTable(LinNetwork& network, DataTable& table, int column, ColumnSortFlags& flags);
