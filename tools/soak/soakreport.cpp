// SPDX-License-Identifier: MIT
#include "soakreport.h"

void SoakReport::write(QTextStream &out) const
{
    QStringList kinds;
    for (auto kind = exportsByFault.cbegin(); kind != exportsByFault.cend(); ++kind)
        kinds << QStringLiteral("%1 %2").arg(kind.value()).arg(kind.key());
    const auto megabytes = [](qint64 kb) { return QString::number(kb / 1024.0, 'f', 1); };
    out << "seed                       " << seed << '\n'
        << "seconds                    " << QString::number(seconds, 'f', 1) << '\n'
        << "exports                    " << exports << " (" << kinds.join(QLatin1String(", "))
        << "; " << burstExports << " in bursts)\n"
        << "records sent               " << recordsSent << '\n'
        << "records received           " << recordsReceived << '\n'
        << "records after a fault      " << recordsTouched << " in " << damagingExports
        << " damaged exports\n"
        << "lost where none may be     " << recordsLostWhereNoneMay << '\n'
        << "lost before a fault        " << recordsLostBeforeFault << '\n'
        << "port opened again          " << reopens << '\n'
        << "receiver                   " << receiverState << '\n'
        << "receiver peak memory       " << megabytes(startPeakKb) << " MB at the start, "
        << megabytes(endPeakKb) << " MB at the end\n"
        << "receiver resident memory   " << megabytes(startResidentKb) << " MB at the start, "
        << megabytes(endResidentKb) << " MB at the end\n";
    for (const QString &failure : failures)
        out << "FAILED: " << failure << '\n';
    out << (passed() ? "soak passed\n" : "soak failed\n");
    out.flush();
}
