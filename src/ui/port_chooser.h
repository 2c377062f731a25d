#pragma once

#include "panel/port_choice.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QComboBox;
class QWidget;

// The serial-port chooser under WRITE_CONFIG (`Label15`, `Combo1`): a drop-down of
// the machine's serial ports, read again each time it opens, in which a device
// path or a device server's address (tcp://HOST:PORT, rfc2217://HOST:PORT) may
// also be typed. Reading the ports takes longer than drawing the whole window, so
// the first frame shows the drop-down empty and it is filled right after.
class PortChooser
{
    Q_DECLARE_TR_FUNCTIONS(Form1) // its texts are the window's
public:
    explicit PortChooser(QWidget *parent);

    QComboBox *comboBox() const { return m_combo; }
    // Fills the drop-down once and, unless a port is set, the starting port.
    void readPortsOnce();
    // The port selected or typed; until the drop-down is filled, the port the
    // window starts on.
    QString selectedPort() const;
    void setPort(const QString &path);

private:
    QList<portchoice::PortDescription> refreshPorts(); // the ports it read

    QComboBox *m_combo = nullptr;
    QList<portchoice::PortEntry> m_entries;
    bool m_portsRead = false;
};
