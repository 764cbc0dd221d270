#include "app/ClipboardActions.h"

#include "editing/ClipboardCommands.h"
#include "gui/AppTexts.h"
#include "gui/CDuvazadiDoc.h"
#include "views/ContextMenus.h"
#include "views/DataView.h"
#include "views/NavView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace {

QAction* MakeAction(const char* text, const char* objectName, const char* prompt, const QKeySequence& keys,
                    QObject* parent)
{
    auto* action = new QAction(QLatin1String(text), parent);
    action->setObjectName(QLatin1String(objectName));
    const QStringList lines = QString::fromLatin1(prompt).split(QLatin1Char('\n'));
    action->setStatusTip(lines.value(0));
    action->setToolTip(lines.value(1));
    action->setShortcut(keys);
    return action;
}

}  // namespace

ClipboardActions::ClipboardActions(CDuvazadiDoc& document, NavView& navigation, DataView& data, QObject* parent)
    : QObject(parent), m_document(document), m_navigation(navigation), m_data(data),
      m_copy(MakeAction(ui::CopyItem, "actionCopy", ui::CopyPrompt, QKeySequence::Copy, this)),
      m_paste(MakeAction(ui::PasteItem, "actionPaste", ui::PastePrompt, QKeySequence::Paste, this)),
      m_duplicate(MakeAction(ui::DuplicateItem, "actionDuplicate", ui::DuplicatePrompt,
                             QKeySequence(Qt::CTRL | Qt::Key_D), this))
{
    connect(m_copy, &QAction::triggered, this, &ClipboardActions::Copy);
    connect(m_paste, &QAction::triggered, this, &ClipboardActions::Paste);
    connect(m_duplicate, &QAction::triggered, this, &ClipboardActions::Duplicate);
}

TreeItemRef ClipboardActions::TreeSelection() const { return TreeItemRefOf(m_navigation.currentItem()); }

void ClipboardActions::Copy()
{
    const LinNetwork* network = m_document.Network();
    if (!network)
        return;
    const std::string text = CopySelection(*network, SelectionToCopy(TreeSelection(), m_data.SelectedRows()));
    if (!text.empty())
        QGuiApplication::clipboard()->setText(m_document.Codec().ToQt(text));
}

void ClipboardActions::Paste()
{
    const std::string text = m_document.Codec().FromQt(QGuiApplication::clipboard()->text());
    const PasteTarget target = PasteTargetFor(TreeSelection(), m_data.SelectedRows());
    Show(m_document.Paste(text, target));
}

void ClipboardActions::Duplicate()
{
    const ClipboardSelection selection = SelectionToCopy(TreeSelection(), m_data.SelectedRows());
    Show(m_document.Duplicate(selection));
}

void ClipboardActions::Show(const PasteOutcome& outcome)
{
    if (outcome.shown)
        m_navigation.SelectEntity(*outcome.shown);
}
