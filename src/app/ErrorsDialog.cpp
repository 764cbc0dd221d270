#include "app/ErrorsDialog.h"

#include "app/CloseButton.h"
#include "gui/AppTexts.h"
#include "gui/TextCodec.h"
#include "model/LinNetwork.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

constexpr QChar kVisibleCarriageReturn(0x240D);
constexpr QChar kBeginningOfFrame(0xFDD0);  // QTextDocument takes these two as breaks
constexpr QChar kEndOfFrame(0xFDD1);

}  // namespace

ErrorsDialog::ErrorsDialog(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QDialog(parent), m_network(network), m_text(new QPlainTextEdit(this)), m_messages(new QListWidget(this))
{
    setObjectName(QStringLiteral("errorsDialog"));
    const QString fileName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(network.filePath))).fileName();
    if (!fileName.isEmpty())
        setWindowTitle(QLatin1String(ui::FileCaption) + fileName);

    m_text->setObjectName(QStringLiteral("fileText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setToolTip(QLatin1String(ui::FileTextTip));
    m_text->setPlainText(DisplayText(codec.ToQt(network.fileText)));

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

void ErrorsDialog::SelectLine(int line)
{
    QTextCursor cursor(m_text->document());
    const QTextBlock block = m_text->document()->findBlockByNumber(line - 1);
    if (line >= 1 && block.isValid()) {
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    }
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
}

void ErrorsDialog::OnMessageChosen(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_network.messages.Size())
        return;
    const int line = m_network.messages[static_cast<std::size_t>(row)].line;
    if (line >= 1)
        SelectLine(line);
}
