#include "NetworkFixtures.h"

#include <algorithm>
#include <sstream>

namespace {

std::unique_ptr<ScheduleEntry> Slot(const std::string& frame, int delay)
{
    return std::make_unique<ScheduleEntry>(delay, kFrameSlot, std::make_unique<FrameSlotCommand>(frame));
}

std::unique_ptr<LinFrame> Frame(const std::string& name, int id, const std::string& publisher, int length)
{
    auto frame = std::make_unique<LinFrame>();
    frame->name = name;
    frame->frameId = id;
    frame->publisher = publisher;
    frame->length = length;
    return frame;
}

std::unique_ptr<LinSignal> Signal(const std::string& name, int size, std::vector<std::uint16_t> init,
                                  const std::string& publisher, std::vector<std::string> subscribers)
{
    auto signal = std::make_unique<LinSignal>(name);
    signal->size = size;
    signal->initValues = std::move(init);
    signal->publisher = publisher;
    signal->subscribers = NamesOf(subscribers);
    return signal;
}

template <typename Values> std::string List(const Values& values)
{
    std::ostringstream out;
    out << '[';
    for (const auto& value : values)
        out << value << ',';
    out << ']';
    return out.str();
}

}  // namespace

std::unique_ptr<LinNetwork> MakeRichNetwork()
{
    auto n = LinNetwork::CreateDefault();
    n->slaves.clear();
    for (const char* name : {"Motor", "Light", "Door"})
        n->slaves.Append(std::make_unique<LinNode>(name));

    auto& motor = n->nodeAttributes.Append(std::make_unique<NodeAttributes>("Motor"));
    motor.configuredNad = 5;
    motor.supplierId = 0x1E;
    motor.functionId = 1;
    motor.variant = 2;
    motor.responseErrorSignal = "MotorError";
    motor.p2MinMs = 50;
    motor.stMinMs = 10;
    motor.configurableFrames.Append(std::make_unique<ConfigurableFrame>("MotorCmd", 1));
    motor.configurableFrames.Append(std::make_unique<ConfigurableFrame>("MotorState", 2));
    auto& light = n->nodeAttributes.Append(std::make_unique<NodeAttributes>("Light"));
    light.protocol = "1.3";
    light.configuredNad = 6;

    n->signals.Append(Signal("MotorSpeed", 8, {3}, "Master", {"Motor", "Light"}));
    n->signals.Append(Signal("MotorError", 1, {0}, "Motor", {"Master"}));
    n->signals.Append(Signal("LightLevel", 16, {1, 2}, "Light", {"Master", "Motor"}));
    n->signals.back()->isByteArray = true;
    n->signals.Append(Signal("DoorOpen", 1, {}, "Door", {"Master"}));

    auto& motorCmd = n->frames.Append(Frame("MotorCmd", 0x10, "Master", 2));
    motorCmd.signalNames = {"MotorSpeed"};
    motorCmd.offsets = {0};
    auto& motorState = n->frames.Append(Frame("MotorState", 0x20, "Motor", 0));
    motorState.signalNames = {"MotorError", "LightLevel", "Gone"};
    motorState.offsets = {0, 8, 24};
    auto& doorState = n->frames.Append(Frame("DoorState", 0x30, "Door", 1));
    doorState.signalNames = {"DoorOpen"};
    doorState.offsets = {9};

    auto& eventAll = n->eventTriggeredFrames.Append(std::make_unique<EventTriggeredFrame>("EventAll"));
    eventAll.frameId = 0x3A;
    eventAll.frameNames = {"MotorState", "DoorState", "Gone"};
    auto& spoMotor = n->sporadicFrames.Append(std::make_unique<SporadicFrame>("SpoMotor"));
    spoMotor.frameNames = {"MotorCmd", "DoorState", "Gone"};

    auto& normal = n->scheduleTables.Append(std::make_unique<ScheduleTable>("Normal"));
    normal.entries.Append(Slot("MotorCmd", 10));
    normal.entries.Append(Slot("MotorState", 20));
    normal.entries.Append(Slot("EventAll", 10));
    normal.entries.Append(Slot("SpoMotor", 15));
    auto& diag = n->scheduleTables.Append(std::make_unique<ScheduleTable>("Diag"));
    diag.entries.Append(std::make_unique<ScheduleEntry>(10, kMasterReq, nullptr));
    diag.entries.Append(std::make_unique<ScheduleEntry>(10, kSlaveResp, nullptr));
    diag.entries.Append(
        std::make_unique<ScheduleEntry>(20, kAssignFrameId, std::make_unique<FrameIdCommand>("Motor", "MotorState")));
    diag.entries.Append(
        std::make_unique<ScheduleEntry>(5, kUnassignFrameId, std::make_unique<FrameIdCommand>("Door", "DoorState")));
    auto nad = std::make_unique<AssignNadCommand>();
    nad->initialNad = 127;
    nad->newNad = 5;
    nad->supplierId = 30;
    nad->functionId = 1;
    diag.entries.Append(std::make_unique<ScheduleEntry>(10, kAssignNad, std::move(nad)));
    auto free = std::make_unique<FreeFormatCommand>();
    free->data = {1, 2, 3, 4, 5, 6, 7, 8};
    diag.entries.Append(std::make_unique<ScheduleEntry>(10, kFreeFormat, std::move(free)));
    diag.entries.Append(std::make_unique<ScheduleEntry>(5, 99, nullptr));
    diag.entries.Append(
        std::make_unique<ScheduleEntry>(20, kAssignFrameId, std::make_unique<FrameIdCommand>("Light", "MotorCmd")));

    auto& speed = n->encodingTypes.Append(std::make_unique<EncodingType>("Speed"));
    speed.AddPhysicalRange(0, 255, 0.5, -10.0, "rpm");
    auto& mixed = n->encodingTypes.Append(std::make_unique<EncodingType>("Mixed"));
    mixed.AddLogicalValue(0, "Off");
    mixed.AddPhysicalRange(1, 254, 1.25, 0.0, "%");
    mixed.bcdCount = 1;
    auto& text = n->encodingTypes.Append(std::make_unique<EncodingType>("Text"));
    text.asciiCount = 2;
    n->signalRepresentations.Append(std::make_unique<SignalRepresentation>("Speed")).signalNames = {"MotorSpeed"};
    n->signalRepresentations.Append(std::make_unique<SignalRepresentation>("Mixed")).signalNames = {"LightLevel",
                                                                                                    "DoorOpen"};
    n->signalRepresentations.Append(std::make_unique<SignalRepresentation>("Text"));

    auto& configuration = n->compositeConfigurations.Append(std::make_unique<CompositeConfiguration>("Cfg1"));
    configuration.compositeNodes.Append(std::make_unique<CompositeNode>("CompA")).logicalNodes = {"Motor", "Light"};
    configuration.compositeNodes.Append(std::make_unique<CompositeNode>("CompB"));

    n->dynamicFrameIds = {50, 51};
    return n;
}

std::string DumpNetwork(const LinNetwork& n)
{
    std::ostringstream out;
    out << "header " << n.protocolVersion << ' ' << n.languageVersion << ' ' << n.speedKbps << ' ' << n.masterName
        << ' ' << n.timeBaseMs << ' ' << n.jitterMs << ' ' << n.descriptionFileSeen << ' ' << n.headerComment << '\n';
    out << "text " << n.filePath << ' ' << n.fileText.size() << ' ' << n.messages.Size() << '\n';
    for (const auto& s : n.slaves)
        out << "slave " << s->name << '\n';
    for (const auto& a : n.nodeAttributes) {
        out << "attr " << a->nodeName << ' ' << a->protocol << ' ' << a->configuredNad << ' ' << a->supplierId << ' '
            << a->functionId << ' ' << a->variant << ' ' << a->responseErrorSignal << ' ' << a->p2MinMs << ' '
            << a->stMinMs << ' ' << a->productIdCount;
        for (const auto& c : a->configurableFrames)
            out << ' ' << c->frameName << '=' << c->messageId;
        out << '\n';
    }
    for (const auto& c : n.compositeConfigurations) {
        out << "config " << c->name;
        for (const auto& node : c->compositeNodes)
            out << ' ' << node->name << List(node->logicalNodes);
        out << '\n';
    }
    for (const auto& d : n.diagnosticAddresses)
        out << "diag " << d->nodeName << ' ' << d->address << '\n';
    for (const auto& s : n.signals)
        out << "signal " << s->name << ' ' << s->size << ' ' << List(s->initValues.ToVector()) << ' ' << s->publisher
            << ' ' << List(s->subscribers) << ' ' << s->isByteArray << '\n';
    for (const auto& g : n.signalGroups)
        out << "group " << g->name << ' ' << g->groupSize << ' ' << List(g->signalNames) << List(g->offsets) << '\n';
    for (const auto& f : n.frames)
        out << "frame " << f->name << ' ' << f->frameId << ' ' << f->publisher << ' ' << f->length << ' '
            << List(f->signalNames) << List(f->offsets) << '\n';
    for (const auto& f : n.eventTriggeredFrames)
        out << "et " << f->name << ' ' << f->frameId << ' ' << List(f->frameNames) << '\n';
    for (const auto& f : n.sporadicFrames)
        out << "sporadic " << f->name << ' ' << List(f->frameNames) << '\n';
    out << "masterReq " << List(n.masterRequest.signalNames) << List(n.masterRequest.offsets) << '\n';
    out << "slaveResp " << List(n.slaveResponse.signalNames) << List(n.slaveResponse.offsets) << '\n';
    out << "dynamic " << List(n.dynamicFrameIds) << '\n';
    for (const auto& t : n.scheduleTables) {
        out << "table " << t->name;
        for (const auto& e : t->entries) {
            out << " (" << e->kind << ' ' << e->delayMs;
            if (const auto* slot = e->FrameSlot())
                out << ' ' << slot->frameName;
            if (const auto* id = e->FrameId())
                out << ' ' << id->nodeName << ' ' << id->frameName;
            if (const auto* nad = e->AssignNad())
                out << ' ' << nad->initialNad << ' ' << nad->newNad << ' ' << nad->supplierId << ' ' << nad->functionId;
            if (const auto* free = e->FreeFormat())
                out << ' ' << List(std::vector<int>(free->data.begin(), free->data.end()));
            out << ')';
        }
        out << '\n';
    }
    for (const auto& e : n.encodingTypes) {
        out << "encoding " << e->name << ' ' << e->bcdCount << ' ' << e->asciiCount;
        for (const auto& v : e->logicalValues)
            out << " L" << v->value << ':' << v->text;
        for (const auto& r : e->physicalRanges)
            out << " P" << r->min << ':' << r->max << ':' << r->scale << ':' << r->offset << ':' << r->text;
        out << '\n';
    }
    for (const auto& r : n.signalRepresentations)
        out << "representation " << r->encodingName << ' ' << List(r->signalNames) << '\n';
    return out.str();
}

TreeItemRef ItemAt(const LinNetwork& network, const std::string& top, const std::vector<int>& below)
{
    const TreeOutline outline = LayOutTree(network);
    std::vector<int> path = below;
    const auto& tops = TopLevelTexts();
    path.insert(path.begin(), static_cast<int>(std::find(tops.begin(), tops.end(), top) - tops.begin()));
    for (int i = 0; i < static_cast<int>(outline.items.size()); ++i) {
        const TreeItemRef item = TreeItemAt(outline, i);
        if (item.path == path)
            return item;
    }
    return {};
}

TreeItemRef ItemShowing(const LinNetwork& network, const EntityRef& record)
{
    const TreeOutline outline = LayOutTree(network);
    const int shown = FindOutlineItem(outline, record);
    if (shown >= 0)
        return TreeItemAt(outline, shown);
    for (int i = 0; i < static_cast<int>(outline.items.size()); ++i) {
        const std::optional<EntityRef> other = outline.items[static_cast<std::size_t>(i)].Record();
        if (other && other->kind == record.kind) {
            TreeItemRef stale = TreeItemAt(outline, i);
            stale.record = record;
            return stale;
        }
    }
    return {};
}
