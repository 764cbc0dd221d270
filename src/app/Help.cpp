#include "app/Help.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextBrowser>

namespace {

const char* const kHelpResource = ":/help/index.html";

// A browser cannot read the program's resources: the page is copied to the
// cache folder first. Empty when that fails.
QString ExportHelpPage()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    const QString path = QDir(folder).filePath(QStringLiteral("duvazadi-help.html"));
    QFile::remove(path);
    if (!QFile::copy(QLatin1String(kHelpResource), path))
        return {};
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return path;
}

}  // namespace

void ShowHelp(QWidget* parent, const WebLinkLabel::UrlOpener& opener)
{
    const QString page = ExportHelpPage();
    if (!page.isEmpty() && opener(QUrl::fromLocalFile(page)))
        return;
    auto* browser = new QTextBrowser(parent);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setWindowFlag(Qt::Window);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl(QStringLiteral("qrc") + QLatin1String(kHelpResource)));
    browser->setWindowTitle(browser->documentTitle());
    browser->resize(640, 560);
    browser->show();
}
