#pragma once

namespace lin {

// The LDF versions a network can be written as: LIN 2.0 and older, LIN 2.1,
// LIN 2.2, ISO 17987 and SAE J2602.
enum class Dialect { Lin20, Lin21, Lin22, Iso17987, J2602 };

}  // namespace lin
