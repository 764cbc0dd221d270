#pragma once

#include "model/RecordNameIndex.h"

#include <optional>

// The name indexes of the lists whose records other records name, each built
// when first asked for, so that the passes of one preparation (the purges,
// the checks, the timing) share one index per list. They stay valid while
// none of these lists gains, loses or renames a record; those passes change
// none of them.
class NetworkNameIndexes {
public:
    explicit NetworkNameIndexes(const NetworkContent& network) : m_net(network) {}

    const RecordNameIndex& Slaves() { return BuiltOnce(m_slaves, m_net.slaves); }
    const RecordNameIndex& Signals() { return BuiltOnce(m_signals, m_net.signals); }
    const RecordNameIndex& Frames() { return BuiltOnce(m_frames, m_net.frames); }
    const RecordNameIndex& EventTriggeredFrames() { return BuiltOnce(m_eventTriggered, m_net.eventTriggeredFrames); }
    const RecordNameIndex& SporadicFrames() { return BuiltOnce(m_sporadic, m_net.sporadicFrames); }
    const RecordNameIndex& ScheduleTables() { return BuiltOnce(m_scheduleTables, m_net.scheduleTables); }

private:
    template <typename Record>
    static const RecordNameIndex& BuiltOnce(std::optional<RecordNameIndex>& index, const OwnedList<Record>& list)
    {
        if (!index)
            index.emplace(list);
        return *index;
    }

    const NetworkContent& m_net;
    std::optional<RecordNameIndex> m_slaves;
    std::optional<RecordNameIndex> m_signals;
    std::optional<RecordNameIndex> m_frames;
    std::optional<RecordNameIndex> m_eventTriggered;
    std::optional<RecordNameIndex> m_sporadic;
    std::optional<RecordNameIndex> m_scheduleTables;
};
