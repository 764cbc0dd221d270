// The editor window's File commands and start-up, driven through stand-ins
// for the modal dialogs.

#include "EditorFixture.h"
#include "GuiTestRegistry.h"
#include "app/EditorApp.h"
#include "gui/CDuvazadiDoc.h"
#include "model/LinNetwork.h"
#include "model/Rename.h"
#include "views/TreePosition.h"
#include "writer/LdfWriter.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTest>

namespace {

const QByteArray kSmallFile = "LIN_description_file;\r\nLIN_protocol_version = \"2.0\";\r\n"
                              "LIN_language_version = \"2.0\";\r\nLIN_speed = 19.2 kbps;\r\n";

const QByteArray kLin21File = "LIN_description_file;\nLIN_protocol_version = \"2.1\";\n"
                              "LIN_language_version = \"2.1\";\nLIN_speed = 19.2 kbps;\n"
                              "Nodes { Master: CEM, 5 ms, 0.1 ms; Slaves: LSM; }\n"
                              "Node_attributes { LSM { LIN_protocol = \"2.1\"; configured_NAD = 0x20;\n"
                              "initial_NAD = 0x01; product_id = 0x4A4F, 0x4841, 1; } }\n";

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QString WriteFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file %s", qPrintable(path));
    return path;
}

class MainFrameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUpWithAFileShowsErrorsHintsBeforeAbout()
    {
        QTemporaryDir folder;
        const QString path = WriteFile(folder, QStringLiteral("body.ldf"), kSmallFile);
        EditorFixture editor;
        StartEditor(*editor.frame, {QStringLiteral("duvazadi"), path});

        QCOMPARE(editor.dialogs.names, QStringList({"errorsDialog", "aboutBox"}));
        QCOMPARE(editor.dialogs.texts.first(), QStringLiteral("File: body.ldf"));
        QVERIFY(editor.frame->isVisible());
        QCOMPARE(editor.frame->windowTitle(), QStringLiteral("body.ldf[*] - Duvazadi"));
        // An opened document counts as modified.
        QVERIFY(editor.frame->isWindowModified());
        QCOMPARE(editor.frame->Recent().Files().value(0), QFileInfo(path).absoluteFilePath());
    }

    void startUpWithoutAFileShowsAboutOverANewDocument()
    {
        EditorFixture editor;
        StartEditor(*editor.frame, {QStringLiteral("duvazadi")});
        QCOMPARE(editor.dialogs.names, QStringList({"aboutBox"}));
        QCOMPARE(editor.frame->windowTitle(), QStringLiteral("Unbenannt[*] - Duvazadi"));
        QVERIFY(!editor.frame->isWindowModified());
    }

    void unreadableFileIsReportedAndTheNetworkStays()
    {
        QTemporaryDir folder;
        EditorFixture editor;
        StartEditor(*editor.frame, {QStringLiteral("duvazadi"), folder.filePath(QStringLiteral("missing.ldf"))});
        // Mended: start-up goes on with a new document instead of ending.
        QCOMPARE(editor.dialogs.names, QStringList({"questionBox", "aboutBox"}));
        QVERIFY(editor.dialogs.texts.first().contains(QStringLiteral("missing.ldf")));
        const LinNetwork* network = editor.frame->Document().Network();
        QVERIFY(network);

        QVERIFY(!editor.frame->OpenDocument(folder.filePath(QStringLiteral("also-missing.ldf"))));
        QCOMPARE(editor.frame->Document().Network(), network);
        QCOMPARE(editor.frame->windowTitle(), QStringLiteral("Unbenannt[*] - Duvazadi"));
    }

    void leavingAModifiedDocumentAsksFirst()
    {
        QTemporaryDir folder;
        const QString path = WriteFile(folder, QStringLiteral("body.ldf"), kSmallFile);
        EditorFixture editor;
        editor.frame->NewDocument();
        editor.frame->show();
        QVERIFY(editor.frame->OpenDocument(path));
        editor.dialogs.names.clear();

        // Opened and not edited: Exit still asks; Cancel keeps the window.
        editor.dialogs.answers = {QMessageBox::Cancel};
        editor.frame->Exit();
        QCOMPARE(editor.dialogs.names, QStringList({"questionBox"}));
        QVERIFY(editor.frame->isVisible());

        editor.dialogs.answers = {QMessageBox::Discard};
        QVERIFY(editor.frame->NewDocument());
        QVERIFY(!editor.frame->isWindowModified());

        // Mended: an edit of a new network marks it modified, so New asks.
        editor.dialogs.names.clear();
        editor.frame->Document().ChangeOutsideHistory(
            [](LinNetwork& network) { network.slaves.Append(std::make_unique<LinNode>("Door")); });
        QVERIFY(editor.frame->isWindowModified());
        QCOMPARE(editor.frame->windowTitle(), QStringLiteral("Unbenannt[*] - Duvazadi"));
        editor.dialogs.answers = {QMessageBox::Cancel};
        QVERIFY(!editor.frame->NewDocument());
        QCOMPARE(editor.dialogs.names, QStringList({"questionBox"}));
        QCOMPARE(editor.frame->Document().Network()->slaves.size(), 2u);

        // Save answers the question: the file is written and the window closes.
        editor.dialogs.answers = {QMessageBox::Save};
        editor.chosenSavePaths = {folder.filePath(QStringLiteral("new.ldf"))};
        QVERIFY(editor.frame->close());
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("new.ldf"))));
    }

    void modifiedFlagTellsWhetherTheFileWouldChange()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("clean.ldf"));
        EditorFixture editor;
        editor.frame->NewDocument();
        editor.chosenSavePaths = {path};
        QVERIFY(editor.frame->SaveDocumentAs());
        QVERIFY(editor.frame->OpenDocument(path));
        CDuvazadiDoc& document = editor.frame->Document();
        QVERIFY(!document.IsModified());

        // Undo back to the state saved clears the flag, redo away sets it.
        const auto addSlave = [](LinNetwork& network) {
            network.slaves.Append(std::make_unique<LinNode>("Door"));
            return true;
        };
        QVERIFY(document.Edit(addSlave));
        QVERIFY(document.IsModified());
        QVERIFY(document.Undo());
        QVERIFY(!document.IsModified());
        QVERIFY(document.Redo());
        QVERIFY(editor.frame->isWindowModified());
        editor.chosenSavePaths = {path};
        QVERIFY(editor.frame->SaveDocumentAs());
        QVERIFY(document.Undo());
        QVERIFY(document.IsModified());
        QVERIFY(document.Redo());
        QVERIFY(!document.IsModified());
        // A new step after undoing past the save never returns to it.
        QVERIFY(document.Undo());
        QVERIFY(document.Edit(addSlave));
        QVERIFY(document.Undo());
        QVERIFY(document.IsModified());

        // A file the load reports on, or the preparation changes, opens modified.
        QByteArray unpublished = ReadFile(path);
        unpublished.replace("Signals {", "Signals {\r\n\tLost: 8, 0, Nobody;");
        const QString repaired = WriteFile(folder, QStringLiteral("repaired.ldf"), unpublished);
        editor.dialogs.answers = {QMessageBox::Discard};
        QVERIFY(editor.frame->OpenDocument(repaired));
        QVERIFY(editor.frame->isWindowModified());
    }

    void saveNamesTheRecordsItWouldLeaveOut()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("lossy.ldf"));
        EditorFixture editor;
        editor.frame->NewDocument();
        editor.frame->Document().ChangeOutsideHistory(
            [](LinNetwork& network) { network.signals.Append(std::make_unique<LinSignal>("Added")); });
        editor.chosenSavePaths = {path, path};
        QVERIFY(!editor.frame->SaveDocumentAs());
        QCOMPARE(editor.dialogs.names, QStringList{"questionBox"});
        QVERIFY(editor.dialogs.texts.last().contains(QStringLiteral("\nSignal Added: no publisher\n")));
        QVERIFY(!QFile::exists(path));

        editor.dialogs.inspect = [](QDialog& dialog) {
            const auto* box = qobject_cast<QMessageBox*>(&dialog);
            QVERIFY(box);
            QCOMPARE(box->button(QMessageBox::Save)->text(), QStringLiteral("Save anyway"));
            QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
        };
        editor.dialogs.answers = {QMessageBox::Save};
        QVERIFY(editor.frame->SaveDocumentAs());
        QVERIFY(QFile::exists(path));
    }

    void saveAsAnotherVersionAsksAboutWhatItCannotHoldAndConverts()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("as20.ldf"));
        EditorFixture editor;
        QVERIFY(editor.frame->OpenDocument(WriteFile(folder, QStringLiteral("lin21.ldf"), kLin21File)));
        editor.dialogs.names.clear();
        editor.saveDialect = lin::Dialect::Lin20;
        editor.chosenSavePaths = {path, path};
        QVERIFY(!editor.frame->SaveDocumentAs());
        QCOMPARE(editor.dialogs.names, QStringList{"questionBox"});
        QVERIFY(editor.dialogs.texts.last().startsWith(QStringLiteral("A LIN 2.0 file cannot hold these")));
        QVERIFY(editor.dialogs.texts.last().contains(QStringLiteral("Node attributes of LSM")));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(editor.frame->Document().Network()->languageVersionText, std::string("2.1"));

        editor.dialogs.answers = {QMessageBox::Save};
        QVERIFY(editor.frame->SaveDocumentAs());
        const QByteArray written = ReadFile(path);
        QVERIFY(written.contains("LIN_language_version = \"2.0"));
        QVERIFY(!written.contains("initial_NAD"));
        QVERIFY(!editor.frame->Document().IsModified());
        // The conversion is one step of the history.
        QVERIFY(editor.frame->Document().Undo());
        QCOMPARE(editor.frame->Document().Network()->languageVersionText, std::string("2.1"));
    }

    void errorsHintsOfTheLastLoadReopenFromTheViewMenu()
    {
        QTemporaryDir folder;
        EditorFixture editor;
        editor.frame->NewDocument();
        auto* action = editor.frame->findChild<QAction*>(QStringLiteral("actionErrorsHints"));
        QVERIFY(action && !action->isEnabled());
        QVERIFY(editor.frame->OpenDocument(WriteFile(folder, QStringLiteral("body.ldf"), kSmallFile)));
        editor.dialogs.names.clear();
        QVERIFY(action->isEnabled());
        action->trigger();
        QCOMPARE(editor.dialogs.names, QStringList{"errorsDialog"});
        QCOMPARE(editor.dialogs.texts.last(), QStringLiteral("File: body.ldf"));
        editor.dialogs.answers = {QMessageBox::Discard};
        editor.frame->NewDocument();
        QVERIFY(!action->isEnabled());
    }

    // Save keeps the file's layout and rewrites only what was edited; Save As
    // in the standard layout, and Reformat (one undo step), write the fixed one.
    void saveKeepsTheLayoutUntilReformatted()
    {
        QTemporaryDir folder;
        const QByteArray content =
            "// body network\r\n" + kLin21File + "Signals {\n  Lamp: 2, 0x1, LSM, CEM; // on\n}\n";
        const QString path = WriteFile(folder, QStringLiteral("body.ldf"), content);
        EditorFixture editor;
        QVERIFY(editor.frame->OpenDocument(path));
        CDuvazadiDoc& document = editor.frame->Document();
        QVERIFY(document.Edit([](LinNetwork& network) { return RenameSignal(network, 0, "Light"); }));
        QVERIFY(editor.frame->SaveDocument());
        QByteArray renamed = content;
        renamed.replace("Lamp:", "Light:");
        QCOMPARE(ReadFile(path), renamed);

        const QString standard = folder.filePath(QStringLiteral("standard.ldf"));
        editor.chosenSavePaths = {standard};
        editor.saveStandardLayout = true;
        QVERIFY(editor.frame->SaveDocumentAs());
        const QByteArray fixed = QByteArray::fromStdString(ToCrLfLineEnds(document.Network()->BuildLdfText()));
        QCOMPARE(ReadFile(standard), fixed);

        QVERIFY(editor.frame->OpenDocument(path));
        auto* reformat = editor.frame->findChild<QAction*>(QStringLiteral("actionReformat"));
        QVERIFY(reformat && reformat->isEnabled());
        reformat->trigger();
        QVERIFY(editor.frame->isWindowModified());
        QVERIFY(document.Undo());
        QVERIFY(!editor.frame->isWindowModified());
        QVERIFY(document.Redo());
        QVERIFY(editor.frame->SaveDocument());
        QCOMPARE(ReadFile(path), fixed);
    }

    void saveThenReopenGivesTheSameTree()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("saved.ldf"));
        EditorFixture editor;
        editor.frame->NewDocument();
        editor.frame->Document().ChangeOutsideHistory(
            [](LinNetwork& network) { network.slaves.Append(std::make_unique<LinNode>("Door")); });
        const QStringList before = editor.Outline();

        editor.chosenSavePaths = {path};
        QVERIFY(editor.frame->SaveDocumentAs());
        QVERIFY(!editor.frame->isWindowModified());
        QCOMPARE(editor.frame->windowTitle(), QStringLiteral("saved.ldf[*] - Duvazadi"));
        QVERIFY(!ReadFile(path).isEmpty());

        QVERIFY(editor.frame->OpenDocument(path));
        QCOMPARE(editor.Outline(), before);
    }

    void savingOverAPartlyReadFileAsksFirst()
    {
        QTemporaryDir folder;
        const QByteArray content = kSmallFile + QByteArray("/* after a NUL: ", 16) + '\0' + QByteArray("kept */\r\n");
        const QString path = WriteFile(folder, QStringLiteral("cut.ldf"), content);
        EditorFixture editor;
        QVERIFY(editor.frame->OpenDocument(path));
        QVERIFY(!editor.frame->Document().UnreadTextReason().isEmpty());
        editor.dialogs.names.clear();

        editor.dialogs.answers = {QMessageBox::Cancel};
        QVERIFY(!editor.frame->SaveDocument());
        QVERIFY(editor.dialogs.texts.last().contains(QStringLiteral("NUL")));
        QCOMPARE(ReadFile(path), content);

        // "Save As..." asks for another name; the old file stays.
        editor.dialogs.answers = {QMessageBox::Apply};
        editor.chosenSavePaths = {folder.filePath(QStringLiteral("elsewhere.ldf"))};
        QVERIFY(editor.frame->SaveDocument());
        QCOMPARE(editor.savePathRequests, 1);
        QCOMPARE(ReadFile(path), content);
        QVERIFY(editor.frame->Document().UnreadTextReason().isEmpty());
    }

    void savingOverAFileThatIsNoLdfAsksFirst()
    {
        QTemporaryDir folder;
        const QByteArray content("Nodes { Master: M, 10 ms, 0.1 ms; }\n");
        const QString path = WriteFile(folder, QStringLiteral("notes.ldf"), content);
        EditorFixture editor;
        QVERIFY(editor.frame->OpenDocument(path));
        editor.dialogs.texts.clear();

        editor.dialogs.answers = {QMessageBox::Cancel};
        QVERIFY(!editor.frame->SaveDocument());
        QCOMPARE(editor.dialogs.texts.size(), 1);
        QVERIFY(editor.dialogs.texts.last().contains(QStringLiteral("not an LDF file")));
        QCOMPARE(ReadFile(path), content);

        // Save As onto the same file asks too; another file does not.
        editor.chosenSavePaths = {path};
        QVERIFY(!editor.frame->SaveDocumentAs());
        QCOMPARE(editor.dialogs.texts.size(), 2);
        QCOMPARE(ReadFile(path), content);

        editor.dialogs.answers = {QMessageBox::Save};
        QVERIFY(editor.frame->SaveDocument());
        QCOMPARE(editor.dialogs.texts.size(), 3);
        QVERIFY(!editor.frame->isWindowModified());
        // Once saved over, Save asks no more.
        QVERIFY(editor.frame->SaveDocument());
        QCOMPARE(editor.dialogs.texts.size(), 3);
    }

    void failedSaveKeepsTheFlagAndReportsIt()
    {
        QTemporaryDir folder;
        EditorFixture editor;
        editor.frame->NewDocument();
        editor.frame->Document().ChangeOutsideHistory([](LinNetwork&) {});
        editor.chosenSavePaths = {folder.filePath(QStringLiteral("no-such-folder/x.ldf"))};
        QVERIFY(!editor.frame->SaveDocumentAs());
        QCOMPARE(editor.dialogs.names, QStringList({"questionBox"}));
        QVERIFY(editor.dialogs.texts.last().contains(QStringLiteral("x.ldf")));
        QVERIFY(editor.frame->isWindowModified());
        QCOMPARE(editor.frame->Document().FilePath(), QString());
    }

    void compareWithListsTheDifferencesAndEachSelectsItsItem()
    {
        const QString dir = QStringLiteral(DUVAZADI_TEST_DATA "/diff/");
        EditorFixture editor;
        QVERIFY(editor.frame->OpenDocument(dir + QStringLiteral("old.ldf")));
        editor.frame->SetFileChoosers([&](QWidget*, const QString&) { return dir + QStringLiteral("new.ldf"); },
                                      [](QWidget*, const QString&) { return QString(); });
        editor.dialogs.names.clear();
        QStringList shown;
        QStringList selected;
        editor.dialogs.inspect = [&](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("differenceList"));
            QVERIFY(list);
            QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("sides"))->text(),
                     QStringLiteral("Left of -> and removed: old.ldf (open)\nRight of -> and added: new.ldf"));
            for (int row = 0; row < list->count(); ++row)
                shown << list->item(row)->text();
            // A changed frame selects the frame; a slave only the other file has, the slaves' category.
            for (const QString& line :
                 {QStringLiteral("Frames / LSM_Frm1: length 2 -> 4"), QStringLiteral("Nodes / DSM: added")}) {
                list->setCurrentRow(static_cast<int>(shown.indexOf(line)));
                selected << NavView::PathText(editor.Tree().currentItem());
            }
        };
        editor.frame->findChild<QAction*>(QStringLiteral("actionCompare"))->trigger();
        QCOMPARE(editor.dialogs.names, QStringList{"compareDialog"});
        QCOMPARE(editor.dialogs.texts.last(), QStringLiteral("Compare with: new.ldf"));
        QFile golden(dir + QStringLiteral("old-to-new.diff"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(shown, QString::fromLatin1(golden.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
        QCOMPARE(selected, (QStringList{"Frames / LSM_Frm1 / ", "Nodes / "}));
    }

    void panesStartAtTheirProportions()
    {
        EditorFixture editor;
        editor.frame->resize(450, 400);
        editor.frame->LayOutPanes();
        editor.frame->NewDocument();
        editor.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.frame.get()));
        QCOMPARE(editor.Tree().width(), 100);
        QCOMPARE(editor.frame->Position().height(), 20);
    }

    void resizeShowsTheSelectedItemAgain()
    {
        EditorFixture editor;
        editor.frame->NewDocument();
        editor.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.frame.get()));
        // With none selected, none is selected afterwards.
        editor.frame->resize(600, 400);
        QCOMPARE(editor.Tree().currentItem(), nullptr);
        QVERIFY(editor.HasCategories());
        editor.Tree().setCurrentItem(editor.Item({"Signals"}));
        editor.frame->Position().SetPath(QString());
        editor.frame->resize(650, 400);
        QTRY_COMPARE(editor.frame->Position().Path(), QStringLiteral("Signals / "));
    }
};

REGISTER_GUI_TEST(MainFrameTest);

#include "MainFrameTest.moc"
