#include "installation_dialog.h"

#include "app_icon.h"
#include "dialog_fit.h"
#include "focus_ring.h"
#include "light_scheme.h"
#include "panel/memory_map.h"
#include "status_colour.h"
#include "translation.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kNoPortGround(224, 224, 224);
constexpr int kRowsWanted = 16; // rows shown without scrolling where the screen has room

// The inventory's table asks for room for its columns and up to kRowsWanted
// rows, so that the dialog comes out that large where the screen has room.
class InventoryTable : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        int width = verticalHeader()->sizeHint().width() + frame + bar;
        for (int c = 0; c < columnCount(); ++c)
            width += columnWidth(c);
        const int rows = qMin(rowCount(), kRowsWanted);
        const int height = horizontalHeader()->sizeHint().height() +
                           rows * verticalHeader()->defaultSectionSize() + frame + bar;
        return QSize(width, height);
    }
};

QString nativePort(const QString &port) { return QDir::toNativeSeparators(port); }

} // namespace

InstallationDialog::InstallationDialog(site::Inventory inventory, QWidget *parent)
    : QDialog(parent), m_inventory(std::move(inventory))
{
    setWindowTitle(tr("INSTALLATION: %1").arg(QFileInfo(m_inventory.path).fileName()));
    setWindowIcon(appIcon());
    setPalette(lightScheme());
    buildTable();
    buildButtons();
    arrange();
    new FocusRing(this);
    m_table->setFocus();
    if (m_table->rowCount() > 0)
        m_table->setCurrentCell(0, Panel);
    updateButtons();
    showState();
    fitDialogToScreen(*this);
}

InstallationDialog::~InstallationDialog()
{
    // Destroyed with the window while panels are read (the window waits for them
    // when it is closed, so only when the program ends otherwise): the audit ends
    // its reads, the restore its write, and nothing is shown here any more.
    if (m_audit)
        m_audit->disconnect(this);
    if (m_restore)
        m_restore->disconnect(this);
}

bool InstallationDialog::isBusy() const
{
    return (m_audit && m_audit->isRunning()) || (m_restore && m_restore->isRunning());
}

void InstallationDialog::buildTable()
{
    m_caption =
        new QLabel(tr("&PANELS OF %1:").arg(QDir::toNativeSeparators(m_inventory.path)), this);
    // A long path never makes the dialog wider than the screen.
    m_caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_caption->setToolTip(QDir::toNativeSeparators(m_inventory.path));

    m_table = new InventoryTable(int(m_inventory.rows.size()), ColumnCount, this);
    m_caption->setBuddy(m_table);
    QString name = m_caption->text().remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    m_table->setAccessibleName(name.trimmed());
    m_table->setHorizontalHeaderLabels({tr("PANEL"), tr("LOCATION"), tr("PORT"), tr("FILE"),
                                        tr("LAST AUDIT"), tr("TIME"), tr("DIFFERING ITEMS")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false); // Tab goes on to the buttons
    m_table->setWordWrap(false);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < m_inventory.rows.size(); ++row) {
        const site::InventoryRow &r = m_inventory.rows[row];
        setCell(row, Panel, r.panel);
        setCell(row, Location, r.location);
        setCell(row, Port, nativePort(r.port));
        setCell(row, File, QDir::toNativeSeparators(r.file));
        m_table->item(row, File)->setToolTip(QDir::toNativeSeparators(r.filePath));
        setCell(row, Result, QString());
        setCell(row, Time, QString());
        setCell(row, Differences, QString());
    }
    m_table->resizeColumnsToContents();
    // Room for a state while a panel is read, and for a time, before there is one.
    const QFontMetrics metrics(m_table->font());
    m_table->setColumnWidth(
        Result, qMax(m_table->columnWidth(Result),
                     metrics.horizontalAdvance(tr("READING CELL %1 OF %2").arg(21).arg(21)) + 16));
    m_table->setColumnWidth(Time, qMax(m_table->columnWidth(Time),
                                       metrics.horizontalAdvance(QLocale().toString(
                                           QDateTime::currentDateTime(), QLocale::ShortFormat)) +
                                           16));
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &InstallationDialog::updateButtons);
    connect(m_table, &QTableWidget::cellActivated, this, [this] { showHistory(); });
}

QPushButton *InstallationDialog::addButton(const QString &text, const QString &tip)
{
    auto *button = new QPushButton(text, this);
    button->setToolTip(tip);
    button->setAutoDefault(false); // Enter in the table opens the history instead
    m_buttonRows->addButton(button);
    return button;
}

void InstallationDialog::buildButtons()
{
    m_stateLabel = new QLabel(this);
    m_stateLabel->setWordWrap(true);
    m_stateLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_stateLabel->font();
    bold.setBold(true);
    m_stateLabel->setFont(bold);

    m_buttonRows = new ButtonRows(this);
    m_auditAllButton = addButton(tr("&AUDIT ALL"), tr("READ EVERY PANEL THAT HAS A PORT AND "
                                                      "COMPARE IT WITH ITS FILE"));
    m_auditSelectedButton = addButton(
        tr("AUDIT &SELECTED"), tr("READ THE SELECTED PANELS AND COMPARE EACH WITH ITS FILE"));
    m_restoreButton = addButton(tr("&RESTORE SELECTED"),
                                tr("WRITE ITS FILE INTO THE SELECTED PANEL, KEEPING WHAT IT "
                                   "HOLDS IN ITS HISTORY FIRST"));
    m_openButton =
        addButton(tr("&OPEN FILE IN WINDOW"), tr("OPEN THE SELECTED PANEL'S FILE IN THE WINDOW"));
    m_historyButton = addButton(tr("&HISTORY..."),
                                tr("WHAT THE SELECTED PANEL HELD, BY DATE; ONE CAN BE OPENED"));
    m_stopButton = addButton(tr("S&TOP"), tr("STOP AFTER THE READS IN PROGRESS"));
    m_closeButton = addButton(tr("&CLOSE"), tr("CLOSE THIS WINDOW AFTER THE READS IN PROGRESS"));
    connect(m_auditAllButton, &QPushButton::clicked, this, &InstallationDialog::auditAll);
    connect(m_auditSelectedButton, &QPushButton::clicked, this, &InstallationDialog::auditSelected);
    connect(m_restoreButton, &QPushButton::clicked, this, &InstallationDialog::restoreSelected);
    connect(m_openButton, &QPushButton::clicked, this, &InstallationDialog::openSelectedFile);
    connect(m_historyButton, &QPushButton::clicked, this, &InstallationDialog::showHistory);
    connect(m_stopButton, &QPushButton::clicked, this, &InstallationDialog::stop);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

// The table takes what room there is and scrolls; the state line and the
// buttons below it stay in reach.
void InstallationDialog::arrange()
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_stateLabel);
    layout->addWidget(m_buttonRows);
}

QList<int> InstallationDialog::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void InstallationDialog::selectRows(const QList<int> &rows)
{
    m_table->clearSelection();
    for (int row : rows)
        m_table->selectionModel()->select(m_table->model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (!rows.isEmpty())
        m_table->selectionModel()->setCurrentIndex(m_table->model()->index(rows.first(), 0),
                                                   QItemSelectionModel::NoUpdate);
}

QString InstallationDialog::portOf(int row) const
{
    const QString port = m_inventory.rows[row].port;
    if (!port.isEmpty() || !windowPort)
        return port;
    return windowPort();
}

void InstallationDialog::auditAll()
{
    QList<int> rows;
    for (int row = 0; row < m_inventory.rows.size(); ++row)
        rows << row;
    startAudit(rows);
}

void InstallationDialog::auditSelected() { startAudit(selectedRows()); }

void InstallationDialog::startAudit(const QList<int> &rows)
{
    if (isBusy() || rows.isEmpty())
        return;
    m_audit = std::make_unique<site::Audit>(m_inventory);
    m_audit->setTrafficLog(trafficLog);
    m_audit->setRows(rows.size() == m_inventory.rows.size() ? QList<int>() : rows);
    // One panel without a port of its own is read through the window's port, as
    // --port does on the command line.
    if (rows.size() == 1 && m_inventory.rows[rows.first()].port.isEmpty() && windowPort)
        m_audit->setPort(windowPort());
    connect(m_audit.get(), &site::Audit::panelStarted, this, [this](int row) {
        showRowState(row, tr("READING"), statusColour(statustext::kRunning));
    });
    connect(m_audit.get(), &site::Audit::cellRead, this, [this](int row, int cell) {
        showRowState(row, tr("READING CELL %1 OF %2").arg(cell).arg(memory_map::kCellCount),
                     statusColour(statustext::kRunning));
    });
    connect(m_audit.get(), &site::Audit::panelFinished, this, &InstallationDialog::onPanelFinished);
    connect(m_audit.get(), &site::Audit::finished, this, &InstallationDialog::onAuditFinished);

    m_counts = {};
    m_auditTotal = int(rows.size());
    m_restoreText.clear();
    m_stopping = false;
    for (int row : rows) {
        showRowState(row, tr("WAITING"));
        setCell(row, Differences, QString());
    }
    m_audit->start();
    updateButtons();
    showState();
    m_stopButton->setFocus();
}

void InstallationDialog::onPanelFinished(const site::PanelResult &result)
{
    const int row = result.row;
    if (row < 0 || row >= m_table->rowCount())
        return;
    ++m_counts.audited;
    QString text;
    QColor ground = statusColour(statustext::kFailed);
    switch (result.verdict) {
    case site::Verdict::Holds:
        ++m_counts.holds;
        text = tr("HOLDS ITS CONFIGURATION");
        ground = statusColour(statustext::kDone);
        break;
    case site::Verdict::Differs:
        ++m_counts.differs;
        text = tr("DIFFERS");
        break;
    case site::Verdict::Unreachable:
        ++m_counts.unreachable;
        text = tr("UNREACHABLE: %1").arg(translation::auditReason(result));
        break;
    case site::Verdict::NoFile:
        ++m_counts.noFile;
        text = tr("NO FILE: %1").arg(translation::auditReason(result));
        break;
    case site::Verdict::NoPort:
        ++m_counts.noPort;
        text = tr("NO PORT");
        ground = kNoPortGround;
        break;
    }
    if (result.historyProblem.failed()) {
        ++m_counts.historyNotKept;
        text += QStringLiteral(" - ") +
                tr("HISTORY NOT KEPT: %1").arg(translation::describe(result.historyProblem));
    }
    showRowState(row, text, ground);
    setCell(row, Time,
            result.time.isValid() ? QLocale().toString(result.time, QLocale::ShortFormat)
                                  : QString());
    QStringList items;
    for (const panelcompare::Difference &d : result.differences)
        items << tr("%1 (FILE %2, PANEL %3)")
                     .arg(assignment::item(d.item).name(), panelcompare::assignmentText(d.ours),
                          panelcompare::assignmentText(d.panel));
    setCell(row, Differences, items.join(QStringLiteral(", ")));
    showState();
}

void InstallationDialog::onAuditFinished()
{
    // Rows chosen but never started (stopped before their turn) show nothing.
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (m_table->item(row, Result)->text() == tr("WAITING"))
            showRowState(row, QString());
    m_stopping = false;
    if (m_stopButton->hasFocus() || !focusWidget() || !focusWidget()->isEnabled())
        m_table->setFocus();
    // Once the audit's own call has returned.
    QTimer::singleShot(0, this, [this] {
        m_audit.reset();
        updateButtons();
        showState();
        closeIfPending();
    });
    updateButtons();
    showState();
}

void InstallationDialog::restoreSelected()
{
    const QList<int> rows = selectedRows();
    if (isBusy() || rows.size() != 1)
        return;
    const int row = rows.first();
    const site::InventoryRow &r = m_inventory.rows[row];
    const QString port = portOf(row);
    if (port.isEmpty()) {
        say(tr("PANEL %1 HAS NO PORT: CHOOSE THE PORT IT IS CONNECTED TO IN THE WINDOW")
                .arg(r.panel),
            true);
        return;
    }
    const QString question =
        tr("WRITE THE FILE %1 INTO PANEL %2 ON PORT %3?\n\nWHAT THE PANEL HOLDS NOW IS KEPT IN "
           "ITS HISTORY FIRST.")
            .arg(QDir::toNativeSeparators(r.filePath), r.panel, nativePort(port));
    if (ask(question, QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes)
        return;

    m_restore = std::make_unique<site::Restore>(m_inventory, row);
    m_restore->setTrafficLog(trafficLog);
    if (r.port.isEmpty())
        m_restore->setPort(port);
    m_restoreRow = row;
    m_restoreText.clear();
    connect(m_restore.get(), &site::Restore::cellWritten, this, [this](int cell) {
        showRowState(m_restoreRow,
                     tr("WRITING CELL %1 OF %2").arg(cell).arg(memory_map::kCellCount),
                     statusColour(statustext::kRunning));
    });
    connect(m_restore.get(), &site::Restore::finished, this,
            &InstallationDialog::onRestoreFinished);
    showRowState(row, tr("RESTORING"), statusColour(statustext::kRunning));
    m_restore->start();
    updateButtons();
    showState();
}

void InstallationDialog::onRestoreFinished(const site::RestoreResult &result)
{
    const int row = m_restoreRow;
    QString text = result.problem.failed() ? translation::describe(result.problem)
                   : result.ending         ? translation::describe(*result.ending)
                   : result.openFailure    ? translation::describe(*result.openFailure)
                                           : result.statusText;
    if (result.historyProblem.failed())
        text += QStringLiteral(" - ") +
                tr("HISTORY NOT KEPT: %1").arg(translation::describe(result.historyProblem));
    showRowState(row, text,
                 statusColour(result.programmed ? statustext::kDone : statustext::kFailed));
    setCell(row, Time, QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
    if (result.programmed)
        setCell(row, Differences, QString());
    m_restoreText = tr("RESTORE OF %1: %2").arg(m_inventory.rows[row].panel, text);
    QTimer::singleShot(0, this, [this] {
        m_restore.reset();
        m_restoreRow = -1;
        updateButtons();
        showState();
        closeIfPending();
    });
}

void InstallationDialog::openSelectedFile()
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 1 || !openInWindow)
        return;
    openInWindow(m_inventory.rows[rows.first()].filePath);
}

void InstallationDialog::showHistory()
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    const QString panel = m_inventory.rows[rows.first()].panel;
    const QList<site::KeptCopy> copies = site::keptCopies(m_inventory, panel);

    auto *dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("HISTORY OF %1").arg(panel));
    auto *caption =
        new QLabel(copies.isEmpty() ? tr("NO COPY OF PANEL %1 IS KEPT YET").arg(panel)
                                    : tr("&KEPT COPIES OF PANEL %1, NEWEST FIRST:").arg(panel),
                   dialog);
    caption->setWordWrap(true);
    auto *list = new QListWidget(dialog);
    caption->setBuddy(list);
    QString listName = caption->text().remove(QLatin1Char('&'));
    if (listName.endsWith(QLatin1Char(':')))
        listName.chop(1);
    list->setAccessibleName(listName.trimmed());
    for (const site::KeptCopy &copy : copies) {
        auto *item = new QListWidgetItem(QLocale().toString(copy.time, QLocale::LongFormat), list);
        item->setData(Qt::UserRole, copy.path);
        item->setToolTip(QDir::toNativeSeparators(copy.path));
    }
    list->setCurrentRow(0);
    // The dates whole, where the screen has room for them.
    const int dates = list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    list->setMinimumWidth(qMin(dates, screen()->availableGeometry().width() * 3 / 4));
    auto *buttons = new ButtonRows(dialog);
    auto *open = new QPushButton(tr("&OPEN IN WINDOW"), dialog);
    open->setToolTip(tr("OPEN THIS COPY IN THE WINDOW"));
    open->setEnabled(!copies.isEmpty() && openInWindow);
    open->setDefault(true);
    auto *close = new QPushButton(tr("&CLOSE"), dialog);
    close->setAutoDefault(false);
    buttons->addButton(open);
    buttons->addButton(close);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(caption);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    auto openCopy = [this, list, dialog] {
        if (!list->currentItem() || !openInWindow)
            return;
        if (openInWindow(list->currentItem()->data(Qt::UserRole).toString()))
            dialog->accept();
    };
    connect(open, &QPushButton::clicked, dialog, openCopy);
    connect(list, &QListWidget::itemActivated, dialog, openCopy);
    connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    list->setFocus();
    fitDialogToScreen(*dialog);
    dialog->open();
}

void InstallationDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    updateButtons(); // the hooks are set by now
    if (m_placed)
        return;
    m_placed = true;
    // Once the window manager has framed it, the frame is known.
    QTimer::singleShot(0, this, [this] { fitDialogToScreen(*this); });
}

void InstallationDialog::stop()
{
    if (!m_audit || !m_audit->isRunning())
        return;
    m_audit->stop();
    m_stopping = true;
    updateButtons();
    showState();
}

// Closing (CLOSE, Escape, the title bar) stops the audit first; the dialog stays
// until the reads in progress, and a restore in progress, have ended.
void InstallationDialog::done(int result)
{
    if (isBusy()) {
        m_closePending = true;
        stop();
        showState();
        return;
    }
    QDialog::done(result);
}

void InstallationDialog::closeIfPending()
{
    if (!m_closePending || isBusy())
        return;
    m_closePending = false;
    QDialog::done(QDialog::Rejected);
}

void InstallationDialog::setCell(int row, Column column, const QString &text)
{
    QTableWidgetItem *item = m_table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_table->setItem(row, column, item);
    }
    item->setText(text);
    if (column != File)
        item->setToolTip(text);
}

void InstallationDialog::showRowState(int row, const QString &text, const QColor &ground)
{
    if (row < 0 || row >= m_table->rowCount())
        return;
    setCell(row, Result, text);
    QTableWidgetItem *item = m_table->item(row, Result);
    item->setBackground(ground.isValid() ? QBrush(ground) : QBrush());
    // Black on the status grounds, whatever the theme's text colour.
    item->setForeground(ground.isValid() ? QBrush(Qt::black) : QBrush());
}

void InstallationDialog::showState()
{
    QString text;
    const bool auditing = m_audit && m_audit->isRunning();
    if (m_closePending && isBusy()) {
        text = tr("CLOSING AFTER THE PANELS IN PROGRESS");
    } else if (auditing && m_stopping) {
        text = tr("STOPPING AFTER THE READS IN PROGRESS");
    } else if (auditing) {
        text = tr("AUDITING: %1 OF %2 PANELS DONE").arg(m_counts.audited).arg(m_auditTotal);
    } else if (m_restore) {
        text = m_restoreText.isEmpty()
                   ? tr("RESTORING PANEL %1").arg(m_inventory.rows[m_restoreRow].panel)
                   : m_restoreText;
    } else if (!m_restoreText.isEmpty()) {
        text = m_restoreText;
    } else if (m_counts.audited > 0) {
        text = tr("%1 HOLD THEIR CONFIGURATION, %2 DIFFER, %3 UNREACHABLE, %4 WITHOUT FILE, "
                  "%5 WITHOUT PORT")
                   .arg(m_counts.holds)
                   .arg(m_counts.differs)
                   .arg(m_counts.unreachable)
                   .arg(m_counts.noFile)
                   .arg(m_counts.noPort);
        if (m_counts.historyNotKept > 0)
            text += QStringLiteral(" - ") +
                    tr("HISTORY NOT KEPT FOR %1 PANELS").arg(m_counts.historyNotKept);
    } else {
        text = tr("PANELS IN THE INVENTORY: %1").arg(m_inventory.rows.size());
    }
    m_stateLabel->setText(text);
    m_stateLabel->setAccessibleName(text);
}

void InstallationDialog::updateButtons()
{
    const bool busy = isBusy();
    const int selected = int(selectedRows().size());
    m_auditAllButton->setEnabled(!busy && !m_inventory.rows.isEmpty());
    m_auditSelectedButton->setEnabled(!busy && selected > 0);
    m_restoreButton->setEnabled(!busy && selected == 1);
    m_openButton->setEnabled(selected == 1 && openInWindow);
    m_historyButton->setEnabled(selected == 1);
    m_stopButton->setEnabled(m_audit && m_audit->isRunning() && !m_stopping);
}

QMessageBox::StandardButton InstallationDialog::ask(const QString &text,
                                                    QMessageBox::StandardButtons buttons)
{
    if (askQuestion)
        return askQuestion(text, buttons);
    return QMessageBox::question(this, QGuiApplication::applicationDisplayName(), text, buttons,
                                 QMessageBox::Cancel);
}

void InstallationDialog::say(const QString &text, bool isError)
{
    if (showMessage)
        return showMessage(text, isError);
    QMessageBox box(isError ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    box.exec();
}
