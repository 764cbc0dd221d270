#pragma once

#include "app/TextCodec.h"
#include "compare/NetworkDiff.h"
#include "editing/UndoHistory.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class LinNetwork;

// The document: owns the one LinNetwork of the window from the first New or
// Open on, knows its file, whether it has unsaved changes and how to undo
// them. It opens no window; the main frame shows what the operations report.
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
    // One undo step after which saving writes the fixed layout.
    bool Reformat();

    // A change of the network outside the undo history: sets the modified
    // flag and tells the views.
    void NetworkChanged();

    // Runs an edit of the network as one undoable step: when the edit
    // reports a change, the network as it was before can be restored, and
    // NetworkChanged follows. Returns what the edit returned (false without
    // a network).
    bool Edit(const std::function<bool(LinNetwork&)>& change);
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    // Restore the network before the last step (after the last undone
    // step). The document is unmodified exactly when this returns to the
    // state last saved. False when there is nothing to restore.
    bool Undo();
    bool Redo();

    LinNetwork* Network() const { return m_network.get(); }

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
    bool IsModified() const { return m_modified; }
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
    bool StepTaken(int step);
    void ShowModified(bool modified);
    void ClearHistory();

    std::unique_ptr<LinNetwork> m_network;
    TextCodec m_codec;
    UndoHistory m_history;
    QString m_filePath;
    QString m_unreadReason;
    bool m_modified = false;
    // Steps taken in the undo history since the network was made or read,
    // undone ones subtracted, and that count when it was last saved (none
    // when no undo or redo can return to the saved state).
    int m_position = 0;
    std::optional<int> m_savedPosition = 0;
    // The text whose layout a save keeps, once saved (before, the file text
    // as read), the writer's text of the network it holds, and the position
    // after a Reformat step.
    std::optional<std::string> m_savedText;
    std::string m_writtenAsSaved;
    std::optional<int> m_reformatPosition;
};
