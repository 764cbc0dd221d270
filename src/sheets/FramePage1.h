#pragma once

#include "editing/FrameForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class ChoiceBox;
class NameEdit;

// The "General" page of a frame: name, id, size and publisher. Choosing an
// id selects the size the LIN rule gives it.
class FramePage1 : public QWidget {
    Q_OBJECT

public:
    FramePage1(const LinNetwork& network, int index, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const FrameForm& form);
    void ReadInto(FrameForm& form) const;

Q_SIGNALS:
    void PublisherChosen(const std::string& publisher);

private:
    const TextCodec& m_codec;
    NameEdit* m_name;
    ChoiceBox* m_id;
    ChoiceBox* m_size;
    ChoiceBox* m_publisher;
};
