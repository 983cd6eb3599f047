#include "orderdata/CopyNames.h"

#include <QList>
#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstring>

#include "orderdata/TextCase.h"
#include "platform/gbk/Gbk.h"

namespace orelle {
namespace {

bool Decodes(QStringDecoder::Encoding encoding, std::string_view bytes, QString* text) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    *text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

QString Decoded(std::string_view bytes) {
    QString text;
    if (Decodes(QStringDecoder::Utf8, bytes, &text)) return text;
    const std::string gbk = gbk::ToUtf8(bytes);
    // GBK decoding marks what is no GBK with '?': bytes that held none.
    const auto marks = [](std::string_view s) { return std::count(s.begin(), s.end(), '?'); };
    if (marks(gbk) == marks(bytes)) return QString::fromStdString(gbk);
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

bool IsRefusedByWindows(char32_t c) {
    return c < 0x80 && c != 0 && std::strchr("<>:\"/\\|?*", static_cast<char>(c)) != nullptr;
}

bool FitsGbk(char32_t c) {
    if (c < 0x80) return true;
    const std::string utf8 = QString::fromUcs4(&c, 1).toStdString();
    return gbk::FromUtf8(utf8) != "?";
}

bool Reserved(const std::string& name) {
    const std::string base = ToLowerAscii(name.substr(0, name.find('.')));
    static const std::array<const char*, 4> plain{"con", "prn", "aux", "nul"};
    for (const char* r : plain)
        if (base == r) return true;
    return base.size() == 4 && (base.starts_with("com") || base.starts_with("lpt")) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

std::string ReadableName(std::string_view bytes) {
    QString text = Decoded(bytes);
    for (QChar& c : text)
        if (IsControl(c.unicode())) c = u' ';
    return text.toStdString();
}

std::string LabSafeName(std::string_view readable) {
    const QList<uint> chars =
        QString::fromUtf8(readable.data(), static_cast<qsizetype>(readable.size())).toUcs4();
    QString safe;
    for (uint c : chars) {
        const char32_t ch = c;
        const bool refused =
            IsControl(ch) || IsRefusedByWindows(ch) || !FitsGbk(ch) || ch == 0xFFFD;
        safe += refused ? QString(u'_') : QString::fromUcs4(&ch, 1);
    }
    // Windows drops dots and blanks at the end, the INI reader blanks at
    // either end.
    for (qsizetype i = safe.size() - 1; i >= 0 && (safe[i] == u' ' || safe[i] == u'.'); --i)
        safe[i] = u'_';
    for (qsizetype i = 0; i < safe.size() && safe[i] == u' '; ++i) safe[i] = u'_';
    std::string name = safe.isEmpty() ? std::string("_") : safe.toStdString();
    if (Reserved(name)) return std::string(1, '_').append(name);
    return name;
}

}  // namespace orelle
