// The editor window: layout, start-up state, views, list handlers, collecting
// and loading.

#include "form1_helpers.h"

#include "code_page_validator.h"
#include "item_marks.h"
#include "main_window.h"
#include "shapes.h"
#include "window_placement.h"

#include <QAccessible>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>
#include <QUndoStack>

#include <memory>

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void stateAfterStart();
    void placesOfControls();
    void namesTipsAndAccessibleNames();
    void listContents();
    void focusOrder();
    void panelNameTakesTwelveCodePageCharacters();
    void closedWindowIsDestroyedCleanly();
    void designationBoxesAcceptLongText();
    void accessibleTreeReadsWhatIsShown();
    void keyboardAloneDrivesSw1AndLightingView();
    void lightSchemeUnderDarkTheme();
    void placementKeepsTitleBarInAvailableArea();
    void fittedWindowShowsTheWholeClientArea();
    void marksOfSeveralKinds();
    void pictureAt96DpiIsTheScaledPicture();
    void lightingViewBuiltLateIsAsBuiltAtOnce();
    void lightingViewBuiltLateWhenNeededFirst();

    void switchModuleChannelAndNotAssigned();
    void backlightingChannelShowsNoBox();
    void focusAloneSelectsNothing();
    void selectionCannotBeTakenBack();

    void lightingViewShowsUntouchedChannelLists();
    void notAssignedStaysHiddenAcrossViews();

    void collectAllNotAssigned();
    void collectCodes();
    void collectStopsAtFirstIncompleteItem();
    void collectOnlyBacklightingIncomplete();
    void collectSeesHiddenLists();

    void loadCodesRoundTrip_data();
    void loadCodesRoundTrip();
    void unassignedItemTakesChannelOfPreviousLoad();
    void loadMinusOneLeavesItemIncomplete();

private:
    Form1 *w = nullptr;
    ConfigRecord &rec() { return w->record(); }
    // The loading step for one item, shown as the model holds it afterwards.
    void load(int item, int code)
    {
        ConfigurationState state = w->model().state();
        w->LoadItem(state, item, std::int16_t(code));
        w->model().setState(state);
    }
    bool shown(const char *name)
    {
        return !w->findChild<QWidget *>(QLatin1String(name))->isHidden();
    }
};

void TestForm1::init()
{
    w = new Form1;
    discardUnsavedEdits(*w);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
}

void TestForm1::cleanup()
{
    delete w;
    w = nullptr;
}

void TestForm1::stateAfterStart()
{
    QCOMPARE(w->windowTitle(),
             QStringLiteral("TRV QLM 10 BUTTON SWITCH PANEL CONFIGURATION PROGRAM"));
    QCOMPARE(w->size(), QSize(614, 593));
    QVERIFY(w->findChild<QRadioButton *>("Option1")->isChecked());
    QVERIFY(!w->findChild<QRadioButton *>("Option2")->isChecked());
    for (int n = 1; n <= 20; ++n) {
        QVERIFY2(!listOf(*w, n)->isHidden(), qPrintable(QString::number(n)));
        QCOMPARE(selectedIndex(listOf(*w, n)), -1);
    }
    for (int n = 21; n <= 42; ++n)
        QVERIFY(listOf(*w, n)->isHidden());
    for (int n = 3; n <= 22; ++n) {
        QCOMPARE(textOf(*w, n)->text(), QStringLiteral("DESIGNATION "));
        QCOMPARE(textOf(*w, n)->isHidden(), n > 12);
    }
    QVERIFY(textOf(*w, 2)->text().isEmpty());
    QVERIFY(!shown("Text1"));
    QVERIFY(!shown("Label14"));
    QCOMPARE(w->findChild<QLabel *>("Label2")->text(), QStringLiteral("SW1"));
    QCOMPARE(w->findChild<QLabel *>("Label13")->text(), QStringLiteral("SW10"));
    auto *timer = w->findChild<QTimer *>("Timer1");
    QVERIFY(timer && !timer->isActive());
    QCOMPARE(timer->interval(), 500);
    // Untouched items read as code 0 (module A, channel 1), not as "N/A".
    for (const ItemFields &f : rec().items)
        QCOMPARE(f.code, 0);
}

void TestForm1::placesOfControls()
{
    auto geometry = [&](const char *name) {
        return w->findChild<QWidget *>(QLatin1String(name))->geometry();
    };
    QCOMPARE(geometry("Image1"), QRect(64, 96, 313, 473));
    QCOMPARE(geometry("Text1"), QRect(112, 112, 217, 41));
    QCOMPARE(geometry("Text2"), QRect(424, 112, 113, 19));
    QCOMPARE(geometry("Text3"), QRect(112, 160, 97, 19));
    QCOMPARE(geometry("List1"), QRect(112, 176, 57, 43));
    QCOMPARE(geometry("List2"), QRect(168, 176, 41, 43));
    QCOMPARE(geometry("List20"), QRect(288, 464, 41, 43));
    QCOMPARE(geometry("Text22"), QRect(232, 448, 97, 19));
    QCOMPARE(geometry("List21"), geometry("List1")); // LED1 lies on SW1
    QCOMPARE(geometry("List41"), QRect(232, 520, 57, 43));
    QCOMPARE(geometry("List42"), QRect(288, 520, 41, 43));
    QCOMPARE(geometry("Option1"), QRect(400, 152, 161, 33));
    QCOMPARE(geometry("WRITE_CONFIG"), QRect(400, 448, 161, 57));
    QCOMPARE(geometry("Shape1"), QRect(72, 448, 41, 65));
    QCOMPARE(geometry("Label2").topLeft(), QPoint(80, 184));
    QCOMPARE(geometry("Label13").topLeft(), QPoint(336, 472));
    // Stacking: the picture is beneath everything else.
    QCOMPARE(w->children().indexOf(w->findChild<QWidget *>("Image1")), 0);
    // Exactly three entries show in a list's height, no part of a fourth; the rest scroll.
    QListWidget *l = listOf(*w, 1);
    QVERIFY(l->visualItemRect(l->item(2)).bottom() >= l->viewport()->height() - 2);
    QVERIFY(l->visualItemRect(l->item(3)).top() >= l->viewport()->height());
}

void TestForm1::namesTipsAndAccessibleNames()
{
    QStringList names = {"Text1",        "Label1",  "Label6",    "Label7",     "Label14",
                         "Option1",      "Option2", "READ_FILE", "WRITE_FILE", "READ_CONFIG",
                         "WRITE_CONFIG", "Image1",  "Shape1",    "Line1",      "Line2"};
    for (int n = 1; n <= 42; ++n)
        names << QStringLiteral("List%1").arg(n);
    for (int n = 2; n <= 22; ++n)
        names << QStringLiteral("Text%1").arg(n);
    for (int n : {2, 3, 4, 5, 8, 9, 10, 11, 12, 13})
        names << QStringLiteral("Label%1").arg(n);
    for (const QString &name : names)
        QVERIFY2(w->findChild<QWidget *>(name), qPrintable(name));
    QCOMPARE(listOf(*w, 1)->toolTip(), QStringLiteral("SW1 MODULE ASSIGNMENT"));
    QCOMPARE(listOf(*w, 40)->toolTip(), QStringLiteral("LED10 CHANNEL ASSIGNMENT"));
    QCOMPARE(listOf(*w, 41)->toolTip(), QStringLiteral("BACKLIGHTING MODULE ASSIGNMENT"));
    QCOMPARE(textOf(*w, 22)->toolTip(), QStringLiteral("ENTER LED10 FUNCTION"));
    QCOMPARE(textOf(*w, 2)->toolTip(), QStringLiteral("ENTER IDENTITY FOR FILE NAME"));
    auto *write = w->findChild<QPushButton *>("WRITE_CONFIG");
    QCOMPARE(write->text(), QStringLiteral("WRITE CONFIGURATION TO SWITCH PANEL"));
    QCOMPARE(write->toolTip(), QStringLiteral("LEFT CLICK TO SAVE CONFIG IN SWITCH PANEL"));
    QCOMPARE(write->font().pointSizeF(), 9.75);
    QVERIFY(write->font().bold());
    auto *heading = w->findChild<QLabel *>("Label1");
    QVERIFY(heading->font().underline());
    QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(listOf(*w, 3)->palette().color(QPalette::Text), QColor(0, 128, 0));
    QCOMPARE(listOf(*w, 42)->palette().color(QPalette::Text), QColor(192, 0, 0));
}

void TestForm1::listContents()
{
    for (int n = 1; n <= 42; ++n) {
        QListWidget *l = listOf(*w, n);
        if (n % 2) {
            QCOMPARE(l->count(), 17);
            QCOMPARE(l->item(0)->text(), QStringLiteral("N/A"));
            QCOMPARE(entryNumber(l, 0), 160);
            QCOMPARE(l->item(1)->text(), QStringLiteral("A"));
            QCOMPARE(entryNumber(l, 1), 0);
            QCOMPARE(l->item(16)->text(), QStringLiteral("P"));
            QCOMPARE(entryNumber(l, 16), 150);
        } else {
            QCOMPARE(l->count(), 10);
            QCOMPARE(l->item(9)->text(), QStringLiteral("10"));
            QCOMPARE(entryNumber(l, 9), 9);
        }
    }
}

void TestForm1::focusOrder()
{
    auto next = [&](const char *name) {
        QWidget *x = w->findChild<QWidget *>(QLatin1String(name))->nextInFocusChain();
        while (!(x->focusPolicy() & Qt::TabFocus))
            x = x->nextInFocusChain();
        return x->objectName();
    };
    QCOMPARE(next("WRITE_CONFIG"), QStringLiteral("READ_FILE"));
    QCOMPARE(next("WRITE_FILE"), QStringLiteral("List2"));
    QCOMPARE(next("List14"), QStringLiteral("List6"));
    QCOMPARE(next("List15"), QStringLiteral("Text1"));
    QCOMPARE(next("Text12"), QStringLiteral("Option1"));
    QCOMPARE(next("List22"), QStringLiteral("READ_CONFIG"));
    QCOMPARE(next("READ_CONFIG"), QStringLiteral("List24"));
    QCOMPARE(next("List41"), QStringLiteral("List42"));
    // The first control of the order has the focus at start.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("WRITE_CONFIG"));
}

void TestForm1::panelNameTakesTwelveCodePageCharacters()
{
    QLineEdit *name = textOf(*w, 2);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("ABCDEFGHIJKLM"));
    QCOMPARE(name->text(), QStringLiteral("ABCDEFGHIJKL"));
    name->clear();
    // Characters a configuration file cannot hold are refused at the keyboard, with
    // a tip that says why; those of its code page (the euro sign) are taken.
    for (QChar c : QStringLiteral("\u00C5X\u20AC\u0100\u0153")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(name, &press);
    }
    QCOMPARE(name->text(), QStringLiteral("\u00C5X\u20AC\u0153"));
    QCOMPARE(QToolTip::text(), CodePageValidator::refusedText());
}

// Closed as the user closes it, with an undo history and the keyboard focus in a
// designation box: the undo stack and the focus changes of the children destroyed
// after the window's destructor must not reach the window (the sanitized build of
// the suite aborts on such a call).
void TestForm1::closedWindowIsDestroyedCleanly()
{
    auto *window = new MainWindow;
    discardUnsavedEdits(window->form());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QLineEdit *box = textOf(window->form(), 3);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("HORN"));
    QVERIFY(window->form().undoStack()->canUndo());
    QVERIFY(window->close());
    delete window;
}

void TestForm1::designationBoxesAcceptLongText()
{
    QLineEdit *box = textOf(*w, 3);
    const QString longText(300, QLatin1Char('W'));
    box->setText(longText);
    QCOMPARE(box->text(), longText);
}

// The window's accessible children as a screen reader reads them, in both views:
// labels and buttons by their captions, lists by their tips, descriptions from
// the tips; no object names, no leader lines.
void TestForm1::accessibleTreeReadsWhatIsShown()
{
    QHash<QString, QAccessibleInterface *> read; // by object name
    auto walk = [&] {
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(w);
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface *child = window->child(i);
            auto *control = qobject_cast<QWidget *>(child->object());
            const QString name = child->text(QAccessible::Name), id = control->objectName();
            QVERIFY2(!name.isEmpty() && name != id && !qobject_cast<LineShape *>(control),
                     qPrintable(id));
            QCOMPARE(child->text(QAccessible::Description), control->toolTip());
            if (auto *label = qobject_cast<QLabel *>(control); label && label->pixmap().isNull())
                QCOMPARE(name, label->text());
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                QCOMPARE(name, button->text());
            if (qobject_cast<QListWidget *>(control))
                QCOMPARE(name, control->toolTip());
            read[id] = child;
        }
    };
    auto name = [&](const char *id) { return read.value(id)->text(QAccessible::Name); };

    walk();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(name("Label2"), QStringLiteral("SW1"));
    QCOMPARE(name("Image1"), QStringLiteral("SWITCH PANEL PICTURE"));
    QCOMPARE(name("Shape1"), QStringLiteral("PROGRAMMING HEADER MARKER"));
    QCOMPARE(read.value("Shape1")->role(), QAccessible::Graphic);
    QCOMPARE(read.value("Text1")->text(QAccessible::Value),
             w->findChild<QTextEdit *>("Text1")->toPlainText());
    QVERIFY(w->findChild<LineShape *>("Line1") && !read.contains("Line1"));
    w->findChild<QRadioButton *>("Option2")->click();
    walk();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(name("Label2"), QStringLiteral("LED1"));
}

// No mouse: Tab to SW1's lists and choose with the keys, switch the views with
// the option buttons, press a command button with Space, Return and Enter; the
// focus ring goes with the focus.
void TestForm1::keyboardAloneDrivesSw1AndLightingView()
{
    auto tabTo = [&](const char *id) {
        for (int k = 0; k < 100 && QApplication::focusWidget()->objectName() != QLatin1String(id);
             ++k)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    QWidget *module = tabTo("List1");
    QCOMPARE(module, listOf(*w, 1));
    auto *ring = w->findChild<QFocusFrame *>();
    QVERIFY(ring && ring->isVisible() && ring->geometry().contains(module->geometry()));

    QTest::keyClick(module, Qt::Key_Up); // untouched: the first entry, "N/A"
    QCOMPARE(rec().sw(1).code, 160);
    QTest::keyClick(module, Qt::Key_Down);
    QTest::keyClick(module, Qt::Key_Down);        // "B"
    QTest::keyClick(tabTo("List2"), Qt::Key_End); // "10"
    QCOMPARE(rec().sw(1).code, 19);
    QVERIFY(!textOf(*w, 3)->isHidden());

    QTest::keyClick(tabTo("Option1"), Qt::Key_Down);
    QVERIFY(w->findChild<QRadioButton *>("Option2")->isChecked());
    QVERIFY(listOf(*w, 1)->isHidden() && !listOf(*w, 21)->isHidden());
    QTest::keyClick(tabTo("Option2"), Qt::Key_Up);
    QVERIFY(!listOf(*w, 1)->isHidden() && listOf(*w, 21)->isHidden());

    int asked = 0;
    w->chooseFile = [&](const Form1::FileDialogRequest &) { return ++asked, QString(); };
    QWidget *open = tabTo("READ_FILE");
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(open, key);
    QCOMPARE(asked, 3);
}

// Under a dark desktop palette the window keeps the standard light scheme (as Qt
// draws it on the light test platform), the status text black on its ground.
void TestForm1::lightSchemeUnderDarkTheme()
{
    const QPalette desktop = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
    QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    QApplication::setPalette(dark);

    Form1 themed;
    // The light scheme is that of Qt's own style, whatever the platform's style.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette light = fusion->standardPalette();
    auto used = [&](const char *id, QPalette::ColorRole role) {
        return themed.findChild<QWidget *>(id)->palette().color(role).rgba();
    };
    QCOMPARE(themed.palette().color(QPalette::Window).rgba(), light.color(QPalette::Window).rgba());
    QCOMPARE(used("Label2", QPalette::WindowText), light.color(QPalette::HighlightedText).rgba());
    QCOMPARE(used("List1", QPalette::Base), light.color(QPalette::Base).rgba());
    QCOMPARE(used("Text1", QPalette::Base), light.color(QPalette::Midlight).rgba());
    QCOMPARE(used("Text1", QPalette::Text), QColor(Qt::black).rgba());
}

void TestForm1::placementKeepsTitleBarInAvailableArea()
{
    const QRect belowPanel(0, 32, 1280, 992); // a desktop panel along the top
    QCOMPARE(centredTopLeft(belowPanel, QSize(640, 620)), QPoint(320, 218));
    QCOMPARE(centredTopLeft(belowPanel, QSize(640, 1100)), QPoint(320, 32));
    QCOMPARE(centredTopLeft(QRect(1280, 0, 640, 512), QSize(700, 640)), QPoint(1280, 0));
    placeOnScreen(*w);
    QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry().topLeft()));
}

// The window as the program shows it, sized to its screen: on a screen with room
// for it the whole client area shows without a scroll bar, however tall the style
// and the fonts make the menu bar (scripts/test-windows runs this under Wine on
// the Windows platform, whose menu bar is not what its size hint says).
void TestForm1::fittedWindowShowsTheWholeClientArea()
{
    MainWindow window;
    discardUnsavedEdits(window.form());
    window.fitToScreen();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QSize room = window.screen()->availableGeometry().size() - frame;
    const QSize form = window.form().size();
    if (form.width() > room.width() || form.height() + window.menuBar()->height() > room.height())
        QSKIP("the screen is smaller than the window, which scrolls there");
    QScrollArea *scroll = window.scrollArea();
    QTRY_VERIFY2(!scroll->horizontalScrollBar()->isVisible() &&
                     !scroll->verticalScrollBar()->isVisible(),
                 qPrintable(QStringLiteral("window %1 x %2, menu bar %3, viewport %4 x %5")
                                .arg(window.width())
                                .arg(window.height())
                                .arg(window.menuBar()->height())
                                .arg(scroll->viewport()->width())
                                .arg(scroll->viewport()->height())));
    QVERIFY(scroll->viewport()->width() >= form.width());
    QVERIFY(scroll->viewport()->height() >= form.height());
    QCOMPARE(window.form().mapTo(scroll->viewport(), QPoint(0, 0)), QPoint(0, 0));
    qInfo("window %d x %d, menu bar %d pixels high", window.width(), window.height(),
          window.menuBar()->height());
}

// Marks of two kinds on one item: both colours in the outline, both texts in
// kind order after the lists' own tips; each kind goes on its own. The outline is
// no control a screen reader would list.
void TestForm1::marksOfSeveralKinds()
{
    const MarkKind other{kPanelDiffers.id + 1, QColor(255, 0, 255)};
    ItemMarks &marks = w->itemMarks();
    marks.mark(6, other, QStringLiteral("SAME CHANNEL AS SW1"));
    marks.mark(6, kPanelDiffers, QStringLiteral("PANEL HOLDS C 4"));
    marks.mark(6, kPanelDiffers, QStringLiteral("PANEL HOLDS N/A")); // replaces
    auto *ring = w->findChild<MarkRing *>(QStringLiteral("Mark6"));
    QVERIFY(ring->isVisible());
    QCOMPARE(ring->colours(), (QList<QColor>{kPanelDiffers.colour, other.colour}));
    QCOMPARE(listOf(*w, 14)->toolTip(),
             QStringLiteral("SW7 CHANNEL ASSIGNMENT, PANEL HOLDS N/A, SAME CHANNEL AS SW1"));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(w);
    for (int i = 0; i < window->childCount(); ++i)
        QVERIFY(!qobject_cast<MarkRing *>(window->child(i)->object()));

    marks.clear(kPanelDiffers.id);
    QCOMPARE(marks.texts(6), QStringList{QStringLiteral("SAME CHANNEL AS SW1")});
    QCOMPARE(ring->colours(), QList<QColor>{other.colour});
    QCOMPARE(listOf(*w, 13)->accessibleDescription(),
             QStringLiteral("SW7 MODULE ASSIGNMENT, SAME CHANNEL AS SW1"));
    w->findChild<QRadioButton *>("Option2")->click(); // SW7 is not in this view
    QVERIFY(!ring->isVisible());
    marks.clear(other.id);
    w->findChild<QRadioButton *>("Option1")->click();
    QVERIFY(!ring->isVisible());
    QCOMPARE(listOf(*w, 13)->toolTip(), QStringLiteral("SW7 MODULE ASSIGNMENT"));
}

void TestForm1::pictureAt96DpiIsTheScaledPicture()
{
    // At 96 dpi the window draws a copy of the panel picture made at its size on
    // the screen; it must hold exactly what scaling the full picture there gives,
    // as scaled screens draw that. After a change of the picture, the copy to
    // commit as app/images/panel-96dpi.png is written into the test's folder.
    const QSize place(313, 473);
    const QImage expected = QPixmap(QStringLiteral(":/images/panel.png"))
                                .scaled(place, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .toImage();
    const QImage copy =
        QImage(QStringLiteral(":/images/panel-96dpi.png")).convertToFormat(expected.format());
    if (copy != expected) {
        expected.save(QStringLiteral("panel-96dpi.png"));
        QFAIL("app/images/panel-96dpi.png is not panel.png scaled to 313x473: see "
              "panel-96dpi.png in the test's folder");
    }
    if (w->devicePixelRatioF() == 1.0)
        QCOMPARE(w->findChild<QLabel *>("Image1")->pixmap().size(), place);
}

namespace {

// What a window shows and tells of its controls, in their stacking order, and its
// keyboard focus order.
QStringList describeControls(Form1 &form)
{
    QStringList lines;
    for (QObject *child : form.children()) {
        auto *c = qobject_cast<QWidget *>(child);
        if (!c || qobject_cast<QFocusFrame *>(c)) // the focus ring follows the active window
            continue;
        QString selection;
        if (auto *list = qobject_cast<QListWidget *>(c))
            selection = QString::number(selectedIndex(list));
        if (auto *box = qobject_cast<QLineEdit *>(c))
            selection = box->text();
        const QRect g = c->geometry();
        lines << QStringLiteral("%1 %2 %3,%4 %5x%6 hidden %7 %8 | %9 | %10 | %11 %12 %13")
                     .arg(c->objectName(), QString::fromLatin1(c->metaObject()->className()))
                     .arg(g.x())
                     .arg(g.y())
                     .arg(g.width())
                     .arg(g.height())
                     .arg(c->isHidden())
                     .arg(selection, c->toolTip(), c->accessibleName(), c->accessibleDescription(),
                          c->font().key(), c->palette().color(QPalette::Text).name());
    }
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    for (int i = 0; i < window->childCount(); ++i)
        lines << QStringLiteral("accessible ") + window->child(i)->text(QAccessible::Name);
    for (QWidget *x = form.nextInFocusChain(); x != &form; x = x->nextInFocusChain()) {
        if (x->focusPolicy() & Qt::TabFocus)
            lines << QStringLiteral("tab ") + x->objectName();
    }
    return lines;
}

} // namespace

// The program's window builds its lighting view after the first frame: then it
// shows and tells exactly what a window built at once does, and a mark set before
// reaches the lists.
void TestForm1::lightingViewBuiltLateIsAsBuiltAtOnce()
{
    Form1::setLightingViewBuiltLate(true);
    Form1 late;
    Form1::setLightingViewBuiltLate(false);
    discardUnsavedEdits(late);
    QVERIFY(!listOf(late, 21) && !textOf(late, 13) && listOf(late, 20));
    late.itemMarks().mark(15, kPanelDiffers, QStringLiteral("PANEL HOLDS C 4"));
    w->itemMarks().mark(15, kPanelDiffers, QStringLiteral("PANEL HOLDS C 4"));
    late.show();
    QVERIFY(QTest::qWaitForWindowExposed(&late));
    QTRY_VERIFY(listOf(late, 42));
    QCOMPARE(describeControls(late), describeControls(*w));
    QCOMPARE(listOf(late, 31)->toolTip(),
             QStringLiteral("LED6 MODULE ASSIGNMENT, PANEL HOLDS C 4"));
    for (Form1 *f : {&late, w})
        f->findChild<QRadioButton *>("Option2")->click();
    QCOMPARE(describeControls(late), describeControls(*w));
}

// Before its first frame, a window that builds its lighting view late builds it
// as soon as it is needed: by a change of the configuration, or by the view shown.
void TestForm1::lightingViewBuiltLateWhenNeededFirst()
{
    Form1::setLightingViewBuiltLate(true);
    Form1 changed, viewed;
    Form1::setLightingViewBuiltLate(false);
    for (Form1 *f : {&changed, w}) {
        discardUnsavedEdits(*f);
        ConfigurationState state = f->model().state();
        state.items[12].module = 3;
        state.items[12].channel = 4;
        state.items[12].designation = QStringLiteral("BEACON");
        f->model().setState(state);
    }
    QCOMPARE(selectedIndex(listOf(changed, 25)), 3);
    QCOMPARE(textOf(changed, 15)->text(), QStringLiteral("BEACON"));
    QCOMPARE(describeControls(changed), describeControls(*w));
    viewed.ShowLightingView();
    QVERIFY(!listOf(viewed, 41)->isHidden() && !textOf(viewed, 22)->isHidden());
    QVERIFY(listOf(viewed, 1)->isHidden());
}

void TestForm1::switchModuleChannelAndNotAssigned()
{
    ItemFields &sw1 = rec().sw(1);
    QListWidget *module = listOf(*w, 1), *channel = listOf(*w, 2);
    QLineEdit *box = textOf(*w, 3);
    box->hide(); // to see whether the handlers touch it

    clickEntry(module, 3); // "C", no channel chosen yet
    QCOMPARE(sw1.code, 20);
    QVERIFY(!channel->isHidden());
    QCOMPARE(selectedIndex(channel), -1);
    QVERIFY(box->isHidden());

    clickEntry(channel, 3); // "4"
    QCOMPARE(sw1.channelPart, 3);
    QCOMPARE(sw1.code, 23);
    QVERIFY(!box->isHidden());

    clickEntry(module, 0); // "N/A"
    QCOMPARE(sw1.code, 160);
    QVERIFY(channel->isHidden());
    QCOMPARE(sw1.modulePart, 20);
    QCOMPARE(sw1.channelPart, 3);

    clickEntry(module, 5); // "E"
    QVERIFY(!channel->isHidden());
    QCOMPARE(selectedIndex(channel), 3);
    QCOMPARE(sw1.modulePart, 40);
    QCOMPARE(sw1.code, 43);

    clickEntry(module, 16); // "P" with channel "10"
    clickEntry(channel, 9);
    QCOMPARE(sw1.code, 159);
}

void TestForm1::backlightingChannelShowsNoBox()
{
    w->findChild<QRadioButton *>("Option2")->click();
    const QList<QWidget *> before = w->findChildren<QWidget *>();
    QList<bool> visibleBefore;
    for (QWidget *x : before)
        visibleBefore << x->isHidden();
    clickEntry(listOf(*w, 41), 2); // "B"
    clickEntry(listOf(*w, 42), 6); // "7"
    QCOMPARE(rec().bl().channelPart, 6);
    QCOMPARE(rec().bl().code, 16);
    for (int i = 0; i < before.size(); ++i)
        QCOMPARE(before[i]->isHidden(), visibleBefore[i]);
}

void TestForm1::focusAloneSelectsNothing()
{
    // Tabbing through the lists must not choose entries: an untouched item stays
    // incomplete.
    QWidget *first = w->findChild<QWidget *>("WRITE_FILE");
    first->setFocus();
    for (int k = 0; k < 25; ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    for (int n = 1; n <= 20; ++n)
        QCOMPARE(selectedIndex(listOf(*w, n)), -1);
    for (const ItemFields &f : rec().items)
        QCOMPARE(f.code, 0);
}

void TestForm1::selectionCannotBeTakenBack()
{
    QListWidget *module = listOf(*w, 1);
    clickEntry(module, 3);
    QListWidgetItem *entry = module->item(3);
    QTest::mouseClick(module->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      module->visualItemRect(entry).center());
    QCOMPARE(selectedIndex(module), 3);
    QTest::keyClick(module, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(selectedIndex(module), 3);
    QCOMPARE(rec().sw(1).code, 20);
}

void TestForm1::lightingViewShowsUntouchedChannelLists()
{
    choose(*w, 12, 0); // LED3 "N/A"
    w->findChild<QRadioButton *>("Option2")->click();
    QVERIFY(w->findChild<QRadioButton *>("Option2")->isChecked());
    for (int n = 1; n <= 20; ++n)
        QVERIFY(listOf(*w, n)->isHidden());
    QVERIFY(!listOf(*w, 24)->isHidden()); // LED2 never touched: channel list shown
    QVERIFY(listOf(*w, 26)->isHidden());  // LED3 on "N/A"
    QVERIFY(!listOf(*w, 41)->isHidden() && !listOf(*w, 42)->isHidden());
    for (int n = 3; n <= 22; ++n)
        QCOMPARE(textOf(*w, n)->isHidden(), n <= 12);
    QCOMPARE(w->findChild<QLabel *>("Label2")->text(), QStringLiteral("LED1"));
    QCOMPARE(w->findChild<QLabel *>("Label13")->text(), QStringLiteral("LED10"));
    QVERIFY(shown("Label14"));
}

void TestForm1::notAssignedStaysHiddenAcrossViews()
{
    clickEntry(listOf(*w, 5), 0); // SW3 "N/A"
    w->findChild<QRadioButton *>("Option2")->click();
    w->findChild<QRadioButton *>("Option1")->click();
    QVERIFY(listOf(*w, 6)->isHidden());
    QVERIFY(!listOf(*w, 4)->isHidden());
    QVERIFY(!shown("Label14"));
    QCOMPARE(w->findChild<QLabel *>("Label2")->text(), QStringLiteral("SW1"));
}

void TestForm1::collectAllNotAssigned()
{
    for (int i = 0; i < 21; ++i)
        choose(*w, i, 0, 4); // a channel left selected is ignored
    w->ShowLightingView();
    w->findChild<QRadioButton *>("Option2")->setChecked(true);
    rec().error_flag = 0;
    w->CollectAssignments();
    QCOMPARE(rec().error_flag, 0);
    for (int i = 0; i < 21; ++i)
        QCOMPARE(rec().output(i), 160);
    QVERIFY(w->findChild<QRadioButton *>("Option1")->isChecked());
    QVERIFY(listOf(*w, 21)->isHidden());
}

void TestForm1::collectCodes()
{
    chooseAll(*w);
    choose(*w, 0, 1, 0);  // A, 1
    choose(*w, 1, 16, 9); // P, 10
    choose(*w, 2, 3, 3);  // C, 4
    rec().error_flag = 0;
    w->CollectAssignments();
    QCOMPARE(rec().error_flag, 0);
    QCOMPARE(rec().sw(1).output, 0);
    QCOMPARE(rec().sw(2).output, 159);
    QCOMPARE(rec().sw(3).output, 23);
    for (int i = 3; i < 21; ++i)
        QCOMPARE(rec().output(i), expectedCodeOfChooseAll(i));
}

void TestForm1::collectStopsAtFirstIncompleteItem()
{
    chooseAll(*w);
    for (int i = 0; i < 20; ++i)
        rec().output(i) = -7;
    setSelectedIndex(listOf(*w, 6), -1);  // SW3 without channel
    setSelectedIndex(listOf(*w, 29), -1); // LED5 without module
    w->findChild<QRadioButton *>("Option2")->click();
    rec().error_flag = 0;
    w->CollectAssignments();
    QCOMPARE(rec().error_flag, 1);
    QCOMPARE(rec().sw(1).output, expectedCodeOfChooseAll(0));
    QCOMPARE(rec().sw(2).output, expectedCodeOfChooseAll(1));
    for (int i = 2; i < 20; ++i)
        QCOMPARE(rec().output(i), -7);
    QVERIFY(w->findChild<QRadioButton *>("Option2")->isChecked()); // view unchanged
    QVERIFY(!listOf(*w, 21)->isHidden());
}

void TestForm1::collectOnlyBacklightingIncomplete()
{
    chooseAll(*w);
    setSelectedIndex(listOf(*w, 41), -1);
    rec().error_flag = 0;
    w->CollectAssignments();
    QCOMPARE(rec().error_flag, 2);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(rec().output(i), expectedCodeOfChooseAll(i));
}

void TestForm1::collectSeesHiddenLists()
{
    chooseAll(*w);
    setSelectedIndex(listOf(*w, 40), -1); // LED10 incomplete, not visible in the switch view
    rec().error_flag = 0;
    w->CollectAssignments();
    QCOMPARE(rec().error_flag, 2);
}

void TestForm1::loadCodesRoundTrip_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("collected");
    QTest::newRow("0") << 0 << 1 << 0;
    QTest::newRow("9") << 9 << 1 << 9;
    QTest::newRow("10") << 10 << 2 << 10;
    QTest::newRow("23") << 23 << 3 << 23;
    QTest::newRow("159") << 159 << 16 << 159;
    QTest::newRow("160") << 160 << 0 << 160;
    QTest::newRow("161") << 161 << 0 << 160;
    QTest::newRow("32767") << 32767 << 0 << 160;
}

void TestForm1::loadCodesRoundTrip()
{
    QFETCH(int, code);
    chooseAll(*w);
    load(4, code); // SW5
    QTEST(selectedIndex(listOf(*w, 9)), "module");
    QCOMPARE(listOf(*w, 10)->isHidden(), code >= 160);
    rec().error_flag = 0;
    w->CollectAssignments();
    QCOMPARE(rec().error_flag, 0);
    QTEST(int(rec().sw(5).output), "collected");
}

void TestForm1::unassignedItemTakesChannelOfPreviousLoad()
{
    load(0, 23);
    load(1, 160);
    QCOMPARE(selectedIndex(listOf(*w, 3)), 0);
    QCOMPARE(selectedIndex(listOf(*w, 4)), 3); // hidden, left on channel "4"
    QVERIFY(listOf(*w, 4)->isHidden());
}

void TestForm1::loadMinusOneLeavesItemIncomplete()
{
    chooseAll(*w);
    load(10, -1); // LED1
    QCOMPARE(selectedIndex(listOf(*w, 21)), 1);
    QCOMPARE(selectedIndex(listOf(*w, 22)), -1);
    rec().error_flag = 0;
    w->CollectAssignments();
    QCOMPARE(rec().error_flag, 2);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
