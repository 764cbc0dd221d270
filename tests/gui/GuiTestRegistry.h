#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// The QtTest classes of the gui_tests program; each registers itself with
// REGISTER_GUI_TEST(ClassName) in its source file.
class GuiTestRegistry {
public:
    struct Entry {
        const char* name;
        std::function<std::unique_ptr<QObject>()> create;
    };

    static std::vector<Entry>& Entries()
    {
        static std::vector<Entry> entries;
        return entries;
    }

    GuiTestRegistry(const char* name, std::function<std::unique_ptr<QObject>()> create)
    {
        Entries().push_back({name, std::move(create)});
    }
};

#define REGISTER_GUI_TEST(Class)                                                                                       \
    static GuiTestRegistry Class##Registration(#Class, [] { return std::unique_ptr<QObject>(new Class); })
