#pragma once

#include "editing/ClipboardCommands.h"
#include "editing/DataRows.h"
#include "editing/SheetRequest.h"
#include "editing/TreeItem.h"
#include "editing/UndoHistory.h"
#include "model/DialectConversion.h"
#include "model/LinNetwork.h"
#include "validation/TreeOutline.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A network as the editor and the command-line tool read it: read, repaired,
// converted to an LDF version when one is asked for, then prepared.
struct PreparedLoad {
    std::unique_ptr<LinNetwork> network;  // null when the file could not be read
    std::string error;                    // why not; empty when network is set
    TreeOutline outline;                  // of the prepared network
    std::vector<ConversionLoss> losses;   // what the conversion lost
    // The statements kept inside blocks that the conversion dropped, as
    // UnreadStatementsLeftOut gives them.
    std::vector<std::string> unreadDropped;

    explicit operator bool() const { return network != nullptr; }
};

// The one load pipeline: the conversion, when a version is given, comes
// before the preparation. With writtenAsRead, the network is prepared first
// as it was read, and writtenAsRead takes the writer's text of it: what a
// save in the file's layout measures its changes against.
PreparedLoad PrepareLoaded(LoadResult loaded, const std::optional<lin::Dialect>& dialect = std::nullopt,
                           std::string* writtenAsRead = nullptr);

// Whether a text is LDF at all: it has the LIN_description_file header.
// The network read from any other text is a default one that holds nothing
// of it.
bool IsLdfText(const std::string& text);

// The network of an editor window through its life: it owns the network, the
// undo history, the position last saved and the tree outline. Every Open,
// New, Edit, Undo and Redo ends with the preparation in the same step, so
// the outline is always the prepared network's. Views read the network and
// the outline; they change the network only through its named requests,
// each one undoable step.
class Document {
public:
    // Runs the sheet a request names on the network; true when the user
    // confirmed it.
    using SheetEditor = std::function<bool(const SheetRequest&, LinNetwork&)>;

    Document();
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Replaces the network by the network of a new document, unmodified.
    void New();
    // Loads the file and, on success, replaces the network. The document
    // counts as unmodified only when the load reported nothing and the
    // preparation changes nothing that would be written. Returns the reason
    // when the file cannot be read; the current network then stays.
    std::string Open(const std::string& path);
    // Writes the network as LDF to the path; on success the network as it
    // stands is the saved state. The text keeps the layout of the file as
    // read or last saved, only what changed rewritten; it is in the fixed
    // layout with standardLayout, after Reformat, or for a new network.
    // Returns the reason on failure.
    std::string Save(const std::string& path, bool standardLayout = false);
    // Whether a Save to path must ask first: path is the file last opened,
    // not saved over since, and its text was no LDF file at all, so the
    // save would replace whatever it holds with this network.
    bool SaveReplacesNonLdfFile(const std::string& path) const;
    // One undo step after which saving writes the fixed layout.
    bool Reformat();
    // Save As in another LDF version, before the Save: converts the network
    // as one undoable step when that changes the text it writes. True when
    // it did.
    bool ConvertTo(lin::Dialect dialect);

    // Runs an edit of the network as one undoable step: when the edit
    // reports a change, the network as it was before can be restored.
    // Returns what the edit returned (false without a network).
    bool Edit(const std::function<bool(LinNetwork&)>& change);
    // A change of the network outside the undo history; it counts as a
    // modification, and the steps taken before can no longer be undone.
    void ChangeOutsideHistory(const std::function<void(LinNetwork&)>& change);

    // The list's Delete of the rows shown for the tree's item.
    bool DeleteRows(const TreeItemRef& shown, const std::vector<int>& rows);
    // Ctrl+Up and Ctrl+Down on a list's row (step -1 or 1).
    bool MoveRow(const TreeItemRef& shown, int row, int step);
    // Ctrl+D on a list's row: the copy's row, -1 when nothing was copied.
    int DuplicateRow(const TreeItemRef& shown, int row);
    // A click on a column's caption: sorts the table shown, and the
    // network's list along with it where the rows follow one.
    SortOutcome SortList(DataTable& table, int column, ColumnSortFlags& flags);
    // The tree's Delete of the entity the item shows.
    bool DeleteItem(const TreeItemRef& item);
    // The tree's Add for the selected item with the new entity's sheet: Add
    // and the sheet are one step, and a sheet not confirmed leaves nothing.
    // The new entity's item, or nothing. Without an editor, the entity stays
    // as added.
    std::optional<TreeItemRef> AddItem(const TreeItemRef& selected, const SheetEditor& editor);
    // The sheet of a request as one step; false for an empty request, without
    // an editor, or when the user did not confirm the sheet.
    bool RunSheet(const SheetRequest& request, const SheetEditor& editor);
    PasteOutcome Paste(const std::string& text, const PasteTarget& target);
    PasteOutcome Duplicate(const ClipboardSelection& selection);

    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    // Restore the network before the last step (after the last undone
    // step). The document is unmodified exactly when this returns to the
    // state last saved. False when there is nothing to restore.
    bool Undo();
    bool Redo();

    // Null before the first New or Open.
    // The statements kept inside blocks that a save leaves out, as
    // UnreadStatementsLeftOut gives them: every one in the fixed layout
    // (asked for, or after Reformat), none in the file's own layout.
    std::vector<std::string> UnreadStatementsNotSaved(bool standardLayout) const;
    const LinNetwork* Network() const { return m_network.get(); }
    const TreeOutline& Outline() const { return m_outline; }

    bool IsModified() const { return m_savedPosition != m_position; }
    // False makes the network as it stands the saved state.
    void SetModified(bool modified);

private:
    void Replace(std::unique_ptr<LinNetwork> network, TreeOutline outline);
    bool StepTaken(int step);
    // A Reformat step lies between the last save and now: the next save
    // writes the fixed layout.
    bool Reformatted() const;

    std::unique_ptr<LinNetwork> m_network;
    UndoHistory m_history;
    TreeOutline m_outline;
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
    // The file opened when its text was no LDF file, until saved over.
    std::string m_nonLdfPath;
};
