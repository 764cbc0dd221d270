#include "app/ErrorsDialog.h"

#include "app/CloseButton.h"
#include "controls/FileTextView.h"
#include "gui/AppTexts.h"
#include "gui/TextCodec.h"
#include "model/LinNetwork.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr QChar kVisibleCarriageReturn(0x240D);
constexpr QChar kBeginningOfFrame(0xFDD0);  // QTextDocument takes these two as breaks
constexpr QChar kEndOfFrame(0xFDD1);
constexpr int kTabColumns = 8;

}  // namespace

ErrorsDialog::ErrorsDialog(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QDialog(parent), m_network(network), m_codec(codec), m_text(new FileTextView(this)),
      m_messages(new QListWidget(this))
{
    setObjectName(QStringLiteral("errorsDialog"));
    const QString fileName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(network.filePath))).fileName();
    if (!fileName.isEmpty())
        setWindowTitle(QLatin1String(ui::FileCaption) + fileName);

    m_text->setObjectName(QStringLiteral("fileText"));
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setToolTip(QLatin1String(ui::FileTextTip));
    ShowFileText();

    m_messages->setObjectName(QStringLiteral("messageList"));
    m_messages->setToolTip(QLatin1String(ui::MessageListTip));
    for (const Message& message : network.messages)
        m_messages->addItem(codec.ToQt(FormatMessage(message)));
    if (network.messages.Empty()) {
        m_messages->addItem(QLatin1String(ui::NoErrors));
        m_messages->setEnabled(false);
    }
    connect(m_messages, &QListWidget::currentRowChanged, this, &ErrorsDialog::OnMessageChosen);

    QPushButton* closeButton = MakeCloseButton(*this);

    auto* group = new QGroupBox(QLatin1String(ui::ErrorsHintsGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_messages);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(group, 1);
    bottom->addWidget(closeButton, 0, Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 3);
    layout->addLayout(bottom, 2);
    resize(680, 560);
}

QString ErrorsDialog::DisplayText(const QString& fileText)
{
    QString shown;
    shown.reserve(fileText.size());
    for (qsizetype i = 0; i < fileText.size(); ++i) {
        const QChar c = fileText.at(i);
        if (c == u'\r') {
            if (i + 1 < fileText.size() && fileText.at(i + 1) == u'\n')
                continue;
            shown += kVisibleCarriageReturn;
        } else if (c == QChar::ParagraphSeparator || c == kBeginningOfFrame || c == kEndOfFrame) {
            shown += QChar::ReplacementCharacter;
        } else {
            shown += c;
        }
    }
    return shown;
}

// Lines end at LF only, as the messages count them. The text is not copied:
// a line is made when the view draws it.
void ErrorsDialog::ShowFileText()
{
    const std::string& text = m_network.fileText;
    m_lineStarts.assign(1, 0);
    int longest = 0;
    int column = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            m_lineStarts.push_back(i + 1);
            column = 0;
            continue;
        }
        column = text[i] == '\t' ? (column / kTabColumns + 1) * kTabColumns : column + 1;
        longest = std::max(longest, column);
    }
    const int lineCount = static_cast<int>(m_lineStarts.size());
    m_text->SetLines(lineCount, longest, [this, lineCount](int line) {
        const std::size_t start = m_lineStarts[static_cast<std::size_t>(line)];
        const bool endsAtLineFeed = line + 1 < lineCount;
        std::size_t end =
            endsAtLineFeed ? m_lineStarts[static_cast<std::size_t>(line) + 1] - 1 : m_network.fileText.size();
        if (endsAtLineFeed && end > start && m_network.fileText[end - 1] == '\r')
            --end;
        return DisplayText(m_codec.ToQt(m_network.fileText.substr(start, end - start)));
    });
}

void ErrorsDialog::SelectLine(int line) { m_text->SelectLine(line - 1); }

void ErrorsDialog::OnMessageChosen(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_network.messages.Size())
        return;
    const int line = m_network.messages[static_cast<std::size_t>(row)].line;
    if (line >= 1)
        SelectLine(line);
}
