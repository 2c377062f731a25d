// Configuration files as text: the description, the differences, and the
// spreadsheet written and read back, with the import's checks and backups.

#include "files/config_csv.h"
#include "files/panel_backup.h"
#include "files/qcf_file.h"
#include "files/qcf_text.h"
#include "panel/station_report.h"
#include "panel/traffic_log.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// SW1 "HORN" on A/1, SW2 on P/10 with a comma, SW3 "ÅLAND" in Windows-1252 on
// C/4, SW4 without a complete assignment (-1), LED1 on 170 (unassigned, as 160),
// the others unassigned; the backlighting on P/2.
qcf::Configuration sample()
{
    qcf::Configuration c;
    c.panel = "BENCH 3";
    c.codes.fill(160);
    for (QByteArray &d : c.designations)
        d = "DESIGNATION ";
    c.designations[0] = "HORN";
    c.codes[0] = 0;
    c.designations[1] = "WIPER, FAST";
    c.codes[1] = 159;
    c.designations[2] = "\xC5LAND";
    c.codes[2] = 23;
    c.codes[3] = -1;
    c.codes[10] = 170;
    c.codes[20] = 151;
    return c;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

} // namespace

class TestFileText : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete dir; }

    void describeHasOneLinePerItemInFixedColumns();
    void oneChangeChangesOneLine();
    void differencesListWhatChanged();
    void exportThenImportChangesNothing();
    void partialSheetChangesOnlyWhatItNames();
    void badRowsRefuseTheWholeSheet();
    void failuresAreValuesWithTheirEnglish();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    QString save(const QString &name, const qcf::Configuration &c)
    {
        writeAll(path(name), qcf::format(c));
        return path(name);
    }
    QTemporaryDir *dir = nullptr;
};

void TestFileText::init() { dir = new QTemporaryDir; }

void TestFileText::describeHasOneLinePerItemInFixedColumns()
{
    qcf::Configuration c = sample();
    c.designations[4] = "TWO\r\nLINES"; // a hand-made file may hold a line end
    const QString text = qcftext::describe(c);
    QCOMPARE(text, qcftext::describe(c)); // the same bytes every time
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 1 + 21 + 1); // panel, 21 items, and the final line end
    QCOMPARE(lines.last(), QString());
    QCOMPARE(lines[0], QStringLiteral("PANEL          \"BENCH 3\""));
    QCOMPARE(lines[1], QStringLiteral("SW1            A    1  \"HORN\""));
    QCOMPARE(lines[2], QStringLiteral("SW2            P   10  \"WIPER, FAST\""));
    QCOMPARE(lines[3], QStringLiteral("SW3            C    4  \"\u00C5LAND\""));
    QCOMPARE(lines[4], QStringLiteral("SW4            -       \"DESIGNATION \""));
    QCOMPARE(lines[5], QStringLiteral("SW5            N/A     \"TWO\\x0D\\x0ALINES\""));
    QCOMPARE(lines[11], QStringLiteral("LED1           N/A     \"DESIGNATION \""));
    QCOMPARE(lines[21], QStringLiteral("BACKLIGHTING   P    2"));
}

// Every single change of an item, the panel name included, changes exactly its
// own line of the description.
void TestFileText::oneChangeChangesOneLine()
{
    const qcf::Configuration base = sample();
    const QStringList before = qcftext::describe(base).split(QLatin1Char('\n'));
    for (int item = -1; item < 21; ++item) {
        qcf::Configuration changed = base;
        if (item < 0)
            changed.panel = "BENCH 4";
        else if (item < 20 && item % 2 == 0)
            changed.designations[item] += 'X';
        else
            changed.codes[item] = changed.codes[item] == 5 ? 6 : 5;
        const QStringList after = qcftext::describe(changed).split(QLatin1Char('\n'));
        QCOMPARE(after.size(), before.size());
        for (int line = 0; line < before.size(); ++line)
            QCOMPARE(after[line] != before[line], line == item + 1);
    }
}

void TestFileText::differencesListWhatChanged()
{
    const qcf::Configuration a = sample();
    qcf::Configuration b = a;
    QVERIFY(qcftext::differences(a, b).isEmpty());
    b.codes[10] = 160; // 170 and 160 both "N/A"
    QVERIFY(qcftext::differences(a, b).isEmpty());

    b.panel = "BENCH 4";
    b.codes[1] = 31;
    b.designations[12] = "STUDIO 2";
    b.codes[3] = 160;
    QStringList lines;
    const QList<qcftext::Difference> found = qcftext::differences(a, b);
    for (const qcftext::Difference &d : found)
        lines << qcftext::line(d);
    QCOMPARE(lines,
             (QStringList{QStringLiteral("panel name: \"BENCH 3\" -> \"BENCH 4\""),
                          QStringLiteral("SW2: P 10 -> D 2"), QStringLiteral("SW4: - -> N/A"),
                          QStringLiteral("LED3 designation: \"DESIGNATION \" -> \"STUDIO 2\"")}));
    QCOMPARE(qcftext::differingItems(found), (QList<int>{1, 3, 12}));
}

// A sheet exported and imported again as it is changes no file and writes no
// backup, whatever the files hold: codes over 160, -1, a file in loose form.
void TestFileText::exportThenImportChangesNothing()
{
    const QString a = save(QStringLiteral("a.qcf"), sample());
    QDir().mkpath(path(QStringLiteral("sub")));
    QByteArray loose = qcf::format(sample()).replace(",160", "\r\n  160");
    writeAll(path(QStringLiteral("sub/b.qcf")), loose);
    const QString b = path(QStringLiteral("sub/b.qcf"));
    const QString csv = path(QStringLiteral("sheet.csv"));
    QList<configcsv::SheetFile> files;
    for (const QString &file : {a, b})
        files.append({configcsv::fileColumn(file, csv), *qcf::loadFile(file).config});
    QCOMPARE(configcsv::writeSheet(csv, files), files::FileProblem());

    const QByteArray sheet = readAll(csv);
    QVERIFY(sheet.startsWith("\xEF\xBB\xBF"
                             "file,panel,item,module,channel,designation\r\n"
                             "a.qcf,BENCH 3,SW1,A,1,HORN\r\n"
                             "a.qcf,BENCH 3,SW2,P,10,\"WIPER, FAST\"\r\n"
                             "a.qcf,BENCH 3,SW3,C,4,\xC3\x85LAND\r\n"
                             "a.qcf,BENCH 3,SW4,,,\"DESIGNATION \"\r\n"));
    QVERIFY(sheet.contains("a.qcf,BENCH 3,BACKLIGHTING,P,2,\r\n"));
    QVERIFY(sheet.contains("sub/b.qcf,BENCH 3,LED1,N/A,,\"DESIGNATION \"\r\n"));
    QCOMPARE(sheet.count('\n'), 1 + 2 * 21);

    // Also as a German spreadsheet saves it: semicolons, Windows-1252, no mark.
    QByteArray german = sheet.mid(3);
    german.replace("\xC3\x85", "\xC5").replace("\"WIPER, FAST\"", "WIPER, FAST");
    german.replace(',', ';').replace("WIPER; FAST", "WIPER, FAST");
    writeAll(path(QStringLiteral("german.csv")), german);

    for (const QString &name : {csv, path(QStringLiteral("german.csv"))}) {
        const configcsv::Import import = configcsv::planImport(name);
        QCOMPARE(import.problems, QStringList());
        QCOMPARE(import.files.size(), 2);
        for (const configcsv::FileImport &f : import.files)
            QVERIFY2(!f.changed(), qPrintable(configcsv::summary(f)));
        // The file as the sheet names it, in the system's own separators.
        QCOMPARE(configcsv::summary(import.files[1]),
                 QDir::toNativeSeparators(QStringLiteral("sub/b.qcf")) +
                     QStringLiteral(": UNCHANGED"));
        QVERIFY(configcsv::applyImport(import).isEmpty());
    }
    QCOMPARE(readAll(b), loose);
    QVERIFY(!QFile::exists(configcsv::backupPath(a)));
}

// Only the columns and items the sheet holds change; the previous content goes
// to FILE.qcf.bak, replaced by the next import.
void TestFileText::partialSheetChangesOnlyWhatItNames()
{
    const QString a = save(QStringLiteral("a.qcf"), sample());
    const QByteArray original = readAll(a);
    writeAll(path(QStringLiteral("names.csv")), "Item,DESIGNATION,File\r\n"
                                                "sw1,HORN 2,a.qcf\r\n"
                                                "LED3,\"STUDIO \"\"A\"\"\"\"\",a.qcf\r\n");
    configcsv::Import import = configcsv::planImport(path(QStringLiteral("names.csv")));
    // A double quote cannot be kept in a file.
    QCOMPARE(import.problems.size(), 1);
    QVERIFY(import.problems[0].startsWith(QStringLiteral("LINE 3, COLUMN 2 (designation): ")));

    writeAll(path(QStringLiteral("names.csv")), "Item,DESIGNATION,File\r\n"
                                                "sw1,HORN 2,a.qcf\r\n"
                                                "LED3,\"STUDIO 2, LEFT\",a.qcf\r\n");
    import = configcsv::planImport(path(QStringLiteral("names.csv")));
    QCOMPARE(import.problems, QStringList());
    QCOMPARE(configcsv::summary(import.files[0]), QStringLiteral("a.qcf: 2 ITEMS CHANGED"));
    QVERIFY(configcsv::applyImport(import).isEmpty());
    qcf::Configuration expected = sample();
    expected.designations[0] = "HORN 2";
    expected.designations[12] = "STUDIO 2, LEFT";
    QCOMPARE(readAll(a), qcf::format(expected));
    QCOMPARE(readAll(configcsv::backupPath(a)), original);

    // A module alone keeps the file's channel; N/A alone unassigns; the panel
    // column names the panel.
    writeAll(path(QStringLiteral("modules.csv")), "file;module;item;panel\n"
                                                  "a.qcf;d;SW3;BENCH 4\n"
                                                  "a.qcf;N/A;SW1;BENCH 4\n");
    import = configcsv::planImport(path(QStringLiteral("modules.csv")));
    QCOMPARE(import.problems, QStringList());
    QCOMPARE(configcsv::summary(import.files[0]),
             QStringLiteral("a.qcf: PANEL NAME AND 2 ITEMS CHANGED"));
    QVERIFY(configcsv::applyImport(import).isEmpty());
    QCOMPARE(readAll(configcsv::backupPath(a)), qcf::format(expected));
    expected.panel = "BENCH 4";
    expected.codes[2] = 33;
    expected.codes[0] = 160;
    QCOMPARE(readAll(a), qcf::format(expected));
}

// Every fault is named with its line and column, and nothing is written.
void TestFileText::badRowsRefuseTheWholeSheet()
{
    const QString a = save(QStringLiteral("a.qcf"), sample());
    const QByteArray before = readAll(a);
    writeAll(path(QStringLiteral("not-a-config.qcf")), "\"X\"\r\n");
    writeAll(path(QStringLiteral("bad.csv")),
             "file,item,module,channel,designation,panel\n"
             "a.qcf,SW1,B,2,FINE,\n"                      // 2: good, not written either
             "a.qcf,SW2,Q,11,,\n"                         // 3: module and channel
             "a.qcf,SW9,A,1,\xE2\x98\x83,\n"              // 4: U+2603 not in the code page
             "a.qcf,SW10,A,1,x\n"                         // 5: too few fields
             "a.qcf,LED11,A,1,,\n"                        // 6: no such item
             "a.qcf,BACKLIGHTING,N/A,3,,THIRTEEN CHARS\n" // 7: channel, panel
             "missing.qcf,SW1,A,1,,\n"                    // 8: no file
             "not-a-config.qcf,SW1,A,1,,\n"               // 9: not a configuration
             "a.qcf,sw1,A,1,,\n");                        // 10: SW1 twice
    const configcsv::Import import = configcsv::planImport(path(QStringLiteral("bad.csv")));
    QStringList starts;
    for (const QString &p : import.problems)
        starts << p.section(QLatin1Char(':'), 0, 0);
    QCOMPARE(starts, (QStringList{
                         QStringLiteral("LINE 3, COLUMN 3 (module)"),
                         QStringLiteral("LINE 3, COLUMN 4 (channel)"),
                         QStringLiteral("LINE 4, COLUMN 5 (designation)"),
                         QStringLiteral("LINE 5"),
                         QStringLiteral("LINE 6, COLUMN 2 (item)"),
                         QStringLiteral("LINE 7, COLUMN 4 (channel)"),
                         QStringLiteral("LINE 7, COLUMN 6 (panel)"),
                         QStringLiteral("LINE 8, COLUMN 1 (file)"),
                         QStringLiteral("LINE 9, COLUMN 1 (file)"),
                         QStringLiteral("LINE 10, COLUMN 2 (item)"),
                     }));
    QVERIFY(import.problems[2].contains(QStringLiteral("CODE PAGE")));
    QVERIFY(!configcsv::applyImport(import).isEmpty());
    QCOMPARE(readAll(a), before);
    QVERIFY(!QFile::exists(configcsv::backupPath(a)));

    // A sheet without the columns that say what to change is refused at its header.
    writeAll(path(QStringLiteral("header.csv")), "file,designation\na.qcf,X\n");
    QCOMPARE(configcsv::planImport(path(QStringLiteral("header.csv"))).problems,
             QStringList{QStringLiteral("LINE 1: THE HEADER ROW HAS NO COLUMN item")});
}

// Why a file, a backup, the traffic log or a report failed: the value each
// failure gives, and the English the command line and the report print for every
// value, character for character.
void TestFileText::failuresAreValuesWithTheirEnglish()
{
    using files::FileKind;
    using files::FileProblem;
    using Kind = FileProblem::Kind;

    // The values the files give, with what the texts name.
    QCOMPARE(qcf::loadFile(dir->path()).problem, FileProblem(Kind::IsFolder));
    qcf::Configuration negative = sample();
    negative.codes[20] = -7;
    QCOMPARE(qcf::loadFile(save("negative.qcf", negative)).problem,
             FileProblem::atField(Kind::NotAnAssignment, 42, -7));
    writeAll(path("short.qcf"), "\"PANEL\",\"SW1\",0");
    QCOMPARE(qcf::loadFile(path("short.qcf")).problem,
             FileProblem::atField(Kind::EndsEarly, 4, 42));
    QCOMPARE(qcf::replaceFile(path("none/x.pdf"), "%PDF", FileKind::Pdf),
             FileProblem::ofFolder(Kind::FolderMissing, path("none")));
    QCOMPARE(qcf::targetProblem(QString()), FileProblem(Kind::NoFileName));

    const QStringList problems = {
        "",
        "NO FILE NAME GIVEN",
        "IT IS A FOLDER, NOT A PDF FILE",
        "IT IS A DEVICE, PIPE OR SOCKET, NOT A PDF FILE",
        "THE FOLDER /srv/x DOES NOT EXIST",
        "THE FOLDER /srv/x CANNOT BE WRITTEN",
        "THE FILE IS TOO LARGE TO BE A CONFIGURATION FILE",
        "THE FILE ENDS BEFORE FIELD 9 OF 42 IS COMPLETE",
        "FIELD 9 HOLDS A NUMBER OUTSIDE -32768 TO 32767",
        "FIELD 9 HOLDS NO NUMBER: IT IS EMPTY",
        "FIELD 9 HOLDS THE CODE 42, WHICH IS NOT AN ASSIGNMENT",
        "THE FILE WOULD BE LARGER THAN 42 KIB, TOO LARGE TO BE OPENED AGAIN: SHORTEN THE PANEL "
        "NAME OR THE DESIGNATIONS",
        "NOT A REGULAR FILE",
        "WRITE FAILED",
        "THE SHEET COULD NOT BE DRAWN",
        "No space left on device"};
    QCOMPARE(int(files::kLastProblemKind) + 1, problems.size());
    for (int v = 0; v < problems.size(); ++v) {
        FileProblem problem = FileProblem::atField(Kind(v), 9, 42);
        problem.file = FileKind::Pdf;
        problem.path = "/srv/x";
        problem.text = "No space left on device";
        // Paths are named in the system's separators ("\\srv\\x" on Windows).
        QCOMPARE(files::english(problem),
                 QString(problems[v]).replace("/srv/x", QDir::toNativeSeparators("/srv/x")));
    }
    const QStringList kinds = {"CONFIGURATION FILE", "PDF FILE", "CSV FILE", "BACKUP FILE"};
    QCOMPARE(int(files::kLastFileKind) + 1, kinds.size());
    for (int v = 0; v < kinds.size(); ++v)
        QCOMPARE(files::english(FileProblem(Kind::IsFolder, FileKind(v))),
                 "IT IS A FOLDER, NOT A " + kinds[v]);

    const QString backup = "/b/2026-12-08 14.03.22 read ttyUSB0.qcf";
    const QString shown = QDir::toNativeSeparators(backup); // "\\b\\…" on Windows
    const QStringList backups = {
        "", "THE BACKUP FOLDER " + shown + " CANNOT BE CREATED",
        "THE BACKUP " + shown + " COULD NOT BE SAVED: WRITE FAILED",
        "THE BACKUP " + shown +
            " IS NOT IN THE BACKUP FOLDER AFTER SAVING IT: THE FOLDER CANNOT BE TRUSTED"};
    QCOMPARE(int(backup::kLastFailureKind) + 1, backups.size());
    for (int v = 0; v < backups.size(); ++v)
        QCOMPARE(backup::english(backup::Failure{backup::Failure::Kind(v), backup,
                                                 FileProblem(Kind::WriteFailed)}),
                 backups[v]);
    backup::Kept kept;
    QCOMPARE(backup::english(kept), QStringLiteral("THE PANEL COULD NOT BE READ FOR A BACKUP "
                                                   "(COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO "
                                                   "RESPOND), NOTHING WAS WRITTEN"));
    kept.outcome = cellwalk::Outcome::Done;
    QCOMPARE(backup::english(kept), QString());
    kept.saved.failure = {backup::Failure::Kind::NotSaved, backup, FileProblem(Kind::WriteFailed)};
    QCOMPARE(backup::english(kept), backups[2] + ", NOTHING WAS WRITTEN");

    // The system's words in capitals, as the log's line says them.
    QCOMPARE(english(TrafficLogFailure{"/tmp/t.log", FileProblem::said("No space left")}),
             QStringLiteral("THE TRAFFIC LOG %1 COULD NOT BE WRITTEN (NO SPACE LEFT); "
                            "THE PANEL COMMAND WENT ON WITHOUT IT")
                 .arg(QDir::toNativeSeparators("/tmp/t.log")));

    const QStringList reports = {
        "",
        "NOT A REGULAR FILE",
        "A CONFIGURATION FILE (.qcf) IS NO REPORT",
        "IT DOES NOT END IN A LINE END AND IS NOT A REPORT OF THE STATION (ITS FIRST LINE IS NOT "
        "THE HEADER ROW); NOTHING WAS WRITTEN TO IT",
        "THE REPORT IS NOT OPEN",
        "THE ROW COULD NOT BE WRITTEN",
        "A REPORT OF THE STATION"};
    QCOMPARE(int(kLastReportProblem) + 1, reports.size());
    for (int v = 0; v < reports.size(); ++v)
        QCOMPARE(english(ReportProblem(ReportProblem::Kind(v), "A REPORT OF THE STATION")),
                 reports[v]);
}

QTEST_GUILESS_MAIN(TestFileText)
#include "tst_file_text.moc"
