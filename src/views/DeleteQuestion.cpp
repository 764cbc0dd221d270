#include "views/DeleteQuestion.h"

#include "editing/DeletionConsequences.h"
#include "gui/TextCodec.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kDelete = "Delete";
const char* const kCancel = "Cancel";

}  // namespace

DeleteQuestion::DeleteQuestion(const DeletionQuestion& question, const TextCodec& codec, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DeleteQuestion"));
    setWindowTitle(QApplication::applicationDisplayName());
    auto* text = new QLabel(codec.ToQt(question.text), this);
    text->setObjectName(QStringLiteral("question"));
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("consequences"));
    for (const std::string& consequence : question.consequences)
        list->addItem(codec.ToQt(consequence));
    // Every line readable without scrolling sideways.
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* remove = buttons->addButton(QString::fromLatin1(kDelete), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QString::fromLatin1(kCancel), QDialogButtonBox::RejectRole);
    remove->setObjectName(QStringLiteral("delete"));
    cancel->setObjectName(QStringLiteral("cancel"));
    remove->setAutoDefault(false);
    cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(list);
    layout->addWidget(buttons);
}

bool ConfirmDeletion(const LinNetwork& network, const EntityRef& entity, const TextCodec& codec,
                     const DialogRunner& runner, QWidget* parent)
{
    const DeletionQuestion question = AskBeforeDeleting(network, entity);
    if (question.consequences.empty())
        return true;
    DeleteQuestion dialog(question, codec, parent);
    return runner(dialog) == QDialog::Accepted;
}
