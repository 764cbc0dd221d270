// The frame layout and schedule timeline pictures, drawn offscreen and read
// back pixel by pixel, and finding items in the tree and where they are used.

#include "EditorFixture.h"
#include "GuiTestRegistry.h"
#include "editing/NetworkFixtures.h"
#include "gui/CDuvazadiDoc.h"
#include "model/LinNetwork.h"
#include "views/FrameLayoutView.h"
#include "views/PictureColours.h"
#include "views/PicturePane.h"
#include "views/ScheduleTimelineView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

QRgb PixelAt(QWidget& widget, QPointF point) { return widget.grab().toImage().pixel(point.toPoint()); }

// A point inside a cell clear of the border and of any label.
QPoint CellCorner(const FrameLayoutView& view, int byte, int bit)
{
    return view.CellRect(byte, bit).topLeft() + QPoint(3, 3);
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void frameLayoutColoursBandsAndRedBits()
    {
        FrameLayoutView view;
        // A in bits 0-7, B in 4-11 overlapping it and past the 1-byte length.
        view.SetLayout(LayOutSignals({"A", "B"}, {0, 4}, {8, 8}, 1));
        view.resize(view.sizeHint());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(PixelAt(view, CellCorner(view, 0, 0)), picture::BandColour(0).rgb());
        QCOMPARE(PixelAt(view, CellCorner(view, 0, 5)), picture::CheckRed().rgb());
        QCOMPARE(PixelAt(view, CellCorner(view, 1, 2)), picture::CheckRed().rgb());
        QCOMPARE(PixelAt(view, CellCorner(view, 1, 7)), picture::CheckRed().rgb());

        // Resting on a band names its signal in full; a free bit says nothing.
        QCOMPARE(view.ToolTipAt(CellCorner(view, 1, 0)), QStringLiteral("Signal B\nOffset 4, size 8 bits\nBits 4-11"));
        QCOMPARE(view.ToolTipAt(QPoint(0, 0)), QString());

        QSignalSpy activated(&view, &FrameLayoutView::bandActivated);
        QTest::mouseDClick(&view, Qt::LeftButton, {}, CellCorner(view, 0, 1));
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toInt(), 0);
    }

    void frameOfAWrongLengthDrawsNoBitsAndSaysSo()
    {
        EditorFixture editor;
        QVERIFY(editor.frame->OpenDocument(QStringLiteral(DUVAZADI_TEST_DATA "/frame-length-negative.ldf")));
        editor.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.frame.get()));
        FrameLayoutView& view = editor.frame->Pictures().LayoutView();
        for (const QString& frame : {QStringLiteral("F"), QStringLiteral("G")}) {  // lengths -1 and -8
            QTreeWidgetItem* item = editor.Item({QStringLiteral("Frames"), frame});
            QVERIFY(item);
            editor.Tree().setCurrentItem(item);
            QVERIFY(view.Layout().lengthWrong);
            QCOMPARE(view.Layout().rows, 0);
            QCOMPARE(view.Notice(), QStringLiteral("Frame size wrong"));
            // Where the bits would be there is only the background.
            const QImage image = view.grab().toImage();
            const QRgb background = view.palette().color(QPalette::Base).rgb();
            for (int byte = 0; byte < kMaxFrameBytes; ++byte)
                for (int bit = 0; bit < 8; ++bit) {
                    const QPoint corner = CellCorner(view, byte, bit);
                    if (image.rect().contains(corner))
                        QCOMPARE(image.pixel(corner), background);
                }
            QVERIFY(image.rect().contains(CellCorner(view, 0, 0)));
        }
    }

    void frameDataShowsEachSignalsValueInItsBand()
    {
        auto network = MakeRichNetwork();
        PicturePane pane;
        pane.ShowItem(network.get(), ItemShowing(*network, {EntityKind::Frame, 0}));
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        auto* problem = pane.findChild<QLabel*>(QStringLiteral("frameDataProblem"));
        QVERIFY(problem);
        const FrameLayoutView& view = pane.LayoutView();
        QTest::keyClicks(&pane.DataField(), QStringLiteral("64"));
        QCOMPARE(problem->text(), QStringLiteral("too short: MotorCmd takes 2 bytes, 1 given"));
        QCOMPARE(view.BandLabel(view.Layout().bands.front()), QStringLiteral("MotorSpeed"));
        QTest::keyClicks(&pane.DataField(), QStringLiteral(" FF"));
        QCOMPARE(problem->text(), QString());
        QCOMPARE(view.BandLabel(view.Layout().bands.front()), QStringLiteral("MotorSpeed = 40 rpm"));
        // Another frame decodes the same bytes by its own signals.
        pane.ShowItem(network.get(), ItemShowing(*network, {EntityKind::Frame, 2}));
        QCOMPARE(view.BandLabel(view.Layout().bands.front()), QStringLiteral("DoorOpen"));
        QCOMPARE(problem->text(), QStringLiteral("too long: DoorState takes 1 byte, 2 given"));
    }

    void timelineDrawsSlotsToScaleWithShortSlotsRed()
    {
        auto network = LinNetwork::CreateDefault();  // 19.2 kbit/s
        auto frame = std::make_unique<LinFrame>();
        frame->name = "F8";
        frame->length = 8;  // at most 9.04 ms
        network->frames.Append(std::move(frame));
        ScheduleTable table("T");
        for (int delay : {20, 5, 15})
            table.entries.Append(
                std::make_unique<ScheduleEntry>(delay, kFrameSlot, std::make_unique<FrameSlotCommand>("F8")));
        ScheduleTimelineView view;
        view.resize(416, view.sizeHint().height());  // 10 pixels per ms
        view.SetTiming(ScheduleTiming(*network).TimeTable(table));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.SlotRect(1).left(), 8.0 + 200.0);
        const QPointF inFrame = view.FrameRect(0, true).topLeft() + QPointF(3, 3);
        QCOMPARE(PixelAt(view, inFrame), picture::BandColour(0).darker(130).rgb());
        const QPointF beyondMaximum(view.FrameRect(0, true).right() + 5, inFrame.y());
        QCOMPARE(PixelAt(view, beyondMaximum), picture::FreeColour().rgb());
        // The 5 ms slot is shorter than even the nominal frame time.
        QCOMPARE(PixelAt(view, view.FrameRect(1, true).topRight() + QPointF(-3, 3)),
                 picture::CheckRed().darker(130).rgb());

        // 400 pixels take six labels: the axis ticks every 10 ms below the
        // slots. A slot tells its figures.
        QCOMPARE(ScheduleTimelineView::AxisStepMs(40, 6), 10.0);
        QCOMPARE(ScheduleTimelineView::AxisStepMs(40, 8), 5.0);
        QCOMPARE(ScheduleTimelineView::AxisStepMs(0, 8), 0.0);
        const double axis = view.SlotRect(0).bottom();
        QCOMPARE(PixelAt(view, QPointF(8 + 100, axis + 2)), view.palette().color(QPalette::Text).rgb());
        QCOMPARE(PixelAt(view, QPointF(8 + 105, axis + 2)), view.palette().color(QPalette::Base).rgb());
        QVERIFY(view.ToolTipAt(view.SlotRect(1).center()).startsWith(QStringLiteral("F8\nDelay 5.00 ms\nFrame time")));
        QCOMPARE(view.ToolTipAt(QPointF(1, 1)), QString());
    }

    void findFiltersTheTreeAndWhereUsedSelectsTheRecord()
    {
        EditorFixture editor;
        editor.frame->resize(900, 700);
        editor.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.frame.get()));
        editor.frame->NewDocument();
        editor.frame->Document().ChangeOutsideHistory([](LinNetwork& network) { network = *MakeRichNetwork(); });
        NavView& tree = editor.Tree();

        tree.setFocus();
        QTest::keyClick(&tree, Qt::Key_F, Qt::ControlModifier);
        auto* find = tree.findChild<QLineEdit*>(QStringLiteral("treeFilter"));
        QVERIFY(find && find->isVisible());
        QTest::keyClicks(find, QStringLiteral("MOTOR"));
        QVERIFY(!editor.Item({"Nodes", "Motor"})->isHidden());
        QVERIFY(editor.Item({"Nodes", "Light"})->isHidden());
        QVERIFY(editor.Item({"Schedules"})->isHidden());
        QVERIFY(editor.Item({"Sporadic Frames"})->isExpanded());
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!find->isVisible());
        QVERIFY(!editor.Item({"Schedules"})->isHidden());
        QVERIFY(!editor.Item({"Nodes", "Light"})->isHidden());

        // The frame layout shows below the list for a frame.
        tree.setCurrentItem(editor.Item({"Frames", "MotorCmd"}));
        QVERIFY(editor.frame->Pictures().LayoutView().isVisible());
        QCOMPARE(editor.frame->Pictures().LayoutView().Layout().bands.size(), std::size_t{1});

        QStringList offered;
        QAction* chosen = nullptr;
        editor.frame->SetMenuRunner([&](QMenu& menu, const QPoint&) {
            for (QAction* action : menu.actions())
                if (action->menu() && action->text() == QStringLiteral("Where used"))
                    for (QAction* usage : action->menu()->actions()) {
                        offered << usage->text();
                        if (usage->text() == QStringLiteral("Schedule table Diag"))
                            chosen = usage;
                    }
            return chosen;
        });
        const QPoint pos = tree.visualItemRect(tree.currentItem()).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, tree.viewport()->mapToGlobal(pos));
        QApplication::sendEvent(tree.viewport(), &event);
        QCOMPARE(offered, QStringList({"Sporadic frame SpoMotor", "Schedule table Normal", "Schedule table Diag",
                                       "Slave Motor"}));
        QCOMPARE(tree.currentItem(), editor.Item({"Schedules", "Diag"}));
        QVERIFY(editor.frame->Pictures().TimelineView().isVisible());
        QVERIFY(!editor.frame->Pictures().LayoutView().isVisible());
    }
};

REGISTER_GUI_TEST(PicturesTest);

#include "PicturesTest.moc"
