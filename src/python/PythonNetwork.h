#pragma once

#include "validation/TreeOutline.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class FrameCodec;
class LinNetwork;
struct FrameEncoding;
struct FrameReading;
struct SignalSetting;

// Why a save wrote nothing: refused (unknown dialect, records a conversion
// would lose) or failed (the file could not be written).
struct SaveOutcome {
    std::string refused;
    std::string failed;
};

// One network as the Python module holds it: loaded and prepared as the
// command-line tool loads it, so every answer equals the tool's. Errors come
// back as values; the bindings turn them into Python exceptions.
class PythonNetwork {
public:
    // Read from a file; empty error when read.
    static std::unique_ptr<PythonNetwork> Load(const std::string& path, std::string& error);
    // Read from text; source names it in the JSON document. A text larger
    // than a file may be is refused with the reason.
    static std::unique_ptr<PythonNetwork> LoadText(std::string text, const std::string& source, std::string& error);
    ~PythonNetwork();

    const LinNetwork& Network() const { return *m_network; }
    const std::string& Source() const { return m_source; }

    // The lines check prints, messages first, then the red items.
    std::vector<std::string> CheckLines() const;
    // The red items alone, "path: reasons".
    std::vector<std::string> RedItemLines() const;
    // export --json.
    std::string JsonText() const;

    FrameReading Decode(const std::string& frame, const std::vector<std::uint8_t>& bytes) const;
    FrameEncoding Encode(const std::string& frame, const std::vector<SignalSetting>& settings) const;
    bool HasFrame(const std::string& frame) const;

    // Empty when renamed, else why not (as rename refuses).
    std::string Rename(const std::string& kind, const std::string& oldName, const std::string& newName);

    // The text format writes (keepLayout: format --keep-layout), with the
    // network converted to dialect when one is given. Records a conversion
    // would lose go to losses; the text is then still the converted one.
    std::string LdfText(const std::optional<std::string>& dialect, bool keepLayout, std::vector<std::string>& losses,
                        std::string& error) const;
    // Saves as format -o does (keepLayout: format --keep-layout -o); without
    // force, nothing when the conversion loses records.
    SaveOutcome Save(const std::string& path, const std::optional<std::string>& dialect, bool keepLayout, bool force,
                     std::vector<std::string>& losses) const;

private:
    PythonNetwork(std::unique_ptr<LinNetwork> network, std::string source);
    const std::string& WrittenAsRead() const;
    // The network to write: this one, or converted to dialect in converted;
    // null with error for an unknown dialect.
    const LinNetwork* Written(const std::optional<std::string>& dialect, std::unique_ptr<LinNetwork>& converted,
                              std::vector<std::string>& losses, std::string& error) const;
    const FrameCodec& Codec() const;

    std::unique_ptr<LinNetwork> m_network;
    std::string m_source;
    TreeOutline m_outline;
    // The writer's text of the network as read: what a layout-kept save is
    // measured against. Made before the first edit, when first needed.
    mutable std::optional<std::string> m_writtenAsRead;
    mutable std::unique_ptr<FrameCodec> m_codec;
};

// diff --json of two networks.
std::string DifferencesJson(const PythonNetwork& older, const PythonNetwork& newer);
