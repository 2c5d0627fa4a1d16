#include "platform/InstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
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
    int lockFd = -1; // holds the lock while open
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
    if (impl_->lockFd >= 0)
        ::close(impl_->lockFd);
}

InstanceGuard::Result InstanceGuard::Acquire()
{
    const QByteArray lockPath = QFile::encodeName(RuntimeDir() + u'/' + impl_->key + QStringLiteral(".lock"));
    impl_->socketPath = RuntimeDir() + u'/' + impl_->key + QStringLiteral(".socket");
    // The lock is the system's on the open file: it goes with the copy that
    // holds it however that copy ends, and nothing needs writing to disk.
    impl_->lockFd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (impl_->lockFd < 0)
        return Result::Failed;
    if (::flock(impl_->lockFd, LOCK_EX | LOCK_NB) != 0) {
        const bool taken = errno == EWOULDBLOCK;
        ::close(impl_->lockFd);
        impl_->lockFd = -1;
        if (!taken)
            return Result::Failed;
        impl_->AskOtherToRestore();
        return Result::OtherRunning;
    }
    return impl_->Listen() ? Result::First : Result::Failed;
}

void InstanceGuard::SetRestoreHandler(std::function<void()> handler)
{
    impl_->onRestore = std::move(handler);
}

} // namespace platform
