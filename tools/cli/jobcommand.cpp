// SPDX-License-Identifier: MIT
#include "cableidimport.h"
#include "cableidlist.h"
#include "cableidpattern.h"
#include "clicommands.h"
#include "clioptions.h"
#include "clistore.h"
#include "jobcommands.h"
#include "joblogo.h"
#include "jobstore.h"
#include "recordjson.h"
#include "recordtexts.h"

#include <QFile>
#include <QTextStream>

namespace {

const QString database = QStringLiteral("--database");

// The texts of a job's facts, by option.
const QVector<QPair<QString, QString JobFacts::*>> factOptions = {
    { QStringLiteral("--customer"), &JobFacts::customer },
    { QStringLiteral("--site"), &JobFacts::site },
    { QStringLiteral("--contractor"), &JobFacts::contractor },
    { QStringLiteral("--note"), &JobFacts::note },
};

QSet<QString> factOptionNames()
{
    QSet<QString> names { database, QStringLiteral("--logo") };
    for (const auto &option : factOptions)
        names << option.first;
    return names;
}

int listJobs(const CliOptions &options, QTextStream &out, QTextStream &err)
{
    RecordStore store(StoreLocation::configured(options.values.value(database)));
    if (!openStoreFor(store, RecordStore::Access::ReadOnly, err))
        return 2;
    JobStore jobs(store);
    QVector<JobStore::Summary> found;
    if (!jobs.jobs(&found))
        return jobFailure("list", jobs.errorString(), err);
    if (!options.flags.contains(QStringLiteral("--json"))) {
        for (const JobStore::Summary &job : qAsConst(found))
            out << job.facts.name << ": "
                << QStringLiteral("%1 cable IDs, %2 records").arg(job.cableIds).arg(job.records)
                << (job.facts.customer.isEmpty() ? QString() : " (" + job.facts.customer + ')')
                << '\n';
        return 0;
    }
    QStringList items;
    for (const JobStore::Summary &job : qAsConst(found))
        items << QStringLiteral("{%1,\"cableIds\":%2,\"records\":%3}")
                     .arg(jobFactsJsonFields(job.facts))
                     .arg(job.cableIds)
                     .arg(job.records);
    out << "{\"jobs\":[" << items.join(QLatin1Char(',')) << "]}\n";
    return 0;
}

int createOrEdit(bool create, const CliOptions &options, QTextStream &out, QTextStream &err)
{
    const char *name = create ? "create" : "edit";
    if (!options.error.isEmpty() || options.positional.size() != 1)
        return jobUsage(
            name, options.error.isEmpty() ? "expects one job name" : options.error, err);
    RecordStore store(StoreLocation::configured(options.values.value(database)));
    if (!openStoreFor(store, RecordStore::Access::ReadWrite, err))
        return 2;
    JobStore jobs(store);
    JobFacts facts;
    facts.name = normalizedJobName(options.positional.first());
    if (!create && !jobs.job(facts.name, &facts))
        return jobFailure(name, jobs.errorString(), err);
    for (const auto &option : factOptions) {
        if (options.values.contains(option.first))
            facts.*option.second = options.values.value(option.first);
    }
    QString why;
    const QString logo = options.values.value(QStringLiteral("--logo"));
    if (!logo.isNull() && !JobLogo::read(logo, &facts.logo, &facts.logoFormat, &why))
        return jobFailure(name, why, err);
    if (!(create ? jobs.createJob(facts) : jobs.editJob(facts)))
        return jobFailure(name, jobs.errorString(), err);
    out << (create ? "created job " : "changed job ") << normalizedJobName(facts.name) << '\n';
    return 0;
}

// The texts a command names for IDs: typed, in a file, or from a pattern.
bool idTexts(const CliOptions &options, CableIdImport::Lines *texts, QString *why)
{
    const QString import = options.values.value(QStringLiteral("--import"));
    const QString pattern = options.values.value(QStringLiteral("--pattern"));
    const bool add = options.flags.contains(QStringLiteral("--add"));
    if (int(add) + int(!import.isNull()) + int(!pattern.isNull()) != 1) {
        *why = QStringLiteral("takes one of --add ID..., --import FILE or --pattern PATTERN");
        return false;
    }
    if (add) {
        texts->texts = options.positional.mid(1);
        if (texts->texts.isEmpty())
            *why = QStringLiteral("--add needs the IDs to add");
        return !texts->texts.isEmpty();
    }
    if (!pattern.isNull())
        return CableIdPattern::expand(pattern, &texts->texts, why);
    QFile file(import);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("%1: cannot read file: %2").arg(import, file.errorString());
        return false;
    }
    if (!CableIdImport::fromFile(file.readAll(), texts, why)) {
        *why = import + QStringLiteral(": ") + *why;
        return false;
    }
    if (texts->texts.isEmpty())
        *why = QStringLiteral("%1: the file holds no cable IDs").arg(import);
    return !texts->texts.isEmpty();
}

int addIds(const CliOptions &options, QTextStream &out, QTextStream &err)
{
    if (!options.error.isEmpty() || options.positional.isEmpty())
        return jobUsage("ids", options.error.isEmpty() ? "expects a job name" : options.error, err);
    const bool add = options.flags.contains(QStringLiteral("--add"));
    if (!add && options.positional.size() > 1)
        return jobUsage("ids", "expects one job name", err);
    CableIdImport::Lines texts;
    QString why;
    if (!idTexts(options, &texts, &why))
        return jobFailure("ids", why, err);
    RecordStore store(StoreLocation::configured(options.values.value(database)));
    if (!openStoreFor(store, RecordStore::Access::ReadWrite, err))
        return 2;
    JobStore jobs(store);
    const QString job = normalizedJobName(options.positional.first());
    int added = 0;
    QStringList all;
    if (!jobs.addCableIds(job, texts.texts, texts.lines, &added) || !jobs.cableIds(job, &all))
        return jobFailure("ids", jobs.errorString(), err);
    out << QStringLiteral("added %1 cable IDs to job %2, which has %3\n")
               .arg(added)
               .arg(job)
               .arg(all.size());
    return 0;
}

int markRetests(const CliOptions &options, QTextStream &out, QTextStream &err)
{
    if (!options.error.isEmpty() || options.positional.size() < 2)
        return jobUsage("retest",
            options.error.isEmpty() ? "expects a job name and its IDs" : options.error, err);
    RecordStore store(StoreLocation::configured(options.values.value(database)));
    if (!openStoreFor(store, RecordStore::Access::ReadWrite, err))
        return 2;
    JobStore jobs(store);
    const bool clear = options.flags.contains(QStringLiteral("--clear"));
    const QString job = normalizedJobName(options.positional.first());
    const QStringList ids = options.positional.mid(1);
    if (!jobs.markRetest(job, ids, !clear))
        return jobFailure("retest", jobs.errorString(), err);
    out << (clear ? QStringLiteral("took the retest marks from %1 cable IDs of job %2\n")
                  : QStringLiteral("marked %1 cable IDs of job %2 for a retest\n"))
               .arg(ids.size())
               .arg(job);
    return 0;
}

int assignRecord(const CliOptions &options, QTextStream &out, QTextStream &err)
{
    const QString key = options.values.value(QStringLiteral("--record")).toLower();
    const QString id = options.values.value(QStringLiteral("--id"));
    const QString retest = options.values.value(QStringLiteral("--retest"));
    const bool none = options.flags.contains(QStringLiteral("--none"));
    QString usage = options.error;
    if (usage.isEmpty() && options.positional.size() != 1)
        usage = QStringLiteral("expects one job name");
    if (usage.isEmpty() && key.isEmpty())
        usage = QStringLiteral("needs --record KEY, a key that history --json prints");
    if (usage.isEmpty() && int(!id.isNull()) + int(!retest.isNull()) + int(none) != 1)
        usage = QStringLiteral("takes one of --id ID, --retest ID or --none");
    if (!usage.isEmpty())
        return jobUsage("assign", usage, err);
    RecordStore store(StoreLocation::configured(options.values.value(database)));
    if (!openStoreFor(store, RecordStore::Access::ReadWrite, err))
        return 2;
    JobStore jobs(store);
    const QString job = normalizedJobName(options.positional.first());
    const JobStore::Assignment how = none ? JobStore::Assignment::None
        : id.isNull()                     ? JobStore::Assignment::Retest
                                          : JobStore::Assignment::Id;
    const QString cableId = none ? QString() : CableIdList::normalized(id.isNull() ? retest : id);
    bool changed = false;
    if (!jobs.assign(job, key, how, cableId, &changed))
        return jobFailure("assign", jobs.errorString(), err);
    out << QStringLiteral("record %1 %2 job %3 %4\n")
               .arg(key.left(12),
                   changed ? QStringLiteral("is now in") : QStringLiteral("was already in"), job,
                   none ? QStringLiteral("without a cable ID") : QStringLiteral("as ") + cableId);
    return 0;
}

int setTexts(const CliOptions &options, QTextStream &out, QTextStream &err)
{
    if (!options.error.isEmpty() || options.positional.size() != 1)
        return jobUsage(
            "texts", options.error.isEmpty() ? "expects one job name" : options.error, err);
    JobStore::TextChange change;
    const QVector<QPair<QString, std::optional<QString> JobStore::TextChange::*>> fields = {
        { QStringLiteral("--company"), &JobStore::TextChange::companyName },
        { QStringLiteral("--operator"), &JobStore::TextChange::operatorName },
        { QStringLiteral("--test-device"), &JobStore::TextChange::testDevice },
        { QStringLiteral("--test-date"), &JobStore::TextChange::testDate },
        { QStringLiteral("--serial-number"), &JobStore::TextChange::serialNumber },
        { QStringLiteral("--note"), &JobStore::TextChange::note },
    };
    bool any = false;
    for (const auto &field : fields) {
        if (options.values.contains(field.first)) {
            change.*field.second = options.values.value(field.first);
            any = true;
        }
    }
    if (!any)
        return jobUsage("texts", "names no text to set", err);
    RecordStore store(StoreLocation::configured(options.values.value(database)));
    if (!openStoreFor(store, RecordStore::Access::ReadWrite, err))
        return 2;
    JobStore jobs(store);
    const QString job = normalizedJobName(options.positional.first());
    int changed = 0;
    QStringList keys;
    if (!jobs.setTexts(job, change, &changed) || !jobs.recordKeys(job, &keys))
        return jobFailure("texts", jobs.errorString(), err);
    out << QStringLiteral("changed the texts of %1 of the %2 records of job %3\n")
               .arg(changed)
               .arg(keys.size())
               .arg(job);
    return 0;
}

} // namespace

int jobUsage(const char *command, const QString &why, QTextStream &err)
{
    err << "lumetra-cli job " << command << ": " << why << " (see --help)\n";
    return 2;
}

int jobFailure(const char *command, const QString &why, QTextStream &err)
{
    err << "lumetra-cli job " << command << ": " << why << '\n';
    return 2;
}

QString jobFactsJsonFields(const JobFacts &facts)
{
    return QStringLiteral("\"name\":%1,\"customer\":%2,\"site\":%3,\"contractor\":%4,\"note\":%5,"
                          "\"hasLogo\":%6")
        .arg(jsonText(facts.name), jsonText(facts.customer), jsonText(facts.site),
            jsonText(facts.contractor), jsonText(facts.note),
            facts.logo.isEmpty() ? QStringLiteral("false") : QStringLiteral("true"));
}

int jobCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    const auto parse = [&](const QSet<QString> &flags, const QSet<QString> &values) {
        return CliOptions::parse(rest, flags, values + QSet<QString> { database });
    };
    if (command == QLatin1String("list"))
        return listJobs(parse({ QStringLiteral("--json") }, {}), out, err);
    if (command == QLatin1String("create") || command == QLatin1String("edit"))
        return createOrEdit(
            command == QLatin1String("create"), parse({}, factOptionNames()), out, err);
    if (command == QLatin1String("ids"))
        return addIds(parse({ QStringLiteral("--add") },
                          { QStringLiteral("--import"), QStringLiteral("--pattern") }),
            out, err);
    if (command == QLatin1String("retest"))
        return markRetests(parse({ QStringLiteral("--clear") }, {}), out, err);
    if (command == QLatin1String("assign"))
        return assignRecord(
            parse({ QStringLiteral("--none") },
                { QStringLiteral("--record"), QStringLiteral("--id"), QStringLiteral("--retest") }),
            out, err);
    if (command == QLatin1String("texts"))
        return setTexts(parse({},
                            { QStringLiteral("--company"), QStringLiteral("--operator"),
                                QStringLiteral("--test-device"), QStringLiteral("--test-date"),
                                QStringLiteral("--serial-number"), QStringLiteral("--note") }),
            out, err);
    if (command == QLatin1String("status"))
        return jobStatusCommand(
            parse({ QStringLiteral("--json"), QStringLiteral("--csv") }, {}), out, err);
    if (command == QLatin1String("export"))
        return jobExportCommand(parse({}, { QStringLiteral("-o") }), out, err);
    if (command == QLatin1String("report"))
        return jobReportCommand(parse({}, { QStringLiteral("-o") }), out, err);
    if (command == QLatin1String("xlsx"))
        return jobWorkbookCommand(parse({}, { QStringLiteral("-o") }), out, err);
    err << "lumetra-cli job: "
        << (command.isEmpty() ? QStringLiteral("expects a command: list, create, edit, ids, "
                                               "retest, assign, texts, status, export, report "
                                               "or xlsx")
                              : QStringLiteral("unknown command %1").arg(command))
        << " (see --help)\n";
    return 2;
}
