#include "DataListRows.h"
#include "EditorFixture.h"
#include "GuiTestRegistry.h"
#include "SheetTestHelpers.h"
#include "controls/AddDeleteList.h"
#include "controls/CheckTree.h"
#include "editing/NetworkFixtures.h"
#include "gui/CDuvazadiDoc.h"
#include "sheets/ETFrameSheet.h"
#include "sheets/ScheduleFrameP1.h"
#include "sheets/SheetRegistry.h"
#include "sheets/SignalGroupPage.h"
#include "views/DataView.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

std::unique_ptr<PropertySheet> Open(LinNetwork& network, SheetId id, int index, int second = -1)
{
    auto sheet = CreateSheet(SheetRequest{id, "Sheet", index, second}, network, NewDocumentCodec(), nullptr);
    if (!sheet)
        qFatal("no sheet");
    return sheet;
}

QStringList TabTexts(const PropertySheet& sheet)
{
    QStringList texts;
    for (int i = 0; i < sheet.Tabs()->count(); ++i)
        texts << sheet.Tabs()->tabText(i);
    return texts;
}

// Picks the chooser's entry with the text instead of showing the menu.
MenuRunner Pick(const QString& text)
{
    return [text](QMenu& menu, const QPoint&) -> QAction* {
        for (QAction* action : menu.actions())
            if (action->text() == text)
                return action;
        return nullptr;
    };
}

// Runs the step on the sheet that opens next, then confirms it.
std::function<void(QDialog&)> Confirm(std::function<void(PropertySheet&)> step)
{
    return [step](QDialog& dialog) {
        auto& sheet = AsSheet(dialog);
        step(sheet);
        sheet.Commit();
    };
}

constexpr int kLightLevel = 2;
constexpr int kDoorState = 2;
constexpr int kNormal = 0, kDiag = 1;
constexpr int kAssignNadEntry = 4;

}  // namespace

class RecordSheetsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void signalSheetTurnsAByteArrayIntoAScalar()
    {
        auto network = MakeRichNetwork();
        auto sheet = Open(*network, SheetId::SignalSheet, kLightLevel);
        QCOMPARE(TabTexts(*sheet), (QStringList{"General", "Init", "Subscriber", "Representation"}));
        QCOMPARE(Find<CheckTree>(*sheet, "subscribers")->CheckedTexts(), (QStringList{"Master", "Motor"}));
        QCOMPARE(Find<ChoiceBox>(*sheet, "encoding")->Selected(), QStringLiteral("Mixed"));
        auto* values = Find<AddDeleteList>(*sheet, "initValues");
        QCOMPARE(values->Items(), (QStringList{"1", "2"}));

        auto* byteArray = Find<QCheckBox>(*sheet, "byteArray");
        byteArray->click();
        QCOMPARE(values->Items(), QStringList{"1"});
        auto* length = Find<ChoiceBox>(*sheet, "length");
        QCOMPARE(length->count(), 16);
        Choose(length, QStringLiteral("12"));
        Replace(Find<QLineEdit>(*sheet, "initValue"), QStringLiteral("7"));
        values->AddButton()->click();
        QCOMPARE(values->Items(), QStringList{"7"});
        Choose(Find<ChoiceBox>(*sheet, "encoding"), QString());
        ShowPageOf(*sheet, length);
        QTest::keyClick(length, Qt::Key_Return);

        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        const LinSignal& signal = *network->signals[kLightLevel];
        QVERIFY(!signal.isByteArray);
        QCOMPARE(signal.size, 12);
        QCOMPARE(signal.initValues.ToVector(), std::vector<std::uint16_t>{7});
        QCOMPARE(network->signalRepresentations[1]->signalNames, std::vector<std::string>{"DoorOpen"});
    }

    void signalSheetConvertsARawValueAndAValue()
    {
        auto network = MakeRichNetwork();
        auto sheet = Open(*network, SheetId::SignalSheet, 0);  // MotorSpeed, encoding Speed
        auto* raw = Find<QLineEdit>(*sheet, "rawValue");
        auto* value = Find<QLineEdit>(*sheet, "physicalValue");
        QTest::keyClicks(raw, QStringLiteral("100"));
        QCOMPARE(value->text(), QStringLiteral("40 rpm"));
        value->clear();
        QTest::keyClicks(value, QStringLiteral("0 rpm"));
        QCOMPARE(raw->text(), QStringLiteral("20 (0x14)"));
        // The encoding type chosen on the page is the one that converts.
        Choose(Find<ChoiceBox>(*sheet, "encoding"), QString());
        raw->clear();
        QTest::keyClicks(raw, QStringLiteral("7"));
        QCOMPARE(value->text(), QStringLiteral("7 (0x7)"));
        // A length chosen on the General page is the size that converts.
        Choose(Find<ChoiceBox>(*sheet, "length"), QStringLiteral("2"));
        raw->clear();
        QTest::keyClicks(raw, QStringLiteral("7"));
        QCOMPARE(value->text(), QStringLiteral("7 does not fit in 2 bits"));
    }

    void signalRepSheetWritesTheCheckedSignals()
    {
        auto network = MakeRichNetwork();
        auto sheet = Open(*network, SheetId::SignalRepSheet, 2);
        QCOMPARE(TabTexts(*sheet), (QStringList{"General", "Representation"}));
        QCOMPARE(Find<QLineEdit>(*sheet, "encoding")->text(), QStringLiteral("Text"));
        Find<CheckTree>(*sheet, "signals")->topLevelItem(3)->setCheckState(0, Qt::Checked);
        sheet->Commit();
        QCOMPARE(network->signalRepresentations[2]->signalNames, std::vector<std::string>{"DoorOpen"});
    }

    void frameSheetSizesByIdAndRefillsSignalsForAPublisher()
    {
        auto network = MakeRichNetwork();
        network->signals.Append(std::make_unique<LinSignal>("DoorLock")).publisher = "Door";
        network->signals.back()->size = 3;
        auto sheet = Open(*network, SheetId::FrameSheet, kDoorState);
        QCOMPARE(TabTexts(*sheet), (QStringList{"General", "Signals"}));
        Choose(Find<ChoiceBox>(*sheet, "id"), QStringLiteral("40"));
        QCOMPARE(Find<ChoiceBox>(*sheet, "size")->Selected(), QStringLiteral("4"));

        auto* tree = Find<CheckTree>(*sheet, "signals");
        Choose(Find<ChoiceBox>(*sheet, "publisher"), QStringLiteral("Motor"));
        QCOMPARE(tree->topLevelItemCount(), 1);  // MotorError
        Choose(Find<ChoiceBox>(*sheet, "publisher"), QStringLiteral("Door"));
        QCOMPARE(tree->CheckedTexts(), QStringList{"DoorOpen"});
        tree->topLevelItem(1)->setCheckState(0, Qt::Checked);
        Find<QPushButton>(*sheet, "autoOffset")->click();
        sheet->Commit();

        const LinFrame& frame = *network->frames[kDoorState];
        QCOMPARE(frame.frameId, 40);
        QCOMPARE(frame.length, 4);
        QCOMPARE(frame.signalNames, (std::vector<std::string>{"DoorOpen", "DoorLock"}));
        QCOMPARE(frame.offsets, (std::vector<std::uint32_t>{0, 1}));
    }

    void frameOffSheetMovesTheSignal()
    {
        auto network = MakeRichNetwork();
        network->frames[1]->length = 4;  // MotorError 0, LightLevel 8, Gone 24
        auto sheet = Open(*network, SheetId::FrameOffSheet, 1, 1);
        QCOMPARE(TabTexts(*sheet), QStringList{"Signal position"});
        QCOMPARE(Find<QLineEdit>(*sheet, "name")->text(), QStringLiteral("LightLevel"));
        auto* offset = Find<ChoiceBox>(*sheet, "offset");
        QCOMPARE(offset->Selected(), QStringLiteral("8"));
        QCOMPARE(offset->count(), 32);
        auto* reorder = Find<QCheckBox>(*sheet, "reorder");
        QVERIFY(reorder->isChecked());
        reorder->setChecked(false);
        Choose(offset, QStringLiteral("4"));
        ShowPageOf(*sheet, offset);
        QTest::keyClick(offset, Qt::Key_Enter);
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        QCOMPARE(network->frames[1]->signalNames, (std::vector<std::string>{"MotorError", "Gone", "LightLevel"}));
        QCOMPARE(network->frames[1]->offsets, (std::vector<std::uint32_t>{0, 24, 4}));
    }

    void scheduleNameSheetCancelsAddedAndDeletedEntries()
    {
        auto network = MakeRichNetwork();
        const std::string before = DumpNetwork(*network);
        for (bool confirm : {false, true}) {
            auto sheet = Open(*network, SheetId::ScheduleNameSheet, kNormal);
            QCOMPARE(TabTexts(*sheet), (QStringList{"Name", "Frames"}));
            auto* entries = Find<AddDeleteList>(*sheet, "entries");
            QCOMPARE(entries->AddButton()->toolTip(), QStringLiteral("Add frame type"));
            sheet->findChild<ScheduleFrameP1*>()->SetMenuRunner(Pick(QStringLiteral("FreeFormat")));
            entries->AddButton()->click();
            entries->List()->setCurrentRow(0);
            entries->DeleteButton()->click();
            QCOMPARE(entries->Items(), (QStringList{"MotorState", "EventAll", "SpoMotor", "FreeFormat"}));
            if (confirm)
                sheet->Commit();
            else
                sheet->reject();
        }
        QVERIFY(DumpNetwork(*network) != before);
        const ScheduleTable& table = *network->scheduleTables[kNormal];
        QCOMPARE(table.entries.size(), std::size_t(4));
        QCOMPARE(table.entries[3]->kind, int(kFreeFormat));
    }

    void scheduleNameSheetMovesInsertsAndDuplicatesEntries()
    {
        auto network = MakeRichNetwork();
        auto sheet = Open(*network, SheetId::ScheduleNameSheet, kNormal);
        auto* entries = Find<AddDeleteList>(*sheet, "entries");
        ShowPageOf(*sheet, entries);
        QListWidget* list = entries->List();
        list->setCurrentRow(2);
        Find<QPushButton>(*sheet, "moveUp")->click();
        QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(entries->Items(), (QStringList{"EventAll", "MotorCmd", "MotorState", "SpoMotor"}));
        Find<QPushButton>(*sheet, "moveDown")->click();
        Find<QPushButton>(*sheet, "duplicate")->click();
        sheet->findChild<ScheduleFrameP1*>()->SetMenuRunner(Pick(QStringLiteral("FreeFormat")));
        list->setCurrentRow(0);
        entries->AddButton()->click();  // after the selected entry
        QCOMPARE(list->currentRow(), 1);
        list->setCurrentRow(3);
        QTest::keyClick(list, Qt::Key_Delete);
        const QStringList shown{"MotorCmd", "FreeFormat", "EventAll", "MotorState", "SpoMotor"};
        QCOMPARE(entries->Items(), shown);
        sheet->Commit();
        QStringList stored;
        for (const auto& entry : network->scheduleTables[kNormal]->entries)
            stored << QString::fromStdString(EntryText(*entry));
        QCOMPARE(stored, shown);
    }

    void signalGroupSheetPlacesSignalsAtTheirOffsets()
    {
        auto network = MakeRichNetwork();
        network->signalGroups.Append(std::make_unique<SignalGroup>()).name = "Motors";
        network->signalGroups[0]->groupSize = 8;
        auto sheet = Open(*network, SheetId::SignalGroupSheet, 0);
        QCOMPARE(TabTexts(*sheet), QStringList{"General"});
        QCOMPARE(Find<QLineEdit>(*sheet, "size")->text(), QStringLiteral("8"));
        auto* members = Find<AddDeleteList>(*sheet, "members");
        auto* offset = Find<QLineEdit>(*sheet, "offset");
        QVERIFY(!offset->isEnabled());
        sheet->findChild<SignalGroupPage*>()->SetMenuRunner(Pick(QStringLiteral("MotorSpeed")));
        members->AddButton()->click();
        sheet->findChild<SignalGroupPage*>()->SetMenuRunner(Pick(QStringLiteral("MotorError")));
        members->AddButton()->click();
        QCOMPARE(members->Items(), (QStringList{"MotorSpeed, 0", "MotorError, 8"}));
        QCOMPARE(offset->text(), QStringLiteral("8"));
        Replace(offset, QStringLiteral("99"));  // beyond the offsets: explained, not taken
        QVERIFY(!Find<QLabel>(*sheet, "groupProblem")->text().isEmpty());
        Replace(offset, QStringLiteral("20"));
        QCOMPARE(members->Items(), (QStringList{"MotorSpeed, 0", "MotorError, 20"}));
        Replace(Find<QLineEdit>(*sheet, "name"), QStringLiteral("MotorSpeed"));
        Replace(Find<QLineEdit>(*sheet, "size"), QStringLiteral("24"));
        sheet->Commit();
        const SignalGroup& group = *network->signalGroups[0];
        QCOMPARE(group.name, std::string("MotorSpeed0"));  // unlike every signal
        QCOMPARE(group.groupSize, 24);
        QCOMPARE(group.signalNames, (std::vector<std::string>{"MotorSpeed", "MotorError"}));
        QCOMPARE(group.offsets, (std::vector<std::uint32_t>{0, 20}));
    }

    void scheduleSheetSpinsAndGivesTheNadNodeAttributes()
    {
        auto network = MakeRichNetwork();
        network->speedKbps = 19.2f;
        network->jitterMs = 0.1f;
        auto sheet = Open(*network, SheetId::ScheduleSheet, kDiag, kAssignNadEntry);
        QCOMPARE(TabTexts(*sheet), (QStringList{"General", "Properties"}));
        QCOMPARE(Find<QLineEdit>(*sheet, "typeName")->text(), QStringLiteral("AssignNAD"));
        QCOMPARE(Find<QLabel>(*sheet, "minimumTime")->text(), QStringLiteral("Minimum time:   9.14 ms"));
        QCOMPARE(Find<QLineEdit>(*sheet, "newNad")->text(), QStringLiteral("5"));
        auto* time = Find<QLineEdit>(*sheet, "time");
        Replace(time, QStringLiteral("25"));
        Find<QToolButton>(*sheet, "spinUp")->click();
        QCOMPARE(time->text(), QStringLiteral("30"));
        Find<QToolButton>(*sheet, "spinDown")->click();
        QCOMPARE(time->text(), QStringLiteral("20"));

        Choose(Find<ChoiceBox>(*sheet, "node"), QStringLiteral("Door"));
        QCOMPARE(Find<QLineEdit>(*sheet, "supplierId")->text(), QStringLiteral("32767"));
        sheet->reject();
        QVERIFY(network->FindNodeAttributes("Door"));
        QCOMPARE(network->scheduleTables[kDiag]->entries[kAssignNadEntry]->delayMs, 10);

        auto freeFormat = Open(*network, SheetId::ScheduleSheet, kDiag, 5);
        Choose(Find<ChoiceBox>(*freeFormat, "D8"), QStringLiteral("255"));
        freeFormat->Commit();
        QCOMPARE(network->scheduleTables[kDiag]->entries[5]->FreeFormat()->data[7], 255);
    }

    void lin21PagesChooseTheSlaveTheNumbersAndTheCollisionTable()
    {
        QFile file(QStringLiteral(DUVAZADI_TEST_DATA "/lin21-schedules.ldf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        auto network = LinNetwork::LoadFromText(file.readAll().toStdString());
        constexpr int kConfiguration = 0, kDataDump = 6, kFractions = 1;

        auto dataDump = Open(*network, SheetId::ScheduleSheet, kConfiguration, kDataDump);
        QCOMPARE(TabTexts(*dataDump), (QStringList{"General", "Properties"}));
        Choose(Find<ChoiceBox>(*dataDump, "node"), QStringLiteral("RSM"));
        QCOMPARE(Find<QLineEdit>(*dataDump, "value5")->text(), QStringLiteral("5"));
        Replace(Find<QLineEdit>(*dataDump, "value1"), QStringLiteral("0x10"));
        dataDump->Commit();
        const NodeCommand& command = *network->scheduleTables[kConfiguration]->entries[kDataDump]->Node();
        QCOMPARE(command.nodeName, std::string("RSM"));
        QCOMPARE(command.values, (std::vector<int>{16, 2, 3, 4, 5}));

        auto fraction = Open(*network, SheetId::ScheduleSheet, kFractions, 1);
        auto* time = Find<QLineEdit>(*fraction, "time");
        QCOMPARE(time->text(), QStringLiteral("12.5"));
        Find<QToolButton>(*fraction, "spinUp")->click();
        QCOMPARE(time->text(), QStringLiteral("15"));

        network->eventTriggeredFrames.Append(std::make_unique<EventTriggeredFrame>("Event"));
        ETFrameSheet eventSheet(SheetRequest{SheetId::ETFrameSheet, "Event Triggered Frame", 0}, *network,
                                NewDocumentCodec());
        auto* table = Find<ChoiceBox>(eventSheet, "collisionTable");
        QCOMPARE(table->Selected(), QStringLiteral("none"));
        Choose(table, QStringLiteral("Normal"));
        eventSheet.Commit();
        QCOMPARE(network->eventTriggeredFrames[0]->collisionTable, std::string("Normal"));
    }

    void aSignalInANewFrameInANewTableSurvivesSaveAndOpen()
    {
        QTemporaryDir folder;
        EditorFixture editor;
        editor.frame->NewDocument();
        NavView& tree = editor.Tree();
        const auto add = [&](const QStringList& category, std::function<void(PropertySheet&)> step) {
            tree.setCurrentItem(editor.Item(category));
            editor.dialogs.answers = {QDialog::Accepted};
            editor.dialogs.inspect = Confirm(std::move(step));
            tree.RunCommand(kCommandAdd);
        };
        add({"Signals"}, [](PropertySheet& sheet) {
            Find<QLineEdit>(sheet, "name")->setText(QStringLiteral("Speed"));
            Choose(Find<ChoiceBox>(sheet, "length"), QStringLiteral("8"));
            Choose(Find<ChoiceBox>(sheet, "publisher"), QStringLiteral("Slave1"));
        });
        add({"Frames"}, [](PropertySheet& sheet) {
            Find<QLineEdit>(sheet, "name")->setText(QStringLiteral("SpeedFrame"));
            Choose(Find<ChoiceBox>(sheet, "id"), QStringLiteral("40"));
            Choose(Find<ChoiceBox>(sheet, "publisher"), QStringLiteral("Slave1"));
            Find<CheckTree>(sheet, "signals")->topLevelItem(0)->setCheckState(0, Qt::Checked);
        });
        add({"Schedules"}, [](PropertySheet& sheet) {
            Find<QLineEdit>(sheet, "name")->setText(QStringLiteral("Main"));
            sheet.findChild<ScheduleFrameP1*>()->SetMenuRunner(Pick(QStringLiteral("SpeedFrame")));
            Find<AddDeleteList>(sheet, "entries")->AddButton()->click();
        });
        // The signal's offset and the entry's time, from rows of the list.
        const auto editRow = [&](const QStringList& item, std::function<void(PropertySheet&)> step) {
            tree.setCurrentItem(editor.Item(item));
            editor.dialogs.answers = {QDialog::Accepted};
            editor.dialogs.inspect = Confirm(std::move(step));
            DataView& list = editor.frame->Data();
            list.setCurrentIndex(ListRow(list, 0));
            list.RunCommand(kCommandProperties);
        };
        editRow({"Frames", "SpeedFrame"},
                [](PropertySheet& sheet) { Choose(Find<ChoiceBox>(sheet, "offset"), QStringLiteral("16")); });
        editRow({"Schedules", "Main"},
                [](PropertySheet& sheet) { Find<QLineEdit>(sheet, "time")->setText(QStringLiteral("20")); });
        QCOMPARE(editor.dialogs.names,
                 (QStringList{"SignalSheet", "FrameSheet", "ScheduleNameSheet", "FrameOffSheet", "ScheduleSheet"}));
        const QStringList outline = editor.Outline();
        editor.dialogs.inspect = nullptr;

        const QString path = folder.filePath(QStringLiteral("made.ldf"));
        editor.chosenSavePaths << path;
        QVERIFY(editor.frame->SaveDocumentAs());
        QVERIFY(editor.frame->OpenDocument(path));
        QCOMPARE(editor.Outline(), outline);
        const LinNetwork& network = *editor.frame->Document().Network();
        QCOMPARE(network.signals[0]->name, std::string("Speed"));
        QCOMPARE(network.signals[0]->size, 8);
        const LinFrame& frame = *network.frames[0];
        QCOMPARE(frame.frameId, 40);
        QCOMPARE(frame.length, 4);
        QCOMPARE(frame.signalNames, std::vector<std::string>{"Speed"});
        QCOMPARE(frame.offsets, std::vector<std::uint32_t>{16});
        const ScheduleTable& table = *network.scheduleTables[0];
        QCOMPARE(table.name, std::string("Main"));
        QCOMPARE(table.entries.size(), std::size_t(1));
        QCOMPARE(table.entries[0]->FrameSlot()->frameName, std::string("SpeedFrame"));
        QCOMPARE(table.entries[0]->delayMs, 20);
    }
};

REGISTER_GUI_TEST(RecordSheetsTest);
#include "RecordSheetsTest.moc"
