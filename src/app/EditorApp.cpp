#include "app/EditorApp.h"

#include "app/CMainFrame.h"
#include "gui/AppTexts.h"

#include <QApplication>
#include <QIcon>

void ConfigureApplication()
{
    Q_INIT_RESOURCE(duvazadi);
    QCoreApplication::setOrganizationName(QStringLiteral("Roreve"));
    QCoreApplication::setApplicationName(QLatin1String(ui::AppTitle));
    QCoreApplication::setApplicationVersion(QLatin1String(ui::Version));
    QGuiApplication::setDesktopFileName(QStringLiteral("duvazadi"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/duvazadi-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
}

void StartEditor(CMainFrame& frame, const QStringList& arguments)
{
    const bool opened = arguments.size() > 1 && frame.OpenDocument(arguments.at(1));
    if (!opened)
        frame.NewDocument();
    frame.ShowAbout();
    frame.show();
}
