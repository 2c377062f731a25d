#include "main_window.h"

#include "config/settings.h"
#include "files/panel_backup.h"
#include "first_frame.h"
#include "form1.h"
#include "installation_dialog.h"
#include "panel/panel_link.h"
#include "translation.h"
#include "window_placement.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <QUndoStack>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_form(new Form1), m_scroll(new QScrollArea(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(m_form->windowTitle() + QStringLiteral("[*]"));
    // The icon comes from the form once the first frame is out (first_frame.h).
    // The client area's light scheme around it too, so that a window made larger
    // than the client area shows one even ground.
    setPalette(m_form->palette());
    buildActions();
    buildMenus();

    m_scroll->setObjectName(QStringLiteral("ClientScroll"));
    m_scroll->setWidgetResizable(false);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(m_form);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(m_scroll);

    connect(m_form, &Form1::modifiedChanged, this, &QWidget::setWindowModified);
    // The control that takes the keyboard focus is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && m_form->isAncestorOf(now))
            m_scroll->ensureWidgetVisible(now, 8, 8);
    });
    // The backup setting shows once the first frame is out, with the other
    // settings the first frame does not need.
    afterFirstFrame(this, [this] {
        const QSignalBlocker quiet(m_actions.backup); // shows the setting, changes nothing
        m_actions.backup->setChecked(m_form->backupBeforeWrite());
    });
}

// Nothing reaches the window while its client area is destroyed: neither the
// focus changes nor the undo stack's last signals.
MainWindow::~MainWindow()
{
    // An installation still being audited ends its reads while the window's
    // traffic log, which they write to, is still there.
    delete m_installation;
    disconnect(qApp, nullptr, this, nullptr);
    m_form->undoStack()->disconnect(this);
    m_form->disconnect(this);
}

void MainWindow::buildActions()
{
    auto action = [this](const QString &text, const QKeySequence &key, const QString &tip) {
        auto *a = new QAction(text, this);
        a->setShortcut(key);
        a->setStatusTip(tip);
        a->setToolTip(tip);
        return a;
    };
    Form1 *f = m_form;
    Actions &a = m_actions;
    a.open = action(tr("&Open…"), QKeySequence::Open, tr("Open a configuration file"));
    connect(a.open, &QAction::triggered, f, &Form1::READ_FILE_Click);
    a.openInstallation =
        action(tr("Open &installation…"), QKeySequence(),
               tr("Audit, restore and look back on every panel of a site's inventory"));
    connect(a.openInstallation, &QAction::triggered, this,
            qOverload<>(&MainWindow::openInstallation));
    a.save = action(tr("&Save…"), QKeySequence::Save, tr("Save the configuration to a file"));
    connect(a.save, &QAction::triggered, f, &Form1::WRITE_FILE_Click);
    a.compareFile =
        action(tr("&Compare with file…"), QKeySequence(),
               tr("Mark every item in which a configuration file holds something else"));
    connect(a.compareFile, &QAction::triggered, f, qOverload<>(&Form1::compareWithFile));
    a.exportCsv = action(tr("Export as sprea&dsheet…"), QKeySequence(),
                         tr("Save the configuration as a CSV file, one row per item"));
    connect(a.exportCsv, &QAction::triggered, f, &Form1::exportSpreadsheet);
    a.print = action(tr("&Print configuration sheet…"), QKeySequence::Print,
                     tr("Print the configuration sheet of this configuration"));
    connect(a.print, &QAction::triggered, f, &Form1::printSheet);
    a.exportPdf = action(tr("&Export configuration sheet as PDF…"), QKeySequence(),
                         tr("Save the configuration sheet as a PDF file"));
    connect(a.exportPdf, &QAction::triggered, f, &Form1::exportSheetPdf);
    a.quit = action(tr("&Quit"), QKeySequence::Quit, tr("Close the program"));
    a.quit->setMenuRole(QAction::QuitRole);
    connect(a.quit, &QAction::triggered, this, &QWidget::close);

    // Undo and redo name the step they take back or make again.
    a.undo = f->undoStack()->createUndoAction(this, tr("&Undo"));
    a.undo->setShortcut(QKeySequence::Undo);
    a.undo->setStatusTip(tr("Take back the last change"));
    a.redo = f->undoStack()->createRedoAction(this, tr("&Redo"));
    a.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    a.redo->setStatusTip(tr("Make the change taken back again"));

    a.copy = action(tr("&Copy item"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                    tr("Copy the module, channel and designation of the item with the focus"));
    connect(a.copy, &QAction::triggered, f, &Form1::copyItem);
    a.paste = action(tr("&Paste item"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
                     tr("Give the item with the focus the copied module, channel and designation"));
    connect(a.paste, &QAction::triggered, f, &Form1::pasteItem);
    a.swap = action(tr("S&wap with…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
                    tr("Exchange the item with the focus with another item of its view"));
    connect(a.swap, &QAction::triggered, f, &Form1::swapItem);
    a.clear = action(tr("C&lear item"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete),
                     tr("Set the item with the focus to N/A with an empty designation"));
    connect(a.clear, &QAction::triggered, f, &Form1::clearItem);
    a.fillNotAssigned = action(tr("Set all &empty items to N/A"), QKeySequence(),
                               tr("Set every item without a module and channel to N/A"));
    connect(a.fillNotAssigned, &QAction::triggered, f, &Form1::setEmptyItemsToNotAssigned);

    a.read = action(tr("&Read from Panel"), QKeySequence(),
                    tr("Read the configuration stored in the switch panel"));
    connect(a.read, &QAction::triggered, f, &Form1::READ_CONFIG_Click);
    a.write = action(tr("&Write to Panel"), QKeySequence(),
                     tr("Write the configuration into the switch panel"));
    connect(a.write, &QAction::triggered, f, &Form1::WRITE_CONFIG_Click);
    a.compare = action(tr("&Compare with panel"), QKeySequence(Qt::CTRL | Qt::Key_D),
                       tr("Mark every item in which the panel holds something else"));
    connect(a.compare, &QAction::triggered, f, &Form1::comparePanel);
    a.station = action(tr("Programming &station…"), QKeySequence(),
                       tr("Program panel after panel with this configuration"));
    connect(a.station, &QAction::triggered, f, &Form1::openStation);
    a.backup = action(tr("&Back up the panel before writing"), QKeySequence(),
                      tr("Read the panel first and keep what it held as a dated file"));
    a.backup->setCheckable(true); // checked from the settings after the first frame
    connect(a.backup, &QAction::toggled, f, &Form1::setBackupBeforeWrite);
    a.restore = action(tr("Res&tore a backup…"), QKeySequence(),
                       tr("Open a backup of a panel's earlier contents"));
    connect(a.restore, &QAction::triggered, f, &Form1::restoreBackup);

    a.manual = action(tr("&Manual"), QKeySequence::HelpContents, tr("How to use the program"));
    connect(a.manual, &QAction::triggered, this, &MainWindow::showManual);
    a.about = action(tr("&About"), QKeySequence(), tr("Program name, version and licence"));
    a.about->setMenuRole(QAction::AboutRole);
    connect(a.about, &QAction::triggered, this, &MainWindow::showAbout);

    // The stack enables undo and redo as it changes; while a panel command runs
    // they wait with the commands that follow the transfer.
    connect(f, &Form1::busyChanged, this, &MainWindow::updateActions);
    connect(f, &Form1::currentItemChanged, this, &MainWindow::updateActions);
    connect(f->undoStack(), &QUndoStack::canUndoChanged, this, &MainWindow::updateActions);
    connect(f->undoStack(), &QUndoStack::canRedoChanged, this, &MainWindow::updateActions);
    updateActions();
}

void MainWindow::updateActions()
{
    const Actions &a = m_actions;
    const bool idle = !m_form->isBusy();
    for (QAction *action : {a.open, a.openInstallation, a.save, a.compareFile, a.read, a.write,
                            a.restore, a.fillNotAssigned})
        action->setEnabled(idle);
    a.undo->setEnabled(idle && m_form->undoStack()->canUndo());
    a.redo->setEnabled(idle && m_form->undoStack()->canRedo());
    for (QAction *action : {a.copy, a.paste, a.swap, a.clear})
        action->setEnabled(m_form->canEditItem());
}

void MainWindow::buildMenus()
{
    const Actions &a = m_actions;
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addActions({a.open, a.save});
    file->addSeparator();
    file->addAction(a.openInstallation);
    file->addSeparator();
    file->addActions({a.compareFile, a.exportCsv});
    file->addSeparator();
    file->addActions({a.print, a.exportPdf});
    file->addSeparator();
    file->addAction(a.quit);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({a.undo, a.redo});
    edit->addSeparator();
    edit->addActions({a.copy, a.paste, a.swap, a.clear});
    edit->addSeparator();
    edit->addAction(a.fillNotAssigned);

    QMenu *panel = menuBar()->addMenu(tr("&Panel"));
    panel->addActions({a.read, a.write, a.compare});
    panel->addSeparator();
    panel->addActions({a.backup, a.restore});
    panel->addSeparator();
    panel->addAction(a.station);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addActions({a.manual, a.about});
    help->addSeparator();
    buildLanguageMenu(help);
}

// Help > Language: the system's language, or English or a translation, each
// named in its own language.
void MainWindow::buildLanguageMenu(QMenu *help)
{
    QMenu *menu = help->addMenu(tr("&Language"));
    auto *group = new QActionGroup(menu);
    const QString chosen = settings::language();
    struct Choice {
        QString code, text;
    };
    const Choice choices[] = {
        {QString(), tr("&System language")},
        {QStringLiteral("en"), QStringLiteral("&English")},       // untranslated: its own name
        {QStringLiteral("de"), QStringLiteral("&Deutsch")},       // untranslated: its own name
        {QStringLiteral("fr"), QStringLiteral("&Fran\u00e7ais")}, // untranslated: its own name
    };
    for (const Choice &c : choices) {
        QAction *action = menu->addAction(c.text);
        action->setCheckable(true);
        action->setChecked(c.code == chosen ||
                           (c.code.isEmpty() && !translation::languages().contains(chosen) &&
                            chosen != QLatin1String("en")));
        action->setActionGroup(group);
        action->setStatusTip(tr("Show the window in this language from the next start"));
        connect(action, &QAction::triggered, this, [this, code = c.code] { chooseLanguage(code); });
    }
}

void MainWindow::chooseLanguage(const QString &code)
{
    settings::setLanguage(code);
    // Said in the window's language and, when it differs, in the language chosen.
    static const char kText[] =
        QT_TR_NOOP("The language is changed when the program is started again.");
    QString text = tr(kText);
    const QString next = translation::chooseLanguage(code, QLocale::system().uiLanguages());
    QString inNext = QString::fromLatin1(kText);
    QTranslator translator;
    if (translation::languages().contains(next) &&
        translator.load(QStringLiteral("switchpanel-config_") + next, QStringLiteral(":/i18n")))
        inNext = translator.translate("MainWindow", kText);
    if (!inNext.isEmpty() && inNext != text)
        text += QStringLiteral("\n\n") + inNext;
    if (m_form->showMessage)
        return m_form->showMessage(text, false);
    QMessageBox::information(this, tr("Language"), text);
}

InstallationDialog *MainWindow::installationDialog() const { return m_installation; }

void MainWindow::openInstallation()
{
    if (m_form->isBusy())
        return;
    // One installation at a time: one still being audited is brought forward.
    if (m_installation && m_installation->isBusy()) {
        m_installation->raise();
        m_installation->activateWindow();
        return;
    }
    Form1::FileDialogRequest request;
    request.title = tr("OPEN INSTALLATION");
    request.filter = tr("INVENTORIES (*.csv);;ALL FILES (*)");
    request.folder = settings::lastFolder();
    request.suffix = QStringLiteral("csv");
    QString path;
    if (m_form->chooseFile) {
        path = m_form->chooseFile(request);
    } else {
        QFileDialog dialog(this, request.title, request.folder, request.filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().constFirst();
    }
    if (!path.isEmpty())
        openInstallation(path);
}

bool MainWindow::openInstallation(const QString &path)
{
    const site::InventoryRead read = site::readInventory(path);
    if (!read.inventory) {
        const site::InventoryProblem &p = read.problem;
        const QString shown = QDir::toNativeSeparators(path);
        const QString why = translation::describe(p);
        // A problem of the whole file (it is missing, a folder, too large) has no line.
        const QString where = p.column > 0 ? tr("LINE %1, COLUMN %2").arg(p.line).arg(p.column)
                                           : tr("LINE %1").arg(p.line);
        m_form->showMessageBox(
            p.line > 0 ? tr("THE INVENTORY CANNOT BE USED:\n%1\n\n%2: %3").arg(shown, where, why)
                       : tr("THE INVENTORY CANNOT BE USED:\n%1\n\n%2").arg(shown, why),
            true);
        return false;
    }
    if (m_installation && m_installation->isBusy())
        return false;
    if (m_installation)
        m_installation->close();
    auto *dialog = new InstallationDialog(*read.inventory, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->windowPort = [this] { return m_form->selectedPort(); };
    dialog->trafficLog = m_form->link().trafficLog();
    dialog->openInWindow = [this](const QString &file) {
        if (m_form->isBusy() || !m_form->maybeSaveChanges())
            return false;
        const bool opened = m_form->openFile(file);
        if (opened) {
            raise();
            activateWindow();
        }
        return opened;
    };
    m_installation = dialog;
    dialog->show();
    dialog->activateWindow();
    return true;
}

void MainWindow::showManual()
{
    const QString text =
        tr("<p><b>Assign</b> each switch, LED and the backlighting a module (A to P) and a channel "
           "(1 to 10), or N/A, in the two views; type a designation for each switch and LED and a "
           "panel name.</p>"
           "<p><b>WRITE CONFIGURATION TO SWITCH PANEL</b> programs the panel on the serial port "
           "chosen under it (or behind the device server typed there, tcp://HOST:PORT or "
           "rfc2217://HOST:PORT) and reads every cell back. Before it writes, it keeps what the "
           "panel held in the backup folder (Panel &gt; Back up the panel before writing); Panel "
           "&gt; Restore a backup… opens one.</p>"
           "<p><b>READ CONFIGURATION FROM SWITCH PANEL</b> shows what a panel holds. "
           "<b>SAVE</b> and <b>OPEN CONFIGURATION FILE</b> keep configurations in .qcf files. "
           "Edit &gt; Undo takes back any change, an open or a read included; Edit also copies, "
           "pastes, swaps and clears items. Panel &gt; Compare with panel outlines every item the "
           "panel holds otherwise, File &gt; Compare with file… every item a file holds "
           "otherwise; File &gt; Export as spreadsheet… writes a CSV file to edit in a "
           "spreadsheet and bring back with <tt>--import-csv</tt>; File &gt; Print configuration "
           "sheet… documents a panel; Panel "
           "&gt; Programming station… programs panel after panel. File &gt; Open installation… "
           "audits every panel of a site's inventory (a CSV file with the columns panel, "
           "location, port and file) against its file, keeps what each panel held in its "
           "history, and restores a panel by name.</p>"
           "<p>Backups: %1<br>The whole manual: <tt>man switchpanel-config</tt></p>")
            .arg(backup::folder().toHtmlEscaped());
    if (m_form->showMessage)
        return m_form->showMessage(text, false);
    QMessageBox box(QMessageBox::Information, tr("Manual"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void MainWindow::showAbout()
{
    const QString text =
        tr("<p><b>%1 %2</b></p><p>Configures the switches, LEDs and backlighting of the "
           "10-button switch panel.</p><p>Copyright 2026 the switchpanel-config developers.<br>"
           "Licence: none has been chosen yet; all rights are reserved by the copyright "
           "holders.</p>")
            .arg(QApplication::applicationName(), QApplication::applicationVersion());
    if (m_form->showMessage)
        return m_form->showMessage(text, false);
    QMessageBox::about(this, tr("About %1").arg(QApplication::applicationName()), text);
}

QSize MainWindow::fittedSize(const QRect &available, const QSize &frameMargins) const
{
    const int menuHeight = menuBar()->sizeHint().height();
    QSize wanted = m_form->size() + QSize(0, menuHeight);
    const QSize room = available.size() - frameMargins;
    // Where one direction must scroll, its scroll bar takes room from the other.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    if (wanted.height() > room.height())
        wanted.rwidth() += bar;
    if (wanted.width() > room.width())
        wanted.rheight() += bar;
    return wanted.boundedTo(room);
}

void MainWindow::fitToScreen()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(fittedSize(available, frame));
    placeOnScreen(*this);
    m_fitOnShow = !isVisible();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_fitOnShow)
        return;
    m_fitOnShow = false;
    // The menu bar's height is known for sure once it is laid out: where it came
    // out taller than its size hint said (Windows styles), the client area of a
    // window sized by fitToScreen() would scroll by a few pixels. The window grows
    // by what is missing, within the screen.
    QTimer::singleShot(0, this, [this] {
        const QSize missing =
            (m_form->size() - m_scroll->maximumViewportSize()).expandedTo(QSize(0, 0));
        const QScreen *screen = this->screen();
        if ((missing.width() == 0 && missing.height() == 0) || !screen)
            return;
        const QSize frame = frameGeometry().size() - geometry().size();
        resize((size() + missing).boundedTo(screen->availableGeometry().size() - frame));
    });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Asked once: the second close, once the installation has ended, closes.
    if (!m_closingAfterInstallation && !m_form->maybeSaveChanges()) {
        event->ignore(); // cancelled: everything stays, a running transfer included
        return;
    }
    m_form->stopTransfer();
    // An installation that reads panels or restores one lets them end first, as
    // closing the dialog itself does: a panel is never left half written. The
    // window stays until the dialog has closed, then closes.
    if (m_installation && m_installation->isBusy()) {
        if (!m_closingAfterInstallation) {
            m_closingAfterInstallation = true;
            connect(m_installation, &QDialog::finished, this, &QWidget::close,
                    Qt::QueuedConnection);
        }
        m_installation->close();
        event->ignore();
        return;
    }
    m_closingAfterInstallation = false;
    event->accept();
}
