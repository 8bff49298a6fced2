// SPDX-License-Identifier: MIT
#include "archivejobpart.h"

#include "cableidlist.h"

#include <QBuffer>
#include <QDataStream>
#include <QSet>
#include <array>

namespace {

constexpr quint32 nullMark = 0xFFFFFFFFu;

// Reads what the payload holds and never trusts a length it gives.
class PayloadReader
{
public:
    explicit PayloadReader(const QByteArray &payload)
        : bytes(payload)
    {
    }

    bool count(quint32 *value)
    {
        if (bytes.size() - at < 4)
            return false;
        *value = quint32(uchar(bytes[at])) << 24 | quint32(uchar(bytes[at + 1])) << 16
            | quint32(uchar(bytes[at + 2])) << 8 | quint32(uchar(bytes[at + 3]));
        at += 4;
        return true;
    }

    bool text(QString *value)
    {
        quint32 length = 0;
        if (!count(&length))
            return false;
        if (length == nullMark) {
            *value = QString();
            return true;
        }
        if (length % 2 != 0 || length > quint32(bytes.size() - at))
            return false;
        *value = QString(QLatin1String(""));
        value->resize(int(length / 2));
        for (int i = 0; i < value->size(); ++i)
            (*value)[i]
                = QChar(ushort(uchar(bytes[at + 2 * i]) << 8 | uchar(bytes[at + 2 * i + 1])));
        at += int(length);
        return true;
    }

    bool data(QByteArray *value)
    {
        quint32 length = 0;
        if (!count(&length))
            return false;
        if (length == nullMark) {
            *value = QByteArray();
            return true;
        }
        if (length > quint32(bytes.size() - at))
            return false;
        *value = bytes.mid(at, int(length));
        at += int(length);
        return true;
    }

    bool atEnd() const { return at == bytes.size(); }
    int left() const { return bytes.size() - at; }

private:
    const QByteArray &bytes;
    int at = 0;
};

bool isCableId(const QString &id)
{
    return CableIdList::normalized(id) == id && CableIdList::problemOf(id).isEmpty();
}

// The IDs in order, each a valid ID, none twice.
bool readCableIds(PayloadReader &in, QStringList *ids, QString *problem)
{
    quint32 count = 0;
    // Each ID takes four bytes at least.
    if (!in.count(&count) || count > quint32(CableIdList::maxInJob)
        || count > quint32(in.left() / 4)) {
        *problem = QStringLiteral("its count of cable IDs is wrong");
        return false;
    }
    QSet<QString> seen;
    for (quint32 i = 0; i < count; ++i) {
        QString id;
        if (!in.text(&id) || !isCableId(id) || seen.contains(id)) {
            *problem = QStringLiteral("cable ID %1 of %2 is damaged").arg(i + 1).arg(count);
            return false;
        }
        seen.insert(id);
        ids->append(id);
    }
    return true;
}

bool readRecordIds(PayloadReader &in, int recordCount, const QStringList &cableIds,
    QStringList *ids, QString *problem)
{
    quint32 count = 0;
    if (!in.count(&count) || count != quint32(recordCount)) {
        *problem = QStringLiteral("it gives cable IDs for another number of records");
        return false;
    }
    const QSet<QString> known(cableIds.begin(), cableIds.end());
    for (quint32 i = 0; i < count; ++i) {
        QString id;
        if (!in.text(&id) || (!id.isNull() && !known.contains(id))) {
            *problem = QStringLiteral("the cable ID of record %1 is damaged").arg(i + 1);
            return false;
        }
        ids->append(id);
    }
    return true;
}

} // namespace

QString ArchiveJobPart::marker()
{
    return QStringLiteral("Lumetra_Job");
}

quint32 ArchiveJobPart::crc32(const QByteArray &bytes)
{
    static const auto table = [] {
        std::array<quint32, 256> made {};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            made[n] = c;
        }
        return made;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ uchar(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray ArchiveJobPart::encode(const ArchiveJob &job)
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        const JobFacts &f = job.facts;
        out << f.name << f.customer << f.site << f.contractor << f.note;
        out << quint32(job.cableIds.size());
        for (const QString &id : job.cableIds)
            out << id;
        out << quint32(job.recordIds.size());
        for (const QString &id : job.recordIds)
            out << (id.isEmpty() ? QString() : id);
        const bool withLogo = !f.logo.isEmpty() && f.logo.size() <= maxLogoBytes
            && (f.logoFormat == QLatin1String("png") || f.logoFormat == QLatin1String("jpeg"));
        out << (withLogo ? f.logoFormat : QString()) << (withLogo ? f.logo : QByteArray());
    }
    QByteArray part;
    QDataStream out(&part, QIODevice::WriteOnly);
    out << marker() << version << quint32(payload.size()) << crc32(payload);
    out.writeRawData(payload.constData(), payload.size());
    return part;
}

bool ArchiveJobPart::decode(const QByteArray &payload, quint32 partVersion, quint32 crc,
    int recordCount, ArchiveJob *job, QString *problem)
{
    *job = ArchiveJob();
    if (partVersion != version) {
        *problem = QStringLiteral("it is of version %1, which this Lumetra does not know")
                       .arg(partVersion);
        return false;
    }
    if (crc32(payload) != crc) {
        *problem = QStringLiteral("its checksum does not match");
        return false;
    }
    PayloadReader in(payload);
    JobFacts &f = job->facts;
    if (!in.text(&f.name) || !in.text(&f.customer) || !in.text(&f.site) || !in.text(&f.contractor)
        || !in.text(&f.note) || f.name.trimmed().isEmpty()) {
        *problem = QStringLiteral("the job's facts are damaged");
        return false;
    }
    if (!readCableIds(in, &job->cableIds, problem)
        || !readRecordIds(in, recordCount, job->cableIds, &job->recordIds, problem))
        return false;
    if (!in.text(&f.logoFormat) || !in.data(&f.logo) || f.logo.size() > maxLogoBytes
        || f.logo.isEmpty() != f.logoFormat.isNull()
        || !(f.logoFormat.isNull() || f.logoFormat == QLatin1String("png")
            || f.logoFormat == QLatin1String("jpeg"))) {
        *problem = QStringLiteral("the job's logo is damaged");
        return false;
    }
    if (!in.atEnd()) {
        *problem = QStringLiteral("it holds more than a job");
        return false;
    }
    return true;
}
