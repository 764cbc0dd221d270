#pragma once

#include "ldf/TextScanner.h"
#include "model/NetworkContent.h"
#include "model/VersionTable.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class LinNetwork;
class ListIndexes;
class NetworkNameIndexes;

// Outcome of reading a file: the network, or the reason it could not be read.
struct LoadResult {
    std::unique_ptr<LinNetwork> network;
    std::string error;  // empty when network is set

    explicit operator bool() const { return network != nullptr; }
};

// The in-memory LIN network: its content, and the reader's state (path,
// text, messages), because reading and repairing are operations of the
// network itself.
class LinNetwork : public TextScanner, public NetworkContent {
public:
    // An empty network as the reader starts from; see CreateDefault and Load.
    LinNetwork();
    ~LinNetwork() override = default;
    LinNetwork(const LinNetwork&) = default;
    LinNetwork& operator=(const LinNetwork&) = default;

    // The network of a new document.
    static std::unique_ptr<LinNetwork> CreateDefault();
    // Load refuses larger files: a description of one bus takes well under a
    // megabyte, and a network takes some eight times the size of its file in
    // memory, up to a hundred times when the file is millions of tiny records.
    static constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

    // What becomes of the file text once it is read: kept (a save in the
    // file's layout and the editor need it) or dropped as soon as the reader
    // is done, so that the repair, the checks and the outline that follow
    // take its room.
    enum class TextAfterReading { Kept, Dropped };

    // Reads the file in binary mode, parses it and runs the post-load repair.
    // A file larger than kMaxFileBytes, or one that does not fit in memory,
    // is refused with the reason.
    static LoadResult Load(const std::string& path, TextAfterReading text = TextAfterReading::Kept);
    // As Load, for text already in memory (at most kMaxFileBytes); path only
    // names the source.
    static std::unique_ptr<LinNetwork> LoadFromText(std::string text, const std::string& path = {},
                                                    TextAfterReading afterReading = TextAfterReading::Kept);

    // Name-free tests: true when no record of the list has exactly this name.
    bool IsSlaveNameFree(const std::string& name) const;
    bool IsDiagnosticAddressFree(const std::string& nodeName) const;
    bool IsEventTriggeredFrameNameFree(const std::string& name) const;
    bool IsSignalNameFree(const std::string& name) const;
    bool IsSignalGroupNameFree(const std::string& name) const;
    bool IsFrameNameFree(const std::string& name) const;
    bool IsScheduleTableNameFree(const std::string& name) const;
    bool IsEncodingTypeNameFree(const std::string& name) const;
    bool IsRepresentationFree(const std::string& encodingName) const;
    bool IsNodeAttributesFree(const std::string& nodeName) const;
    static bool IsNameFreeIn(const std::string& name, const NameList& signalNames);

    // What the text's language version has: the forms LIN 2.1 adds to
    // existing statements are read and written only where it has them.
    const lin::VersionRow& Version() const;

    // Nodes.
    bool IsSlave(const std::string& name) const;
    bool IsNode(const std::string& name) const;  // the master or a slave
    NodeAttributes* FindNodeAttributes(const std::string& nodeName) const;
    // Appends a record with the default attributes for the slave.
    NodeAttributes& AddDefaultAttributes(const std::string& slaveName);
    // The first record of the slave's attributes; the defaults are appended
    // when it has none.
    NodeAttributes& AttributesOf(const std::string& slaveName);
    // AttributesOf every slave, in slave order.
    std::vector<NodeAttributes*> AttributesOfEverySlave();
    void RemoveOrphanNodeAttributes();
    void RemoveOrphanNodeAttributes(NetworkNameIndexes& names);

    // The purges drop every reference to a name that no record has; they
    // leave a frame-id command with the name cleared. The removals drop the
    // references to one removed record's name, frame-id commands included.
    void PurgeDeletedNodes(NetworkNameIndexes& names);
    void PurgeDeletedSignals(NetworkNameIndexes& names);
    void PurgeDeletedFrames(NetworkNameIndexes& names);
    void RemoveSlaveReferences(const std::string& name);
    void RemoveSignalReferences(const std::string& name);
    void RemoveFrameReferences(const std::string& name);
    // Event-triggered and sporadic frames are named only by frame slots.
    void RemoveFrameSlots(const std::string& name);
    // An event-triggered frame whose collision table goes resolves none.
    void RemoveScheduleTableReferences(const std::string& name);

    // Signals.
    LinSignal* FindSignal(const std::string& name) const;
    int SignalSize(const std::string& name) const;
    SignalRepresentation* FindRepresentation(const std::string& encodingName) const;
    std::string EncodingOfSignal(const std::string& signalName) const;
    void AssignSignalToEncoding(const std::string& encodingName, const std::string& signalName);
    void AlignRepresentations();

    // Frames.
    LinFrame* FindFrame(const std::string& name) const;
    int FrameLength(const std::string& frameName) const;

    // The content alone, and its replacement; the reader's state stays.
    const NetworkContent& Content() const { return *this; }
    void RestoreContent(NetworkContent content) { NetworkContent::operator=(std::move(content)); }

    // The LDF text of the network in the fixed layout, lines ending in LF
    // (writer). Statements the reader kept inside blocks are left out.
    std::string BuildLdfText() const;
    // The same with those statements, each in its place: the text that
    // saving in the file's layout and the edit history compare.
    std::string BuildCompleteLdfText() const;

    // The reader: the driver over fileText and one parser per section. Each
    // parser starts just after its section's '{' and returns on its '}'.
    void ReadLdf();
    // The name indexes the parsers share from one block of a section to the
    // next; made on first use and dropped when ReadLdf ends.
    ListIndexes& ReaderListIndexes();
    void ParseNodes(int& pos, const std::string& text);
    void ParseNodeAttributes(int& pos, const std::string& text);
    void ParseComposite(int& pos, const std::string& text);
    void ParseDiagnosticAddresses(int& pos, const std::string& text);
    void ParseSignals(int& pos, const std::string& text);
    void ParseSignalGroups(int& pos, const std::string& text);
    void ParseEncodingTypes(int& pos, const std::string& text);
    void ParseRepresentations(int& pos, const std::string& text);
    void ParseFrames(int& pos, const std::string& text);
    void ParseEventTriggeredFrames(int& pos, const std::string& text);
    void ParseSporadicFrames(int& pos, const std::string& text);
    void ParseDiagnosticFrames(int& pos, const std::string& text);
    void ParseDiagnosticSignals(int& pos, const std::string& text);
    void ParseScheduleTables(int& pos, const std::string& text);

private:
    std::shared_ptr<ListIndexes> m_listIndexes;
};

// The name each kind of record is known by (name tests, MakeUniqueName).
inline const Name& RecordName(const LinNode& r) { return r.name; }
inline const Name& RecordName(const NodeAttributes& r) { return r.nodeName; }
inline const Name& RecordName(const CompositeConfiguration& r) { return r.name; }
inline const Name& RecordName(const CompositeNode& r) { return r.name; }
inline const Name& RecordName(const DiagnosticAddress& r) { return r.nodeName; }
inline const Name& RecordName(const LinSignal& r) { return r.name; }
inline const Name& RecordName(const SignalGroup& r) { return r.name; }
inline const Name& RecordName(const EncodingType& r) { return r.name; }
inline const Name& RecordName(const SignalRepresentation& r) { return r.encodingName; }
inline const Name& RecordName(const LinFrame& r) { return r.name; }
inline const Name& RecordName(const EventTriggeredFrame& r) { return r.name; }
inline const Name& RecordName(const SporadicFrame& r) { return r.name; }
inline const Name& RecordName(const ScheduleTable& r) { return r.name; }

template <typename Record> bool IsNameFree(const OwnedList<Record>& list, const std::string& name)
{
    for (const auto& record : list)
        if (RecordName(*record) == name)
            return false;
    return true;
}

// A name that no record of the list has, except the one at index ignore:
// base, base0, base1, ... (-1 or any index outside the list ignores nothing).
std::string MakeUniqueName(const std::vector<std::string>& names, const std::string& base, int ignore = -1);

// The names of the records, in list order.
template <typename Record> std::vector<std::string> RecordNames(const OwnedList<Record>& list)
{
    std::vector<std::string> names;
    names.reserve(list.size());
    for (const auto& record : list)
        names.push_back(RecordName(*record));
    return names;
}

template <typename Record>
std::string MakeUniqueName(const OwnedList<Record>& list, const std::string& base, int ignore = -1)
{
    return MakeUniqueName(RecordNames(list), base, ignore);
}
