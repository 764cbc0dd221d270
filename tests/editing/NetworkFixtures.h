#pragma once

#include "model/LinNetwork.h"

#include <memory>
#include <string>

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
