#pragma once

#include "editing/TreeItem.h"
#include "model/LinNetwork.h"

#include <memory>
#include <string>
#include <vector>

// A network with some of everything, built in code so that the tests do not
// depend on the reader:
//   slaves Motor, Light, Door (Door without attributes; Light on protocol 1.3)
//   signals MotorSpeed, MotorError, LightLevel (byte array), DoorOpen
//   frames MotorCmd (0x10), MotorState (0x20, no length), DoorState (0x30)
//   event-triggered EventAll, sporadic SpoMotor, schedule tables Normal and
//   Diag (every entry kind), encoding types Speed, Mixed, Text with their
//   representations, configuration Cfg1 with CompA and CompB.
std::unique_ptr<LinNetwork> MakeRichNetwork();

// Every field of the network as text, for exact comparisons.
std::string DumpNetwork(const LinNetwork& network);

// The item of the network's tree as the tree hands it to the commands: the
// top-level item with that caption, then sibling indexes downwards. An empty
// reference when the tree has no such item.
TreeItemRef ItemAt(const LinNetwork& network, const std::string& top, const std::vector<int>& below = {});

// The item that shows a record. For a record that is not there, the reference
// a tree built before would still hand over: that kind of item and the record.
TreeItemRef ItemShowing(const LinNetwork& network, const EntityRef& record);
