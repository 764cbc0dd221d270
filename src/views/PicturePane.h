#pragma once

#include "editing/TreeItem.h"

#include <QWidget>

class FrameLayoutView;
class LinNetwork;
class ScheduleTimelineView;

// Below the data list: the bit layout of a selected frame (the diagnostic
// frames too, and for an event-triggered or sporadic frame the member
// chosen in the list, else its first), or the timeline of a selected
// schedule table. Hidden for every other item.
class PicturePane : public QWidget {
    Q_OBJECT

public:
    explicit PicturePane(QWidget* parent = nullptr);

    // memberFrame: the frame the data list's selected row names, if any.
    void ShowItem(const LinNetwork* network, const TreeItemRef& item, const std::string& memberFrame = {});

    FrameLayoutView& LayoutView() const { return *m_layout; }
    ScheduleTimelineView& TimelineView() const { return *m_timeline; }

Q_SIGNALS:
    // A double-click on a band: the signal at this position of the frame.
    void signalOffsetRequested(const QString& frameName, int signalPosition);

private:
    bool ShowFrame(const LinNetwork& network, const std::string& frameName);

    FrameLayoutView* m_layout;
    ScheduleTimelineView* m_timeline;
    QString m_frameName;  // of the layout shown
};
