#include "allocator/ProgramAllocator.h"
#include "app/CMainFrame.h"
#include "app/EditorApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    ConfigureProgramAllocator();
    QApplication app(argc, argv);
    ConfigureApplication();
    CMainFrame frame;
    StartEditor(frame, QApplication::arguments());
    return app.exec();
}
