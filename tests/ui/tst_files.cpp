// The save and open commands: dialogs, the file written, reading files back,
// and failures that must leave window and disk as they were.

#include "files/panel_backup.h"
#include "form1_helpers.h"
#include "item_marks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>

#include <cerrno>
#include <csignal>
#include <cstring>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#endif

class TestFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Windows keeps settings (the last folder) only under an organisation's name.
        QCoreApplication::setOrganizationName(QStringLiteral("switchpanel-config-tests"));
    }
    void init();
    void cleanup();

    void saveWithIncompleteSwitchAndNoName();
    void saveWithIncompleteLed();
    void saveWithoutPanelName();
    void saveProposesPanelName_data();
    void saveProposesPanelName();
    void savedFileBytes();
    void openThenSaveIsByteIdentical();
    void openProposesLastFileAndNameIsKept();
    void openLoadsUnassignedAndOutOfRangeCodes();
    void openMinusOneThenSaveReportsIncomplete();
    void cancelledDialogsDoNothing();
    void malformedFilesChangeNothing_data();
    void malformedFilesChangeNothing();
    void failedSaveKeepsExistingFile();
    void saveToMissingFolderReportsIt();
    void saveRefusesFileTooLargeToOpen();
    void openRefusesWhatIsNotAFile();
    void backupsPruneOnlyTheirOwnOldest();
    void backupsMoveToTheDocumentedFolder();
    void compareWithFileMarksExactlyTheDifferingItems();
    void exportSpreadsheetWritesTheWindowsConfiguration();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QByteArray readFile(const QString &path);
    QByteArray sampleFile() const;
    struct Snapshot {
        QList<int> selections;
        QStringList texts;
        bool switchView;
        bool operator==(const Snapshot &) const = default;
    };
    Snapshot snapshot();

    Form1 *w = nullptr;
    QTemporaryDir *dir = nullptr;
    QList<Form1::FileDialogRequest> requests;
    QString nextChoice;
    QStringList messages;
};

void TestFiles::init()
{
    QSettings().clear(); // no folder remembered from an earlier case
    dir = new QTemporaryDir;
    w = new Form1;
    discardUnsavedEdits(*w);
    requests.clear();
    messages.clear();
    nextChoice.clear();
    w->chooseFile = [this](const Form1::FileDialogRequest &r) {
        requests << r;
        return nextChoice;
    };
    w->showMessage = [this](const QString &text, bool) { messages << text; };
}

void TestFiles::cleanup()
{
    delete w;
    delete dir;
}

QString TestFiles::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = dir->filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file");
    return path;
}

QByteArray TestFiles::readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A file as the program writes it: SW1 "HORN" on A/1, SW2 on P/10, SW3 on C/4,
// every other item unassigned, backlighting on P/2, a designation with a comma
// and Latin-1 bytes.
QByteArray TestFiles::sampleFile() const
{
    QByteArray line = "\"PANEL 7\",\"HORN\",0,\"WIPER, FAST\",159,\"\xC5LAND\",23";
    for (int i = 3; i < 20; ++i)
        line += ",\"DESIGNATION \",160";
    return line + ",151\r\n";
}

TestFiles::Snapshot TestFiles::snapshot()
{
    Snapshot s;
    for (int n = 1; n <= 42; ++n)
        s.selections << selectedIndex(listOf(*w, n)) << int(listOf(*w, n)->isHidden());
    for (int n = 2; n <= 22; ++n)
        s.texts << textOf(*w, n)->text() << QString::number(textOf(*w, n)->isHidden());
    s.switchView = w->findChild<QRadioButton *>("Option1")->isChecked();
    return s;
}

void TestFiles::saveWithIncompleteSwitchAndNoName()
{
    chooseAll(*w);
    setSelectedIndex(listOf(*w, 8), -1); // SW4 without channel
    w->WRITE_FILE_Click();
    auto *status = w->findChild<QTextEdit *>("Text1");
    QVERIFY(!status->isHidden());
    QCOMPARE(status->toPlainText(),
             QStringLiteral("DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE WRITING DATA"));
    QCOMPARE(status->palette().color(QPalette::Base), QColor(255, 0, 0));
    QVERIFY(requests.isEmpty());
    QVERIFY(messages.isEmpty());
}

void TestFiles::saveWithIncompleteLed()
{
    chooseAll(*w);
    setSelectedIndex(listOf(*w, 30), -1);
    textOf(*w, 2)->setText(QStringLiteral("X"));
    w->WRITE_FILE_Click();
    QCOMPARE(w->findChild<QTextEdit *>("Text1")->toPlainText(),
             QStringLiteral("DATA MUST BE ENTERED (CLICKED) FOR ALL LED's AND BACKLIGHTING BEFORE "
                            "WRITING DATA"));
    QVERIFY(requests.isEmpty());
}

void TestFiles::saveWithoutPanelName()
{
    chooseAll(*w);
    w->findChild<QRadioButton *>("Option2")->click();
    w->WRITE_FILE_Click();
    QCOMPARE(messages, QStringList{QStringLiteral("Name must be entered in PANEL NAME field")});
    QVERIFY(requests.isEmpty());
    QVERIFY(w->findChild<QRadioButton *>("Option1")->isChecked());
    QVERIFY(w->findChild<QTextEdit *>("Text1")->isHidden());
}

void TestFiles::saveProposesPanelName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ABC") << QStringLiteral("ABC");
    QTest::newRow("blanks") << QStringLiteral("   ");
}

void TestFiles::saveProposesPanelName()
{
    QFETCH(QString, name);
    chooseAll(*w);
    textOf(*w, 2)->setText(name);
    w->WRITE_FILE_Click();
    QCOMPARE(requests.size(), 1);
    QVERIFY(requests[0].save);
    QCOMPARE(requests[0].proposedName, name + QStringLiteral(".qcf"));
    QCOMPARE(requests[0].title, QStringLiteral("WRITE CONFIGURATION FILE"));
    QCOMPARE(requests[0].filter, QStringLiteral("MARVOLANTIS CONFIGURATION FILES (*.qcf)"));
    QVERIFY(messages.isEmpty());
}

void TestFiles::savedFileBytes()
{
    for (int i = 0; i < 21; ++i)
        choose(*w, i, 0);
    choose(*w, 0, 1, 0);
    choose(*w, 1, 16, 9);
    choose(*w, 2, 3, 3);
    choose(*w, 20, 16, 1);
    textOf(*w, 2)->setText(QStringLiteral("PANEL 7"));
    textOf(*w, 3)->setText(QStringLiteral("HORN"));
    textOf(*w, 4)->setText(QStringLiteral("WIPER, FAST"));
    textOf(*w, 5)->setText(QString::fromLatin1("\xC5LAND"));
    nextChoice = dir->filePath(QStringLiteral("PANEL 7.qcf"));
    w->WRITE_FILE_Click(); // the LED boxes are hidden in the switch view and written all the same
    QCOMPARE(readFile(nextChoice), sampleFile());
    QVERIFY(messages.isEmpty());
    QCOMPARE(w->lastFileName(), nextChoice);
}

void TestFiles::openThenSaveIsByteIdentical()
{
    const QString path = writeFile(QStringLiteral("a.qcf"), sampleFile());
    nextChoice = path;
    w->READ_FILE_Click();
    QVERIFY(messages.isEmpty());
    QCOMPARE(textOf(*w, 2)->text(), QStringLiteral("PANEL 7"));
    QCOMPARE(textOf(*w, 4)->text(), QStringLiteral("WIPER, FAST"));
    QCOMPARE(selectedIndex(listOf(*w, 5)), 3);
    QCOMPARE(selectedIndex(listOf(*w, 6)), 3);
    QCOMPARE(w->record().sw(3).code, 23);
    QCOMPARE(w->model().panelName(), QStringLiteral("PANEL 7"));
    QCOMPARE(w->model().item(0).designation, QStringLiteral("HORN"));
    // Switch view with the switch designations shown.
    for (int n = 3; n <= 22; ++n)
        QCOMPARE(textOf(*w, n)->isHidden(), n > 12);
    w->WRITE_FILE_Click();
    QCOMPARE(readFile(path), sampleFile());
}

void TestFiles::openProposesLastFileAndNameIsKept()
{
    const QString path = writeFile(QStringLiteral("b.qcf"), sampleFile());
    nextChoice = path;
    w->READ_FILE_Click();
    QCOMPARE(requests.last().title, QStringLiteral("READ CONFIGURATION FILE"));
    QVERIFY(!requests.last().save);
    QCOMPARE(requests.last().proposedName, QString()); // nothing chosen before
    // The documents folder where there is one, else the home folder; never the
    // folder the program was started in.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(requests.last().folder, QFileInfo(documents).isDir() ? documents : QDir::homePath());
    QVERIFY(requests.last().folder != QDir::currentPath());
    w->READ_FILE_Click();
    QCOMPARE(requests.last().proposedName, path);
    QCOMPARE(requests.last().folder, dir->path());
    // The folder is remembered between runs.
    Form1 next;
    next.chooseFile = w->chooseFile;
    next.READ_FILE_Click();
    QCOMPARE(requests.last().folder, dir->path());
    nextChoice.clear();
    w->WRITE_FILE_Click();
    QCOMPARE(requests.last().proposedName, QStringLiteral("PANEL 7.qcf"));
}

void TestFiles::openLoadsUnassignedAndOutOfRangeCodes()
{
    QByteArray bytes = sampleFile();
    bytes.replace(",\"DESIGNATION \",160", ",\"DESIGNATION \",200"); // every later switch/LED
    nextChoice = writeFile(QStringLiteral("c.qcf"), bytes);
    w->READ_FILE_Click();
    QVERIFY(messages.isEmpty());
    QCOMPARE(selectedIndex(listOf(*w, 9)), 0); // SW5 "N/A"
    QVERIFY(listOf(*w, 10)->isHidden());
    // The unassigned SW4 follows SW3 (channel "4") on its hidden channel list.
    QCOMPARE(selectedIndex(listOf(*w, 8)), 3);
    nextChoice = dir->filePath(QStringLiteral("c2.qcf"));
    w->WRITE_FILE_Click();
    QCOMPARE(readFile(nextChoice), sampleFile());
}

void TestFiles::openMinusOneThenSaveReportsIncomplete()
{
    QByteArray bytes = sampleFile();
    bytes.replace(",23,", ",-1,");
    nextChoice = writeFile(QStringLiteral("d.qcf"), bytes);
    w->READ_FILE_Click();
    QVERIFY(messages.isEmpty());
    QCOMPARE(selectedIndex(listOf(*w, 5)), 1);   // module "A"
    QCOMPARE(selectedIndex(listOf(*w, 6)), -1);  // no channel
    QCOMPARE(selectedIndex(listOf(*w, 41)), 16); // loading went on to the backlighting
    requests.clear();
    w->WRITE_FILE_Click();
    QVERIFY(requests.isEmpty());
    QCOMPARE(w->findChild<QTextEdit *>("Text1")->toPlainText(),
             QStringLiteral("DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE WRITING DATA"));
}

void TestFiles::cancelledDialogsDoNothing()
{
    chooseAll(*w);
    textOf(*w, 2)->setText(QStringLiteral("ABC"));
    w->ShowSwitchView(); // programmatic choices showed the LED boxes too
    const Snapshot before = snapshot();
    nextChoice.clear();
    w->WRITE_FILE_Click();
    w->READ_FILE_Click();
    QCOMPARE(requests.size(), 2);
    QVERIFY(messages.isEmpty());
    QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(snapshot() == before);
    QCOMPARE(w->lastFileName(), QString());
}

void TestFiles::malformedFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QByteArray fortyOne = sampleFile();
    fortyOne.chop(6); // ",151\r\n"
    QTest::newRow("41 fields") << fortyOne + "\r\n" << QStringLiteral("FIELD 42");
    QByteArray tooBig = sampleFile();
    tooBig.replace(",159,", ",40000,");
    QTest::newRow("number out of range") << tooBig << QStringLiteral("FIELD 5");
    QByteArray minusTwo = sampleFile();
    minusTwo.replace(",159,", ",-2,");
    QTest::newRow("code -2") << minusTwo << QStringLiteral("FIELD 5");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("FIELD 1");
    QTest::newRow("binary") << QByteArray("\x00\xFF\x01\"", 4) << QStringLiteral("FIELD 2");
    QTest::newRow("huge without fields") << QByteArray(3 << 20, 'x') << QStringLiteral("TOO LARGE");
}

void TestFiles::malformedFilesChangeNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    chooseAll(*w);
    textOf(*w, 2)->setText(QStringLiteral("KEEP"));
    textOf(*w, 7)->setText(QStringLiteral("KEPT"));
    w->findChild<QRadioButton *>("Option2")->click();
    const Snapshot before = snapshot();
    const ConfigRecord recordBefore = w->record();

    nextChoice = writeFile(QStringLiteral("bad.qcf"), bytes);
    w->READ_FILE_Click();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QDir::toNativeSeparators(nextChoice)), qPrintable(messages[0]));
    QVERIFY2(messages[0].contains(reason), qPrintable(messages[0]));
    QVERIFY(snapshot() == before);
    for (int i = 0; i < 21; ++i)
        QCOMPARE(w->record().items[i].code, recordBefore.items[i].code);

    // The next open works normally.
    messages.clear();
    nextChoice = writeFile(QStringLiteral("good.qcf"), sampleFile());
    w->READ_FILE_Click();
    QVERIFY(messages.isEmpty());
    QCOMPARE(textOf(*w, 2)->text(), QStringLiteral("PANEL 7"));
}

void TestFiles::failedSaveKeepsExistingFile()
{
#ifndef Q_OS_UNIX
    QSKIP("needs a file-size limit (setrlimit)");
#else
    // A file-size limit makes the write fail half way, as a full disk would.
    const QString path = writeFile(QStringLiteral("keep.qcf"), sampleFile());
    chooseAll(*w);
    textOf(*w, 2)->setText(QStringLiteral("BIG"));
    textOf(*w, 3)->setText(QString(8000, QLatin1Char('W')));
    nextChoice = path;

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limited);
    w->WRITE_FILE_Click();
    setrlimit(RLIMIT_FSIZE, &old);

    QCOMPARE(readFile(path), sampleFile());
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(QStringLiteral("COULD NOT BE SAVED")));
    QVERIFY(messages[0].contains(QDir::toNativeSeparators(path)));
    // The system's own words for the cause, in the system's language ("File too large").
    QVERIFY2(messages[0].endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))),
             qPrintable(messages[0]));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.qcf")});
#endif
}

void TestFiles::saveToMissingFolderReportsIt()
{
    chooseAll(*w);
    textOf(*w, 2)->setText(QStringLiteral("X"));
    nextChoice = dir->filePath(QStringLiteral("no/such/folder/x.qcf"));
    w->WRITE_FILE_Click();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(QDir::toNativeSeparators(nextChoice)));
    QVERIFY(!QFile::exists(nextChoice));
}

void TestFiles::saveRefusesFileTooLargeToOpen()
{
    chooseAll(*w);
    textOf(*w, 2)->setText(QStringLiteral("BIG"));
    for (int n = 3; n <= 22; ++n)
        textOf(*w, n)->setText(QString(60000, QLatin1Char('W'))); // 1.2 MB in all
    nextChoice = dir->filePath(QStringLiteral("big.qcf"));
    w->WRITE_FILE_Click();
    QVERIFY(requests.isEmpty()); // refused before the dialog
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QStringLiteral("TOO LARGE TO BE OPENED AGAIN")),
             qPrintable(messages[0]));
    QVERIFY(!QFile::exists(nextChoice));
}

// A pipe would block the window until someone writes into it, a device never
// ends: neither is opened.
void TestFiles::openRefusesWhatIsNotAFile()
{
    QStringList paths{dir->path()};
#ifdef Q_OS_UNIX
    const QString fifo = dir->filePath(QStringLiteral("pipe.qcf"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    paths << fifo << QStringLiteral("/dev/urandom");
#endif
    chooseAll(*w);
    const Snapshot before = snapshot();
    for (const QString &path : paths) {
        messages.clear();
        nextChoice = path;
        w->READ_FILE_Click(); // returns at once, or the test hangs here
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(QDir::toNativeSeparators(path)), qPrintable(messages[0]));
        QVERIFY2(messages[0].endsWith(QStringLiteral("NOT A CONFIGURATION FILE")),
                 qPrintable(messages[0]));
        QVERIFY(snapshot() == before);
    }
}

// Pruning keeps the newest backups by when they were written: 500 named by a
// clock that was ahead go before the backup just written, which stays, and a file
// of the user's in the folder is never touched.
void TestFiles::backupsPruneOnlyTheirOwnOldest()
{
    const QString folder = backup::folder();
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    auto put = [&](const QString &name) {
        QFile f(folder + "/" + name);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(sampleFile()) > 0);
    };
    const QDateTime ahead(QDate(2027, 6, 1), QTime(10, 0));
    for (int n = 0; n < backup::kKeep; ++n)
        put(backup::fileName(ahead.addSecs(n), backup::kBeforeWrite, "/dev/pts/0"));
    put("0 golden panel.qcf");
    const QString firstAhead = backup::fileName(ahead, backup::kBeforeWrite, "/dev/pts/0");

    const backup::Saved saved =
        backup::save(*qcf::parse(sampleFile()).config, backup::kBeforeWrite, "/dev/pts/0");
    QVERIFY2(!saved.failure.failed(), qPrintable(backup::english(saved.failure)));
    QCOMPARE(readFile(saved.path), sampleFile());
    const QStringList names = QDir(folder).entryList(QDir::Files);
    QCOMPARE(names.size(), backup::kKeep + 1);
    QVERIFY(names.contains("0 golden panel.qcf"));
    QVERIFY(!names.contains(firstAhead)); // written first of those ahead
    QDir(folder).removeRecursively();
}

// Backups go to the generic data folder under the program's name; those that an
// earlier version kept in the application's own data folder (organisation and
// name) are moved there once, and nothing else of that folder is.
void TestFiles::backupsMoveToTheDocumentedFolder()
{
    const QString organization = QCoreApplication::organizationName();
    const auto restore = qScopeGuard([&] { QCoreApplication::setOrganizationName(organization); });
    QCoreApplication::setOrganizationName("switchpanel-config");
    QCOMPARE(backup::folder(),
             QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/" +
                 QCoreApplication::applicationName() + "/backups");
    const QString earlier = backup::earlierFolder();
    QVERIFY(QDir::cleanPath(earlier) != QDir::cleanPath(backup::folder()));
    QDir(backup::folder()).removeRecursively();
    QDir(earlier).removeRecursively();
    QVERIFY(QDir().mkpath(earlier));
    const QString kept = backup::fileName(QDateTime::currentDateTime(), backup::kRead, "COM1");
    for (const QString &name : {kept, QStringLiteral("notes.txt")}) {
        QFile f(earlier + "/" + name);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(sampleFile()) > 0);
    }
    QCOMPARE(backup::makeFolder(), backup::Failure());
    QCOMPARE(readFile(backup::folder() + "/" + kept), sampleFile());
    QCOMPARE(QDir(earlier).entryList(QDir::Files), QStringList{"notes.txt"});
    QDir(backup::folder()).removeRecursively();
    QDir(earlier).removeRecursively();
}

// The file differs from the window in SW2's channel, LED3's designation and the
// panel name: SW2 and LED3 are marked, the status box says so and lists the three
// differences, and nothing of the window changes; an edit takes the marks away.
void TestFiles::compareWithFileMarksExactlyTheDifferingItems()
{
    QVERIFY(w->openFile(writeFile(QStringLiteral("a.qcf"), sampleFile())));
    const Snapshot before = snapshot();
    QByteArray other = sampleFile().replace("\"PANEL 7\"", "\"PANEL 8\"").replace(",159,", ",150,");
    other.replace(other.indexOf("DESIGNATION "), 12, "STUDIO 2"); // SW4
    nextChoice = writeFile(QStringLiteral("other.qcf"), other);
    w->compareWithFile();
    QCOMPARE(requests.last().title, QStringLiteral("COMPARE WITH CONFIGURATION FILE"));
    QCOMPARE(w->itemMarks().marked(kFileDiffers.id), (QList<int>{1, 3}));
    QVERIFY(w->itemMarks().marked(kPanelDiffers.id).isEmpty());
    auto *status = w->findChild<QTextEdit *>("Text1");
    QVERIFY(!status->isHidden());
    QCOMPARE(status->toPlainText(),
             QStringLiteral("FILE DIFFERS IN 2 ITEMS: SW2, SW4\n"
                            "PANEL NAME: \"PANEL 7\" -> \"PANEL 8\"\n"
                            "SW2: P 10 -> P 1\n"
                            "SW4 DESIGNATION: \"DESIGNATION \" -> \"STUDIO 2\""));
    QCOMPARE(listOf(*w, 4)->toolTip(), QStringLiteral("SW2 CHANNEL ASSIGNMENT, FILE HOLDS P 1"));
    QCOMPARE(listOf(*w, 7)->accessibleDescription(),
             QStringLiteral("SW4 MODULE ASSIGNMENT, FILE HOLDS DESIGNATION \"STUDIO 2\""));
    QCOMPARE(snapshot(), before);
    QVERIFY(!w->isModified());

    // The same file: green, nothing marked.
    QVERIFY(w->compareWithFile(dir->filePath(QStringLiteral("a.qcf"))));
    QCOMPARE(status->toPlainText(), QStringLiteral("FILE HOLDS THIS CONFIGURATION"));
    QVERIFY(w->itemMarks().marked(kFileDiffers.id).isEmpty());

    QVERIFY(w->compareWithFile(nextChoice));
    clickEntry(listOf(*w, 1), 2);
    QVERIFY(w->itemMarks().marked(kFileDiffers.id).isEmpty());
    QVERIFY(messages.isEmpty());
    QVERIFY(!w->compareWithFile(dir->filePath(QStringLiteral("missing.qcf"))));
    QCOMPARE(messages.size(), 1);
}

void TestFiles::exportSpreadsheetWritesTheWindowsConfiguration()
{
    QVERIFY(w->openFile(writeFile(QStringLiteral("a.qcf"), sampleFile())));
    QDir().mkpath(dir->filePath(QStringLiteral("sheets")));
    nextChoice = dir->filePath(QStringLiteral("sheets/a.csv"));
    w->exportSpreadsheet();
    QCOMPARE(requests.last().proposedName, QStringLiteral("PANEL 7.csv"));
    const QByteArray sheet = readFile(nextChoice);
    QVERIFY(sheet.startsWith("\xEF\xBB\xBF"
                             "file,panel,item,module,channel,designation\r\n"
                             "../a.qcf,PANEL 7,SW1,A,1,HORN\r\n"
                             "../a.qcf,PANEL 7,SW2,P,10,\"WIPER, FAST\"\r\n"
                             "../a.qcf,PANEL 7,SW3,C,4,\xC3\x85LAND\r\n"));
    QCOMPARE(sheet.count('\n'), 22);
    nextChoice = dir->filePath(QStringLiteral("a.qcf")); // never over a configuration file
    w->exportSpreadsheet();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(readFile(nextChoice), sampleFile());
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
