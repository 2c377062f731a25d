#include "port_chooser.h"

#include "twips.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include <functional>

namespace {
// A drop-down that brings its entries up to date just before it opens, so that an
// adapter plugged in after start-up is offered without a restart.
class PortComboBox : public QComboBox
{
public:
    using QComboBox::QComboBox;
    std::function<void()> beforePopup;

protected:
    void showPopup() override
    {
        if (beforePopup)
            beforePopup();
        QComboBox::showPopup();
    }
};
} // namespace

PortChooser::PortChooser(QWidget *parent)
{
    auto *caption = new QLabel(tr("SERIAL PORT"), parent);
    caption->setObjectName(QStringLiteral("Label15"));
    caption->setAlignment(Qt::AlignCenter);
    QPalette pal = caption->palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ButtonText));
    caption->setPalette(pal);
    caption->setGeometry(twipsRect(6000, 7680, 2415, 255));

    auto *combo = new PortComboBox(parent);
    combo->setObjectName(QStringLiteral("Combo1"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert); // a typed path is used, not added
    combo->setToolTip(tr("SELECT THE SERIAL PORT OF THE SWITCH PANEL, OR TYPE A DEVICE "
                         "SERVER'S ADDRESS: TCP://HOST:PORT OR RFC2217://HOST:PORT"));
    combo->setAccessibleName(tr("SERIAL PORT"));
    combo->setGeometry(twipsRect(6000, 7920, 2415, 315));
    combo->beforePopup = [this] {
        if (m_portsRead)
            refreshPorts();
        else
            readPortsOnce();
    };
    caption->setBuddy(combo);
    m_combo = combo;
}

void PortChooser::readPortsOnce()
{
    if (m_portsRead)
        return;
    // A port given on the command line or typed before this keeps its place.
    const bool portSet = !m_combo->currentText().trimmed().isEmpty();
    const QList<portchoice::PortDescription> ports = refreshPorts();
    if (!portSet)
        setPort(portchoice::startingPort(ports, QString(), portchoice::rememberedPort()));
}

QList<portchoice::PortDescription> PortChooser::refreshPorts()
{
    m_portsRead = true;
    const QString current = portchoice::pathOfText(m_entries, m_combo->currentText());
    const QList<portchoice::PortDescription> ports = portchoice::availablePorts();
    m_entries = portchoice::entries(ports);
    const QSignalBlocker blocker(m_combo);
    m_combo->clear();
    for (const portchoice::PortEntry &e : m_entries)
        m_combo->addItem(e.text, e.path);
    setPort(current);
    return ports;
}

void PortChooser::setPort(const QString &path)
{
    const int index = path.isEmpty() ? -1 : m_combo->findData(path);
    m_combo->setCurrentIndex(index);
    if (index < 0)
        m_combo->setEditText(path); // a port the system does not list
}

QString PortChooser::selectedPort() const
{
    const QString path = portchoice::pathOfText(m_entries, m_combo->currentText());
    if (path.isEmpty() && !m_portsRead) // the port the window starts on, as readPortsOnce sets it
        return portchoice::startingPort(portchoice::availablePorts(), QString(),
                                        portchoice::rememberedPort());
    return path;
}
