#include "code_page.h"

#ifdef Q_OS_WIN
#include <QStringDecoder>
#include <QStringEncoder>
#include <qt_windows.h>
#endif

#include <array>

namespace codepage {

namespace {

// Windows-1252 from 0x80 to 0x9F; the five undefined bytes map to the C1
// characters of the same number, as Windows itself decodes them.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

} // namespace

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? kHigh[u - 0x80] : char16_t(u));
    }
    return text;
}

#ifdef Q_OS_WIN

QString name() { return QStringLiteral("ANSI CODE PAGE %1").arg(GetACP()); }

QString toText(QByteArrayView bytes) { return QStringDecoder(QStringConverter::System)(bytes); }

QByteArray toBytes(QStringView text) { return QStringEncoder(QStringConverter::System)(text); }

bool canHold(QStringView text)
{
    // The system's encoder puts a default character in place of one the code
    // page lacks; what does not come back unchanged cannot be held.
    return toText(toBytes(text)) == text;
}

#else

namespace {

// The byte for `c`, or -1 when the code page has none.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(kHigh.size()); ++i)
        if (kHigh[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString name() { return QStringLiteral("WINDOWS-1252"); }

QString toText(QByteArrayView bytes) { return fromWindows1252(bytes); }

QByteArray toBytes(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const int b = byteOf(c.unicode());
        *out++ = char(b < 0 ? '?' : b);
    }
    return bytes;
}

bool canHold(QStringView text)
{
    for (const QChar c : text)
        if (byteOf(c.unicode()) < 0)
            return false;
    return true;
}

#endif

} // namespace codepage
