#pragma once

#include "app/RecentFiles.h"
#include "controls/WebLinkLabel.h"
#include "gui/DialogRunner.h"
#include "model/LinDialect.h"

#include <QMainWindow>
#include <QMessageBox>

#include <functional>
#include <optional>
#include <vector>

class CDuvazadiDoc;
class DataView;
class NavView;
class PicturePane;
class QLabel;
class QMenu;
class QSplitter;
class TreePosition;

// The editor window: menus, toolbar, status bar, and the three panes (the
// navigation tree left; the position line above the data list right). It
// owns the document and carries out the File commands, asking before work
// would be lost.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // Asks for a file name; empty when the user cancels. Tests replace it.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    // What Save As asks for: the file, and the LDF version to write it in
    // (none: the version the network has).
    struct SaveChoice {
        SaveChoice(QString chosenPath = QString(), std::optional<lin::Dialect> chosenDialect = std::nullopt)
            : path(std::move(chosenPath)), dialect(chosenDialect)
        {
        }
        QString path;
        std::optional<lin::Dialect> dialect;
        bool standardLayout = false;  // the fixed layout instead of the file's own
    };
    using SaveChooser = std::function<SaveChoice(QWidget* parent, const QString& suggestedPath)>;

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Modal dialogs, message boxes and sheets run through this, popup menus
    // through the menu runner; tests pass their own.
    void SetDialogRunner(DialogRunner runner) { m_modals.dialog = std::move(runner); }
    void SetMenuRunner(MenuRunner runner) { m_modals.menu = std::move(runner); }
    void SetUrlOpener(WebLinkLabel::UrlOpener opener) { m_urlOpener = std::move(opener); }
    void SetFileChoosers(FileChooser open, SaveChooser save);

    // The File commands. Each returns whether it was carried out.
    bool NewDocument();
    bool OpenDocument(const QString& path);
    bool SaveDocument();
    bool SaveDocumentAs();
    // Asks whether to save a modified document: true unless the user
    // cancels or the save fails.
    bool MaySaveChanges();
    // The File > Exit command: closes the window unless the user cancels.
    void Exit();

    void ShowAbout();
    void ShowHelp();
    // The tree W*10/45 wide, the position line 20 pixels high, for the
    // window's current size.
    void LayOutPanes();

    CDuvazadiDoc& Document() const { return *m_document; }
    NavView& Navigation() const { return *m_navigation; }
    DataView& Data() const { return *m_data; }
    TreePosition& Position() const { return *m_position; }
    PicturePane& Pictures() const { return *m_pictures; }
    QString StatusText() const;
    const RecentFiles& Recent() const { return m_recent; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class OverwriteChoice { Overwrite, SaveElsewhere, Cancel };

    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreatePanes();
    void ConnectDocument();

    void OnNetworkReplaced();
    void UpdateEditActions();
    void UpdateTitle();
    void UpdateRecentActions();
    void RememberRecent(const QString& path);
    void ForgetRecent(const QString& path);
    void StoreRecent();
    void FocusNextPane(int step);
    bool SaveTo(const QString& path, bool standardLayout = false);
    bool MaySaveLeavingOut(bool standardLayout);
    QString UnreadStatementsText(const std::vector<std::string>& unread) const;
    // Turns the network into what a file of the version holds, as one undo
    // step, once the user agreed to lose what that version cannot hold.
    // Tells whether the network changed; nullopt when the user cancelled.
    std::optional<bool> ConvertForSaving(lin::Dialect dialect);
    // The lines of a list shown in a question, the first twenty of them.
    QString ListedLines(const std::vector<std::string>& lines) const;
    // Why saving over path needs the user's word first; empty when it does not.
    QString OverwriteWarning(const QString& path) const;
    OverwriteChoice AskBeforeOverwriting(const QString& warning, bool offerSaveAs);
    // A message box; saveText, when given, names the Save button.
    QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton, const char* saveText = nullptr);
    void ShowErrorsDialog();
    void CompareWithFile();
    // View > Hexadecimal: the base ids are shown in, kept for the next start.
    void ShowIdsInHex(bool hex);

    CDuvazadiDoc* m_document;
    NavView* m_navigation = nullptr;
    DataView* m_data = nullptr;
    TreePosition* m_position = nullptr;
    PicturePane* m_pictures = nullptr;
    QSplitter* m_mainSplitter = nullptr;
    QSplitter* m_rightSplitter = nullptr;
    QLabel* m_statusMessage = nullptr;
    bool m_panesReady = false;

    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_compareAction = nullptr;
    QAction* m_exitAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_reformatAction = nullptr;
    QAction* m_toolBarAction = nullptr;
    QAction* m_statusBarAction = nullptr;
    QAction* m_errorsAction = nullptr;
    QAction* m_hexAction = nullptr;
    QMenu* m_editMenu = nullptr;
    QAction* m_helpAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_lastFilePlaceholder = nullptr;
    std::vector<QAction*> m_recentActions;

    RecentFiles m_recent;
    ModalRunners m_modals;
    WebLinkLabel::UrlOpener m_urlOpener;
    FileChooser m_chooseOpenPath;
    SaveChooser m_chooseSavePath;
};
