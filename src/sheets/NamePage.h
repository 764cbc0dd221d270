#pragma once

#include "gui/TextCodec.h"

#include <QWidget>

#include <string>

class NameEdit;

// A page that holds only the record's name (a configuration, a composite
// node, an encoding type, a sporadic frame).
class NamePage : public QWidget {
    Q_OBJECT

public:
    NamePage(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const std::string& name);
    std::string Name() const;

private:
    const TextCodec& m_codec;
    NameEdit* m_name;
};
