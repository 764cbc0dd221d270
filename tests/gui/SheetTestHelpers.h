#pragma once

#include "controls/ChoiceBox.h"
#include "gui/TextCodec.h"
#include "sheets/PropertySheet.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

// What the property sheet tests share: finding controls by name and working
// them as a user would.

// The codec of the editor's documents made in memory; the sheets take it
// from the document instead of looking at the network's file text.
inline const TextCodec& NewDocumentCodec()
{
    static const TextCodec codec = TextCodec::ForFileText({});
    return codec;
}

template <typename Control> Control* Find(QWidget& sheet, const char* name)
{
    auto* control = sheet.findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

// Shows the sheet on the page that holds the control, so it can take keys.
inline void ShowPageOf(PropertySheet& sheet, QWidget* control)
{
    for (int i = 0; i < sheet.Tabs()->count(); ++i)
        if (sheet.Tabs()->widget(i)->isAncestorOf(control))
            sheet.Tabs()->setCurrentIndex(i);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    control->setFocus();
}

inline void Replace(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Chooses the entry as the user does from the drop-down list.
inline void Choose(ChoiceBox* box, const QString& text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
    Q_EMIT box->textActivated(text);
}
