#pragma once

#include "editing/SheetRequest.h"
#include "gui/TextCodec.h"

#include <QDialog>

class LinNetwork;
class QLabel;
class QTabWidget;

// The base of every property sheet: a modal dialog with one tab per page,
// OK and Cancel. A sheet fills its pages from the network when it is built
// and changes only its controls until the user confirms; then Commit reads
// the pages and writes the network in one go. OK and the Enter key anywhere
// in the sheet (in lists and trees too) commit; Cancel, Escape and closing
// leave the network alone.
class PropertySheet : public QDialog {
    Q_OBJECT

public:
    PropertySheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent);
    ~PropertySheet() override;

    QTabWidget* Tabs() const { return m_tabs; }

    // Writes the network from the pages and ends the sheet with OK. While a
    // number field the user changed holds no number of its range, the sheet
    // stays open instead, showing why below the pages, with that field's
    // page shown and the field focused.
    void Commit();

protected:
    // Pages are added in tab order; the first one is shown.
    void AddPage(QWidget* page, const QString& caption);
    LinNetwork& Network() const { return m_network; }
    const SheetRequest& Request() const { return m_request; }
    // Names and other file text as the file's own encoding shows them.
    const TextCodec& Codec() const { return m_codec; }

    // The sheet's commit: reads its pages and writes the network.
    virtual void WriteModel() = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool NumbersAreValid();

    SheetRequest m_request;
    LinNetwork& m_network;
    TextCodec m_codec;
    QTabWidget* m_tabs;
    QLabel* m_problem;  // why OK did not commit
    bool m_committed = false;
};
