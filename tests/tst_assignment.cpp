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
    const int noNumber = int(protocol::ReplyStatus::NotANumber);
    const int value = int(protocol::ReplyStatus::Value);
    const int huge = int(protocol::ReplyStatus::Unrepresentable);
    QTest::newRow("cell 23") << QByteArray("0230\r") << value << 23;
    QTest::newRow("cell 160") << QByteArray("1600\r") << value << 160;
    QTest::newRow("four characters") << QByteArray("0230") << value << 23;
    QTest::newRow("three characters") << QByteArray("023") << tooShort << 0;
    QTest::newRow("nothing") << QByteArray() << tooShort << 0;
    QTest::newRow("1234 rounds down") << QByteArray("1234\r") << value << 123;
    QTest::newRow("1235 half to even up") << QByteArray("1235\r") << value << 124;
    QTest::newRow("1245 half to even down") << QByteArray("1245\r") << value << 124;
    QTest::newRow("blanks inside") << QByteArray(" 1 6\t1\n0") << value << 161;
    QTest::newRow("negative") << QByteArray("-010\r") << value << -1;
    QTest::newRow("decimal point") << QByteArray("23.5\r") << value << 2;
    QTest::newRow("exponent E") << QByteArray("23E1\r") << value << 23;
    QTest::newRow("exponent D") << QByteArray("2.3D2") << value << 23;
    QTest::newRow("E without digits") << QByteArray("230E\r") << value << 23;
    QTest::newRow("stops at letter") << QByteArray("02X30") << value << 0;
    QTest::newRow("acknowledgement") << QByteArray("D000D") << noNumber << 0;
    QTest::newRow("letters") << QByteArray("XXXX") << noNumber << 0;
    QTest::newRow("NUL bytes") << QByteArray(4, '\0') << noNumber << 0;
    QTest::newRow("0xFF flood") << QByteArray(8, '\xff') << noNumber << 0;
    QTest::newRow("sign without digit") << QByteArray("- X0230") << noNumber << 0;
    QTest::newRow("point without digit") << QByteArray(".E10\r") << noNumber << 0;
    QTest::newRow("point and digit") << QByteArray(" .5E3\r") << value << 50;
    QTest::newRow("sign, blank, digit") << QByteArray("- 010") << value << -1;
    QTest::newRow("plus sign") << QByteArray("+230") << value << 23;
    QTest::newRow("too large") << QByteArray("9999999") << huge << 0;
    QTest::newRow("overflowing exponent") << QByteArray("1E999") << huge << 0;
    QTest::newRow("underflowing exponent") << QByteArray("1E-999") << value << 0;
    QTest::newRow("underflowing fraction")
        << (QByteArray("0.") + QByteArray(400, '0') + "1") << value << 0;
    QTest::newRow("overflowing digits") << QByteArray(400, '9') << huge << 0;
    QTest::newRow("overflow despite negative exponent")
        << (QByteArray(400, '9') + "E-5") << huge << 0;
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
