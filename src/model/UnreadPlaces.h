#pragma once

#include "ldf/Keywords.h"
#include "model/NetworkContent.h"

#include <string>
#include <vector>

// Every list of statements the reader kept inside blocks, in the order the
// writer gives the sections: visit(section keyword, record name, list), the
// record name empty for a section's own block. Content may be const.
template <typename Content, typename Visit> void ForEachUnreadList(Content& network, Visit visit)
{
    const std::string section;
    auto sectionList = [&](const char* keyword) {
        const auto found = network.unreadInSections.find(keyword);
        if (found != network.unreadInSections.end())
            visit(keyword, section, found->second);
    };
    for (auto& configuration : network.compositeConfigurations)
        visit(kw::Composite, configuration->name, configuration->unread);
    for (auto& frame : network.frames)
        visit(kw::Frames, frame->name, frame->unread);
    sectionList(kw::Frames);
    visit(kw::DiagnosticFrames, kw::MasterReq, network.masterRequest.unread);
    visit(kw::DiagnosticFrames, kw::SlaveResp, network.slaveResponse.unread);
    for (auto& attributes : network.nodeAttributes)
        visit(kw::NodeAttributes, attributes->nodeName, attributes->unread);
    sectionList(kw::NodeAttributes);
    for (auto& table : network.scheduleTables)
        visit(kw::ScheduleTables, table->name, table->unread);
    sectionList(kw::ScheduleTables);
    for (auto& type : network.encodingTypes)
        visit(kw::SignalEncodingTypes, type->name, type->unread);
}

// A kept statement with where it stands: "Frames / F1: <text>".
struct PlacedUnreadStatement {
    std::string place;  // "Node_attributes / LSM", or the section's keyword alone
    UnreadStatement statement;
};

// Every kept statement of the network, in the writer's order of sections.
// A kept statement as the warning and the tree quote it: on one line,
// shortened when long.
std::string StatementOnOneLine(const std::string& text);

std::vector<PlacedUnreadStatement> PlacedUnreadStatements(const NetworkContent& network);

// Each kept statement as a save in the fixed layout or in another version
// leaves it out, by its line: "line 17: statement not read".
std::vector<std::string> UnreadStatementsLeftOut(const NetworkContent& network);

// The statement at index of the list numbered list in ForEachUnreadList's
// order; null when there is none.
const UnreadStatement* UnreadStatementAt(const NetworkContent& network, int list, int index);

// Drops every kept statement (a conversion to another version cannot know
// what they mean there).
void ClearUnreadStatements(NetworkContent& network);
