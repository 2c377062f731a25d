// Copy, paste, swap and clear of whole items, and the marks on switches that
// share a channel: the texts and data they use, and the commands through the
// window, compared with the same edits done by hand.

#include "form1_helpers.h"

#include "item_marks.h"
#include "main_window.h"
#include "config/item_edit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUndoStack>

using itemedit::ItemValue;

class TestItemEdit : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void clipboardTextAndData();

    void pasteSavesWhatClicksAndTypingSave();
    void swapTwiceIsTheIdentity();
    void setEmptyItemsToNotAssigned();
    void sameChannelMarksFollowEveryChange();
    void shortcutsLeavePlainTextCopyAlone();

private:
    Form1 *newForm();
    QByteArray save(Form1 &form);
    void focus(QWidget *widget);
    QList<int> selections(Form1 &form);

    QList<Form1 *> forms;
    QTemporaryDir *dir = nullptr;
    Form1 *w = nullptr;
};

void TestItemEdit::init()
{
    dir = new QTemporaryDir;
    w = newForm();
}

void TestItemEdit::cleanup()
{
    qDeleteAll(forms);
    forms.clear();
    delete dir;
}

Form1 *TestItemEdit::newForm()
{
    auto *form = new Form1;
    forms << form;
    form->askQuestion = [](const QString &, QMessageBox::StandardButtons) {
        return QMessageBox::Discard;
    };
    form->showMessage = [](const QString &, bool) {};
    textOf(*form, 2)->setText(QStringLiteral("BOAT"));
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form))
        qFatal("window not active");
    return form;
}

QByteArray TestItemEdit::save(Form1 &form)
{
    const QString path = dir->filePath(QStringLiteral("%1.qcf").arg(forms.indexOf(&form)));
    form.chooseFile = [path](const Form1::FileDialogRequest &) { return path; };
    form.WRITE_FILE_Click();
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void TestItemEdit::focus(QWidget *widget)
{
    widget->window()->activateWindow();
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
}

QList<int> TestItemEdit::selections(Form1 &form)
{
    QList<int> s;
    for (int n = 1; n <= 42; ++n)
        s << selectedIndex(listOf(form, n)) << int(listOf(form, n)->isHidden());
    return s;
}

// The text goes into a mail as it reads; the data comes back exactly, and only
// for positions the lists have. Pasted text needs a complete assignment.
void TestItemEdit::clipboardTextAndData()
{
    const ItemValue pump{3, 3, QStringLiteral("PUMP ")};
    QCOMPARE(itemedit::itemText(2, pump), QStringLiteral("SW3: C 4 PUMP "));
    QCOMPARE(itemedit::itemText(20, {16, 9, {}}), QStringLiteral("BACKLIGHTING: P 10"));
    QCOMPARE(itemedit::itemText(10, {0, 4, QString()}), QStringLiteral("LED1: N/A"));
    for (const ItemValue &v : {pump, ItemValue{0, -1, QString()}, ItemValue{-1, 9, QString()}})
        QVERIFY(itemedit::parseItemData(itemedit::itemData(2, v))->value == v);
    QVERIFY(!itemedit::parseItemData(itemedit::itemData(2, {17, 0, QString()})));
    QVERIFY(!itemedit::parseItemData(itemedit::itemData(20, {1, 0, QString()}))); // no box

    const auto text = itemedit::parseItemText(QStringLiteral("SW3: C 4 PUMP, FAST"));
    QVERIFY(text && text->item == 2);
    QVERIFY(text->value == (ItemValue{3, 3, QStringLiteral("PUMP, FAST")}));
    for (const char *bad : {"SW3: C", "SW3: C 11", "SW3: - X", "LAMP: A 1"})
        QVERIFY2(!itemedit::parseItemText(QLatin1String(bad)), bad);
    // Onto the backlighting a designation goes nowhere; from it the target keeps its own.
    QVERIFY(itemedit::pasted({1, 1, {}}, pump) == (ItemValue{3, 3, {}}));
    QVERIFY(itemedit::pasted(pump, {5, 0, {}}) == (ItemValue{5, 0, QStringLiteral("PUMP ")}));
}

// SW3 copied onto SW7 gives the file, the record and the lists that clicking C
// and 4 in SW7's lists and typing its designation give; one undo takes it back.
void TestItemEdit::pasteSavesWhatClicksAndTypingSave()
{
    Form1 *byHand = newForm();
    for (Form1 *form : {w, byHand}) {
        chooseAll(*form);
        clickEntry(listOf(*form, 5), 3);
        clickEntry(listOf(*form, 6), 3);
        textOf(*form, 5)->setText(QStringLiteral("PUMP"));
        choose(*form, 6, 0); // SW7 on N/A, its box hidden
        form->ShowSwitchView(); // lists set by program show as the loading step leaves them
        textOf(*form, 9)->hide();
    }
    const QList<int> before = selections(*w);

    focus(textOf(*w, 5));
    QCOMPARE(w->currentItem(), 2);
    w->copyItem();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("SW3: C 4 PUMP"));
    focus(listOf(*w, 13));
    QCOMPARE(w->currentItem(), 6);
    w->pasteItem();

    focus(listOf(*byHand, 13));
    clickEntry(listOf(*byHand, 13), 3);
    clickEntry(listOf(*byHand, 14), 3);
    textOf(*byHand, 9)->selectAll();
    QTest::keyClicks(textOf(*byHand, 9), QStringLiteral("PUMP"));

    QCOMPARE(selections(*w), selections(*byHand));
    QVERIFY(textOf(*w, 9)->isVisible());
    QCOMPARE(w->record().sw(7).code, byHand->record().sw(7).code);
    const QByteArray file = save(*w);
    QCOMPARE(file.count("\"PUMP\",23,"), 2);
    QCOMPARE(file, save(*byHand));

    QCOMPARE(w->undoStack()->undoText(), QStringLiteral("PASTE ONTO SW7"));
    w->undoStack()->undo();
    QCOMPARE(selections(*w), before);
    QCOMPARE(textOf(*w, 9)->text(), QStringLiteral("DESIGNATION "));
}

// Two swaps give back every list's selection and visibility, the kept channel of
// an "N/A" item included, and each swap is one undo step.
void TestItemEdit::swapTwiceIsTheIdentity()
{
    choose(*w, 1, 5, 7); // SW2: E 8, then N/A keeping channel 8
    choose(*w, 1, 0);
    choose(*w, 4, 3, 3);
    textOf(*w, 7)->setText(QStringLiteral("PUMP"));
    const QList<int> start = selections(*w);
    const QByteArray file = save(*w);
    const int steps = w->undoStack()->count();

    QList<int> offered;
    w->chooseSwapTarget = [&](int item, const QList<int> &choices) {
        offered = choices;
        return item == 4 ? 1 : 4;
    };
    focus(listOf(*w, 9));
    w->swapItem();
    QCOMPARE(offered, (QList<int>{0, 1, 2, 3, 5, 6, 7, 8, 9}));
    QCOMPARE(selectedIndex(listOf(*w, 3)), 3);
    QCOMPARE(textOf(*w, 4)->text(), QStringLiteral("PUMP"));
    QCOMPARE(selectedIndex(listOf(*w, 9)), 0);
    QVERIFY(listOf(*w, 10)->isHidden());
    QCOMPARE(w->record().sw(5).code, 160); // the live code as after a click on "N/A"
    QCOMPARE(w->undoStack()->count(), steps + 1);

    w->swapItem();
    QCOMPARE(selections(*w), start);
    QCOMPARE(textOf(*w, 4)->text(), QStringLiteral("DESIGNATION "));
    QCOMPARE(save(*w), file);
    QCOMPARE(w->undoStack()->count(), steps + 2);
}

// Items without a complete assignment, a module without a channel too, become
// "N/A" in both views, in one undo step; complete items stay.
void TestItemEdit::setEmptyItemsToNotAssigned()
{
    choose(*w, 0, 1, 0);
    choose(*w, 4, 2);
    w->setEmptyItemsToNotAssigned();
    QCOMPARE(selectedIndex(listOf(*w, 1)), 1);
    for (int i = 1; i < 21; ++i)
        QCOMPARE(selectedIndex(listOf(*w, 2 * i + 1)), 0);
    QVERIFY(save(*w).endsWith(",160\r\n"));
    w->undoStack()->undo();
    QCOMPARE(selectedIndex(listOf(*w, 9)), 2);
    QCOMPARE(selectedIndex(listOf(*w, 41)), -1);
}

// Switches on the same module and channel carry the mark, LEDs and the
// backlighting never do; each change recomputes them, the compare's marks go.
void TestItemEdit::sameChannelMarksFollowEveryChange()
{
    ItemMarks &marks = w->itemMarks();
    auto ring = [&](int i) { return w->findChild<MarkRing *>(QStringLiteral("Mark%1").arg(i)); };
    clickEntry(listOf(*w, 3), 3);
    clickEntry(listOf(*w, 4), 3);
    choose(*w, 10, 3, 3); // LED1 and the backlighting on C 4 as well
    choose(*w, 20, 3, 3);
    QVERIFY(marks.marked(kSameChannel.id).isEmpty());

    clickEntry(listOf(*w, 13), 3); // SW7: C 4, so far only the module
    QVERIFY(marks.marked(kSameChannel.id).isEmpty());
    marks.mark(6, kPanelDiffers, QStringLiteral("PANEL HOLDS N/A"));
    clickEntry(listOf(*w, 14), 3);
    QCOMPARE(marks.marked(kSameChannel.id), (QList<int>{1, 6}));
    QCOMPARE(marks.texts(6), QStringList{QStringLiteral("SAME CHANNEL AS SW2")});
    QCOMPARE(listOf(*w, 4)->accessibleDescription(),
             QStringLiteral("SW2 CHANNEL ASSIGNMENT, SAME CHANNEL AS SW7"));
    QVERIFY(ring(1)->isVisible());
    QCOMPARE(ring(1)->colours(), QList<QColor>{kSameChannel.colour});

    choose(*w, 8, 3, 3);
    QCOMPARE(marks.texts(1), QStringList{QStringLiteral("SAME CHANNEL AS SW7 AND SW9")});
    clickEntry(listOf(*w, 13), 0); // SW7 to N/A
    QCOMPARE(marks.marked(kSameChannel.id), (QList<int>{1, 8}));
    clickEntry(listOf(*w, 4), 4);
    QVERIFY(marks.marked(kSameChannel.id).isEmpty());
    QVERIFY(!ring(1)->isVisible());
    QCOMPARE(listOf(*w, 4)->toolTip(), QStringLiteral("SW2 CHANNEL ASSIGNMENT"));

    w->undoStack()->undo(); // back on C 4 with SW9
    QCOMPARE(marks.marked(kSameChannel.id), (QList<int>{1, 8}));
    QVERIFY2(!save(*w).isEmpty(), qPrintable(w->findChild<QTextEdit *>("Text1")->toPlainText()));
}

// In the real window: Ctrl+C in a designation box copies its text, Ctrl+Shift+C
// the item; the item commands wait for an item to have the focus.
void TestItemEdit::shortcutsLeavePlainTextCopyAlone()
{
    MainWindow window;
    window.form().askQuestion = w->askQuestion;
    window.form().showMessage = w->showMessage;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Form1 &form = window.form();
    auto *copy = window.findChild<QAction *>();
    for (QAction *a : window.findChildren<QAction *>())
        if (a->shortcut() == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C))
            copy = a;

    focus(form.findChild<QRadioButton *>("Option1"));
    QVERIFY(!copy->isEnabled());
    QLineEdit *box = textOf(form, 3);
    focus(box);
    QVERIFY(copy->isEnabled());
    box->setText(QStringLiteral("HORN"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("HORN"));
    QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasFormat(itemedit::kMimeType));
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("SW1: - HORN"));
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat(itemedit::kMimeType));
    QTest::keyClick(box, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(selectedIndex(listOf(form, 1)), 0);
    QVERIFY(box->text().isEmpty());
    QCOMPARE(form.undoStack()->undoText(), QStringLiteral("CLEAR SW1"));
}

QTEST_MAIN(TestItemEdit)
#include "tst_item_edit.moc"
