#pragma once

#include "editing/NetworkForm.h"

#include <QWidget>

class ChoiceBox;

// The "Network" page: the LIN protocol version, language version and speed.
class NetworkProp : public QWidget {
    Q_OBJECT

public:
    explicit NetworkProp(QWidget* parent = nullptr);

    void Show(const NetworkForm& form);
    NetworkForm Read() const;

private:
    ChoiceBox* m_protocolVersion;
    ChoiceBox* m_languageVersion;
    ChoiceBox* m_speed;
};
