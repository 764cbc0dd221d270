#pragma once

#include "editing/TreeItem.h"

#include <QWidget>

class FrameLayoutView;
class LinNetwork;
class QLabel;
class QLineEdit;
class ScheduleTimelineView;

// Below the data list: the bit layout of a selected frame (the diagnostic
// frames too, and for an event-triggered or sporadic frame the member
// chosen in the list, else its first), or the timeline of a selected
// schedule table. Hidden for every other item. Above the layout, the
// "Data" field takes the frame's bytes in hex; the bands show the values
// they carry, and a line below the field why bytes cannot be decoded.
class PicturePane : public QWidget {
    Q_OBJECT

public:
    explicit PicturePane(QWidget* parent = nullptr);

    // memberFrame: the frame the data list's selected row names, if any.
    void ShowItem(const LinNetwork* network, const TreeItemRef& item, const std::string& memberFrame = {});

    FrameLayoutView& LayoutView() const { return *m_layout; }
    QLineEdit& DataField() const { return *m_data; }
    ScheduleTimelineView& TimelineView() const { return *m_timeline; }

Q_SIGNALS:
    // A double-click on a band: the signal at this position of the frame.
    void signalOffsetRequested(const QString& frameName, int signalPosition);

private:
    bool ShowFrame(const LinNetwork& network, const std::string& frameName);
    // Decodes the Data field's bytes into the layout's bands.
    void ShowData();

    const LinNetwork* m_network = nullptr;  // of the item shown last
    QWidget* m_dataRow;
    QLineEdit* m_data;
    QLabel* m_dataProblem;
    FrameLayoutView* m_layout;
    ScheduleTimelineView* m_timeline;
    QString m_frameName;  // of the layout shown
};
