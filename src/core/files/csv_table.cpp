#include "csv_table.h"

#include "files/code_page.h"

#include <QStringDecoder>

namespace csvtable {

namespace {

QString decode(QByteArrayView bytes)
{
    static constexpr char kBom[] = "\xEF\xBB\xBF";
    if (bytes.startsWith(kBom))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return codepage::fromWindows1252(bytes);
}

// The separator the first record uses: semicolons counted against commas,
// outside quotes.
QChar separatorOf(QStringView text)
{
    int commas = 0;
    int semicolons = 0;
    bool inQuotes = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            inQuotes = !inQuotes;
        else if (!inQuotes && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!inQuotes && c == QLatin1Char(','))
            ++commas;
        else if (!inQuotes && c == QLatin1Char(';'))
            ++semicolons;
    }
    return QLatin1Char(semicolons > commas ? ';' : ',');
}

bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

} // namespace

Table read(QByteArrayView bytes)
{
    Table table;
    const QString text = decode(bytes);
    table.separator = separatorOf(text);
    const QChar sep = table.separator;
    const QChar quote = QLatin1Char('"');

    qsizetype pos = 0;
    const qsizetype end = text.size();
    int line = 1;
    // Moves past a line end at `pos` (CR LF taken as one) and counts it.
    auto skipLineEnd = [&] {
        if (text[pos] == QLatin1Char('\r') && pos + 1 < end && text[pos + 1] == QLatin1Char('\n'))
            ++pos;
        ++pos;
        ++line;
    };
    auto fail = [&](Table::Error kind, const QString &why, int recordLine, int field) {
        table.errorKind = kind;
        table.error = why;
        table.errorLine = recordLine;
        table.errorField = field;
        table.records.clear();
        return table;
    };

    while (pos < end) {
        if (isLineEnd(text[pos])) { // a blank line
            skipLineEnd();
            continue;
        }
        Record record{line, {}};
        for (;;) { // one field per round
            QString value;
            if (pos < end && text[pos] == quote) {
                const int opened = line;
                ++pos;
                for (;;) {
                    if (pos >= end) {
                        table.quoteLine = opened;
                        return fail(
                            Table::Error::QuoteNotClosed,
                            QStringLiteral("A QUOTE OPENED ON LINE %1 IS NEVER CLOSED").arg(opened),
                            record.line, int(record.fields.size()) + 1);
                    }
                    if (text[pos] == quote) {
                        if (pos + 1 < end && text[pos + 1] == quote) {
                            value += quote;
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    if (isLineEnd(text[pos])) {
                        value += text[pos];
                        const qsizetype before = pos;
                        skipLineEnd();
                        if (pos - before == 2)
                            value += QLatin1Char('\n');
                        continue;
                    }
                    value += text[pos++];
                }
                if (pos < end && text[pos] != sep && !isLineEnd(text[pos]))
                    return fail(Table::Error::TextAfterQuote,
                                QStringLiteral("TEXT AFTER THE CLOSING QUOTE OF A FIELD"), line,
                                int(record.fields.size()) + 1);
            } else {
                const qsizetype start = pos;
                while (pos < end && text[pos] != sep && !isLineEnd(text[pos]))
                    ++pos;
                value = text.mid(start, pos - start);
            }
            record.fields << value;
            if (pos < end && text[pos] == sep) {
                ++pos;
                continue;
            }
            break; // a line end or the end of the data
        }
        table.records << record;
        if (pos < end)
            skipLineEnd();
    }
    return table;
}

QString field(const QString &text, QChar separator)
{
    const bool plain = !text.contains(separator) && !text.contains(QLatin1Char('"')) &&
                       !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) &&
                       text.trimmed().size() == text.size();
    if (plain)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString record(const QStringList &fields, QChar separator)
{
    QStringList written;
    for (const QString &f : fields)
        written << field(f, separator);
    return written.join(separator) + QStringLiteral("\r\n");
}

} // namespace csvtable
