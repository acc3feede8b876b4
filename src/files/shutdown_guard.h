#pragma once

#include <QObject>

class QSocketNotifier;
class RecoveryKeeper;

// Makes a write past the file-size limit (ulimit -f) fail like a full disk instead of ending the
// program by SIGXFSZ with the user's work unsaved. Process-wide; safe to call more than once.
void ignoreFileSizeLimitSignal();

// A logout or a shutdown ends Velinor by SIGTERM or SIGHUP, and the session manager first asks it
// to save its state. Either way the recovery copies of the modified documents are written first, so
// the next start offers the last moment of typing too. After a signal the program then ends as the
// signal would have ended it; the copies stay for the next start. One guard per program.
class ShutdownGuard : public QObject
{
    Q_OBJECT

public:
    explicit ShutdownGuard(RecoveryKeeper &keeper, QObject *parent = nullptr);
    ~ShutdownGuard() override;

private:
    void signalled();

    RecoveryKeeper &m_keeper;
    QSocketNotifier *m_notifier = nullptr;
};
