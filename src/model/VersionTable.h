#pragma once

#include "model/LinDialect.h"

#include <string>

struct ScheduleCommandSpec;

// What each LDF version has, one row per version: the reader, the writer,
// the forms, the data rows and the converter ask here instead of testing
// version numbers themselves.
namespace lin {

struct VersionRow {
    Dialect dialect;
    // The forms LIN 2.1 adds to statements LIN 2.0 already has, read and
    // written wherever the language version is beyond LIN 2.0: AssignNAD
    // naming its slave, the longer command blocks, product_id without its
    // variant, configurable frames by name alone, any byte as a NAD, the
    // singular Signal_representation, optional sections left out when empty,
    // the LIN 2.1 header group and commands the sheets offer. A J2602 text
    // reads them too.
    bool lin21Forms;
    // What LIN 2.1 adds to a network: Channel_name, the LIN 2.1 node
    // attributes and configuration commands, collision-resolving tables,
    // composite nodes; every frame has a length.
    bool lin21Statements;
    bool isoHeader;      // LDF_file_revision and the byte-order flag
    bool j2602Timings;   // the master's header length and tolerance, the node timings
    bool lin13Sections;  // dynamic_frames and Diagnostic_addresses
    // Node addresses a file of the version holds: a slave's 1 to 127 in
    // LIN 2.0 text, any byte from LIN 2.1 on (0xFF marks an unassigned node
    // in some files).
    int firstNodeAddress;
    int lastNodeAddress;

    bool IsNodeAddress(int nad) const { return nad >= firstNodeAddress && nad <= lastNodeAddress; }
    // The keyword of the section that gives signals their encoding.
    const char* SignalRepresentationKeyword() const;
    // True when the text of the version reads (and the sheets offer) the command.
    bool ReadsCommand(const ScheduleCommandSpec& command) const;
    // True when a network of the version holds the command.
    bool HoldsCommand(const ScheduleCommandSpec& command) const;
};

const VersionRow& RowOf(Dialect dialect);

// True for a node address some version holds: what a file states is kept as
// read, and the checks mark it where its own version does not allow it.
bool IsNodeAddressOfAnyVersion(int nad);

// The row of a version text (a header's or a node's): ISO 17987 and J2602
// by their names, other texts by their LIN number, 2.0 and older as LIN 2.0.
const VersionRow& RowOfText(const std::string& text);

// The row a network's language version reads and writes as: the text while
// it still stands for the number, else the number (an edit of the number
// makes the number count; "13." written as "13.00" reads beyond LIN 2.0).
const VersionRow& RowOfLanguage(const std::string& text, float number);

}  // namespace lin
