#include "translation.h"

#include "config/assignment.h"
#include "config/panel_compare.h"
#include "files/qcf_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace translation {

// The core's texts are translated in the context "statustext". It names no class,
// so that the texts keep their translations wherever the code that shows them goes.

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
    case Reason::ConnectionRefused:
        return QCoreApplication::translate("statustext", "CONNECTION REFUSED");
    case Reason::HostNotFound:
        return QCoreApplication::translate("statustext", "HOST NOT FOUND");
    case Reason::NoAnswer:
        return QCoreApplication::translate("statustext", "NO ANSWER WITHIN %1 SECONDS")
            .arg(why.number);
    case Reason::Closed:
        return QCoreApplication::translate("statustext", "THE CONNECTION WAS CLOSED");
    case Reason::NoTelnetAnswer:
        return QCoreApplication::translate(
                   "statustext",
                   "NO RFC 2217 ANSWER WITHIN %1 SECONDS - IN RAW TCP MODE USE TCP://")
            .arg(why.number);
    case Reason::OptionFlood:
        return QCoreApplication::translate(
                   "statustext",
                   "THE DEVICE SERVER FLOODED THE CONNECTION WITH %1 KIB OF OPTION TRAFFIC")
            .arg(why.number);
    case Reason::TooMuchData:
        return QCoreApplication::translate(
                   "statustext", "THE DEVICE SERVER SENT MORE THAN %1 KIB THAT NO PANEL SENDS")
            .arg(why.number);
    case Reason::NoComPortControl:
        return QCoreApplication::translate(
            "statustext",
            "THE DEVICE SERVER DOES NOT OFFER RFC 2217 (COM PORT CONTROL) - IN RAW TCP MODE USE "
            "TCP://");
    case Reason::SettingsRefused:
        return QCoreApplication::translate(
            "statustext",
            "THE DEVICE SERVER DID NOT SET 9600 BAUD, 8 DATA BITS, NO PARITY, 1 STOP BIT");
    case Reason::Described: // the system's or the device server's words
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
    case Cause::NoSuchPort:
        return QCoreApplication::translate(
            "statustext",
            "NO SUCH PORT - A USB ADAPTER MUST BE PLUGGED IN AND ITS DRIVER INSTALLED");
    case Cause::Described: // the system's words
        break;
    }
    return portfailure::english(cause);
}

QString describe(const portfailure::AddressProblem &problem)
{
    using Kind = portfailure::AddressProblem::Kind;
    const QString part = problem.quotedPart();
    switch (problem.kind) {
    case Kind::None:
        break;
    case Kind::UnknownScheme:
        return QCoreApplication::translate("statustext", "NO PORT OF THE KIND %1").arg(part);
    case Kind::NoHost:
        return QCoreApplication::translate("statustext", "NO HOST");
    case Kind::NotIpv6:
        return QCoreApplication::translate("statustext", "%1 IS NOT AN IPV6 ADDRESS").arg(part);
    case Kind::NotIpv4:
        return QCoreApplication::translate("statustext", "%1 IS NOT AN IPV4 ADDRESS").arg(part);
    case Kind::NotHostName:
        return QCoreApplication::translate("statustext", "%1 IS NOT A HOST NAME").arg(part);
    case Kind::NoPortNumber:
        return QCoreApplication::translate("statustext", "NO PORT NUMBER");
    case Kind::UnexpectedAfterHost:
        return QCoreApplication::translate("statustext", "UNEXPECTED %1 AFTER THE HOST").arg(part);
    case Kind::UnexpectedAfterPort:
        return QCoreApplication::translate("statustext", "UNEXPECTED %1 AFTER THE PORT NUMBER")
            .arg(part);
    case Kind::NotPortNumber:
        return QCoreApplication::translate("statustext", "%1 IS NOT A PORT NUMBER FROM 1 TO 65535")
            .arg(part);
    case Kind::NoClosingBracket:
        return QCoreApplication::translate("statustext", "NO \"]\" AFTER THE IPV6 ADDRESS");
    case Kind::Ipv6NotBracketed:
        return QCoreApplication::translate("statustext",
                                           "AN IPV6 ADDRESS GOES IN BRACKETS, E.G. [FE80::1]:4001");
    }
    return portfailure::english(problem);
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
    case Kind::Address:
        return QCoreApplication::translate(
                   "statustext", "CANNOT USE %1 AS THE PANEL'S PORT: %2 - WRITE TCP://HOST:PORT OR "
                                 "RFC2217://HOST:PORT")
            .arg(failure.port, describe(failure.problem));
    case Kind::Connection:
        return QCoreApplication::translate("statustext", "CANNOT CONNECT TO %1: %2")
            .arg(failure.port, describe(failure.why));
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

// "IT IS A FOLDER, NOT A PDF FILE": whole sentences, so that a language may
// inflect its words as the kind of file needs.
static QString notAFile(const files::FileProblem &problem)
{
    using files::FileKind;
    const bool folder = problem.kind == files::FileProblem::Kind::IsFolder;
    switch (problem.file) {
    case FileKind::Configuration:
        return folder
                   ? QCoreApplication::translate("statustext",
                                                 "IT IS A FOLDER, NOT A CONFIGURATION FILE")
                   : QCoreApplication::translate(
                         "statustext", "IT IS A DEVICE, PIPE OR SOCKET, NOT A CONFIGURATION FILE");
    case FileKind::Pdf:
        return folder ? QCoreApplication::translate("statustext", "IT IS A FOLDER, NOT A PDF FILE")
                      : QCoreApplication::translate(
                            "statustext", "IT IS A DEVICE, PIPE OR SOCKET, NOT A PDF FILE");
    case FileKind::Csv:
        return folder ? QCoreApplication::translate("statustext", "IT IS A FOLDER, NOT A CSV FILE")
                      : QCoreApplication::translate(
                            "statustext", "IT IS A DEVICE, PIPE OR SOCKET, NOT A CSV FILE");
    case FileKind::Backup:
        return folder
                   ? QCoreApplication::translate("statustext", "IT IS A FOLDER, NOT A BACKUP FILE")
                   : QCoreApplication::translate(
                         "statustext", "IT IS A DEVICE, PIPE OR SOCKET, NOT A BACKUP FILE");
    }
    return files::english(problem);
}

QString describe(const files::FileProblem &problem)
{
    using Kind = files::FileProblem::Kind;
    const QString path = QDir::toNativeSeparators(problem.path);
    switch (problem.kind) {
    case Kind::None:
        return QString();
    case Kind::NoFileName:
        return QCoreApplication::translate("statustext", "NO FILE NAME GIVEN");
    case Kind::IsFolder:
    case Kind::IsDevice:
        return notAFile(problem);
    case Kind::FolderMissing:
        return QCoreApplication::translate("statustext", "THE FOLDER %1 DOES NOT EXIST").arg(path);
    case Kind::FolderNotWritable:
        return QCoreApplication::translate("statustext", "THE FOLDER %1 CANNOT BE WRITTEN")
            .arg(path);
    case Kind::TooLarge:
        return QCoreApplication::translate("statustext",
                                           "THE FILE IS TOO LARGE TO BE A CONFIGURATION FILE");
    case Kind::EndsEarly:
        return QCoreApplication::translate("statustext",
                                           "THE FILE ENDS BEFORE FIELD %1 OF %2 IS COMPLETE")
            .arg(problem.field)
            .arg(problem.number);
    case Kind::NumberOutOfRange:
        return QCoreApplication::translate("statustext",
                                           "FIELD %1 HOLDS A NUMBER OUTSIDE -32768 TO 32767")
            .arg(problem.field);
    case Kind::EmptyNumber:
        return QCoreApplication::translate("statustext", "FIELD %1 HOLDS NO NUMBER: IT IS EMPTY")
            .arg(problem.field);
    case Kind::NotAnAssignment:
        return QCoreApplication::translate("statustext",
                                           "FIELD %1 HOLDS THE CODE %2, WHICH IS NOT AN ASSIGNMENT")
            .arg(problem.field)
            .arg(problem.number);
    case Kind::WouldBeTooLarge:
        return QCoreApplication::translate(
                   "statustext",
                   "THE FILE WOULD BE LARGER THAN %1 KIB, TOO LARGE TO BE OPENED AGAIN: SHORTEN "
                   "THE PANEL NAME OR THE DESIGNATIONS")
            .arg(problem.number);
    case Kind::NotRegular:
        return QCoreApplication::translate("statustext", "NOT A REGULAR FILE");
    case Kind::WriteFailed:
        return QCoreApplication::translate("statustext", "WRITE FAILED");
    case Kind::NotDrawn:
        return QCoreApplication::translate("statustext", "THE SHEET COULD NOT BE DRAWN");
    case Kind::System: // the system's words, as the system gives them
        break;
    }
    return files::english(problem);
}

QString describe(const backup::Failure &failure)
{
    using Kind = backup::Failure::Kind;
    const QString path = QDir::toNativeSeparators(failure.path);
    switch (failure.kind) {
    case Kind::None:
        return QString();
    case Kind::FolderNotCreated:
        return QCoreApplication::translate("statustext", "THE BACKUP FOLDER %1 CANNOT BE CREATED")
            .arg(path);
    case Kind::NotSaved:
        return QCoreApplication::translate("statustext", "THE BACKUP %1 COULD NOT BE SAVED: %2")
            .arg(path, describe(failure.cause));
    case Kind::NotThere:
        return QCoreApplication::translate("statustext",
                                           "THE BACKUP %1 IS NOT IN THE BACKUP FOLDER AFTER "
                                           "SAVING IT: THE FOLDER CANNOT BE TRUSTED")
            .arg(path);
    }
    return backup::english(failure);
}

QString describe(const backup::Kept &kept)
{
    if (kept.outcome != cellwalk::Outcome::Done)
        return QCoreApplication::translate(
                   "statustext",
                   "THE PANEL COULD NOT BE READ FOR A BACKUP (%1), NOTHING WAS WRITTEN")
            .arg(describe(kept.outcome));
    if (kept.saved.failure.failed())
        return QCoreApplication::translate("statustext", "%1, NOTHING WAS WRITTEN")
            .arg(describe(kept.saved.failure));
    return QString();
}

QString describe(const TrafficLogFailure &failure)
{
    // The system's words in capitals, as the command line prints them.
    const QString why = failure.why.kind == files::FileProblem::Kind::System
                            ? failure.why.text.toUpper()
                            : describe(failure.why);
    return QCoreApplication::translate("statustext",
                                       "THE TRAFFIC LOG %1 COULD NOT BE WRITTEN (%2); "
                                       "THE PANEL COMMAND WENT ON WITHOUT IT")
        .arg(QDir::toNativeSeparators(failure.path), why);
}

QString describe(const ReportProblem &problem)
{
    using Kind = ReportProblem::Kind;
    switch (problem.kind) {
    case Kind::None:
        return QString();
    case Kind::NotRegular:
        return QCoreApplication::translate("statustext", "NOT A REGULAR FILE");
    // Not translated yet: a report named as a configuration file or torn in a
    // way the program did not tear it, and what only a failing disk does.
    case Kind::NamedAsConfiguration:
    case Kind::NotAReport:
    case Kind::NotOpen:
    case Kind::RowNotWritten:
    case Kind::System: // the system's words
        break;
    }
    return english(problem);
}

QString auditReason(const site::PanelResult &result)
{
    if (result.openFailure)
        return describe(*result.openFailure);
    if (result.ending)
        return describe(*result.ending);
    if (result.fileProblem)
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(result.filePath),
                                            describe(*result.fileProblem));
    if (result.verdict == site::Verdict::NoFile)
        return QCoreApplication::translate("statustext", "THE INVENTORY NAMES NO FILE");
    return QString();
}

QString describe(const site::InventoryProblem &problem)
{
    using Kind = site::InventoryProblem::Kind;
    switch (problem.kind) {
    case Kind::None:
        return QString();
    case Kind::Missing:
        return QCoreApplication::translate("statustext", "THE FILE DOES NOT EXIST");
    case Kind::IsFolder:
        return QCoreApplication::translate("statustext", "IT IS A FOLDER, NOT AN INVENTORY");
    case Kind::IsDevice:
        return QCoreApplication::translate("statustext",
                                           "IT IS A DEVICE, PIPE OR SOCKET, NOT AN INVENTORY");
    case Kind::TooLarge:
        return QCoreApplication::translate("statustext",
                                           "THE FILE IS LARGER THAN %1 MIB, TOO LARGE FOR AN "
                                           "INVENTORY")
            .arg(problem.number);
    case Kind::NotText:
        return QCoreApplication::translate(
            "statustext", "IT IS NOT A TEXT FILE (IT HOLDS A NUL BYTE), NOT AN INVENTORY");
    case Kind::QuoteNotClosed:
        return QCoreApplication::translate("statustext",
                                           "A QUOTE OPENED ON LINE %1 IS NEVER CLOSED")
            .arg(problem.number);
    case Kind::TextAfterQuote:
        return QCoreApplication::translate("statustext", "TEXT AFTER THE CLOSING QUOTE OF A FIELD");
    case Kind::Empty:
        return QCoreApplication::translate("statustext",
                                           "THE INVENTORY IS EMPTY: ITS FIRST LINE NAMES THE "
                                           "COLUMNS panel, location, port AND file");
    case Kind::ColumnTwice:
        return QCoreApplication::translate("statustext",
                                           "THE COLUMN %1 IS NAMED TWICE (ALSO COLUMN %2)")
            .arg(problem.name)
            .arg(problem.number);
    case Kind::ColumnMissing:
        return QCoreApplication::translate("statustext",
                                           "NO COLUMN NAMED %1: THE FIRST LINE NAMES THE COLUMNS "
                                           "panel, location, port AND file")
            .arg(problem.name);
    case Kind::FieldCount:
        return QCoreApplication::translate("statustext", "THE ROW HAS %1 FIELDS, THE HEADER %2")
            .arg(problem.number)
            .arg(problem.other);
    case Kind::NameEmpty:
        return QCoreApplication::translate("statustext", "THE PANEL NAME IS EMPTY");
    case Kind::NameTwice:
        return QCoreApplication::translate("statustext",
                                           "THE PANEL NAME \"%1\" IS ALSO ON LINE %2 (NAMES ARE "
                                           "COMPARED WITHOUT REGARD TO CASE)")
            .arg(problem.name)
            .arg(problem.number);
    case Kind::BadAddress:
        return problem.address ? describe(*problem.address) : QString();
    case Kind::PortTwice:
        return QCoreApplication::translate("statustext",
                                           "THE PORT %1 IS ALSO THE PORT OF \"%2\" ON LINE %3")
            .arg(problem.port, problem.name)
            .arg(problem.number);
    case Kind::SamePort:
        return QCoreApplication::translate("statustext",
                                           "THE PORT %1 IS THE PORT %2 OF \"%3\" ON LINE %4")
            .arg(problem.port, problem.otherPort, problem.name)
            .arg(problem.number);
    case Kind::Unreadable: // the system's words
        break;
    }
    return site::english(problem);
}

QString describe(const site::HistoryProblem &problem)
{
    using Kind = site::HistoryProblem::Kind;
    const QString path = QDir::toNativeSeparators(problem.path);
    switch (problem.kind) {
    case Kind::None:
        return QString();
    case Kind::SymbolicLink:
        return QCoreApplication::translate(
                   "statustext",
                   "%1 IS A SYMBOLIC LINK; HISTORY IS KEPT ONLY IN A FOLDER OF ITS OWN")
            .arg(path);
    case Kind::NotAFolder:
        return QCoreApplication::translate("statustext", "%1 IS NOT A FOLDER").arg(path);
    case Kind::FolderNotCreated:
        return QCoreApplication::translate("statustext", "THE HISTORY FOLDER %1 CANNOT BE CREATED")
            .arg(path);
    case Kind::FolderNotWritable:
        return QCoreApplication::translate("statustext",
                                           "THE HISTORY FOLDER %1 CANNOT BE WRITTEN: %2")
            .arg(path, problem.text);
    case Kind::CopyNotWritten:
        return QCoreApplication::translate("statustext", "A COPY COULD NOT BE WRITTEN IN %1: %2")
            .arg(path, problem.text);
    case Kind::CopyNotMade:
        return QCoreApplication::translate("statustext", "THE COPY %1 COULD NOT BE MADE: %2")
            .arg(path, problem.text);
    case Kind::TooManyCopies:
        return QCoreApplication::translate("statustext", "TOO MANY COPIES IN %1 FOR ONE SECOND")
            .arg(path);
    }
    return site::english(problem);
}

QString describe(const site::RestoreProblem &problem)
{
    using Kind = site::RestoreProblem::Kind;
    const QString path = QDir::toNativeSeparators(problem.path);
    switch (problem.kind) {
    case Kind::None:
        return QString();
    case Kind::NoPort:
        return QCoreApplication::translate("statustext",
                                           "NO PORT: THE INVENTORY GIVES \"%1\" NO PORT")
            .arg(problem.panel);
    case Kind::NoFileNamed:
        return QCoreApplication::translate("statustext", "NO FILE: THE INVENTORY NAMES NO FILE");
    case Kind::NoFile:
        return QCoreApplication::translate("statustext", "NO FILE: %1: %2")
            .arg(path, describe(problem.file));
    case Kind::IncompleteItem: {
        const bool isSwitch = assignment::item(problem.item).kind == assignment::ItemKind::Switch;
        return QCoreApplication::translate("statustext",
                                           "%1: %2 HAS NO CHANNEL (CODE -1 IN FIELD %3): %4")
            .arg(path, assignment::item(problem.item).name())
            .arg(qcf::codeField(problem.item))
            .arg(describe(isSwitch ? statustext::Status::IncompleteSwitches
                                   : statustext::Status::IncompleteLeds));
    }
    case Kind::BackupNotRead:
        return QCoreApplication::translate(
                   "statustext",
                   "THE PANEL COULD NOT BE READ FOR A BACKUP (%1), NOTHING WAS WRITTEN")
            .arg(problem.ending ? describe(*problem.ending) : QString());
    case Kind::BackupNotSaved:
        return QCoreApplication::translate("statustext", "%1, NOTHING WAS WRITTEN")
            .arg(describe(problem.backup));
    }
    return site::english(problem);
}

QString tornRowCut(qint64 bytes)
{
    return QCoreApplication::translate("statustext",
                                       "THE REPORT ENDED IN A TORN ROW; ITS LAST %1 BYTES, WITHOUT "
                                       "A LINE END, WERE CUT OFF")
        .arg(bytes);
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
