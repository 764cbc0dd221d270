#include "model/UnreadPlaces.h"

#include "ldf/TextScanner.h"

#include <algorithm>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kLinePrefix = "line ";
const char* const kNotRead = ": statement not read";
const char* const kPlaceSeparator = " / ";
// The warning quotes a statement on one line and not at any length.
constexpr std::size_t kQuotedLength = 80;

}  // namespace

std::string StatementOnOneLine(const std::string& text)
{
    std::string line;
    for (const char c : text) {
        if (!IsSeparator(c))
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    if (line.size() > kQuotedLength)
        line = line.substr(0, kQuotedLength) + "...";
    return line;
}

std::vector<PlacedUnreadStatement> PlacedUnreadStatements(const NetworkContent& network)
{
    std::vector<PlacedUnreadStatement> placed;
    ForEachUnreadList(
        network, [&](const std::string& section, const std::string& record, const UnreadStatements& statements) {
            for (const UnreadStatement& statement : statements)
                placed.push_back({record.empty() ? section : section + kPlaceSeparator + record, statement});
        });
    return placed;
}

std::vector<std::string> UnreadStatementsLeftOut(const NetworkContent& network)
{
    std::vector<PlacedUnreadStatement> placed = PlacedUnreadStatements(network);
    std::stable_sort(placed.begin(), placed.end(), [](const PlacedUnreadStatement& a, const PlacedUnreadStatement& b) {
        return a.statement.line < b.statement.line;
    });
    std::vector<std::string> lines;
    for (const PlacedUnreadStatement& entry : placed)
        lines.push_back(kLinePrefix + std::to_string(entry.statement.line) + kNotRead);
    return lines;
}

const UnreadStatement* UnreadStatementAt(const NetworkContent& network, int list, int index)
{
    const UnreadStatement* found = nullptr;
    int number = 0;
    ForEachUnreadList(network, [&](const std::string&, const std::string&, const UnreadStatements& statements) {
        if (number++ == list && index >= 0 && static_cast<std::size_t>(index) < statements.size())
            found = &statements[static_cast<std::size_t>(index)];
    });
    return found;
}

void ClearUnreadStatements(NetworkContent& network)
{
    ForEachUnreadList(network,
                      [](const std::string&, const std::string&, UnreadStatements& statements) { statements.clear(); });
    network.unreadInSections.clear();
}
