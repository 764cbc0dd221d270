#pragma once

#include "editing/NetworkForm.h"
#include "gui/TextCodec.h"

#include <QWidget>

class ChoiceBox;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class TypedChoiceBox;

// The "Network" page: the LIN protocol version, language version and speed,
// each chosen or typed, and the header statements that came after LIN 2.0
// (channel name, file revision, byte order), offered while the language
// version has them or the network gives one.
class NetworkProp : public QWidget {
    Q_OBJECT

public:
    NetworkProp(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const NetworkForm& form);
    NetworkForm Read() const;

private:
    void UpdateLin21Header();

    const TextCodec& m_codec;
    TypedChoiceBox* m_protocolVersion;
    TypedChoiceBox* m_languageVersion;
    TypedChoiceBox* m_speed;
    QGroupBox* m_lin21Header;
    QCheckBox* m_channelNameGiven;
    QLineEdit* m_channelName;
    QCheckBox* m_fileRevisionGiven;
    QLineEdit* m_fileRevision;
    ChoiceBox* m_byteOrder;
    bool m_hadLin21Header = false;
};
