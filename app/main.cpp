#include "app/form1.h"
#include "app/window_placement.h"
#include "panel/panel_link.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("switchpanel-config"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Configures the switches, LEDs and backlighting of a 10-button switch panel."));
    parser.addHelpOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("Serial device the panel is connected to, e.g. /dev/ttyUSB0 for a USB "
                       "adapter (default: %1, the first serial port).")
            .arg(PanelLink::defaultPortName()),
        QStringLiteral("DEVICE"));
    parser.addOption(portOption);
    parser.process(app);

    Form1 window;
    if (parser.isSet(portOption))
        window.setPort(parser.value(portOption));
    // Centred on the screen.
    placeOnScreen(window);
    window.show();
    return app.exec();
}
