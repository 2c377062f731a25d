// The configuration sheet as a reader of its PDF sees it: one page of the
// locale's size, and text (read back with pdftotext) that holds every
// designation and assignment; from --sheet without a display, and from the window.

#include "files/qcf_format.h"
#include "form1_helpers.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

class TestSheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sheetOfAFileHoldsEveryItem_data();
    void sheetOfAFileHoldsEveryItem();
    void failedSheetKeepsTheOldFile();
    void windowSheetShowsTheWindow();
    void windowsCodePageRoundTrips();

private:
    int runSheet(const QStringList &arguments, const QString &locale,
                 std::function<void()> inChild = {});
    QString pdfText(const QString &path);
    QString pdfInfo(const QString &path);
    QString writeFile(const QString &name, const QByteArray &bytes);
    QByteArray readFile(const QString &path);

    QTemporaryDir dir;
    QString err;
};

// SW1 on C/4, SW2 unassigned above 160, SW5 without a channel (-1), LED1 on A/1,
// LED2 on P/10, a designation with a Latin-1 letter, the backlighting on P/2.
static const QByteArray kFile = [] {
    QByteArray line = "\"BENCH\",\"HORN\",23,\"WIPER FAST\",200";
    const char *names[] = {"SW3 LIGHTS", "SW4 FAN", "SW5 PUMP",    "SW6 DOOR", "SW7 SIREN",
                           "SW8 SPARE",  "SW9 AUX", "SW10 BEACON", "READY",    "K\xDCHLER",
                           "LOW FUEL",   "OIL",     "TEMP",        "BRAKE",    "BEAM",
                           "GPS",        "RADIO",   "LAST"};
    const int codes[] = {160, 45, -1,  99, 12,  150, 7,   160, 0,
                         159, 62, 160, 88, 110, 5,   160, 140, 77};
    for (int i = 0; i < 18; ++i)
        line += ",\"" + QByteArray(names[i]) + "\"," + QByteArray::number(codes[i]);
    return line + ",151\r\n";
}();

void TestSheet::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    for (const char *tool : {"pdftotext", "pdfinfo"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 is missing: scripts/setup all installs "
                                            "poppler-utils")
                                 .arg(QLatin1String(tool))));
}

// Runs the program without a display, as on a machine without one.
int TestSheet::runSheet(const QStringList &arguments, const QString &locale,
                        std::function<void()> inChild)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LC_MEASUREMENT"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LC_ALL"), locale);
    p.setProcessEnvironment(env);
    if (inChild)
        p.setChildProcessModifier(inChild);
    p.start(QStringLiteral(SWITCHPANEL_PROGRAM), QStringList{"--sheet"} + arguments);
    if (!p.waitForFinished(60000))
        return -1;
    err = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString TestSheet::pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-layout", "-enc", "UTF-8", path, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString TestSheet::pdfInfo(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString TestSheet::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file");
    return f.fileName();
}

QByteArray TestSheet::readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

static bool hasRow(const QString &text, const QString &row)
{
    return QRegularExpression(QStringLiteral("^\\s*") + row + QStringLiteral("\\s*$"),
                              QRegularExpression::MultilineOption)
        .match(text)
        .hasMatch();
}

void TestSheet::sheetOfAFileHoldsEveryItem_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("pageSize");
    QTest::newRow("A4") << "de_DE.UTF-8"
                        << "595 x 842 pts (A4)";
    QTest::newRow("Letter") << "en_US.UTF-8"
                            << "612 x 792 pts (letter)";
}

void TestSheet::sheetOfAFileHoldsEveryItem()
{
    QFETCH(QString, locale);
    QFETCH(QString, pageSize);
    const QString file = writeFile("bench.qcf", kFile);
    const QString pdf = dir.filePath("bench.pdf");
    QCOMPARE(runSheet({file, pdf}, locale), 0);
    const QString info = pdfInfo(pdf);
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
    QVERIFY2(info.contains(pageSize), qPrintable(info));

    const QString text = pdfText(pdf);
    QVERIFY2(text.contains("PANEL NAME: BENCH"), qPrintable(text));
    QVERIFY(text.contains(file));
    // Each designation in its picture and in the table.
    const qcf::Configuration config = *qcf::parse(kFile).config;
    for (const QByteArray &d : config.designations)
        QVERIFY2(text.count(QString::fromLatin1(d)) >= 2, d.constData());
    // Every row of the table: item, module, channel, code, designation.
    QVERIFY(hasRow(text, "SW5\\s+INCOMPLETE\\s+SW5 PUMP"));
    for (int i = 0; i < 21; ++i) {
        const std::int16_t code = std::min<std::int16_t>(config.codes[i], 160);
        if (code < 0)
            continue;
        const QString assigned = code == 160 ? QStringLiteral("N/A\\s+-\\s+160")
                                             : QStringLiteral("%1\\s+%2\\s+%3")
                                                   .arg(QChar('A' + code / 10))
                                                   .arg(code % 10 + 1)
                                                   .arg(code);
        const QString designation =
            i < 20 ? QString::fromLatin1(config.designations[i]) : QString();
        QVERIFY2(hasRow(text, assignment::item(i).name() + "\\s+" + assigned + "\\s*" +
                                  QRegularExpression::escape(designation)),
                 qPrintable(assignment::item(i).name()));
    }
    // The pictures write in module and channel of the 15 items assigned, N/A for
    // the five not assigned.
    QCOMPARE(text.count(QRegularExpression("MODULE [A-P]\\b")), 15);
    QCOMPARE(text.count(QRegularExpression("CHANNEL \\d")), 15);
    QCOMPARE(text.count("N/A"), 2 * 5);
}

// A sheet that cannot be written completely leaves the file there as it was and
// no partial file beside it; the reason is given.
void TestSheet::failedSheetKeepsTheOldFile()
{
    const QString file = writeFile("bench.qcf", kFile);
    const QByteArray old = "an old sheet";
    const QString pdf = writeFile("kept.pdf", old);
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    const int status = runSheet({file, pdf}, "C", [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    QCOMPARE(status, 2);
    QVERIFY2(err.contains(pdf + ": File too large"), qPrintable(err));
    QCOMPARE(readFile(pdf), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);

    QCOMPARE(runSheet({file, dir.filePath("no/such/folder.pdf")}, "C"), 2);
    QVERIFY2(err.contains("DOES NOT EXIST"), qPrintable(err));
    QCOMPARE(runSheet({file, dir.path()}, "C"), 2);
    QVERIFY2(err.contains("IT IS A FOLDER, NOT A PDF FILE"), qPrintable(err));
}

// The window's sheet: what the lists and boxes show, "NOT SAVED" until the
// configuration is in a file, then that file.
void TestSheet::windowSheetShowsTheWindow()
{
    Form1 w;
    QList<Form1::FileDialogRequest> requests;
    QString choice = dir.filePath("window.pdf");
    w.chooseFile = [&](const Form1::FileDialogRequest &r) { return requests << r, choice; };
    QStringList messages;
    w.showMessage = [&](const QString &text, bool) { messages << text; };
    chooseAll(w);
    setSelectedIndex(listOf(w, 8), -1); // SW4 without a channel
    textOf(w, 2)->setText("DESK");
    textOf(w, 3)->setText("HORN");
    w.exportSheetPdf();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].suffix, QStringLiteral("pdf"));
    QCOMPARE(requests[0].proposedName, QStringLiteral("DESK.pdf"));
    QString text = pdfText(choice);
    QVERIFY2(text.contains("FILE: NOT SAVED"), qPrintable(text));
    QVERIFY(hasRow(text, "SW1\\s+A\\s+1\\s+0\\s+HORN"));
    QVERIFY(hasRow(text, "SW4\\s+INCOMPLETE\\s+DESIGNATION"));
    QVERIFY(hasRow(text, "LED10\\s+D\\s+10\\s+39\\s+DESIGNATION"));

    choose(w, 3, 1, 0);
    const QString saved = dir.filePath("desk.qcf");
    choice = saved;
    w.WRITE_FILE_Click();
    choice = dir.filePath("window.pdf");
    w.exportSheetPdf();
    text = pdfText(choice);
    QVERIFY2(text.contains("FILE: " + saved), qPrintable(text));
    QVERIFY(messages.isEmpty());

    // The sheet never replaces a configuration file, named as one or holding one
    // under another name: the window says why and the user chooses again.
    const QByteArray kept = readFile(saved);
    const QString copy = dir.filePath("desk-copy.pdf");
    QVERIFY(QFile::copy(saved, copy));
    QStringList answers{saved, copy, QString()};
    w.chooseFile = [&](const Form1::FileDialogRequest &) { return answers.takeFirst(); };
    w.exportSheetPdf();
    QVERIFY(answers.isEmpty());
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages[0].contains(saved + " IS NAMED AS A CONFIGURATION FILE"),
             qPrintable(messages[0]));
    QVERIFY2(messages[1].contains(copy + " IS A CONFIGURATION FILE"), qPrintable(messages[1]));
    QCOMPARE(readFile(saved), kept);
    QCOMPARE(readFile(copy), kept);
    messages.clear();
    w.chooseFile = [&](const Form1::FileDialogRequest &) { return choice; };

    choice = dir.filePath("no/such/folder/x.pdf");
    w.exportSheetPdf();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].startsWith("THE CONFIGURATION SHEET COULD NOT BE SAVED:\n" + choice));
}

// A file from a Windows PC: its bytes 0x80 to 0x9F are letters and signs of the
// Windows code page (0x9C "œ", 0x80 "€"), shown as such in the window and on both
// sheets; the five bytes the code page leaves undefined are kept, and saving the
// opened file gives it back byte for byte.
void TestSheet::windowsCodePageRoundTrips()
{
    QByteArray bytes = "\"WIN\",\"AB\234CD\",0,\"\x80 5 \x84\x8a\x9e\x93\x94\x85\",1";
    for (int i = 2; i < 19; ++i)
        bytes += ",\"\",160";
    bytes += ",\"\x81\x8d\x8f\x90\x9d\",160,151\r\n";
    const QString file = writeFile("windows.qcf", bytes);
    const QString first = QString::fromUtf8("AB\u0153CD");
    const QString second = QString::fromUtf8("\u20AC 5 \u201E\u0160\u017E\u201C\u201D\u2026");

    Form1 w;
    QString choice = dir.filePath("window-windows.pdf");
    w.chooseFile = [&](const Form1::FileDialogRequest &) { return choice; };
    w.showMessage = [](const QString &text, bool) { QFAIL(qPrintable(text)); };
    QVERIFY(w.openFile(file));
    QCOMPARE(textOf(w, 3)->text(), first);
    QCOMPARE(textOf(w, 4)->text(), second);
    w.exportSheetPdf();
    QString text = pdfText(choice);
    QVERIFY2(text.contains(first) && text.contains(second), qPrintable(text));

    choice = dir.filePath("saved.qcf");
    QVERIFY(w.saveConfiguration());
    QCOMPARE(readFile(choice), bytes);

    const QString pdf = dir.filePath("windows.pdf");
    QCOMPARE(runSheet({file, pdf}, "C"), 0);
    text = pdfText(pdf);
    QVERIFY2(text.contains(first) && text.contains(second), qPrintable(text));
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
