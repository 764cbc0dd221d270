#include "gui/TextCodec.h"

#include <QStringDecoder>

TextCodec TextCodec::ForFileText(const std::string& fileText)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(QByteArrayView(fileText.data(), static_cast<qsizetype>(fileText.size())));
    return TextCodec(!decoder.hasError());
}

QString TextCodec::ToQt(std::string_view bytes) const
{
    const auto size = static_cast<qsizetype>(bytes.size());
    return m_utf8 ? QString::fromUtf8(bytes.data(), size) : QString::fromLatin1(bytes.data(), size);
}

std::string TextCodec::FromQt(const QString& text) const
{
    const QByteArray bytes = m_utf8 ? text.toUtf8() : text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
