#include "accessibility.h"

#include "item_marks.h"
#include "shapes.h"

#include <QAccessibleWidget>

namespace {

// The leader lines, and the outlines of marked items, whose texts the items' lists
// carry.
bool isDecoration(const QObject *object)
{
    return qobject_cast<const LineShape *>(object) || qobject_cast<const MarkRing *>(object);
}

// The window as Qt presents it, less its decoration.
class WindowInterface : public QAccessibleWidget
{
public:
    explicit WindowInterface(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(shownChildren().size()); }
    QAccessibleInterface *child(int index) const override { return shownChildren().value(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(shownChildren().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> shownChildren() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0, n = QAccessibleWidget::childCount(); i < n; ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child && !isDecoration(child->object()))
                children << child;
        }
        return children;
    }
};

QAccessibleInterface *windowInterfaces(const QString &className, QObject *object)
{
    if (className == QLatin1String("Form1"))
        return new WindowInterface(static_cast<QWidget *>(object));
    if (className == QLatin1String("RectangleShape"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowInterfaces);
        return true;
    }();
    Q_UNUSED(installed);
}
