#include "station_dialog.h"

#include "app_icon.h"
#include "config/settings.h"
#include "dialog_fit.h"
#include "focus_ring.h"
#include "light_scheme.h"
#include "panel/port_address.h"
#include "panel/port_choice.h"
#include "status_colour.h"
#include "translation.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kNoResult(224, 224, 224);

QFont sized(const QFont &base, qreal points, bool bold)
{
    QFont f = base;
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// A counter over all slots: 330 pixels wide where the dialog has room, narrower
// on a small screen rather than making the dialog scroll sideways.
class CounterLabel : public QLabel
{
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return QLabel::sizeHint().expandedTo(QSize(330, 0)); }
};

void setBackground(QWidget *w, const QColor &color)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    pal.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(pal);
}

// A panel's result in the window's language; the report keeps the English text. A
// failed backup before the write is shown as the report says it.
QString stationStatus(const StationPanel &panel)
{
    if (panel.openFailure)
        return translation::describe(*panel.openFailure);
    if (panel.backupFailure)
        return translation::describe(*panel.backupFailure);
    if (panel.ending)
        return translation::describe(*panel.ending);
    return panel.statusText;
}
} // namespace

StationDialog::StationDialog(const QString &port, const assignment::Codes &codes,
                             const QString &configName, QWidget *parent)
    : QDialog(parent), m_configName(configName)
{
    m_gang.setCodes(codes);
    m_gang.setFileName(configName);
    buildControls(port);

    connect(&m_gang, &StationGang::slotChanged, this, [this](int slot) {
        showTile(slot);
        showCounts();
        showState();
    });
    connect(&m_gang, &StationGang::finished, this, &StationDialog::onFinished);
    showCounts();
    showState();
    fitDialogToScreen(*this);
}

StationDialog::~StationDialog()
{
    // Closed while slots still write (the window closing): the gang finishes their
    // panels and reports them first, with nothing left here to show them on.
    m_gang.disconnect(this);
    if (m_gang.isRunning()) {
        QEventLoop loop;
        connect(&m_gang, &StationGang::finished, &loop, &QEventLoop::quit);
        m_gang.stop();
        if (m_gang.isRunning())
            loop.exec();
    }
}

StationDialog *StationDialog::launch(QWidget *parent, const QString &port,
                                     const assignment::Codes &codes, const QString &configName,
                                     TrafficLog *log)
{
    auto *dialog = new StationDialog(port, codes, configName, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->gang().setTrafficLog(log);
    dialog->show();
    return dialog;
}

QString StationDialog::rememberedReportFile()
{
    const QString remembered = settings::stationReport();
    if (!remembered.isEmpty())
        return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("station-report.csv"));
}

// The dialog: what it writes, the ports and the report file, the counters and the
// slots' tiles above, scrolling when the screen is too small for them; the state
// line and START, STOP and CLOSE below, always in reach.
void StationDialog::buildControls(const QString &port)
{
    setWindowTitle(tr("PROGRAMMING STATION"));
    setWindowIcon(appIcon());
    setPalette(lightScheme());

    // Made in this order: the report field is the dialog's first line edit.
    m_content = new QWidget;
    auto *what = new QLabel(tr("CONFIGURATION: %1").arg(m_configName), m_content);
    what->setFont(sized(font(), 11, true));
    what->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *settings = new QGridLayout;
    settings->setColumnStretch(1, 1);
    buildReportRow(settings, 2);
    buildPortRows(settings, port);
    buildCounters();
    buildStateAndButtons();
    arrange(what, settings);
    buildFocusOrder();
}

void StationDialog::buildReportRow(QGridLayout *rows, int row)
{
    const QFont base = font();
    auto *caption = new QLabel(tr("&REPORT FILE:"), m_content);
    caption->setFont(sized(base, 11, true));
    m_reportEdit = new QLineEdit(QDir::toNativeSeparators(rememberedReportFile()), m_content);
    m_reportEdit->setAccessibleName(tr("REPORT FILE"));
    m_reportEdit->setToolTip(tr("CSV FILE THAT GETS ONE ROW PER PANEL; "
                                "EMPTY FOR NO REPORT"));
    m_reportEdit->setFont(sized(base, 11, false));
    caption->setBuddy(m_reportEdit);
    m_chooseButton = new QPushButton(tr("C&HOOSE..."), m_content);
    m_chooseButton->setToolTip(tr("CHOOSE THE REPORT FILE"));
    m_chooseButton->setFont(sized(base, 11, true));
    connect(m_chooseButton, &QPushButton::clicked, this, &StationDialog::chooseReport);
    rows->addWidget(caption, row, 0);
    rows->addWidget(m_reportEdit, row, 1);
    rows->addWidget(m_chooseButton, row, 2);
}

// The ports: the machine's, as the window's drop-down lists them, and any typed
// (rows 0 and 1).
void StationDialog::buildPortRows(QGridLayout *rows, const QString &port)
{
    const QFont base = font();
    auto *portsCaption = new QLabel(tr("&PORTS:"), m_content);
    portsCaption->setFont(sized(base, 11, true));
    m_portList = new QListWidget(m_content);
    m_portList->setAccessibleName(tr("PORTS"));
    m_portList->setToolTip(tr("TICK EVERY PORT A PANEL IS CONNECTED TO: EACH "
                              "PORT IS PROGRAMMED AT THE SAME TIME AS THE OTHERS"));
    m_portList->setFont(sized(base, 11, false));
    m_portList->setMaximumHeight(QFontMetrics(m_portList->font()).lineSpacing() * 5 + 12);
    portsCaption->setBuddy(m_portList);
    for (const portchoice::PortEntry &entry : portchoice::entries(portchoice::availablePorts())) {
        auto *item = new QListWidgetItem(QDir::toNativeSeparators(entry.text), m_portList);
        item->setData(Qt::UserRole, entry.path);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    if (!port.isEmpty())
        addPort(port);
    m_portList->setCurrentRow(0);

    auto *otherCaption = new QLabel(tr("&OTHER PORT:"), m_content);
    otherCaption->setFont(sized(base, 11, true));
    m_portEdit = new QLineEdit(m_content);
    m_portEdit->setAccessibleName(tr("OTHER PORT"));
    m_portEdit->setToolTip(tr("TYPE A PORT THE LIST DOES NOT OFFER, THEN ADD IT"));
    m_portEdit->setFont(sized(base, 11, false));
    m_portEdit->installEventFilter(this); // Enter adds the port instead of starting
    otherCaption->setBuddy(m_portEdit);
    m_addButton = new QPushButton(tr("&ADD"), m_content);
    m_addButton->setToolTip(tr("ADD THE TYPED PORT TO THE LIST, TICKED"));
    m_addButton->setFont(sized(base, 11, true));
    m_addButton->setAutoDefault(false);
    connect(m_addButton, &QPushButton::clicked, this, &StationDialog::addTypedPort);

    rows->addWidget(portsCaption, 0, 0, Qt::AlignTop);
    rows->addWidget(m_portList, 0, 1, 1, 2);
    rows->addWidget(otherCaption, 1, 0);
    rows->addWidget(m_portEdit, 1, 1);
    rows->addWidget(m_addButton, 1, 2);
}

// The counters over all slots, large enough to read from a metre away.
void StationDialog::buildCounters()
{
    auto counter = [this] {
        auto *label = new CounterLabel(m_content);
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::RichText);
        label->setFrameShape(QFrame::Box);
        return label;
    };
    m_programmedLabel = counter();
    m_failedLabel = counter();
}

void StationDialog::buildStateAndButtons()
{
    const QFont base = font();
    m_stateLabel = new QLabel(this);
    m_stateLabel->setFont(sized(base, 13, true));
    m_stateLabel->setAlignment(Qt::AlignCenter);
    m_stateLabel->setWordWrap(true);
    m_stateLabel->setMinimumHeight(QFontMetrics(m_stateLabel->font()).lineSpacing() * 2);

    m_startButton = new QPushButton(tr("&START"), this);
    m_startButton->setToolTip(tr("PROGRAM EVERY PANEL CONNECTED TO THE TICKED "
                                 "PORTS, ONE AFTER THE OTHER ON EACH PORT"));
    m_startButton->setDefault(true);
    m_stopButton = new QPushButton(tr("S&TOP"), this);
    m_stopButton->setToolTip(tr("STOP AFTER THE PANELS IN PROGRESS"));
    m_closeButton = new QPushButton(tr("&CLOSE"), this);
    m_closeButton->setToolTip(tr("STOP THE STATION AND CLOSE THIS WINDOW"));
    for (QPushButton *b : {m_startButton, m_stopButton, m_closeButton}) {
        b->setFont(sized(base, 12, true));
        b->setMinimumSize(140, 40);
    }
    connect(m_startButton, &QPushButton::clicked, this, &StationDialog::start);
    connect(m_stopButton, &QPushButton::clicked, this, &StationDialog::stop);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void StationDialog::arrange(QLabel *what, QGridLayout *settings)
{
    auto *counters = new QHBoxLayout;
    counters->addWidget(m_programmedLabel);
    counters->addWidget(m_failedLabel);
    m_tileGrid = new QGridLayout;
    m_tileGrid->setSpacing(8);
    auto *scrolled = new QVBoxLayout(m_content);
    scrolled->setContentsMargins(0, 0, 0, 0);
    scrolled->setSpacing(12);
    scrolled->addWidget(what);
    scrolled->addLayout(settings);
    scrolled->addLayout(counters);
    scrolled->addLayout(m_tileGrid);
    scrolled->addStretch(1);
    m_scroll = new FittingScrollArea(m_content, this);
    // Once started, the counters stay on top as the tiles come and the dialog
    // grows, until the user scrolls.
    QScrollBar *bar = m_scroll->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar] {
        if (m_countersOnTop)
            bar->setValue(m_programmedLabel->y());
    });
    connect(bar, &QScrollBar::actionTriggered, this, [this] { m_countersOnTop = false; });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_startButton);
    buttons->addWidget(m_stopButton);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_stateLabel);
    layout->addLayout(buttons);
}

void StationDialog::buildFocusOrder()
{
    setTabOrder(m_portList, m_portEdit);
    setTabOrder(m_portEdit, m_addButton);
    setTabOrder(m_addButton, m_reportEdit);
    setTabOrder(m_reportEdit, m_chooseButton);
    setTabOrder(m_chooseButton, m_startButton);
    setTabOrder(m_startButton, m_stopButton);
    setTabOrder(m_stopButton, m_closeButton);
    new FocusRing(this);
    m_startButton->setFocus();
}

void StationDialog::addPort(const QString &port)
{
    const QString path = QDir::fromNativeSeparators(port.trimmed());
    if (path.isEmpty())
        return;
    QStringList listed;
    for (int i = 0; i < m_portList->count(); ++i)
        listed << m_portList->item(i)->data(Qt::UserRole).toString();
    // Another spelling of a port in the list (a link, "localhost" for 127.0.0.1)
    // ticks that port instead of adding it twice.
    const qsizetype same = portaddress::indexOfPort(listed, path);
    QListWidgetItem *item = same >= 0 ? m_portList->item(int(same)) : nullptr;
    if (!item) {
        item = new QListWidgetItem(QDir::toNativeSeparators(path));
        item->setData(Qt::UserRole, path);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        m_portList->insertItem(m_addedPorts++, item); // before the machine's ports
    }
    item->setCheckState(Qt::Checked);
    m_portList->setCurrentItem(item);
}

QStringList StationDialog::tickedPorts() const
{
    QStringList ports;
    for (int i = 0; i < m_portList->count(); ++i)
        if (m_portList->item(i)->checkState() == Qt::Checked)
            ports << m_portList->item(i)->data(Qt::UserRole).toString();
    return ports;
}

void StationDialog::addTypedPort()
{
    addPort(m_portEdit->text());
    m_portEdit->clear();
}

bool StationDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_portEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            addTypedPort();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void StationDialog::chooseReport()
{
    QString current = m_reportEdit->text();
    for (;;) {
        QString path;
        if (chooseReportFile) {
            path = chooseReportFile(current);
        } else {
            // Rows are appended to an existing report, so choosing one is no overwrite.
            path = QFileDialog::getSaveFileName(this, tr("REPORT FILE"), current,
                                                tr("CSV FILES (*.csv)"), nullptr,
                                                QFileDialog::DontConfirmOverwrite);
        }
        if (path.isEmpty())
            return;
        if (reportAllowed(path)) {
            m_reportEdit->setText(QDir::toNativeSeparators(path));
            return;
        }
        current = path; // the user chooses again, from there
    }
}

// Whether rows may be appended to `path`; says why not in a message box.
bool StationDialog::reportAllowed(const QString &path)
{
    const files::OutputCheck check = files::checkOutput(path);
    if (check.allowed())
        return true;
    const QString text = tr("THE REPORT IS NOT WRITTEN INTO THIS FILE:\n%1")
                             .arg(translation::outputRefusal(path, check));
    if (showMessage)
        showMessage(text);
    else
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), text);
    return false;
}

void StationDialog::start()
{
    if (m_gang.isRunning())
        return;
    m_problem.clear();
    const QStringList ports = tickedPorts();
    if (ports.isEmpty()) {
        m_problem = tr("TICK THE PORTS THE PANELS ARE CONNECTED TO");
        showState();
        return;
    }
    const QString path = QDir::fromNativeSeparators(m_reportEdit->text().trimmed());
    m_report.close();
    if (!path.isEmpty()) {
        if (!reportAllowed(path)) {
            m_reportEdit->setFocus();
            return;
        }
        if (const ReportProblem why = m_report.open(path); why.failed()) {
            m_problem = tr("THE REPORT FILE CANNOT BE WRITTEN: %1").arg(translation::describe(why));
            showState();
            return;
        }
        settings::setStationReport(path);
    }
    m_gang.setReport(path.isEmpty() ? nullptr : &m_report);
    m_gang.setPorts(ports);
    m_ran = true;
    m_gang.start();
    buildTiles();
    m_stopButton->setFocus();
    showCounts();
    showState();
}

void StationDialog::stop()
{
    m_gang.stop();
    showState();
}

// Closing (CLOSE, Escape, the title bar) stops the slots first; the dialog stays
// until every slot has ended, after the panels being written are done.
void StationDialog::done(int result)
{
    if (m_gang.isRunning()) {
        m_gang.stop();
        m_closePending = true;
        showState();
        return;
    }
    QDialog::done(result);
}

void StationDialog::onFinished()
{
    m_report.close();
    if (m_gang.reportError().failed())
        m_problem = tr("THE REPORT FILE CANNOT BE WRITTEN: %1")
                        .arg(translation::describe(m_gang.reportError()));
    showState();
    m_startButton->setFocus();
    if (m_closePending) {
        m_closePending = false;
        // Once the gang's own call has returned.
        QTimer::singleShot(0, this, [this] { QDialog::done(QDialog::Rejected); });
    }
}

// One tile per slot: its port, its state, its last panel and its counters. Up to
// four slots in two columns, more in four.
void StationDialog::buildTiles()
{
    for (const Tile &tile : m_tiles)
        delete tile.box;
    m_tiles.clear();
    const int count = m_gang.slotCount();
    const QFont base = font();
    for (int i = 0; i < count; ++i) {
        Tile tile;
        tile.box = new QGroupBox(m_gang.slot(i).name, m_content);
        tile.box->setFont(sized(base, 12, true));
        tile.state = new QLabel(tile.box);
        tile.state->setFont(sized(base, 11, true));
        tile.state->setWordWrap(true);
        tile.state->setMinimumHeight(QFontMetrics(tile.state->font()).lineSpacing() * 2);
        tile.result = new QLabel(tile.box);
        tile.result->setFont(sized(base, count == 1 ? 20 : 12, true));
        tile.result->setAlignment(Qt::AlignCenter);
        tile.result->setWordWrap(true);
        tile.result->setAutoFillBackground(true);
        tile.result->setFrameShape(QFrame::Box);
        tile.result->setMargin(6);
        // Room for the longest failure text.
        tile.result->setMinimumHeight(
            QFontMetrics(tile.result->font()).lineSpacing() * (count == 1 ? 3 : 4) + 16);
        tile.counts = new QLabel(tile.box);
        tile.counts->setFont(sized(base, 11, true));
        auto *column = new QVBoxLayout(tile.box);
        column->addWidget(tile.state);
        column->addWidget(tile.result);
        column->addWidget(tile.counts);
        m_tiles.push_back(tile);
        showTile(i);
    }
    const int columns = tileColumns(count <= 1 ? 1 : count <= 4 ? 2 : 4);
    for (int i = 0; i < count; ++i) {
        m_tileGrid->addWidget(m_tiles[size_t(i)].box, i / columns, i % columns);
        m_tiles[size_t(i)].box->show(); // now, so that the dialog makes room for it
    }
    showTiles();
}

// The columns the tiles go in: `designed`, or fewer where the screen is too
// narrow for them, so that the tiles scroll only one way.
int StationDialog::tileColumns(int designed) const
{
    const QScreen *screen = this->screen();
    if (!screen)
        return designed;
    int widest = 0;
    for (const Tile &tile : m_tiles)
        widest = qMax(widest, tile.box->sizeHint().width());
    const QMargins margins = layout()->contentsMargins();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    const int room = screen->availableGeometry().width() - margins.left() - margins.right() - bar;
    const int spacing = m_tileGrid->spacing();
    return qBound(1, (room + spacing) / qMax(1, widest + spacing), designed);
}

// The dialog grows for the tiles as far as the screen lets it; where they must
// scroll, the counters come to the top, the tiles under them.
void StationDialog::showTiles()
{
    if (!isVisible() || m_tiles.empty())
        return;
    m_countersOnTop = true;
    fitDialogToScreen(*this, true);
    m_scroll->verticalScrollBar()->setValue(m_programmedLabel->y());
}

void StationDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // Once the window manager has framed it, the frame is known.
    QTimer::singleShot(0, this, [this] { fitDialogToScreen(*this); });
}

void StationDialog::showTile(int slot)
{
    if (slot < 0 || slot >= int(m_tiles.size()))
        return;
    const Tile &tile = m_tiles[size_t(slot)];
    const StationGang::Slot &s = m_gang.slot(slot);
    const QString port = QDir::toNativeSeparators(s.port);

    QString state;
    bool problem = false;
    if (!s.running) {
        state = tr("STOPPED");
    } else if (s.state == Station::State::Writing) {
        if (s.stopping)
            state = tr("STOPPING AFTER THIS PANEL");
        else if (s.cell == 0)
            state = tr("PROGRAMMING PANEL %1").arg(s.panel);
        else
            state = tr("PROGRAMMING PANEL %1: WRITING CELL %2 OF %3")
                        .arg(s.panel)
                        .arg(s.cell)
                        .arg(memory_map::kCellCount);
    } else if (s.portMissing) {
        state = tr("PORT MISSING: %1").arg(port);
        problem = true;
    } else if (s.problem) {
        state = translation::describe(*s.problem);
        problem = true;
    } else if (s.state == Station::State::WaitingForRemoval) {
        state = tr("DISCONNECT THE PANEL");
    } else {
        state = tr("WAITING FOR A PANEL ON %1").arg(port);
    }
    tile.state->setText(state);
    QPalette pal = tile.state->palette();
    pal.setColor(QPalette::WindowText, problem ? QColor(192, 0, 0) : QColor(Qt::black));
    tile.state->setPalette(pal);

    if (s.last) {
        // The report keeps the English text; the tile shows it in the window's language.
        const QString status = stationStatus(*s.last);
        const QString text =
            s.last->failedItem.isEmpty()
                ? tr("PANEL %1: %2").arg(s.last->number).arg(status)
                : tr("PANEL %1: %2 AT %3").arg(s.last->number).arg(status, s.last->failedItem);
        tile.result->setText(text);
        setBackground(tile.result,
                      statusColour(s.last->programmed ? statustext::kDone : statustext::kFailed));
    } else {
        tile.result->setText(tr("NO PANEL PROGRAMMED YET"));
        setBackground(tile.result, kNoResult);
    }
    tile.counts->setText(tr("PROGRAMMED %1   FAILED %2").arg(s.programmed).arg(s.failed));
}

void StationDialog::showCounts()
{
    auto show = [](QLabel *label, const QString &caption, int count) {
        label->setText(QStringLiteral("<div style=\"font-size:15pt; font-weight:bold\">%1</div>"
                                      "<div style=\"font-size:60pt; font-weight:bold\">%2</div>")
                           .arg(caption)
                           .arg(count));
        label->setAccessibleName(QStringLiteral("%1: %2").arg(caption).arg(count));
    };
    show(m_programmedLabel, tr("PROGRAMMED"), m_gang.programmed());
    show(m_failedLabel, tr("FAILED"), m_gang.failed());
}

void StationDialog::setStateText(const QString &text, bool problem)
{
    m_stateLabel->setText(text);
    QPalette pal = m_stateLabel->palette();
    pal.setColor(QPalette::WindowText, problem ? QColor(192, 0, 0) : QColor(Qt::black));
    m_stateLabel->setPalette(pal);
}

void StationDialog::showState()
{
    const bool running = m_gang.isRunning();
    m_startButton->setEnabled(!running);
    m_stopButton->setEnabled(running && !m_gang.isStopping());
    for (QWidget *w : std::initializer_list<QWidget *>{m_portList, m_portEdit, m_addButton,
                                                       m_reportEdit, m_chooseButton})
        w->setEnabled(!running);

    if (!m_problem.isEmpty())
        return setStateText(m_problem, true);
    if (running) {
        if (m_gang.isStopping())
            return setStateText(tr("STOPPING AFTER THE PANELS IN PROGRESS"), false);
        const int n = m_gang.slotCount();
        QString text = n == 1 ? tr("RUNNING ON 1 PORT") : tr("RUNNING ON %1 PORTS").arg(n);
        // A torn last row cut off the report at the start is said while the run lasts.
        if (m_report.bytesCut() > 0)
            text += QStringLiteral(" - ") + translation::tornRowCut(m_report.bytesCut());
        return setStateText(text, false);
    }
    if (m_ran)
        return setStateText(tr("STOPPED"), false);
    setStateText(tr("PRESS START, THEN CONNECT THE PANELS ONE AFTER THE OTHER"), false);
}
