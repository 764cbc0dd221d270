#pragma once

#include "controls/WebLinkLabel.h"

#include <QDialog>

#include <vector>

// The About box: version and maker, what the program is for, and web links.
// Shown at start-up and by the About command.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    const std::vector<WebLinkLabel*>& Links() const { return m_links; }

private:
    std::vector<WebLinkLabel*> m_links;
};
