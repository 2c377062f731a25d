// Panel > Programming station: the window's configuration written into panel
// after panel by the station dialog, on the port of the chooser and any other
// ports ticked in the dialog.

#include "files/panel_backup.h"
#include "form1.h"
#include "panel/panel_link.h"
#include "station_dialog.h"

#include <QFileInfo>
#include <QLineEdit>

void Form1::openStation()
{
    if (isBusy())
        return;
    // Refused as a write is refused, with the same texts.
    rec.error_flag = 0;
    CollectAssignments();
    if (showIncomplete(statustext::Status::IncompleteLeds))
        return;
    const assignment::Codes codes = collectedCodes();
    const qcf::Configuration config = configuration(codes);
    const QString name = !m_configurationFile.isEmpty()
                             ? QFileInfo(m_configurationFile).fileName()
                             : (config.panel.isEmpty() ? tr("NOT SAVED") : m_textBoxes[2]->text());
    StationDialog *dialog =
        StationDialog::launch(this, selectedPort(), codes, name, m_link->trafficLog());
    // Each panel is backed up first while the window backs up before writing.
    if (backupBeforeWrite())
        dialog->gang().setBackup(
            [config](PanelLink &link) { return backup::readAndKeep(link, config).failureText(); });
}
