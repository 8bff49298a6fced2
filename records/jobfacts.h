// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBFACTS_H
#define LUMETRA_JOBFACTS_H

#include <QByteArray>
#include <QString>

// What a job is known by: the trunks a technician certifies for one customer.
// The name is unique in its store; the logo is the contractor's, a PNG or
// JPEG file's bytes as they were chosen.
struct JobFacts
{
    QString name;
    QString customer;
    QString site;
    QString contractor;
    QString note;
    QByteArray logo; // empty: none
    QString logoFormat; // "png" or "jpeg"; empty without a logo

    bool operator==(const JobFacts &other) const
    {
        return name == other.name && customer == other.customer && site == other.site
            && contractor == other.contractor && note == other.note && logo == other.logo
            && logoFormat == other.logoFormat;
    }
    bool operator!=(const JobFacts &other) const { return !(*this == other); }
};

// A job's name as it is kept: trimmed and in NFC, as cable IDs are.
QString normalizedJobName(const QString &name);
// Why a normalized name cannot be a job's, translated; empty when it can.
QString jobNameProblem(const QString &name);

#endif
