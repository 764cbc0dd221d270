// View > Hexadecimal and Edit > Copy, Paste, Duplicate from the window: the
// actions reach the lists, the settings and the system clipboard.

#include "DataListRows.h"
#include "EditorFixture.h"
#include "GuiTestRegistry.h"
#include "editing/NetworkFixtures.h"
#include "gui/CDuvazadiDoc.h"
#include "model/LinNetwork.h"
#include "views/DataView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QSettings>
#include <QTest>

namespace {

struct ShownRichEditor : EditorFixture {
    ShownRichEditor()
    {
        frame->resize(900, 700);
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get()))
            qFatal("the editor window was never shown");
        frame->NewDocument();
        frame->Document().ChangeOutsideHistory([](LinNetwork& network) { network = *MakeRichNetwork(); });
        Tree().expandAll();
    }

    QAction& Action(const char* name) const
    {
        auto* action = frame->findChild<QAction*>(QLatin1String(name));
        if (!action)
            qFatal("no action %s", name);
        return *action;
    }

    const LinNetwork& Network() const { return *frame->Document().Network(); }
    QString Cell(int row, int column) const { return ListCell(frame->Data(), row, column); }
};

}  // namespace

class ClipboardViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hexadecimalShowsIdsInHexAndIsRememberedAcrossStarts()
    {
        {
            ShownRichEditor editor;
            editor.Tree().setCurrentItem(editor.Item({QStringLiteral("Frames")}));
            QCOMPARE(editor.Cell(2, 1), QStringLiteral("16"));
            editor.Action("actionHexadecimal").trigger();
            QCOMPARE(editor.Cell(2, 1), QStringLiteral("0x10"));
            // Find takes an id in either form.
            editor.Tree().SetFilterText(QStringLiteral("0x20"));
            QVERIFY(!editor.Item({QStringLiteral("Frames"), QStringLiteral("MotorState")})->isHidden());
            QVERIFY(editor.Item({QStringLiteral("Frames"), QStringLiteral("MotorCmd")})->isHidden());
            editor.Tree().SetFilterText(QString());
        }
        ShownRichEditor next;
        QVERIFY(next.Action("actionHexadecimal").isChecked());
        next.Action("actionHexadecimal").trigger();
        QVERIFY(!QSettings().value(QStringLiteral("View/hexadecimal")).toBool());
    }

    void copyPasteAndDuplicateGoThroughTheClipboardAsOneStepEach()
    {
        ShownRichEditor editor;
        editor.Tree().setCurrentItem(editor.Item({QStringLiteral("Frames"), QStringLiteral("MotorCmd")}));
        editor.Action("actionCopy").trigger();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains(QStringLiteral("MotorCmd: 16, Master, 2 {")), qPrintable(copied));

        editor.Action("actionPaste").trigger();
        QCOMPARE(editor.Network().frames.back()->name, std::string("MotorCmd0"));
        QCOMPARE(editor.Tree().currentItem()->text(0), QStringLiteral("MotorCmd0"));
        // Duplicate takes the selected item, which is now the pasted frame.
        editor.Action("actionDuplicate").trigger();
        QCOMPARE(editor.Network().frames.size(), std::size_t(5));
        QCOMPARE(QString::fromStdString(editor.Network().frames.back()->name), QStringLiteral("MotorCmd00"));
        editor.frame->Document().Undo();
        editor.frame->Document().Undo();
        QCOMPARE(editor.Network().frames.size(), std::size_t(3));
        QCOMPARE(editor.Network().signals.size(), std::size_t(4));
    }

    void listRowsAreSelectedTogetherForCopyAndDelete()
    {
        ShownRichEditor editor;
        editor.Tree().setCurrentItem(editor.Item({QStringLiteral("Signals")}));
        DataView& list = editor.frame->Data();
        list.setFocus();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, ListRowRect(list, 0).center());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, ListRowRect(list, 3).center());
        QCOMPARE(list.SelectedRows(), (std::vector<int>{0, 3}));
        editor.Action("actionCopy").trigger();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.contains(QStringLiteral("MotorSpeed:")) && copied.contains(QStringLiteral("DoorOpen:")));
        QVERIFY(!copied.contains(QStringLiteral("MotorError:")));

        // Both signals sit in frames: each asks before it goes.
        editor.dialogs.answers = {QDialog::Accepted, QDialog::Accepted};
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(editor.dialogs.names, (QStringList{"DeleteQuestion", "DeleteQuestion"}));
        QCOMPARE(editor.Network().signals.size(), std::size_t(2));
        editor.frame->Document().Undo();
        QCOMPARE(editor.Network().signals.size(), std::size_t(4));
    }
};

REGISTER_GUI_TEST(ClipboardViewTest);
#include "ClipboardViewTest.moc"
