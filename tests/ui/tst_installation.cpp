// The installation dialog against simulated panels, and the station's and the
// installation's dialogs on a small screen (the suite runs on an 800x480 screen
// at scale 1.5: 533x320 pixels to lay out in).

#include "form1_helpers.h"
#include "installation_dialog.h"
#include "main_window.h"
#include "simulated_panel.h"
#include "station_dialog.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QString accessibleName(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

// Whole on the screen and not cut off by the dialog or a scroll area.
bool inReach(QWidget *w)
{
    const QRect onScreen(w->mapToGlobal(QPoint(0, 0)), w->size());
    return w->isVisible() && w->screen()->availableGeometry().contains(onScreen) &&
           w->visibleRegion().boundingRect() == w->rect();
}

// The panels' cells: as the file holds them, or with SW2 and SW8 otherwise.
const QByteArray kFileCells = "23 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 160 "
                              "160 160 160 151";
const QByteArray kOtherCells = "23 40 160 160 160 160 160 3 160 160 160 160 160 160 160 160 160 "
                               "160 160 160 151";

} // namespace

class TestInstallation : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString folder(const QString &name)
    {
        QDir(dir.path()).mkpath(name);
        return dir.filePath(name);
    }
    // An inventory of `rows` ("panel;location;port;file") beside standard.qcf.
    QString writeInventory(const QString &name, const QStringList &rows)
    {
        QFile file(dir.filePath(QStringLiteral("standard.qcf")));
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.write(kStandardFile);
        QFile inventory(dir.filePath(name));
        if (!inventory.open(QIODevice::WriteOnly))
            return QString();
        inventory.write(("Panel;Location;Port;File\r\n" + rows.join("\r\n") + "\r\n").toUtf8());
        return inventory.fileName();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QVERIFY2(screen.height() <= 340, qPrintable(QString::number(screen.height())));
    }

    void stationButtonsInReachWithEightSlots();
    void auditShowsEachPanel();
    void restoreAsksNamingPanelPortAndFile();
    void windowClosedDuringRestoreWaitsForIt();
    void refusedInventorySaysWhere();
};

// Eight slots (on ports that are not there: the slots wait for them) on the
// small screen: START, STOP and CLOSE stay in reach, and every tile can be
// scrolled to.
void TestInstallation::stationButtonsInReachWithEightSlots()
{
    assignment::Codes codes;
    codes.fill(160);
    StationDialog dialog(dir.filePath("slot0"), codes, "standard.qcf");
    dialog.findChild<QLineEdit *>()->clear(); // no report
    for (int i = 1; i < 8; ++i)
        dialog.addPort(dir.filePath(QStringLiteral("slot%1").arg(i)));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.start();
    QVERIFY(dialog.gang().isRunning());
    const QList<QGroupBox *> tiles = dialog.findChildren<QGroupBox *>();
    QCOMPARE(tiles.size(), 8);
    QTRY_VERIFY(dialog.screen()->availableGeometry().contains(dialog.frameGeometry()));
    for (const char *caption : {"START", "STOP", "CLOSE"}) {
        QPushButton *button = nullptr;
        for (QPushButton *b : dialog.findChildren<QPushButton *>())
            if (accessibleName(b) == caption)
                button = b;
        QVERIFY2(button && inReach(button), caption);
    }
    auto *scroll = dialog.findChild<QScrollArea *>();
    QVERIFY(scroll && scroll->isAncestorOf(tiles.last()));
    scroll->ensureWidgetVisible(tiles.last(), 0, 0);
    QVERIFY(!tiles.last()->visibleRegion().isEmpty());

    dialog.reject(); // stops the slots, then closes
    QTRY_VERIFY(!dialog.isVisible());
}

// Four panels from the window's File menu: one holds its file, one differs, one
// cannot be reached and one has no port. Each row shows its panel's state while
// it is read and its result after; the panel's file opens in the window.
void TestInstallation::auditShowsEachPanel()
{
    SimulatedPanel same(folder("audit/same")), other(folder("audit/other"));
    const QString samePort = same.start({}, kFileCells);
    const QString otherPort = other.start({}, kOtherCells);
    QVERIFY(!samePort.isEmpty() && !otherPort.isEmpty());
    const QString inventory = writeInventory(
        "audit.csv", {"Studio 1;Floor 1;" + samePort + ";standard.qcf",
                      "Studio 2;Floor 1;" + otherPort + ";standard.qcf",
                      "Control room;Basement;" + dir.filePath("gone") + ";standard.qcf",
                      "Edit suite;Floor 2;;standard.qcf"});

    MainWindow window;
    discardUnsavedEdits(window.form());
    window.form().chooseFile = [&](const Form1::FileDialogRequest &) { return inventory; };
    QAction *open = nullptr;
    for (QAction *a : window.findChildren<QAction *>())
        if (a->text() == QStringLiteral("Open &installation…"))
            open = a;
    QVERIFY(open);
    open->trigger();
    InstallationDialog *dialog = window.installationDialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTableWidget *table = dialog->table();
    QCOMPARE(table->rowCount(), 4);

    QStringList states; // every state the rows went through
    connect(table->model(), &QAbstractItemModel::dataChanged, this,
            [&](const QModelIndex &from) { states << from.data().toString(); });
    dialog->auditAll();
    QVERIFY(dialog->isBusy());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->isBusy(), 30000);

    auto result = [&](int row) { return table->item(row, InstallationDialog::Result)->text(); };
    QCOMPARE(result(0), QStringLiteral("HOLDS ITS CONFIGURATION"));
    QCOMPARE(result(1), QStringLiteral("DIFFERS"));
    QCOMPARE(table->item(1, InstallationDialog::Differences)->text(),
             QStringLiteral("SW2 (FILE N/A, PANEL E 1), SW8 (FILE N/A, PANEL A 4)"));
    QVERIFY2(result(2).startsWith("UNREACHABLE: "), qPrintable(result(2)));
    QCOMPARE(result(3), QStringLiteral("NO PORT"));
    QCOMPARE(table->item(0, InstallationDialog::Differences)->text(), QString());
    QVERIFY(!table->item(1, InstallationDialog::Time)->text().isEmpty());
    QVERIFY(states.contains("READING CELL 1 OF 21"));
    QVERIFY(states.contains("READING CELL 21 OF 21"));
    QLabel *state = nullptr;
    for (QLabel *l : dialog->findChildren<QLabel *>())
        if (l->text().contains("DIFFER"))
            state = l;
    QVERIFY(state);
    QCOMPARE(state->text(), QStringLiteral("1 HOLD THEIR CONFIGURATION, 1 DIFFER, 1 UNREACHABLE, "
                                           "0 WITHOUT FILE, 1 WITHOUT PORT"));

    // The buttons read as they are shown and stay in reach on the small screen.
    QTRY_VERIFY(dialog->screen()->availableGeometry().contains(dialog->frameGeometry()));
    for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
        QCOMPARE(accessibleName(b), b->text().remove('&'));
        QVERIFY2(inReach(b), qPrintable(b->text()));
    }
    QCOMPARE(accessibleName(table), "PANELS OF " + QDir::toNativeSeparators(inventory));

    // The second panel's file in the window; then what the panel held, from its
    // history.
    dialog->selectRows({1});
    dialog->openSelectedFile();
    QCOMPARE(window.form().configurationFile(), dir.filePath("standard.qcf"));
    dialog->showHistory();
    auto *copies = dialog->findChild<QListWidget *>();
    QVERIFY(copies);
    QCOMPARE(copies->count(), 1);
    const QString copy = copies->item(0)->data(Qt::UserRole).toString();
    QVERIFY2(copy.startsWith(dir.filePath("history/Studio 2/")), qPrintable(copy));
    emit copies->itemActivated(copies->item(0));
    QCOMPARE(window.form().configurationFile(), copy);
    QCOMPARE(window.form().model().codes()[1], 40); // SW2 as the panel held it
    dialog->close();
    QTRY_VERIFY(!window.installationDialog());
}

// Restoring asks first, naming the panel, its port and its file; cancelled,
// nothing is written; confirmed, the panel holds its file.
void TestInstallation::restoreAsksNamingPanelPortAndFile()
{
    SimulatedPanel sim(folder("restore"));
    const QString port = sim.start({}, kOtherCells);
    QVERIFY(!port.isEmpty());
    const QString inventory =
        writeInventory("restore.csv", {"Booth 1;Floor 3;" + dir.filePath("gone") + ";standard.qcf",
                                       "Studio 2;Floor 1;" + port + ";standard.qcf"});
    InstallationDialog dialog(*site::readInventory(inventory).inventory);
    QStringList questions;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    dialog.askQuestion = [&](const QString &text, QMessageBox::StandardButtons) {
        questions << text;
        return answer;
    };
    dialog.show();
    dialog.selectRows({1});
    dialog.restoreSelected();
    QCOMPARE(questions.size(), 1);
    const QString &question = questions.first();
    QVERIFY2(question.contains("Studio 2") && question.contains(port) &&
                 question.contains(QDir::toNativeSeparators(dir.filePath("standard.qcf"))),
             qPrintable(question));
    QVERIFY(!dialog.isBusy());
    QVERIFY(sim.frames("RX").filter(QRegularExpression("^53")).isEmpty()); // no write frame

    answer = QMessageBox::Yes;
    dialog.restoreSelected();
    QVERIFY(dialog.isBusy());
    // Closed while it writes: the panel is finished first.
    dialog.reject();
    QVERIFY(dialog.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 30000);
    QCOMPARE(dialog.table()->item(1, InstallationDialog::Result)->text(),
             QStringLiteral("SWITCH PANEL HAS BEEN PROGRAMMED"));
    QList<int> expected;
    for (const QByteArray &v : kFileCells.split(' '))
        expected << v.toInt();
    QCOMPARE(sim.cells(), expected);
}

// The window closed while its installation restores a panel stays until the
// panel is written, then closes with the dialog.
void TestInstallation::windowClosedDuringRestoreWaitsForIt()
{
    SimulatedPanel sim(folder("closing"));
    const QString port = sim.start({}, kOtherCells);
    QVERIFY(!port.isEmpty());
    const QString inventory =
        writeInventory("closing.csv", {"Studio 5;Floor 5;" + port + ";standard.qcf"});
    MainWindow window;
    discardUnsavedEdits(window.form());
    window.show();
    QVERIFY(window.openInstallation(inventory));
    QPointer<InstallationDialog> dialog = window.installationDialog();
    dialog->askQuestion = [](const QString &, QMessageBox::StandardButtons) {
        return QMessageBox::Yes;
    };
    dialog->selectRows({0});
    dialog->restoreSelected();
    QVERIFY(dialog->isBusy());

    QVERIFY(!window.close());
    QVERIFY(window.isVisible() && dialog->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 30000);
    QTRY_VERIFY(!dialog);
    QList<int> expected;
    for (const QByteArray &v : kFileCells.split(' '))
        expected << v.toInt();
    QCOMPARE(sim.cells(), expected);
}

// A refused inventory is said with its file, line and column (a missing one
// with none); no dialog opens.
void TestInstallation::refusedInventorySaysWhere()
{
    const QString inventory =
        writeInventory("refused.csv", {"Studio 1;Floor 1;" + dir.filePath("a") + ";standard.qcf",
                                       ";Floor 2;" + dir.filePath("b") + ";standard.qcf"});
    MainWindow window;
    QStringList messages;
    window.form().showMessage = [&](const QString &text, bool) { messages << text; };
    QVERIFY(!window.openInstallation(inventory));
    QVERIFY(!window.installationDialog());
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith("THE INVENTORY CANNOT BE USED:\n" + inventory +
                                    "\n\nLINE 3, "
                                    "COLUMN 1: THE PANEL NAME IS EMPTY"),
             qPrintable(messages[0]));
    // A problem of the whole file names no line.
    const QString missing = dir.filePath("missing.csv");
    QVERIFY(!window.openInstallation(missing));
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[1],
             "THE INVENTORY CANNOT BE USED:\n" + missing + "\n\nTHE FILE DOES NOT EXIST");
}

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
