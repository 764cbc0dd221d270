#include "cli/JsonDocuments.h"

#include "model/LinNetwork.h"

using nlohmann::ordered_json;

namespace {

// File texts are 8-bit and read as Latin-1, as the editor shows them; JSON
// strings are UTF-8.
std::string Utf8(const std::string& latin1)
{
    std::string text;
    text.reserve(latin1.size());
    for (const char c : latin1) {
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

ordered_json Utf8(const std::vector<std::string>& latin1)
{
    ordered_json texts = ordered_json::array();
    for (const std::string& text : latin1)
        texts.push_back(Utf8(text));
    return texts;
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
