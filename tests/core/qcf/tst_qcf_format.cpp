#include "files/qcf_format.h"

#include <QElapsedTimer>
#include <QTest>

using qcf::Configuration;
using qcf::ReadError;

Q_DECLARE_METATYPE(qcf::ReadError)

namespace {

// A panel whose items all still hold their initial designation, unassigned.
Configuration initialConfig()
{
    Configuration c;
    c.panel = "PANEL 7";
    c.designations.fill("DESIGNATION ");
    c.codes.fill(160);
    c.codes[20] = 151;
    return c;
}

// Fields 4..42 of a file of initialConfig(), beginning with the comma that ends
// field 3; tests put their own fields 1..3 in front.
QByteArray initialTail() { return QByteArray(",\"DESIGNATION \",160").repeated(19) + ",151\r\n"; }

bool sameConfig(const Configuration &a, const Configuration &b)
{
    return a.panel == b.panel && a.designations == b.designations && a.codes == b.codes;
}

} // namespace

class TestQcfFormat : public QObject
{
    Q_OBJECT

private slots:
    void formatExactBytes();
    void roundTrip_data();
    void roundTrip();
    void quoteInsideTextIsCut();
    void readFields_data();
    void readFields();
    void readNumbers_data();
    void readNumbers();
    void fieldPerLine();
    void failures_data();
    void failures();
    void ignoresEverythingAfterField42();
    void describeTexts();
    void hostileInput_data();
    void hostileInput();
};

void TestQcfFormat::formatExactBytes()
{
    Configuration c = initialConfig();
    c.designations[0] = "HORN";
    c.codes[0] = 0;
    c.codes[1] = -32768;
    const QByteArray expected = "\"PANEL 7\",\"HORN\",0,\"DESIGNATION \",-32768" +
                                QByteArray(",\"DESIGNATION \",160").repeated(18) + ",151\r\n";
    QCOMPARE(qcf::format(c), expected);
}

void TestQcfFormat::roundTrip_data()
{
    QTest::addColumn<QByteArray>("panel");
    QTest::addColumn<QByteArray>("designation");
    QByteArray high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high += char(b);
    QTest::newRow("initial") << QByteArray("PANEL 7") << QByteArray("DESIGNATION ");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("latin-1") << high << QByteArray("\xC4\xD6\xDC\xDF");
    QTest::newRow("commas") << QByteArray("A,B") << QByteArray(",,,");
    QTest::newRow("line ends") << QByteArray("\r\nX\r") << QByteArray("\n");
    QTest::newRow("blanks") << QByteArray("  lead") << QByteArray("\ttrail  ");
    QTest::newRow("nul and controls") << QByteArray("A\0B\x01\x1A", 5) << QByteArray("\x7F");
}

void TestQcfFormat::roundTrip()
{
    QFETCH(QByteArray, panel);
    QFETCH(QByteArray, designation);
    Configuration c = initialConfig();
    c.panel = panel;
    c.designations[7] = designation;
    c.designations[19] = designation;
    c.codes = {0,    -1,   1,     32767, -32768, 255, -255, 7,  160, 10, 100,
               1000, 9999, -9999, 12,    13,     14,  15,   16, 17,  151};
    const QByteArray bytes = qcf::format(c);
    const qcf::ReadResult r = qcf::parse(bytes);
    QCOMPARE(r.error, ReadError::None);
    QCOMPARE(r.field, 0);
    QVERIFY(r.config);
    QVERIFY(sameConfig(*r.config, c));
    QCOMPARE(qcf::format(*r.config), bytes);
}

void TestQcfFormat::quoteInsideTextIsCut()
{
    // Quotes are not escaped: the text ends at the inner quote, and the rest of
    // the field is skipped without losing the place of the following fields.
    Configuration c = initialConfig();
    c.designations[0] = "SAY \"HI\" NOW";
    c.codes[0] = 42;
    const qcf::ReadResult r = qcf::parse(qcf::format(c));
    QVERIFY(r.config);
    QCOMPARE(r.config->designations[0], QByteArray("SAY "));
    QCOMPARE(r.config->codes[0], 42);
    QCOMPARE(r.config->codes[20], 151);
}

void TestQcfFormat::readFields_data()
{
    QTest::addColumn<QByteArray>("head"); // fields 1..3, followed by initialTail()
    QTest::addColumn<QByteArray>("panel");
    QTest::addColumn<QByteArray>("designation");
    QTest::addColumn<int>("code");

    QTest::newRow("as written") << QByteArray("\"P\",\"HORN\",5") << QByteArray("P")
                                << QByteArray("HORN") << 5;
    QTest::newRow("CR LF") << QByteArray("\"P\"\r\n\"HORN\"\r\n5") << QByteArray("P")
                           << QByteArray("HORN") << 5;
    QTest::newRow("CR only") << QByteArray("\"P\"\r\"HORN\"\r5") << QByteArray("P")
                             << QByteArray("HORN") << 5;
    QTest::newRow("LF only") << QByteArray("\"P\"\n\"HORN\"\n5") << QByteArray("P")
                             << QByteArray("HORN") << 5;
    QTest::newRow("blank line CR LF")
        << QByteArray("\"P\"\r\n\r\n5") << QByteArray("P") << QByteArray() << 5;
    QTest::newRow("blank line LF")
        << QByteArray("\"P\"\n\n5") << QByteArray("P") << QByteArray() << 5;
    QTest::newRow("LF CR is two line ends")
        << QByteArray("\"P\"\n\r5") << QByteArray("P") << QByteArray() << 5;
    QTest::newRow("blanks-only line")
        << QByteArray("\"P\"\n \t \n5") << QByteArray("P") << QByteArray() << 5;
    QTest::newRow("comma then line end")
        << QByteArray("\"P\",\r\n5") << QByteArray("P") << QByteArray() << 5;
    QTest::newRow("leading blanks and tabs")
        << QByteArray(" \t\"P\",  \"HORN\",\t 5") << QByteArray("P") << QByteArray("HORN") << 5;
    QTest::newRow("empty fields") << QByteArray(",,5") << QByteArray() << QByteArray() << 5;
    QTest::newRow("empty quotes") << QByteArray("\"\",\"\",5") << QByteArray() << QByteArray() << 5;
    QTest::newRow("unquoted") << QByteArray("P 7,HORN,5") << QByteArray("P 7") << QByteArray("HORN")
                              << 5;
    QTest::newRow("unquoted keeps trailing blanks")
        << QByteArray("  P  ,HORN \t,5") << QByteArray("P  ") << QByteArray("HORN \t") << 5;
    QTest::newRow("unquoted with quote inside")
        << QByteArray("A\"B,HORN,5") << QByteArray("A\"B") << QByteArray("HORN") << 5;
    QTest::newRow("junk after closing quote") << QByteArray("\"P\"xyz \"q,\"HORN\" ,\"5\"6")
                                              << QByteArray("P") << QByteArray("HORN") << 5;
    QTest::newRow("quoted text spans lines")
        << QByteArray("\"P,\r\nQ\",\"H\nO\rRN\"\r\n5") << QByteArray("P,\r\nQ")
        << QByteArray("H\nO\rRN") << 5;
}

void TestQcfFormat::readFields()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, panel);
    QFETCH(QByteArray, designation);
    QFETCH(int, code);
    const qcf::ReadResult r = qcf::parse(head + initialTail());
    QCOMPARE(r.error, ReadError::None);
    QVERIFY(r.config);
    QCOMPARE(r.config->panel, panel);
    QCOMPARE(r.config->designations[0], designation);
    QCOMPARE(r.config->codes[0], code);
    // The fields after them keep their places.
    QCOMPARE(r.config->designations[1], QByteArray("DESIGNATION "));
    QCOMPARE(r.config->codes[19], 160);
    QCOMPARE(r.config->codes[20], 151);
}

void TestQcfFormat::readNumbers_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("code");
    QTest::newRow("max") << QByteArray("32767") << 32767;
    QTest::newRow("min") << QByteArray("-32768") << -32768;
    QTest::newRow("half to even down") << QByteArray("2.5") << 2;
    QTest::newRow("half to even up") << QByteArray("3.5") << 4;
    QTest::newRow("negative half") << QByteArray("-2.5") << -2;
    QTest::newRow("below min rounds in") << QByteArray("-32768.5") << -32768;
    QTest::newRow("just under max") << QByteArray("32767.4") << 32767;
    QTest::newRow("exponent") << QByteArray("1E2") << 100;
    QTest::newRow("D exponent") << QByteArray("15D-1") << 2;
    QTest::newRow("plus and zeros") << QByteArray("+007") << 7;
    QTest::newRow("trailing text") << QByteArray("12abc") << 12;
    QTest::newRow("non-numeric") << QByteArray("abc") << 0;
    QTest::newRow("quoted") << QByteArray("\" 42 \"") << 42;
    QTest::newRow("quoted non-numeric") << QByteArray("\"x1\"") << 0;
    QTest::newRow("trailing blanks") << QByteArray("9   ") << 9;
}

void TestQcfFormat::readNumbers()
{
    QFETCH(QByteArray, field);
    QFETCH(int, code);
    const qcf::ReadResult r = qcf::parse("\"P\",\"D\"," + field + initialTail());
    QCOMPARE(r.error, ReadError::None);
    QVERIFY(r.config);
    QCOMPARE(r.config->codes[0], code);
}

void TestQcfFormat::fieldPerLine()
{
    Configuration c = initialConfig();
    for (int i = 0; i < qcf::kDesignations; ++i) {
        c.designations[i] = "ITEM " + QByteArray::number(i);
        c.codes[i] = static_cast<std::int16_t>(i * 3 - 20);
    }
    QByteArray bytes = qcf::format(c);
    bytes.replace(',', "\r\n"); // no commas inside these texts
    const qcf::ReadResult r = qcf::parse(bytes);
    QVERIFY(r.config);
    QVERIFY(sameConfig(*r.config, c));
}

void TestQcfFormat::failures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadError>("error");
    QTest::addColumn<int>("field");

    const QByteArray whole = qcf::format(initialConfig());
    const QByteArray upTo41 = whole.left(whole.lastIndexOf(','));

    QTest::newRow("empty") << QByteArray() << ReadError::EndsEarly << 1;
    QTest::newRow("blanks only") << QByteArray(" \t ") << ReadError::EndsEarly << 1;
    QTest::newRow("NUL bytes") << QByteArray("\0\0,\"\0\0", 6) << ReadError::EndsEarly << 2;
    QTest::newRow("41 fields") << upTo41 << ReadError::EndsEarly << 42;
    QTest::newRow("41 fields and CR LF") << upTo41 + "\r\n" << ReadError::EndsEarly << 42;
    QTest::newRow("41 fields and comma") << upTo41 + "," << ReadError::EndsEarly << 42;
    QTest::newRow("unterminated quote")
        << QByteArray("\"P\",\"D\",1,\"D,2,3\r\n4") << ReadError::EndsEarly << 4;
    QTest::newRow("unterminated quoted number") << upTo41 + ",\"151" << ReadError::EndsEarly << 42;
    QTest::newRow("32768") << "\"P\",\"D\",32768" + initialTail() << ReadError::NumberOutOfRange
                           << 3;
    QTest::newRow("-32769") << "\"P\",\"D\",-32769" + initialTail() << ReadError::NumberOutOfRange
                            << 3;
    QTest::newRow("rounds to 32768")
        << "\"P\",\"D\",32767.5" + initialTail() << ReadError::NumberOutOfRange << 3;
    QTest::newRow("exponent too large")
        << "\"P\",\"D\",1E5" + initialTail() << ReadError::NumberOutOfRange << 3;
    QTest::newRow("field 9") << QByteArray("\"P\",\"D\",1,\"D\",2,\"D\",3,\"D\",\"-40000\"")
                             << ReadError::NumberOutOfRange << 9;
    QTest::newRow("backlighting") << upTo41 + ",40000\r\n" << ReadError::NumberOutOfRange << 42;
    // A code field with nothing in it is no code, however it is left empty.
    QTest::newRow("empty code") << QByteArray(",,") + initialTail() << ReadError::EmptyNumber << 3;
    QTest::newRow("empty quoted code")
        << QByteArray("\"P\",\"D\",\" \"") + initialTail() << ReadError::EmptyNumber << 3;
    QTest::newRow("blank line as code")
        << QByteArray("\"P\"\r\n\"D\"\r\n \t\r\n") + initialTail() << ReadError::EmptyNumber << 3;
    QTest::newRow("empty backlighting") << upTo41 + ",\r\n" << ReadError::EmptyNumber << 42;
}

void TestQcfFormat::failures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadError, error);
    QFETCH(int, field);
    const qcf::ReadResult r = qcf::parse(bytes);
    QCOMPARE(r.error, error);
    QCOMPARE(r.field, field);
    QVERIFY(!r.config);
}

void TestQcfFormat::ignoresEverythingAfterField42()
{
    Configuration c = initialConfig();
    c.codes[20] = -3;
    const QByteArray bytes = qcf::format(c);
    for (const QByteArray &rest : {QByteArray("\"never closed"), QByteArray(",99999,\"x"),
                                   QByteArray("\0\xFF\r\n\r\n", 5)}) {
        const qcf::ReadResult r = qcf::parse(bytes + rest);
        QVERIFY(r.config);
        QCOMPARE(qcf::format(*r.config), bytes);
    }
    // The last field needs no terminator; junk after its number is not part of it.
    const qcf::ReadResult noEnd = qcf::parse(bytes.chopped(2));
    QVERIFY(noEnd.config);
    QCOMPARE(noEnd.config->codes[20], -3);
    const qcf::ReadResult junk = qcf::parse(bytes.chopped(2) + "abc,5\r\n");
    QVERIFY(junk.config);
    QCOMPARE(junk.config->codes[20], -3);
}

void TestQcfFormat::describeTexts()
{
    qcf::ReadResult r;
    QCOMPARE(qcf::describe(r), QString());
    r.error = ReadError::EndsEarly;
    r.field = 17;
    QCOMPARE(qcf::describe(r), QStringLiteral("THE FILE ENDS BEFORE FIELD 17 OF 42 IS COMPLETE"));
    r.error = ReadError::NumberOutOfRange;
    r.field = 9;
    QCOMPARE(qcf::describe(r), QStringLiteral("FIELD 9 HOLDS A NUMBER OUTSIDE -32768 TO 32767"));
    r.error = ReadError::EmptyNumber;
    r.field = 42;
    QCOMPARE(qcf::describe(r), QStringLiteral("FIELD 42 HOLDS NO NUMBER: IT IS EMPTY"));
}

void TestQcfFormat::hostileInput_data()
{
    // Several MiB without a line end; a reader that rescans or recurses per byte
    // would not finish in time.
    const qsizetype big = 8 << 20;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadError>("error");
    QTest::addColumn<int>("field");
    QTest::newRow("one long text") << QByteArray(big, 'A') << ReadError::EndsEarly << 2;
    QTest::newRow("blanks") << QByteArray(big, ' ') << ReadError::EndsEarly << 1;
    QTest::newRow("open quote") << "\"" + QByteArray(big, ',') << ReadError::EndsEarly << 1;
    QTest::newRow("long number") << "P,D," + QByteArray(big, '9') << ReadError::NumberOutOfRange
                                 << 3;
    // A tiny fraction (far below the smallest double) reads as 0, not as out of range.
    QTest::newRow("long zeros") << "P,D,0." + QByteArray(big, '0') + "1" << ReadError::EndsEarly
                                << 4;
    QTest::newRow("blank number") << "P,D,1" + QByteArray(big, ' ') << ReadError::EndsEarly << 4;
    QTest::newRow("commas") << QByteArray(big, ',') << ReadError::EmptyNumber << 3;
    QTest::newRow("line ends") << QByteArray(big, '\n') << ReadError::EmptyNumber << 3;
    QTest::newRow("quote junk") << QByteArray(big, '"') << ReadError::EndsEarly << 2;
}

void TestQcfFormat::hostileInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadError, error);
    QFETCH(int, field);
    QElapsedTimer timer;
    timer.start();
    const qcf::ReadResult r = qcf::parse(bytes);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(r.error, error);
    QCOMPARE(r.field, field);
}

QTEST_GUILESS_MAIN(TestQcfFormat)
#include "tst_qcf_format.moc"
