#pragma once

#include "cli/CliArguments.h"

#include <string>
#include <vector>

// The command lines of the signal-value commands, read apart from the
// others because their last arguments repeat: decode FILE FRAME BYTES...,
// encode FILE FRAME SIGNAL=VALUE..., decode-log FILE LOG.
bool IsValueCommand(const std::string& command);
CliRequest ParseValueCommand(const std::vector<std::string>& arguments);
