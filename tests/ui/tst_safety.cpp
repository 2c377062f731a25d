// The safety nets around the designed commands, through the real window against
// the panel simulator: the question before unsaved edits are lost, undo of a read,
// and the backup of the panel before a write.

#include "files/panel_backup.h"
#include "files/qcf_file.h"
#include "form1_helpers.h"
#include "main_window.h"
#include "panel/panel_link.h"
#include "simulated_panel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUndoStack>

class TestSafety : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void closeAsksAndCancelKeepsTheWindow();
    void undoAfterReadRestoresTheWindow();
    void writeKeepsWhatThePanelHeldFirst();
    void failedBackupReadWritesNothing();
    void windowDestroyedMidCommand();
    void smallScreenScrollsToTheFocus();

private:
    QString startSim(const QStringList &args, const QByteArray &cells = {});
    QString status() { return form().findChild<QTextEdit *>("Text1")->toPlainText(); }
    Form1 &form() { return window->form(); }

    MainWindow *window = nullptr;
    QTemporaryDir *dir = nullptr;
    SimulatedPanel *sim = nullptr;
    QStringList questions;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
};

static const QByteArray kPanelCells =
    "23 0 160 45 99 160 12 102 7 160 31 62 160 88 110 5 160 140 77 3 159";

void TestSafety::init()
{
    QDir(backup::folder()).removeRecursively();
    dir = new QTemporaryDir;
    window = new MainWindow;
    questions.clear();
    form().askQuestion = [this](const QString &text, QMessageBox::StandardButtons) {
        questions << text;
        return answer;
    };
    form().setBackupBeforeWrite(true);
    window->show();
}

void TestSafety::cleanup()
{
    discardUnsavedEdits(form());
    delete window;
    delete sim;
    sim = nullptr;
    delete dir;
}

QString TestSafety::startSim(const QStringList &args, const QByteArray &cells)
{
    sim = new SimulatedPanel(dir->path());
    const QString device = sim->start(args, cells);
    form().findChild<QComboBox *>("Combo1")->setEditText(device);
    return device;
}

void TestSafety::closeAsksAndCancelKeepsTheWindow()
{
    QVERIFY(window->close()); // nothing unsaved: no question
    QVERIFY(questions.isEmpty());
    window->show();

    clickEntry(listOf(form(), 1), 3);
    QVERIFY(window->isWindowModified());
    QVERIFY(window->windowTitle().endsWith("[*]"));
    answer = QMessageBox::Cancel;
    QVERIFY(!window->close());
    QCOMPARE(questions, QStringList{"SAVE CHANGES TO THE CONFIGURATION?"});
    QVERIFY(window->isVisible());
    QCOMPARE(selectedIndex(listOf(form(), 1)), 3);

    // Undone back to where it started, nothing is unsaved any more.
    form().undoStack()->undo();
    QVERIFY(!window->isWindowModified());
    QCOMPARE(selectedIndex(listOf(form(), 1)), -1);
    QVERIFY(window->close());
    QCOMPARE(questions.size(), 1);

    // The menu bar lies above the client area, which keeps its size.
    QCOMPARE(form().size(), QSize(614, 593));
    QVERIFY(window->menuBar()->geometry().bottom() < form().mapTo(window, QPoint(0, 0)).y());
}

void TestSafety::undoAfterReadRestoresTheWindow()
{
    startSim({}, kPanelCells);
    chooseAll(form());
    textOf(form(), 2)->setText("BENCH");
    textOf(form(), 5)->setText("PUMP");
    const QByteArray typed = "PUMP";
    answer = QMessageBox::Discard;
    form().READ_CONFIG_Click();
    QVERIFY(commandEnded(form()));
    QCOMPARE(status(), QStringLiteral("SWITCH PANEL DATA READ SUCCESSFUL"));
    QCOMPARE(questions.size(), 1); // unsaved edits were there
    QVERIFY(!window->isWindowModified());
    QCOMPARE(form().record().sw(1).code, 23);
    const qsizetype framesOfRead = sim->frames("RX").size();

    form().undoStack()->undo();
    for (int i = 0; i < 21; ++i) {
        QCOMPARE(selectedIndex(listOf(form(), 2 * i + 1)), 1 + i % 16);
        QCOMPARE(selectedIndex(listOf(form(), 2 * i + 2)), i % 10);
        QCOMPARE(form().record().items[i].code, expectedCodeOfChooseAll(i));
    }
    QCOMPARE(textOf(form(), 2)->text(), QStringLiteral("BENCH"));
    QCOMPARE(textOf(form(), 5)->text().toLatin1(), typed);
    QVERIFY(!textOf(form(), 5)->isHidden());
    QVERIFY(window->isWindowModified());
    form().undoStack()->redo();
    QCOMPARE(form().record().sw(1).code, 23);
    QVERIFY(textOf(form(), 2)->text().isEmpty());
    QVERIFY(!window->isWindowModified());
    // Undo and redo sent nothing.
    QCOMPARE(sim->frames("RX").size(), framesOfRead);
    // The read kept its result.
    QVERIFY2(QFileInfo(form().lastBackup()).fileName().contains(" read "),
             qPrintable(form().lastBackup()));
}

void TestSafety::writeKeepsWhatThePanelHeldFirst()
{
    startSim({}, kPanelCells);
    chooseAll(form());
    textOf(form(), 3)->setText("HORN");
    form().WRITE_CONFIG_Click();
    QVERIFY(commandEnded(form()));
    QCOMPARE(status(), QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED"));
    QVERIFY(!window->isWindowModified());

    // The wire: a full read with its own handshake, then the designed write.
    const QStringList frames = sim->frames("RX");
    QCOMPARE(frames[0], QStringLiteral("41"));
    QCOMPARE(frames[1], QStringLiteral("560000303056"));
    const qsizetype write =
        frames.lastIndexOf(QStringLiteral("41"), frames.indexOf(QRegularExpression("^53")));
    QVERIFY2(write > 2 * 21 && SimulatedPanel::readThenWrite(frames, write),
             qPrintable(frames.join(' ')));
    for (int n = 0; n < 21; ++n)
        QCOMPARE(sim->cells().value(n), expectedCodeOfChooseAll(n));

    // The backup: the panel's earlier cells, with the window's designations.
    const QStringList files = QDir(backup::folder()).entryList({"*.qcf"}, QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY2(QRegularExpression(R"(^\d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d before write .+\.qcf$)")
                 .match(files[0])
                 .hasMatch(),
             qPrintable(files[0]));
    const qcf::LoadedFile kept = qcf::loadFile(backup::folder() + "/" + files[0]);
    QVERIFY(kept.config);
    const QList<QByteArray> values = kPanelCells.split(' ');
    for (int n = 0; n < 21; ++n)
        QCOMPARE(int(kept.config->codes[n]), values[n].toInt());
    QCOMPARE(kept.config->designations[0], QByteArray("HORN"));
}

void TestSafety::failedBackupReadWritesNothing()
{
    startSim({"--mute-from", "7"}, kPanelCells);
    chooseAll(form());
    answer = QMessageBox::No;
    form().WRITE_CONFIG_Click();
    QVERIFY(commandEnded(form()));
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions[0].startsWith("THE PANEL COULD NOT BE READ FOR A BACKUP"));
    QCOMPARE(status(), QStringLiteral("COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA"));
    for (const QString &frame : sim->frames("RX"))
        QVERIFY2(!frame.startsWith("53"), qPrintable(frame)); // no write frame
    QCOMPARE(sim->cells(), [] {
        QList<int> cells;
        for (const QByteArray &v : kPanelCells.split(' '))
            cells << v.toInt();
        return cells;
    }());
    QVERIFY(QDir(backup::folder()).entryList({"*.qcf"}, QDir::Files).isEmpty());
    QVERIFY(window->isWindowModified());
}

// The window destroyed while its write waits for the question after a failed
// backup read (the box open, the port open), or in the middle of a cell: the port
// closes, nothing more is sent and nothing of the window is touched afterwards.
void TestSafety::windowDestroyedMidCommand()
{
    for (const bool atQuestion : {true, false}) {
        startSim(atQuestion ? QStringList{"--mute-from", "7"} : QStringList{}, kPanelCells);
        chooseAll(form());
        form().askQuestion = {}; // a real question box
        form().WRITE_CONFIG_Click();
        if (atQuestion) {
            QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QMessageBox *>() &&
                                         window->findChild<QMessageBox *>()->isVisible(),
                                     20000);
            QVERIFY(form().link().isOpen());
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(sim->frames("RX").size() > 10, 20000);
        }
        QVERIFY(form().isBusy());
        discardUnsavedEdits(form());
        delete std::exchange(window, new MainWindow);
        const QStringList frames = sim->frames("RX");
        QTest::qWait(400);
        QCOMPARE(sim->frames("RX"), frames);
        if (atQuestion)
            for (const QString &frame : frames)
                QVERIFY2(!frame.startsWith("53"), qPrintable(frame)); // no write frame
        delete std::exchange(sim, nullptr);
    }
}

// On an 800 x 480 screen the window fits, and Tab reaches the port chooser by
// scrolling it into view. On a large screen nothing scrolls.
void TestSafety::smallScreenScrollsToTheFocus()
{
    const QSize large = window->fittedSize(QRect(0, 0, 1920, 1080), QSize());
    QCOMPARE(large.width(), form().width());
    QVERIFY(large.height() > form().height());

    const QSize small = window->fittedSize(QRect(0, 0, 800, 480), QSize(0, 30));
    QVERIFY(small.height() <= 450 && small.width() <= 800);
    window->resize(small);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *combo = form().findChild<QComboBox *>("Combo1");
    QWidget *viewport = window->scrollArea()->viewport();
    auto inView = [&] {
        const QRect r(combo->mapTo(viewport, QPoint(0, 0)), combo->size());
        return viewport->rect().contains(r);
    };
    QVERIFY(!inView());
    window->activateWindow();
    combo->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(inView());
}

QTEST_MAIN(TestSafety)
#include "tst_safety.moc"
