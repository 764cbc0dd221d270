// Every fixture and every corpus file: load, prepare, write, read the text
// again, and compare what was read with what the format keeps of the first
// network; then the second network must write the same text.

#include "NetworkDump.h"
#include "TestFiles.h"
#include "model/EraseIf.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/NetworkNameIndexes.h"
#include "model/UnreadPlaces.h"
#include "model/VersionTable.h"
#include "validation/TreeOutline.h"
#include "writer/LdfWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace {

void KeepWritableSignals(DiagnosticFrame& frame)
{
    DiagnosticFrame written;
    for (std::size_t i = 0; i < frame.signalNames.size(); ++i)
        if (IsWritableName(frame.signalNames[i]))
            written.AddSignal(frame.signalNames[i], std::to_string(static_cast<std::int32_t>(frame.offsets[i])));
    frame.signalNames = written.signalNames;
    frame.offsets = written.offsets;
}

// A diagnostic frame without writable signals is written in the fixed layout.
void KeepDiagnosticLayout(DiagnosticFrame& frame, const std::string& name)
{
    KeepWritableSignals(frame);
    if (!frame.signalNames.empty())
        return;
    for (int i = 0; i < 8; ++i)
        frame.AddSignal(name + "B" + std::to_string(i), std::to_string(8 * i));
}

// Node attributes come back in the order of the slaves, one per slave; for
// protocols before 2 only the protocol and the NAD are kept.
void KeepWrittenAttributes(LinNetwork& n)
{
    std::unordered_map<std::string, std::unique_ptr<NodeAttributes>> firstByNode;
    for (auto& attributes : n.nodeAttributes)
        firstByNode.emplace(attributes->nodeName, std::move(attributes));
    n.nodeAttributes.clear();
    for (const auto& slave : n.slaves) {
        auto found = firstByNode.find(slave->name);
        if (found == firstByNode.end())
            continue;
        NodeAttributes& attributes = n.nodeAttributes.Append(std::move(found->second));
        firstByNode.erase(found);
        if (!lin::HasLin2Attributes(attributes.protocol)) {
            NodeAttributes defaults(attributes.nodeName);
            defaults.protocol = attributes.protocol;
            defaults.configuredNad = attributes.configuredNad;
            defaults.initialNad = attributes.initialNad;
            defaults.responseTolerancePercent = attributes.responseTolerancePercent;
            defaults.wakeupTimeMs = attributes.wakeupTimeMs;
            defaults.powerOnTimeMs = attributes.powerOnTimeMs;
            attributes = defaults;
        }
        // An address beyond a byte is not written as it is.
        if (!lin::IsNodeAddressOfAnyVersion(attributes.configuredNad))
            attributes.configuredNad = NodeAttributes().configuredNad;
        if (!lin::IsNodeAddressOfAnyVersion(attributes.initialNad))
            attributes.initialNad = -1;
        // A J2602 node reads back without the P2_min and ST_min it was not given.
        if (!lin::Lin2AttributesAreOptional(attributes.protocol)) {
            attributes.p2MinMs = std::max(attributes.p2MinMs, 0.0);
            attributes.stMinMs = std::max(attributes.stMinMs, 0.0);
        }
        // A frame named alone is written only in LIN 2.1 text.
        if (!n.Version().lin21Forms)
            EraseIf(attributes.configurableFrames, [](const auto& frame) { return !frame->hasMessageId; });
    }
}

// What reading the saved text gives back of a prepared network.
LinNetwork KeptBySaving(const LinNetwork& prepared)
{
    LinNetwork kept(prepared);
    ClearUnreadStatements(kept);  // only the file's own layout gives them back
    EraseIf(kept.diagnosticAddresses, [](const auto& a) { return !IsWritableName(a->nodeName); });
    EraseIf(kept.signalGroups, [](const auto& g) { return !IsWritableName(g->name); });
    if (kept.diagnosticSignals.empty())  // the writer gives the standard ones
        for (const char* frame : {"MasterReq", "SlaveResp"})
            for (int i = 0; i < 8; ++i)
                kept.diagnosticSignals.push_back({frame + ("B" + std::to_string(i)), 8, 0});
    KeepDiagnosticLayout(kept.masterRequest, "MasterReq");
    KeepDiagnosticLayout(kept.slaveResponse, "SlaveResp");
    EraseIf(kept.otherDiagnosticFrames, [](const OtherDiagnosticFrame& f) { return !IsWritableName(f.name); });
    for (OtherDiagnosticFrame& frame : kept.otherDiagnosticFrames)
        KeepWritableSignals(frame);
    const auto unwritten = [](const auto& record) { return !IsWritableName(RecordName(*record)); };
    EraseIf(kept.signals, [&](const auto& s) { return s->publisher.empty() || unwritten(s); });
    EraseIf(kept.frames, [&](const auto& f) { return f->publisher.empty() || unwritten(f); });
    EraseIf(kept.encodingTypes, unwritten);
    EraseIf(kept.scheduleTables, unwritten);
    EraseIf(kept.compositeConfigurations, unwritten);
    // Every mention of them goes too, before the lists that may end up empty.
    NetworkNameIndexes names(kept);
    kept.PurgeDeletedSignals(names);
    kept.PurgeDeletedFrames(names);
    EraseIf(kept.sporadicFrames, [&](const auto& f) { return f->frameNames.empty() || unwritten(f); });
    EraseIf(kept.eventTriggeredFrames, [&](const auto& f) { return f->frameNames.empty() || unwritten(f); });
    for (auto& configuration : kept.compositeConfigurations)
        EraseIf(configuration->compositeNodes, [](const auto& c) { return c->logicalNodes.empty(); });
    for (auto& table : kept.scheduleTables)
        EraseIf(table->entries, [&](const auto& e) {
            const FrameIdCommand* command = e->FrameId();
            // LIN 2.0 text has no AssignNAD naming its slave.
            const bool namedNad = e->AssignNad() && !e->AssignNad()->nodeName.empty() && !kept.Version().lin21Forms;
            return namedNad || (command && (command->nodeName.empty() || command->frameName.empty()));
        });
    for (auto& signal : kept.signals)
        if (!signal->isByteArray)
            signal->initValues.resize(1, 0);
    KeepWrittenAttributes(kept);
    // A version text that does not stand for its number is written as the number.
    for (auto version : {std::tie(kept.protocolVersionText, kept.protocolVersion),
                         std::tie(kept.languageVersionText, kept.languageVersion)})
        if (!lin::ShowsVersionText(std::get<0>(version), std::get<1>(version)))
            std::get<0>(version) = FormatLdfFloat(std::get<1>(version));
    return kept;
}

class RoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(RoundTrip, WrittenTextReadsBackToTheSameNetwork)
{
    const std::string path = GetParam();
    LoadResult loaded = LinNetwork::Load(path);
    ASSERT_TRUE(loaded) << loaded.error;
    PrepareTreeOutline(*loaded.network);
    const std::string text = loaded.network->BuildLdfText();

    auto reread = LinNetwork::LoadFromText(text, path + " (written)");
    // Saving and reopening adds no message: each one was there after the first load.
    for (const std::string& added : AddedMessages(loaded.network->messages, reread->messages))
        ADD_FAILURE() << "the written text of " << path << " adds " << added;

    LinNetwork expected = KeptBySaving(*loaded.network);
    PrepareTreeOutline(expected);
    PrepareTreeOutline(*reread);
    const std::string networkDifference = CompareNetworks(expected, *reread);
    EXPECT_TRUE(networkDifference.empty()) << path << ": " << networkDifference;

    const std::string textDifference = FirstTextDifference(text, reread->BuildLdfText());
    EXPECT_TRUE(textDifference.empty()) << path << " written twice: " << textDifference;
}

// The complete text gives each statement kept inside a block back in its
// place, where reading it again keeps it again, unchanged.
TEST_P(RoundTrip, CompleteTextKeepsTheUnreadStatements)
{
    LoadResult loaded = LinNetwork::Load(GetParam());
    ASSERT_TRUE(loaded) << loaded.error;
    PrepareTreeOutline(*loaded.network);
    const std::string text = loaded.network->BuildCompleteLdfText();
    auto reread = LinNetwork::LoadFromText(text);
    PrepareTreeOutline(*reread);

    std::vector<std::string> expected;
    for (const PlacedUnreadStatement& placed : PlacedUnreadStatements(*loaded.network))
        expected.push_back(placed.place + ": " + placed.statement.text);
    std::vector<std::string> actual;
    for (const PlacedUnreadStatement& placed : PlacedUnreadStatements(*reread))
        actual.push_back(placed.place + ": " + placed.statement.text);
    EXPECT_EQ(expected, actual);
    EXPECT_EQ("", FirstTextDifference(text, reread->BuildCompleteLdfText()));
}

std::string FixtureName(const testing::TestParamInfo<std::string>& info)
{
    return FileCaseName(info.param, TestDataDir());
}

std::string CorpusName(const testing::TestParamInfo<std::string>& info)
{
    return FileCaseName(info.param, CorpusDir());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RoundTrip, testing::ValuesIn(LdfFilesIn(TestDataDir())), FixtureName);
INSTANTIATE_TEST_SUITE_P(Corpus, RoundTrip, testing::ValuesIn(LdfFilesIn(CorpusDir())), CorpusName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RoundTrip);

}  // namespace
