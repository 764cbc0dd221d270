#pragma once

#include "gui/AppTexts.h"

#include <QDialog>
#include <QPushButton>

// The "Close" button of the editor's read-only dialogs: the default button,
// closing the dialog as rejected.
inline QPushButton* MakeCloseButton(QDialog& dialog)
{
    auto* button = new QPushButton(QLatin1String(ui::CloseButton), &dialog);
    button->setObjectName(QStringLiteral("closeButton"));
    button->setToolTip(QLatin1String(ui::CloseTip));
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
    return button;
}
