// Assignment codes, numbers in text, and the panel's wire format.

#include "config/assignment.h"
#include "config/number_text.h"
#include "panel/protocol.h"

#include <QTest>

using namespace assignment;

class TestAssignment : public QObject
{
    Q_OBJECT
private slots:
    void listEntries();
    void itemTable();
    void add16ReportsOverflow();
    void splitCode_data();
    void splitCode();
    void splitThenComposeIsIdentity();
    void frames();
    void acknowledgement_data();
    void acknowledgement();
    void decodeReply_data();
    void decodeReply();
};

void TestAssignment::listEntries()
{
    QCOMPARE(moduleEntryText(0), QStringLiteral("N/A"));
    QCOMPARE(moduleEntryNumber(0), 160);
    QCOMPARE(moduleEntryText(1), QStringLiteral("A"));
    QCOMPARE(moduleEntryNumber(1), 0);
    QCOMPARE(moduleEntryText(16), QStringLiteral("P"));
    QCOMPARE(moduleEntryNumber(16), 150);
    QCOMPARE(channelEntryText(0), QStringLiteral("1"));
    QCOMPARE(channelEntryText(9), QStringLiteral("10"));
    QCOMPARE(channelEntryNumber(9), 9);
}

void TestAssignment::itemTable()
{
    QCOMPARE(item(0).name(), QStringLiteral("SW1"));
    QCOMPARE(item(0).moduleList, 1);
    QCOMPARE(item(0).channelList, 2);
    QCOMPARE(item(0).designationBox, 3);
    QCOMPARE(item(0).incompleteFlag, 1);
    QCOMPARE(item(9).name(), QStringLiteral("SW10"));
    QCOMPARE(item(9).designationBox, 12);
    QCOMPARE(item(10).name(), QStringLiteral("LED1"));
    QCOMPARE(item(10).moduleList, 21);
    QCOMPARE(item(10).designationBox, 13);
    QCOMPARE(item(10).incompleteFlag, 2);
    QCOMPARE(item(19).channelList, 40);
    QCOMPARE(item(20).name(), QStringLiteral("BACKLIGHTING"));
    QCOMPARE(item(20).moduleList, 41);
    QCOMPARE(item(20).designationBox, 0);
    QCOMPARE(item(20).incompleteFlag, 2);
    for (int n = 1; n <= 42; ++n) {
        const Item &it = item(itemOfList(n));
        QCOMPARE(isModuleList(n) ? it.moduleList : it.channelList, n);
    }
}

void TestAssignment::add16ReportsOverflow()
{
    QCOMPARE(add16(20, 3), std::optional<std::int16_t>(23));
    QCOMPARE(add16(32767, 0), std::optional<std::int16_t>(32767));
    QVERIFY(!add16(32767, 1));
    QVERIFY(!add16(-32768, -1));
}

void TestAssignment::splitCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("previousChannel");
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("rest");
    QTest::newRow("0") << 0 << 5 << 1 << 0 << 0;
    QTest::newRow("9") << 9 << 5 << 1 << 9 << 9;
    QTest::newRow("10") << 10 << 5 << 2 << 0 << 0;
    QTest::newRow("23") << 23 << 5 << 3 << 3 << 3;
    QTest::newRow("159") << 159 << 5 << 16 << 9 << 9;
    QTest::newRow("160 keeps channel") << 160 << 3 << 0 << 3 << 160;
    QTest::newRow("32767") << 32767 << 7 << 0 << 7 << 32767;
    QTest::newRow("-1") << -1 << 5 << 1 << -1 << -1;
    QTest::newRow("-2") << -2 << 5 << 1 << -2 << -2;
    QTest::newRow("-32768") << -32768 << 5 << 1 << -32768 << -32768;
}

void TestAssignment::splitCode()
{
    QFETCH(int, code);
    QFETCH(int, previousChannel);
    const Split s = assignment::splitCode(std::int16_t(code), std::int16_t(previousChannel));
    QTEST(int(s.moduleIndex), "module");
    QTEST(int(s.channelIndex), "channel");
    QTEST(int(s.rest), "rest");
}

void TestAssignment::splitThenComposeIsIdentity()
{
    for (int code = 0; code < 160; ++code) {
        const Split s = assignment::splitCode(std::int16_t(code), 0);
        QCOMPARE(moduleEntryNumber(s.moduleIndex) + channelEntryNumber(s.channelIndex), code);
    }
}

void TestAssignment::frames()
{
    QCOMPARE(protocol::writeFrame(5, 23), QByteArray::fromHex("530005001744"));
    QCOMPARE(protocol::readFrame(5), QByteArray::fromHex("560005303056"));
    // 160 (not assigned) travels as 0xA0; values above 127 are not mangled.
    QCOMPARE(protocol::writeFrame(20, 160), QByteArray::fromHex("53001400a044"));
}

void TestAssignment::acknowledgement_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exact") << QByteArray("D000D") << true;
    QTest::newRow("two together") << QByteArray("D000DD000D") << false;
    QTest::newRow("trailing CR") << QByteArray("D000D\r") << false;
    QTest::newRow("half") << QByteArray("D00") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("lower case") << QByteArray("d000d") << false;
}

void TestAssignment::acknowledgement()
{
    QFETCH(QByteArray, reply);
    QTEST(protocol::isAcknowledgement(reply), "accepted");
}

void TestAssignment::decodeReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("value");
    const int tooShort = int(protocol::ReplyStatus::TooShort);
    const int malformed = int(protocol::ReplyStatus::Malformed);
    const int value = int(protocol::ReplyStatus::Value);
    QTest::newRow("cell 23") << QByteArray("0230\r") << value << 23;
    QTest::newRow("cell 0") << QByteArray("0000\r") << value << 0;
    QTest::newRow("cell 160") << QByteArray("1600\r") << value << 160;
    QTest::newRow("161: well formed, range checked later") << QByteArray("1610\r") << value << 161;
    QTest::newRow("four characters") << QByteArray("0230") << value << 23;
    QTest::newRow("three characters") << QByteArray("023") << tooShort << 0;
    QTest::newRow("nothing") << QByteArray() << tooShort << 0;
    // One byte changed, added or dropped never reads as a value.
    QTest::newRow("not a multiple of ten") << QByteArray("1022\r") << malformed << 0;
    QTest::newRow("1234") << QByteArray("1234\r") << malformed << 0;
    QTest::newRow("blank inside") << QByteArray("16 0\r") << malformed << 0;
    QTest::newRow("letter inside") << QByteArray("1u00\r") << malformed << 0;
    QTest::newRow("tilde inside") << QByteArray("0~30\r") << malformed << 0;
    QTest::newRow("form feed for CR") << QByteArray("1120\x0c") << malformed << 0;
    QTest::newRow("CR doubled") << QByteArray("0230\r\r") << malformed << 0;
    QTest::newRow("five digits") << QByteArray("02300") << malformed << 0;
    QTest::newRow("leading blank") << QByteArray(" 230\r") << malformed << 0;
    QTest::newRow("sign") << QByteArray("-010\r") << malformed << 0;
    QTest::newRow("plus sign") << QByteArray("+230") << malformed << 0;
    QTest::newRow("decimal point") << QByteArray("23.5\r") << malformed << 0;
    QTest::newRow("exponent") << QByteArray("23E1\r") << malformed << 0;
    QTest::newRow("acknowledgement") << QByteArray("D000D") << malformed << 0;
    QTest::newRow("NUL bytes") << QByteArray(4, '\0') << malformed << 0;
    QTest::newRow("0xFF flood") << QByteArray(8, '\xff') << malformed << 0;
}

void TestAssignment::decodeReply()
{
    QFETCH(QByteArray, reply);
    const protocol::DecodedReply d = protocol::decodeReply(reply);
    QTEST(int(d.status), "status");
    if (d.status == protocol::ReplyStatus::Value)
        QTEST(int(d.value), "value");
}

QTEST_APPLESS_MAIN(TestAssignment)
#include "tst_assignment.moc"
