#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;
class QWidget;

// One Velinor per user and program folder: a second start hands its files to the running program
// over a local socket (app/hand_over.h) and ends; the running one opens them and comes forward.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Start {
        HandedOver,   // a running Velinor has the files: this start ends
        NotAnswering, // a running Velinor took the connection but did not answer
        Running,      // this is the running Velinor now, listening for later starts
        Alone,        // no socket could be made: runs without taking files from later starts
    };

    explicit SingleInstance(QObject *parent = nullptr);

    // This user's socket for the current program folder.
    static QString serverName();

    // Hands the files to the running Velinor, or becomes it, taking over a socket left by one that
    // crashed. Decided under a lock, so two starts at one moment do not both become the running one.
    Start start(const QStringList &files);

signals:
    // A later start's files (none: it only asks to come forward).
    void filesHandedOver(const QStringList &files);

private:
    bool handOver(const QStringList &files, bool *answered);
    void receive(QLocalSocket *connection);

    QString m_name;
    QLocalServer *m_server = nullptr;
};

// Shows the window unminimised, raised and active (or the modal window it has open).
void comeForward(QWidget *window);
