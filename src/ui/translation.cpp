#include "translation.h"

#include "config/assignment.h"
#include "config/panel_compare.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace translation {

namespace {

// The context of the core's texts in the translation files. It names no class, so
// that the texts keep their translations wherever the code that shows them goes.
constexpr char kContext[] = "statustext";

// The failures of files, backups and the traffic log, as the core still writes
// them (the panel's outcomes come as values, described below). A text with %1 or
// %2 is a pattern; its arguments are shown as they are, or translated themselves
// when they are one of these texts.
// clang-format off
const char *const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("statustext", "THE BACKUP FOLDER %1 CANNOT BE CREATED"),
    QT_TRANSLATE_NOOP("statustext", "THE BACKUP %1 COULD NOT BE SAVED: %2"),
    QT_TRANSLATE_NOOP("statustext", "THE TRAFFIC LOG %1 COULD NOT BE WRITTEN (%2); THE PANEL COMMAND WENT ON WITHOUT IT"),
    QT_TRANSLATE_NOOP("statustext", "NO FILE NAME GIVEN"),
    QT_TRANSLATE_NOOP("statustext", "THE FOLDER %1 DOES NOT EXIST"),
    QT_TRANSLATE_NOOP("statustext", "THE FOLDER %1 CANNOT BE WRITTEN"),
    QT_TRANSLATE_NOOP("statustext", "IT IS A FOLDER, NOT A CONFIGURATION FILE"),
    QT_TRANSLATE_NOOP("statustext", "IT IS A DEVICE, PIPE OR SOCKET, NOT A CONFIGURATION FILE"),
    QT_TRANSLATE_NOOP("statustext", "IT IS A FOLDER, NOT A PDF FILE"),
    QT_TRANSLATE_NOOP("statustext", "IT IS A DEVICE, PIPE OR SOCKET, NOT A PDF FILE"),
    QT_TRANSLATE_NOOP("statustext", "IT IS A FOLDER, NOT A CSV FILE"),
    QT_TRANSLATE_NOOP("statustext", "IT IS A DEVICE, PIPE OR SOCKET, NOT A CSV FILE"),
    QT_TRANSLATE_NOOP("statustext", "THE FILE IS TOO LARGE TO BE A CONFIGURATION FILE"),
    QT_TRANSLATE_NOOP("statustext", "FIELD %1 HOLDS THE CODE %2, WHICH IS NOT AN ASSIGNMENT"),
    QT_TRANSLATE_NOOP("statustext", "THE FILE ENDS BEFORE FIELD %1 OF %2 IS COMPLETE"),
    QT_TRANSLATE_NOOP("statustext", "FIELD %1 HOLDS A NUMBER OUTSIDE -32768 TO 32767"),
    QT_TRANSLATE_NOOP("statustext", "FIELD %1 HOLDS NO NUMBER: IT IS EMPTY"),
    QT_TRANSLATE_NOOP("statustext", "THE FILE WOULD BE LARGER THAN %1 KIB, TOO LARGE TO BE OPENED AGAIN: SHORTEN THE PANEL NAME OR THE DESIGNATIONS"),
    QT_TRANSLATE_NOOP("statustext", "WRITE FAILED"),
    QT_TRANSLATE_NOOP("statustext", "NOT A REGULAR FILE"),
};
// clang-format on

QString tr(const char *text) { return QCoreApplication::translate(kContext, text); }

// A pattern's English as a regular expression: its %1 and %2 take the shortest
// text that lets the rest match.
QRegularExpression patternOf(const QString &english)
{
    QString re;
    const QStringList parts = english.split(QStringLiteral("%2"));
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            re += QStringLiteral("(.*)");
        const QStringList pieces = parts[i].split(QStringLiteral("%1"));
        for (int j = 0; j < pieces.size(); ++j) {
            if (j > 0)
                re += QStringLiteral("(.*?)");
            re += QRegularExpression::escape(pieces[j]);
        }
    }
    return QRegularExpression(QLatin1Char('^') + re + QLatin1Char('$'),
                              QRegularExpression::DotMatchesEverythingOption);
}

// The core's texts with their patterns, each compiled once: a status text is
// looked up for every cell of a panel command.
struct CoreText {
    const char *english;
    QString source;
    QRegularExpression pattern; // empty for a text without %1 or %2
};

const QList<CoreText> &coreTexts()
{
    static const QList<CoreText> texts = [] {
        QList<CoreText> list;
        for (const char *text : kCoreTexts) {
            const QString source = QString::fromUtf8(text);
            list.append(
                {text, source,
                 source.contains(QLatin1Char('%')) ? patternOf(source) : QRegularExpression()});
        }
        return list;
    }();
    return texts;
}

} // namespace

QStringList languages() { return {QStringLiteral("de"), QStringLiteral("fr")}; }

QString chooseLanguage(const QString &setting, const QStringList &uiLanguages)
{
    if (setting == QLatin1String("en") || languages().contains(setting))
        return setting;
    for (const QString &tag : uiLanguages) {
        // "de-DE", "fr_CH", "en-GB", "C": the language is what comes before the region.
        const QString language =
            tag.section(QRegularExpression(QStringLiteral("[-_]")), 0, 0).toLower();
        if (language == QLatin1String("en") || languages().contains(language))
            return language;
    }
    return QStringLiteral("en");
}

QList<QTranslator *> install(QCoreApplication &app, const QString &language)
{
    QList<QTranslator *> installed;
    if (!languages().contains(language))
        return installed;
    auto load = [&](const QString &file, const QString &folder) {
        auto *translator = new QTranslator(&app);
        if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
            installed << translator;
        else
            delete translator;
    };
    // Installed last, the program's own words are looked up first.
    load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    load(QStringLiteral("switchpanel-config_") + language, QStringLiteral(":/i18n"));
    return installed;
}

// The core's values in the window's language. Every switch names every value, so
// that a value added without a text here is a compiler warning (an error in CI).
// Texts the window has no translation of yet are shown as the core writes them.

QString describe(statustext::Status status)
{
    using statustext::Status;
    switch (status) {
    case Status::StartingRead:
        return QCoreApplication::translate(
            "statustext", "STARTING COMMUNICATIONS TO READ SWITCH PANEL CONFIGURATION");
    case Status::StartingWrite:
        return QCoreApplication::translate(
            "statustext", "STARTING COMMUNICATIONS TO WRITE SWITCH PANEL CONFIGURATION");
    case Status::ReadingBeforeWrite:
        return QCoreApplication::translate("statustext", "READING THE PANEL BEFORE WRITING");
    case Status::Programmed:
        return QCoreApplication::translate("statustext", "SWITCH PANEL HAS BEEN PROGRAMMED");
    case Status::ReadSuccessful:
        return QCoreApplication::translate("statustext", "SWITCH PANEL DATA READ SUCCESSFUL");
    case Status::IncompleteSwitches:
        return QCoreApplication::translate(
            "statustext", "DATA MUST BE ENTERED (CLICKED) FOR ALL SWITCHES BEFORE WRITING DATA");
    case Status::IncompleteLeds:
        return QCoreApplication::translate(
            "statustext",
            "DATA MUST BE ENTERED (CLICKED) FOR ALL LED'S AND BACKLIGHTING BEFORE WRITING DATA");
    case Status::IncompleteLedsOfSave:
        return QCoreApplication::translate(
            "statustext",
            "DATA MUST BE ENTERED (CLICKED) FOR ALL LED's AND BACKLIGHTING BEFORE WRITING DATA");
    }
    return statustext::english(status);
}

QString describe(cellwalk::CellResult result)
{
    using cellwalk::CellResult;
    switch (result) {
    case CellResult::Ok:
        return QCoreApplication::translate("statustext", "COMMUNICATIONS OK");
    case CellResult::NotAcknowledged:
        return QCoreApplication::translate("statustext", "NOT ACKNOWLEDGED");
    case CellResult::Corrupted:
        return QCoreApplication::translate("statustext", "COMMUNICATIONS CORRUPTED");
    case CellResult::FailedToVerify:
        return QCoreApplication::translate("statustext", "DATA FAILED TO VERIFY");
    case CellResult::OutOfRange:
        return QCoreApplication::translate("statustext", "ERROR - DATA OUT OF RANGE");
    }
    return cellwalk::cellText(result);
}

QString describe(cellwalk::Outcome outcome)
{
    using cellwalk::Outcome;
    switch (outcome) {
    case Outcome::NoResponse:
        return QCoreApplication::translate("statustext",
                                           "COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND");
    case Outcome::CellFailed:
        return QCoreApplication::translate("statustext",
                                           "COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA");
    case Outcome::Done:
        break;
    }
    return QString();
}

QString describe(const cellwalk::Ending &ending)
{
    using cellwalk::Outcome;
    if (ending.outcome == Outcome::Done)
        return ending.done ? describe(*ending.done) : QString();
    if (!ending.loss)
        return describe(ending.outcome);
    const QString lost = describe(*ending.loss);
    if (ending.cellsWritten >= 0 && ending.outcome == Outcome::CellFailed)
        return QCoreApplication::translate(
                   "statustext",
                   "COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - %1 - %2 OF 21 CELLS WRITTEN")
            .arg(lost)
            .arg(ending.cellsWritten);
    return (ending.outcome == Outcome::CellFailed
                ? QCoreApplication::translate("statustext",
                                              "COMMUNICATIONS FAILURE-BAD SWITCH PANEL DATA - %1")
                : QCoreApplication::translate(
                      "statustext", "COMMUNICATIONS FAILURE SWITCH PANEL FAILED TO RESPOND - %1"))
        .arg(lost);
}

QString describe(const portfailure::Why &why)
{
    using portfailure::Reason;
    switch (why.reason) {
    case Reason::ServerClosed:
        return QCoreApplication::translate("statustext", "THE DEVICE SERVER CLOSED THE CONNECTION");
    case Reason::Reset:
        return QCoreApplication::translate("statustext", "THE CONNECTION WAS RESET");
    case Reason::ServerStoppedReading:
        return QCoreApplication::translate("statustext", "THE DEVICE SERVER STOPPED READING");
    case Reason::PortStoppedSending:
        return QCoreApplication::translate("statustext", "THE PORT STOPPED SENDING");
    // Not translated yet: the failures to connect to a device server, and what
    // only a faulty one does.
    case Reason::ConnectionRefused:
    case Reason::HostNotFound:
    case Reason::NoAnswer:
    case Reason::Closed:
    case Reason::NoTelnetAnswer:
    case Reason::OptionFlood:
    case Reason::TooMuchData:
    case Reason::Described:
        break;
    }
    return portfailure::english(why);
}

QString describe(const portfailure::DeviceCause &cause)
{
    using portfailure::Cause;
    switch (cause.cause) {
    case Cause::NoSuchDevice:
        return QCoreApplication::translate("statustext", "NO SUCH DEVICE");
    case Cause::AlreadyOpen:
        return QCoreApplication::translate("statustext", "IT IS ALREADY OPEN");
    case Cause::InUse:
        return QCoreApplication::translate("statustext", "IT IS IN USE BY ANOTHER PROGRAM");
    case Cause::MustJoinGroup:
        return QCoreApplication::translate("statustext",
                                           "PERMISSION DENIED: THE USER MUST BE IN GROUP \"%1\"")
            .arg(cause.name);
    case Cause::OnlyOwner:
        return QCoreApplication::translate(
                   "statustext",
                   "PERMISSION DENIED: ONLY ITS OWNER \"%1\" MAY OPEN IT - GIVE THE DEVICE TO A "
                   "GROUP THE USER IS IN WITH A UDEV RULE (GROUP \"dialout\", MODE 0660), OR ASK "
                   "AN ADMINISTRATOR")
            .arg(cause.name);
    case Cause::NoSuchPort: // Windows only, not translated yet
    case Cause::Described:  // the system's words
        break;
    }
    return portfailure::english(cause);
}

QString describe(const portfailure::OpenFailure &failure)
{
    using Kind = portfailure::OpenFailure::Kind;
    switch (failure.kind) {
    case Kind::Device: {
        const QString text =
            QCoreApplication::translate("statustext", "CANNOT OPEN SERIAL PORT %1 - %2")
                .arg(failure.port, describe(failure.device));
        if (failure.portsFound.isEmpty())
            return text;
        return QCoreApplication::translate("statustext", "%1 - PORTS FOUND: %2")
            .arg(text, failure.portsFound.join(QStringLiteral(", ")));
    }
    case Kind::Address:    // not translated yet
    case Kind::Connection: // not translated yet
        break;
    }
    return portfailure::english(failure);
}

QString describe(const portfailure::Loss &loss)
{
    if (loss.network)
        return QCoreApplication::translate("statustext", "CONNECTION TO %1 LOST: %2")
            .arg(loss.port, loss.why ? describe(*loss.why) : QString());
    if (loss.why)
        return QCoreApplication::translate("statustext", "SERIAL PORT %1 LOST: %2")
            .arg(loss.port, describe(*loss.why));
    return QCoreApplication::translate("statustext", "SERIAL PORT %1 LOST").arg(loss.port);
}

QString status(const QString &english)
{
    if (english.isEmpty())
        return english;
    for (const CoreText &text : coreTexts()) {
        if (text.pattern.pattern().isEmpty()) { // no %1 or %2: the text itself
            if (text.source == english)
                return tr(text.english);
            continue;
        }
        const QRegularExpressionMatch m = text.pattern.match(english);
        if (!m.hasMatch())
            continue;
        QString shown = tr(text.english);
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            shown = shown.arg(status(m.captured(i)));
        return shown;
    }
    return english;
}

QString panelHolds(int panelCode)
{
    return QCoreApplication::translate("statustext", "PANEL HOLDS %1")
        .arg(panelcompare::assignmentText(static_cast<std::int16_t>(panelCode)));
}

// The first items of a compare's differences by name, then "…" for the rest.
static QString namedItems(const QList<int> &items)
{
    QStringList names;
    for (int i = 0; i < items.size() && i < panelcompare::kNamedInStatus; ++i)
        names << assignment::item(items[i]).name();
    if (items.size() > panelcompare::kNamedInStatus)
        names << QStringLiteral("\u2026");
    return names.join(QStringLiteral(", "));
}

QString compareStatus(const QList<int> &differingItems)
{
    if (differingItems.isEmpty())
        return QCoreApplication::translate("statustext", "PANEL HOLDS THIS CONFIGURATION");
    const QString list = namedItems(differingItems);
    if (differingItems.size() == 1)
        return QCoreApplication::translate("statustext", "PANEL DIFFERS IN 1 ITEM: %1").arg(list);
    return QCoreApplication::translate("statustext", "PANEL DIFFERS IN %1 ITEMS: %2")
        .arg(differingItems.size())
        .arg(list);
}

QString fileHolds(const QList<qcftext::Difference> &itemDifferences)
{
    QStringList texts;
    for (const qcftext::Difference &d : itemDifferences)
        texts << (d.kind == qcftext::Difference::Kind::Designation
                      ? QCoreApplication::translate("statustext", "FILE HOLDS DESIGNATION %1")
                      : QCoreApplication::translate("statustext", "FILE HOLDS %1"))
                     .arg(d.after);
    return texts.join(QStringLiteral(", "));
}

QString fileCompareStatus(const QList<qcftext::Difference> &differences)
{
    if (differences.isEmpty())
        return QCoreApplication::translate("statustext", "FILE HOLDS THIS CONFIGURATION");
    const QList<int> items = qcftext::differingItems(differences);
    if (items.isEmpty())
        return QCoreApplication::translate("statustext", "FILE DIFFERS IN THE PANEL NAME");
    const QString list = namedItems(items);
    if (items.size() == 1)
        return QCoreApplication::translate("statustext", "FILE DIFFERS IN 1 ITEM: %1").arg(list);
    return QCoreApplication::translate("statustext", "FILE DIFFERS IN %1 ITEMS: %2")
        .arg(items.size())
        .arg(list);
}

QString fileDifference(const qcftext::Difference &difference)
{
    using Kind = qcftext::Difference::Kind;
    const QString item =
        difference.item >= 0 ? assignment::item(difference.item).name() : QString();
    switch (difference.kind) {
    case Kind::PanelName:
        return QCoreApplication::translate("statustext", "PANEL NAME: %1 -> %2")
            .arg(difference.before, difference.after);
    case Kind::Designation:
        return QCoreApplication::translate("statustext", "%1 DESIGNATION: %2 -> %3")
            .arg(item, difference.before, difference.after);
    case Kind::Assignment:
        break;
    }
    return QStringLiteral("%1: %2 -> %3").arg(item, difference.before, difference.after);
}

QString sameChannel(const QList<int> &others)
{
    QStringList names;
    for (int i : others)
        names << assignment::item(i).name();
    QString text = names.takeLast();
    if (!names.isEmpty())
        text = QCoreApplication::translate("statustext", "%1 AND %2")
                   .arg(names.join(QStringLiteral(", ")), text);
    return QCoreApplication::translate("statustext", "SAME CHANNEL AS %1").arg(text);
}

QString outputRefusal(const QString &path, const files::OutputCheck &check)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString target = QDir::toNativeSeparators(check.target);
    QString why;
    switch (check.refusal) {
    case files::OutputRefusal::None:
        return QString();
    case files::OutputRefusal::ConfigurationName:
        why = check.viaLink && !shown.endsWith(QStringLiteral(".qcf"), Qt::CaseInsensitive)
                  ? QCoreApplication::translate(
                        "statustext", "%1 IS A LINK TO %2, WHICH IS NAMED AS A CONFIGURATION FILE "
                                      "(.QCF).")
                        .arg(shown, target)
                  : QCoreApplication::translate("statustext",
                                                "%1 IS NAMED AS A CONFIGURATION FILE (.QCF).")
                        .arg(shown);
        break;
    case files::OutputRefusal::ConfigurationContent:
        why = check.viaLink
                  ? QCoreApplication::translate(
                        "statustext", "%1 IS A LINK TO %2, WHICH IS A CONFIGURATION FILE.")
                        .arg(shown, target)
                  : QCoreApplication::translate("statustext", "%1 IS A CONFIGURATION FILE.")
                        .arg(shown);
        break;
    }
    return why + QStringLiteral("\n\n") +
           QCoreApplication::translate("statustext",
                                       "A CONFIGURATION FILE IS NEVER OVERWRITTEN WITH ANOTHER "
                                       "KIND OF FILE. CHOOSE ANOTHER FILE.");
}

} // namespace translation
