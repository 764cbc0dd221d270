#include "editing/EntityClipboard.h"

#include "model/LinNetwork.h"
#include "model/NameIndex.h"
#include "model/Rename.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

template <typename Record>
const Record* FindIn(const OwnedList<Record>& list, const NameIndex& index, const std::string& name)
{
    return list.RecordAt(index.FirstPosition(name));
}

// The frame a schedule entry names (a slot's or a frame id command's); empty for others.
std::string FrameOfEntry(const ScheduleEntry& entry)
{
    if (const FrameSlotCommand* slot = entry.FrameSlot())
        return slot->frameName;
    if (const FrameIdCommand* command = entry.FrameId())
        return command->frameName;
    return {};
}

// The slave a schedule command names; empty for a frame slot.
std::string NodeOfEntry(const ScheduleEntry& entry)
{
    if (const FrameIdCommand* command = entry.FrameId())
        return command->nodeName;
    if (const AssignNadCommand* command = entry.AssignNad())
        return command->nodeName;
    if (const NodeCommand* command = entry.Node())
        return command->nodeName;
    return {};
}

// A network of its own holding copies of the chosen records and of what
// they need, so that the writer's text of it reads back as those records.
class ClipboardNetwork {
public:
    explicit ClipboardNetwork(const LinNetwork& source)
        : m_source(source), m_signals(source.signals), m_frames(source.frames),
          m_eventTriggered(source.eventTriggeredFrames), m_sporadic(source.sporadicFrames),
          m_encodings(source.encodingTypes)
    {
        m_copy.descriptionFileSeen = true;
        m_copy.protocolVersion = source.protocolVersion;
        m_copy.protocolVersionText = source.protocolVersionText;
        m_copy.languageVersion = source.languageVersion;
        m_copy.languageVersionText = source.languageVersionText;
        m_copy.speedKbps = source.speedKbps;
        m_copy.byteOrder = source.byteOrder;
        m_copy.masterName = source.masterName;
        m_copy.timeBaseMs = source.timeBaseMs;
        m_copy.jitterMs = source.jitterMs;
        m_copy.commanderWords = source.commanderWords;
        for (const auto& representation : source.signalRepresentations)
            for (const Name& signal : representation->signalNames)
                m_encodingOfSignal.emplace(signal, representation->encodingName);
    }

    void Add(const EntityRef& entity)
    {
        const int i = entity.index;
        switch (entity.kind) {
        case EntityKind::Signal:
            if (const LinSignal* signal = m_source.signals.RecordAt(i))
                AddSignal(signal->name);
            break;
        case EntityKind::Frame:
            if (const LinFrame* frame = m_source.frames.RecordAt(i))
                AddFrame(*frame);
            break;
        case EntityKind::EventTriggeredFrame:
            if (const EventTriggeredFrame* frame = m_source.eventTriggeredFrames.RecordAt(i))
                AddFrameGroup(*frame, m_copy.eventTriggeredFrames);
            break;
        case EntityKind::SporadicFrame:
            if (const SporadicFrame* frame = m_source.sporadicFrames.RecordAt(i))
                AddFrameGroup(*frame, m_copy.sporadicFrames);
            break;
        case EntityKind::ScheduleTable:
            if (const ScheduleTable* table = m_source.scheduleTables.RecordAt(i))
                AddScheduleTable(*table, nullptr);
            break;
        case EntityKind::EncodingType:
            if (const EncodingType* type = m_source.encodingTypes.RecordAt(i))
                AddEncodingType(type->name);
            break;
        default:
            break;
        }
    }

    void AddScheduleTable(const ScheduleTable& table, const std::vector<int>* entries)
    {
        if (!m_tableNames.Insert(table.name))
            return;
        ScheduleTable& copy = m_copy.scheduleTables.Append(std::make_unique<ScheduleTable>(table.name));
        for (int i = 0; i < static_cast<int>(table.entries.size()); ++i) {
            if (entries && std::find(entries->begin(), entries->end(), i) == entries->end())
                continue;
            const ScheduleEntry& entry = *table.entries[static_cast<std::size_t>(i)];
            copy.entries.Append(std::make_unique<ScheduleEntry>(entry));
            AddFrameNamed(FrameOfEntry(entry));
            MentionNode(NodeOfEntry(entry));
        }
    }

    // The writer's text; empty when no record was copied.
    std::string Text() const
    {
        const bool empty = m_copy.signals.empty() && m_copy.frames.empty() && m_copy.eventTriggeredFrames.empty() &&
                           m_copy.sporadicFrames.empty() && m_copy.scheduleTables.empty() &&
                           m_copy.encodingTypes.empty();
        return empty ? std::string() : m_copy.BuildLdfText();
    }

private:
    void AddSignal(const std::string& name)
    {
        const LinSignal* signal = FindIn(m_source.signals, m_signals, name);
        if (!signal || !m_signalNames.Insert(name))
            return;
        m_copy.signals.Append(std::make_unique<LinSignal>(*signal));
        MentionNode(signal->publisher);
        for (const Name& subscriber : signal->subscribers)
            MentionNode(subscriber);
        const auto encoding = m_encodingOfSignal.find(name);
        if (encoding == m_encodingOfSignal.end() || !AddEncodingType(encoding->second))
            return;
        SignalRepresentation*& representation = m_representations[encoding->second];
        if (!representation)
            representation =
                &m_copy.signalRepresentations.Append(std::make_unique<SignalRepresentation>(encoding->second));
        representation->AddSignal(name);
    }

    void AddFrame(const LinFrame& frame)
    {
        if (!m_frameNames.Insert(frame.name))
            return;
        m_copy.frames.Append(std::make_unique<LinFrame>(frame));
        MentionNode(frame.publisher);
        for (const Name& signal : frame.signalNames)
            AddSignal(signal);
    }

    template <typename Group> void AddFrameGroup(const Group& group, OwnedList<Group>& copies)
    {
        if (!m_frameNames.Insert(group.name))
            return;
        copies.Append(std::make_unique<Group>(group));
        for (const Name& frame : group.frameNames)
            AddFrameNamed(frame);
    }

    // Frames of every kind share one set of names.
    void AddFrameNamed(const std::string& name)
    {
        if (const LinFrame* frame = FindIn(m_source.frames, m_frames, name))
            AddFrame(*frame);
        else if (const EventTriggeredFrame* event = FindIn(m_source.eventTriggeredFrames, m_eventTriggered, name))
            AddFrameGroup(*event, m_copy.eventTriggeredFrames);
        else if (const SporadicFrame* sporadic = FindIn(m_source.sporadicFrames, m_sporadic, name))
            AddFrameGroup(*sporadic, m_copy.sporadicFrames);
    }

    // True when the network has the type, which the copy then has too.
    bool AddEncodingType(const std::string& name)
    {
        const EncodingType* type = FindIn(m_source.encodingTypes, m_encodings, name);
        if (type && m_encodingNames.Insert(name))
            m_copy.encodingTypes.Append(std::make_unique<EncodingType>(*type));
        return type != nullptr;
    }

    // The text declares every slave its records name, so that it reads back
    // with them.
    void MentionNode(const std::string& name)
    {
        if (!name.empty() && name != m_copy.masterName && m_nodeNames.Insert(name))
            m_copy.slaves.Append(std::make_unique<LinNode>(name));
    }

    const LinNetwork& m_source;
    const NameIndex m_signals;
    const NameIndex m_frames;
    const NameIndex m_eventTriggered;
    const NameIndex m_sporadic;
    const NameIndex m_encodings;
    std::unordered_map<std::string, std::string> m_encodingOfSignal;
    LinNetwork m_copy;
    NameIndex m_signalNames;
    NameIndex m_frameNames;  // of every kind
    NameIndex m_tableNames;
    NameIndex m_encodingNames;
    NameIndex m_nodeNames;
    std::unordered_map<std::string, SignalRepresentation*> m_representations;
};

// The names of one set of names (a kind, or the frames of every kind) in a
// paste: those of the network, and those taken by the network and the
// pasted records together. A pasted record keeps its name unless the
// network has it; then it takes the first free name by MakeUniqueName's
// rule (base0, base1, ...). The set lives through the paste, so that n
// records cost n lookups instead of n copies of the lists.
class PastedNames {
public:
    template <typename... Lists> void TakeNetwork(const Lists&... lists) { (Take(lists, &m_network), ...); }
    template <typename... Lists> void TakePasted(const Lists&... lists) { (Take(lists, nullptr), ...); }

    // The name the record takes; empty when it keeps its own.
    std::string NewName(const std::string& name)
    {
        if (m_network.count(name) == 0)
            return {};
        std::string candidate = name;
        for (int counter = 0; m_taken.count(candidate) != 0; ++counter)
            candidate = name + std::to_string(counter);
        m_taken.insert(candidate);
        return candidate;
    }

private:
    template <typename Record> void Take(const OwnedList<Record>& list, std::unordered_set<std::string>* also)
    {
        for (const auto& record : list) {
            m_taken.insert(RecordName(*record));
            if (also)
                also->insert(RecordName(*record));
        }
    }

    std::unordered_set<std::string> m_network;
    std::unordered_set<std::string> m_taken;
};

template <typename Record>
void MoveChosen(OwnedList<Record>& from, const std::vector<bool>& chosen, OwnedList<Record>& to)
{
    for (std::size_t i = 0; i < from.size() && i < chosen.size(); ++i)
        if (chosen[i])
            to.Append(std::move(from[i]));
}

template <typename Record>
std::optional<EntityRef> FirstAdded(EntityKind kind, const OwnedList<Record>& list, int before)
{
    if (list.Exists(before))
        return EntityRef{kind, before};
    return std::nullopt;
}

// Adds the records of a network read from pasted text to the network.
class Paster {
public:
    Paster(LinNetwork& network, LinNetwork& pasted) : m_net(network), m_pasted(pasted) {}

    PasteOutcome Paste(const PasteTarget& target)
    {
        if (!m_net.masterName.empty() && m_pasted.masterName != m_net.masterName)
            RenameMaster(m_pasted, m_net.masterName);
        const bool intoTable = m_net.scheduleTables.Exists(target.scheduleTable);
        ChooseRecords();
        Rename();

        const int signals = static_cast<int>(m_net.signals.size());
        const int frames = static_cast<int>(m_net.frames.size());
        const int events = static_cast<int>(m_net.eventTriggeredFrames.size());
        const int sporadics = static_cast<int>(m_net.sporadicFrames.size());
        const int tables = static_cast<int>(m_net.scheduleTables.size());
        const int encodings = static_cast<int>(m_net.encodingTypes.size());
        AddRepresentations();
        MoveChosen(m_pasted.signals, m_signals, m_net.signals);
        MoveChosen(m_pasted.frames, m_frames, m_net.frames);
        MoveChosen(m_pasted.eventTriggeredFrames, m_events, m_net.eventTriggeredFrames);
        MoveChosen(m_pasted.sporadicFrames, m_sporadics, m_net.sporadicFrames);
        MoveChosen(m_pasted.encodingTypes, m_encodings, m_net.encodingTypes);
        bool entriesAdded = false;
        if (intoTable)
            entriesAdded =
                InsertEntries(*m_net.scheduleTables[static_cast<std::size_t>(target.scheduleTable)], target.afterEntry);
        else
            MoveChosen(m_pasted.scheduleTables, std::vector<bool>(m_pasted.scheduleTables.size(), true),
                       m_net.scheduleTables);

        PasteOutcome outcome;
        outcome.changed = entriesAdded || signals != static_cast<int>(m_net.signals.size()) ||
                          frames != static_cast<int>(m_net.frames.size()) ||
                          events != static_cast<int>(m_net.eventTriggeredFrames.size()) ||
                          sporadics != static_cast<int>(m_net.sporadicFrames.size()) ||
                          tables != static_cast<int>(m_net.scheduleTables.size()) ||
                          encodings != static_cast<int>(m_net.encodingTypes.size());
        for (const auto& shown : {FirstAdded(EntityKind::ScheduleTable, m_net.scheduleTables, tables),
                                  FirstAdded(EntityKind::EventTriggeredFrame, m_net.eventTriggeredFrames, events),
                                  FirstAdded(EntityKind::SporadicFrame, m_net.sporadicFrames, sporadics),
                                  FirstAdded(EntityKind::Frame, m_net.frames, frames),
                                  FirstAdded(EntityKind::Signal, m_net.signals, signals),
                                  FirstAdded(EntityKind::EncodingType, m_net.encodingTypes, encodings)})
            if (shown && !outcome.shown)
                outcome.shown = shown;
        return outcome;
    }

private:
    // Which pasted records are added: every one, except those the text holds
    // only because another record names them and the network already has.
    void ChooseRecords()
    {
        NameIndex namedFrames;  // by a frame group or a schedule entry
        NameIndex namedGroups;  // by a schedule entry
        for (const auto& event : m_pasted.eventTriggeredFrames)
            for (const Name& frame : event->frameNames)
                namedFrames.Insert(frame);
        for (const auto& sporadic : m_pasted.sporadicFrames)
            for (const Name& frame : sporadic->frameNames)
                namedFrames.Insert(frame);
        for (const auto& table : m_pasted.scheduleTables)
            for (const auto& entry : table->entries) {
                namedFrames.Insert(FrameOfEntry(*entry));
                namedGroups.Insert(FrameOfEntry(*entry));
            }

        m_frames = Chosen(m_pasted.frames, namedFrames, NameIndex(m_net.frames));
        m_events = Chosen(m_pasted.eventTriggeredFrames, namedGroups, NameIndex(m_net.eventTriggeredFrames));
        m_sporadics = Chosen(m_pasted.sporadicFrames, namedGroups, NameIndex(m_net.sporadicFrames));

        // A frame added brings its signals; a signal in no frame is added for itself.
        NameIndex placed;
        NameIndex broughtAlong;
        for (std::size_t i = 0; i < m_pasted.frames.size(); ++i)
            for (const Name& signal : m_pasted.frames[i]->signalNames) {
                placed.Insert(signal);
                if (m_frames[i])
                    broughtAlong.Insert(signal);
            }
        m_signals.clear();
        for (const auto& signal : m_pasted.signals)
            m_signals.push_back(!placed.Contains(signal->name) || broughtAlong.Contains(signal->name));

        // An encoding type of an added signal is the network's where it has
        // one of that name; a type no signal of the text uses is added.
        NameIndex used;
        NameIndex needed;
        const NameIndex signals(m_pasted.signals);
        for (const auto& representation : m_pasted.signalRepresentations)
            for (const Name& signal : representation->signalNames) {
                used.Insert(representation->encodingName);
                const int position = signals.FirstPosition(signal);
                if (position >= 0 && m_signals[static_cast<std::size_t>(position)])
                    needed.Insert(representation->encodingName);
            }
        const NameIndex existing(m_net.encodingTypes);
        m_encodings.clear();
        for (const auto& type : m_pasted.encodingTypes)
            m_encodings.push_back(!used.Contains(type->name) ||
                                  (needed.Contains(type->name) && !existing.Contains(type->name)));
    }

    template <typename Record>
    static std::vector<bool> Chosen(const OwnedList<Record>& pasted, const NameIndex& named, const NameIndex& existing)
    {
        std::vector<bool> chosen;
        for (const auto& record : pasted)
            chosen.push_back(!named.Contains(record->name) || !existing.Contains(record->name));
        return chosen;
    }

    // Each added record takes a free name; the renames reach every mention
    // of it in the pasted records.
    void Rename()
    {
        PastedNames signals;
        signals.TakeNetwork(m_net.signals);
        signals.TakePasted(m_pasted.signals);
        RenameChosen(m_pasted.signals, m_signals, signals, RenameSignal);
        // Frames of every kind share one set of names.
        PastedNames frames;
        frames.TakeNetwork(m_net.frames, m_net.eventTriggeredFrames, m_net.sporadicFrames);
        frames.TakePasted(m_pasted.frames, m_pasted.eventTriggeredFrames, m_pasted.sporadicFrames);
        RenameChosen(m_pasted.frames, m_frames, frames, RenameFrame);
        RenameChosen(m_pasted.eventTriggeredFrames, m_events, frames, RenameEventTriggeredFrame);
        RenameChosen(m_pasted.sporadicFrames, m_sporadics, frames, RenameSporadicFrame);
        PastedNames tables;
        tables.TakeNetwork(m_net.scheduleTables);
        tables.TakePasted(m_pasted.scheduleTables);
        RenameChosen(m_pasted.scheduleTables, std::vector<bool>(m_pasted.scheduleTables.size(), true), tables,
                     RenameScheduleTable);
        PastedNames encodings;
        encodings.TakeNetwork(m_net.encodingTypes);
        encodings.TakePasted(m_pasted.encodingTypes);
        RenameChosen(m_pasted.encodingTypes, m_encodings, encodings, RenameEncodingType);
    }

    template <typename Record, typename RenameFunction>
    void RenameChosen(const OwnedList<Record>& list, const std::vector<bool>& chosen, PastedNames& names,
                      RenameFunction rename)
    {
        for (std::size_t i = 0; i < list.size() && i < chosen.size(); ++i)
            if (chosen[i])
                if (const std::string name = names.NewName(RecordName(*list[i])); !name.empty())
                    rename(m_pasted, i, name);
    }

    // The added signals join the representation of their encoding type.
    void AddRepresentations()
    {
        NameIndex added;
        for (std::size_t i = 0; i < m_pasted.signals.size(); ++i)
            if (m_signals[i])
                added.Insert(m_pasted.signals[i]->name);
        for (const auto& representation : m_pasted.signalRepresentations) {
            SignalRepresentation* joined = nullptr;
            for (const Name& signal : representation->signalNames) {
                if (!added.Contains(signal))
                    continue;
                if (!joined)
                    joined = m_net.FindRepresentation(representation->encodingName);
                if (!joined)
                    joined = &m_net.signalRepresentations.Append(
                        std::make_unique<SignalRepresentation>(representation->encodingName));
                joined->AddSignal(signal);
            }
        }
    }

    bool InsertEntries(ScheduleTable& table, int afterEntry)
    {
        auto position = table.entries.Exists(afterEntry) ? table.entries.begin() + afterEntry + 1 : table.entries.end();
        bool inserted = false;
        for (auto& pastedTable : m_pasted.scheduleTables)
            for (auto& entry : pastedTable->entries) {
                position = table.entries.insert(position, std::move(entry)) + 1;
                inserted = true;
            }
        return inserted;
    }

    LinNetwork& m_net;
    LinNetwork& m_pasted;
    std::vector<bool> m_signals;
    std::vector<bool> m_frames;
    std::vector<bool> m_events;
    std::vector<bool> m_sporadics;
    std::vector<bool> m_encodings;
};

}  // namespace

std::string CopyEntities(const LinNetwork& network, const std::vector<EntityRef>& entities)
{
    ClipboardNetwork copy(network);
    for (const EntityRef& entity : entities)
        copy.Add(entity);
    return copy.Text();
}

std::string CopyScheduleEntries(const LinNetwork& network, int table, const std::vector<int>& entries)
{
    ClipboardNetwork copy(network);
    if (const ScheduleTable* record = network.scheduleTables.RecordAt(table))
        copy.AddScheduleTable(*record, &entries);
    return copy.Text();
}

PasteOutcome PasteEntities(LinNetwork& network, const std::string& text, const PasteTarget& target)
{
    if (text.empty())
        return {};
    const std::unique_ptr<LinNetwork> pasted = LinNetwork::LoadFromText(text);
    if (!pasted)
        return {};
    return Paster(network, *pasted).Paste(target);
}

PasteOutcome DuplicateEntities(LinNetwork& network, const std::vector<EntityRef>& entities)
{
    return PasteEntities(network, CopyEntities(network, entities));
}

bool DuplicateScheduleEntries(LinNetwork& network, int table, const std::vector<int>& entries)
{
    if (entries.empty())
        return false;
    const int last = *std::max_element(entries.begin(), entries.end());
    return PasteEntities(network, CopyScheduleEntries(network, table, entries), {table, last}).changed;
}
