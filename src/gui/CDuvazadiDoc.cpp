#include "gui/CDuvazadiDoc.h"

#include "gui/AppTexts.h"
#include "model/LinNetwork.h"
#include "reader/UnreadText.h"

#include <QFile>
#include <QFileInfo>

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Whether the answer to a request tells of a step taken.
bool StepTaken(bool changed) { return changed; }
bool StepTaken(int copiedRow) { return copiedRow >= 0; }
bool StepTaken(const SortOutcome& outcome) { return outcome.networkReordered; }
bool StepTaken(const std::optional<TreeItemRef>& added) { return added.has_value(); }
bool StepTaken(const PasteOutcome& outcome) { return outcome.changed; }

// The window's sheet opener with the sheets' parent; none without one.
Document::SheetEditor SheetsOver(const SheetOpener& opener, QWidget* parent)
{
    if (!opener)
        return {};
    return
        [opener, parent](const SheetRequest& request, LinNetwork& network) { return opener(request, network, parent); };
}

}  // namespace

CDuvazadiDoc::CDuvazadiDoc(QObject* parent) : QObject(parent), m_codec(TextCodec::ForFileText({})) {}

CDuvazadiDoc::~CDuvazadiDoc() = default;

void CDuvazadiDoc::NewDocument()
{
    const bool wasModified = IsModified();
    m_document.New();
    m_codec = TextCodec::ForFileText({});
    m_unreadReason.clear();
    SetFilePath({});
    Q_EMIT historyChanged();
    ShowModified(wasModified);
    Q_EMIT networkReplaced();
}

CDuvazadiDoc::Comparison CDuvazadiDoc::CompareWith(const QString& path) const
{
    Comparison comparison;
    const PreparedLoad loaded = PrepareLoaded(LinNetwork::Load(LocalPath(path)));
    if (!loaded) {
        comparison.error = QString::fromStdString(loaded.error);
        return comparison;
    }
    if (const LinNetwork* network = Network())
        comparison.differences = CompareNetworks(*network, *loaded.network);
    return comparison;
}

QString CDuvazadiDoc::Open(const QString& path)
{
    const bool wasModified = IsModified();
    const std::string error = m_document.Open(LocalPath(path));
    if (!error.empty())
        return QString::fromStdString(error);
    const LinNetwork& network = *Network();
    m_codec = TextCodec::ForFileText(network.fileText);
    const Message* unread = FindUnreadTextMessage(network.messages);
    m_unreadReason = unread ? m_codec.ToQt(FormatMessage(*unread)) : QString();
    SetFilePath(path);
    Q_EMIT historyChanged();
    ShowModified(wasModified);
    Q_EMIT networkReplaced();
    return {};
}

QString CDuvazadiDoc::Save(const QString& path, bool standardLayout)
{
    const bool wasModified = IsModified();
    // The one place a network goes to disk, with the writer's save: a failed
    // save leaves the old file as it was.
    const std::string error = m_document.Save(LocalPath(path), standardLayout);
    if (!error.empty())
        return QString::fromLocal8Bit(error.data(), static_cast<qsizetype>(error.size()));
    m_unreadReason.clear();
    SetFilePath(path);
    ShowModified(wasModified);
    return {};
}

bool CDuvazadiDoc::SaveReplacesNonLdfFile(const QString& path) const
{
    return m_document.SaveReplacesNonLdfFile(LocalPath(path));
}

void CDuvazadiDoc::ChangeOutsideHistory(const std::function<void(LinNetwork&)>& change)
{
    const bool wasModified = IsModified();
    m_document.ChangeOutsideHistory(change);
    ShowModified(wasModified);
    Q_EMIT networkChanged();
}

bool CDuvazadiDoc::Edit(const std::function<bool(LinNetwork&)>& change)
{
    return Step([&] { return m_document.Edit(change); });
}

template <typename Request> auto CDuvazadiDoc::Ask(const Request& request)
{
    decltype(request()) answer{};
    Step([&] {
        answer = request();
        return StepTaken(answer);
    });
    return answer;
}

bool CDuvazadiDoc::DeleteRows(const TreeItemRef& shown, const std::vector<int>& rows)
{
    return Ask([&] { return m_document.DeleteRows(shown, rows); });
}

bool CDuvazadiDoc::MoveRow(const TreeItemRef& shown, int row, int step)
{
    return Ask([&] { return m_document.MoveRow(shown, row, step); });
}

int CDuvazadiDoc::DuplicateRow(const TreeItemRef& shown, int row)
{
    return Ask([&] { return m_document.DuplicateRow(shown, row); });
}

SortOutcome CDuvazadiDoc::SortList(DataTable& table, int column, ColumnSortFlags& flags)
{
    return Ask([&] { return m_document.SortList(table, column, flags); });
}

bool CDuvazadiDoc::DeleteItem(const TreeItemRef& item)
{
    return Ask([&] { return m_document.DeleteItem(item); });
}

std::optional<TreeItemRef> CDuvazadiDoc::AddItem(const TreeItemRef& selected, const SheetOpener& opener,
                                                 QWidget* parent)
{
    return Ask([&] { return m_document.AddItem(selected, SheetsOver(opener, parent)); });
}

bool CDuvazadiDoc::RunSheet(const SheetRequest& request, const SheetOpener& opener, QWidget* parent)
{
    return Ask([&] { return m_document.RunSheet(request, SheetsOver(opener, parent)); });
}

PasteOutcome CDuvazadiDoc::Paste(const std::string& text, const PasteTarget& target)
{
    return Ask([&] { return m_document.Paste(text, target); });
}

PasteOutcome CDuvazadiDoc::Duplicate(const ClipboardSelection& selection)
{
    return Ask([&] { return m_document.Duplicate(selection); });
}

bool CDuvazadiDoc::ConvertTo(lin::Dialect dialect)
{
    return Step([&] { return m_document.ConvertTo(dialect); });
}

bool CDuvazadiDoc::Reformat()
{
    return Step([&] { return m_document.Reformat(); });
}

bool CDuvazadiDoc::Undo()
{
    return Step([&] { return m_document.Undo(); });
}

bool CDuvazadiDoc::Redo()
{
    return Step([&] { return m_document.Redo(); });
}

QString CDuvazadiDoc::DisplayName() const
{
    return m_filePath.isEmpty() ? QString::fromLatin1(ui::Untitled) : QFileInfo(m_filePath).fileName();
}

void CDuvazadiDoc::SetModified(bool modified)
{
    const bool wasModified = IsModified();
    m_document.SetModified(modified);
    ShowModified(wasModified);
}

void CDuvazadiDoc::ShowModified(bool wasModified)
{
    if (IsModified() != wasModified)
        Q_EMIT modifiedChanged(IsModified());
}

bool CDuvazadiDoc::Step(const std::function<bool()>& step)
{
    const bool wasModified = IsModified();
    if (!step())
        return false;
    ShowModified(wasModified);
    Q_EMIT networkChanged();
    Q_EMIT historyChanged();
    return true;
}

void CDuvazadiDoc::SetFilePath(const QString& path)
{
    if (path == m_filePath)
        return;
    m_filePath = path;
    Q_EMIT filePathChanged(path);
}
