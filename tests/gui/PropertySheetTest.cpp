#include "GuiTestRegistry.h"
#include "SheetTestHelpers.h"
#include "controls/CheckTree.h"
#include "controls/ChoiceBox.h"
#include "controls/TypedChoiceBox.h"
#include "editing/NetworkFixtures.h"
#include "model/LinNetwork.h"
#include "sheets/DynFrmSheet.h"
#include "sheets/ETFrameSheet.h"
#include "sheets/GroupedFramesPage.h"
#include "sheets/MasterSheet.h"
#include "sheets/NAttSheet.h"
#include "sheets/NetworkSheet.h"
#include "sheets/SheetRegistry.h"
#include "sheets/SigEnc2.h"
#include "sheets/SigEncSheet.h"
#include "sheets/SporadicFrmSheet.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

// A default network with three slaves and two frames; Motor has attributes
// with one configurable frame, Light none.
std::unique_ptr<LinNetwork> MakeNetwork()
{
    auto network = LinNetwork::CreateDefault();
    network->slaves.Append(std::make_unique<LinNode>("Motor"));
    network->slaves.Append(std::make_unique<LinNode>("Light"));
    for (const char* name : {"MotorCmd", "LightCmd"}) {
        auto frame = std::make_unique<LinFrame>();
        frame->name = name;
        network->frames.Append(std::move(frame));
    }
    network->signals.Append(std::make_unique<LinSignal>("MotorError"));
    auto& motor = network->nodeAttributes.Append(std::make_unique<NodeAttributes>("Motor"));
    motor.configurableFrames.Append(std::make_unique<ConfigurableFrame>("LightCmd", 7));
    return network;
}

SheetRequest SlaveSheet(int slave) { return SheetRequest{SheetId::NAttSheet, "Attributes", slave}; }

QStringList ListTexts(QWidget& sheet, const char* name)
{
    QStringList texts;
    auto* list = Find<QWidget>(sheet, name)->findChild<QListWidget*>();
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

void ClickButton(QWidget& sheet, const char* list, const char* button)
{
    Find<QWidget>(sheet, list)->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

// Stands in for a chooser: records its entries ("-" before a greyed one)
// and chooses the one with the given text.
struct ChooserStandIn {
    QStringList entries;

    MenuRunner Choose(const QString& text)
    {
        return [this, text](QMenu& menu, const QPoint&) -> QAction* {
            QAction* chosen = nullptr;
            entries.clear();
            for (QAction* action : menu.actions()) {
                if (!action->data().isValid())
                    continue;
                entries << (action->isEnabled() ? QString() : QStringLiteral("-")) + action->text();
                if (action->text() == text && action->isEnabled())
                    chosen = action;
            }
            return chosen;
        };
    }
};

}  // namespace

class PropertySheetTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void enterInATreeCommitsTheWholeSheet()
    {
        auto network = MakeNetwork();
        NAttSheet sheet(SlaveSheet(1), *network, NewDocumentCodec());
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Attributes"));
        auto* frames = Find<CheckTree>(sheet, "frames");
        ShowPageOf(sheet, frames);
        frames->setCurrentItem(frames->topLevelItem(0));
        frames->topLevelItem(0)->setCheckState(0, Qt::Checked);
        QTest::keyClick(frames, Qt::Key_Return);
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QVERIFY(!sheet.isVisible());
        QCOMPARE(network->FindNodeAttributes("Motor")->configurableFrames.size(), std::size_t(2));
    }

    void enterOnAPageButtonCommitsInsteadOfPressingIt()
    {
        auto network = MakeNetwork();
        NAttSheet sheet(SlaveSheet(1), *network, NewDocumentCodec());
        auto* uncheckAll = Find<QPushButton>(sheet, "uncheckAll");
        ShowPageOf(sheet, uncheckAll);
        QTest::keyClick(uncheckAll, Qt::Key_Return);
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(network->FindNodeAttributes("Motor")->configurableFrames.size(), std::size_t(1));
    }

    void enterInANameFieldCommits()
    {
        auto network = MakeNetwork();
        MasterSheet sheet(SheetRequest{SheetId::MasterSheet, "Master"}, *network, NewDocumentCodec());
        auto* name = Find<QLineEdit>(sheet, "name");
        ShowPageOf(sheet, name);
        Replace(name, QStringLiteral("1Boss"));
        QCOMPARE(name->text(), QStringLiteral("_Boss"));
        QTest::keyClick(name, Qt::Key_Enter);
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(network->masterName, std::string("_Boss"));
    }

    void namesShowInTheCodecTheSheetIsGiven()
    {
        auto network = MakeNetwork();
        network->masterName = "B\xE9";
        const TextCodec latin1 = TextCodec::ForFileText("\xE9");
        MasterSheet sheet(SheetRequest{SheetId::MasterSheet, "Master"}, *network, latin1);
        QCOMPARE(Find<QLineEdit>(sheet, "name")->text(), QString::fromLatin1("B\xE9"));
    }

    void cancelLeavesTheNetworkButTheNewAttributes()
    {
        auto network = MakeNetwork();
        NAttSheet sheet(SlaveSheet(2), *network, NewDocumentCodec());
        auto* name = Find<QLineEdit>(sheet, "name");
        ShowPageOf(sheet, name);
        QTest::keyClicks(name, QStringLiteral("X"));
        QTest::keyClick(&sheet, Qt::Key_Escape);
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        QCOMPARE(network->slaves[2]->name, std::string("Light"));
        const NodeAttributes* light = network->FindNodeAttributes("Light");
        QVERIFY(light);
        QCOMPARE(light->configuredNad, 127);
    }

    void aNameClashGetsADigitAndTheMastersNameAnUnderscore()
    {
        auto network = MakeNetwork();
        {
            NAttSheet sheet(SlaveSheet(1), *network, NewDocumentCodec());
            Replace(Find<QLineEdit>(sheet, "name"), QStringLiteral("Light"));
            sheet.Commit();
        }
        QCOMPARE(network->slaves[1]->name, std::string("Light0"));
        {
            NAttSheet sheet(SlaveSheet(2), *network, NewDocumentCodec());
            Replace(Find<QLineEdit>(sheet, "name"), QStringLiteral("Master"));
            sheet.Commit();
        }
        QCOMPARE(network->slaves[2]->name, std::string("Master_"));
    }

    void messageIdsAreCappedAndShownInTheTree()
    {
        auto network = MakeNetwork();
        NAttSheet sheet(SlaveSheet(1), *network, NewDocumentCodec());
        auto* frames = Find<CheckTree>(sheet, "frames");
        auto* messageId = Find<QLineEdit>(sheet, "messageId");
        QCOMPARE(frames->topLevelItem(0)->text(0), QStringLiteral("MotorCmd (65535)"));
        QCOMPARE(frames->topLevelItem(1)->text(0), QStringLiteral("LightCmd (7)"));
        QVERIFY(frames->IsChecked(1));

        ShowPageOf(sheet, frames);
        QTest::mouseClick(frames->viewport(), Qt::LeftButton, {},
                          frames->visualItemRect(frames->topLevelItem(0)).center());
        QCOMPARE(frames->currentItem(), frames->topLevelItem(0));
        QVERIFY(Find<QGroupBox>(sheet, "messageIdGroup")->isEnabled());
        QCOMPARE(messageId->text(), QStringLiteral("65535"));
        Replace(messageId, QStringLiteral("70000"));
        QCOMPARE(messageId->text(), QStringLiteral("70000"));
        QCOMPARE(frames->topLevelItem(0)->text(0), QStringLiteral("MotorCmd (65535)"));
        Replace(messageId, QStringLiteral("12"));
        QCOMPARE(frames->topLevelItem(0)->text(0), QStringLiteral("MotorCmd (12)"));
        frames->topLevelItem(0)->setCheckState(0, Qt::Checked);
        sheet.Commit();

        const auto& configurable = network->FindNodeAttributes("Motor")->configurableFrames;
        QCOMPARE(configurable.size(), std::size_t(2));
        QCOMPARE(configurable[0]->frameName, std::string("MotorCmd"));
        QCOMPARE(configurable[0]->messageId, 12);
        QCOMPARE(configurable[1]->messageId, 7);
    }

    void uncheckAllEmptiesTheConfigurableFrames()
    {
        auto network = MakeNetwork();
        NAttSheet sheet(SlaveSheet(1), *network, NewDocumentCodec());
        Find<QPushButton>(sheet, "uncheckAll")->click();
        sheet.Commit();
        QVERIFY(network->FindNodeAttributes("Motor")->configurableFrames.empty());
    }

    void protocolOneDisablesTheLin2ControlsButTheyAreStillWritten()
    {
        auto network = MakeNetwork();
        NAttSheet sheet(SlaveSheet(1), *network, NewDocumentCodec());
        auto* protocol = Find<ChoiceBox>(sheet, "protocol");
        auto* supplier = Find<QLineEdit>(sheet, "supplierId");
        QVERIFY(supplier->isEnabled());
        Replace(supplier, QStringLiteral("42"));
        ShowPageOf(sheet, protocol);
        QTest::keyClick(protocol, Qt::Key_Up);  // "2.0" -> "1.3"
        QCOMPARE(protocol->Selected(), QStringLiteral("1.3"));
        QVERIFY(!supplier->isEnabled());
        QVERIFY(!Find<QLineEdit>(sheet, "p2Min")->isEnabled());
        QVERIFY(!Find<CheckTree>(sheet, "frames")->isEnabled());
        QVERIFY(Find<ChoiceBox>(sheet, "nad")->isEnabled());
        sheet.Commit();
        const NodeAttributes* motor = network->FindNodeAttributes("Motor");
        QCOMPARE(motor->protocol, std::string("1.3"));
        QCOMPARE(motor->supplierId, 42);
    }

    void networkSheetShowsStoredValues()
    {
        auto network = MakeNetwork();
        network->speedKbps = -1.0f;
        NetworkSheet sheet(SheetRequest{SheetId::NetworkSheet, "Properties"}, *network, NewDocumentCodec());
        QCOMPARE(sheet.Tabs()->tabText(0), QStringLiteral("Network"));
        QCOMPARE(Find<TypedChoiceBox>(sheet, "protocolVersion")->currentText(), QStringLiteral("2.0"));
        QCOMPARE(Find<TypedChoiceBox>(sheet, "protocolVersion")->currentIndex(), 2);
        QCOMPARE(Find<TypedChoiceBox>(sheet, "speed")->Text(), QString());
        sheet.Commit();
        QCOMPARE(network->speedKbps, 19.2f);
    }

    void networkSheetTakesTypedValuesAndTheLaterHeader()
    {
        auto network = MakeNetwork();
        NetworkSheet sheet(SheetRequest{SheetId::NetworkSheet, "Properties"}, *network, NewDocumentCodec());
        auto* header = Find<QGroupBox>(sheet, "lin21Header");
        QVERIFY(!header->isEnabled());
        auto* language = Find<TypedChoiceBox>(sheet, "languageVersion");
        ShowPageOf(sheet, language);
        Replace(language->lineEdit(), QStringLiteral("ISO17987:2016"));
        QVERIFY(header->isEnabled());
        Replace(Find<TypedChoiceBox>(sheet, "speed")->lineEdit(), QStringLiteral("10.417"));
        auto* channel = Find<QLineEdit>(sheet, "channelName");
        QVERIFY(!channel->isEnabled());
        QTest::mouseClick(Find<QCheckBox>(sheet, "channelNameGiven"), Qt::LeftButton);
        QVERIFY(channel->isEnabled());
        Choose(Find<ChoiceBox>(sheet, "byteOrder"), QStringLiteral("Big endian"));
        QTest::keyClick(channel, Qt::Key_Return);
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(network->languageVersionText, std::string("ISO17987:2016"));
        QCOMPARE(network->speedKbps, 10.417f);
        QCOMPARE(network->channelName, std::optional<std::string>(""));
        QVERIFY(network->byteOrder == SignalByteOrder::BigEndian);
    }

    void masterSheetGivesTheJ2602PairForJ2602Networks()
    {
        auto network = MakeNetwork();
        {
            MasterSheet plain(SheetRequest{SheetId::MasterSheet, "Master"}, *network, NewDocumentCodec());
            QVERIFY(!Find<QGroupBox>(plain, "j2602")->isEnabled());
        }
        network->protocolVersionText = "J2602_1_1.0";
        MasterSheet sheet(SheetRequest{SheetId::MasterSheet, "Master"}, *network, NewDocumentCodec());
        auto* pair = Find<QGroupBox>(sheet, "j2602");
        QVERIFY(pair->isEnabled());
        QVERIFY(!pair->isChecked());
        pair->setChecked(true);
        auto* tolerance = Find<QLineEdit>(sheet, "tolerancePercent");
        ShowPageOf(sheet, tolerance);
        Replace(tolerance, QStringLiteral("12.5"));
        QTest::keyClick(tolerance, Qt::Key_Return);
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(network->maxHeaderBits, 48);
        QCOMPARE(network->masterTolerancePercent, 12.5);
    }

    void theRegistryOpensKnownSheetsThroughTheRunner()
    {
        auto network = MakeNetwork();
        int runs = 0;
        auto confirm = [&runs](QDialog& dialog) {
            ++runs;
            auto* sheet = qobject_cast<PropertySheet*>(&dialog);
            if (!sheet)
                return int(QDialog::Rejected);
            sheet->Commit();
            return sheet->result();
        };
        QVERIFY(RunSheet(SheetRequest{SheetId::MasterSheet, "Master"}, *network, NewDocumentCodec(), nullptr, confirm));
        QVERIFY(
            RunSheet(SheetRequest{SheetId::SignalSheet, "Signals", 0}, *network, NewDocumentCodec(), nullptr, confirm));
        QVERIFY(!RunSheet(SheetRequest{}, *network, NewDocumentCodec(), nullptr, confirm));
        QCOMPARE(runs, 2);
        auto sheet = CreateSheet(SlaveSheet(0), *network, NewDocumentCodec(), nullptr);
        QVERIFY(sheet);
        QCOMPARE(sheet->Tabs()->count(), 4);
        QCOMPARE(sheet->Tabs()->tabText(3), QStringLiteral("Configurable frames"));
    }

    void compositeNodeSheetsOfferTheSlavesAndRenameWithinTheirConfiguration()
    {
        auto network = MakeRichNetwork();
        auto sheet = CreateSheet(SheetRequest{SheetId::CompFuncSheet, "Properties", 0, 1}, *network, NewDocumentCodec(),
                                 nullptr);
        QVERIFY(sheet);
        QCOMPARE(sheet->Tabs()->tabText(1), QStringLiteral("Functional Nodes"));
        auto* nodes = Find<CheckTree>(*sheet, "functionalNodes");
        QCOMPARE(nodes->topLevelItemCount(), 3);
        QCOMPARE(nodes->topLevelItem(2)->text(0), QStringLiteral("Door"));
        nodes->topLevelItem(2)->setCheckState(0, Qt::Checked);
        Replace(Find<QLineEdit>(*sheet, "name"), QStringLiteral("CompA"));
        sheet->Commit();
        const CompositeNode& compB = *network->compositeConfigurations[0]->compositeNodes[1];
        QCOMPARE(compB.name, std::string("CompA0"));
        QCOMPARE(compB.logicalNodes, std::vector<std::string>{"Door"});

        auto config = CreateSheet(SheetRequest{SheetId::CompConfigSheet, "Configuration", 0}, *network,
                                  NewDocumentCodec(), nullptr);
        QCOMPARE(config->Tabs()->tabText(0), QStringLiteral("Properties"));
        Replace(Find<QLineEdit>(*config, "name"), QStringLiteral("Body"));
        config->Commit();
        QCOMPARE(network->compositeConfigurations[0]->name, std::string("Body"));
    }

    void encodingValueSheetsShowTheirKindsPageAndStoreScaleAsTyped()
    {
        auto network = MakeRichNetwork();
        auto logical = CreateSheet(SheetRequest{SheetId::EncValSheet, "Encoding type", 1, 0}, *network,
                                   NewDocumentCodec(), nullptr);
        QCOMPARE(logical->Tabs()->count(), 1);
        QCOMPARE(logical->Tabs()->tabText(0), QStringLiteral("Logical properties"));
        QCOMPARE(Find<QLineEdit>(*logical, "text")->text(), QStringLiteral("Off"));

        auto physical = CreateSheet(SheetRequest{SheetId::EncValSheet, "Encoding type", 1, 1}, *network,
                                    NewDocumentCodec(), nullptr);
        QCOMPARE(physical->Tabs()->tabText(0), QStringLiteral("Physical properties"));
        auto* scale = Find<QLineEdit>(*physical, "scale");
        QCOMPARE(scale->text(), QStringLiteral("1.25"));
        ShowPageOf(*physical, scale);
        Replace(scale, QStringLiteral("0.0625197"));  // the ninth character is refused
        QCOMPARE(scale->text(), QStringLiteral("0.062519"));
        // A signed field: select all, type a negative number; its digits all show.
        auto* offset = Find<QLineEdit>(*physical, "offset");
        offset->selectAll();
        QTest::keyClicks(offset, QStringLiteral("-40.125"));
        QCOMPARE(offset->text(), QStringLiteral("-40.125"));
        physical->Commit();
        QCOMPARE(network->encodingTypes[1]->physicalRanges[0]->scale, 0.062519);
        QCOMPARE(network->encodingTypes[1]->physicalRanges[0]->offset, -40.125);
        network->encodingTypes[1]->physicalRanges[0]->scale = 0.0125;
        auto shown = CreateSheet(SheetRequest{SheetId::EncValSheet, "Encoding type", 1, 1}, *network,
                                 NewDocumentCodec(), nullptr);
        QCOMPARE(Find<QLineEdit>(*shown, "scale")->text(), QStringLiteral("0.0125"));
        QCOMPARE(Find<QLineEdit>(*shown, "offset")->text(), QStringLiteral("-40.125"));
    }

    void encodingTypeSheetsAddAndDeleteValuesOnACopy()
    {
        auto network = MakeRichNetwork();
        const std::string before = DumpNetwork(*network);
        ChooserStandIn chooser;
        {
            SigEncSheet sheet(SheetRequest{SheetId::SigEncSheet, "Encoding Type", 1}, *network, NewDocumentCodec());
            sheet.findChild<SigEnc2*>()->SetMenuRunner(chooser.Choose(QStringLiteral("BCD")));
            ClickButton(sheet, "values", "add");
            QCOMPARE(chooser.entries, (QStringList{"Logical", "Physical", "BCD", "ASCII"}));
            QCOMPARE(ListTexts(sheet, "values"),
                     (QStringList{"Logical value (0, \"Off\")", "Physical value (1, 254, 1.25, 0.00, \"%\")",
                                  "bcd_value", "bcd_value"}));
            sheet.reject();
        }
        QCOMPARE(DumpNetwork(*network), before);

        SigEncSheet sheet(SheetRequest{SheetId::SigEncSheet, "Encoding Type", 1}, *network, NewDocumentCodec());
        sheet.findChild<SigEnc2*>()->SetMenuRunner(chooser.Choose(QStringLiteral("Logical")));
        ClickButton(sheet, "values", "add");
        auto* list = Find<QWidget>(sheet, "values")->findChild<QListWidget*>();
        list->setCurrentRow(3);  // the BCD value, now the fourth line
        ClickButton(sheet, "values", "delete");
        QCOMPARE(list->currentRow(), 2);
        sheet.Commit();
        const EncodingType& mixed = *network->encodingTypes[1];
        QCOMPARE(mixed.bcdCount, 0);
        QCOMPARE(mixed.logicalValues.size(), std::size_t(2));
    }

    void frameGroupSheetsOfferFreeIdsAndGreyListedFrames()
    {
        auto network = MakeRichNetwork();
        ETFrameSheet sheet(SheetRequest{SheetId::ETFrameSheet, "Event Triggered Frame", 0}, *network,
                           NewDocumentCodec());
        auto* frameId = Find<ChoiceBox>(sheet, "frameId");
        QCOMPARE(frameId->count(), 57);
        QCOMPARE(frameId->Selected(), QStringLiteral("58"));
        QCOMPARE(ListTexts(sheet, "frames"), (QStringList{"MotorState", "DoorState"}));
        // An event-triggered frame offers the slaves' frames only.
        ChooserStandIn chooser;
        sheet.findChild<GroupedFramesPage*>()->SetMenuRunner(chooser.Choose(QStringLiteral("MotorState")));
        Find<QWidget>(sheet, "frames")->findChild<QListWidget*>()->setCurrentRow(0);
        ClickButton(sheet, "frames", "delete");
        ClickButton(sheet, "frames", "add");
        QCOMPARE(chooser.entries, (QStringList{"MotorState", "-DoorState"}));
        frameId->Select(QStringLiteral("5"));
        sheet.Commit();
        const EventTriggeredFrame& eventAll = *network->eventTriggeredFrames[0];
        QCOMPARE(eventAll.frameNames, (std::vector<std::string>{"DoorState", "MotorState"}));
        QCOMPARE(eventAll.frameId, 5);

        SporadicFrmSheet sporadic(SheetRequest{SheetId::SporadicFrmSheet, "Sporadic Frame", 0}, *network,
                                  NewDocumentCodec());
        QCOMPARE(sporadic.Tabs()->tabText(1), QStringLiteral("Frames"));
        Find<QWidget>(sporadic, "frames")->findChild<QListWidget*>()->setCurrentRow(0);
        ClickButton(sporadic, "frames", "delete");
        // A sporadic frame offers the master's frames only.
        sporadic.findChild<GroupedFramesPage*>()->SetMenuRunner(chooser.Choose(QStringLiteral("MotorCmd")));
        ClickButton(sporadic, "frames", "add");
        QCOMPARE(chooser.entries, QStringList{"MotorCmd"});
        Replace(Find<QLineEdit>(sporadic, "name"), QStringLiteral("MotorCmd"));
        sporadic.Commit();
        QCOMPARE(network->sporadicFrames[0]->name, std::string("MotorCmd0"));
        QCOMPARE(network->sporadicFrames[0]->frameNames, (std::vector<std::string>{"DoorState", "MotorCmd"}));
    }

    void dynamicIdsAreStoredAsAddedAndShownAscending()
    {
        auto network = MakeRichNetwork();
        {
            DynFrmSheet sheet(SheetRequest{SheetId::DynFrmSheet, "Dynamic Frames"}, *network, NewDocumentCodec());
            auto* free = Find<ChoiceBox>(sheet, "freeIds");
            QCOMPARE(free->count(), 58);
            ClickButton(sheet, "dynamicIds", "add");  // nothing chosen: nothing added
            for (const char* id : {"40", "12"}) {
                free->Select(QString::fromLatin1(id));
                ClickButton(sheet, "dynamicIds", "add");
            }
            Find<QWidget>(sheet, "dynamicIds")->findChild<QListWidget*>()->setCurrentRow(0);
            ClickButton(sheet, "dynamicIds", "delete");
            QCOMPARE(ListTexts(sheet, "dynamicIds"), (QStringList{"51", "40", "12"}));
            QCOMPARE(free->count(), 57);
            QCOMPARE(free->itemText(48), QStringLiteral("50"));
            sheet.Commit();
        }
        QCOMPARE(network->dynamicFrameIds, (std::vector<unsigned>{51, 40, 12}));
        DynFrmSheet sheet(SheetRequest{SheetId::DynFrmSheet, "Dynamic Frames"}, *network, NewDocumentCodec());
        QCOMPARE(ListTexts(sheet, "dynamicIds"), (QStringList{"12", "40", "51"}));
    }
};

REGISTER_GUI_TEST(PropertySheetTest);

#include "PropertySheetTest.moc"
