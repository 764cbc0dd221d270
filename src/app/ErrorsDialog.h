#pragma once

#include "gui/TextCodec.h"

#include <QDialog>

#include <cstddef>
#include <vector>

class FileTextView;
class LinNetwork;
class QListWidget;

// Shown after Open: the text of the file just read beside the messages of
// its load. Choosing a message that has a line selects that line. Reads the
// network and changes nothing.
class ErrorsDialog : public QDialog {
    Q_OBJECT

public:
    ErrorsDialog(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    // The file text as the text box shows it: LF is its only line break, so
    // that line n of the box is line n as the messages count lines. A CR
    // before an LF is dropped; a CR anywhere else (and any other character
    // that a text box would take as a break) becomes a visible mark.
    static QString DisplayText(const QString& fileText);

    // Selects line (1-based) in the text box; a line the text does not have
    // puts the caret at the start with nothing selected.
    void SelectLine(int line);

private:
    void ShowFileText();
    void OnMessageChosen(int row);

    const LinNetwork& m_network;
    TextCodec m_codec;
    std::vector<std::size_t> m_lineStarts;  // where each line of the file text begins
    FileTextView* m_text;
    QListWidget* m_messages;
};
