#pragma once

#include <QObject>

#include <thread>

// Whether the journal holds a batch that an undo would undo, as last looked up (after every
// load, undo and single-file rename, in any window). The journal is read on a worker, as a
// folder on slow storage must not stop the window.
class UndoAvailability : public QObject
{
    Q_OBJECT
public:
    UndoAvailability() = default;
    ~UndoAvailability() override;

    static bool available();
    // Reads the journal again; lookedUp() follows when the answer is in. A look-up asked for
    // while one runs follows once it is done.
    void lookUp();

signals:
    // available() has a new answer.
    void lookedUp();

private:
    void take(quint64 serial, bool available);

    std::thread m_worker;
    bool m_lookUpAgain = false; // asked for again while the worker ran
};
