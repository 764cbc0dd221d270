#include "controls/EntryFields.h"
#include "GuiTestRegistry.h"
#include "controls/CheckTree.h"
#include "controls/CheckedIntegerEntry.h"

#include <QPushButton>
#include <QTest>

class EntryFieldsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nameFieldsHoldIdentifiersOnly()
    {
        NameEdit name;
        QTest::keyClicks(&name, QStringLiteral("1abc"));
        QCOMPARE(name.text(), QStringLiteral("_abc"));
        QTest::keyClicks(&name, QStringLiteral(" d-e.f"));
        QCOMPARE(name.text(), QStringLiteral("_abcdef"));
        name.setCursorPosition(0);
        QTest::keyClick(&name, Qt::Key_Delete);
        QTest::keyClicks(&name, QStringLiteral("7"));
        QCOMPARE(name.text(), QStringLiteral("_abcdef"));

        // What the sheet puts in is shown as it is, and stays when the user types.
        name.setText(QStringLiteral("Node-1"));
        QCOMPARE(name.text(), QStringLiteral("Node-1"));
        name.setText(QString::fromUtf8("T\xC3\xBCr-1"));
        name.end(false);
        QTest::keyClicks(&name, QStringLiteral("x-"));
        QCOMPARE(name.text(), QString::fromUtf8("T\xC3\xBCr-1x"));
        QCOMPARE(name.cursorPosition(), 6);
    }

    void decimalFieldsRefuseWhatIsNoNumber()
    {
        DecimalEdit jitter;
        QTest::keyClicks(&jitter, QStringLiteral("2,5"));
        QCOMPARE(jitter.text(), QStringLiteral("2.5"));
        QTest::keyClicks(&jitter, QStringLiteral(" x"));
        QCOMPARE(jitter.text(), QStringLiteral("2.5"));
        QTest::keyClicks(&jitter, QStringLiteral("123"));
        QCOMPARE(jitter.text(), QStringLiteral("2.512"));  // five characters at most
        QCOMPARE(jitter.cursorPosition(), 5);
    }

    // A signed field takes a minus wherever one can stand, and can be emptied.
    void signedFieldsTakeASignAndCanBeEmptied()
    {
        DecimalEdit offset(nullptr, 8);
        offset.setText(QStringLiteral("0.0125"));
        offset.selectAll();
        QTest::keyClicks(&offset, QStringLiteral("-40.125"));
        QCOMPARE(offset.text(), QStringLiteral("-40.125"));
        QVERIFY(offset.Problem().isEmpty());
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(&offset, Qt::Key_Backspace);
        QCOMPARE(offset.text(), QString());
        QTest::keyClicks(&offset, QStringLiteral("-"));
        QCOMPARE(offset.text(), QStringLiteral("-"));
        QVERIFY(offset.property("wrongNumber").toBool());  // red until it is a number
        QCOMPARE(offset.Problem(), QStringLiteral("Geben Sie bitte eine Zahl ein."));
        QTest::keyClicks(&offset, QStringLiteral("1e-3"));
        QCOMPARE(offset.text(), QStringLiteral("-1e-3"));
        QVERIFY(!offset.property("wrongNumber").toBool());
    }

    // Fields of a range refuse a sign and a point as typed, show the range
    // as their tooltip and turn red beyond it.
    void rangedFieldsShowTheirRange()
    {
        NumberEdit nad(NumberRange{0, 255, true, false}, 8);
        QCOMPARE(nad.toolTip(), QStringLiteral("0 to 255 or 0x0 to 0xFF"));
        QTest::keyClicks(&nad, QStringLiteral("-12.5"));
        QCOMPARE(nad.text(), QStringLiteral("125"));
        QVERIFY(nad.Problem().isEmpty());
        QTest::keyClicks(&nad, QStringLiteral("6"));
        QCOMPARE(nad.Problem(), QStringLiteral("Geben Sie bitte eine ganze Zahl zwischen 0 und 255 ein."));
        QVERIFY(nad.property("wrongNumber").toBool());
    }

    void digitsFieldsTakeDigitsOnly()
    {
        DigitsEdit digits;
        QTest::keyClicks(&digits, QStringLiteral("-12a3"));
        QCOMPARE(digits.text(), QStringLiteral("123"));
        QTest::keyClicks(&digits, QStringLiteral("x"));
        QCOMPARE(digits.text(), QStringLiteral("123"));
        digits.insert(QStringLiteral("12.5"));  // a paste is refused whole
        QCOMPARE(digits.text(), QStringLiteral("123"));
        DigitsEdit id(nullptr, true);
        QTest::keyClicks(&id, QStringLiteral("0x1g2"));
        QCOMPARE(id.text(), QStringLiteral("0x12"));
        ReadOnlyEdit shown;
        shown.setText(QStringLiteral("Motor"));
        QTest::keyClicks(&shown, QStringLiteral("x"));
        QCOMPARE(shown.text(), QStringLiteral("Motor"));
    }

    void checkedIntegersExplainInGerman()
    {
        QStringList messages;
        auto record = [&messages](QWidget*, const QString& message) { messages << message; };
        QLineEdit field;
        const CheckedIntegerEntry ranged(field, IntegerRange{-1000, 1000}, record);
        const CheckedIntegerEntry unranged(field, std::nullopt, record);

        field.setText(QStringLiteral(" -42 "));
        QCOMPARE(ranged.Read(), std::optional<int>(-42));
        field.setText(QStringLiteral("4x"));
        QCOMPARE(ranged.Read(), std::nullopt);
        field.setText(QStringLiteral("1001"));
        QCOMPARE(ranged.Read(), std::nullopt);
        QCOMPARE(unranged.Read(), std::optional<int>(1001));
        field.setText(QString());
        QCOMPARE(unranged.Read(), std::nullopt);
        field.setText(QStringLiteral("99999999999"));
        QCOMPARE(unranged.Read(), std::nullopt);
        QCOMPARE(messages,
                 (QStringList{"Geben Sie bitte eine ganze Zahl ein.",
                              "Geben Sie bitte eine ganze Zahl zwischen -1000 und 1000 ein.",
                              "Geben Sie bitte eine ganze Zahl ein.", "Geben Sie bitte eine ganze Zahl ein."}));
    }

    void uncheckAllClearsEveryItem()
    {
        CheckTree tree;
        tree.SetItems({"A", "B", "C"}, {"C", "A", "A"});
        QCOMPARE(tree.CheckedTexts(), (QStringList{"A", "C"}));
        std::unique_ptr<QPushButton> button(tree.MakeUncheckAllButton(nullptr));
        QCOMPARE(button->text(), QStringLiteral("Uncheck all"));
        button->click();
        QVERIFY(tree.CheckedTexts().isEmpty());
        QCOMPARE(tree.topLevelItemCount(), 3);
    }
};

REGISTER_GUI_TEST(EntryFieldsTest);

#include "EntryFieldsTest.moc"
