#pragma once

// Texts of the editor window.
// Shown to users verbatim and matched by tests; keep the spelling.
namespace ui {

inline constexpr const char* AppTitle = "Duvazadi";
inline constexpr const char* Untitled = "Unbenannt";
inline constexpr const char* FileFilter = "Lin Description File (*.LDF)";
// Save As writes the file in the version of the type chosen: "LIN 2.1".
inline constexpr const char* VersionFileFilter = "Lin Description File, %1 (*.LDF)";
// Save As in the fixed layout instead of the file's own.
inline constexpr const char* StandardLayoutFileFilter = "Lin Description File, standard layout (*.LDF)";
inline constexpr const char* DefaultSuffix = "ldf";
inline constexpr const char* Ready = "Ready";

// Menus and toolbar.
inline constexpr const char* FileMenu = "&File";
inline constexpr const char* NewItem = "&New";
inline constexpr const char* OpenItem = "&Open...";
inline constexpr const char* SaveItem = "&Save";
inline constexpr const char* SaveAsItem = "Save &As...";
inline constexpr const char* LastFileItem = "Last File";
inline constexpr const char* CompareItem = "Compare with...";
inline constexpr const char* ExitItem = "E&xit";
inline constexpr const char* EditMenu = "&Edit";
inline constexpr const char* UndoItem = "&Undo";
inline constexpr const char* RedoItem = "&Redo";
inline constexpr const char* ReformatItem = "Re&format";
inline constexpr const char* CopyItem = "&Copy";
inline constexpr const char* PasteItem = "&Paste";
inline constexpr const char* DuplicateItem = "&Duplicate";
inline constexpr const char* ViewMenu = "&View";
inline constexpr const char* FileToolbarItem = "&File Toolbar";
inline constexpr const char* StatusToolbarItem = "&Status Toolbar";
inline constexpr const char* ErrorsHintsItem = "&Errors / Hints...";
inline constexpr const char* HexadecimalItem = "&Hexadecimal";
inline constexpr const char* HelpMenu = "&?";
inline constexpr const char* HelpItem = "&Help";
inline constexpr const char* AboutItem = "&About Duvazadi";
inline constexpr const char* ToolbarTitle = "File";
inline constexpr const char* SaveAnywayButton = "Save anyway";

// Status-bar prompt, then after the line feed the tooltip.
inline constexpr const char* NewPrompt = "Creates a new document. \nNew";
inline constexpr const char* OpenPrompt = "Opens an existing document. \nOpen";
inline constexpr const char* SavePrompt = "Saves the document.\nSave";
inline constexpr const char* ReformatPrompt = "Writes the whole file in the standard layout when next saved.\nReformat";
inline constexpr const char* SaveAsPrompt = "Saves the document with new name.\nSave as";
inline constexpr const char* ComparePrompt =
    "Shows what differs between the open network and another file.\nCompare with";
inline constexpr const char* RecentFilePrompt = "Opens the document.";
inline constexpr const char* ExitPrompt = "Exits the application; Will ask you if you want to save document.\nExit";
inline constexpr const char* AboutPrompt = "Displays the program information and copyright\nInfo";
inline constexpr const char* UndoPrompt = "Undoes the last change.\nUndo";
inline constexpr const char* RedoPrompt = "Redoes the last undone change.\nRedo";
inline constexpr const char* ToolbarPrompt = "Shows the file tool bar.\n Show/Hide tool bar";
inline constexpr const char* StatusBarPrompt = "Show the status bar\nShow/Hide status bar";
inline constexpr const char* CopyPrompt = "Copies the selected entities as LDF text.\nCopy";
inline constexpr const char* PastePrompt = "Adds the entities of the LDF text on the clipboard.\nPaste";
inline constexpr const char* DuplicatePrompt = "Adds a copy of the selected entities.\nDuplicate";
inline constexpr const char* HexadecimalPrompt =
    "Shows ids, NADs, product ids, message ids and initial values in hexadecimal.\nHexadecimal";
inline constexpr const char* ErrorsHintsPrompt =
    "Shows the errors and hints of the file as it was opened.\nErrors / Hints";

// Errors / Hints dialog.
inline constexpr const char* FileCaption = "File: ";
inline constexpr const char* ErrorsHintsGroup = "Errors / Hints";
inline constexpr const char* NoErrors = "No errors";
inline constexpr const char* CloseButton = "Close";
inline constexpr const char* CloseTip = "Close window";
inline constexpr const char* MessageListTip = "Errors with line number will be selected";
inline constexpr const char* FileTextTip = "Read file";

// Compare with dialog.
inline constexpr const char* CompareCaption = "Compare with: ";
inline constexpr const char* NoDifferences = "No differences";
inline constexpr const char* DifferenceListTip = "The item of the chosen difference will be selected in the tree";

// About box.
inline constexpr const char* AboutCaption = "About Duvazadi";
inline constexpr const char* Version = "2.06";
inline constexpr const char* Maker = "Roreve";
inline constexpr const char* AboutText =
    "This program supports you in creating your Lin Discription File (LDF Version 2.0), which mappes your LIN "
    "network in a single ASCII File.";

}  // namespace ui
