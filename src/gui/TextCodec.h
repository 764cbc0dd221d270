#pragma once

#include <QString>

#include <string>
#include <string_view>

// File text is 8-bit. It crosses into Qt here and only here: shown as UTF-8
// when the whole file is valid UTF-8, otherwise as Latin-1, and written back
// byte for byte.
class TextCodec {
public:
    // Chooses the encoding from the whole file text.
    static TextCodec ForFileText(const std::string& fileText);

    QString ToQt(std::string_view bytes) const;
    std::string FromQt(const QString& text) const;
    bool IsUtf8() const { return m_utf8; }

private:
    explicit TextCodec(bool utf8) : m_utf8(utf8) {}
    bool m_utf8;
};
