#pragma once

#include "editing/SignalForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class CheckTree;

// The "Representation" page of a signal representation: a check tree of
// every signal.
class SignalRep1 : public QWidget {
    Q_OBJECT

public:
    SignalRep1(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const SignalRepForm& form);
    void ReadInto(SignalRepForm& form) const;

private:
    const TextCodec& m_codec;
    QStringList m_choices;
    CheckTree* m_tree;
};
