#include "controls/WebLinkLabel.h"
#include "DialogRecorder.h"
#include "GuiTestRegistry.h"
#include "app/RecentFiles.h"

#include <QTest>

class WebLinkLabelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failureTexts_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("no file") << 2 << "Unable to open hyperlink:\n\nThe specified file was not found.";
        QTest::newRow("no association")
            << 31
            << "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.";
        QTest::newRow("sharing") << 26 << "Unable to open hyperlink:\n\nA sharing violation occurred. ";
        QTest::newRow("unknown") << 42 << "Unable to open hyperlink:\n\nUnknown Error (42) occurred.";
    }

    void failureTexts()
    {
        QFETCH(int, result);
        QFETCH(QString, text);
        QCOMPARE(WebLinkLabel::FailureText(result), text);
    }

    void clickOpensTheTargetAndReportsFailures()
    {
        QList<QUrl> opened;
        bool succeed = false;
        DialogRecorder dialogs;
        WebLinkLabel link(QStringLiteral("https://example.org/lin"), QString());
        link.SetUrlOpener([&](const QUrl& url) {
            opened << url;
            return succeed;
        });
        link.SetDialogRunner(dialogs.Runner());
        link.resize(200, 20);
        QCOMPARE(link.text(), QStringLiteral("https://example.org/lin"));
        QCOMPARE(link.toolTip(), QStringLiteral("https://example.org/lin"));
        QCOMPARE(link.CurrentColour(), QColor(0, 0, 238));

        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("https://example.org/lin"))}));
        QCOMPARE(dialogs.texts, QStringList({WebLinkLabel::FailureText(WebLinkLabel::kNoAssociation)}));
        QVERIFY(!link.IsVisited());

        succeed = true;
        QTest::mouseClick(&link, Qt::LeftButton);
        QVERIFY(link.IsVisited());
        QCOMPARE(link.CurrentColour(), QColor(85, 26, 139));
        QCOMPARE(dialogs.texts.size(), 1);
    }

    void recentFilesKeepTheLastFiveOnce()
    {
        RecentFiles recent;
        for (const char* path : {"/a.ldf", "/b.ldf", "/c.ldf", "/d.ldf", "/e.ldf", "/f.ldf", "/c.ldf"})
            recent.Add(QLatin1String(path));
        QCOMPARE(recent.Files(), QStringList({"/c.ldf", "/f.ldf", "/e.ldf", "/d.ldf", "/b.ldf"}));
    }
};

REGISTER_GUI_TEST(WebLinkLabelTest);

#include "WebLinkLabelTest.moc"
