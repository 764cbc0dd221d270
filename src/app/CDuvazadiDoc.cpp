#include "app/CDuvazadiDoc.h"

#include "app/AppTexts.h"
#include "model/LinNetwork.h"
#include "reader/UnreadText.h"
#include "validation/TreeOutline.h"
#include "writer/LayoutKeepingWriter.h"
#include "writer/LdfWriter.h"

#include <QFile>
#include <QFileInfo>

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The one place a network goes to disk, with the writer's save: a failed
// save leaves the old file as it was.
QString WriteLdfFile(const std::string& text, const QString& path)
{
    const SaveResult saved = SaveLdfText(text, LocalPath(path));
    return QString::fromLocal8Bit(saved.error.data(), static_cast<qsizetype>(saved.error.size()));
}

}  // namespace

CDuvazadiDoc::CDuvazadiDoc(QObject* parent) : QObject(parent), m_codec(TextCodec::ForFileText({})) {}

CDuvazadiDoc::~CDuvazadiDoc() = default;

void CDuvazadiDoc::NewDocument()
{
    m_network = LinNetwork::CreateDefault();
    m_savedText.reset();
    m_writtenAsSaved.clear();
    m_codec = TextCodec::ForFileText({});
    m_unreadReason.clear();
    SetFilePath({});
    ClearHistory();
    SetModified(false);
    Q_EMIT networkReplaced();
}

CDuvazadiDoc::Comparison CDuvazadiDoc::CompareWith(const QString& path) const
{
    Comparison comparison;
    LoadResult loaded = LinNetwork::Load(LocalPath(path));
    if (!loaded) {
        comparison.error = QString::fromStdString(loaded.error);
        return comparison;
    }
    PrepareTreeOutline(*loaded.network);
    if (m_network)
        comparison.differences = CompareNetworks(*m_network, *loaded.network);
    return comparison;
}

QString CDuvazadiDoc::Open(const QString& path)
{
    LoadResult loaded = LinNetwork::Load(LocalPath(path));
    if (!loaded)
        return QString::fromStdString(loaded.error);
    m_network = std::move(loaded.network);
    m_codec = TextCodec::ForFileText(m_network->fileText);
    const Message* unread = FindUnreadTextMessage(m_network->messages);
    m_unreadReason = unread ? m_codec.ToQt(FormatMessage(*unread)) : QString();
    SetFilePath(path);
    ClearHistory();
    // What the load reported or the tree's preparation repairs is worth
    // saving; a file that needed nothing stays unmodified.
    const std::string written = m_network->BuildLdfText();
    PrepareTreeOutline(*m_network);
    m_savedText.reset();
    m_writtenAsSaved = m_network->BuildLdfText();
    SetModified(m_network->messages.Size() > 0 || m_writtenAsSaved != written);
    Q_EMIT networkReplaced();
    return {};
}

QString CDuvazadiDoc::Save(const QString& path, bool standardLayout)
{
    if (!m_network)
        return tr("There is no network to save.");
    const bool reformatted = m_reformatPosition && *m_reformatPosition <= m_position;
    std::string text = SavedLdfText(*m_network, m_savedText ? *m_savedText : m_network->fileText, m_writtenAsSaved,
                                    standardLayout || reformatted);
    const QString error = WriteLdfFile(text, path);
    if (!error.isEmpty())
        return error;
    m_savedText = std::move(text);
    m_writtenAsSaved = m_network->BuildLdfText();
    m_reformatPosition.reset();
    m_unreadReason.clear();
    SetFilePath(path);
    SetModified(false);
    return {};
}

void CDuvazadiDoc::NetworkChanged()
{
    SetModified(true);
    Q_EMIT networkChanged();
}

bool CDuvazadiDoc::Edit(const std::function<bool(LinNetwork&)>& change)
{
    if (!m_network || !m_history.Perform(*m_network, [&] { return change(*m_network); }))
        return false;
    // A new step drops the steps undone, and a saved state among them.
    if (m_savedPosition && *m_savedPosition > m_position)
        m_savedPosition.reset();
    if (m_reformatPosition && *m_reformatPosition > m_position)
        m_reformatPosition.reset();
    return StepTaken(1);
}

bool CDuvazadiDoc::Reformat()
{
    if (!Edit([](LinNetwork&) { return true; }))
        return false;
    m_reformatPosition = m_position;
    return true;
}

bool CDuvazadiDoc::Undo() { return m_network && m_history.Undo(*m_network) && StepTaken(-1); }

bool CDuvazadiDoc::Redo() { return m_network && m_history.Redo(*m_network) && StepTaken(1); }

QString CDuvazadiDoc::DisplayName() const
{
    return m_filePath.isEmpty() ? QString::fromLatin1(ui::Untitled) : QFileInfo(m_filePath).fileName();
}

void CDuvazadiDoc::SetModified(bool modified)
{
    if (modified)
        m_savedPosition.reset();
    else
        m_savedPosition = m_position;
    ShowModified(modified);
}

void CDuvazadiDoc::ShowModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

// After an edit, an undo or a redo: the flag, the views and the Edit menu follow.
bool CDuvazadiDoc::StepTaken(int step)
{
    m_position += step;
    ShowModified(m_savedPosition != m_position);
    Q_EMIT networkChanged();
    Q_EMIT historyChanged();
    return true;
}

void CDuvazadiDoc::ClearHistory()
{
    m_history.Clear();
    m_position = 0;
    m_reformatPosition.reset();
    Q_EMIT historyChanged();
}

void CDuvazadiDoc::SetFilePath(const QString& path)
{
    if (path == m_filePath)
        return;
    m_filePath = path;
    Q_EMIT filePathChanged(path);
}
