// The menu bar's commands. Each menu item runs exactly what its button runs; the
// panel commands lock their menu items together with the buttons.

#include "app/form1.h"
#include "files/panel_backup.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QUndoStack>

namespace {
const QString kBackupKey = QStringLiteral("panel/backupBeforeWrite");
} // namespace

void Form1::buildActions()
{
    auto action = [this](const QString &text, const QKeySequence &key, const QString &tip) {
        auto *a = new QAction(text, this);
        a->setShortcut(key);
        a->setStatusTip(tip);
        a->setToolTip(tip);
        return a;
    };
    Actions &a = m_actions;
    a.open = action(tr("&Open…"), QKeySequence::Open, tr("Open a configuration file"));
    connect(a.open, &QAction::triggered, this, &Form1::READ_FILE_Click);
    a.save = action(tr("&Save…"), QKeySequence::Save, tr("Save the configuration to a file"));
    connect(a.save, &QAction::triggered, this, &Form1::WRITE_FILE_Click);
    a.print = action(tr("&Print configuration sheet…"), QKeySequence::Print,
                     tr("Print the configuration sheet of this configuration"));
    connect(a.print, &QAction::triggered, this, &Form1::printSheet);
    a.exportPdf = action(tr("&Export configuration sheet as PDF…"), QKeySequence(),
                         tr("Save the configuration sheet as a PDF file"));
    connect(a.exportPdf, &QAction::triggered, this, &Form1::exportSheetPdf);
    a.quit = action(tr("&Quit"), QKeySequence::Quit, tr("Close the program"));
    a.quit->setMenuRole(QAction::QuitRole);
    connect(a.quit, &QAction::triggered, this, [this] { window()->close(); });

    // Undo and redo follow the stack, and wait while a panel command runs.
    a.undo = action(tr("&Undo"), QKeySequence::Undo, tr("Take back the last change"));
    connect(a.undo, &QAction::triggered, this, [this] {
        if (!m_busy)
            m_undo->undo();
    });
    a.redo = action(tr("&Redo"), QKeySequence(), tr("Make the change taken back again"));
    a.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(a.redo, &QAction::triggered, this, [this] {
        if (!m_busy)
            m_undo->redo();
    });
    connect(m_undo, &QUndoStack::indexChanged, this, &Form1::updateUndoActions);
    updateUndoActions();

    a.read = action(tr("&Read from Panel"), QKeySequence(),
                    tr("Read the configuration stored in the switch panel"));
    connect(a.read, &QAction::triggered, this, &Form1::READ_CONFIG_Click);
    a.write = action(tr("&Write to Panel"), QKeySequence(),
                     tr("Write the configuration into the switch panel"));
    connect(a.write, &QAction::triggered, this, &Form1::WRITE_CONFIG_Click);
    a.compare = action(tr("&Compare with panel"), QKeySequence(Qt::CTRL | Qt::Key_D),
                       tr("Mark every item in which the panel holds something else"));
    connect(a.compare, &QAction::triggered, this, &Form1::comparePanel);
    a.station = action(tr("Programming &station…"), QKeySequence(),
                       tr("Program panel after panel with this configuration"));
    connect(a.station, &QAction::triggered, this, &Form1::openStation);
    a.backup = action(tr("&Back up the panel before writing"), QKeySequence(),
                      tr("Read the panel first and keep what it held as a dated file"));
    a.backup->setCheckable(true); // checked from the settings after the first frame
    connect(a.backup, &QAction::toggled, this, &Form1::setBackupBeforeWrite);
    a.restore = action(tr("Res&tore a backup…"), QKeySequence(),
                       tr("Open a backup of a panel's earlier contents"));
    connect(a.restore, &QAction::triggered, this, &Form1::restoreBackup);

    a.manual = action(tr("&Manual"), QKeySequence::HelpContents, tr("How to use the program"));
    connect(a.manual, &QAction::triggered, this, &Form1::showManual);
    a.about = action(tr("&About"), QKeySequence(), tr("Program name, version and licence"));
    a.about->setMenuRole(QAction::AboutRole);
    connect(a.about, &QAction::triggered, this, &Form1::showAbout);
    buildEditActions();
}

void Form1::buildMenus(QMenuBar *bar)
{
    QMenu *file = bar->addMenu(tr("&File"));
    file->addAction(m_actions.open);
    file->addAction(m_actions.save);
    file->addSeparator();
    file->addAction(m_actions.print);
    file->addAction(m_actions.exportPdf);
    file->addSeparator();
    file->addAction(m_actions.quit);

    QMenu *edit = bar->addMenu(tr("&Edit"));
    edit->addAction(m_actions.undo);
    edit->addAction(m_actions.redo);
    edit->addSeparator();
    addEditActions(edit);

    QMenu *panel = bar->addMenu(tr("&Panel"));
    panel->addAction(m_actions.read);
    panel->addAction(m_actions.write);
    panel->addAction(m_actions.compare);
    panel->addSeparator();
    panel->addAction(m_actions.backup);
    panel->addAction(m_actions.restore);
    panel->addSeparator();
    panel->addAction(m_actions.station);

    QMenu *help = bar->addMenu(tr("&Help"));
    help->addAction(m_actions.manual);
    help->addAction(m_actions.about);
}

void Form1::updateUndoActions()
{
    auto withText = [](const QString &verb, const QString &what) {
        return what.isEmpty() ? verb : verb + QLatin1Char(' ') + what;
    };
    m_actions.undo->setEnabled(m_undo->canUndo() && !m_busy);
    m_actions.undo->setText(withText(tr("&Undo"), m_undo->undoText()));
    m_actions.redo->setEnabled(m_undo->canRedo() && !m_busy);
    m_actions.redo->setText(withText(tr("&Redo"), m_undo->redoText()));
}

bool Form1::backupBeforeWrite() const { return QSettings().value(kBackupKey, true).toBool(); }

void Form1::setBackupBeforeWrite(bool on)
{
    QSettings().setValue(kBackupKey, on);
    if (m_actions.backup)
        m_actions.backup->setChecked(on);
}

QMessageBox::StandardButton Form1::ask(const QString &text, QMessageBox::StandardButtons buttons)
{
    if (askQuestion)
        return askQuestion(text, buttons);
    return QMessageBox::question(this, QGuiApplication::applicationDisplayName(), text, buttons);
}

void Form1::showManual()
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
           "panel holds otherwise; File &gt; Print configuration sheet… documents a panel; Panel "
           "&gt; Programming station… programs panel after panel.</p>"
           "<p>Backups: %1<br>The whole manual: <tt>man switchpanel-config</tt></p>")
            .arg(backup::folder().toHtmlEscaped());
    if (showMessage)
        return showMessage(text, false);
    QMessageBox box(QMessageBox::Information, tr("Manual"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void Form1::showAbout()
{
    const QString text =
        tr("<p><b>%1 %2</b></p><p>Configures the switches, LEDs and backlighting of the "
           "10-button switch panel.</p><p>Copyright 2026 the switchpanel-config developers.<br>"
           "Licence: none has been chosen yet; all rights are reserved by the copyright "
           "holders.</p>")
            .arg(QApplication::applicationName(), QApplication::applicationVersion());
    if (showMessage)
        return showMessage(text, false);
    QMessageBox::about(this, tr("About %1").arg(QApplication::applicationName()), text);
}
