#include "desktop/view/UndoAvailability.h"

#include "core/engine/journal/JournalUndo.h"

#include <utility>

namespace {

bool g_undoAvailable = false;
quint64 g_undoLookUpsStarted = 0; // look-ups of every window, in the order they started
quint64 g_undoLookUpAnswered = 0; // the latest of them whose answer is in g_undoAvailable

} // namespace

UndoAvailability::~UndoAvailability()
{
    if (m_worker.joinable())
        m_worker.join();
}

bool UndoAvailability::available()
{
    return g_undoAvailable;
}

void UndoAvailability::lookUp()
{
    if (m_worker.joinable()) {
        m_lookUpAgain = true;
        return;
    }
    const quint64 serial = ++g_undoLookUpsStarted;
    m_worker = std::thread([this, serial] {
        const bool available = hasBatchToUndo();
        QMetaObject::invokeMethod(
            this, [this, serial, available] { take(serial, available); }, Qt::QueuedConnection);
    });
}

void UndoAvailability::take(quint64 serial, bool available)
{
    m_worker.join();
    // Another window's later look-up may have answered first.
    if (serial > g_undoLookUpAnswered) {
        g_undoLookUpAnswered = serial;
        g_undoAvailable = available;
        emit lookedUp();
    }
    if (std::exchange(m_lookUpAgain, false))
        lookUp();
}
