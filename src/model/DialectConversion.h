#pragma once

#include "model/LinDialect.h"

#include <string>
#include <vector>

// A record, or part of one, that a dialect cannot hold.
struct ConversionLoss {
    std::string record;  // "Node attributes of LSM"
    std::string reason;  // "initial_NAD is not in LIN 2.0"
};

// "Node attributes of LSM: initial_NAD is not in LIN 2.0"
std::string FormatLoss(const ConversionLoss& loss);

// What converting the network to the dialect would lose, in section order;
// the network stays as it is.
std::vector<ConversionLoss> ConversionLosses(const NetworkContent& network, lin::Dialect target);

// Turns the network into what the dialect expresses: its version texts, the
// forms the dialect writes (AssignNAD, frame lengths, product id, node
// protocols) and nothing the dialect cannot hold. Returns what was lost, the
// same list ConversionLosses gives. A network already of the dialect keeps
// its version texts and the statements the reader kept unread.
std::vector<ConversionLoss> ConvertToDialect(NetworkContent& network, lin::Dialect target);
