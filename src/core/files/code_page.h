#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The 8-bit code page of configuration files: the texts of a ".qcf" file (panel
// name, designations) are bytes in the code page of the PC that wrote it. On
// Windows that is the system's ANSI code page. Linux has no 8-bit system code
// page, so there the files are read and written as Windows-1252, the code page of
// the PCs they come from: the bytes 0x80 to 0x9F are the letters and signs it
// gives them (0x80 the euro sign, 0x9C "œ"), and the five bytes it leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) are kept as the characters U+0081 and
// so on. Every byte decodes, and decoding and encoding again gives the same
// bytes, so a file opened and saved again is unchanged.
namespace codepage {

// The code page's name for user texts, e.g. "WINDOWS-1252".
QString name();

// The text that `bytes` of a file stand for.
QString toText(QByteArrayView bytes);

// The bytes of `text` in the code page; a character it cannot hold becomes '?'.
QByteArray toBytes(QStringView text);

// Whether every character of `text` has a byte of its own in the code page.
bool canHold(QStringView text);

// The text of `bytes` in Windows-1252 on every system (the five undefined bytes
// as U+0081 and so on): the encoding of spreadsheets saved as CSV on the PCs
// the files come from.
QString fromWindows1252(QByteArrayView bytes);

} // namespace codepage
