#include "model/VersionTable.h"

#include "ldf/Keywords.h"
#include "ldf/ScheduleCommands.h"
#include "model/LinVersion.h"

namespace lin {

namespace {

constexpr int kLastSlaveAddress = 127;
constexpr int kLastByte = 0xFF;

// dialect, LIN 2.1 forms, LIN 2.1 statements, ISO header, J2602 timings,
// LIN 1.3 sections, node addresses
constexpr VersionRow kRows[] = {
    {Dialect::Lin20, false, false, false, false, true, 1, kLastSlaveAddress},
    {Dialect::Lin21, true, true, false, false, false, 0, kLastByte},
    {Dialect::Lin22, true, true, false, false, false, 0, kLastByte},
    {Dialect::Iso17987, true, true, true, false, false, 0, kLastByte},
    {Dialect::J2602, true, false, false, true, false, 0, kLastByte},
};

// 2.0 and older read as LIN 2.0, numbers up to 2.2 as LIN 2.1, later ones as
// LIN 2.2.
const VersionRow& RowOfNumber(double number)
{
    constexpr float kLin22 = 2.2f;
    if (!(number > kStandardVersion))
        return RowOf(Dialect::Lin20);
    return RowOf(static_cast<float>(number) < kLin22 ? Dialect::Lin21 : Dialect::Lin22);
}

}  // namespace

const char* VersionRow::SignalRepresentationKeyword() const
{
    return lin21Forms ? kw::SignalRepresentation : kw::SignalRepresentations;
}

bool VersionRow::ReadsCommand(const ScheduleCommandSpec& command) const
{
    return command.since == Dialect::Lin20 || lin21Forms;
}

bool VersionRow::HoldsCommand(const ScheduleCommandSpec& command) const
{
    return command.since == Dialect::Lin20 || lin21Statements;
}

const VersionRow& RowOf(Dialect dialect)
{
    for (const VersionRow& row : kRows)
        if (row.dialect == dialect)
            return row;
    return kRows[0];
}

bool IsNodeAddressOfAnyVersion(int nad)
{
    for (const VersionRow& row : kRows)
        if (row.IsNodeAddress(nad))
            return true;
    return false;
}

const VersionRow& RowOfText(const std::string& text)
{
    if (IsJ2602Version(text))
        return RowOf(Dialect::J2602);
    if (IsNamedVersion(text))
        return RowOf(Dialect::Iso17987);
    return RowOfNumber(VersionNumber(text));
}

const VersionRow& RowOfLanguage(const std::string& text, float number)
{
    return ShowsVersionText(text, number) ? RowOfText(text) : RowOfNumber(number);
}

}  // namespace lin
