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

}  // namespace

std::string JsonText(const ordered_json& document)
{
    // A path from the command line need not be UTF-8; it must not stop the output.
    return document.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

void WriteValue(JsonStream& json, const FieldValue& value)
{
    switch (value.type) {
    case FieldValue::Type::None:
        break;
    case FieldValue::Type::Integer:
        return json.Scalar(value.integer);
    case FieldValue::Type::Real:
        return json.Scalar(value.real);
    case FieldValue::Type::Text:
        return json.Scalar(Utf8(value.text));
    case FieldValue::Type::Flag:
        return json.Scalar(value.flag);
    case FieldValue::Type::List:
        json.BeginArray();
        for (const FieldValue& item : value.items)
            WriteValue(json, item);
        return json.EndArray();
    case FieldValue::Type::Record:
        json.BeginObject();
        for (const Field& field : value.fields) {
            json.Key(field.name);
            WriteValue(json, field.value);
        }
        return json.EndObject();
    }
    json.Scalar(nullptr);
}

void WriteNetworkDocument(std::ostream& out, const LinNetwork& network, const std::string& file)
{
    JsonStream json(out);
    json.BeginObject();
    json.Key("schema");
    json.Scalar("duvazadi-network");
    json.Key("schema_version");
    json.Scalar(kNetworkSchemaVersion);
    json.Key("file");
    json.Scalar(file);
    json.Key("messages");
    json.BeginArray();
    for (const Message& message : network.messages) {
        json.BeginObject();
        json.Key("line");
        json.Scalar(message.line);
        json.Key("text");
        json.Scalar(Utf8(message.Text()));
        json.EndObject();
    }
    json.EndArray();
    // One record described at a time: the whole network never exists as JSON.
    for (const NetworkSection& section : DescribeNetwork(network.Content())) {
        json.Key(section.key);
        if (section.single) {
            WriteValue(json, section.record(0));
            continue;
        }
        json.BeginArray();
        for (std::size_t i = 0; i < section.size; ++i)
            WriteValue(json, section.record(i));
        json.EndArray();
    }
    json.EndObject();
    json.End();
}

DifferencesDocument::DifferencesDocument(std::ostream& out) : m_json(out) { m_json.BeginArray(); }

void DifferencesDocument::Add(const Difference& difference)
{
    m_json.BeginObject();
    m_json.Key("path");
    m_json.BeginArray();
    for (const std::string& caption : difference.path)
        m_json.Scalar(Utf8(caption));
    m_json.EndArray();
    m_json.Key("field");
    m_json.Scalar(Utf8(difference.field));
    m_json.Key("item");
    m_json.Scalar(Utf8(difference.item));
    m_json.Key("change");
    m_json.Scalar(ChangeName(difference.change));
    m_json.Key("old");
    WriteValue(m_json, difference.oldValue);
    m_json.Key("new");
    WriteValue(m_json, difference.newValue);
    m_json.Key("text");
    m_json.Scalar(Utf8(difference.Text()));
    m_json.EndObject();
}

void DifferencesDocument::Finish()
{
    m_json.EndArray();
    m_json.End();
}
