#include "editing/Document.h"

#include "editing/Preparation.h"
#include "ldf/Keywords.h"
#include "model/UnreadPlaces.h"
#include "writer/LayoutKeepingWriter.h"
#include "writer/LdfWriter.h"

#include <filesystem>
#include <utility>

namespace {

// Shown to users verbatim; keep the spelling.
const char* const kNothingToSave = "There is no network to save.";

}  // namespace

TreeOutline PrepareNetwork(LinNetwork& network) { return PrepareTreeOutline(network); }

PreparedLoad PrepareLoaded(LoadResult loaded, const std::optional<lin::Dialect>& dialect, std::string* writtenAsRead)
{
    PreparedLoad prepared;
    prepared.error = std::move(loaded.error);
    prepared.network = std::move(loaded.network);
    if (!prepared.network)
        return prepared;
    if (writtenAsRead) {
        PrepareNetwork(*prepared.network);
        *writtenAsRead = prepared.network->BuildCompleteLdfText();
    }
    if (dialect) {
        std::vector<std::string> unread = UnreadStatementsLeftOut(*prepared.network);
        prepared.losses = ConvertToDialect(*prepared.network, *dialect);
        if (UnreadStatementsLeftOut(*prepared.network).empty())
            prepared.unreadDropped = std::move(unread);
    }
    prepared.outline = PrepareNetwork(*prepared.network);
    return prepared;
}

bool IsLdfText(const std::string& text) { return text.find(kw::DescriptionFile) != std::string::npos; }

Document::Document() = default;

Document::~Document() = default;

void Document::New()
{
    std::unique_ptr<LinNetwork> network = LinNetwork::CreateDefault();
    TreeOutline outline = PrepareNetwork(*network);
    Replace(std::move(network), std::move(outline));
    m_writtenAsSaved.clear();
    m_nonLdfPath.clear();
    SetModified(false);
}

std::string Document::Open(const std::string& path)
{
    LoadResult loaded = LinNetwork::Load(path);
    if (!loaded)
        return loaded.error;
    // What the load reported or the preparation repairs is worth saving; a
    // file that needed nothing stays unmodified. Only a load that reported
    // nothing needs its text written to see whether the preparation changed it.
    const bool reported = loaded.network->messages.Size() > 0;
    const std::string written = reported ? std::string() : loaded.network->BuildCompleteLdfText();
    PreparedLoad prepared = PrepareLoaded(std::move(loaded));
    std::string writtenAsOpened = prepared.network->BuildCompleteLdfText();
    const bool repaired = reported || prepared.network->messages.Size() > 0 || writtenAsOpened != written;
    m_nonLdfPath = IsLdfText(prepared.network->fileText) ? std::string() : path;
    Replace(std::move(prepared.network), std::move(prepared.outline));
    m_writtenAsSaved = std::move(writtenAsOpened);
    SetModified(repaired);
    return {};
}

std::string Document::Save(const std::string& path, bool standardLayout)
{
    if (!m_network)
        return kNothingToSave;
    std::string text = SavedLdfText(*m_network, m_savedText ? *m_savedText : m_network->fileText, m_writtenAsSaved,
                                    standardLayout || Reformatted());
    const SaveResult saved = SaveLdfText(text, path);
    if (!saved)
        return saved.error;
    m_savedText = std::move(text);
    m_writtenAsSaved = m_network->BuildCompleteLdfText();
    if (SaveReplacesNonLdfFile(path))
        m_nonLdfPath.clear();
    m_reformatPosition.reset();
    SetModified(false);
    return {};
}

bool Document::SaveReplacesNonLdfFile(const std::string& path) const
{
    std::error_code error;  // a file gone since is replaced by nothing
    return !m_nonLdfPath.empty() && std::filesystem::equivalent(path, m_nonLdfPath, error);
}

std::vector<std::string> Document::UnreadStatementsNotSaved(bool standardLayout) const
{
    if (!m_network || !(standardLayout || Reformatted()))
        return {};
    return UnreadStatementsLeftOut(*m_network);
}

bool Document::Reformatted() const { return m_reformatPosition && *m_reformatPosition <= m_position; }

bool Document::Reformat()
{
    if (!Edit([](LinNetwork&) { return true; }))
        return false;
    m_reformatPosition = m_position;
    return true;
}

bool Document::ConvertTo(lin::Dialect dialect)
{
    return Edit([dialect](LinNetwork& edited) {
        const std::string before = edited.BuildCompleteLdfText();
        ConvertToDialect(edited, dialect);
        return edited.BuildCompleteLdfText() != before;
    });
}

bool Document::Edit(const std::function<bool(LinNetwork&)>& change)
{
    // The preparation's tidy-up is part of the step: a step keeps what
    // changed, so the history must see every change.
    const bool changed = m_network && m_history.Perform(*m_network, [&] {
        if (!change(*m_network))
            return false;
        m_outline = PrepareNetwork(*m_network);
        return true;
    });
    if (!changed)
        return false;
    // A new step drops the steps undone, and a saved state among them.
    if (m_savedPosition && *m_savedPosition > m_position)
        m_savedPosition.reset();
    if (m_reformatPosition && *m_reformatPosition > m_position)
        m_reformatPosition.reset();
    ++m_position;
    return true;
}

void Document::ChangeOutsideHistory(const std::function<void(LinNetwork&)>& change)
{
    if (!m_network)
        return;
    change(*m_network);
    m_outline = PrepareNetwork(*m_network);
    // The steps before hold changes of the network as it was.
    m_history.Clear();
    SetModified(true);
}

bool Document::Undo() { return m_network && m_history.Undo(*m_network) && StepTaken(-1); }

bool Document::Redo() { return m_network && m_history.Redo(*m_network) && StepTaken(1); }

void Document::SetModified(bool modified)
{
    if (modified)
        m_savedPosition.reset();
    else
        m_savedPosition = m_position;
}

void Document::Replace(std::unique_ptr<LinNetwork> network, TreeOutline outline)
{
    m_network = std::move(network);
    m_outline = std::move(outline);
    m_history.Clear();
    m_position = 0;
    m_savedText.reset();
    m_reformatPosition.reset();
}

bool Document::StepTaken(int step)
{
    m_position += step;
    m_outline = PrepareNetwork(*m_network);
    return true;
}
