#pragma once

#include "compare/NetworkDiff.h"
#include "editing/Document.h"
#include "gui/DialogRunner.h"
#include "gui/TextCodec.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class LinNetwork;

// The window's document: the Qt face of a Document (which owns the network,
// its undo history and its tree outline) with the file's path, its text
// codec and signals for the views. It opens no window; the main frame shows
// what the operations report.
class CDuvazadiDoc : public QObject {
    Q_OBJECT

public:
    explicit CDuvazadiDoc(QObject* parent = nullptr);
    ~CDuvazadiDoc() override;

    // Replaces the network by the network of a new document.
    void NewDocument();
    // Loads the file and, on success, replaces the network. The document
    // counts as unmodified only when the load reported nothing and preparing
    // the tree changes nothing that would be written. Returns the reason
    // when the file cannot be read; the current network then stays.
    QString Open(const QString& path);
    // Writes the network as LDF to the path and makes it the document's file:
    // in the layout of the file as read or last saved, only what changed
    // rewritten (LayoutKeepingWriter); in the fixed layout with
    // standardLayout, after Reformat, or for a network read from no file.
    // Returns the reason on failure; the file and the flag then stay as they
    // were.
    QString Save(const QString& path, bool standardLayout = false);
    // Whether a Save to path must ask first: it would replace the file last
    // opened, whose text was no LDF file at all.
    bool SaveReplacesNonLdfFile(const QString& path) const;
    // One undo step after which saving writes the fixed layout.
    bool Reformat();

    // A change of the network outside the undo history: prepares the
    // network, sets the modified flag and tells the views.
    void ChangeOutsideHistory(const std::function<void(LinNetwork&)>& change);

    // Runs an edit of the network as one undoable step: when the edit
    // reports a change, the network as it was before can be restored, and
    // the views are told. Returns what the edit returned (false without a
    // network).
    bool Edit(const std::function<bool(LinNetwork&)>& change);
    // The document's named requests (see Document), each one undoable step
    // after which the views are told. The sheets open over parent.
    bool DeleteRows(const TreeItemRef& shown, const std::vector<int>& rows);
    bool MoveRow(const TreeItemRef& shown, int row, int step);
    int DuplicateRow(const TreeItemRef& shown, int row);
    SortOutcome SortList(DataTable& table, int column, ColumnSortFlags& flags);
    bool DeleteItem(const TreeItemRef& item);
    std::optional<TreeItemRef> AddItem(const TreeItemRef& selected, const SheetOpener& opener, QWidget* parent);
    bool RunSheet(const SheetRequest& request, const SheetOpener& opener, QWidget* parent);
    PasteOutcome Paste(const std::string& text, const PasteTarget& target);
    PasteOutcome Duplicate(const ClipboardSelection& selection);
    // Save As in another LDF version: the conversion as one undoable step;
    // true when it changed the network.
    bool ConvertTo(lin::Dialect dialect);
    bool CanUndo() const { return m_document.CanUndo(); }
    bool CanRedo() const { return m_document.CanRedo(); }
    // Restore the network before the last step (after the last undone
    // step). The document is unmodified exactly when this returns to the
    // state last saved. False when there is nothing to restore.
    bool Undo();
    bool Redo();

    const LinNetwork* Network() const { return m_document.Network(); }
    std::vector<std::string> UnreadStatementsNotSaved(bool standardLayout) const
    {
        return m_document.UnreadStatementsNotSaved(standardLayout);
    }
    // The tree of the prepared network, with the checks' marks.
    const TreeOutline& Outline() const { return m_document.Outline(); }

    // The differences from the open network to the network of the file at
    // path, read and prepared as the tree prepares it; the reason instead
    // when the file cannot be read.
    struct Comparison {
        std::vector<Difference> differences;
        QString error;
    };
    Comparison CompareWith(const QString& path) const;
    const TextCodec& Codec() const { return m_codec; }
    QString FilePath() const { return m_filePath; }
    // The file name, or "Unbenannt" for a document never saved.
    QString DisplayName() const;
    bool IsModified() const { return m_document.IsModified(); }
    // False makes the network as it stands the saved state.
    void SetModified(bool modified);
    // Why the last Open did not read the file to its end (the reader's
    // message); empty when it did, or once the document has been saved.
    QString UnreadTextReason() const { return m_unreadReason; }

Q_SIGNALS:
    // A New or Open has put a different network in place.
    void networkReplaced();
    // An edit has changed the network in place.
    void networkChanged();
    void modifiedChanged(bool modified);
    void filePathChanged(const QString& path);
    // What Undo and Redo can do has changed.
    void historyChanged();

private:
    void SetFilePath(const QString& path);
    // An edit, an undo or a redo of the document: when it takes a step,
    // the flag, the views and the Edit menu follow.
    bool Step(const std::function<bool()>& step);
    // A request whose answer tells whether it took a step, run as Step runs
    // it.
    template <typename Request> auto Ask(const Request& request);
    void ShowModified(bool wasModified);

    Document m_document;
    TextCodec m_codec;
    QString m_filePath;
    QString m_unreadReason;
};
