// Editing from the window: the tree's and the list's context menus, Add,
// Delete, the sheets opened by a double-click, sorting by a column, Undo
// and Redo, driven through the widgets with stand-ins for menus and sheets.

#include "DataListRows.h"
#include "EditorFixture.h"
#include "GuiTestRegistry.h"
#include "controls/CheckTree.h"
#include "editing/NetworkFixtures.h"
#include "gui/CDuvazadiDoc.h"
#include "model/LinNetwork.h"
#include "sheets/GroupedFramesPage.h"
#include "sheets/PropertySheet.h"
#include "views/DataView.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kExpandCollapse = QStringLiteral("Expand all, Collapse all");

// A shown editor holding the rich network, as the first rebuild leaves it.
struct RichEditor : EditorFixture {
    RichEditor()
    {
        frame->resize(900, 700);
        frame->show();
        frame->activateWindow();
        if (!QTest::qWaitForWindowActive(frame.get()))
            qFatal("the editor window was never shown");
        frame->NewDocument();
        frame->Document().ChangeOutsideHistory([](LinNetwork& network) { network = *MakeRichNetwork(); });
        Tree().expandAll();
    }

    const LinNetwork* Network() const { return frame->Document().Network(); }
    DataView& List() const { return frame->Data(); }

    // The right button over an item of a tree or list, as the platform
    // reports it.
    static void RightClick(QAbstractItemView& view, const QPoint& pos)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view.viewport()->mapToGlobal(pos));
        QApplication::sendEvent(view.viewport(), &event);
    }
    static void RightClick(QTreeWidget& tree, QTreeWidgetItem* item)
    {
        RightClick(tree, tree.visualItemRect(item).center());
    }
    static void RightClick(DataView& list, int row) { RightClick(list, ListRowRect(list, row).center()); }

    // A widget receives a double-click as press, release, double-click,
    // release; QTest's double-click sends only the third.
    static void DoubleClick(QAbstractItemView& view, const QPoint& pos)
    {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, pos);
    }
    static void DoubleClick(QTreeWidget& tree, QTreeWidgetItem* item)
    {
        tree.scrollToItem(item);
        DoubleClick(tree, tree.visualItemRect(item).center());
    }
    static void DoubleClick(DataView& list, int row)
    {
        list.scrollTo(ListRow(list, row));
        DoubleClick(list, ListRowRect(list, row).center());
    }

    void Select(const QStringList& path) const { Tree().setCurrentItem(Item(path)); }

    QString Cell(int row, int column) const { return ListCell(List(), row, column); }
    void SelectRow(int row) const { List().setCurrentIndex(ListRow(List(), row)); }

    QStringList Column(int column) const
    {
        QStringList texts;
        for (int i = 0; i < ListRowCount(List()); ++i)
            texts << Cell(i, column);
        return texts;
    }

    // The texts of an item's children from the first entity on.
    QStringList Children(const QStringList& path, int firstEntity) const
    {
        QStringList texts;
        const QTreeWidgetItem* parent = Item(path);
        for (int i = firstEntity; parent && i < parent->childCount(); ++i)
            texts << parent->child(i)->text(0);
        return texts;
    }

    void ClickHeader(int column) const
    {
        QHeaderView* header = List().header();
        const QPoint pos(header->sectionViewportPosition(column) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, pos);
    }
};

// Confirms a sheet the way its OK button does, after typing a name into it.
std::function<void(QDialog&)> CommitWithName(const QString& name)
{
    return [name](QDialog& dialog) {
        if (auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("name")))
            field->setText(name);
        AsSheet(dialog).Commit();
    };
}

// Confirms a sheet after typing a name and giving the record some content:
// every check tree's first item checked, the first frame the chooser offers.
std::function<void(QDialog&)> FillWithName(const QString& name)
{
    return [name](QDialog& dialog) {
        for (CheckTree* tree : dialog.findChildren<CheckTree*>())
            tree->topLevelItem(0)->setCheckState(0, Qt::Checked);
        if (auto* frames = dialog.findChild<GroupedFramesPage*>()) {
            frames->SetMenuRunner([](QMenu& menu, const QPoint&) -> QAction* {
                for (QAction* action : menu.actions())
                    if (action->isEnabled() && action->data().isValid())
                        return action;
                return nullptr;
            });
            frames->findChild<QPushButton*>(QStringLiteral("add"))->click();
        }
        CommitWithName(name)(dialog);
    };
}

QStringList Names(const OwnedList<LinNode>& list)
{
    QStringList names;
    for (const auto& record : list)
        names << QString::fromStdString(record->name);
    return names;
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void treeMenuFollowsTheItemUnderThePointer()
    {
        RichEditor editor;
        const struct {
            QStringList path;
            const char* title;
            QString enabled;
        } cases[] = {
            {{"Network"}, "Network", "Properties"},
            {{"Nodes"}, "Node", "Add"},
            {{"Nodes", "Master"}, "Node", "Add, Properties"},
            {{"Nodes", "Light"}, "Node", "Add, Delete, Properties"},
            {{"Frames", "MasterReq"}, "Frame", "Add"},
            {{"Node Composition", "Cfg1", "CompB"}, "Composite Node", "Add, Delete, Properties"},
            {{"Signals", "Representation"}, "Representation", ""},
            {{"Signals", "Representation", "Speed"}, "Encoding Type", "Properties"},
            {{"Dynamic Frames"}, "Dynamic Frames", "Properties"},
        };
        for (const auto& entry : cases) {
            QTreeWidgetItem* item = editor.Item(entry.path);
            QVERIFY2(item, qPrintable(entry.path.join('/')));
            editor.RightClick(editor.Tree(), item);
            QCOMPARE(editor.Tree().currentItem(), item);
            QCOMPARE(editor.menus.titles.last(), QString::fromLatin1(entry.title));
            const QString expected = entry.enabled.isEmpty() ? kExpandCollapse : entry.enabled + ", " + kExpandCollapse;
            QCOMPARE(editor.menus.enabled.last(), expected);
        }
        QVERIFY(editor.dialogs.names.isEmpty());
        QVERIFY(!editor.frame->Document().CanUndo());
    }

    void addingASlaveSelectsItAndOpensItsSheet()
    {
        RichEditor editor;
        editor.Item({"Nodes"})->setExpanded(false);
        editor.frame->Document().SetModified(false);
        QString shownName;
        editor.dialogs.inspect = [&](QDialog& dialog) {
            shownName = dialog.findChild<QLineEdit*>(QStringLiteral("name"))->text();
        };
        editor.menus.choices = {kCommandAdd};
        editor.RightClick(editor.Tree(), editor.Item({"Nodes"}));

        QCOMPARE(editor.dialogs.names, QStringList{"NAttSheet"});
        QCOMPARE(editor.dialogs.texts, QStringList{"Attributes"});
        QCOMPARE(shownName, QStringLiteral("Unknown"));
        // Cancelled: nothing is left behind, no record, no modified flag, no undo step.
        QCOMPARE(Names(editor.Network()->slaves), (QStringList{"Motor", "Light", "Door"}));
        QVERIFY(!editor.Network()->FindNodeAttributes("Unknown"));
        QVERIFY(!editor.Item({"Nodes", "Unknown"}));
        QCOMPARE(editor.Tree().currentItem(), editor.Item({"Nodes"}));
        QVERIFY(!editor.frame->isWindowModified());
        QVERIFY(!editor.frame->Document().CanUndo());

        // The list's Add is the tree's; a confirmed sheet names the slave.
        editor.Select({"Nodes"});
        editor.dialogs.inspect = CommitWithName(QStringLiteral("Seat"));
        editor.dialogs.answers = {QDialog::Accepted};
        editor.menus.choices = {kCommandAdd};
        editor.RightClick(editor.List(), 0);
        QCOMPARE(editor.menus.titles.last(), QStringLiteral("Node"));
        QCOMPARE(editor.menus.enabled.last(), QStringLiteral("Add, Properties"));
        QCOMPARE(Names(editor.Network()->slaves), (QStringList{"Motor", "Light", "Door", "Seat"}));
        QCOMPARE(editor.Tree().currentItem(), editor.Item({"Nodes", "Seat"}));
        QVERIFY(editor.Item({"Nodes"})->isExpanded());
    }

    void deletingAReferencedSignalAsksFirst()
    {
        RichEditor editor;
        QStringList listed;
        editor.dialogs.inspect = [&](QDialog& dialog) {
            listed.clear();
            for (const QListWidgetItem* item : dialog.findChild<QListWidget*>(QStringLiteral("consequences"))
                                                   ->findItems(QString(), Qt::MatchContains))
                listed << item->text();
        };
        editor.menus.choices = {kCommandDelete};
        editor.RightClick(editor.Tree(), editor.Item({"Signals", "LightLevel"}));
        // Cancelled: nothing changes.
        QCOMPARE(editor.dialogs.names, QStringList{"DeleteQuestion"});
        QCOMPARE(editor.dialogs.texts, QStringList{QApplication::applicationDisplayName()});
        QCOMPARE(listed, (QStringList{"Frame MotorState: placement at offset 8", "Representation of Mixed"}));
        QVERIFY(editor.Network()->FindSignal("LightLevel"));
        QVERIFY(!editor.frame->Document().CanUndo());

        editor.dialogs.answers = {QDialog::Accepted};
        editor.menus.choices = {kCommandDelete};
        editor.RightClick(editor.Tree(), editor.Item({"Signals", "LightLevel"}));
        QCOMPARE(editor.Network()->FindSignal("LightLevel"), nullptr);
        const LinFrame* frame = editor.Network()->FindFrame("MotorState");
        QVERIFY(frame);
        QCOMPARE(frame->signalNames, (std::vector<std::string>{"MotorError"}));
        QCOMPARE(frame->offsets, (std::vector<std::uint32_t>{0}));
        QCOMPARE(editor.Children({"Signals"}, 3), (QStringList{"MotorSpeed", "MotorError", "DoorOpen"}));

        // From the list: the selected row, never the master's.
        editor.Select({"Nodes"});
        editor.dialogs.answers = {QDialog::Accepted};
        editor.menus.choices = {kCommandDelete, kCommandDelete};
        editor.RightClick(editor.List(), 0);
        QCOMPARE(editor.Column(0), (QStringList{"Master", "Motor", "Light", "Door"}));
        editor.RightClick(editor.List(), 2);
        QCOMPARE(editor.dialogs.names.size(), 3);
        QCOMPARE(Names(editor.Network()->slaves), (QStringList{"Motor", "Door"}));
        QCOMPARE(editor.Column(0), (QStringList{"Master", "Motor", "Door"}));
    }

    void deletingAReferencedFrameIsOneStepThatUndoRestores()
    {
        RichEditor editor;
        const std::string original = DumpNetwork(*editor.Network());
        QStringList listed;
        editor.dialogs.inspect = [&](QDialog& dialog) {
            for (const QListWidgetItem* item : dialog.findChild<QListWidget*>(QStringLiteral("consequences"))
                                                   ->findItems(QString(), Qt::MatchContains))
                listed << item->text();
            const QString shots = qEnvironmentVariable("DUVAZADI_SHOTS");
            if (!shots.isEmpty())
                dialog.grab().save(shots + QStringLiteral("/delete-question.png"));
        };
        editor.dialogs.answers = {QDialog::Accepted};
        editor.Select({"Frames", "MotorCmd"});
        editor.Tree().RunCommand(kCommandDelete);
        QCOMPARE(listed, (QStringList{"Sporadic frame SpoMotor lists it", "Configurable frame of Motor",
                                      "Schedule table Normal, entry 1: MotorCmd",
                                      "Schedule table Diag, entry 8: AssignFrameId"}));
        QCOMPARE(editor.Network()->FindFrame("MotorCmd"), nullptr);
        QVERIFY(editor.frame->Document().Undo());
        QVERIFY(!editor.frame->Document().CanUndo());
        QCOMPARE(DumpNetwork(*editor.Network()), original);
    }

    void keysRunTheMenuCommandsWhereTheMenuOffersThem()
    {
        RichEditor editor;
        editor.dialogs.answers = {QDialog::Accepted, QDialog::Accepted};
        editor.Select({"Signals", "LightLevel"});
        QTest::keyClick(&editor.Tree(), Qt::Key_Delete);
        QCOMPARE(editor.Network()->FindSignal("LightLevel"), nullptr);
        QCOMPARE(editor.dialogs.names, QStringList{"DeleteQuestion"});

        editor.Select({"Nodes"});
        editor.SelectRow(0);
        QTest::keyClick(&editor.List(), Qt::Key_Delete);  // the master's row: no Delete in its menu
        QCOMPARE(editor.Network()->slaves.size(), 3u);
        editor.SelectRow(2);
        QTest::keyClick(&editor.List(), Qt::Key_Delete);
        QCOMPARE(Names(editor.Network()->slaves), (QStringList{"Motor", "Door"}));

        editor.SelectRow(1);
        QTest::keyClick(&editor.List(), Qt::Key_Return);
        editor.Select({"Nodes", "Master"});
        QTest::keyClick(&editor.Tree(), Qt::Key_F2);
        editor.Select({"Frames", "MasterReq"});  // no Properties in its menu
        QTest::keyClick(&editor.Tree(), Qt::Key_Enter);
        QCOMPARE(editor.dialogs.names, (QStringList{"DeleteQuestion", "DeleteQuestion", "NAttSheet", "MasterSheet"}));
    }

    void scheduleEntryRowsMoveDuplicateAndDeleteByKey()
    {
        RichEditor editor;
        editor.Select({"Schedules", "Normal"});
        editor.SelectRow(1);
        QTest::keyClick(&editor.List(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(editor.Column(0), (QStringList{"MotorState", "MotorCmd", "EventAll", "SpoMotor"}));
        QTest::keyClick(&editor.List(), Qt::Key_Up, Qt::ControlModifier);  // at the top: nothing moves
        QCOMPARE(editor.List().SelectedRow(), 0);
        QTest::keyClick(&editor.List(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(editor.List().SelectedRow(), 1);
        QTest::keyClick(&editor.List(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(editor.List().SelectedRow(), 2);
        QCOMPARE(editor.Column(0), (QStringList{"MotorCmd", "MotorState", "MotorState", "EventAll", "SpoMotor"}));
        editor.List().clearSelection();
        editor.SelectRow(0);
        QTest::keyClick(&editor.List(), Qt::Key_Delete);
        QCOMPARE(editor.Column(0), (QStringList{"MotorState", "MotorState", "EventAll", "SpoMotor"}));
        // Each key was one step.
        QVERIFY(editor.frame->Document().Undo());
        QCOMPARE(editor.Column(0).size(), 5);
        for (int step = 0; step < 3; ++step)
            QVERIFY(editor.frame->Document().Undo());
        QVERIFY(!editor.frame->Document().CanUndo());
    }

    void redItemsAndRowsShowTheirReasonsOnHover()
    {
        RichEditor editor;
        editor.frame->Document().ChangeOutsideHistory(
            [](LinNetwork& network) { network.signals[0]->subscribers.clear(); });
        const QString tip = editor.Item({"Signals", "MotorSpeed"})->toolTip(0);
        QVERIFY(tip.contains(QStringLiteral("No subscriber")));
        QCOMPARE(editor.Item({"Signals", "MotorError"})->toolTip(0), QString());
        editor.Select({"Signals"});
        QCOMPARE(ListCell(editor.List(), 0, 0, Qt::ToolTipRole), tip);
        QCOMPARE(ListCell(editor.List(), 0, 3, Qt::ToolTipRole), tip);
        QCOMPARE(ListCell(editor.List(), 1, 0, Qt::ToolTipRole), QString());
    }

    void doubleClickOpensTheSheetOfTheItemOrRow()
    {
        RichEditor editor;
        // Confirmed: the network changes, the tree and the list follow.
        editor.dialogs.inspect = CommitWithName(QStringLiteral("Gateway"));
        editor.dialogs.answers = {QDialog::Accepted};
        editor.DoubleClick(editor.Tree(), editor.Item({"Nodes", "Master"}));
        QCOMPARE(editor.dialogs.names, QStringList{"MasterSheet"});
        QCOMPARE(editor.Network()->masterName, std::string("Gateway"));
        QCOMPARE(editor.Tree().currentItem(), editor.Item({"Nodes", "Master"}));
        QCOMPARE(editor.Cell(0, 0), QStringLiteral("Gateway"));
        QVERIFY(editor.frame->Document().CanUndo());

        QString shownName;
        editor.dialogs.inspect = [&](QDialog& dialog) {
            shownName = dialog.findChild<QLineEdit*>(QStringLiteral("name"))->text();
        };
        editor.Select({"Nodes"});
        editor.DoubleClick(editor.List(), 2);
        QCOMPARE(editor.dialogs.names.last(), QStringLiteral("NAttSheet"));
        QCOMPARE(shownName, QStringLiteral("Light"));

        editor.dialogs.inspect = CommitWithName(QStringLiteral("Central"));
        editor.dialogs.answers = {QDialog::Accepted};
        editor.DoubleClick(editor.List(), 0);
        QCOMPARE(editor.dialogs.names.last(), QStringLiteral("MasterSheet"));
        QCOMPARE(editor.Column(0), (QStringList{"Central", "Motor", "Light", "Door"}));

        // The diagnostic frames have no sheet.
        editor.Select({"Frames"});
        const int opened = editor.dialogs.names.size();
        editor.DoubleClick(editor.List(), 1);
        editor.DoubleClick(editor.Tree(), editor.Item({"Frames", "MasterReq"}));
        QCOMPARE(editor.dialogs.names.size(), opened);
    }

    void doubleClickOpensTheSheetsOfSignalsFramesAndSchedules()
    {
        RichEditor editor;
        const struct {
            QStringList item;
            int row;  // -1: the tree item itself
            const char* sheet;
        } cases[] = {
            {{"Signals", "MotorSpeed"}, -1, "SignalSheet"},
            {{"Signals"}, 1, "SignalSheet"},
            {{"Signals", "Representation", "Speed"}, -1, "SignalRepSheet"},
            {{"Frames", "MotorCmd"}, -1, "FrameSheet"},
            {{"Frames", "MotorCmd"}, 0, "FrameOffSheet"},
            {{"Schedules", "Normal"}, -1, "ScheduleNameSheet"},
            {{"Schedules", "Diag"}, 4, "ScheduleSheet"},
        };
        for (const auto& c : cases) {
            if (c.row < 0) {
                editor.DoubleClick(editor.Tree(), editor.Item(c.item));
            } else {
                editor.Select(c.item);
                editor.DoubleClick(editor.List(), c.row);
            }
            QCOMPARE(editor.dialogs.names.last(), QString::fromLatin1(c.sheet));
        }
        QCOMPARE(editor.dialogs.names.size(), int(std::size(cases)));
    }

    void everyGroupingRecordOpensItsSheetFromTheTreeAndTheList()
    {
        struct Way {
            QStringList item;
            int row;  // -1: double-click the tree item, else this row of its list
            QString sheet;
            QString caption;
        };
        const Way ways[] = {
            {{"Node Composition", "Cfg1"}, -1, "CompConfigSheet", "Configuration"},
            {{"Node Composition"}, 0, "CompConfigSheet", "Configuration"},
            {{"Node Composition", "Cfg1", "CompB"}, -1, "CompFuncSheet", "Properties"},
            {{"Node Composition", "Cfg1"}, 1, "CompFuncSheet", "Configuration"},
            {{"Event Triggered Frames", "EventAll"}, -1, "ETFrameSheet", "Event Triggered Frame"},
            {{"Event Triggered Frames"}, 0, "ETFrameSheet", "Event Triggered Frame"},
            {{"Sporadic Frames", "SpoMotor"}, -1, "SporadicFrmSheet", "Sporadic Frame"},
            {{"Sporadic Frames"}, 0, "SporadicFrmSheet", "Sporadic Frame"},
            {{"Dynamic Frames"}, -1, "DynFrmSheet", "Dynamic Frames"},
            {{"Dynamic Frames"}, 0, "DynFrmSheet", "Dynamic Frames"},
            {{"Signals", "Encoding Types", "Speed"}, -1, "SigEncSheet", "Encoding Type"},
            {{"Signals", "Encoding Types"}, 0, "SigEncSheet", "Signal Encoding"},
            {{"Signals", "Encoding Types", "Mixed"}, 1, "EncValSheet", "Encoding type"},
            {{"Signals", "Encoding Types", "Mixed"}, 2, "", ""},  // a BCD value has no sheet
        };
        for (const Way& way : ways) {
            RichEditor editor;
            if (way.row < 0) {
                editor.DoubleClick(editor.Tree(), editor.Item(way.item));
            } else {
                editor.Select(way.item);
                editor.DoubleClick(editor.List(), way.row);
            }
            const QStringList expected = way.sheet.isEmpty() ? QStringList{} : QStringList{way.sheet};
            QCOMPARE(editor.dialogs.names, expected);
            QCOMPARE(editor.dialogs.texts, way.caption.isEmpty() ? QStringList{} : QStringList{way.caption});
        }
    }

    void addedGroupingRecordsOpenTheirSheetsAndSurviveSaveAndOpen()
    {
        struct Added {
            QStringList parent;
            QString sheet;
            QString name;
        };
        const Added added[] = {
            {{"Event Triggered Frames"}, "ETFrameSheet", "EventNew"},
            {{"Sporadic Frames"}, "SporadicFrmSheet", "SporadicNew"},
            {{"Signals", "Encoding Types"}, "SigEncSheet", "EncodingNew"},
            {{"Node Composition"}, "CompConfigSheet", "CfgNew"},
            {{"Node Composition", "Cfg1"}, "CompFuncSheet", "CompNew"},
        };
        RichEditor editor;
        for (const Added& record : added) {
            editor.Select(record.parent);
            editor.dialogs.inspect = FillWithName(record.name);
            editor.dialogs.answers = {QDialog::Accepted};
            editor.Tree().RunCommand(kCommandAdd);
            QCOMPARE(editor.dialogs.names.last(), record.sheet);
            QVERIFY(editor.Item(record.parent + QStringList{record.name}));
        }

        // The rich network holds records the file cannot; the new ones it can.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("grouping.ldf"));
        editor.chosenSavePaths << path;
        editor.dialogs.inspect = nullptr;
        editor.dialogs.answers = {QMessageBox::Save};
        QVERIFY(editor.frame->SaveDocumentAs());
        QVERIFY(!editor.dialogs.texts.last().contains(QStringLiteral("New")));
        QVERIFY(editor.frame->OpenDocument(path));
        editor.Tree().expandAll();
        for (const Added& record : added)
            QVERIFY(editor.Item(record.parent + QStringList{record.name}));
    }

    void headerClickReordersTheNetworkAndTheTree()
    {
        RichEditor editor;
        editor.Select({"Signals"});
        editor.ClickHeader(0);
        const QStringList descending = {"MotorSpeed", "MotorError", "LightLevel", "DoorOpen"};
        QCOMPARE(editor.Column(0), descending);
        QCOMPARE(editor.Children({"Signals"}, 3), descending);
        QCOMPARE(editor.Network()->signals.front()->name, std::string("MotorSpeed"));
        QCOMPARE(editor.Network()->signals.back()->name, std::string("DoorOpen"));

        editor.ClickHeader(0);
        const QStringList ascending = {"DoorOpen", "LightLevel", "MotorError", "MotorSpeed"};
        QCOMPARE(editor.Column(0), ascending);
        QCOMPARE(editor.Children({"Signals"}, 3), ascending);
        QCOMPARE(editor.Network()->signals.front()->name, std::string("DoorOpen"));
        QVERIFY(editor.frame->Document().CanUndo());

        // The master's row stays on top of the nodes.
        editor.Select({"Nodes"});
        editor.ClickHeader(0);
        QCOMPARE(editor.Column(0), (QStringList{"Master", "Motor", "Light", "Door"}));
        editor.ClickHeader(0);
        QCOMPARE(editor.Column(0), (QStringList{"Master", "Door", "Light", "Motor"}));
        QCOMPARE(Names(editor.Network()->slaves), (QStringList{"Door", "Light", "Motor"}));

        // The values of an encoding type only move on screen, taking their
        // sheets along.
        editor.Select({"Signals", "Encoding Types", "Mixed"});
        const std::string before = DumpNetwork(*editor.Network());
        editor.ClickHeader(0);
        QCOMPARE(editor.Column(0), (QStringList{"Physical", "Logical", "BCD"}));
        QCOMPARE(DumpNetwork(*editor.Network()), before);
        QString page;
        editor.dialogs.inspect = [&](QDialog& dialog) { page = AsSheet(dialog).Tabs()->tabText(0); };
        editor.DoubleClick(editor.List(), 0);
        // The sorted row opens the sheet of its own value.
        QCOMPARE(editor.dialogs.names, QStringList{"EncValSheet"});
        QCOMPARE(page, QStringLiteral("Physical properties"));
        QCOMPARE(editor.List().SelectedRow(), 1);
    }

    void undoAndRedoRestoreTheNetworkExactly()
    {
        RichEditor editor;
        QAction* undo = editor.frame->findChild<QAction*>(QStringLiteral("actionUndo"));
        QAction* redo = editor.frame->findChild<QAction*>(QStringLiteral("actionRedo"));
        QVERIFY(undo && redo);
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        const std::string original = DumpNetwork(*editor.Network());

        editor.dialogs.answers = {QDialog::Accepted, QDialog::Accepted};
        editor.menus.choices = {kCommandDelete, kCommandAdd};
        editor.RightClick(editor.Tree(), editor.Item({"Frames", "MotorState"}));
        editor.RightClick(editor.Tree(), editor.Item({"Signals"}));
        editor.Select({"Schedules"});
        editor.ClickHeader(0);  // already descending: no step
        editor.ClickHeader(0);
        const std::string edited = DumpNetwork(*editor.Network());
        QVERIFY(undo->isEnabled() && !redo->isEnabled());

        editor.frame->Document().SetModified(false);
        editor.Tree().setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(editor.frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(DumpNetwork(*editor.Network()), original);
        QVERIFY(!undo->isEnabled() && redo->isEnabled());
        QVERIFY(editor.frame->isWindowModified());
        QVERIFY(editor.Item({"Frames", "MotorState"}));
        QCOMPARE(editor.Column(0), (QStringList{"Normal", "Diag"}));

        for (int i = 0; i < 3; ++i)
            QTest::keyClick(editor.frame.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(DumpNetwork(*editor.Network()), edited);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(editor.Column(0), (QStringList{"Diag", "Normal"}));

        editor.frame->Document().SetModified(false);
        editor.frame->NewDocument();
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    }

    void staleRowOpensAndDeletesNothing()
    {
        RichEditor editor;
        editor.Select({"Signals"});
        editor.SelectRow(3);
        // The network loses signals behind the list's back.
        auto& signals = const_cast<LinNetwork*>(editor.Network())->signals;
        signals.erase(signals.begin() + 1, signals.end());
        const std::string before = DumpNetwork(*editor.Network());

        editor.List().RunCommand(kCommandProperties);
        editor.List().RunCommand(kCommandDelete);
        editor.DoubleClick(editor.List(), 3);
        QVERIFY(editor.dialogs.names.isEmpty());
        QCOMPARE(DumpNetwork(*editor.Network()), before);
        QVERIFY(!editor.frame->Document().CanUndo());
    }

    void editedNetworkSurvivesSaveAndOpen()
    {
        QTemporaryDir folder;
        EditorFixture editor;
        editor.frame->NewDocument();
        NavView& tree = editor.Tree();
        tree.setCurrentItem(editor.Item({"Nodes"}));
        editor.dialogs.answers = {QDialog::Accepted, QDialog::Accepted};
        editor.dialogs.inspect = CommitWithName(QStringLiteral("Alpha"));
        tree.RunCommand(kCommandAdd);
        tree.setCurrentItem(editor.Item({"Nodes", "Master"}));
        editor.dialogs.inspect = CommitWithName(QStringLiteral("Gateway"));
        tree.RunCommand(kCommandProperties);
        tree.setCurrentItem(editor.Item({"Nodes"}));
        editor.frame->Data().SortByColumn(0);
        editor.frame->Data().SortByColumn(0);
        QCOMPARE(Names(editor.frame->Document().Network()->slaves), (QStringList{"Alpha", "Slave1"}));
        tree.setCurrentItem(editor.Item({"Nodes", "Slave1"}));
        editor.dialogs.answers = {QDialog::Accepted, QDialog::Accepted};
        editor.dialogs.inspect = nullptr;
        tree.RunCommand(kCommandDelete);
        tree.setCurrentItem(editor.Item({"Nodes"}));
        tree.RunCommand(kCommandAdd);
        QCOMPARE(Names(editor.frame->Document().Network()->slaves), (QStringList{"Alpha", "Unknown"}));
        const QStringList outline = editor.Outline();

        const QString path = folder.filePath(QStringLiteral("edited.ldf"));
        editor.chosenSavePaths << path;
        QVERIFY(editor.frame->SaveDocumentAs());
        QVERIFY(editor.frame->OpenDocument(path));
        QCOMPARE(editor.Outline(), outline);
        QCOMPARE(editor.frame->Document().Network()->masterName, std::string("Gateway"));
    }
};

REGISTER_GUI_TEST(EditingTest);

#include "EditingTest.moc"
