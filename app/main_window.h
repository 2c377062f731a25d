#pragma once

#include <QMainWindow>
#include <QRect>
#include <QSize>

class Form1;
class QScrollArea;

// The program's top-level window: the menu bar above the client area Form1,
// which keeps its fixed geometry inside a scroll area, so that the whole window
// stays usable on a screen smaller than it. The title carries the modified mark,
// and closing asks before unsaved edits are thrown away.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    Form1 &form() { return *m_form; }
    QScrollArea *scrollArea() const { return m_scroll; }

    // The size the window asks for: the whole client area and the menu bar, no
    // larger than `available` less the frame `frameMargins` adds.
    QSize fittedSize(const QRect &available, const QSize &frameMargins) const;
    // Sizes the window to fit its screen's available area and places it there.
    void fitToScreen();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    Form1 *m_form;
    QScrollArea *m_scroll;
    bool m_fitOnShow = false; // fitToScreen() before the first show: check it once shown

};
