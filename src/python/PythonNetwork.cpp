#include "python/PythonNetwork.h"

#include "cli/CliCommands.h"
#include "cli/JsonDocuments.h"
#include "cli/RenameEntity.h"
#include "compare/NetworkDiff.h"
#include "editing/Preparation.h"
#include "model/DialectConversion.h"
#include "model/LinDialect.h"
#include "model/LinNetwork.h"
#include "validation/FrameCodec.h"
#include "writer/LayoutKeepingWriter.h"
#include "writer/LdfWriter.h"

#include <sstream>

PythonNetwork::PythonNetwork(std::unique_ptr<LinNetwork> network, std::string source)
    : m_network(std::move(network)), m_source(std::move(source)), m_outline(PrepareNetwork(*m_network))
{
}

PythonNetwork::~PythonNetwork() = default;

std::unique_ptr<PythonNetwork> PythonNetwork::Load(const std::string& path, std::string& error)
{
    LoadResult loaded = LinNetwork::Load(path);
    if (!loaded) {
        error = loaded.error;
        return nullptr;
    }
    return std::unique_ptr<PythonNetwork>(new PythonNetwork(std::move(loaded.network), path));
}

std::unique_ptr<PythonNetwork> PythonNetwork::LoadText(std::string text, const std::string& source, std::string& error)
{
    if (text.size() > LinNetwork::kMaxFileBytes) {
        error = "the text is larger than " + std::to_string(LinNetwork::kMaxFileBytes >> 20) + " MB";
        return nullptr;
    }
    return std::unique_ptr<PythonNetwork>(new PythonNetwork(LinNetwork::LoadFromText(std::move(text), source), source));
}

std::vector<std::string> PythonNetwork::CheckLines() const { return CheckReport(m_network->messages, m_outline); }

std::vector<std::string> PythonNetwork::RedItemLines() const { return CheckReport(MessageLog(), m_outline); }

std::string PythonNetwork::JsonText() const
{
    std::ostringstream text;
    WriteNetworkDocument(text, *m_network, m_source);
    return text.str();
}

const FrameCodec& PythonNetwork::Codec() const
{
    if (!m_codec)
        m_codec = std::make_unique<FrameCodec>(*m_network);
    return *m_codec;
}

bool PythonNetwork::HasFrame(const std::string& frame) const { return Codec().HasFrame(frame); }

FrameReading PythonNetwork::Decode(const std::string& frame, const std::vector<std::uint8_t>& bytes) const
{
    return Codec().Decode(frame, bytes);
}

FrameEncoding PythonNetwork::Encode(const std::string& frame, const std::vector<SignalSetting>& settings) const
{
    return Codec().Encode(frame, settings);
}

const std::string& PythonNetwork::WrittenAsRead() const
{
    if (!m_writtenAsRead)
        m_writtenAsRead = m_network->BuildCompleteLdfText();
    return *m_writtenAsRead;
}

std::string PythonNetwork::Rename(const std::string& kind, const std::string& oldName, const std::string& newName)
{
    if (!IsRenameKind(kind))
        return "unknown KIND " + kind + ", not one of " + RenameKindNames();
    if (!IsLdfName(newName))
        return newName + " is not a name: letters, digits and '_' only";
    WrittenAsRead();  // the network as read, before the edit
    const std::string refused = RenameEntity(*m_network, {kind, oldName, newName});
    if (!refused.empty())
        return refused;
    m_codec.reset();
    m_outline = PrepareNetwork(*m_network);
    return {};
}

const LinNetwork* PythonNetwork::Written(const std::optional<std::string>& dialect,
                                         std::unique_ptr<LinNetwork>& converted, std::vector<std::string>& losses,
                                         std::string& error) const
{
    if (!dialect)
        return m_network.get();
    const std::optional<lin::Dialect> target = lin::ParseDialect(*dialect);
    if (!target) {
        error = "unknown dialect " + *dialect;
        return nullptr;
    }
    // As format --dialect: the converted network, prepared again.
    converted = std::make_unique<LinNetwork>(*m_network);
    for (const ConversionLoss& loss : ConvertToDialect(*converted, *target))
        losses.push_back(FormatLoss(loss));
    PrepareNetwork(*converted);
    return converted.get();
}

std::string PythonNetwork::LdfText(const std::optional<std::string>& dialect, bool keepLayout,
                                   std::vector<std::string>& losses, std::string& error) const
{
    std::unique_ptr<LinNetwork> converted;
    const LinNetwork* written = Written(dialect, converted, losses, error);
    if (!written)
        return {};
    return keepLayout ? BuildLayoutKeptText(*written, WrittenAsRead()) : ToLfLineEnds(written->BuildLdfText());
}

SaveOutcome PythonNetwork::Save(const std::string& path, const std::optional<std::string>& dialect, bool keepLayout,
                                bool force, std::vector<std::string>& losses) const
{
    std::string error;
    std::unique_ptr<LinNetwork> converted;
    const LinNetwork* written = Written(dialect, converted, losses, error);
    if (!written)
        return {error, {}};
    if (!losses.empty() && !force)
        return {"nothing written; force=True writes without what is lost", {}};
    const SaveResult saved =
        keepLayout ? SaveLdfText(BuildLayoutKeptText(*written, WrittenAsRead()), path) : SaveLdf(*written, path);
    return {{}, saved.error};
}

std::string DifferencesJson(const PythonNetwork& older, const PythonNetwork& newer)
{
    std::ostringstream text;
    DifferencesDocument document(text);
    CompareNetworks(older.Network().Content(), newer.Network().Content(),
                    [&document](const Difference& difference) { document.Add(difference); });
    document.Finish();
    return text.str();
}
