#pragma once

#include "model/NetworkContent.h"

#include <functional>
#include <string>
#include <vector>

// The network as plain values: one description that comparing two networks
// and exporting one walk alike. Each kind of record has one table of
// (name, label, accessor) rows in NetworkFields.cpp; a new record field is
// one row there and both follow.

struct Field;

// A value as the description holds it: a number, a text, a flag, a list or
// a record of named fields; None stands for a value the file did not give.
struct FieldValue {
    enum class Type { None, Integer, Real, Text, Flag, List, Record };

    static FieldValue Integer(long long value);
    static FieldValue Real(double value);
    // A header number kept as float: the decimal text the file gave it.
    static FieldValue Real(float value);
    static FieldValue Text(std::string value);
    static FieldValue Flag(bool value);
    static FieldValue Texts(const std::vector<std::string>& values);
    // A list of records each known by its first field (a name).
    static FieldValue KeyedList(std::vector<FieldValue> records);

    // The value as the comparison shows it: "4", "0.5", "on", "[1, 2]",
    // "{delay 10, frame F1}"; "none" for None.
    std::string Show() const;
    // The first field of a record as text; empty for anything else.
    std::string Key() const;

    Type type = Type::None;
    long long integer = 0;
    double real = 0.0;
    bool flag = false;
    std::string text;
    std::vector<FieldValue> items;  // List
    std::vector<Field> fields;      // Record
    bool keyed = false;             // a List whose records are matched by Key()
};

// A named field of a record. name is the member of the exported document,
// label the word the comparison uses (singular for lists: "subscriber").
struct Field {
    std::string name;
    std::string label;
    FieldValue value;
};

bool operator==(const FieldValue& a, const FieldValue& b);
inline bool operator!=(const FieldValue& a, const FieldValue& b) { return !(a == b); }

// One part of the network in the tree's order: the header, the master, a
// diagnostic frame (single records), or a list of named entities. Its
// records are described one at a time when asked for, so walking a large
// network never holds more than a record's description; the section refers
// to the network it was made of, which must outlive it.
struct NetworkSection {
    std::string key;                // member of the exported document: "frames"
    std::vector<std::string> path;  // the tree's captions above the entities: {"Frames"}
    bool single = false;
    std::size_t size = 0;  // 1 when single
    // The i-th record, a Record whose first field is "name" unless single.
    std::function<FieldValue(std::size_t)> record;
    // The i-th record's first field as text, without describing the rest.
    std::function<std::string(std::size_t)> name;
};

std::vector<NetworkSection> DescribeNetwork(const NetworkContent& network);
