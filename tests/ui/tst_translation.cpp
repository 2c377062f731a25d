// The window in the language of the system or of the setting: translated
// captions and status texts, every caption within its control, and English
// exactly as designed where no translation applies. The suite runs under
// LANG=C, de_DE.UTF-8 and fr_FR.UTF-8, at scale 1 and 2.

#include "config/settings.h"
#include "config/status_texts.h"
#include "form1_helpers.h"
#include "main_window.h"
#include "panel/cell_walk.h"
#include "panel/port_failure.h"
#include "translation.h"
#include "wrapping_buttons.h"

#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>

class TestTranslation : public QObject
{
    Q_OBJECT

private:
    QString m_language;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        settings::setLanguage(QString());
        // As the program does before it builds the window.
        m_language =
            translation::chooseLanguage(settings::language(), QLocale::system().uiLanguages());
        translation::install(*qApp, m_language);
    }

    void chooseLanguage()
    {
        using translation::chooseLanguage;
        QCOMPARE(chooseLanguage(QString(), {QStringLiteral("C")}), QStringLiteral("en"));
        QCOMPARE(chooseLanguage(QString(), {QStringLiteral("es-ES"), QStringLiteral("fr-CH"),
                                            QStringLiteral("de")}),
                 QStringLiteral("fr"));
        QCOMPARE(chooseLanguage(QString(), {QStringLiteral("en-GB"), QStringLiteral("de-DE")}),
                 QStringLiteral("en"));
        QCOMPARE(chooseLanguage(QStringLiteral("de"), {QStringLiteral("fr-FR")}),
                 QStringLiteral("de"));
        QCOMPARE(chooseLanguage(QStringLiteral("en"), {QStringLiteral("fr-FR")}),
                 QStringLiteral("en"));
        // A setting naming no translation falls back to the system's languages.
        QCOMPARE(chooseLanguage(QStringLiteral("xx"), {QStringLiteral("de_AT")}),
                 QStringLiteral("de"));
        // The language follows LANG (the suite's environment).
        const QByteArray lang = qgetenv("LANG");
        QCOMPARE(m_language, lang.startsWith("de")   ? QStringLiteral("de")
                             : lang.startsWith("fr") ? QStringLiteral("fr")
                                                     : QStringLiteral("en"));
    }

    // Captions and a status text after a command: translated, or exactly the
    // designed English.
    void captionsAndStatus()
    {
        MainWindow window;
        Form1 &w = window.form();
        auto *write = w.findChild<QPushButton *>(QStringLiteral("WRITE_CONFIG"));
        auto *option = w.findChild<QRadioButton *>(QStringLiteral("Option1"));
        w.setPort(QStringLiteral("/nonexistent/port"));
        write->click(); // nothing assigned: refused with the switches' text
        const QString status = w.findChild<QTextEdit *>(QStringLiteral("Text1"))->toPlainText();
        if (m_language == QLatin1String("en")) {
            QCOMPARE(w.windowTitle(),
                     QStringLiteral("TRV QLM 10 BUTTON SWITCH PANEL CONFIGURATION PROGRAM"));
            QCOMPARE(write->text(), QStringLiteral("WRITE CONFIGURATION TO SWITCH PANEL"));
            QCOMPARE(option->text(), QStringLiteral("SWITCH CHANNEL ASSIGNMENTS"));
            QCOMPARE(status, statustext::english(statustext::Status::IncompleteSwitches));
            return;
        }
        const bool de = m_language == QLatin1String("de");
        QCOMPARE(write->text(), de ? QStringLiteral("KONFIGURATION INS PANEL SCHREIBEN")
                                   : QStringLiteral("ÉCRIRE LA CONFIGURATION DANS LE PANNEAU"));
        QCOMPARE(option->text(),
                 de ? QStringLiteral("KANÄLE DER TASTER") : QStringLiteral("CANAUX DES BOUTONS"));
        QVERIFY(status.startsWith(de ? QStringLiteral("VOR DEM SCHREIBEN")
                                     : QStringLiteral("LES DONNÉES DE TOUS LES BOUTONS")));
        QVERIFY(window.menuBar()->actions().first()->text() != QStringLiteral("&File"));
        QVERIFY(listOf(w, 1)->toolTip().endsWith(de ? QStringLiteral("MODULZUORDNUNG")
                                                    : QStringLiteral("AFFECTATION DU MODULE")));
    }

    // Every caption of the window and the station dialog fits its control, as
    // the control's font measures it.
    void captionsFit()
    {
        MainWindow window;
        Form1 &w = window.form();
        const QList<QLabel *> labels = w.findChildren<QLabel *>();
        QVERIFY(labels.size() > 10);
        for (QLabel *l : labels) {
            if (l->text().isEmpty() || l->wordWrap())
                continue;
            const int needed = l->fontMetrics().horizontalAdvance(l->text());
            QVERIFY2(needed <= l->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 needs %2 of %3 px")
                                    .arg(l->text())
                                    .arg(needed)
                                    .arg(l->contentsRect().width())));
        }
        auto fits = [](QWidget *button, const QString &text, const QRect &area) {
            const QRect needed =
                button->fontMetrics().boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
            QVERIFY2(area.contains(needed), qPrintable(QStringLiteral("%1 needs %2x%3 of %4x%5 px")
                                                           .arg(text)
                                                           .arg(needed.width())
                                                           .arg(needed.height())
                                                           .arg(area.width())
                                                           .arg(area.height())));
        };
        const QList<WrappingPushButton *> buttons = w.findChildren<WrappingPushButton *>();
        const QList<WrappingRadioButton *> options = w.findChildren<WrappingRadioButton *>();
        QCOMPARE(buttons.size() + options.size(), 6);
        for (WrappingPushButton *b : buttons)
            fits(b, b->text(), b->captionArea());
        for (WrappingRadioButton *o : options)
            fits(o, o->text(), o->captionArea());
        // The heading wraps within its place.
        auto *heading = w.findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(heading->heightForWidth(heading->width()) <= heading->height());
    }

    // Every value the core reports has its text in the window: in English the
    // core's own text, character for character; in German and French a
    // translation, but for the system's own words. A value added without a
    // translation fails here.
    void everyValueDescribed()
    {
        const bool inEnglish = m_language == QLatin1String("en");
        int checked = 0;
        auto check = [&](const QString &shown, const QString &core, bool translated) {
            ++checked;
            QVERIFY2(!shown.isEmpty() && !core.isEmpty(), qPrintable(core));
            if (inEnglish || !translated)
                QCOMPARE(shown, core);
            else
                QVERIFY2(shown != core, qPrintable(core));
        };
        using namespace portfailure;
        for (int v = 0; v <= int(statustext::kLastStatus); ++v) {
            const auto status = statustext::Status(v);
            check(translation::describe(status), statustext::english(status), true);
        }
        for (int v = 0; v <= int(cellwalk::kLastCellResult); ++v) {
            const auto result = cellwalk::CellResult(v);
            check(translation::describe(result), cellwalk::cellText(result), true);
        }
        QList<Why> reasons;
        for (int v = 0; v <= int(kLastReason); ++v)
            reasons << Why(Reason(v), 5, QStringLiteral("NETWORK UNREACHABLE"));
        for (const Why &why : reasons)
            check(translation::describe(why), english(why), why.reason != Reason::Described);
        for (int v = 0; v <= int(kLastCause); ++v) {
            const DeviceCause cause{Cause(v), QStringLiteral("dialout")};
            check(translation::describe(cause), english(cause), cause.cause != Cause::Described);
            OpenFailure failure;
            failure.port = QStringLiteral("/dev/ttyUSB7");
            failure.device = cause;
            check(translation::describe(failure), english(failure), true);
            failure.portsFound = {QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")};
            const QString shown = translation::describe(failure);
            check(shown, english(failure), true);
            QVERIFY2(shown.contains(QStringLiteral("/dev/ttyUSB7")) &&
                         shown.endsWith(QStringLiteral("/dev/ttyS0, /dev/ttyUSB0")),
                     qPrintable(shown));
        }
        // A network address that cannot be used or reached, naming the address and
        // the part of it that is wrong.
        OpenFailure address;
        address.kind = OpenFailure::Kind::Address;
        address.port = QStringLiteral("tcp://10.0.0.7:x");
        for (int v = 1; v <= int(AddressProblem::kLastKind); ++v) {
            address.problem = {AddressProblem::Kind(v), QStringLiteral("x")};
            const QString shown = translation::describe(address);
            check(shown, english(address), true);
            check(translation::describe(address.problem), english(address.problem), true);
            QVERIFY2(shown.contains(address.port), qPrintable(shown));
        }
        OpenFailure connection;
        connection.kind = OpenFailure::Kind::Connection;
        connection.port = QStringLiteral("10.0.0.7:4001");
        for (const Why &why : reasons) {
            connection.why = why;
            const QString shown = translation::describe(connection);
            check(shown, english(connection), true);
            QVERIFY2(shown.contains(connection.port), qPrintable(shown));
        }

        // How a command ends, with and without the port lost, named as it was.
        QList<Loss> losses = {{false, QStringLiteral("/dev/ttyUSB0"), std::nullopt}};
        for (const Why &why : reasons) {
            losses << Loss{false, QStringLiteral("/dev/ttyUSB0"), why};
            losses << Loss{true, QStringLiteral("10.0.0.7:4001"), why};
        }
        for (int v = 0; v <= int(cellwalk::kLastOutcome); ++v) {
            cellwalk::Ending ending;
            ending.outcome = cellwalk::Outcome(v);
            ending.done = statustext::Status::Programmed;
            check(translation::describe(ending), cellwalk::endingText(ending), true);
            if (ending.outcome == cellwalk::Outcome::Done)
                continue;
            for (const Loss &loss : losses) {
                ending.loss = loss;
                ending.cellsWritten = ending.outcome == cellwalk::Outcome::CellFailed ? 7 : -1;
                const QString shown = translation::describe(ending);
                check(shown, cellwalk::endingText(ending), true);
                QVERIFY2(shown.contains(loss.port), qPrintable(shown));
            }
        }

        // Why a file, a backup, the traffic log or a report failed; the system's
        // own words stay as the system gives them.
        using files::FileProblem;
        for (int v = 1; v <= int(files::kLastProblemKind); ++v) {
            for (int k = 0; k <= int(files::kLastFileKind); ++k) {
                FileProblem problem = FileProblem::atField(FileProblem::Kind(v), 9, 42);
                problem.file = files::FileKind(k);
                problem.path = QStringLiteral("/srv/x");
                problem.text = QStringLiteral("No space left on device");
                const bool translated = problem.kind != FileProblem::Kind::System;
                check(translation::describe(problem), files::english(problem), translated);
                const backup::Failure notSaved{backup::Failure::Kind::NotSaved,
                                               QStringLiteral("/b/1.qcf"), problem};
                check(translation::describe(notSaved), backup::english(notSaved), true);
                const TrafficLogFailure log{QStringLiteral("/tmp/t.log"), problem};
                check(translation::describe(log), english(log), true);
            }
        }
        for (int v = 1; v <= int(backup::kLastFailureKind); ++v) {
            backup::Kept kept;
            kept.outcome = cellwalk::Outcome::Done;
            kept.saved.failure = {backup::Failure::Kind(v), QStringLiteral("/b/1.qcf"), {}};
            check(translation::describe(kept.saved.failure), backup::english(kept.saved.failure),
                  true);
            check(translation::describe(kept), backup::english(kept), true);
            kept.outcome = cellwalk::Outcome::CellFailed;
            check(translation::describe(kept), backup::english(kept), true);
        }
        for (int v = 1; v <= int(kLastReportProblem); ++v) {
            const ReportProblem problem(ReportProblem::Kind(v), QStringLiteral("DISK FULL"));
            check(translation::describe(problem), english(problem),
                  problem.kind == ReportProblem::Kind::NotRegular);
        }
        // The installation's refusals and problems; the system's words stay as they
        // are given.
        for (int v = 1; v <= int(site::kLastInventoryProblem); ++v) {
            site::InventoryProblem problem(3, 2, site::InventoryProblem::Kind(v));
            problem.name = QStringLiteral("Studio 3");
            problem.port = QStringLiteral("/dev/ttyUSB1");
            problem.otherPort = QStringLiteral("/dev/serial/by-id/usb-1");
            problem.number = 2;
            problem.other = 4;
            problem.text = QStringLiteral("PERMISSION DENIED");
            problem.address = address;
            check(translation::describe(problem), site::english(problem),
                  problem.kind != site::InventoryProblem::Kind::Unreadable);
        }
        for (int v = 1; v <= int(site::kLastHistoryProblem); ++v) {
            const site::HistoryProblem problem{site::HistoryProblem::Kind(v),
                                               QStringLiteral("/site/history/P"),
                                               QStringLiteral("NO SPACE LEFT ON DEVICE")};
            check(translation::describe(problem), site::english(problem), true);
        }
        for (int v = 1; v <= int(site::kLastRestoreProblem); ++v) {
            site::RestoreProblem problem;
            problem.kind = site::RestoreProblem::Kind(v);
            problem.panel = QStringLiteral("Studio 3");
            problem.path = QStringLiteral("/site/a.qcf");
            problem.file = FileProblem(FileProblem::Kind::TooLarge);
            problem.ending = cellwalk::Ending{};
            problem.backup = {backup::Failure::Kind::FolderNotCreated, QStringLiteral("/b"), {}};
            for (int item : {2, assignment::kItemCount - 1}) { // a switch, the backlighting
                problem.item = item;
                check(translation::describe(problem), site::english(problem), true);
            }
        }
        StationReport torn;
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("report.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(RowReport::row(StationReport::columns()) + "2026-12-08T14") > 0);
        file.close();
        QCOMPARE(torn.open(file.fileName()), ReportProblem());
        check(translation::tornRowCut(torn.bytesCut()), torn.repairNote(), true);
        QVERIFY(checked > 100);
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
