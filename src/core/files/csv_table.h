#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values as spreadsheets write and read them (RFC 4180): fields
// in double quotes where they hold a separator, a quote or a line end, a quote
// inside doubled. Reading takes what spreadsheets in other countries save too:
// semicolons as separators (German and French spreadsheets), with or without a
// UTF-8 byte-order mark, UTF-8 or Windows-1252, CR LF, LF or CR line ends.
namespace csvtable {

// One record with the line of the file it starts on (1-based).
struct Record {
    int line = 0;
    QStringList fields;
};

struct Table {
    QList<Record> records; // blank lines left out
    QChar separator = QLatin1Char(',');
    // What makes the data unreadable (a quote never closed, text after a closing
    // quote), empty when it was read; where: line and 1-based field.
    QString error;
    int errorLine = 0;
    int errorField = 0;
    // The same as a value: which of the two, and the line the quote never closed
    // was opened on.
    enum class Error { None, QuoteNotClosed, TextAfterQuote };
    Error errorKind = Error::None;
    int quoteLine = 0;
};

// Reads `bytes`. The text is UTF-8 when it starts with the byte-order mark or is
// valid UTF-8, else Windows-1252. The separator is the semicolon when the first
// record has more semicolons outside quotes than commas, else the comma.
Table read(QByteArrayView bytes);

// A field as written with `separator`: in double quotes when it holds the
// separator, a quote, a line end, or blanks at its start or end.
QString field(const QString &text, QChar separator = QLatin1Char(','));

// A record: the fields joined by `separator`, ending in CR LF.
QString record(const QStringList &fields, QChar separator = QLatin1Char(','));

} // namespace csvtable
