#include "editing/DataRows.h"
#include "NetworkFixtures.h"
#include "validation/TreeOutline.h"

#include <gtest/gtest.h>

namespace {

using namespace outline_text;
using Rows = std::vector<std::vector<std::string>>;

Rows CellsOf(const DataTable& table)
{
    Rows rows;
    for (const auto& row : table.rows)
        rows.push_back(row.cells);
    return rows;
}

std::vector<std::string> Captions(const DataTable& table)
{
    std::vector<std::string> captions;
    for (const auto& column : table.columns)
        captions.push_back(column.caption);
    return captions;
}

std::vector<std::string> Column(const DataTable& table, std::size_t column)
{
    std::vector<std::string> cells;
    for (const auto& row : table.rows)
        cells.push_back(column < row.cells.size() ? row.cells[column] : "");
    return cells;
}

TEST(DataFill, CategoriesListTheirEntities)
{
    auto n = MakeRichNetwork();
    struct Case {
        TreeItemRef item;
        const char* layout;
        Rows rows;
    };
    const Case cases[] = {
        {ItemAt(*n, Nodes), "Nodes", {{"Master", "Master"}, {"Motor", "Slave"}, {"Light", "Slave"}, {"Door", "Slave"}}},
        {ItemAt(*n, DynamicFrames), "Dynamic Frames", {{"50"}, {"51"}}},
        {ItemAt(*n, EventTriggeredFrames), "Event Triggered Frames", {{"EventAll", "58", ""}}},
        {ItemAt(*n, SporadicFrames), "Sporadic Frames", {{"SpoMotor"}}},
        {ItemAt(*n, NodeComposition), "Node Composition", {{"Cfg1"}}},
        {ItemAt(*n, NodeComposition, {0}), "Composite_nodes", {{"CompA"}, {"CompB"}}},
        {ItemAt(*n, NodeComposition, {0, 0}), "Functional_nodes", {{"Motor"}, {"Light"}}},
        {ItemAt(*n, Network),
         "Network",
         {{"LIN protocol version", "2.00"}, {"LIN language version", "2.00"}, {"LIN speed", "19.20"}}},
        {ItemAt(*n, Schedules), "Schedules", {{"Normal", "55"}, {"Diag", "90"}}},
        {ItemAt(*n, Signals, {1}), "Representation_All", {{"Speed"}, {"Mixed"}, {"Text"}}},
        {ItemAt(*n, Signals, {0}), "Encodings_All", {{"Speed"}, {"Mixed"}, {"Text"}}},
        {ItemAt(*n, Signals, {1, 1}), "Representation", {{"LightLevel"}, {"DoorOpen"}}},
        {ItemAt(*n, Nodes, {0}), "Master", {{"Master", "10", "0.10"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        const DataTable table = FillDataTable(*n, c.item);
        EXPECT_EQ(table.layout, c.layout);
        EXPECT_EQ(CellsOf(table), c.rows);
    }
}

TEST(DataFill, SignalsShowInitRepresentationAndSubscribers)
{
    auto n = MakeRichNetwork();
    n->signals[0]->initValues = {static_cast<std::uint16_t>(-1)};
    const DataTable table = FillDataTable(*n, ItemAt(*n, Signals));
    EXPECT_EQ(Captions(table),
              (std::vector<std::string>{"Name", "Size", "Init", "Representation", "Publisher", "Subscriber"}));
    EXPECT_EQ(table.columns[5].width, kFillWidth);
    const Rows expected = {
        {"MotorSpeed", "8", "65535", "Speed", "Master", "Motor, Light"},
        {"MotorError", "1", "0", "", "Motor", "Master"},
        {"LightLevel", "16", "BA", "Mixed", "Light", "Master, Motor"},
        {"DoorOpen", "1", "", "Mixed", "Door", "Master"},
    };
    EXPECT_EQ(CellsOf(table), expected);

    const DataTable one = FillDataTable(*n, ItemAt(*n, Signals, {5}));
    EXPECT_EQ(one.layout, "UniqueSignal");
    EXPECT_EQ(CellsOf(one), (Rows{expected[2]}));
}

TEST(DataFill, FramesShowTheDefaultLengthThePreparationStores)
{
    auto n = MakeRichNetwork();
    const DataTable table = FillDataTable(*n, ItemAt(*n, Frames));
    const Rows expected = {
        {"MasterReq", "60", "8", "Master"}, {"SlaveResp", "61", "8", "All slaves"}, {"MotorCmd", "16", "2", "Master"},
        {"MotorState", "32", "4", "Motor"}, {"DoorState", "48", "1", "Door"},
    };
    EXPECT_EQ(CellsOf(table), expected);
    EXPECT_EQ(n->frames[1]->length, 0);
    PrepareTreeOutline(*n);
    EXPECT_EQ(n->frames[1]->length, 4);
}

TEST(DataFill, FrameItemsListTheirSignals)
{
    auto n = MakeRichNetwork();
    const DataTable state = FillDataTable(*n, ItemAt(*n, Frames, {3}));
    EXPECT_EQ(state.layout, "Frame_Signal");
    EXPECT_EQ(CellsOf(state), (Rows{{"MotorError", "1", "0"}, {"LightLevel", "16", "8"}, {"Gone", "", "24"}}));

    const DataTable request = FillDataTable(*n, ItemAt(*n, Frames, {0}));
    EXPECT_EQ(Column(request, 0).front(), "MasterReqB0");
    EXPECT_EQ(Column(request, 0).back(), "MasterReqB7");
    EXPECT_EQ(Column(request, 2), (std::vector<std::string>{"0", "8", "16", "24", "32", "40", "48", "56"}));
    EXPECT_EQ(Column(request, 1), std::vector<std::string>(8, ""));
    const DataTable response = FillDataTable(*n, ItemAt(*n, Frames, {1}));
    EXPECT_EQ(Column(response, 0)[3], "SlaveRespB3");
}

TEST(DataFill, EventTriggeredAndSporadicFramesDescribeTheirFrames)
{
    auto n = MakeRichNetwork();
    const DataTable eventTriggered = FillDataTable(*n, ItemAt(*n, EventTriggeredFrames, {0}));
    EXPECT_EQ(eventTriggered.layout, "ETFramesSub");
    EXPECT_EQ(CellsOf(eventTriggered), (Rows{{"MotorState", "4", "Motor", "Signal assigned"},
                                             {"DoorState", "1", "Door", "No signal assigned"},
                                             {"Gone"}}));
    const DataTable sporadic = FillDataTable(*n, ItemAt(*n, SporadicFrames, {0}));
    EXPECT_EQ(sporadic.layout, "SpFrmSub");
    EXPECT_EQ(CellsOf(sporadic), (Rows{{"MotorCmd", "Master", "No"}, {"DoorState", "Door", "EventAll"}, {"Gone"}}));
}

TEST(DataFill, ScheduleEntriesKeepTheirPositionAsSource)
{
    auto n = MakeRichNetwork();
    const DataTable table = FillDataTable(*n, ItemAt(*n, Schedules, {1}));
    EXPECT_EQ(table.layout, "Schedule_Frames");
    const Rows expected = {
        {"MasterReq", "10", "-"},
        {"SlaveResp", "10", "-"},
        {"AssignFrameId", "20", "Node name: Motor, Frame name: MotorState"},
        {"UnassignFrameId", "5", "Node name: Door, Frame name: DoorState"},
        {"AssignNAD", "10", "Old NAD: 127, New NAD: 5, Supplier: 30, Function: 1"},
        {"FreeFormat", "10", "1  2  3  4  5  6  7  8"},
        {"AssignFrameId", "20", "Node name: Light, Frame name: MotorCmd"},
    };
    EXPECT_EQ(CellsOf(table), expected);
    // The entry of unknown kind shows no row; the one after it is still entry 7.
    EXPECT_EQ(table.rows.back().source, 7);
}

TEST(DataFill, EncodingValuesInTheirFixedOrder)
{
    auto n = MakeRichNetwork();
    const DataTable mixed = FillDataTable(*n, ItemAt(*n, Signals, {0, 1}));
    EXPECT_EQ(mixed.layout, "Encoding Types");
    EXPECT_EQ(CellsOf(mixed), (Rows{{"Logical", "0", "-", "-", "-", "Off"},
                                    {"Physical", "1", "254", "1.25", "0.00", "%"},
                                    {"BCD", "-", "-", "-", "-", "-"}}));
    const DataTable speed = FillDataTable(*n, ItemAt(*n, Signals, {0, 0}));
    EXPECT_EQ(CellsOf(speed), (Rows{{"Physical", "0", "255", "0.50", "-10.00", "rpm"}}));
    const DataTable text = FillDataTable(*n, ItemAt(*n, Signals, {0, 2}));
    EXPECT_EQ(Column(text, 0), (std::vector<std::string>{"ASCII", "ASCII"}));
}

TEST(DataFill, NumbersShowTheDigitsTwoDecimalsWouldRound)
{
    auto n = MakeRichNetwork();
    n->speedKbps = 10.417f;
    n->jitterMs = 0.125f;
    n->encodingTypes[0]->physicalRanges[0]->scale = 5.6785558246e-04;
    EXPECT_EQ(CellsOf(FillDataTable(*n, ItemAt(*n, Network)))[2][1], "10.417");
    EXPECT_EQ(CellsOf(FillDataTable(*n, ItemAt(*n, Nodes, {0})))[0][2], "0.125");
    EXPECT_EQ(CellsOf(FillDataTable(*n, ItemAt(*n, Signals, {0, 0})))[0][3], "0.00056785558246");
}

TEST(DataFill, SlaveAttributesDependOnTheProtocol)
{
    auto n = MakeRichNetwork();
    const DataTable motor = FillDataTable(*n, ItemAt(*n, Nodes, {1}));
    EXPECT_EQ(motor.layout, "NodeAtt");
    EXPECT_EQ(CellsOf(motor), (Rows{{"LIN Protocol", "2.0"},
                                    {"Configured NAD", "5"},
                                    {"Product ID", "Supplier: 30, Function: 1, Variant: 2"},
                                    {"Response error", "MotorError"},
                                    {"P2 min", "50 ms"},
                                    {"ST min", "10 ms"},
                                    {"Configurable frames", "MotorCmd = 1"},
                                    {"", "MotorState = 2"}}));

    const DataTable light = FillDataTable(*n, ItemAt(*n, Nodes, {2}));
    EXPECT_EQ(CellsOf(light), (Rows{{"LIN Protocol", "1.3"}, {"Configured NAD", "6"}}));

    // A slave without attributes shows default ones, which the preparation
    // gives it.
    const DataTable door = FillDataTable(*n, ItemAt(*n, Nodes, {3}));
    EXPECT_EQ(n->FindNodeAttributes("Door"), nullptr);
    PrepareTreeOutline(*n);
    ASSERT_NE(n->FindNodeAttributes("Door"), nullptr);
    EXPECT_EQ(CellsOf(FillDataTable(*n, ItemAt(*n, Nodes, {3}))), CellsOf(door));
    EXPECT_EQ(door.rows[1].cells[1], "127");
    EXPECT_EQ(door.rows[6].cells, (std::vector<std::string>{"Configurable frames", ""}));
}

TEST(DataFill, ShowsWhatLin21AndJ2602FilesAdd)
{
    auto n = LinNetwork::LoadFromText("LIN_description_file;\n"
                                      "LIN_protocol_version = \"J2602_1_1.0\";\n"
                                      "LIN_language_version = \"2.1\";\n"
                                      "LIN_speed = 19.2 kbps;\n"
                                      "Channel_name = \"DB\";\n"
                                      "Nodes { Master: CEM, 5 ms, 0.1 ms, 24 bits, 30 %; Slaves: LSM; }\n"
                                      "Signals { Err: 1, 0, LSM, CEM; }\n"
                                      "Frames { F: 1, LSM, 1 { Err, 0; } }\n"
                                      "Node_attributes { LSM { LIN_protocol = \"2.1\"; configured_NAD = 2;"
                                      " initial_NAD = 1; product_id = 3, 4; fault_state_signals = Err;"
                                      " P2_min = 12.5 ms; N_As_timeout = 1000 ms; wakeup_time = 50 ms;"
                                      " configurable_frames { F; } } }\n"
                                      "Schedule_tables { T { AssignNAD { LSM } delay 12.5 ms;"
                                      " DataDump { LSM, 1, 2, 3, 4, 5 } delay 10 ms;"
                                      " ConditionalChangeNAD { 1, 2, 3, 4, 5, 6 } delay 10 ms; } }\n");
    EXPECT_EQ(CellsOf(FillDataTable(*n, ItemAt(*n, Network))), (Rows{{"LIN protocol version", "J2602_1_1.0"},
                                                                     {"LIN language version", "2.1"},
                                                                     {"LIN speed", "19.20"},
                                                                     {"Channel name", "DB"},
                                                                     {"Max. header length", "24 bits"},
                                                                     {"Master response tolerance", "30 %"}}));
    EXPECT_EQ(CellsOf(FillDataTable(*n, ItemAt(*n, Nodes, {1}))), (Rows{{"LIN Protocol", "2.1"},
                                                                        {"Configured NAD", "2"},
                                                                        {"Initial NAD", "1"},
                                                                        {"Wake-up time", "50 ms"},
                                                                        {"Product ID", "Supplier: 3, Function: 4"},
                                                                        {"Response error", ""},
                                                                        {"Fault state signals", "Err"},
                                                                        {"P2 min", "12.5 ms"},
                                                                        {"ST min", "0 ms"},
                                                                        {"N_As timeout", "1000 ms"},
                                                                        {"Configurable frames", "F"}}));
    EXPECT_EQ(CellsOf(FillDataTable(*n, ItemAt(*n, Schedules, {0}))),
              (Rows{{"AssignNAD", "12.5", "Node name: LSM"},
                    {"DataDump", "10", "Node name: LSM, 1  2  3  4  5"},
                    {"ConditionalChangeNAD", "10", "1  2  3  4  5  6"}}));
}

// The master's name takes precedence in the list; other fixed captions do not.
TEST(DataFill, AnEntityNamedMasterShowsTheMaster)
{
    auto n = MakeRichNetwork();
    n->slaves[0]->name = "Master";
    n->signals[0]->name = "Master";
    n->eventTriggeredFrames[0]->name = "Master";
    n->frames[0]->name = "MasterReq";
    EXPECT_EQ(FillDataTable(*n, ItemAt(*n, Nodes, {1})).layout, "Master");
    EXPECT_EQ(FillDataTable(*n, ItemAt(*n, Signals, {3})).layout, "Master");
    EXPECT_EQ(FillDataTable(*n, ItemAt(*n, EventTriggeredFrames, {0})).layout, "ETFramesSub");
    EXPECT_EQ(FillDataTable(*n, ItemAt(*n, Frames, {2})).layout, "Frame_Signal");
}

TEST(DataFill, OtherItemsAndVanishedPositionsShowNothing)
{
    auto n = MakeRichNetwork();
    EXPECT_TRUE(FillDataTable(*n, TreeItemRef{}).columns.empty());
    EXPECT_TRUE(FillDataTable(*n, ItemAt(*n, "Elsewhere")).layout.empty());
    const DataTable gone = FillDataTable(*n, ItemShowing(*n, {EntityKind::Frame, 7}));
    EXPECT_EQ(gone.layout, "Frame_Signal");
    EXPECT_TRUE(gone.rows.empty());
    EXPECT_TRUE(FillDataTable(*n, ItemShowing(*n, {EntityKind::Slave, 8})).rows.empty());
    EXPECT_TRUE(FillDataTable(*n, ItemShowing(*n, {EntityKind::CompositeNode, 0, 4})).rows.empty());
}

std::vector<std::string> SignalNames(const LinNetwork& n)
{
    std::vector<std::string> names;
    for (const auto& s : n.signals)
        names.push_back(s->name);
    return names;
}

TEST(DataSort, FirstClickDescendsThenAscendsIgnoringCase)
{
    auto n = LinNetwork::CreateDefault();
    for (const char* name : {"beta", "Alpha", "gamma", "ALPHA2", "Delta"})
        n->signals.Append(std::make_unique<LinSignal>(name));
    ColumnSortFlags flags;

    DataTable table = FillDataTable(*n, ItemAt(*n, Signals));
    SortOutcome outcome = SortDataTable(*n, table, 0, flags);
    EXPECT_TRUE(outcome.sorted);
    EXPECT_TRUE(outcome.networkReordered);
    const std::vector<std::string> descending = {"gamma", "Delta", "beta", "ALPHA2", "Alpha"};
    EXPECT_EQ(Column(table, 0), descending);
    EXPECT_EQ(SignalNames(*n), descending);

    table = FillDataTable(*n, ItemAt(*n, Signals));
    SortDataTable(*n, table, 0, flags);
    const std::vector<std::string> ascending = {"Alpha", "ALPHA2", "beta", "Delta", "gamma"};
    EXPECT_EQ(Column(table, 0), ascending);
    EXPECT_EQ(SignalNames(*n), ascending);
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        EXPECT_EQ(table.rows[i].source, static_cast<int>(i));
}

TEST(DataSort, EmptyCellsCountAsABlankAndEqualTextsKeepTheExchangeOrder)
{
    auto n = LinNetwork::CreateDefault();
    n->slaves.clear();
    for (const char* name : {"S1", "S2", "S3", "S4"})
        n->slaves.Append(std::make_unique<LinNode>(name));
    n->signals.Append(std::make_unique<LinSignal>("a")).publisher = "S2";
    n->signals.Append(std::make_unique<LinSignal>("b"));
    n->signals.Append(std::make_unique<LinSignal>("c")).publisher = "S1";
    n->signals.Append(std::make_unique<LinSignal>("d")).publisher = "S2";
    ColumnSortFlags flags;
    DataTable table = FillDataTable(*n, ItemAt(*n, Signals));
    SortDataTable(*n, table, 4, flags);
    EXPECT_EQ(Column(table, 4), (std::vector<std::string>{"S2", "S2", "S1", ""}));
    EXPECT_EQ(SignalNames(*n), (std::vector<std::string>{"a", "d", "c", "b"}));
}

TEST(DataSort, FixedTopRowsStayInPlace)
{
    auto n = MakeRichNetwork();
    ColumnSortFlags flags;
    DataTable nodes = FillDataTable(*n, ItemAt(*n, Nodes));
    SortDataTable(*n, nodes, 0, flags);  // descending
    EXPECT_EQ(Column(nodes, 0), (std::vector<std::string>{"Master", "Motor", "Light", "Door"}));
    SortDataTable(*n, nodes, 0, flags);  // ascending
    EXPECT_EQ(Column(nodes, 0), (std::vector<std::string>{"Master", "Door", "Light", "Motor"}));
    EXPECT_EQ(n->slaves[0]->name, "Door");
    EXPECT_EQ(n->slaves[2]->name, "Motor");

    DataTable frames = FillDataTable(*n, ItemAt(*n, Frames));
    SortDataTable(*n, frames, 1, flags);
    EXPECT_EQ(Column(frames, 0),
              (std::vector<std::string>{"MasterReq", "SlaveResp", "DoorState", "MotorState", "MotorCmd"}));
    EXPECT_EQ(n->frames[0]->name, "DoorState");
    EXPECT_EQ(n->frames[2]->name, "MotorCmd");
}

TEST(DataSort, EachSortableListFollowsItsRows)
{
    auto n = MakeRichNetwork();
    n->scheduleTables[0]->name = "alpha";
    n->compositeConfigurations.Append(std::make_unique<CompositeConfiguration>("Cfg2"));
    n->eventTriggeredFrames.Append(std::make_unique<EventTriggeredFrame>("Zeta"));
    n->sporadicFrames.Append(std::make_unique<SporadicFrame>("Zed"));
    ColumnSortFlags flags;
    for (const char* top : {Schedules, NodeComposition, EventTriggeredFrames, SporadicFrames}) {
        SCOPED_TRACE(top);
        DataTable table = FillDataTable(*n, ItemAt(*n, top));
        EXPECT_TRUE(SortDataTable(*n, table, 0, flags).networkReordered);
    }
    EXPECT_EQ(n->scheduleTables[0]->name, "Diag");
    EXPECT_EQ(n->compositeConfigurations[0]->name, "Cfg2");
    EXPECT_EQ(n->eventTriggeredFrames[0]->name, "Zeta");
    EXPECT_EQ(n->sporadicFrames[0]->name, "Zed");
}

TEST(DataSort, EncodingValuesSortOnlyAsShown)
{
    auto n = MakeRichNetwork();
    const std::string before = DumpNetwork(*n);
    ColumnSortFlags flags;
    DataTable table = FillDataTable(*n, ItemAt(*n, Signals, {0, 1}));
    const SortOutcome outcome = SortDataTable(*n, table, 0, flags);
    EXPECT_TRUE(outcome.sorted);
    EXPECT_FALSE(outcome.networkReordered);
    EXPECT_EQ(Column(table, 0), (std::vector<std::string>{"Physical", "Logical", "BCD"}));
    // Each row keeps the value it shows.
    EXPECT_EQ(table.rows[0].source, 1);
    EXPECT_EQ(table.rows[1].source, 0);
    EXPECT_EQ(DumpNetwork(*n), before);
}

TEST(DataSort, OtherLayoutsAndMissingColumnsDoNothing)
{
    auto n = MakeRichNetwork();
    const std::string before = DumpNetwork(*n);
    ColumnSortFlags flags;
    DataTable network = FillDataTable(*n, ItemAt(*n, Network));
    EXPECT_FALSE(SortDataTable(*n, network, 0, flags).sorted);
    DataTable signals = FillDataTable(*n, ItemAt(*n, Signals));
    EXPECT_FALSE(SortDataTable(*n, signals, 6, flags).sorted);
    EXPECT_FALSE(SortDataTable(*n, signals, -1, flags).sorted);
    EXPECT_EQ(DumpNetwork(*n), before);
    // A click that did not sort does not turn the direction either.
    DataTable again = FillDataTable(*n, ItemAt(*n, Signals));
    SortDataTable(*n, again, 0, flags);
    EXPECT_EQ(Column(again, 0).front(), "MotorSpeed");
}

}  // namespace
