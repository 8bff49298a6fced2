// SPDX-License-Identifier: MIT
#include "storelocation.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace {
QString decoded(const QString &text)
{
    return QUrl::fromPercentEncoding(text.toUtf8());
}

StoreLocation parseUrl(const QString &text)
{
    StoreLocation location;
    location.kind = StoreLocation::Kind::PostgreSQL;
    QString rest = text.mid(text.indexOf(QLatin1String("://")) + 3);

    QString query;
    const int queryAt = rest.indexOf(QLatin1Char('?'));
    if (queryAt >= 0) {
        query = rest.mid(queryAt + 1);
        rest.truncate(queryAt);
    }
    const int pathAt = rest.indexOf(QLatin1Char('/'));
    if (pathAt >= 0) {
        location.database = decoded(rest.mid(pathAt + 1));
        rest.truncate(pathAt);
    }
    const int userAt = rest.lastIndexOf(QLatin1Char('@'));
    if (userAt >= 0) {
        const QString userInfo = rest.left(userAt);
        const int colon = userInfo.indexOf(QLatin1Char(':'));
        location.user = decoded(userInfo.left(colon));
        if (colon >= 0)
            location.password = decoded(userInfo.mid(colon + 1));
        rest = rest.mid(userAt + 1);
    }
    QString portText;
    const int colon = rest.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0 && !rest.endsWith(QLatin1Char(']'))) {
        portText = rest.mid(colon + 1);
        rest.truncate(colon);
    }
    location.host = decoded(rest);

    QStringList options;
    for (const QString &pair : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const QString name = decoded(pair.section(QLatin1Char('='), 0, 0));
        const QString value = decoded(pair.section(QLatin1Char('='), 1));
        if (name == QLatin1String("host"))
            location.host = value;
        else if (name == QLatin1String("port"))
            portText = value;
        else if (name == QLatin1String("user"))
            location.user = value;
        else if (name == QLatin1String("password"))
            location.password = value;
        else if (name == QLatin1String("dbname"))
            location.database = value;
        else
            options << name + QLatin1Char('=') + value;
    }
    location.options = options.join(QLatin1Char(';'));
    if (!portText.isEmpty()) {
        bool ok = false;
        location.port = portText.toInt(&ok);
        if (!ok || location.port <= 0 || location.port > 65535)
            location.error = QStringLiteral("%1 is not a port number").arg(portText);
    }
    return location;
}
} // namespace

StoreLocation StoreLocation::parse(const QString &text)
{
    if (text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive))
        return parseUrl(text);
    StoreLocation location;
    location.file = text;
    if (text.isEmpty())
        location.error = QStringLiteral("no database file named");
    else if (text.contains(QLatin1String("://")))
        location.error = QStringLiteral("%1: only postgresql:// URLs or file names").arg(text);
    return location;
}

StoreLocation StoreLocation::configured(const QString &given)
{
    if (!given.isEmpty())
        return parse(given);
    const QString environment = qEnvironmentVariable("LUMETRA_DATABASE");
    if (!environment.isEmpty())
        return parse(environment);
    const QString setting = QSettings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra"))
                                .value(QStringLiteral("store/database"))
                                .toString();
    if (!setting.isEmpty())
        return parse(setting);
    return parse(defaultFile());
}

QString StoreLocation::defaultFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/records.sqlite");
}

QString StoreLocation::driverName() const
{
    return kind == Kind::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
}

QString StoreLocation::displayName() const
{
    if (kind == Kind::SQLite)
        return QDir::toNativeSeparators(file);
    QString text = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        text += user + QLatin1Char('@');
    text += host.contains(QLatin1Char('/')) ? QString::fromUtf8(QUrl::toPercentEncoding(host))
                                            : host;
    return text + QStringLiteral(":%1/%2").arg(port).arg(database);
}

QString StoreLocation::identity() const
{
    if (kind == Kind::SQLite)
        return QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    return QStringList { host, QString::number(port), database, user, options }.join(
        QLatin1Char('\n'));
}

QString StoreLocation::sideFile(const QString &name) const
{
    if (kind == Kind::SQLite)
        return file + QLatin1Char('.') + name;
    // Records received for one database never wait where another finds them.
    const QByteArray digest
        = QCryptographicHash::hash(identity().toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/postgresql-%1.").arg(QString::fromLatin1(digest.left(16))) + name;
}
