#include "platform/InstanceGuard.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kConnectTimeoutMs = 2000;
const QByteArray kRestoreRequest = "restore\n";

QString RuntimeDir()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

} // namespace

struct InstanceGuard::Impl {
    QString key;
    QString socketPath; // in the user's runtime folder, beside the lock
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<QLocalServer> server;
    std::function<void()> onRestore;

    bool AskOtherToRestore() const
    {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (!socket.waitForConnected(kConnectTimeoutMs))
            return false;
        socket.write(kRestoreRequest);
        socket.waitForBytesWritten(kConnectTimeoutMs);
        socket.disconnectFromServer();
        return true;
    }

    bool Listen()
    {
        server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        QLocalServer::removeServer(socketPath);
        if (!server->listen(socketPath))
            return false;
        QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [this] {
            while (QLocalSocket* client = server->nextPendingConnection()) {
                QObject::connect(client, &QLocalSocket::readyRead, client, [this, client] {
                    if (client->readAll().contains(kRestoreRequest.trimmed()) && onRestore)
                        onRestore();
                });
                QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            }
        });
        return true;
    }
};

InstanceGuard::InstanceGuard(std::string name) : impl_(std::make_unique<Impl>())
{
    QString key = QString::fromStdString(name).replace(u' ', u'-');
    impl_->key = key + u'-' + QString::number(::getuid());
}

InstanceGuard::~InstanceGuard()
{
    if (impl_->server)
        impl_->server->close();
}

InstanceGuard::Result InstanceGuard::Acquire()
{
    impl_->lock = std::make_unique<QLockFile>(RuntimeDir() + u'/' + impl_->key + QStringLiteral(".lock"));
    impl_->socketPath = RuntimeDir() + u'/' + impl_->key + QStringLiteral(".socket");
    impl_->lock->setStaleLockTime(0);
    if (!impl_->lock->tryLock(0)) {
        if (impl_->lock->error() == QLockFile::LockFailedError) {
            impl_->AskOtherToRestore();
            return Result::OtherRunning;
        }
        return Result::Failed;
    }
    return impl_->Listen() ? Result::First : Result::Failed;
}

void InstanceGuard::SetRestoreHandler(std::function<void()> handler)
{
    impl_->onRestore = std::move(handler);
}

} // namespace platform
