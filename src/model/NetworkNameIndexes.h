#pragma once

#include "model/NameIndex.h"

#include <optional>

// The name indexes of the lists whose records other records name, each built
// when first asked for, so that the passes of one preparation (the purges,
// the checks, the timing) share one index per list. They stay valid while
// none of these lists gains, loses or renames a record; those passes change
// none of them.
class NetworkNameIndexes {
public:
    explicit NetworkNameIndexes(const NetworkContent& network) : m_net(network) {}

    const NameIndex& Slaves() { return BuiltOnce(m_slaves, m_net.slaves); }
    const NameIndex& Signals() { return BuiltOnce(m_signals, m_net.signals); }
    const NameIndex& Frames() { return BuiltOnce(m_frames, m_net.frames); }
    const NameIndex& EventTriggeredFrames() { return BuiltOnce(m_eventTriggered, m_net.eventTriggeredFrames); }
    const NameIndex& SporadicFrames() { return BuiltOnce(m_sporadic, m_net.sporadicFrames); }
    const NameIndex& ScheduleTables() { return BuiltOnce(m_scheduleTables, m_net.scheduleTables); }

private:
    template <typename Record>
    static const NameIndex& BuiltOnce(std::optional<NameIndex>& index, const OwnedList<Record>& list)
    {
        if (!index)
            index.emplace(list);
        return *index;
    }

    const NetworkContent& m_net;
    std::optional<NameIndex> m_slaves;
    std::optional<NameIndex> m_signals;
    std::optional<NameIndex> m_frames;
    std::optional<NameIndex> m_eventTriggered;
    std::optional<NameIndex> m_sporadic;
    std::optional<NameIndex> m_scheduleTables;
};
