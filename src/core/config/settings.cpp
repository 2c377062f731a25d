#include "settings.h"

#include <QSettings>

namespace settings {

namespace {
const QString kBackupBeforeWrite = QStringLiteral("panel/backupBeforeWrite");
const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kLastPort = QStringLiteral("panel/port");
const QString kStationReport = QStringLiteral("station/reportFile");
const QString kLanguage = QStringLiteral("window/language");
} // namespace

bool backupBeforeWrite() { return QSettings().value(kBackupBeforeWrite, true).toBool(); }
void setBackupBeforeWrite(bool on) { QSettings().setValue(kBackupBeforeWrite, on); }

QString lastFolder() { return QSettings().value(kLastFolder).toString(); }
void setLastFolder(const QString &folder) { QSettings().setValue(kLastFolder, folder); }

QString lastPort() { return QSettings().value(kLastPort).toString(); }
void setLastPort(const QString &port) { QSettings().setValue(kLastPort, port); }

QString stationReport() { return QSettings().value(kStationReport).toString(); }
void setStationReport(const QString &path) { QSettings().setValue(kStationReport, path); }

QString language() { return QSettings().value(kLanguage).toString(); }
void setLanguage(const QString &code)
{
    if (code.isEmpty())
        QSettings().remove(kLanguage);
    else
        QSettings().setValue(kLanguage, code);
}

} // namespace settings
