#pragma once

#include <QObject>

#include <vector>

class CDuvazadiDoc;
class DataView;
class NavView;
class QAction;
struct PasteOutcome;
struct TreeItemRef;

// Edit > Copy, Paste and Duplicate: the rules are the editing layer's
// (ClipboardCommands); these actions only move LDF text to and from the
// system clipboard and run each change as one undo step.
class ClipboardActions : public QObject {
    Q_OBJECT

public:
    ClipboardActions(CDuvazadiDoc& document, NavView& navigation, DataView& data, QObject* parent);

    QList<QAction*> Actions() const { return {m_copy, m_paste, m_duplicate}; }

    void Copy();
    void Paste();
    void Duplicate();

private:
    TreeItemRef TreeSelection() const;
    void Show(const PasteOutcome& outcome);

    CDuvazadiDoc& m_document;
    NavView& m_navigation;
    DataView& m_data;
    QAction* m_copy;
    QAction* m_paste;
    QAction* m_duplicate;
};
