// Runs every registered QtTest class in one process, so the widget tests
// link once. Pass a class name to run only that class; QtTest's options
// may follow it.

#include "GuiTestRegistry.h"
#include "app/EditorApp.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <vector>

int main(int argc, char* argv[])
{
    // The editor keeps recent files and the window geometry in the user's
    // settings; the tests keep theirs in a folder of their own.
    QTemporaryDir settingsFolder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(settingsFolder.path()));

    QApplication app(argc, argv);
    ConfigureApplication();
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    // QtTest's own options (-nocrashhandler, -v2, ...) go to every class.
    std::vector<char*> options = {argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i)
        options.push_back(argv[i]);
    int failures = 0;
    for (const auto& entry : GuiTestRegistry::Entries()) {
        if (only && std::strcmp(only, entry.name) != 0)
            continue;
        std::unique_ptr<QObject> test = entry.create();
        failures += QTest::qExec(test.get(), static_cast<int>(options.size()), options.data());
    }
    return failures == 0 ? 0 : 1;
}
