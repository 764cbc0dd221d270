#include "GuiTestRegistry.h"
#include "SheetTestHelpers.h"
#include "controls/CheckTree.h"
#include "controls/ChoiceBox.h"
#include "model/LinNetwork.h"
#include "sheets/MasterSheet.h"
#include "sheets/NAttSheet.h"
#include "sheets/NetworkSheet.h"
#include "sheets/SheetRegistry.h"

#include <QGroupBox>
#include <QLineEdit>
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

    void networkSheetSelectsStoredValuesOnly()
    {
        auto network = MakeNetwork();
        network->speedKbps = 15.0f;
        NetworkSheet sheet(SheetRequest{SheetId::NetworkSheet, "Properties"}, *network, NewDocumentCodec());
        QCOMPARE(sheet.Tabs()->tabText(0), QStringLiteral("Network"));
        QCOMPARE(Find<ChoiceBox>(sheet, "protocolVersion")->Selected(), QStringLiteral("2.0"));
        QCOMPARE(Find<ChoiceBox>(sheet, "speed")->Selected(), QString());
        sheet.Commit();
        QCOMPARE(network->speedKbps, 19.2f);
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
};

REGISTER_GUI_TEST(PropertySheetTest);

#include "PropertySheetTest.moc"
