// The window in the language of the system or of the setting: translated
// captions and status texts, every caption within its control, and English
// exactly as designed where no translation applies. The suite runs under
// LANG=C, de_DE.UTF-8 and fr_FR.UTF-8, at scale 1 and 2.

#include "config/settings.h"
#include "config/status_texts.h"
#include "form1_helpers.h"
#include "main_window.h"
#include "panel/port_platform.h"
#include "translation.h"
#include "wrapping_buttons.h"

#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTranslator>

class TestTranslation : public QObject
{
    Q_OBJECT

private:
    QString m_language;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        settings::setLanguage(QString());
        // As the program does before it builds the window.
        m_language =
            translation::chooseLanguage(settings::language(), QLocale::system().uiLanguages());
        translation::install(*qApp, m_language);
    }

    void chooseLanguage()
    {
        using translation::chooseLanguage;
        QCOMPARE(chooseLanguage(QString(), {QStringLiteral("C")}), QStringLiteral("en"));
        QCOMPARE(chooseLanguage(QString(), {QStringLiteral("es-ES"), QStringLiteral("fr-CH"),
                                            QStringLiteral("de")}),
                 QStringLiteral("fr"));
        QCOMPARE(chooseLanguage(QString(), {QStringLiteral("en-GB"), QStringLiteral("de-DE")}),
                 QStringLiteral("en"));
        QCOMPARE(chooseLanguage(QStringLiteral("de"), {QStringLiteral("fr-FR")}),
                 QStringLiteral("de"));
        QCOMPARE(chooseLanguage(QStringLiteral("en"), {QStringLiteral("fr-FR")}),
                 QStringLiteral("en"));
        // A setting naming no translation falls back to the system's languages.
        QCOMPARE(chooseLanguage(QStringLiteral("xx"), {QStringLiteral("de_AT")}),
                 QStringLiteral("de"));
        // The language follows LANG (the suite's environment).
        const QByteArray lang = qgetenv("LANG");
        QCOMPARE(m_language, lang.startsWith("de")   ? QStringLiteral("de")
                             : lang.startsWith("fr") ? QStringLiteral("fr")
                                                     : QStringLiteral("en"));
    }

    // Captions and a status text after a command: translated, or exactly the
    // designed English.
    void captionsAndStatus()
    {
        MainWindow window;
        Form1 &w = window.form();
        auto *write = w.findChild<QPushButton *>(QStringLiteral("WRITE_CONFIG"));
        auto *option = w.findChild<QRadioButton *>(QStringLiteral("Option1"));
        w.setPort(QStringLiteral("/nonexistent/port"));
        write->click(); // nothing assigned: refused with the switches' text
        const QString status = w.findChild<QTextEdit *>(QStringLiteral("Text1"))->toPlainText();
        if (m_language == QLatin1String("en")) {
            QCOMPARE(w.windowTitle(),
                     QStringLiteral("TRV QLM 10 BUTTON SWITCH PANEL CONFIGURATION PROGRAM"));
            QCOMPARE(write->text(), QStringLiteral("WRITE CONFIGURATION TO SWITCH PANEL"));
            QCOMPARE(option->text(), QStringLiteral("SWITCH CHANNEL ASSIGNMENTS"));
            QCOMPARE(status, statustext::kIncompleteSwitches);
            return;
        }
        const bool de = m_language == QLatin1String("de");
        QCOMPARE(write->text(), de ? QStringLiteral("KONFIGURATION INS PANEL SCHREIBEN")
                                   : QStringLiteral("ÉCRIRE LA CONFIGURATION DANS LE PANNEAU"));
        QCOMPARE(option->text(),
                 de ? QStringLiteral("KANÄLE DER TASTER") : QStringLiteral("CANAUX DES BOUTONS"));
        QVERIFY(status.startsWith(de ? QStringLiteral("VOR DEM SCHREIBEN")
                                     : QStringLiteral("LES DONNÉES DE TOUS LES BOUTONS")));
        QVERIFY(window.menuBar()->actions().first()->text() != QStringLiteral("&File"));
        QVERIFY(listOf(w, 1)->toolTip().endsWith(de ? QStringLiteral("MODULZUORDNUNG")
                                                    : QStringLiteral("AFFECTATION DU MODULE")));
    }

    // Every caption of the window and the station dialog fits its control, as
    // the control's font measures it.
    void captionsFit()
    {
        MainWindow window;
        Form1 &w = window.form();
        const QList<QLabel *> labels = w.findChildren<QLabel *>();
        QVERIFY(labels.size() > 10);
        for (QLabel *l : labels) {
            if (l->text().isEmpty() || l->wordWrap())
                continue;
            const int needed = l->fontMetrics().horizontalAdvance(l->text());
            QVERIFY2(needed <= l->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 needs %2 of %3 px")
                                    .arg(l->text())
                                    .arg(needed)
                                    .arg(l->contentsRect().width())));
        }
        auto fits = [](QWidget *button, const QString &text, const QRect &area) {
            const QRect needed =
                button->fontMetrics().boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
            QVERIFY2(area.contains(needed), qPrintable(QStringLiteral("%1 needs %2x%3 of %4x%5 px")
                                                           .arg(text)
                                                           .arg(needed.width())
                                                           .arg(needed.height())
                                                           .arg(area.width())
                                                           .arg(area.height())));
        };
        const QList<WrappingPushButton *> buttons = w.findChildren<WrappingPushButton *>();
        const QList<WrappingRadioButton *> options = w.findChildren<WrappingRadioButton *>();
        QCOMPARE(buttons.size() + options.size(), 6);
        for (WrappingPushButton *b : buttons)
            fits(b, b->text(), b->captionArea());
        for (WrappingRadioButton *o : options)
            fits(o, o->text(), o->captionArea());
        // The heading wraps within its place.
        auto *heading = w.findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(heading->heightForWidth(heading->width()) <= heading->height());
    }

    // The core's status texts, as it writes them into reports and onto the
    // command line, all have their translation in the window; composed ones
    // keep their arguments.
    void coreTexts()
    {
        if (m_language == QLatin1String("en"))
            QSKIP("English shows the core's texts as they are");
        const QString table[] = {statustext::kStartingRead,
                                 statustext::kStartingWrite,
                                 statustext::kReadingBeforeWrite,
                                 statustext::kProgrammed,
                                 statustext::kReadSuccessful,
                                 statustext::kNoResponse,
                                 statustext::kBadData,
                                 statustext::kCellOk,
                                 statustext::kNotAcknowledged,
                                 statustext::kCorrupted,
                                 statustext::kFailedToVerify,
                                 statustext::kOutOfRange,
                                 statustext::kIncompleteSwitches,
                                 statustext::kIncompleteLeds,
                                 statustext::kIncompleteLedsOfSave};
        for (const QString &text : table)
            QVERIFY2(translation::status(text) != text, qPrintable(text));
        const QString portFailure = translation::status(portplatform::openErrorText(
            QStringLiteral("/dev/ttyUSB7"), QSerialPort::DeviceNotFoundError, QString()));
        QVERIFY(portFailure.contains(QStringLiteral("/dev/ttyUSB7")));
        QVERIFY(portFailure.contains(m_language == QLatin1String("de")
                                         ? QStringLiteral("GERÄT NICHT VORHANDEN")
                                         : QStringLiteral("PÉRIPHÉRIQUE INEXISTANT")));
        QVERIFY(!translation::status(portplatform::permissionText(QStringLiteral("root"),
                                                                  QStringLiteral("dialout"), 0660))
                     .startsWith(QStringLiteral("PERMISSION")));
        // An unknown text stays as it is.
        QCOMPARE(translation::status(QStringLiteral("No such file")),
                 QStringLiteral("No such file"));
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
