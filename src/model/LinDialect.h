#pragma once

#include "ldf/Dialect.h"
#include "model/NetworkContent.h"

#include <optional>
#include <string>
#include <vector>

// The LDF versions a network can be written as. Each is one set of version
// texts and one set of statements the tools of that version read.
namespace lin {

// Every dialect, oldest LIN first, the named standards last.
const std::vector<Dialect>& Dialects();

// The command-line names: "2.0", "2.1", "2.2", "iso17987", "j2602".
std::optional<Dialect> ParseDialect(const std::string& name);
const char* DialectName(Dialect dialect);
// The name the editor shows: "LIN 2.0", "LIN 2.2A", "SAE J2602".
std::string DialectCaption(Dialect dialect);

// The version texts a network of the dialect writes in its header.
std::string DialectProtocolVersion(Dialect dialect);
std::string DialectLanguageVersion(Dialect dialect);
// The highest LIN_protocol a node of the dialect has.
std::string DialectNodeProtocol(Dialect dialect);

// The dialect the network was read as, from its language version (by its
// number where the network has no text); none for LIN 1.x and the J2602
// editions from 2.0 on.
std::optional<Dialect> DialectOf(const NetworkContent& network);

}  // namespace lin
