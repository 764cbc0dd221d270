#include "app/CDuvazadiDoc.h"

#include "app/AppTexts.h"
#include "model/LinNetwork.h"
#include "reader/UnreadText.h"
#include "writer/LdfWriter.h"

#include <QFile>
#include <QFileInfo>

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The one place a network goes to disk, with the writer's save: a failed
// save leaves the old file as it was.
QString WriteLdfFile(const LinNetwork& network, const QString& path)
{
    const SaveResult saved = SaveLdf(network, LocalPath(path));
    return QString::fromLocal8Bit(saved.error.data(), static_cast<qsizetype>(saved.error.size()));
}

}  // namespace

CDuvazadiDoc::CDuvazadiDoc(QObject* parent) : QObject(parent), m_codec(TextCodec::ForFileText({})) {}

CDuvazadiDoc::~CDuvazadiDoc() = default;

void CDuvazadiDoc::NewDocument()
{
    m_network = LinNetwork::CreateDefault();
    m_codec = TextCodec::ForFileText({});
    m_unreadReason.clear();
    SetFilePath({});
    SetModified(false);
    ClearHistory();
    Q_EMIT networkReplaced();
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
    // An opened document counts as changed from the start: the load may
    // have repaired it, and leaving it should offer to save the repair.
    SetModified(true);
    ClearHistory();
    Q_EMIT networkReplaced();
    return {};
}

QString CDuvazadiDoc::Save(const QString& path)
{
    if (!m_network)
        return tr("There is no network to save.");
    const QString error = WriteLdfFile(*m_network, path);
    if (!error.isEmpty())
        return error;
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
    return m_network && StepTaken(m_history.Perform(*m_network, [&] { return change(*m_network); }));
}

bool CDuvazadiDoc::Undo() { return m_network && StepTaken(m_history.Undo(*m_network)); }

bool CDuvazadiDoc::Redo() { return m_network && StepTaken(m_history.Redo(*m_network)); }

QString CDuvazadiDoc::DisplayName() const
{
    return m_filePath.isEmpty() ? QString::fromLatin1(ui::Untitled) : QFileInfo(m_filePath).fileName();
}

void CDuvazadiDoc::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

// After an edit, an undo or a redo: the views and the Edit menu follow.
bool CDuvazadiDoc::StepTaken(bool taken)
{
    if (taken) {
        NetworkChanged();
        Q_EMIT historyChanged();
    }
    return taken;
}

void CDuvazadiDoc::ClearHistory()
{
    m_history.Clear();
    Q_EMIT historyChanged();
}

void CDuvazadiDoc::SetFilePath(const QString& path)
{
    if (path == m_filePath)
        return;
    m_filePath = path;
    Q_EMIT filePathChanged(path);
}
