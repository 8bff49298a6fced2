// SPDX-License-Identifier: MIT
#include "storelocation.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace {
QString decoded(const QString &text)
{
    return QUrl::fromPercentEncoding(text.toUtf8());
}

// Ours, never the text: whatever was typed may hold a password.
StoreLocation refused(const QString &why)
{
    StoreLocation location;
    location.error = why;
    return location;
}

// Characters that end a URL's user name and password unless percent-encoded,
// and a % that starts no escape.
bool needsEncoding(const QString &text)
{
    static const QRegularExpression bad(QStringLiteral("[/?#]|%(?![0-9A-Fa-f]{2})"));
    return text.contains(bad);
}

StoreLocation parseUrl(const QString &text)
{
    StoreLocation location;
    location.kind = StoreLocation::Kind::PostgreSQL;
    QString rest = text.mid(text.indexOf(QLatin1String("://")) + 3);

    // Everything up to the last @ is the user name and password; a / ? or #
    // in them would move the host, the port or the database into them.
    const int userAt = rest.lastIndexOf(QLatin1Char('@'));
    if (userAt >= 0 && needsEncoding(rest.left(userAt)))
        return refused(QStringLiteral(
            "the postgresql:// address is not a valid URL: write / ? # @ : % in the user name "
            "or password as %2F %3F %23 %40 %3A %25, or leave the password out of the address"));

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
    const int hostAt = rest.lastIndexOf(QLatin1Char('@'));
    if (hostAt >= 0) {
        const QString userInfo = rest.left(hostAt);
        const int colon = userInfo.indexOf(QLatin1Char(':'));
        location.user = decoded(userInfo.left(colon));
        if (colon >= 0)
            location.password = decoded(userInfo.mid(colon + 1));
        rest = rest.mid(hostAt + 1);
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
        // Not quoted: a password typed without its @ ends up here.
        if (!ok || location.port <= 0 || location.port > 65535)
            return refused(QStringLiteral("the port in the postgresql:// address is not a "
                                          "number from 1 to 65535"));
    }
    return location;
}
} // namespace

StoreLocation StoreLocation::parse(const QString &text)
{
    if (text.isEmpty())
        return refused(QStringLiteral("no database file named"));
    // scheme://..., or postgres(ql): with a slash too few or none; a drive
    // letter (C:\ or C:/) is one letter, never a scheme.
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+)(://|:)"));
    const QRegularExpressionMatch match = scheme.match(text);
    const QString name = match.captured(1).toLower();
    const bool postgres
        = name == QLatin1String("postgresql") || name == QLatin1String("postgres");
    if (postgres && match.captured(2) == QLatin1String("://"))
        return parseUrl(text);
    if (postgres)
        return refused(
            QStringLiteral("a PostgreSQL address begins with postgresql:// (two slashes)"));
    if (match.hasMatch() && match.captured(2) == QLatin1String("://"))
        return refused(QStringLiteral("%1:// addresses are not supported: name a file, or a "
                                      "PostgreSQL database as postgresql://")
                           .arg(name));
    // user:password@host without its scheme, or with the scheme misspelt
    // into a path: an address, never a file name that holds the password.
    const int at = text.indexOf(QLatin1Char('@'));
    if (at > 0 && text.lastIndexOf(QLatin1Char(':'), at) > 1)
        return refused(QStringLiteral("this looks like a database address, but not one "
                                      "that begins with postgresql://"));
    StoreLocation location;
    location.file = text;
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
    if (!error.isEmpty())
        return QString(); // nowhere: the text may hold a password
    if (kind == Kind::SQLite)
        return file + QLatin1Char('.') + name;
    // Records received for one database never wait where another finds them.
    const QByteArray digest
        = QCryptographicHash::hash(identity().toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/postgresql-%1.").arg(QString::fromLatin1(digest.left(16))) + name;
}
