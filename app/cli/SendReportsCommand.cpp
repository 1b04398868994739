// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// send-reports FILE.grs: each chosen student's report in a message of its
// own to that student's family, through a mail server or saved as .eml
// files, as the window's Send Reports by E-mail sends them.

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "app/cli/ReportChoices.h"
#include "app/cli/SecretInput.h"

#include "core/grading/GradesTable.h"
#include "core/mail/MailServerSettings.h"
#include "core/reports/FamilyNote.h"
#include "core/reports/StudentReport.h"
#include "core/settings/QSettingsStore.h"
#include "mail/sending/FamilySender.h"
#include "mail/sending/MessageFiles.h"
#include "mail/sending/ReportMail.h"
#include "mail/smtp/SmtpSession.h"
#include "render/reports/ClassReportsPrintout.h"

#include <QFile>

#include <cstdlib>

namespace markwell::cli {
namespace {

constexpr char kToOption[] = "to";
constexpr char kSubjectOption[] = "subject";
constexpr char kBodyFileOption[] = "body-file";
constexpr char kSecurityOption[] = "security";
constexpr char kSmtpOption[] = "smtp";
constexpr char kUserOption[] = "user";
constexpr char kCaFileOption[] = "ca-file";
constexpr char kSaveMessagesOption[] = "save-messages";

QString commandName() {
    return QStringLiteral("send-reports");
}

QString valueOr(const CommandArguments& args, const QString& option, const QString& fallback) {
    return args.isSet(option) ? args.value(option) : fallback;
}

// Where the password comes from when none is typed: never an option, which
// any user could read in the list of processes.
constexpr const char* kPasswordVariable = "MARKWELL_SMTP_PASSWORD";

int refuse(const QString& message, const Console& console) {
    console.error(commandName() + QStringLiteral(": ") + message);
    return kExitFailed;
}

std::optional<QString> textOfFile(const QString& path, const Console& console) {
    QFile file(path);
    // A message's text, never a large file by mistake.
    constexpr qint64 kLongestBody = 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLongestBody) {
        refuse(QStringLiteral("--body-file: %1 cannot be read as a message's text").arg(path), console);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (!QByteArrayView(bytes).isValidUtf8()) {
        refuse(QStringLiteral("--body-file: %1 is not UTF-8 text").arg(path), console);
        return std::nullopt;
    }
    return QString::fromUtf8(bytes);
}

// The subject, text, sender and recipients the options give; none after saying why.
std::optional<ReportMailPlan> planOf(const CommandArguments& args, const Console& console) {
    ReportMailPlan plan;
    plan.from.address = args.value(kFromOption).trimmed();
    if (!isSendableAddress(plan.from.address)) {
        refuse(QStringLiteral("--from: %1 is not an e-mail address").arg(plan.from.address), console);
        return std::nullopt;
    }
    const std::optional<AddressChoice> to = addressChoiceFromText(valueOr(args, kToOption, QStringLiteral("student")));
    if (!to) {
        refuse(QStringLiteral("--to: give student, mother and father, separated by commas"), console);
        return std::nullopt;
    }
    plan.to = *to;
    plan.subject = valueOr(args, kSubjectOption, defaultReportSubject());
    plan.body = defaultReportBody();
    if (args.isSet(kBodyFileOption)) {
        std::optional<QString> body = textOfFile(args.value(kBodyFileOption), console);
        if (!body) return std::nullopt;
        plan.body = std::move(*body);
    }
    return plan;
}

// The server of --smtp and its options, with the password for this run.
std::optional<SmtpEndpoint> endpointOf(const CommandArguments& args, const QString& sender, const Console& console) {
    const std::optional<MailSecurity> security =
        mailSecurityFromName(valueOr(args, kSecurityOption, QStringLiteral("starttls")));
    if (!security) {
        refuse(QStringLiteral("--security: give starttls, tls or none"), console);
        return std::nullopt;
    }
    const std::optional<HostAndPort> server = hostAndPortFromText(args.value(kSmtpOption), defaultMailPort(*security));
    if (!server) {
        refuse(QStringLiteral("--smtp: give HOST or HOST:PORT"), console);
        return std::nullopt;
    }
    SmtpEndpoint endpoint{
        server->host, server->port, *security, args.value(kUserOption), {}, args.value(kCaFileOption)};
    MailServerSettings settings;
    settings.host = endpoint.host;
    settings.port = endpoint.port;
    settings.security = endpoint.security;
    settings.user = endpoint.user;
    settings.senderAddress = sender;
    settings.caFile = endpoint.caFile;
    if (const QString problem = mailServerProblem(settings); !problem.isEmpty()) {
        refuse(problem, console);
        return std::nullopt;
    }
    if (endpoint.user.isEmpty()) return endpoint;
    if (const char* kept = std::getenv(kPasswordVariable)) {
        endpoint.password = QString::fromLocal8Bit(kept);
        return endpoint;
    }
    const Result<std::optional<QString>> typed =
        readSecretLine(QStringLiteral("Password of %1 on %2").arg(endpoint.user, endpoint.host));
    if (!typed || !*typed) {
        refuse(typed
                   ? QStringLiteral("no password was given (type it, or set %1)").arg(QLatin1String(kPasswordVariable))
                   : typed.message(),
               console);
        return std::nullopt;
    }
    endpoint.password = **typed;
    return endpoint;
}

// Each attempt goes to the class's send log as it ends.
class LoggingWatcher : public SendWatcher {
public:
    LoggingWatcher(SendLog log, const Console& console) : log_(std::move(log)), console_(console) {}

    void familyStarting(int, int, const QString&) override {}
    void attempted(const SendLogEntry& entry) override {
        if (const Result<void> logged = log_.append({entry}); !logged && !warned_) {
            console_.error(commandName() + QStringLiteral(": ") + logged.message());
            warned_ = true;
        }
    }
    void waitingToRetry(int addresses) override {
        console_.error(QStringLiteral("%1: %2 addresses said \"not now\": trying them again in a while")
                           .arg(commandName())
                           .arg(addresses));
    }
    bool cancelRequested() override { return false; }

private:
    SendLog log_;
    const Console& console_;
    bool warned_ = false;
};

// One line per address (or per student without one); true when every
// address got its message.
bool printRun(const SendRun& run, const Console& console) {
    bool allDelivered = true;
    for (const FamilyResult& family : run.families) {
        if (family.skipped()) {
            console.printLine(QStringLiteral("skipped\t%1\tno address").arg(family.student));
            continue;
        }
        for (const AddressResult& a : family.addresses) {
            const QString word = a.result ? deliveryResultName(*a.result) : QStringLiteral("not sent");
            QString line = QStringLiteral("%1\t%2\t%3").arg(word, family.student, a.address);
            if (!a.delivered() && a.result != DeliveryResult::Unknown && !a.reply.isEmpty()) {
                line += QLatin1Char('\t') + a.reply.simplified();
            }
            console.printLine(line);
            allDelivered = allDelivered && a.delivered();
        }
    }
    return allDelivered;
}

int sendThroughServer(const CommandArguments& args, const QString& path, const std::vector<FamilyMail>& families,
                      const QString& sender, const Console& console) {
    std::optional<SmtpEndpoint> endpoint = endpointOf(args, sender, console);
    if (!endpoint) return kExitFailed;
    SmtpSession session(*endpoint);
    endpoint->password.fill(QLatin1Char(' '));
    if (const QString problem = session.problem(); !problem.isEmpty()) return refuse(problem, console);
    const SendLog log = SendLog::ofClass(path);
    if (const Result<void> pruned = log.removeOldEntries(QDateTime::currentDateTimeUtc()); !pruned) {
        console.error(commandName() + QStringLiteral(": ") + pruned.message());
    }
    QSettingsStore settings;
    SendTimings timings;
    timings.pause = std::chrono::milliseconds(readMailServerSettings(settings).pauseMs);
    LoggingWatcher watcher(log, console);
    const SendRun run = sendFamilyMail(session, sender, families, timings, watcher);
    const bool allDelivered = printRun(run, console);
    if (!run.stoppedBecause.isEmpty()) console.error(commandName() + QStringLiteral(": ") + run.stoppedBecause);
    return allDelivered && run.stoppedBecause.isEmpty() ? kExitOk : kExitFailed;
}

int saveMessages(const QString& folder, const std::vector<FamilyMail>& families, const Console& console) {
    const Result<std::vector<SavedMessage>> saved = saveFamilyMessages(folder, families);
    if (!saved) return refuse(saved.message(), console);
    for (const SavedMessage& message : *saved) {
        console.printLine(message.path.isEmpty() ? QStringLiteral("skipped\t%1\tno address").arg(message.student)
                                                 : QStringLiteral("saved\t%1\t%2").arg(message.student, message.path));
    }
    return kExitOk;
}

int runSendReports(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const bool toServer = args.isSet(kSmtpOption);
    if (args.isSet(kNamesOption) && args.isSet(kGradeAtMostOption)) {
        return console.usage(QStringLiteral("send-reports: --names and --grade-at-most do not go together"));
    }
    std::optional<ReportMailPlan> plan = planOf(args, console);
    if (!plan) return kExitFailed;

    const std::optional<Document> document = args.theClass.wholeClass();
    if (!document) return kExitFailed;
    const ClassRecord& cls = document->classRecord;
    const GradesTable grades = buildGradesTable(cls);
    const std::optional<ChosenReports> chosen =
        chooseReports(args, path, *document, grades.sheet, commandName(), console);
    if (!chosen) return kExitFailed;
    // The very reports markwell-cli reports writes, one at a time as its message goes.
    const ClassReports reports(cls, grades.sheet, document->attendance, document->markwellFile, chosen->contents);
    plan->fill = [&reports](const QString& text, int student) {
        return fillFamilyNote(text, reports.noteValuesOf(student)).text;
    };
    plan->reportPdf = [&reports](int student) { return studentReportPdf(reports, student); };
    const std::vector<FamilyMail> families = reportMails(cls, chosen->students, *plan);
    if (!toServer) return saveMessages(args.value(kSaveMessagesOption), families, console);
    return sendThroughServer(args, document->markwellFile, families, plan->from.address, console);
}

constexpr OptionDeclaration kSendReportsOptions[] = {
    {kFromOption, "ADDRESS", "The sender's address."},
    {kSmtpOption, "HOST[:PORT]", "Send through this mail server."},
    {kSaveMessagesOption, "DIR", "Save one .eml file per family in DIR; send nothing."},
    {kSecurityOption, "starttls|tls|none", "How the connection is protected (starttls, port 587 by default)."},
    {kUserOption, "NAME", "Log in as NAME; the password is asked for or read from MARKWELL_SMTP_PASSWORD."},
    {kCaFileOption, "FILE", "A certificate authority trusted besides the system's."},
    {kToOption, "LIST", "Whose addresses: student, mother, father (student by default)."},
    {kSubjectOption, "TEXT", "The subject; {name}, {grade}, {average} are filled in."},
    {kBodyFileOption, "FILE", "The message's text, UTF-8, with the same placeholders."},
    {kNamesOption, "FILE", "The students named in a text file, one name a line."},
    {kGradeAtMostOption, "LETTER", "The students whose letter is LETTER or worse."},
    {kContentsOption, "LIST", "What each report holds: overall, type, why, attendance, comment."},
    {kMonthsOption, "YYYY-MM:YYYY-MM", "The months of the attendance table."},
    {kNoteOption, "TEXT", "A note to families in the report."},
};
constexpr const char* kServerOrFolder[] = {kSmtpOption, kSaveMessagesOption};
constexpr const char* kSender[] = {kFromOption};
constexpr Requirement kSendReportsRequirements[] = {
    {Needs::ExactlyOne, kServerOrFolder, "give --smtp HOST[:PORT] or --save-messages DIR"},
    {Needs::All, kSender, "give --from ADDRESS"}};
constexpr Command kSendReports{
    .name = "send-reports",
    .usage = "send-reports FILE.grs --from ADDRESS (--smtp HOST[:PORT] | --save-messages DIR) "
             "[--security starttls|tls|none] [--user NAME] [--ca-file FILE] [--to student,mother,father] "
             "[--subject TEXT] [--body-file FILE] [--names FILE] [--grade-at-most LETTER] "
             "[--contents overall,type,why,attendance,comment] [--months YYYY-MM:YYYY-MM] [--note TEXT]",
    .summary = "E-mail each chosen student's report to that student's family, one message per "
               "student:\n      a line per address (sent, refused, unknown) or student (skipped); "
               "the send log keeps them.",
    .run = runSendReports,
    .options = kSendReportsOptions,
    .arguments = kGradeFile,
    .readsClass = true,
    .drawsPages = true,
    .requirements = kSendReportsRequirements,
    .place = 300};
const CommandRegistration kSendReportsListed{kSendReports};

}  // namespace

}  // namespace markwell::cli
