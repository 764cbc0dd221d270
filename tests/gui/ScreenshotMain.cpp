// Renders the editor window offscreen with a file open, every category
// expanded and the first red item selected, and saves it as a PNG:
//   gui_screenshot FILE OUT.png

#include "app/CMainFrame.h"
#include "app/EditorApp.h"
#include "views/NavView.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FILE OUT.png\n", argv[0]);
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
    if (!frame.OpenDocument(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    frame.show();
    NavView& tree = frame.Navigation();
    tree.expandAll();
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        if (tree.GetItemColor(tree.HandleOf(*it)) == ItemMarks::kRed) {
            tree.setCurrentItem(*it);
            break;
        }
    }
    QApplication::processEvents();
    if (!frame.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
