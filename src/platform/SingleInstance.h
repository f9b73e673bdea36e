#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

// One running program per user and program folder. The first start listens on a
// local socket in the user's runtime folder; a later start finds it there, asks it
// to show itself and ends. A lock file beside the socket keeps two starts at the
// same moment from both becoming the first, and a socket left by a program that
// crashed is taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role { First, HandedOver, Unreachable };

    // `key` tells the programs apart: the program folder, so that each store has
    // one program working on it.
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Becomes the first instance, or hands over to the running one. Unreachable: a
    // program answers on the socket but did not take the request.
    Role claim();
    QString socketPath() const { return m_socketPath; }

signals:
    // A later start asked this one to show itself.
    void showRequested();

private:
    static bool askToShow(QLocalSocket &socket);
    void answer();

    QString m_socketPath;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
