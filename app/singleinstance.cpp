// SPDX-License-Identifier: MIT
#include "singleinstance.h"

#include "singleinstanceplatform.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDebug>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace {
constexpr int connectTimeoutMs = 2000;
// The running window answers from its event loop, which a long save may hold up.
constexpr int answerTimeoutMs = 30000;
constexpr char taken = '\1';
constexpr QDataStream::Version streamVersion = QDataStream::Qt_5_15;
} // namespace

QString SingleInstance::nameFor(const QProcessEnvironment &environment)
{
    QString user = environment.value(QStringLiteral("USER"));
    if (user.isEmpty())
        user = environment.value(QStringLiteral("USERNAME"));
    QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (runtime.isEmpty())
        runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QStringList setUp { user, runtime, environment.value(QStringLiteral("LUMETRA_PORTS")),
        environment.value(QStringLiteral("LUMETRA_DATABASE")) };
    const QByteArray hash = QCryptographicHash::hash(
        setUp.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha256);
    return localServerName(
        runtime, QStringLiteral("lumetra-") + QString::fromLatin1(hash.toHex().left(16)));
}

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , name(name)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    // Two starts at the same moment may both find nobody and race for the
    // name: the loser asks again and finds the winner.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (connectToRunning())
            return false;
        // Nobody answers: what is left under the name is a killed window's.
        QLocalServer::removeServer(name);
        server = new QLocalServer(this);
        server->setSocketOptions(QLocalServer::UserAccessOption);
        if (server->listen(name)) {
            connect(server, &QLocalServer::newConnection, this, [this] {
                while (QLocalSocket *client = server->nextPendingConnection())
                    serve(client);
            });
            return true;
        }
        const bool raced = server->serverError() == QAbstractSocket::AddressInUseError;
        const QString why = server->errorString();
        delete server;
        server = nullptr;
        if (!raced) {
            qWarning().noquote() << "Cannot listen for later starts under" << name + ":" << why;
            return true;
        }
    }
    qWarning().noquote() << "Another start keeps taking the name" << name;
    return true;
}

bool SingleInstance::connectToRunning()
{
    delete running;
    running = new QLocalSocket(this);
    running->connectToServer(name);
    if (running->waitForConnected(connectTimeoutMs))
        return true;
    delete running;
    running = nullptr;
    return false;
}

bool SingleInstance::handOver(const QStringList &files)
{
    if (!running)
        return false;
    allowRunningWindowToComeToFront();
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    out << files;
    running->write(request);
    if (!running->waitForBytesWritten(answerTimeoutMs))
        return false;
    while (running->bytesAvailable() < 1) {
        if (!running->waitForReadyRead(answerTimeoutMs)) {
            qWarning().noquote() << "The running Lumetra window does not answer:"
                                 << running->errorString();
            return false;
        }
    }
    char answer = 0;
    return running->getChar(&answer) && answer == taken;
}

void SingleInstance::serve(QLocalSocket *client)
{
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    const auto readRequest = [this, client] {
        QDataStream in(client);
        in.setVersion(streamVersion);
        in.startTransaction();
        QStringList files;
        in >> files;
        if (!in.commitTransaction())
            return; // the rest is still on its way
        client->putChar(taken);
        client->flush();
        client->disconnectFromServer();
        emit startRequested(files);
    };
    connect(client, &QLocalSocket::readyRead, this, readRequest);
    if (client->bytesAvailable() > 0)
        readRequest();
}
