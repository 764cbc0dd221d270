#pragma once

#include "model/NetworkContent.h"

#include <cstddef>
#include <utility>

// The one list of every member of NetworkContent, for code that must treat
// each of them (the editor's undo keeps what an edit changed, member by
// member). The build fails when NetworkContent gains a member this list
// lacks.
template <typename Visit> constexpr void ForEachContentMember(Visit&& visit)
{
    visit(&NetworkContent::descriptionFileSeen);
    visit(&NetworkContent::protocolVersion);
    visit(&NetworkContent::languageVersion);
    visit(&NetworkContent::protocolVersionText);
    visit(&NetworkContent::languageVersionText);
    visit(&NetworkContent::speedKbps);
    visit(&NetworkContent::channelName);
    visit(&NetworkContent::fileRevision);
    visit(&NetworkContent::byteOrder);
    visit(&NetworkContent::masterName);
    visit(&NetworkContent::timeBaseMs);
    visit(&NetworkContent::jitterMs);
    visit(&NetworkContent::maxHeaderBits);
    visit(&NetworkContent::masterTolerancePercent);
    visit(&NetworkContent::masterTimingOmitted);
    visit(&NetworkContent::commanderWords);
    visit(&NetworkContent::slaves);
    visit(&NetworkContent::diagnosticAddresses);
    visit(&NetworkContent::sporadicFrames);
    visit(&NetworkContent::eventTriggeredFrames);
    visit(&NetworkContent::diagnosticSignals);
    visit(&NetworkContent::masterRequest);
    visit(&NetworkContent::slaveResponse);
    visit(&NetworkContent::otherDiagnosticFrames);
    visit(&NetworkContent::signals);
    visit(&NetworkContent::signalGroups);
    visit(&NetworkContent::dynamicFrameIds);
    visit(&NetworkContent::frames);
    visit(&NetworkContent::scheduleTables);
    visit(&NetworkContent::encodingTypes);
    visit(&NetworkContent::signalRepresentations);
    visit(&NetworkContent::nodeAttributes);
    visit(&NetworkContent::compositeConfigurations);
    visit(&NetworkContent::headerComment);
    visit(&NetworkContent::keptStatements);
    visit(&NetworkContent::unreadInSections);
}

namespace content_members {

// How many members an aggregate has: the most initialisers its braces take.
struct AnyMember {
    template <typename T> operator T() const;
};

template <typename T, std::size_t... I>
constexpr auto TakesInitialisers(std::index_sequence<I...>) -> decltype(T{(I, AnyMember{})...}, true)
{
    return true;
}
template <typename T> constexpr bool TakesInitialisers(...) { return false; }

template <typename T, std::size_t N = 0> constexpr std::size_t MemberCount()
{
    if constexpr (TakesInitialisers<T>(std::make_index_sequence<N + 1>()))
        return MemberCount<T, N + 1>();
    else
        return N;
}

constexpr std::size_t VisitedCount()
{
    std::size_t count = 0;
    ForEachContentMember([&count](auto) { ++count; });
    return count;
}

// NetworkContent stays an aggregate (no constructors, no base) so that its
// members can be counted.
static_assert(MemberCount<NetworkContent>() == VisitedCount(),
              "ForEachContentMember must list every member of NetworkContent");

}  // namespace content_members
