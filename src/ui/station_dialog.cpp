#include "station_dialog.h"

#include "app_icon.h"
#include "config/settings.h"
#include "focus_ring.h"
#include "light_scheme.h"
#include "status_colour.h"
#include "translation.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
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

void setBackground(QWidget *w, const QColor &color)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    pal.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(pal);
}

} // namespace

StationDialog::StationDialog(const QString &port, const panelwrite::Codes &codes,
                             const QString &configName, QWidget *parent)
    : QDialog(parent), m_configName(configName)
{
    m_station.setPort(port);
    m_station.setCodes(codes);
    m_station.setFileName(configName);
    buildControls();

    connect(&m_station, &Station::stateChanged, this, [this] {
        if (m_station.state() == Station::State::Writing)
            m_problem.clear();
        showState();
    });
    connect(&m_station, &Station::portProblem, this, [this](const QString &text) {
        m_problem = text;
        showState();
    });
    connect(&m_station, &Station::panelDone, this, &StationDialog::showPanel);
    connect(&m_station, &Station::finished, this, &StationDialog::onFinished);
    showCounts();
    showState();
}

StationDialog::~StationDialog() = default;

StationDialog *StationDialog::launch(QWidget *parent, const QString &port,
                                     const panelwrite::Codes &codes, const QString &configName,
                                     TrafficLog *log)
{
    auto *dialog = new StationDialog(port, codes, configName, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    if (log)
        dialog->station().setTrafficLog(log);
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

void StationDialog::buildControls()
{
    setWindowTitle(tr("PROGRAMMING STATION"));
    setWindowIcon(appIcon());
    setPalette(lightScheme());
    const QFont base = font();

    auto *where = new QLabel(tr("PORT: %1     CONFIGURATION: %2")
                                 .arg(QDir::toNativeSeparators(m_station.port()), m_configName),
                             this);
    where->setFont(sized(base, 11, true));
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *reportCaption = new QLabel(tr("&REPORT FILE:"), this);
    reportCaption->setFont(sized(base, 11, true));
    m_reportEdit = new QLineEdit(QDir::toNativeSeparators(rememberedReportFile()), this);
    m_reportEdit->setAccessibleName(tr("REPORT FILE"));
    m_reportEdit->setToolTip(tr("CSV FILE THAT GETS ONE ROW PER PANEL; EMPTY FOR NO REPORT"));
    reportCaption->setBuddy(m_reportEdit);
    m_chooseButton = new QPushButton(tr("C&HOOSE..."), this);
    m_chooseButton->setToolTip(tr("CHOOSE THE REPORT FILE"));
    m_reportEdit->setFont(sized(base, 11, false));
    m_chooseButton->setFont(sized(base, 11, true));
    connect(m_chooseButton, &QPushButton::clicked, this, &StationDialog::chooseReport);

    // Counters and the last result large enough to read from a metre away.
    auto counter = [&] {
        auto *label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::RichText);
        label->setFrameShape(QFrame::Box);
        label->setMinimumWidth(330);
        return label;
    };
    m_programmedLabel = counter();
    m_failedLabel = counter();

    m_resultLabel = new QLabel(this);
    m_resultLabel->setFont(sized(base, 26, true));
    m_resultLabel->setAlignment(Qt::AlignCenter);
    m_resultLabel->setWordWrap(true);
    m_resultLabel->setAutoFillBackground(true);
    m_resultLabel->setFrameShape(QFrame::Box);
    m_resultLabel->setMargin(8);
    m_resultLabel->setMinimumHeight(QFontMetrics(m_resultLabel->font()).lineSpacing() * 3 + 40);
    m_resultLabel->setText(tr("NO PANEL PROGRAMMED YET"));
    setBackground(m_resultLabel, kNoResult);

    m_stateLabel = new QLabel(this);
    m_stateLabel->setFont(sized(base, 13, true));
    m_stateLabel->setAlignment(Qt::AlignCenter);
    m_stateLabel->setWordWrap(true);
    m_stateLabel->setMinimumHeight(QFontMetrics(m_stateLabel->font()).lineSpacing() * 2);

    m_startButton = new QPushButton(tr("&START"), this);
    m_startButton->setToolTip(tr("PROGRAM EVERY PANEL CONNECTED TO THE PORT, ONE AFTER THE OTHER"));
    m_startButton->setDefault(true);
    m_stopButton = new QPushButton(tr("S&TOP"), this);
    m_stopButton->setToolTip(tr("STOP AFTER THE PANEL IN PROGRESS"));
    m_closeButton = new QPushButton(tr("&CLOSE"), this);
    m_closeButton->setToolTip(tr("STOP THE STATION AND CLOSE THIS WINDOW"));
    for (QPushButton *b : {m_startButton, m_stopButton, m_closeButton}) {
        b->setFont(sized(base, 12, true));
        b->setMinimumSize(140, 40);
    }
    connect(m_startButton, &QPushButton::clicked, this, &StationDialog::start);
    connect(m_stopButton, &QPushButton::clicked, this, &StationDialog::stop);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *reportRow = new QHBoxLayout;
    reportRow->addWidget(reportCaption);
    reportRow->addWidget(m_reportEdit, 1);
    reportRow->addWidget(m_chooseButton);
    auto *counters = new QHBoxLayout;
    counters->addWidget(m_programmedLabel);
    counters->addWidget(m_failedLabel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_startButton);
    buttons->addWidget(m_stopButton);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(where);
    layout->addLayout(reportRow);
    layout->addLayout(counters);
    layout->addWidget(m_resultLabel);
    layout->addWidget(m_stateLabel);
    layout->addLayout(buttons);

    setTabOrder(m_reportEdit, m_chooseButton);
    setTabOrder(m_chooseButton, m_startButton);
    setTabOrder(m_startButton, m_stopButton);
    setTabOrder(m_stopButton, m_closeButton);
    new FocusRing(this);
    m_startButton->setFocus();
}

void StationDialog::chooseReport()
{
    const QString current = m_reportEdit->text();
    QString path;
    if (chooseReportFile) {
        path = chooseReportFile(current);
    } else {
        // Rows are appended to an existing report, so choosing one is no overwrite.
        path = QFileDialog::getSaveFileName(this, tr("REPORT FILE"), current,
                                            tr("CSV FILES (*.csv)"), nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
    if (!path.isEmpty())
        m_reportEdit->setText(QDir::toNativeSeparators(path));
}

void StationDialog::start()
{
    if (m_station.isRunning())
        return;
    m_problem.clear();
    const QString path = QDir::fromNativeSeparators(m_reportEdit->text().trimmed());
    m_report.close();
    if (!path.isEmpty()) {
        if (const QString why = m_report.open(path); !why.isEmpty()) {
            m_problem = tr("THE REPORT FILE CANNOT BE WRITTEN: %1").arg(translation::status(why));
            showState();
            return;
        }
        settings::setStationReport(path);
    }
    m_station.setReport(path.isEmpty() ? nullptr : &m_report);
    m_ran = true;
    m_station.start();
    m_stopButton->setFocus();
    showCounts();
    showState();
}

void StationDialog::stop()
{
    m_station.stop();
    showState();
}

// Closing (CLOSE, Escape, the title bar) stops the station first; while a panel is
// being written the dialog stays until that panel is done.
void StationDialog::done(int result)
{
    if (m_station.isRunning()) {
        m_station.stop();
        if (m_station.isRunning()) {
            m_closePending = true;
            showState();
            return;
        }
    }
    QDialog::done(result);
}

void StationDialog::onFinished()
{
    m_report.close();
    if (!m_station.reportError().isEmpty())
        m_problem = tr("THE REPORT FILE CANNOT BE WRITTEN: %1")
                        .arg(translation::status(m_station.reportError()));
    showState();
    m_startButton->setFocus();
    if (m_closePending) {
        m_closePending = false;
        // Once the station's own call has returned.
        QTimer::singleShot(0, this, [this] { QDialog::done(QDialog::Rejected); });
    }
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
    show(m_programmedLabel, tr("PROGRAMMED"), m_station.programmed());
    show(m_failedLabel, tr("FAILED"), m_station.failed());
}

void StationDialog::showPanel(const StationPanel &panel)
{
    // The report keeps the English text; the dialog shows it in the window's language.
    const QString status = translation::status(panel.statusText);
    QString text = panel.failedItem.isEmpty()
                       ? tr("PANEL %1: %2").arg(panel.number).arg(status)
                       : tr("PANEL %1: %2 AT %3").arg(panel.number).arg(status, panel.failedItem);
    m_resultLabel->setText(text);
    setBackground(m_resultLabel,
                  statusColour(panel.programmed ? statustext::kDone : statustext::kFailed));
    showCounts();
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
    const bool running = m_station.isRunning();
    m_startButton->setEnabled(!running);
    m_stopButton->setEnabled(running && !m_station.isStopping());
    m_reportEdit->setEnabled(!running);
    m_chooseButton->setEnabled(!running);

    if (!m_problem.isEmpty())
        return setStateText(m_problem, true);
    const QString port = QDir::toNativeSeparators(m_station.port());
    switch (m_station.state()) {
    case Station::State::Idle:
        if (m_ran)
            return setStateText(tr("STOPPED"), false);
        return setStateText(tr("PRESS START, THEN CONNECT THE PANELS ONE AFTER THE OTHER"),
                            false);
    case Station::State::WaitingForPanel:
        return setStateText(tr("WAITING FOR A PANEL ON %1").arg(port), false);
    case Station::State::Writing:
        if (m_station.isStopping())
            return setStateText(tr("STOPPING AFTER THIS PANEL"), false);
        return setStateText(tr("PROGRAMMING PANEL %1")
                                .arg(m_station.programmed() + m_station.failed() + 1),
                            false);
    case Station::State::WaitingForRemoval:
        return setStateText(tr("DISCONNECT THE PANEL"), false);
    }
}
