#include "gui/TextCodec.h"
#include "GuiTestRegistry.h"

#include <QTest>

class TextCodecTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void utf8FileIsShownAsUtf8()
    {
        const std::string text = "unit \xC2\xB0"
                                 "C";
        const TextCodec codec = TextCodec::ForFileText(text);
        QVERIFY(codec.IsUtf8());
        QCOMPARE(codec.ToQt("\xC2\xB0"
                            "C"),
                 QString::fromUtf8("\u00B0C"));
        QCOMPARE(codec.FromQt(codec.ToQt(text)), text);
    }

    void otherBytesSurviveAsLatin1()
    {
        const std::string text = "unit \xB0"
                                 "C \xFF\xFE";
        const TextCodec codec = TextCodec::ForFileText(text);
        QVERIFY(!codec.IsUtf8());
        QCOMPARE(codec.FromQt(codec.ToQt(text)), text);
    }
};

REGISTER_GUI_TEST(TextCodecTest);

#include "TextCodecTest.moc"
