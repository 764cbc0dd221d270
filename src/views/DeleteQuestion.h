#pragma once

#include "gui/DialogRunner.h"
#include "validation/TreeOutline.h"

#include <QDialog>

class LinNetwork;
class TextCodec;
struct DeletionQuestion;

// Asks before a Delete that takes references with it: the question, the
// list of what goes, and Delete / Cancel (Cancel is the default button).
class DeleteQuestion : public QDialog {
    Q_OBJECT

public:
    DeleteQuestion(const DeletionQuestion& question, const TextCodec& codec, QWidget* parent = nullptr);
};

// True when the entity may go: nothing refers to it, or the user chose
// Delete in the question the runner showed.
bool ConfirmDeletion(const LinNetwork& network, const EntityRef& entity, const TextCodec& codec,
                     const DialogRunner& runner, QWidget* parent);
