// Runs every registered QtTest class in one process, so the widget tests
// link once. Pass a class name to run only that class.

#include "GuiTestRegistry.h"

#include <QApplication>
#include <QTest>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    int failures = 0;
    for (const auto& entry : GuiTestRegistry::Entries()) {
        if (only && std::strcmp(only, entry.name) != 0)
            continue;
        std::unique_ptr<QObject> test = entry.create();
        failures += QTest::qExec(test.get(), 1, argv);
    }
    return failures == 0 ? 0 : 1;
}
