#include "GuiTestRegistry.h"
#include "SheetTestHelpers.h"
#include "controls/CheckTree.h"
#include "controls/EntryFields.h"
#include "model/LinNetwork.h"
#include "sheets/NAttSheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

// Slave S on LIN 2.1 in a LIN 2.1 network, with what LIN 2.1 adds.
std::unique_ptr<LinNetwork> Lin21Network()
{
    return LinNetwork::LoadFromText("LIN_description_file;\nLIN_protocol_version = \"2.1\";\n"
                                    "LIN_language_version = \"2.1\";\nLIN_speed = 19.2 kbps;\n"
                                    "Nodes { Master: M, 10 ms, 0.1 ms; Slaves: S; }\n"
                                    "Signals { A: 1, 0, S, M; B: 1, 0, S, M; }\n"
                                    "Frames { F1: 1, S, 1 { A, 0; } F2: 2, S, 1 { B, 0; } }\n"
                                    "Node_attributes { S { LIN_protocol = \"2.1\"; configured_NAD = 1;\n"
                                    " product_id = 1, 2; fault_state_signals = A; P2_min = 0.5 ms;\n"
                                    " configurable_frames { F1; F2; } } }\n");
}

}  // namespace

class NodeAttributesSheetTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theLin21AndJ2602ControlsFollowTheProtocolAndCommit()
    {
        auto network = Lin21Network();
        NAttSheet sheet(SheetRequest{SheetId::NAttSheet, "Attributes", 0}, *network, NewDocumentCodec());
        auto* initialNad = Find<QLineEdit>(sheet, "initialNad");
        auto* initialNadGiven = Find<QCheckBox>(sheet, "initialNadGiven");
        auto* j2602 = Find<QWidget>(sheet, "j2602");
        QCOMPARE(Find<QLineEdit>(sheet, "p2Min")->text(), QStringLiteral("0.5"));
        QVERIFY(!Find<QCheckBox>(sheet, "variantGiven")->isChecked());
        QVERIFY(!initialNad->isEnabled());
        QVERIFY(j2602->isHidden());

        ShowPageOf(sheet, initialNadGiven);
        initialNadGiven->click();
        QVERIFY(initialNad->isEnabled());
        Replace(initialNad, QStringLiteral("0x22"));
        Replace(Find<QLineEdit>(sheet, "nAsTimeout"), QStringLiteral("1000"));  // not given: stays out
        Find<QCheckBox>(sheet, "nCrTimeoutGiven")->click();
        Replace(Find<QLineEdit>(sheet, "nCrTimeout"), QStringLiteral("12.5"));

        // Fault state signals: B checked and moved before A.
        auto* faults = Find<CheckTree>(sheet, "faultSignals");
        QCOMPARE(faults->topLevelItem(1)->text(0), QStringLiteral("B"));
        faults->topLevelItem(1)->setCheckState(0, Qt::Checked);
        faults->setCurrentItem(faults->topLevelItem(1));
        Find<QWidget>(sheet, "faultOrder")->findChild<QPushButton*>(QStringLiteral("moveUp"))->click();

        // Configurable frames: F2 first, listed with message id 9.
        auto* frames = Find<CheckTree>(sheet, "frames");
        QCOMPARE(frames->topLevelItem(1)->text(0), QStringLiteral("F2"));
        ShowPageOf(sheet, frames);
        frames->setCurrentItem(frames->topLevelItem(1));
        Find<QWidget>(sheet, "order")->findChild<QPushButton*>(QStringLiteral("moveUp"))->click();
        QCOMPARE(frames->currentItem(), frames->topLevelItem(0));
        Find<QCheckBox>(sheet, "withMessageId")->click();
        Replace(Find<QLineEdit>(sheet, "messageId"), QStringLiteral("9"));
        QCOMPARE(frames->topLevelItem(0)->text(0), QStringLiteral("F2 (9)"));

        // A J2602 protocol shows the J2602 times; J2602 on LIN 2.0 hides what LIN 2.1 adds.
        auto* protocol = Find<ChoiceBox>(sheet, "protocol");
        Choose(protocol, QStringLiteral("J2602_1_1.0"));
        QVERIFY(!j2602->isHidden());
        QVERIFY(initialNadGiven->isHidden());
        QVERIFY(Find<QWidget>(sheet, "withMessageId")->isHidden());
        Find<QCheckBox>(sheet, "wakeupTimeGiven")->click();
        Replace(Find<QLineEdit>(sheet, "wakeupTime"), QStringLiteral("50.5"));
        sheet.Commit();

        const NodeAttributes& s = *network->FindNodeAttributes("S");
        QCOMPARE(s.protocol, std::string("J2602_1_1.0"));
        QCOMPARE(s.initialNad, 0x22);  // hidden, still written
        QCOMPARE(s.productIdCount, 2);
        QCOMPARE(s.p2MinMs, 0.5);
        QCOMPARE(s.nAsTimeoutMs, -1.0);
        QCOMPARE(s.nCrTimeoutMs, 12.5);
        QCOMPARE(s.wakeupTimeMs, 50.5);
        QCOMPARE(s.powerOnTimeMs, -1.0);
        QCOMPARE(s.faultStateSignals, (std::vector<std::string>{"B", "A"}));
        QCOMPARE(s.configurableFrames.size(), std::size_t(2));
        QCOMPARE(s.configurableFrames[0]->frameName, std::string("F2"));
        QVERIFY(s.configurableFrames[0]->hasMessageId);
        QCOMPARE(s.configurableFrames[0]->messageId, 9);
        QVERIFY(!s.configurableFrames[1]->hasMessageId);
    }
    // A number outside the range the page shows turns its field red, and OK
    // explains and keeps the sheet open; the network keeps its value.
    void okRefusesANumberOutsideTheRangeShown()
    {
        auto network = Lin21Network();
        NAttSheet sheet(SheetRequest{SheetId::NAttSheet, "Attributes", 0}, *network, NewDocumentCodec());
        auto* supplier = Find<NumberEdit>(sheet, "supplierId");
        QCOMPARE(supplier->toolTip(), QStringLiteral("0 to 32766 or 0x0 to 0x7FFE"));
        ShowPageOf(sheet, supplier);
        Replace(supplier, QStringLiteral("-5"));
        QCOMPARE(supplier->text(), QStringLiteral("5"));  // the sign is refused where it is typed
        Replace(supplier, QStringLiteral("99999999999999999999999"));
        QCOMPARE(supplier->text(), QStringLiteral("99999999999999999999999"));
        QVERIFY(supplier->property("wrongNumber").toBool());
        sheet.Tabs()->setCurrentIndex(0);
        sheet.Commit();
        QVERIFY(sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        QCOMPARE(Find<QLabel>(sheet, "problem")->text(),
                 QStringLiteral("Geben Sie bitte eine ganze Zahl zwischen 0 und 32766 ein."));
        QVERIFY(sheet.Tabs()->currentWidget()->isAncestorOf(supplier));
        QCOMPARE(network->FindNodeAttributes("S")->supplierId, 1);

        Replace(supplier, QStringLiteral("0x7ffe"));
        QVERIFY(!supplier->property("wrongNumber").toBool());
        sheet.Commit();
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(network->FindNodeAttributes("S")->supplierId, 0x7FFE);
    }
};

REGISTER_GUI_TEST(NodeAttributesSheetTest);

#include "NodeAttributesSheetTest.moc"
