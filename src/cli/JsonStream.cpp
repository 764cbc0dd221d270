#include "cli/JsonStream.h"

namespace {

const int kIndent = 2;

}  // namespace

void JsonStream::NextItem()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasItems.empty())
        return;
    m_out << (m_hasItems.back() ? ",\n" : "\n") << std::string(m_hasItems.size() * kIndent, ' ');
    m_hasItems.back() = true;
}

void JsonStream::Open(char bracket)
{
    NextItem();
    m_out << bracket;
    m_hasItems.push_back(false);
}

void JsonStream::Close(char bracket)
{
    if (m_hasItems.empty())
        return;
    const bool hadItems = m_hasItems.back();
    m_hasItems.pop_back();
    if (hadItems)
        m_out << '\n' << std::string(m_hasItems.size() * kIndent, ' ');
    m_out << bracket;
}

void JsonStream::BeginObject() { Open('{'); }

void JsonStream::EndObject() { Close('}'); }

void JsonStream::BeginArray() { Open('['); }

void JsonStream::EndArray() { Close(']'); }

void JsonStream::Key(const std::string& name)
{
    NextItem();
    m_out << '"' << name << "\": ";
    m_afterKey = true;
}

void JsonStream::Scalar(const nlohmann::ordered_json& value)
{
    NextItem();
    // A path from the command line need not be UTF-8; it must not stop the output.
    m_out << value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void JsonStream::End() { m_out << '\n'; }
