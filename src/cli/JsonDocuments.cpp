#include "cli/JsonDocuments.h"

#include "model/LinNetwork.h"

using nlohmann::ordered_json;

namespace {

// Strict enough for the choice below: lead bytes and their continuation
// bytes, no overlong two-byte forms.
bool IsUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80                   ? 1
                                   : byte >= 0xC2 && byte < 0xE0 ? 2
                                   : byte >= 0xE0 && byte < 0xF0 ? 3
                                   : byte >= 0xF0 && byte < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// File texts are 8-bit. As the editor shows them, a text that is UTF-8 stays
// so and any other is Latin-1; JSON strings are UTF-8.
std::string Utf8(const std::string& bytes)
{
    if (IsUtf8(bytes))
        return bytes;
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

ordered_json Utf8(const std::vector<std::string>& texts)
{
    ordered_json strings = ordered_json::array();
    for (const std::string& text : texts)
        strings.push_back(Utf8(text));
    return strings;
}

}  // namespace

std::string JsonText(const ordered_json& document)
{
    // A path from the command line need not be UTF-8; it must not stop the output.
    return document.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

ordered_json ToJson(const FieldValue& value)
{
    switch (value.type) {
    case FieldValue::Type::None:
        break;
    case FieldValue::Type::Integer:
        return value.integer;
    case FieldValue::Type::Real:
        return value.real;
    case FieldValue::Type::Text:
        return Utf8(value.text);
    case FieldValue::Type::Flag:
        return value.flag;
    case FieldValue::Type::List: {
        ordered_json items = ordered_json::array();
        for (const FieldValue& item : value.items)
            items.push_back(ToJson(item));
        return items;
    }
    case FieldValue::Type::Record: {
        ordered_json record = ordered_json::object();
        for (const Field& field : value.fields)
            record[field.name] = ToJson(field.value);  // names are ASCII
        return record;
    }
    }
    return nullptr;
}

ordered_json NetworkDocument(const LinNetwork& network, const std::string& file)
{
    ordered_json document = ordered_json::object();
    document["schema"] = "duvazadi-network";
    document["schema_version"] = kNetworkSchemaVersion;
    document["file"] = file;
    ordered_json messages = ordered_json::array();
    for (const Message& message : network.messages)
        messages.push_back({{"line", message.line}, {"text", Utf8(message.text)}});
    document["messages"] = std::move(messages);
    for (const NetworkSection& section : DescribeNetwork(network.Content()))
        document[section.key] = ToJson(section.content);
    return document;
}

ordered_json DifferencesDocument(const std::vector<Difference>& differences)
{
    ordered_json document = ordered_json::array();
    for (const Difference& difference : differences)
        document.push_back({{"path", Utf8(difference.path)},
                            {"field", Utf8(difference.field)},
                            {"item", Utf8(difference.item)},
                            {"change", ChangeName(difference.change)},
                            {"old", ToJson(difference.oldValue)},
                            {"new", ToJson(difference.newValue)},
                            {"text", Utf8(difference.Text())}});
    return document;
}
