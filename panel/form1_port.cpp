// The serial-port chooser under WRITE_CONFIG: a drop-down of the machine's serial
// ports, read again each time it opens, in which a device path may also be typed.

#include "app/form1.h"
#include "app/twips.h"
#include "panel/port_choice.h"

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

void Form1::buildPortChooser()
{
    auto *caption = new QLabel(QStringLiteral("SERIAL PORT"), this);
    caption->setObjectName(QStringLiteral("Label15"));
    caption->setAlignment(Qt::AlignCenter);
    QPalette pal = caption->palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ButtonText));
    caption->setPalette(pal);
    caption->setGeometry(twipsRect(6000, 7680, 2415, 255));

    auto *combo = new PortComboBox(this);
    combo->setObjectName(QStringLiteral("Combo1"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert); // a typed path is used, not added
    combo->setToolTip(QStringLiteral("SELECT THE SERIAL PORT OF THE SWITCH PANEL"));
    combo->setAccessibleName(QStringLiteral("SERIAL PORT"));
    combo->setGeometry(twipsRect(6000, 7920, 2415, 315));
    combo->beforePopup = [this] { refreshPorts(); };
    caption->setBuddy(combo);
    m_portCombo = combo;

    const QList<portchoice::PortDescription> ports = refreshPorts();
    setPort(portchoice::startingPort(ports, QString(), portchoice::rememberedPort()));
}

QList<portchoice::PortDescription> Form1::refreshPorts()
{
    const QString current = selectedPort();
    const QList<portchoice::PortDescription> ports = portchoice::availablePorts();
    m_portEntries = portchoice::entries(ports);
    const QSignalBlocker blocker(m_portCombo);
    m_portCombo->clear();
    for (const portchoice::PortEntry &e : m_portEntries)
        m_portCombo->addItem(e.text, e.path);
    setPort(current);
    return ports;
}

void Form1::setPort(const QString &path)
{
    const int index = path.isEmpty() ? -1 : m_portCombo->findData(path);
    m_portCombo->setCurrentIndex(index);
    if (index < 0)
        m_portCombo->setEditText(path); // a port the system does not list
}

QString Form1::selectedPort() const
{
    return portchoice::pathOfText(m_portEntries, m_portCombo->currentText());
}
