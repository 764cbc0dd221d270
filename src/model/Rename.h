#pragma once

#include <cstddef>
#include <string>

class LinNetwork;

// Renaming the entities of a network. Each function gives the record its new
// name and, in the same step, every mention of the old name the new one, so
// that nothing the record took part in is lost. An index that names no
// record changes nothing and gives false. Whether the new name is free is
// the caller's rule.
//
// Frames of every kind share one set of names, and so do the master and the
// slaves: a mention of the old name is taken to mean the renamed record.

bool RenameMaster(LinNetwork& network, const std::string& name);
bool RenameSlave(LinNetwork& network, std::size_t index, const std::string& name);
bool RenameSignal(LinNetwork& network, std::size_t index, const std::string& name);
bool RenameFrame(LinNetwork& network, std::size_t index, const std::string& name);
bool RenameEventTriggeredFrame(LinNetwork& network, std::size_t index, const std::string& name);
bool RenameSporadicFrame(LinNetwork& network, std::size_t index, const std::string& name);
bool RenameScheduleTable(LinNetwork& network, std::size_t index, const std::string& name);
// Nothing names a signal group.
bool RenameSignalGroup(LinNetwork& network, std::size_t index, const std::string& name);
bool RenameEncodingType(LinNetwork& network, std::size_t index, const std::string& name);
bool RenameCompositeConfiguration(LinNetwork& network, std::size_t index, const std::string& name);
bool RenameCompositeNode(LinNetwork& network, std::size_t configuration, std::size_t index, const std::string& name);
