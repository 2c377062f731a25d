#pragma once

// The window's language: which translation is used, loading it with Qt's own
// translations of its dialogs and standard buttons, and the window's words for
// texts that the core produces in English. The core, the command line and the
// files stay English; only what the window shows is translated.

#include "config/status_texts.h"
#include "files/file_problem.h"
#include "files/panel_backup.h"
#include "files/same_file.h"
#include "panel/cell_walk.h"
#include "panel/port_failure.h"
#include "panel/station_report.h"
#include "panel/traffic_log.h"

#include <QList>
#include <QString>
#include <QStringList>

#include "files/qcf_text.h"
#include "site/site_audit.h"

class QCoreApplication;
class QTranslator;

namespace translation {

// The languages the program is translated into, besides English, its source
// language: "de", "fr".
QStringList languages();

// The language the window uses: `setting` when it names English or a translated
// language; else the first of the system's user interface languages
// (QLocale::uiLanguages(), "de-DE", "fr", ...) that has a translation; else "en".
QString chooseLanguage(const QString &setting, const QStringList &uiLanguages);

// Installs the program's translation for `language` and Qt's own (file dialog,
// standard buttons) into `app`. English installs nothing. Returns the
// translators installed, owned by `app`.
QList<QTranslator *> install(QCoreApplication &app, const QString &language);

// What the core reports, in the window's language: a status, a cell's result, how
// a panel command ended, why a port could not be opened or was lost. The core's
// English texts of the same values are what the command line and the report print.
QString describe(statustext::Status status);
QString describe(cellwalk::CellResult result);
QString describe(cellwalk::Outcome outcome);
QString describe(const cellwalk::Ending &ending);
QString describe(const portfailure::Why &why);
QString describe(const portfailure::DeviceCause &cause);
QString describe(const portfailure::AddressProblem &problem);
QString describe(const portfailure::OpenFailure &failure);
QString describe(const portfailure::Loss &loss);

// Why a file, a backup, the traffic log or a report failed, in the window's
// language.
QString describe(const files::FileProblem &problem);
QString describe(const backup::Failure &failure);
QString describe(const backup::Kept &kept);
QString describe(const TrafficLogFailure &failure);
QString describe(const ReportProblem &problem);
// Why an audited panel was unreachable or has no file: its port's failure, its
// read's ending, or its file's problem after the file's name.
QString auditReason(const site::PanelResult &result);
// Why an inventory is refused (without where), a panel's history not kept, a
// restore refused or stopped before writing.
QString describe(const site::InventoryProblem &problem);
QString describe(const site::HistoryProblem &problem);
QString describe(const site::RestoreProblem &problem);
// What opening a report cut off its torn last row (RowReport::bytesCut).
QString tornRowCut(qint64 bytes);

// The compare's texts in the window's language: what the panel holds for an
// item, and the status line after a compare.
QString panelHolds(int panelCode);
QString compareStatus(const QList<int> &differingItems);

// The compare with a file's texts in the window's language: what the file holds
// for an item (its mark), the status line, and a line of the list of differences
// under it ("SW2: A 1 -> B 4", the window's side first).
QString fileHolds(const QList<qcftext::Difference> &itemDifferences);
QString fileCompareStatus(const QList<qcftext::Difference> &differences);
QString fileDifference(const qcftext::Difference &difference);

// The mark of switches sharing a channel: "SAME CHANNEL AS SW3 AND SW7".
QString sameChannel(const QList<int> &others);

// Why the window does not write a PDF or a report at `path` (files::checkOutput),
// naming the file and what it is or leads to, with the advice to choose another.
QString outputRefusal(const QString &path, const files::OutputCheck &check);

} // namespace translation
