#include "validation/PostLoadRepair.h"

#include "ldf/Keywords.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/NetworkNameIndexes.h"
#include "validation/CheckRules.h"
#include "validation/LaterEqual.h"

#include <string_view>
#include <vector>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kNoDescriptionFile = "String LIN_description_file doesn't exist";
const char* const kStandardValues = "Initialization with standard values";
const char* const kNoProtocolVersion = "Protocol version not here";
const char* const kProtocolVersionWrong = "Protocol version wrong, Standard is restored";
const char* const kNoLanguageVersion = "Language version not here";
const char* const kLanguageVersionWrong = "Language version wrong, Standard is restored";
const char* const kNoSpeed = "No speed declaration";
const char* const kSpeedWrong = "Speed version wron, Standrad is restored";
const char* const kNoMaster = "No Master here, was added";
const char* const kNoSlaves = "No slaves here";
const char* const kNoTimeBase = "No time base, was configured to standard";
const char* const kTimeBaseWrong = "Time base wrong, Standard is restored";
const char* const kNoJitter = "Jitter false, Standard is restored";
const char* const kJitterWrong = "Jitter wrong, Standard is restored";
const char* const kDiagnosticNodeMissing = "Node for Diagnostic Adr. not here.:";
const char* const kDiagnosticAddressIllegal = "Node Diag. Adr. illegal (allowed: 1-255):";
const char* const kByteArraySizeWrong = "Byte Array size wrong (8-64, mod8=0):";
const char* const kSignalSizeOutOfRange = "Signal size out of range (1-16):";
const char* const kPublisherMissing = "Publisher not here:";
const char* const kNoSubscriber = "Warning: Subscriber not here:";
const char* const kSubscriberTwice = "Subscriber in signal exists multiple times";
const char* const kGroupNamedLikeSignal = "Signal Group identical with signal: ";
const char* const kGroupSignalMissing = "Signal in Signal-Group not defined: ";
const char* const kNamedLikeFrame = "Ev. Tr. Frm. identical with nor. Frm.:";
const char* const kSporadicNamedLikeEventTriggered = "Name of Sp. Frm identical with E. T. Frame";
const char* const kAssociatedFrameMissing = "Ev. Tr. Frm.: Frame not here: ";
const char* const kEventTriggeredNamedLikeSporadic = "E. T. Frame identical with Sp. Frame";
const char* const kEventTriggeredIdInvalid = "Ev. Tr. Frm. - ID invalid (0..63):";
const char* const kCollisionTableMissing = "Ev. Tr. Frm.: Collision table not here:";
const char* const kMasterRequestSignalCount = "Dia. Fr. Def.: 8 signals required";
const char* const kSlaveResponseSignalCount = "Dia. Fr. Def.: 8 Signals required";
const char* const kDiagnosticOffsetsIdentical = "Dia. Fr. Def.: Offsets identical";
const char* const kFrameIdWrong = "Frame ID wrong (0-63): ";
const char* const kFrameIdDoubled = "Frame ID obviously doubled:";
const char* const kFramePublisherWrong = "Frame-Publisher wrong:";
const char* const kFrameSizeWrong = "Frame - Size wrong (1-8)";
const char* const kFrameSignalMissing = "Frame-Signal not here:";
const char* const kSignalPublisherDiffers = "Signal-Pub. different from Frame-Pub.:";
const char* const kFrameOffsetsIdentical = "Fr.: Signal-Offset identical: ";
const char* const kScheduleTimeWrong = "Schedule-Frame-Time wrong (x*t_base):";
const char* const kScheduleFrameMissing = "Schedule - Frame not here:";
const char* const kPhysicalMinNegative = "Warning: Signal Enc. Physical (min) < 0:";
const char* const kPhysicalMaxTooBig = "Warning: Signal Enc. Physical (max) too big:";
const char* const kPhysicalMinNotBelowMax = "Signal Enc. Physical (min<max) wrong:";
const char* const kRepresentedSignalMissing = "Signal Rep. , Signal not here:";
const char* const kRepresentationEncodingMissing = "Encoding type in Sig. Rep. not defined:";

const float kNotGiven = -1.0f;

class PostLoadRepair {
public:
    explicit PostLoadRepair(LinNetwork& network) : m_net(network) {}

    void Run()
    {
        RestoreMissingDescriptionFile();
        RepairVersion(m_net.protocolVersion, kNoProtocolVersion, kProtocolVersionWrong);
        RepairVersion(m_net.languageVersion, kNoLanguageVersion, kLanguageVersionWrong);
        RepairSpeed();
        RepairMaster();
        ReportMissingSlaves();
        RepairTimeBase();
        RepairJitter();

        ReportDiagnosticAddresses();
        ReportSignals();
        ReportSignalGroups();
        ReportSporadicFrames();
        ReportEventTriggeredFrames();
        ReportDiagnosticFrames();
        ReportFrames();
        ReportScheduleTables();
        ReportEncodingTypes();
        ReportRepresentations();
    }

private:
    void Plain(const char* text) { m_net.AddPlainMessage(text); }
    void Named(const char* text, const std::string& name) { m_net.AddPlainMessage(text, name); }
    bool IsNode(std::string_view name) { return name == m_net.masterName || m_names.Slaves().Contains(name); }

    void RestoreMissingDescriptionFile()
    {
        if (m_net.descriptionFileSeen)
            return;
        m_net.headerComment.clear();
        m_net.descriptionFileSeen = true;
        m_net.protocolVersion = lin::kStandardVersion;
        m_net.languageVersion = lin::kStandardVersion;
        m_net.speedKbps = lin::kStandardSpeedKbps;
        m_net.masterName = kw::Master;
        m_net.timeBaseMs = lin::kStandardTimeBaseMs;
        m_net.jitterMs = lin::kStandardJitterMs;
        // Slave names must stay unique: a file that already has a Slave1 keeps
        // just that one.
        if (m_net.IsSlaveNameFree(kw::Slave1))
            m_net.slaves.Append(std::make_unique<LinNode>(kw::Slave1));
        Plain(kNoDescriptionFile);
        Plain(kStandardValues);
    }

    void RepairVersion(float& version, const char* missing, const char* wrong)
    {
        if (version == kNotGiven) {
            Plain(missing);
        } else if (!InRange(version, 0.01f, 99.99f)) {
            Plain(wrong);
            version = lin::kStandardVersion;
        }
    }

    void RepairSpeed()
    {
        if (m_net.speedKbps == kNotGiven) {
            Plain(kNoSpeed);
        } else if (!InRange(m_net.speedKbps, lin::kMinSpeedKbps, lin::kMaxSpeedKbps)) {
            Plain(kSpeedWrong);
            m_net.speedKbps = lin::kStandardSpeedKbps;
        }
    }

    void RepairMaster()
    {
        if (!m_net.masterName.empty())
            return;
        Plain(kNoMaster);
        m_net.masterName = kw::Master;
    }

    void ReportMissingSlaves()
    {
        if (m_net.slaves.empty())
            Plain(kNoSlaves);
    }

    void RepairTimeBase()
    {
        if (m_net.timeBaseMs == -1) {
            Plain(kNoTimeBase);
            m_net.timeBaseMs = lin::kStandardTimeBaseMs;
        } else if (m_net.timeBaseMs <= 0) {
            Plain(kTimeBaseWrong);
            m_net.timeBaseMs = lin::kStandardTimeBaseMs;
        }
    }

    void RepairJitter()
    {
        if (m_net.jitterMs == kNotGiven) {
            Plain(kNoJitter);
            m_net.jitterMs = lin::kStandardJitterMs;
        } else if (!(m_net.jitterMs >= 0.0f)) {
            Plain(kJitterWrong);
            m_net.jitterMs = lin::kStandardJitterMs;
        }
    }

    void ReportDiagnosticAddresses()
    {
        for (const auto& address : m_net.diagnosticAddresses)
            if (!IsNode(address->nodeName))
                Named(kDiagnosticNodeMissing, address->nodeName);
        for (const auto& address : m_net.diagnosticAddresses)
            if (address->address < 1 || address->address > 255)
                Named(kDiagnosticAddressIllegal, address->nodeName);
    }

    void ReportSignals()
    {
        for (const auto& signal : m_net.signals) {
            const int size = signal->size;
            if (signal->isByteArray) {
                if (size < 8 || size > 64 || size % 8 != 0)
                    Named(kByteArraySizeWrong, signal->name);
            } else if (size < 1 || size > 16) {
                Named(kSignalSizeOutOfRange, signal->name);
            }
            if (!IsNode(signal->publisher))
                Named(kPublisherMissing, signal->name);
            const auto& subscribers = signal->subscribers;
            if (subscribers.empty())
                Named(kNoSubscriber, signal->name);
            for (std::size_t i = 1; i < subscribers.size(); ++i) {
                if (subscribers[i] == subscribers[i - 1]) {
                    Named(kSubscriberTwice, signal->name);
                    break;
                }
            }
        }
    }

    void ReportSignalGroups()
    {
        for (const auto& group : m_net.signalGroups) {
            if (m_names.Signals().Contains(group->name))
                Named(kGroupNamedLikeSignal, group->name);
            for (const Name& name : group->signalNames)
                if (!m_names.Signals().Contains(name))
                    Named(kGroupSignalMissing, name);
        }
    }

    void ReportSporadicFrames()
    {
        ReportNameClashes(m_net.sporadicFrames, m_names.EventTriggeredFrames(), kSporadicNamedLikeEventTriggered);
        for (const auto& frame : m_net.sporadicFrames)
            ReportMissingAssociatedFrames(frame->frameNames);
    }

    void ReportEventTriggeredFrames()
    {
        ReportNameClashes(m_net.eventTriggeredFrames, m_names.SporadicFrames(), kEventTriggeredNamedLikeSporadic);
        for (const auto& frame : m_net.eventTriggeredFrames)
            if (frame->frameId < 0 || frame->frameId > 63)
                Named(kEventTriggeredIdInvalid, frame->name);
        for (const auto& frame : m_net.eventTriggeredFrames)
            ReportMissingAssociatedFrames(frame->frameNames);
        for (const auto& frame : m_net.eventTriggeredFrames)
            if (!frame->collisionTable.empty() && !m_names.ScheduleTables().Contains(frame->collisionTable))
                Named(kCollisionTableMissing, frame->collisionTable);
    }

    // A sporadic or event-triggered frame named like an unconditional frame,
    // or like a frame of the other of these two kinds.
    template <typename Record>
    void ReportNameClashes(const OwnedList<Record>& list, const RecordNameIndex& otherKindNames,
                           const char* otherKindClash)
    {
        for (const auto& frame : list) {
            if (m_names.Frames().Contains(frame->name))
                Named(kNamedLikeFrame, frame->name);
            if (otherKindNames.Contains(frame->name))
                Plain(otherKindClash);
        }
    }

    void ReportMissingAssociatedFrames(const NameList& frameNames)
    {
        for (const Name& name : frameNames)
            if (!m_names.Frames().Contains(name))
                Named(kAssociatedFrameMissing, name);
    }

    void ReportDiagnosticFrames()
    {
        const DiagnosticFrame& request = m_net.masterRequest;
        const DiagnosticFrame& response = m_net.slaveResponse;
        if (request.signalNames.empty() && response.signalNames.empty())
            return;
        if (request.signalNames.size() != 8)
            Plain(kMasterRequestSignalCount);
        if (response.signalNames.size() != 8)
            Plain(kSlaveResponseSignalCount);
        ReportIdenticalDiagnosticOffsets(request);
        ReportIdenticalDiagnosticOffsets(response);
    }

    void ReportIdenticalDiagnosticOffsets(const DiagnosticFrame& frame)
    {
        const std::vector<bool> repeated = HasLaterEqual(frame.offsets);
        for (std::size_t i = 0; i < frame.signalNames.size() && i < repeated.size(); ++i)
            if (repeated[i])
                Named(kDiagnosticOffsetsIdentical, frame.signalNames[i]);
    }

    void ReportFrames()
    {
        std::vector<int> ids;
        ids.reserve(m_net.frames.size());
        for (const auto& frame : m_net.frames)
            ids.push_back(frame->frameId);
        const std::vector<bool> idRepeated = HasLaterEqual(ids);

        for (std::size_t f = 0; f < m_net.frames.size(); ++f) {
            const LinFrame& frame = *m_net.frames[f];
            if (frame.frameId < 0 || frame.frameId > 63)
                Named(kFrameIdWrong, frame.name);
            if (idRepeated[f])
                Named(kFrameIdDoubled, frame.name);
            if (!IsNode(frame.publisher))
                Named(kFramePublisherWrong, frame.name);
            if (frame.length < 0 || frame.length > 8)
                Named(kFrameSizeWrong, frame.name);
            for (const Name& name : frame.signalNames) {
                const int signal = m_names.Signals().FirstPosition(name);
                if (signal < 0)
                    Named(kFrameSignalMissing, name);
                else if (m_net.signals[static_cast<std::size_t>(signal)]->publisher != frame.publisher)
                    Named(kSignalPublisherDiffers, frame.name);
            }
            for (bool repeated : HasLaterEqual(frame.offsets))
                if (repeated)
                    Named(kFrameOffsetsIdentical, frame.name);
        }
    }

    void ReportScheduleTables()
    {
        for (const auto& table : m_net.scheduleTables) {
            for (const auto& entry : table->entries) {
                if (!IsWholeMultipleOfTimeBase(entry->delayMs, m_net.timeBaseMs))
                    Named(kScheduleTimeWrong, table->name);
                const FrameSlotCommand* slot = entry->FrameSlot();
                if (slot && !m_names.Frames().Contains(slot->frameName) &&
                    !m_names.SporadicFrames().Contains(slot->frameName) &&
                    !m_names.EventTriggeredFrames().Contains(slot->frameName))
                    Named(kScheduleFrameMissing, slot->frameName);
            }
        }
    }

    void ReportEncodingTypes()
    {
        for (const auto& type : m_net.encodingTypes) {
            for (const auto& range : type->physicalRanges) {
                if (range->min < 0 || range->min > 65535)
                    Named(kPhysicalMinNegative, type->name);
                if (range->max < 0 || range->max > 65535)
                    Named(kPhysicalMaxTooBig, type->name);
                if (range->min >= range->max)
                    Named(kPhysicalMinNotBelowMax, type->name);
            }
        }
    }

    void ReportRepresentations()
    {
        const RecordNameIndex typeNames(m_net.encodingTypes);
        for (const auto& representation : m_net.signalRepresentations) {
            for (const Name& name : representation->signalNames)
                if (!m_names.Signals().Contains(name))
                    Named(kRepresentedSignalMissing, name);
            const bool typeMissing =
                !typeNames.Contains(representation->encodingName) && !representation->signalNames.empty();
            if (m_net.encodingTypes.empty() || typeMissing)
                Named(kRepresentationEncodingMissing, representation->encodingName);
        }
    }

    LinNetwork& m_net;
    // Each index is built when first asked for, once the header and the
    // slaves are final; no report changes a list.
    NetworkNameIndexes m_names{m_net};
};

}  // namespace

void RunPostLoadRepair(LinNetwork& network) { PostLoadRepair(network).Run(); }
