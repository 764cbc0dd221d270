#include "GuiTestRegistry.h"
#include "controls/AddDeleteList.h"
#include "controls/PopupChooser.h"
#include "controls/TitledPopupMenu.h"
#include "gui/TextCodec.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class ListControlsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void deleteSelectsTheItemAtTheSamePositionOrTheLast()
    {
        AddDeleteList list(QStringLiteral("Add frame"), QStringLiteral("Delete selected frame"));
        QCOMPARE(list.AddButton()->toolTip(), QStringLiteral("Add frame"));
        QCOMPARE(list.DeleteButton()->toolTip(), QStringLiteral("Delete selected frame"));
        QVERIFY(list.AddButton()->text().isEmpty() && !list.AddButton()->icon().isNull());
        QVERIFY(!list.DeleteButton()->icon().isNull());
        QSignalSpy deleted(&list, &AddDeleteList::Deleted);

        list.SetItems({"a", "b", "c"});
        list.DeleteButton()->click();  // no selection: nothing happens
        QCOMPARE(list.Items().size(), 3);

        list.List()->setCurrentRow(1);
        list.DeleteButton()->click();
        QCOMPARE(list.Items(), (QStringList{"a", "c"}));
        QCOMPARE(list.List()->currentRow(), 1);
        list.DeleteButton()->click();
        QCOMPARE(list.List()->currentRow(), 0);
        QCOMPARE(deleted.count(), 2);
        QCOMPARE(deleted.at(0).at(0).toInt(), 1);
    }

    void chooserShowsHeadingsOfFilledGroupsAndGivesTheEntryNumber()
    {
        const ChoiceMenu choices{"Add Frame",
                                 {{"Diagnostic Frames", {"MasterReq"}}, {"Empty", {}}, {"Normal", {"F1", "F2"}}}};
        const TextCodec codec = TextCodec::ForFileText({});
        auto menu = MakeChoiceMenu(choices, codec, nullptr);
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(texts, (QStringList{"Add Frame", "-", "Diagnostic Frames", "MasterReq", "Normal", "F1", "F2"}));
        QVERIFY(!menu->actions().at(4)->isEnabled());

        const auto pick = [](const QString& text) {
            return [text](QMenu& shown, const QPoint&) -> QAction* {
                for (QAction* action : shown.actions())
                    if (action->text() == text)
                        return action;
                return nullptr;
            };
        };
        QCOMPARE(ChooseFromMenu(choices, codec, nullptr, pick("F2")), 2);
        QCOMPARE(ChooseFromMenu(choices, codec, nullptr, pick("Normal")), -1);  // a heading is no choice
        QCOMPARE(ChooseFromMenu(choices, codec, nullptr, pick("none")), -1);
    }
};

REGISTER_GUI_TEST(ListControlsTest);
#include "ListControlsTest.moc"
