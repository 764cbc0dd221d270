#include "editing/EncodingForms.h"

#include "editing/EntryRules.h"
#include "editing/NumberText.h"
#include "ldf/Keywords.h"
#include "ldf/TextScanner.h"
#include "model/Rename.h"
#include "writer/LdfWriter.h"

#include <climits>

namespace {

constexpr NumberField kIntegerField{INT_MAX, false};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The two-decimal text of scale and offset, in the lines and in the fields.
std::string TwoDecimals(double value) { return FormatFixed(value, 2); }

// Scale and offset in their fields, with every digit they have.
std::string FieldNumber(double value) { return FormatShortestNumber(value); }

// A decimal field's value; the stored one when the field shows it unchanged
// or holds no number.
double DecimalOf(const std::string& text, double stored)
{
    if (text == FieldNumber(stored) ||
        ClassifyNumberText(text, EncodingValueForm::kSignedRange) != NumberTextState::Valid)
        return stored;
    return ParseDouble(text);
}

std::size_t CountOf(int count) { return count > 0 ? static_cast<std::size_t>(count) : 0; }

}  // namespace

std::vector<std::string> EncodingValueLines(const EncodingType& type)
{
    std::vector<std::string> lines;
    for (const auto& v : type.logicalValues)
        lines.push_back("Logical value (" + std::to_string(v->value) + ", " + Quoted(v->text) + ")");
    for (const auto& r : type.physicalRanges)
        lines.push_back("Physical value (" + std::to_string(r->min) + ", " + std::to_string(r->max) + ", " +
                        TwoDecimals(r->scale) + ", " + TwoDecimals(r->offset) + ", " + Quoted(r->text) + ")");
    lines.insert(lines.end(), CountOf(type.bcdCount), kw::BcdValue);
    lines.insert(lines.end(), CountOf(type.asciiCount), kw::AsciiValue);
    return lines;
}

EncodingTypeForm EncodingTypeForm::Read(const LinNetwork& network, int type)
{
    EncodingTypeForm form;
    if (const EncodingType* record = network.encodingTypes.RecordAt(type)) {
        form.name = record->name;
        form.values = *record;
    }
    return form;
}

void EncodingTypeForm::AddValue(EncodingValueKind kind)
{
    switch (kind) {
    case EncodingValueKind::Logical:
        values.AddLogicalValue(0, {});
        break;
    case EncodingValueKind::Physical:
        values.AddPhysicalRange(0, 0, 0.0, 0.0, {});
        break;
    case EncodingValueKind::Bcd:
        ++values.bcdCount;
        break;
    case EncodingValueKind::Ascii:
        ++values.asciiCount;
        break;
    }
}

void EncodingTypeForm::DeleteLine(int line)
{
    if (line < 0)
        return;
    auto row = static_cast<std::size_t>(line);
    if (row < values.logicalValues.size()) {
        values.logicalValues.erase(values.logicalValues.begin() + line);
        return;
    }
    row -= values.logicalValues.size();
    if (row < values.physicalRanges.size()) {
        values.physicalRanges.erase(values.physicalRanges.begin() + static_cast<std::ptrdiff_t>(row));
        return;
    }
    row -= values.physicalRanges.size();
    if (row < CountOf(values.bcdCount))
        --values.bcdCount;
    else if (row - CountOf(values.bcdCount) < CountOf(values.asciiCount))
        --values.asciiCount;
}

void EncodingTypeForm::Commit(LinNetwork& network, int type) const
{
    EncodingType* record = network.encodingTypes.RecordAt(type);
    if (!record)
        return;
    const std::string typed = name.empty() ? record->name.str() : name;
    const std::string unique = MakeUniqueName(network.encodingTypes, typed, type);
    // The old name stays until the rename, which carries it over to every mention.
    const std::string oldName = record->name;
    *record = values;
    record->name = oldName;
    RenameEncodingType(network, static_cast<std::size_t>(type), unique);
}

std::optional<EncodingValueForm> EncodingValueForm::Read(const LinNetwork& network, int type, int line)
{
    const EncodingType* record = network.encodingTypes.RecordAt(type);
    if (!record || line < 0)
        return std::nullopt;
    const int logicalCount = static_cast<int>(record->logicalValues.size());
    if (const EncodingValue* v = record->GetLogicalValue(line))
        return EncodingValueForm{false, std::to_string(v->value), {}, {}, {}, {}, v->text};
    if (const PhysicalRange* r = record->GetPhysicalRange(line - logicalCount))
        return EncodingValueForm{
            true,   {}, std::to_string(r->min), std::to_string(r->max), FieldNumber(r->scale), FieldNumber(r->offset),
            r->text};
    return std::nullopt;
}

void EncodingValueForm::Commit(LinNetwork& network, int type, int line) const
{
    EncodingType* record = network.encodingTypes.RecordAt(type);
    if (!record || line < 0)
        return;
    const int logicalCount = static_cast<int>(record->logicalValues.size());
    if (!physical) {
        EncodingValue* v = record->logicalValues.RecordAt(line);
        if (!v)
            return;
        StoreNumber(v->value, value, kIntegerField);
        v->text = text;
        return;
    }
    PhysicalRange* r = record->physicalRanges.RecordAt(line - logicalCount);
    if (!r)
        return;
    StoreNumber(r->min, min, kIntegerField);
    StoreNumber(r->max, max, kIntegerField);
    r->scale = DecimalOf(scale, r->scale);
    r->offset = DecimalOf(offset, r->offset);
    r->text = text;
}
