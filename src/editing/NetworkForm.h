#pragma once

#include "model/NetworkContent.h"

#include <optional>
#include <string>
#include <vector>

class LinNetwork;

// What the network sheet shows and writes. The versions and the speed are
// the texts of their fields (chosen from the list or typed); the optional
// header statements are given or not.
struct NetworkForm {
    std::string protocolVersion;
    std::string languageVersion;
    std::string speed;  // kbit/s
    std::optional<std::string> channelName;
    std::optional<std::string> fileRevision;
    SignalByteOrder byteOrder = SignalByteOrder::NotGiven;
    // Set by Read: the network gives a channel name, file revision or byte
    // order, so the sheet offers them whatever the language version.
    bool hadLin21Header = false;

    static const std::vector<std::string>& ProtocolChoices();
    static const std::vector<std::string>& LanguageChoices();
    static const std::vector<std::string>& SpeedChoices();
    // One entry per SignalByteOrder, in its order.
    static const std::vector<std::string>& ByteOrderChoices();

    // A version shows as the file's text while that stands for its number,
    // else as the number; a speed as its number. Not given shows empty.
    static NetworkForm Read(const LinNetwork& network);
    // A field left as Read showed it keeps the stored value exactly; an
    // empty field writes the standard value (2.0, 2.0, 19.2); a text that is
    // no version, or no speed from 1 to 20 kbit/s, keeps the stored value.
    // Quotes and line breaks, which would end the written text early, are
    // dropped from the channel name and the file revision.
    void Commit(LinNetwork& network) const;

    // Channel name, file revision and byte order came after LIN 2.0: offered
    // for a later language version, or while the network has one of them.
    bool OffersLin21Header() const;
};
