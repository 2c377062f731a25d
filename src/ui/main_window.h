#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QSize>

class Form1;
class InstallationDialog;
class QAction;
class QMenu;
class QScrollArea;

// The program's top-level window: the menu bar with its commands above the
// client area Form1, which keeps its fixed geometry inside a scroll area, so that
// the whole window stays usable on a screen smaller than it. The title carries
// the modified mark, and closing asks before unsaved edits are thrown away.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Form1 &form() { return *m_form; }
    QScrollArea *scrollArea() const { return m_scroll; }

    // The size the window asks for: the whole client area and the menu bar, no
    // larger than `available` less the frame `frameMargins` adds.
    QSize fittedSize(const QRect &available, const QSize &frameMargins) const;
    // Sizes the window to fit its screen's available area and places it there.
    void fitToScreen();

    // The installation dialog open on an inventory, if any.
    InstallationDialog *installationDialog() const;

public slots:
    // File > Open installation…: an inventory chosen in a file dialog, its panels
    // in the installation dialog.
    void openInstallation();
    // The installation dialog on the inventory at `path`; a refused inventory is
    // said with its line and column. Whether the dialog opened.
    bool openInstallation(const QString &path);
    void showManual();
    void showAbout();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Each menu item runs exactly what its button runs; the commands that must
    // wait for a panel command follow the transfer (Form1::busyChanged).
    void buildActions();
    void buildMenus();
    void buildLanguageMenu(QMenu *help);
    void updateActions();
    // Remembers the language chosen under Help > Language (a code, or empty for
    // the system's) and says that it applies from the next start.
    void chooseLanguage(const QString &code);

    Form1 *m_form;
    QScrollArea *m_scroll;
    QPointer<InstallationDialog> m_installation;
    // Closing waits for the installation's reads or restore in progress to end.
    bool m_closingAfterInstallation = false;
    bool m_fitOnShow = false; // fitToScreen() before the first show: check it once shown
    struct Actions {
        QAction *open, *openInstallation, *save, *compareFile, *exportCsv, *print, *exportPdf,
            *quit, *undo, *redo, *copy, *paste, *swap, *clear, *fillNotAssigned, *read, *write,
            *compare, *backup, *restore, *station, *manual, *about;
    } m_actions{};
};
