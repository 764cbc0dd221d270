#include "views/PicturePane.h"

#include "editing/SignalValueText.h"
#include "ldf/Keywords.h"
#include "model/LinNetwork.h"
#include "views/FrameLayoutView.h"
#include "views/ScheduleTimelineView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

template <typename Record> const Record* RecordOf(const OwnedList<Record>& list, const TreeItemRef& item)
{
    if (!item.record || item.record->index < 0 || static_cast<std::size_t>(item.record->index) >= list.size())
        return nullptr;
    return list[static_cast<std::size_t>(item.record->index)].get();
}

// The member the list chose, else the first; empty when there is none.
std::string MemberToShow(const NameList& members, const std::string& chosen)
{
    if (!chosen.empty())
        return chosen;
    return members.empty() ? std::string() : members.front().str();
}

}  // namespace

PicturePane::PicturePane(QWidget* parent)
    : QWidget(parent), m_dataRow(new QWidget(this)), m_data(new QLineEdit(m_dataRow)),
      m_dataProblem(new QLabel(m_dataRow)), m_layout(new FrameLayoutView(this)),
      m_timeline(new ScheduleTimelineView(this))
{
    setObjectName(QStringLiteral("picturePane"));
    m_dataRow->setObjectName(QStringLiteral("frameDataRow"));
    m_data->setObjectName(QStringLiteral("frameData"));
    m_data->setPlaceholderText(tr("bytes in hex: 01 2A FF"));
    m_dataProblem->setObjectName(QStringLiteral("frameDataProblem"));
    auto* dataLine = new QHBoxLayout(m_dataRow);
    dataLine->setContentsMargins(6, 0, 6, 0);
    dataLine->addWidget(new QLabel(tr("Data"), m_dataRow));
    dataLine->addWidget(m_data, 1);
    dataLine->addWidget(m_dataProblem, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_dataRow);
    column->addWidget(m_layout);
    column->addWidget(m_timeline);
    connect(m_layout, &FrameLayoutView::bandActivated, this,
            [this](int position) { Q_EMIT signalOffsetRequested(m_frameName, position); });
    connect(m_data, &QLineEdit::textChanged, this, &PicturePane::ShowData);
    hide();
}

void PicturePane::ShowData()
{
    if (!m_network || m_layout->isHidden()) {
        m_dataProblem->clear();
        return;
    }
    // Hex digits are ASCII, so a Latin-1 round trip keeps every one.
    const FrameDataTexts texts =
        DecodeFrameData(*m_network, m_frameName.toStdString(), m_data->text().toLatin1().toStdString());
    m_layout->SetValues(texts.values);
    m_dataProblem->setText(QString::fromStdString(texts.error));
}

bool PicturePane::ShowFrame(const LinNetwork& network, const std::string& frameName)
{
    const LinFrame* frame = network.FindFrame(frameName);
    if (!frame)
        return false;
    m_layout->SetLayout(LayOutFrame(network, *frame));
    m_frameName = QString::fromStdString(frameName);
    return true;
}

void PicturePane::ShowItem(const LinNetwork* network, const TreeItemRef& item, const std::string& memberFrame)
{
    bool layout = false;
    bool timeline = false;
    m_network = network;
    if (network) {
        switch (item.kind) {
        case TreeItemKind::Frame:
            if (const LinFrame* frame = RecordOf(network->frames, item))
                layout = ShowFrame(*network, frame->name);
            break;
        case TreeItemKind::MasterRequestFrame:
        case TreeItemKind::SlaveResponseFrame: {
            const bool response = item.kind == TreeItemKind::SlaveResponseFrame;
            m_layout->SetLayout(
                LayOutDiagnosticFrame(*network, response ? network->slaveResponse : network->masterRequest));
            m_frameName = QString::fromLatin1(response ? kw::SlaveResp : kw::MasterReq);
            layout = true;
            break;
        }
        case TreeItemKind::EventTriggeredFrame:
            if (const EventTriggeredFrame* event = RecordOf(network->eventTriggeredFrames, item))
                layout = ShowFrame(*network, MemberToShow(event->frameNames, memberFrame));
            break;
        case TreeItemKind::SporadicFrame:
            if (const SporadicFrame* sporadic = RecordOf(network->sporadicFrames, item))
                layout = ShowFrame(*network, MemberToShow(sporadic->frameNames, memberFrame));
            break;
        case TreeItemKind::ScheduleTable:
            if (const ScheduleTable* table = RecordOf(network->scheduleTables, item)) {
                m_timeline->SetTiming(ScheduleTiming(*network).TimeTable(*table));
                timeline = true;
            }
            break;
        default:
            break;
        }
    }
    m_layout->setVisible(layout);
    m_dataRow->setVisible(layout);
    m_timeline->setVisible(timeline);
    setVisible(layout || timeline);
    ShowData();
}
