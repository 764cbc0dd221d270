#pragma once

#include "app/TextCodec.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>

#include <string>
#include <vector>

// Small helpers the sheets' pages share.

// Names and other file text for a list, in the file's own encoding.
inline QStringList ToQtList(const std::vector<std::string>& texts, const TextCodec& codec)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const auto& text : texts)
        list << codec.ToQt(text);
    return list;
}

// The program's own fixed entries ("1.2", "19.2", ...).
inline QStringList FixedList(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const auto& text : texts)
        list << QString::fromLatin1(text.c_str());
    return list;
}

// Gives a control the name tests and the sheet find it by.
template <typename Control> Control* Named(Control* control, const char* objectName)
{
    control->setObjectName(QString::fromLatin1(objectName));
    return control;
}

// A field followed by its unit ("ms", "kbit/s").
inline QLayout* WithUnit(QWidget* field, const QString& unit, QWidget* parent)
{
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    row->addWidget(new QLabel(unit, parent));
    return row;
}
