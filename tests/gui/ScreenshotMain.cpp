// Renders the editor window offscreen with a file open and every category
// expanded, and saves it as a PNG:
//   gui_screenshot FILE OUT.png [--select PATH] [--row N] [--menu tree|list] [--sheet] [--find TEXT]
//                  [--data HEX] [--hex] [--paste FILE] [--errors N]
// Without --select the first red item is selected. PATH names a tree item by
// its texts ("Nodes/Light"); --row selects a row of the data list; --menu
// draws the context menu of the tree's item or of the list's row over the
// window; --sheet saves the sheet that Properties opens instead, every page
// of it side by side; --find types TEXT into the tree's find line; --hex
// turns View > Hexadecimal on; --paste puts FILE's text on the clipboard
// and runs Edit > Paste; --errors saves the Errors / Hints dialog that Open
// shows instead, with its message N chosen.

#include "DataListRows.h"
#include "TreeItemPath.h"
#include "allocator/ProgramAllocator.h"
#include "app/CMainFrame.h"
#include "app/EditorApp.h"
#include "editing/TreeCommands.h"
#include "views/DataView.h"
#include "views/NavView.h"
#include "views/PicturePane.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include <cstdio>
#include <cstring>

namespace {

struct Options {
    QString file;
    QString out;
    QString select;
    int row = -1;
    QString menu;  // "tree", "list" or empty
    bool sheet = false;
    QString find;
    QString data;      // typed into the frame layout's Data field
    bool hex = false;  // View > Hexadecimal
    QString paste;     // a file whose text Edit > Paste takes from the clipboard
    int errors = -1;   // the message chosen in the Errors / Hints dialog saved instead
};

bool ParseOptions(int argc, char* argv[], Options& options)
{
    if (argc < 3)
        return false;
    options.file = QString::fromLocal8Bit(argv[1]);
    options.out = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--select") == 0 && hasValue)
            options.select = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--row") == 0 && hasValue) {
            bool isNumber = false;
            options.row = QString::fromLocal8Bit(argv[++i]).toInt(&isNumber);
            if (!isNumber || options.row < 0)
                return false;
        } else if (std::strcmp(argv[i], "--menu") == 0 && hasValue)
            options.menu = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--sheet") == 0)
            options.sheet = true;
        else if (std::strcmp(argv[i], "--find") == 0 && hasValue)
            options.find = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--data") == 0 && hasValue)
            options.data = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--hex") == 0)
            options.hex = true;
        else if (std::strcmp(argv[i], "--paste") == 0 && hasValue)
            options.paste = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--errors") == 0 && hasValue) {
            bool isNumber = false;
            options.errors = QString::fromLocal8Bit(argv[++i]).toInt(&isNumber);
            if (!isNumber || options.errors < 0)
                return false;
        } else
            return false;
    }
    return options.menu.isEmpty() || options.menu == QLatin1String("tree") || options.menu == QLatin1String("list");
}

QTreeWidgetItem* FirstRedItem(const NavView& tree)
{
    for (QTreeWidgetItemIterator it(const_cast<NavView*>(&tree)); *it; ++it)
        if (tree.GetItemColor(tree.HandleOf(*it)) == ItemMarks::kRed)
            return *it;
    return nullptr;
}

// Over the item or row, or near the top left corner without one (a null
// rectangle).
void OpenContextMenu(QAbstractItemView& view, const QRect& over)
{
    const QPoint pos = over.isNull() ? QPoint(20, 20) : over.center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view.viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view.viewport(), &event);
}

// The dialog once per page of its tabs, side by side.
QPixmap EveryTab(QDialog& dialog)
{
    auto* tabs = dialog.findChild<QTabWidget*>();
    const int pages = tabs ? tabs->count() : 1;
    QPixmap picture(dialog.width() * pages, dialog.height());
    QPainter painter(&picture);
    for (int page = 0; page < pages; ++page) {
        if (tabs)
            tabs->setCurrentIndex(page);
        QApplication::processEvents();
        painter.drawPixmap(page * dialog.width(), 0, dialog.grab());
    }
    return picture;
}

bool Save(const QPixmap& picture, const QString& path)
{
    if (picture.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Allocates as the editor does.
    ConfigureProgramAllocator();
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s FILE OUT.png [--select PATH] [--row N] [--menu tree|list] [--sheet] [--find TEXT] "
                     "[--data HEX] [--hex] [--paste FILE] [--errors N]\n",
                     argv[0]);
        return 2;
    }
    QTemporaryDir settingsFolder;  // leaves the user's recent files alone
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.path()));
    QApplication app(argc, argv);
    ConfigureApplication();

    CMainFrame frame;
    frame.SetDialogRunner([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    frame.SetUrlOpener([](const QUrl&) { return false; });
    frame.resize(1100, 720);
    frame.LayOutPanes();
    bool saved = false;
    if (options.errors >= 0)
        frame.SetDialogRunner([&](QDialog& dialog) {
            dialog.show();
            dialog.findChild<QListWidget*>(QStringLiteral("messageList"))->setCurrentRow(options.errors);
            if (QTest::qWaitForWindowExposed(&dialog))
                saved = Save(dialog.grab(), options.out);
            dialog.hide();
            return static_cast<int>(QDialog::Rejected);
        });
    if (!frame.OpenDocument(options.file)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(options.file));
        return 1;
    }
    if (options.errors >= 0)
        return saved ? 0 : 1;
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame))
        return 1;
    NavView& tree = frame.Navigation();
    DataView& list = frame.Data();
    tree.expandAll();
    QTreeWidgetItem* item =
        options.select.isEmpty() ? FirstRedItem(tree) : FindItemByTexts(tree, options.select.split(QLatin1Char('/')));
    if (!options.select.isEmpty() && !item) {
        std::fprintf(stderr, "no tree item %s\n", qPrintable(options.select));
        return 1;
    }
    tree.setCurrentItem(item);
    tree.scrollToItem(item);
    const QModelIndex row = options.row >= 0 ? ListRow(list, options.row) : QModelIndex();
    if (options.row >= 0 && !row.isValid()) {
        std::fprintf(stderr, "no list row %d\n", options.row);
        return 1;
    }
    list.setCurrentIndex(row);
    if (options.hex)
        frame.findChild<QAction*>(QStringLiteral("actionHexadecimal"))->trigger();
    if (!options.paste.isEmpty()) {
        QFile pasted(options.paste);
        if (!pasted.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(options.paste));
            return 1;
        }
        QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted.readAll()));
        frame.findChild<QAction*>(QStringLiteral("actionPaste"))->trigger();
        tree.scrollToItem(tree.currentItem());
    }
    if (!options.find.isEmpty())
        tree.SetFilterText(options.find);
    if (!options.data.isEmpty())
        frame.Pictures().DataField().setText(options.data);
    QApplication::processEvents();

    if (options.sheet) {
        frame.SetDialogRunner([&](QDialog& dialog) {
            dialog.show();
            if (QTest::qWaitForWindowExposed(&dialog))
                saved = Save(EveryTab(dialog), options.out);
            dialog.hide();
            return static_cast<int>(QDialog::Rejected);
        });
        if (row.isValid())
            list.RunCommand(kCommandProperties);
        else
            tree.RunCommand(kCommandProperties);
        if (!saved)
            std::fprintf(stderr, "no sheet opened\n");
        return saved ? 0 : 1;
    }
    if (!options.menu.isEmpty()) {
        frame.SetMenuRunner([&](QMenu& menu, const QPoint& pos) -> QAction* {
            menu.popup(pos);
            if (!QTest::qWaitForWindowExposed(&menu))
                return nullptr;
            QPixmap picture = frame.grab();
            QPainter painter(&picture);
            painter.drawPixmap(menu.pos() - frame.mapToGlobal(QPoint(0, 0)), menu.grab());
            painter.end();
            saved = Save(picture, options.out);
            menu.close();
            return nullptr;
        });
        if (options.menu == QLatin1String("tree"))
            OpenContextMenu(tree, tree.visualItemRect(item));
        else
            OpenContextMenu(list, ListRowRect(list, options.row));
        return saved ? 0 : 1;
    }
    return Save(frame.grab(), options.out) ? 0 : 1;
}
