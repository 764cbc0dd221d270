// A long data list: its rows are read from the list's model, the hover text
// of a red row and the selection's source places are right for rows far
// down the list.

#include "DataListRows.h"
#include "EditorFixture.h"
#include "GuiTestRegistry.h"
#include "editing/NetworkFixtures.h"
#include "gui/CDuvazadiDoc.h"
#include "model/LinNetwork.h"
#include "views/DataTableModel.h"

#include <QItemSelectionModel>
#include <QTest>

namespace {

constexpr int kManyRows = 3000;

QString GeneratedName(int i) { return QStringLiteral("Sig%1").arg(i, 4, 10, QLatin1Char('0')); }

}  // namespace

class DataListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aLongListShowsEveryRowThroughItsModel()
    {
        EditorFixture editor;
        editor.frame->resize(900, 700);
        editor.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.frame.get()));
        editor.frame->NewDocument();
        editor.frame->Document().ChangeOutsideHistory([](LinNetwork& network) {
            network = *MakeRichNetwork();
            for (int i = 0; i < kManyRows; ++i) {
                auto& signal = network.signals.Append(std::make_unique<LinSignal>(GeneratedName(i).toStdString()));
                signal.size = 8;
                signal.publisher = "Motor";
                // One red row far down the list.
                if (i != kManyRows / 2)
                    signal.subscribers = {"Master"};
            }
            auto& values = network.encodingTypes.Append(std::make_unique<EncodingType>("Many"));
            for (int i = 0; i < kManyRows; ++i)
                values.AddLogicalValue(i, "v" + std::to_string(i));
        });
        DataView& list = editor.frame->Data();

        editor.Tree().setCurrentItem(editor.Item({"Signals"}));
        QCOMPARE(ListRowCount(list), 4 + kManyRows);
        QCOMPARE(list.model()->columnCount(), 6);
        QCOMPARE(list.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
        for (int i = 0; i < kManyRows; ++i) {
            const int row = 4 + i;
            QCOMPARE(ListCell(list, row, 0), GeneratedName(i));
            QCOMPARE(ListCell(list, row, 1), QStringLiteral("8"));
            QCOMPARE(ListRow(list, row).data(DataTableModel::kRowRole).toInt(), row);
        }
        QCOMPARE(ListCell(list, 4 + kManyRows, 0), QString());  // beyond the rows

        const QString tip = editor.Item({"Signals", GeneratedName(kManyRows / 2)})->toolTip(0);
        QVERIFY(tip.contains(QStringLiteral("No subscriber")));
        QCOMPARE(ListCell(list, 4 + kManyRows / 2, 0, Qt::ToolTipRole), tip);
        QCOMPARE(ListCell(list, 4 + kManyRows / 2, 2, Qt::ToolTipRole), tip);
        QCOMPARE(ListCell(list, 1, 0, Qt::ToolTipRole), QString());  // MotorError is fine

        // The values of an encoding type are sorted only as shown: each row
        // keeps its place in the type, and the selection reports those
        // places in the list's order.
        editor.Tree().setCurrentItem(editor.Item({"Signals", "Encoding Types", "Many"}));
        QCOMPARE(ListRowCount(list), kManyRows);
        list.SortByColumn(1);  // descending, as text
        QCOMPARE(ListCell(list, 0, 1), QStringLiteral("999"));
        for (int row = 0; row < kManyRows; ++row) {
            const int source = ListRow(list, row).data(DataTableModel::kRowRole).toInt();
            QCOMPARE(ListCell(list, row, 1), QString::number(source));
        }
        QItemSelectionModel& selection = *list.selectionModel();
        selection.select(ListRow(list, kManyRows - 1), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        selection.select(ListRow(list, 2), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        selection.select(ListRow(list, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(list.SelectedRows(), (std::vector<int>{999, 997, 0}));
    }
};

REGISTER_GUI_TEST(DataListTest);
#include "DataListTest.moc"
