#pragma once

#include "gui/TextCodec.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

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

// Texts of the file, such as names, back from a list of the page.
inline std::vector<std::string> FromQtList(const QStringList& texts, const TextCodec& codec)
{
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts)
        list.push_back(codec.FromQt(text));
    return list;
}

// A titled group around a control and a row of buttons below it (the check
// trees with their "Uncheck all").
inline QGroupBox* GroupWithButtons(const QString& title, QWidget* control, const QList<QWidget*>& buttons,
                                   QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(control);
    auto* row = new QHBoxLayout;
    for (QWidget* button : buttons)
        row->addWidget(button);
    row->addStretch();
    layout->addLayout(row);
    return group;
}
