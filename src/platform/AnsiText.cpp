#include "platform/AnsiText.h"

#include <iconv.h>

#include <QStringDecoder>

std::optional<QString> DecodeUtf8Strict(const QByteArray& bytes) {
    // Drops a leading byte-order mark; a sequence cut off at the end counts as an error.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

std::optional<QString> DecodeWindowsAnsiWithIconv(const QByteArray& bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    QByteArray out;
    out.resize(bytes.size() * 3 + 16);  // no CP932 byte grows beyond three UTF-8 bytes
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* dst = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    bool ok = iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
    // A sequence cut off at the end of the input is as bad as a wrong one.
    if (ok) ok = iconv(cd, nullptr, nullptr, &dst, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    if (!ok) return std::nullopt;
    const qsizetype written = out.size() - static_cast<qsizetype>(outLeft);
    return QString::fromUtf8(out.constData(), written);
}

std::optional<QString> DecodeWindowsAnsi(const QByteArray& bytes) {
    // Stateless: a sequence cut off at the end counts as an error instead of waiting for more.
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) return DecodeWindowsAnsiWithIconv(bytes);
    // Qt's converter swaps the controls 0x1A, 0x1C and 0x7F among themselves (IBM's mapping);
    // Windows keeps them, and so do we: they are never part of a two-byte character, so the
    // text between them is decoded and they are kept as they are.
    QString text;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        const bool end = i == bytes.size();
        if (!end && bytes[i] != '\x1A' && bytes[i] != '\x1C' && bytes[i] != '\x7F') continue;
        text += decoder(QByteArrayView(bytes).sliced(start, i - start));
        if (decoder.hasError()) return std::nullopt;
        if (!end) text += QChar(static_cast<char16_t>(bytes[i]));
        start = i + 1;
    }
    return text;
}
