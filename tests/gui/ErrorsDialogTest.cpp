#include "app/ErrorsDialog.h"
#include "GuiTestRegistry.h"
#include "controls/FileTextView.h"
#include "gui/TextCodec.h"
#include "model/LinNetwork.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace {

LinNetwork NetworkWithText(const std::string& text, const std::string& path = "/data/body.ldf")
{
    LinNetwork network;
    network.filePath = path;
    network.fileText = text;
    return network;
}

}  // namespace

class ErrorsDialogTest : public QObject {
    Q_OBJECT

    // Chooses the message in the list as a user would, and returns what the
    // text box then shows selected.
    static QString ChooseMessage(ErrorsDialog& dialog, int row)
    {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("messageList"));
        list->setCurrentRow(row);
        return FileText(dialog).SelectedText();
    }

    static FileTextView& FileText(ErrorsDialog& dialog)
    {
        return *dialog.findChild<FileTextView*>(QStringLiteral("fileText"));
    }

private Q_SLOTS:
    void messagesSelectLinesCountedByLineFeeds()
    {
        // CR LF line ends, a stray CR inside line 2, no LF after the last line.
        LinNetwork network = NetworkWithText("first\r\nsec\rond\r\nthird\r\nlast");
        network.messages.Add(2, "Wrong keyword");
        network.messages.Add(0, "Protocoll version undefined");
        network.messages.Add(3, "No double point");
        network.messages.Add(1, "Assignment false");
        network.messages.Add(4, "Garbage");
        network.messages.Add(9, "Beyond the end");
        const TextCodec codec = TextCodec::ForFileText(network.fileText);
        ErrorsDialog dialog(network, codec);

        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("messageList"));
        QCOMPARE(list->count(), 6);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Z: 2 Wrong keyword"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Protocoll version undefined"));

        QCOMPARE(ChooseMessage(dialog, 0), QString::fromUtf8("sec\u240Dond"));
        QCOMPARE(ChooseMessage(dialog, 2), QStringLiteral("third"));
        QCOMPARE(ChooseMessage(dialog, 3), QStringLiteral("first"));
        QCOMPARE(ChooseMessage(dialog, 4), QStringLiteral("last"));
        // A line the text does not have: the start shown, nothing selected.
        QCOMPARE(ChooseMessage(dialog, 5), QString());
        QCOMPARE(FileText(dialog).SelectedLine(), -1);
        QCOMPARE(FileText(dialog).verticalScrollBar()->value(), 0);
        // A message without a line leaves the selection alone.
        ChooseMessage(dialog, 2);
        QCOMPARE(ChooseMessage(dialog, 1), QStringLiteral("third"));
    }

    // A long file is shown without a copy of its text: the chosen line is
    // scrolled into view, and Ctrl+C copies it as shown.
    void longTextScrollsToTheChosenLineAndCopiesIt()
    {
        std::string text;
        for (int line = 1; line <= 5000; ++line)
            text += "line " + std::to_string(line) + "\r\n";
        LinNetwork network = NetworkWithText(text);
        network.messages.Add(4000, "Wrong keyword");
        ErrorsDialog dialog(network, TextCodec::ForFileText(network.fileText));
        dialog.show();
        FileTextView& view = FileText(dialog);
        QCOMPARE(ChooseMessage(dialog, 0), QStringLiteral("line 4000"));
        const int first = view.verticalScrollBar()->value();
        QVERIFY(first > 3000 && first < 4000);
        QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("line 4000"));
    }

    void displayTextBreaksOnlyAtLineFeeds()
    {
        const QString shown = ErrorsDialog::DisplayText(QStringLiteral("a\r\nb\rc\r\r\nd\u2029e"));
        QCOMPARE(shown, QString::fromUtf8("a\nb\u240Dc\u240D\nd\uFFFDe"));
    }

    void emptyLogShowsNoErrorsInADisabledList()
    {
        const LinNetwork network = NetworkWithText("LIN_description_file;\n", "/data/clean network.ldf");
        ErrorsDialog dialog(network, TextCodec::ForFileText(network.fileText));
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("messageList"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("No errors"));
        QVERIFY(!list->isEnabled());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("File: clean network.ldf"));
    }

    void latin1FileTextIsShownByteForByte()
    {
        LinNetwork network = NetworkWithText("unit \"\xB0"
                                             "C\";\n");
        network.messages.Add(1, "Unit \xB0"
                                "C");
        ErrorsDialog dialog(network, TextCodec::ForFileText(network.fileText));
        QCOMPARE(ChooseMessage(dialog, 0), QString::fromUtf8("unit \"\u00B0C\";"));
        QCOMPARE(dialog.findChild<QListWidget*>(QStringLiteral("messageList"))->item(0)->text(),
                 QString::fromUtf8("Z: 1 Unit \u00B0C"));
    }
};

REGISTER_GUI_TEST(ErrorsDialogTest);

#include "ErrorsDialogTest.moc"
