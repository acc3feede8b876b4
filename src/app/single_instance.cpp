#include "app/single_instance.h"

#include "app/hand_over.h"
#include "base/program_folder.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QWidget>

#include <unistd.h>

namespace {

// How long a second start waits for the running program: it answers from its event loop, which
// even a modal dialog keeps turning.
constexpr int kConnectMs = 2000;
constexpr int kAnswerMs = 5000;

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent), m_name(serverName())
{
}

QString SingleInstance::serverName()
{
    return instanceServerName(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), uint(getuid()),
                              ProgramFolder::path());
}

SingleInstance::Start SingleInstance::start(const QStringList &files)
{
    QLockFile lock(m_name + QStringLiteral(".lock"));
    lock.tryLock(kConnectMs + kAnswerMs); // not had: decide anyway rather than not start
    bool answered = false;
    if (handOver(files, &answered))
        return answered ? Start::HandedOver : Start::NotAnswering;

    // Nobody listens: the socket, if there is one, is left by a Velinor that is gone.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        qWarning("Velinor: %s", qPrintable(m_server->errorString()));
        return Start::Alone;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *connection = m_server->nextPendingConnection())
            receive(connection);
    });
    return Start::Running;
}

bool SingleInstance::handOver(const QStringList &files, bool *answered)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    socket.write(encodeHandOver(files));
    socket.flush();
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(kAnswerMs))
        answer += socket.readAll();
    *answered = answer == kHandOverAnswer;
    return true;
}

void SingleInstance::receive(QLocalSocket *connection)
{
    connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
    connect(connection, &QLocalSocket::readyRead, this, [this, connection] {
        QByteArray received = connection->property("received").toByteArray() + connection->readAll();
        const HandOverMessage message = decodeHandOver(received);
        switch (message.state) {
        case HandOverMessage::State::Incomplete:
            connection->setProperty("received", received);
            return;
        case HandOverMessage::State::Invalid:
            connection->abort();
            return;
        case HandOverMessage::State::Complete:
            // Answered first: the other start ends at once, not after the files have loaded.
            connection->write(kHandOverAnswer);
            connection->flush();
            connection->disconnectFromServer();
            emit filesHandedOver(message.files);
            return;
        }
    });
}

void comeForward(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    QWidget *front = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : window;
    front->raise();
    front->activateWindow();
}
