// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SINGLEINSTANCE_H
#define LUMETRA_SINGLEINSTANCE_H

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;
class QProcessEnvironment;

// One Lumetra window per user and set-up: two windows would fight over the
// one serial port. The first start listens under a name; a later start with
// the same set-up hands its files to it and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // The set-up's name, from the user, the runtime folder, and the ports and
    // the records store the start was given: starts meet only when all agree.
    static QString nameFor(const QProcessEnvironment &environment);

    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this start is the first one and now listens (or cannot listen
    // and so runs on its own); false when a running window answers the name.
    // A name left behind by a killed window is taken over.
    bool claim();
    // After claim() said false: hands the running window files to open
    // (absolute paths; none to bring it to the front). True once it took them.
    bool handOver(const QStringList &files);

signals:
    // A later start's files, empty when it only wants the window in front.
    void startRequested(const QStringList &files);

private:
    bool connectToRunning();
    void serve(QLocalSocket *client);

    QString name;
    QLocalServer *server = nullptr;
    QLocalSocket *running = nullptr;
};

#endif
