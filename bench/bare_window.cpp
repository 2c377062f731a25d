// The yardstick of the start-up benchmark: the least a Qt Widgets program does to
// put a window on the screen, one window with one label.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("A bare Qt Widgets window"));
    label.show();
    return app.exec();
}
