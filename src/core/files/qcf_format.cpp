#include "qcf_format.h"

#include "config/number_text.h"

#include <algorithm>

// Reading rules
// -------------
// The file is read as a stream of fields, not as one line, so that files spread
// over several lines (or produced by hand) still load:
//  - A field ends at a comma or at a line end (CR, LF, or CR LF taken as one).
//    The data ending right after a field's content also completes it, so the
//    last field needs no terminator.
//  - Blanks and tabs in front of a field are skipped. An empty field (two commas
//    in a row) or a blank line is one field with no content.
//  - A field that begins with a double quote runs to the next double quote and
//    may contain commas and line ends; whatever follows the closing quote up to
//    the next comma or line end is skipped. Otherwise the field runs to the next
//    comma or line end, trailing blanks included.
//  - Text fields keep their bytes unchanged. Number fields read the leading
//    number of their text (no number reads as 0), rounded to the nearest
//    integer (halves to even), which must fit a 16-bit signed integer. A number
//    field with no content at all (two commas in a row, a blank line, "") is
//    refused: a file of nothing but separators must not read as 21 codes 0.
//  - If the data ends where a field should begin (after skipping blanks), or
//    inside an opening quote, the file is incomplete.
//  - Nothing after the 42nd field is looked at.
//
// The scan only moves forward, one bounded step at a time, so hostile input of
// any size is read in linear time.
namespace qcf {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool endsField(char c) { return c == ',' || c == '\r' || c == '\n'; }

// Whether the text of a number field is a number alone (after leading blanks):
// sign, digits, decimal point, exponent and trailing blanks, nothing else.
bool isPlainNumber(QByteArrayView text)
{
    const QByteArrayView t = text.trimmed();
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e' ||
               c == 'D' || c == 'd';
    });
}

// Splits the data into fields one at a time.
class FieldReader
{
public:
    explicit FieldReader(QByteArrayView data) : pos_(data.data()), end_(data.data() + data.size())
    {}

    // The content of the next field (without quotes), or std::nullopt if the
    // data ends before the field is complete.
    std::optional<QByteArrayView> next()
    {
        while (pos_ != end_ && isBlank(*pos_))
            ++pos_;
        if (pos_ == end_)
            return std::nullopt;

        QByteArrayView content;
        if (*pos_ == '"') {
            const char *open = pos_ + 1;
            const char *close = std::find(open, end_, '"');
            if (close == end_)
                return std::nullopt;
            content = QByteArrayView(open, close - open);
            pos_ = std::find_if(close + 1, end_, endsField); // junk after the quote
        } else {
            const char *start = pos_;
            pos_ = std::find_if(pos_, end_, endsField);
            content = QByteArrayView(start, pos_ - start);
        }
        skipTerminator();
        return content;
    }

private:
    void skipTerminator()
    {
        if (pos_ == end_)
            return;
        const char c = *pos_++;
        if (c == '\r' && pos_ != end_ && *pos_ == '\n')
            ++pos_;
    }

    const char *pos_;
    const char *end_;
};

void appendText(QByteArray &out, const QByteArray &text)
{
    out += '"';
    out += text;
    out += '"';
}

ReadResult failure(ReadError error, int field)
{
    ReadResult result;
    result.error = error;
    result.field = field;
    return result;
}

} // namespace

QByteArray format(const Configuration &config)
{
    QByteArray out;
    qsizetype textBytes = config.panel.size();
    for (const QByteArray &d : config.designations)
        textBytes += d.size();
    out.reserve(textBytes + kFieldCount * 8 + 2);

    appendText(out, config.panel);
    for (int item = 0; item < kDesignations; ++item) {
        out += ',';
        appendText(out, config.designations[item]);
        out += ',';
        out += QByteArray::number(config.codes[item]);
    }
    out += ',';
    out += QByteArray::number(config.codes[kCodes - 1]);
    out += "\r\n";
    return out;
}

ReadResult parse(QByteArrayView bytes)
{
    Configuration config;
    FieldReader reader(bytes);
    bool plain = true;

    for (int field = 1; field <= kFieldCount; ++field) {
        const std::optional<QByteArrayView> content = reader.next();
        if (!content)
            return failure(ReadError::EndsEarly, field);

        // Field 1 is the panel name; fields 2..41 alternate designation and code
        // of each item; field 42 is the backlighting code.
        if (field == 1) {
            config.panel = content->toByteArray();
        } else if (field < kFieldCount && field % 2 == 0) {
            config.designations[(field - 2) / 2] = content->toByteArray();
        } else {
            if (content->trimmed().isEmpty())
                return failure(ReadError::EmptyNumber, field);
            plain = plain && isPlainNumber(*content);
            const auto value = numtext::roundToInt16(numtext::leadingNumber(*content));
            if (!value)
                return failure(ReadError::NumberOutOfRange, field);
            config.codes[field == kFieldCount ? kCodes - 1 : (field - 3) / 2] = *value;
        }
    }

    ReadResult result;
    result.config = std::move(config);
    result.plainNumbers = plain;
    return result;
}

files::FileProblem problem(const ReadResult &result)
{
    using Kind = files::FileProblem::Kind;
    switch (result.error) {
    case ReadError::None:
        return {};
    case ReadError::EndsEarly:
        return files::FileProblem::atField(Kind::EndsEarly, result.field, kFieldCount);
    case ReadError::NumberOutOfRange:
        return files::FileProblem::atField(Kind::NumberOutOfRange, result.field);
    case ReadError::EmptyNumber:
        return files::FileProblem::atField(Kind::EmptyNumber, result.field);
    }
    return {};
}

QString describe(const ReadResult &result) { return files::english(problem(result)); }

} // namespace qcf
