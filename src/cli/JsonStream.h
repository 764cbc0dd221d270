#pragma once

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <vector>

// Writes one JSON document to a stream piece by piece, in the layout
// nlohmann::json's dump(2) gives the whole document: two spaces per level,
// "key": value, empty containers as {} and []. Only the document's outline
// is kept, so a large document costs no more memory than its largest value.
class JsonStream {
public:
    explicit JsonStream(std::ostream& out) : m_out(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The member the next value belongs to; names are ASCII.
    void Key(const std::string& name);
    // A number, text, flag or null, as dump() writes it (invalid UTF-8 replaced).
    void Scalar(const nlohmann::ordered_json& value);
    // The line break that ends the document.
    void End();

private:
    // The separator and indentation before the next member or item.
    void NextItem();
    void Open(char bracket);
    void Close(char bracket);

    std::ostream& m_out;
    std::vector<bool> m_hasItems;  // per open container: whether it holds anything yet
    bool m_afterKey = false;
};
