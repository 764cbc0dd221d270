#pragma once

#include <string>

// Text-mode line ends: every LF becomes CR LF, except an LF that already
// follows a CR (the header comment keeps its lines as CR LF pairs).
std::string ToCrLfLineEnds(const std::string& text);
// Plain line ends: every line end of CRs and an LF ("\r\n", "\r\r\n")
// becomes a single LF, so that converting twice gives what converting once
// gave.
std::string ToLfLineEnds(const std::string& text);
