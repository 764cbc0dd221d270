#include "app/CMainFrame.h"

#include "app/AboutBox.h"
#include "app/ClipboardActions.h"
#include "app/CompareDialog.h"
#include "app/ErrorsDialog.h"
#include "app/Help.h"
#include "editing/ListCommands.h"
#include "editing/NumberDisplay.h"
#include "gui/AppTexts.h"
#include "gui/CDuvazadiDoc.h"
#include "ldf/Keywords.h"
#include "model/DialectConversion.h"
#include "model/LinNetwork.h"
#include "model/UnreadPlaces.h"
#include "sheets/SheetRegistry.h"
#include "views/ContextMenus.h"
#include "views/DataView.h"
#include "views/NavView.h"
#include "views/PicturePane.h"
#include "views/TreePosition.h"
#include "writer/LdfWriter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const char* const kGeometryKey = "MainWindow/geometry";
const char* const kWindowStateKey = "MainWindow/state";
const char* const kHexadecimalKey = "View/hexadecimal";
const char* const kLdfSuffix = ".ldf";
constexpr int kPositionLineHeight = 20;
constexpr QSize kDefaultSize(1000, 680);

// A prompt is the status-bar text, then after a line feed the tooltip.
void ApplyPrompt(QAction* action, const char* prompt)
{
    const QString text = QString::fromLatin1(prompt);
    const auto lineFeed = text.indexOf(u'\n');
    action->setStatusTip(text.left(lineFeed));
    if (lineFeed >= 0)
        action->setToolTip(text.mid(lineFeed + 1));
}

QIcon ThemeIcon(const char* name, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(name), QApplication::style()->standardIcon(fallback));
}

QString DroppedLdfFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(kLdfSuffix), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

QString FileFilter() { return QLatin1String(ui::FileFilter) + QStringLiteral(";;All files (*)"); }

QString ChooseOpenPath(QWidget* parent, const QString& suggestedPath)
{
    return QFileDialog::getOpenFileName(parent, QString(), QFileInfo(suggestedPath).path(), FileFilter());
}

// The file type chooses the version: the first keeps the network's own,
// each further one writes a version of its own.
QString VersionFilter(lin::Dialect dialect)
{
    return QString::fromLatin1(ui::VersionFileFilter).arg(QString::fromStdString(lin::DialectCaption(dialect)));
}

CMainFrame::SaveChoice ChooseSavePath(QWidget* parent, const QString& suggestedPath)
{
    QStringList filters = {QLatin1String(ui::FileFilter)};
    for (lin::Dialect dialect : lin::Dialects())
        filters << VersionFilter(dialect);
    filters << QLatin1String(ui::StandardLayoutFileFilter);
    QFileDialog dialog(parent, QString(), suggestedPath);
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(ui::DefaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    CMainFrame::SaveChoice choice(dialog.selectedFiles().constFirst());
    for (lin::Dialect dialect : lin::Dialects())
        if (dialog.selectedNameFilter() == VersionFilter(dialect))
            choice.dialect = dialect;
    choice.standardLayout = dialog.selectedNameFilter() == QLatin1String(ui::StandardLayoutFileFilter);
    return choice;
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent), m_document(new CDuvazadiDoc(this)), m_urlOpener(&QDesktopServices::openUrl),
      m_chooseOpenPath(ChooseOpenPath), m_chooseSavePath(ChooseSavePath)
{
    setObjectName(QStringLiteral("mainFrame"));
    setAcceptDrops(true);
    CreateActions();
    CreateToolBar();
    CreateMenus();
    CreateStatusBar();
    CreatePanes();
    ConnectDocument();

    const QSettings settings;
    m_recent.Load(settings);
    UpdateRecentActions();
    resize(kDefaultSize);
    restoreGeometry(settings.value(QLatin1String(kGeometryKey)).toByteArray());
    restoreState(settings.value(QLatin1String(kWindowStateKey)).toByteArray());
    const bool hex = settings.value(QLatin1String(kHexadecimalKey), false).toBool();
    SetIdDisplayBase(hex ? NumberBase::Hexadecimal : NumberBase::Decimal);
    m_hexAction->setChecked(hex);
    LayOutPanes();
    UpdateTitle();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetFileChoosers(FileChooser open, SaveChooser save)
{
    m_chooseOpenPath = std::move(open);
    m_chooseSavePath = std::move(save);
}

bool CMainFrame::NewDocument()
{
    if (!MaySaveChanges())
        return false;
    m_document->NewDocument();
    return true;
}

bool CMainFrame::OpenDocument(const QString& path)
{
    if (!MaySaveChanges())
        return false;
    const QString error = m_document->Open(path);
    if (!error.isEmpty()) {
        Ask(QMessageBox::Critical, error, QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
    RememberRecent(path);
    ShowErrorsDialog();
    return true;
}

bool CMainFrame::SaveDocument()
{
    const QString path = m_document->FilePath();
    if (path.isEmpty())
        return SaveDocumentAs();
    if (const QString warning = OverwriteWarning(path); !warning.isEmpty()) {
        switch (AskBeforeOverwriting(warning, true)) {
        case OverwriteChoice::Overwrite:
            break;
        case OverwriteChoice::SaveElsewhere:
            return SaveDocumentAs();
        case OverwriteChoice::Cancel:
            return false;
        }
    }
    return SaveTo(path);
}

bool CMainFrame::SaveDocumentAs()
{
    const QString suggested = m_document->FilePath().isEmpty()
                                  ? QDir::current().filePath(m_document->DisplayName() + QLatin1String(kLdfSuffix))
                                  : m_document->FilePath();
    const SaveChoice choice = m_chooseSavePath(this, suggested);
    if (choice.path.isEmpty())
        return false;
    const QString warning = OverwriteWarning(choice.path);
    if (!warning.isEmpty() && AskBeforeOverwriting(warning, false) != OverwriteChoice::Overwrite)
        return false;
    const std::optional<bool> converted = choice.dialect ? ConvertForSaving(*choice.dialect) : false;
    if (!converted)
        return false;
    if (SaveTo(choice.path, choice.standardLayout))
        return true;
    // A file not written in the version keeps the network as it was.
    if (*converted)
        m_document->Undo();
    return false;
}

bool CMainFrame::MaySaveChanges()
{
    if (!m_document->IsModified())
        return true;
    const QString question = tr("Save changes to %1?").arg(m_document->DisplayName());
    switch (Ask(QMessageBox::Question, question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveDocument();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void CMainFrame::Exit() { close(); }

void CMainFrame::ShowAbout()
{
    AboutBox box(this);
    for (WebLinkLabel* link : box.Links()) {
        link->SetUrlOpener(m_urlOpener);
        link->SetDialogRunner(m_modals.dialog);
    }
    m_modals.dialog(box);
}

void CMainFrame::ShowHelp() { ::ShowHelp(this, m_urlOpener); }

void CMainFrame::LayOutPanes()
{
    const int width = this->width();
    const int treeWidth = width * 10 / 45;
    m_mainSplitter->setSizes({treeWidth, width - treeWidth});
    m_rightSplitter->setSizes({kPositionLineHeight, std::max(0, height() - kPositionLineHeight)});
}

QString CMainFrame::StatusText() const { return m_statusMessage->text(); }

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!MaySaveChanges()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue(QLatin1String(kGeometryKey), saveGeometry());
    settings.setValue(QLatin1String(kWindowStateKey), saveState());
    event->accept();
}

// The list and the position line are rebuilt for the selected item at the
// new size.
void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (m_panesReady)
        m_navigation->ShowCurrentItem();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedLdfFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = DroppedLdfFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenDocument(path);
}

void CMainFrame::CreateActions()
{
    const auto makeAction = [this](const char* text, const QString& objectName, const char* prompt) {
        auto* action = new QAction(QLatin1String(text), this);
        action->setObjectName(objectName);
        ApplyPrompt(action, prompt);
        return action;
    };
    m_newAction = makeAction(ui::NewItem, QStringLiteral("actionNew"), ui::NewPrompt);
    m_newAction->setShortcut(QKeySequence::New);
    m_newAction->setIcon(ThemeIcon("document-new", QStyle::SP_FileIcon));
    connect(m_newAction, &QAction::triggered, this, &CMainFrame::NewDocument);

    m_openAction = makeAction(ui::OpenItem, QStringLiteral("actionOpen"), ui::OpenPrompt);
    m_openAction->setShortcut(QKeySequence::Open);
    m_openAction->setIcon(ThemeIcon("document-open", QStyle::SP_DialogOpenButton));
    connect(m_openAction, &QAction::triggered, this, [this] {
        const QString path = m_chooseOpenPath(this, m_document->FilePath());
        if (!path.isEmpty())
            OpenDocument(path);
    });

    m_saveAction = makeAction(ui::SaveItem, QStringLiteral("actionSave"), ui::SavePrompt);
    m_saveAction->setShortcut(QKeySequence::Save);
    m_saveAction->setIcon(ThemeIcon("document-save", QStyle::SP_DialogSaveButton));
    connect(m_saveAction, &QAction::triggered, this, &CMainFrame::SaveDocument);

    m_saveAsAction = makeAction(ui::SaveAsItem, QStringLiteral("actionSaveAs"), ui::SaveAsPrompt);
    connect(m_saveAsAction, &QAction::triggered, this, &CMainFrame::SaveDocumentAs);

    m_compareAction = makeAction(ui::CompareItem, QStringLiteral("actionCompare"), ui::ComparePrompt);
    connect(m_compareAction, &QAction::triggered, this, &CMainFrame::CompareWithFile);

    m_lastFilePlaceholder = new QAction(QLatin1String(ui::LastFileItem), this);
    m_lastFilePlaceholder->setEnabled(false);
    for (int i = 0; i < RecentFiles::kMaxEntries; ++i) {
        auto* action = makeAction("", QStringLiteral("actionRecentFile%1").arg(i + 1), ui::RecentFilePrompt);
        connect(action, &QAction::triggered, this, [this, i] {
            const QString path = m_recent.Files().value(i);
            if (!path.isEmpty() && !OpenDocument(path) && !QFileInfo::exists(path))
                ForgetRecent(path);
        });
        m_recentActions.push_back(action);
    }

    m_exitAction = makeAction(ui::ExitItem, QStringLiteral("actionExit"), ui::ExitPrompt);
    connect(m_exitAction, &QAction::triggered, this, &CMainFrame::Exit);

    m_undoAction = makeAction(ui::UndoItem, QStringLiteral("actionUndo"), ui::UndoPrompt);
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_undoAction->setIcon(ThemeIcon("edit-undo", QStyle::SP_ArrowBack));
    connect(m_undoAction, &QAction::triggered, this, [this] { m_document->Undo(); });

    m_redoAction = makeAction(ui::RedoItem, QStringLiteral("actionRedo"), ui::RedoPrompt);
    m_redoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    m_redoAction->setIcon(ThemeIcon("edit-redo", QStyle::SP_ArrowForward));
    connect(m_redoAction, &QAction::triggered, this, [this] { m_document->Redo(); });

    m_reformatAction = makeAction(ui::ReformatItem, QStringLiteral("actionReformat"), ui::ReformatPrompt);
    connect(m_reformatAction, &QAction::triggered, this, [this] { m_document->Reformat(); });

    m_statusBarAction = makeAction(ui::StatusToolbarItem, QStringLiteral("actionStatusBar"), ui::StatusBarPrompt);
    m_statusBarAction->setCheckable(true);
    m_statusBarAction->setChecked(true);
    connect(m_statusBarAction, &QAction::toggled, this, [this](bool shown) { statusBar()->setVisible(shown); });

    m_errorsAction = makeAction(ui::ErrorsHintsItem, QStringLiteral("actionErrorsHints"), ui::ErrorsHintsPrompt);
    m_errorsAction->setEnabled(false);
    connect(m_errorsAction, &QAction::triggered, this, &CMainFrame::ShowErrorsDialog);

    m_hexAction = makeAction(ui::HexadecimalItem, QStringLiteral("actionHexadecimal"), ui::HexadecimalPrompt);
    m_hexAction->setCheckable(true);
    connect(m_hexAction, &QAction::toggled, this, &CMainFrame::ShowIdsInHex);

    m_helpAction = makeAction(ui::HelpItem, QStringLiteral("actionHelp"), "");
    m_helpAction->setShortcut(QKeySequence::HelpContents);
    connect(m_helpAction, &QAction::triggered, this, &CMainFrame::ShowHelp);

    m_aboutAction = makeAction(ui::AboutItem, QStringLiteral("actionAbout"), ui::AboutPrompt);
    m_aboutAction->setIcon(ThemeIcon("help-about", QStyle::SP_MessageBoxInformation));
    connect(m_aboutAction, &QAction::triggered, this, &CMainFrame::ShowAbout);

    auto* nextPane = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(nextPane, &QShortcut::activated, this, [this] { FocusNextPane(1); });
    auto* previousPane = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    connect(previousPane, &QShortcut::activated, this, [this] { FocusNextPane(-1); });
}

void CMainFrame::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QLatin1String(ui::FileMenu));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addActions({m_newAction, m_openAction, m_saveAction, m_saveAsAction});
    file->addSeparator();
    file->addAction(m_compareAction);
    file->addSeparator();
    file->addAction(m_lastFilePlaceholder);
    for (QAction* action : m_recentActions)
        file->addAction(action);
    file->addSeparator();
    file->addAction(m_exitAction);

    QMenu* edit = menuBar()->addMenu(QLatin1String(ui::EditMenu));
    edit->setObjectName(QStringLiteral("editMenu"));
    m_editMenu = edit;
    edit->addActions({m_undoAction, m_redoAction});
    edit->addSeparator();
    edit->addAction(m_reformatAction);

    QMenu* view = menuBar()->addMenu(QLatin1String(ui::ViewMenu));
    view->setObjectName(QStringLiteral("viewMenu"));
    view->addActions({m_toolBarAction, m_statusBarAction});
    view->addSeparator();
    view->addAction(m_hexAction);
    view->addSeparator();
    view->addAction(m_errorsAction);

    QMenu* help = menuBar()->addMenu(QLatin1String(ui::HelpMenu));
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addActions({m_helpAction, m_aboutAction});
}

void CMainFrame::CreateToolBar()
{
    QToolBar* toolBar = new QToolBar(QLatin1String(ui::ToolbarTitle), this);
    toolBar->setObjectName(QStringLiteral("fileToolBar"));
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->addActions({m_newAction, m_openAction, m_saveAction});
    toolBar->addSeparator();
    toolBar->addAction(m_aboutAction);
    addToolBar(Qt::TopToolBarArea, toolBar);

    m_toolBarAction = toolBar->toggleViewAction();
    m_toolBarAction->setObjectName(QStringLiteral("actionToolBar"));
    m_toolBarAction->setText(QLatin1String(ui::FileToolbarItem));
    ApplyPrompt(m_toolBarAction, ui::ToolbarPrompt);
}

void CMainFrame::CreateStatusBar()
{
    m_statusMessage = new QLabel(QLatin1String(ui::Ready), this);
    m_statusMessage->setObjectName(QStringLiteral("statusMessage"));
    m_statusMessage->setMinimumWidth(1);
    statusBar()->addWidget(m_statusMessage, 1);
}

void CMainFrame::CreatePanes()
{
    m_mainSplitter = new QSplitter(Qt::Horizontal, this);
    m_mainSplitter->setObjectName(QStringLiteral("mainSplitter"));
    m_modals.sheet = [this](const SheetRequest& request, LinNetwork& network, QWidget* parent) {
        return RunSheet(request, network, m_document->Codec(), parent, m_modals.dialog);
    };
    m_navigation = new NavView(*m_document, m_modals, m_mainSplitter);
    m_rightSplitter = new QSplitter(Qt::Vertical, m_mainSplitter);
    m_rightSplitter->setObjectName(QStringLiteral("rightSplitter"));
    m_position = new TreePosition(m_rightSplitter);
    // The pictures sit below the list and take only the height they need.
    auto* dataPane = new QWidget(m_rightSplitter);
    dataPane->setObjectName(QStringLiteral("dataPane"));
    auto* dataColumn = new QVBoxLayout(dataPane);
    dataColumn->setContentsMargins(0, 0, 0, 0);
    m_data = new DataView(*m_document, *m_navigation, m_modals, dataPane);
    m_pictures = new PicturePane(dataPane);
    dataColumn->addWidget(m_data, 1);
    dataColumn->addWidget(m_pictures, 0);
    m_mainSplitter->setStretchFactor(0, 0);
    m_mainSplitter->setStretchFactor(1, 1);
    m_mainSplitter->setChildrenCollapsible(false);
    m_rightSplitter->setStretchFactor(0, 0);
    m_rightSplitter->setStretchFactor(1, 1);
    setCentralWidget(m_mainSplitter);

    connect(m_navigation, &NavView::statusTextChanged, m_statusMessage, &QLabel::setText);
    connect(m_navigation, &NavView::positionChanged, m_position, &TreePosition::SetPath);
    connect(m_navigation, &NavView::itemShown, m_data, [this](QTreeWidgetItem* item) {
        m_data->Clear();
        m_data->Fill(item);
        m_pictures->ShowItem(m_document->Network(), TreeItemRefOf(item));
    });
    // A double-click on a band of the frame layout opens that signal's offset sheet.
    connect(m_pictures, &PicturePane::signalOffsetRequested, this, [this](const QString& frameName, int position) {
        if (const LinNetwork* network = m_document->Network())
            m_navigation->OpenSheet(FrameSignalRequest(*network, m_document->Codec().FromQt(frameName), position));
    });
    // The list of an event-triggered or sporadic frame chooses the member drawn.
    connect(m_data->selectionModel(), &QItemSelectionModel::currentChanged, m_pictures, [this](const QModelIndex& row) {
        if (row.isValid())
            m_pictures->ShowItem(m_document->Network(), TreeItemRefOf(m_navigation->currentItem()),
                                 m_document->Codec().FromQt(row.siblingAtColumn(0).data().toString()));
    });
    // The clipboard acts on the panes' selections.
    auto* clipboard = new ClipboardActions(*m_document, *m_navigation, *m_data, this);
    m_editMenu->addSeparator();
    m_editMenu->addActions(clipboard->Actions());
    m_panesReady = true;
}

void CMainFrame::ConnectDocument()
{
    connect(m_document, &CDuvazadiDoc::networkReplaced, this, &CMainFrame::OnNetworkReplaced);
    connect(m_document, &CDuvazadiDoc::networkChanged, m_navigation, &NavView::RefreshAfterChange);
    connect(m_document, &CDuvazadiDoc::modifiedChanged, this, &QWidget::setWindowModified);
    connect(m_document, &CDuvazadiDoc::filePathChanged, this, &CMainFrame::UpdateTitle);
    connect(m_document, &CDuvazadiDoc::historyChanged, this, &CMainFrame::UpdateEditActions);
    UpdateEditActions();
}

void CMainFrame::OnNetworkReplaced()
{
    // The report of the last load; a new network has none.
    m_errorsAction->setEnabled(!m_document->FilePath().isEmpty());
    m_data->Clear();
    m_navigation->ResetExpansion();
    m_navigation->InitialUpdate();
}

void CMainFrame::ShowIdsInHex(bool hex)
{
    SetIdDisplayBase(hex ? NumberBase::Hexadecimal : NumberBase::Decimal);
    QSettings().setValue(QLatin1String(kHexadecimalKey), hex);
    if (m_panesReady)
        m_navigation->ShowCurrentItem();
}

void CMainFrame::UpdateEditActions()
{
    m_undoAction->setEnabled(m_document->CanUndo());
    m_redoAction->setEnabled(m_document->CanRedo());
    m_reformatAction->setEnabled(m_document->Network() != nullptr);
}

void CMainFrame::UpdateTitle()
{
    setWindowTitle(m_document->DisplayName() + QStringLiteral("[*] - ") + QLatin1String(ui::AppTitle));
    setWindowModified(m_document->IsModified());
}

void CMainFrame::UpdateRecentActions()
{
    const QStringList& files = m_recent.Files();
    m_lastFilePlaceholder->setVisible(files.isEmpty());
    for (std::size_t i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        const auto index = static_cast<qsizetype>(i);
        action->setVisible(index < files.size());
        if (index < files.size())
            action->setText(QStringLiteral("&%1 %2").arg(index + 1).arg(QDir::toNativeSeparators(files.at(index))));
    }
}

void CMainFrame::RememberRecent(const QString& path)
{
    m_recent.Add(QFileInfo(path).absoluteFilePath());
    StoreRecent();
}

void CMainFrame::ForgetRecent(const QString& path)
{
    m_recent.Remove(path);
    StoreRecent();
}

void CMainFrame::StoreRecent()
{
    QSettings settings;
    m_recent.Store(settings);
    UpdateRecentActions();
}

void CMainFrame::FocusNextPane(int step)
{
    const std::vector<QWidget*> panes = {m_navigation, m_data};
    const auto focused = std::find(panes.begin(), panes.end(), focusWidget());
    const auto count = static_cast<int>(panes.size());
    const int current = focused == panes.end() ? (step > 0 ? -1 : 0) : static_cast<int>(focused - panes.begin());
    panes[static_cast<std::size_t>((current + step + count) % count)]->setFocus(Qt::ShortcutFocusReason);
}

bool CMainFrame::SaveTo(const QString& path, bool standardLayout)
{
    if (!MaySaveLeavingOut(standardLayout))
        return false;
    const QString error = m_document->Save(path, standardLayout);
    if (!error.isEmpty()) {
        Ask(QMessageBox::Critical, tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), error),
            QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
    RememberRecent(path);
    return true;
}

// The user decides whether records the file cannot hold, and statements
// the fixed layout does not write, may be lost.
bool CMainFrame::MaySaveLeavingOut(bool standardLayout)
{
    const LinNetwork* network = m_document->Network();
    std::vector<std::string> leftOut;
    if (network)
        for (const LeftOutRecord& record : RecordsLeftOut(*network))
            leftOut.push_back(FormatLeftOut(record));
    const std::vector<std::string> unread = m_document->UnreadStatementsNotSaved(standardLayout);
    if (leftOut.empty() && unread.empty())
        return true;
    QString text;
    if (!leftOut.empty())
        text += tr("The file cannot hold these records; they will not be written:\n\n%1\n\n").arg(ListedLines(leftOut));
    text += UnreadStatementsText(unread) + tr("Save anyway?");
    return Ask(QMessageBox::Warning, text, QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel,
               ui::SaveAnywayButton) == QMessageBox::Save;
}

std::optional<bool> CMainFrame::ConvertForSaving(lin::Dialect dialect)
{
    const LinNetwork* network = m_document->Network();
    if (!network)
        return false;
    std::vector<std::string> losses;
    for (const ConversionLoss& loss : ConversionLosses(*network, dialect))
        losses.push_back(FormatLoss(loss));
    // A conversion to another version drops them, as it drops unknown statements.
    const std::vector<std::string> unread =
        lin::DialectOf(*network) == dialect ? std::vector<std::string>() : UnreadStatementsLeftOut(*network);
    if (!losses.empty() || !unread.empty()) {
        QString text;
        if (!losses.empty())
            text += tr("A %1 file cannot hold these; they will be lost:\n\n%2\n\n")
                        .arg(QString::fromStdString(lin::DialectCaption(dialect)), ListedLines(losses));
        text += UnreadStatementsText(unread) + tr("Save anyway?");
        if (Ask(QMessageBox::Warning, text, QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel,
                ui::SaveAnywayButton) != QMessageBox::Save)
            return std::nullopt;
    }
    return m_document->ConvertTo(dialect);
}

// Under their own heading; empty when there are none.
QString CMainFrame::UnreadStatementsText(const std::vector<std::string>& unread) const
{
    if (unread.empty())
        return {};
    return tr("These statements were not read; only the file's own layout keeps them, so they will not be "
              "written:\n\n%1\n\n")
        .arg(ListedLines(unread));
}

QString CMainFrame::ListedLines(const std::vector<std::string>& lines) const
{
    constexpr std::size_t kListed = 20;
    QStringList listed;
    for (std::size_t i = 0; i < lines.size() && i < kListed; ++i)
        listed << m_document->Codec().ToQt(lines[i]);
    if (lines.size() > kListed)
        listed << tr("and %n more", nullptr, static_cast<int>(lines.size() - kListed));
    return listed.join(QLatin1Char('\n'));
}

QString CMainFrame::OverwriteWarning(const QString& path) const
{
    if (m_document->SaveReplacesNonLdfFile(path))
        return tr("%1 is not an LDF file: it has no %2 header.\n\nSaving over it replaces what it holds with this "
                  "network. Save over it anyway?")
            .arg(m_document->DisplayName(), QLatin1String(kw::DescriptionFile));
    if (!m_document->UnreadTextReason().isEmpty() && QFileInfo(path) == QFileInfo(m_document->FilePath()))
        return tr("%1 was not read to its end:\n\n%2\n\nSaving over it loses everything that was not "
                  "read. Save over it anyway?")
            .arg(m_document->DisplayName(), m_document->UnreadTextReason());
    return {};
}

CMainFrame::OverwriteChoice CMainFrame::AskBeforeOverwriting(const QString& warning, bool offerSaveAs)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Save | QMessageBox::Cancel;
    if (offerSaveAs)
        buttons |= QMessageBox::Apply;  // shown as "Save As..."
    switch (Ask(QMessageBox::Warning, warning, buttons, offerSaveAs ? QMessageBox::Apply : QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return OverwriteChoice::Overwrite;
    case QMessageBox::Apply:
        return OverwriteChoice::SaveElsewhere;
    default:
        return OverwriteChoice::Cancel;
    }
}

QMessageBox::StandardButton CMainFrame::Ask(QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton, const char* saveText)
{
    QMessageBox box(icon, QLatin1String(ui::AppTitle), text, buttons, this);
    box.setObjectName(QStringLiteral("questionBox"));
    box.setDefaultButton(defaultButton);
    if (QAbstractButton* saveAs = box.button(QMessageBox::Apply))
        saveAs->setText(QLatin1String(ui::SaveAsItem));
    if (QAbstractButton* save = box.button(QMessageBox::Save); save && saveText)
        save->setText(QLatin1String(saveText));
    return static_cast<QMessageBox::StandardButton>(m_modals.dialog(box));
}

void CMainFrame::CompareWithFile()
{
    const QString path = m_chooseOpenPath(this, m_document->FilePath());
    if (path.isEmpty())
        return;
    const CDuvazadiDoc::Comparison comparison = m_document->CompareWith(path);
    if (!comparison.error.isEmpty()) {
        Ask(QMessageBox::Critical, comparison.error, QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    CompareDialog dialog(
        comparison.differences, m_document->DisplayName(), path, m_document->Codec(),
        [this](const std::vector<std::string>& treePath) { m_navigation->SelectPath(treePath); }, this);
    m_modals.dialog(dialog);
}

void CMainFrame::ShowErrorsDialog()
{
    if (const LinNetwork* network = m_document->Network()) {
        ErrorsDialog dialog(*network, m_document->Codec(), this);
        m_modals.dialog(dialog);
    }
}
