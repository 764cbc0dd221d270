#pragma once

#include "editing/SignalForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class CheckTree;

// The "Subscriber" page of a signal: a check tree of the nodes.
class SignalPPSubs : public QWidget {
    Q_OBJECT

public:
    SignalPPSubs(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const SignalForm& form);
    void ReadInto(SignalForm& form) const;

private:
    const TextCodec& m_codec;
    QStringList m_choices;
    CheckTree* m_tree;
};
