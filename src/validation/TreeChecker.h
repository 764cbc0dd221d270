#pragma once

#include "model/NameList.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ItemMarks;
class LinNetwork;
class NetworkNameIndexes;
struct EncodingType;
struct EventTriggeredFrame;
struct LinFrame;
struct LinSignal;
struct NodeAttributes;
struct ScheduleTable;
struct SporadicFrame;

// The consistency checks a rebuild of the tree runs on its items. Each check
// marks its item red with one reason per failing rule, in the order of the
// rules, and sets it back to black when no rule failed. Nothing is written
// to the message log; the only change to the network is the frame check's
// default length for a frame that has none.
//
// A checker serves one rebuild. Each name lookup or count is built when a
// check first needs it, so a list must not change once it has been looked
// up (frame lengths may: they are read when used). Given the name indexes
// of the rebuild, the checker looks names up in those.
class TreeChecker {
public:
    TreeChecker(LinNetwork& network, ItemMarks& marks);
    TreeChecker(LinNetwork& network, ItemMarks& marks, NetworkNameIndexes& names);
    ~TreeChecker();
    TreeChecker(const TreeChecker&) = delete;
    TreeChecker& operator=(const TreeChecker&) = delete;

    void CheckNetwork(int item);
    void CheckMaster(int item);
    void CheckSlave(int item, const NodeAttributes& attributes);
    // Also gives a frame without a length the default length of its id.
    void CheckFrame(int item, LinFrame& frame);
    void CheckSignal(int item, const LinSignal& signal);
    void CheckEventTriggeredFrame(int item, const EventTriggeredFrame& frame);
    void CheckSporadicFrame(int item, const SporadicFrame& frame);
    void CheckScheduleTable(int item, const ScheduleTable& table);
    void CheckEncodingType(int item, const EncodingType& type);

private:
    struct Lookups;

    void Fail(int item, const char* text);
    // Fails the item once when a listed frame that exists does not fit.
    void CheckListedPublishers(int item, const NameList& frameNames,
                               bool (*fits)(std::string_view publisher, std::string_view masterName), const char* text);
    void Finish(int item);

    LinNetwork& m_net;
    ItemMarks& m_marks;
    std::unique_ptr<Lookups> m_lookups;
    int m_lastFailed = -1;  // the item Fail marked last
};
