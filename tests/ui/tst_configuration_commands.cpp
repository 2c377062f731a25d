// The configuration model and its undo commands: every kind of edit, undone and
// redone, gives back the same configuration, the same lists and the same file.

#include "form1_helpers.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>

// Another complete configuration: every item on "N/A" but SW1 on B 3.
const QByteArray kOtherFile = [] {
    QByteArray line = "\"OTHER\",\"FAN\",12";
    for (int i = 1; i < 20; ++i)
        line += ",\"\",160";
    return line + ",160\r\n";
}();

class TestConfigurationCommands : public QObject
{
    Q_OBJECT
private slots:
    void modelCodesAndChanges();
    void everyEditUndoneAndRedone_data();
    void everyEditUndoneAndRedone();
    void replaceStepWithoutWindow();
    void openAndPasteAreOneStepEach();
    void viewFollowsModel();
};

// An item with a module and a channel chosen, and no designation.
static ItemState chosen(int module, int channel)
{
    ItemState state;
    state.module = module;
    state.channel = channel;
    return state;
}

void TestConfigurationCommands::modelCodesAndChanges()
{
    ConfigurationModel model;
    QSignalSpy changed(&model, &ConfigurationModel::itemChanged);
    QCOMPARE(model.code(0), -1); // nothing chosen
    model.setItem(0, chosen(3, -1));
    QCOMPARE(model.code(0), -1); // a module without a channel
    model.setItem(0, chosen(3, 3));
    QCOMPARE(model.code(0), 23);
    model.setItem(0, chosen(0, 3)); // "N/A" keeps the channel it had
    QCOMPARE(model.code(0), 160);
    model.setItem(0, chosen(0, 3)); // the same again: no change
    QCOMPARE(changed.size(), 3);
}

void TestConfigurationCommands::everyEditUndoneAndRedone_data()
{
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("step");
    QTest::newRow("module list") << 0 << "SW2 MODULE";
    QTest::newRow("channel list") << 1 << "LED3 CHANNEL";
    QTest::newRow("typing, merged") << 2 << "SW4 DESIGNATION";
    QTest::newRow("panel name") << 3 << "PANEL NAME";
    QTest::newRow("clear item") << 4 << "CLEAR SW1";
    QTest::newRow("swap") << 5 << "SWAP SW1 AND SW6";
    QTest::newRow("open") << 6 << "OPEN other.qcf";
}

void TestConfigurationCommands::everyEditUndoneAndRedone()
{
    QFETCH(int, edit);
    QFETCH(QString, step);
    QTemporaryDir dir;
    Form1 w;
    discardUnsavedEdits(w);
    w.showMessage = [](const QString &, bool) {};
    w.show();
    chooseAll(w);
    textOf(w, 2)->setText(QStringLiteral("BENCH"));
    w.ShowSwitchView();
    auto save = [&] {
        const QString path = dir.filePath(QStringLiteral("saved.qcf"));
        w.chooseFile = [path](const Form1::FileDialogRequest &) { return path; };
        w.WRITE_FILE_Click();
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    auto lists = [&] {
        QList<int> s;
        for (int n = 1; n <= 42; ++n)
            s << selectedIndex(listOf(w, n)) << int(listOf(w, n)->isHidden());
        return s;
    };
    const ConfigurationState before = w.model().state();
    const QList<int> listsBefore = lists();
    const QByteArray fileBefore = save();

    switch (edit) {
    case 0:
        clickEntry(listOf(w, 3), 5);
        break;
    case 1:
        w.ShowLightingView();
        clickEntry(listOf(w, 26), 7);
        w.ShowSwitchView();
        break;
    case 2:
        QTest::keyClicks(textOf(w, 6), QStringLiteral("PUMP"));
        break;
    case 3:
        QTest::keyClicks(textOf(w, 2), QStringLiteral("7"));
        break;
    case 4:
        w.activateWindow();
        listOf(w, 1)->setFocus();
        QTRY_COMPARE(w.currentItem(), 0);
        w.clearItem();
        break;
    case 5:
        w.swapItems(0, 5);
        break;
    case 6: {
        QFile f(dir.filePath(QStringLiteral("other.qcf")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kOtherFile);
        f.close();
        QVERIFY(w.openFile(f.fileName()));
        break;
    }
    }
    const ConfigurationState after = w.model().state();
    const QList<int> listsAfter = lists();
    QVERIFY(after != before);
    QCOMPARE(w.undoStack()->undoText(), step);
    const int steps = w.undoStack()->index();

    w.undoStack()->undo();
    QVERIFY(w.model().state() == before);
    QCOMPARE(lists(), listsBefore);
    QCOMPARE(save(), fileBefore);
    w.undoStack()->redo();
    QVERIFY(w.model().state() == after);
    QCOMPARE(lists(), listsAfter);
    QCOMPARE(w.undoStack()->index(), steps);
}

// A whole-configuration step on a model alone: its first redo makes the change,
// the boxes of the view go back and forth with it, and undo gives back all.
void TestConfigurationCommands::replaceStepWithoutWindow()
{
    ConfigurationModel model;
    QUndoStack stack;
    const ConfigurationState before = model.state();
    ConfigurationState after = before;
    after.panelName = QStringLiteral("BENCH");
    after.items[3] = chosen(2, 5);
    BoxesShownCommand::Shown shown{}, boxesBefore{}, boxesAfter{};
    boxesBefore.fill(true);
    shown = boxesBefore;
    auto *step = new ReplaceCommand(&model, before, after, QStringLiteral("READ FROM PANEL"));
    new BoxesShownCommand([&](int i, bool on) { shown[i] = on; }, {3, 4}, boxesBefore, boxesAfter,
                          step);
    stack.push(step);
    QCOMPARE(stack.index(), 1);
    QVERIFY(model.state() == after);
    QCOMPARE(model.code(3), 15);
    QVERIFY(!shown[3] && !shown[4] && shown[5]); // only the boxes it names
    stack.undo();
    QVERIFY(model.state() == before);
    QCOMPARE(model.item(0).designation, QStringLiteral("DESIGNATION "));
    QVERIFY(shown[3] && shown[4]);
}

void TestConfigurationCommands::openAndPasteAreOneStepEach()
{
    QTemporaryDir dir;
    Form1 w;
    discardUnsavedEdits(w);
    w.show();
    QFile f(dir.filePath(QStringLiteral("other.qcf")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(kOtherFile);
    f.close();
    QVERIFY(w.openFile(f.fileName()));
    QCOMPARE(w.undoStack()->index(), 1);
    QCOMPARE(w.model().panelName(), QStringLiteral("OTHER"));
    QCOMPARE(w.model().code(0), 12);
    QCOMPARE(w.model().item(0).designation, QStringLiteral("FAN"));

    w.activateWindow();
    listOf(w, 3)->setFocus(); // SW2
    QTRY_COMPARE(w.currentItem(), 1);
    QGuiApplication::clipboard()->setText(QStringLiteral("SW9: D 7 PUMP"));
    w.pasteItem();
    QCOMPARE(w.undoStack()->index(), 2);
    QCOMPARE(w.model().code(1), 36);
    QCOMPARE(textOf(w, 4)->text(), QStringLiteral("PUMP"));
    w.undoStack()->undo();
    QCOMPARE(w.model().code(1), 160);
    w.undoStack()->undo();
    QCOMPARE(textOf(w, 2)->text(), QString());
    QCOMPARE(selectedIndex(listOf(w, 1)), -1);
}

// What changes in the model shows in the lists, the boxes and the name field,
// and is no edit of its own.
void TestConfigurationCommands::viewFollowsModel()
{
    Form1 w;
    w.show();
    w.model().setItem(2, chosen(3, 3)); // SW3 on C 4
    w.model().setDesignation(2, QStringLiteral("HORN"));
    w.model().setPanelName(QStringLiteral("P1"));
    QCOMPARE(selectedIndex(listOf(w, 5)), 3);
    QCOMPARE(selectedIndex(listOf(w, 6)), 3);
    QCOMPARE(textOf(w, 5)->text(), QStringLiteral("HORN"));
    QCOMPARE(textOf(w, 2)->text(), QStringLiteral("P1"));
    QCOMPARE(w.record().sw(3).code, 23); // the handlers ran as for clicks
    w.model().setItem(2, chosen(0, 3));  // "N/A"
    QVERIFY(listOf(w, 6)->isHidden());
    QCOMPARE(w.undoStack()->count(), 0);
}

QTEST_MAIN(TestConfigurationCommands)
#include "tst_configuration_commands.moc"
