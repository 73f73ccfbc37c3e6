#include "dialupconnections.h"

#include "core/messages.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>

namespace optolune {

namespace {

// Linux has no remote access service: no connection to hang up.
class NoDialUpService final : public DialUpConnections {
public:
    quint32 enumerate(DialUpConnectionTable &table, quint32, quint32) override
    {
        table = DialUpConnectionTable{};
        return 0;
    }
    quint32 hangUp(RasHandle) override { return kRasInvalidHandle; }
    quint32 status(RasHandle) override { return kRasInvalidHandle; }
    void pause(std::chrono::milliseconds duration) override
    {
        QThread::msleep(static_cast<unsigned long>(duration.count()));
    }
    std::chrono::milliseconds now() override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
};

DialUpConnections *g_installed = nullptr;

void hangUpOne(DialUpConnections &ras, RasHandle handle, Notices &said)
{
    if (handle == 0)
        return;
    if (ras.hangUp(handle) != 0) {
        said.push_back(
            PlainNotice(QCoreApplication::translate("DialUpConnections", "erreur RasHangUp")));
        return;
    }
    // The connection is gone when its handle is no longer valid. A
    // connection that never ends is given up after the limit, so that the
    // program answers again.
    const auto deadline = ras.now() + kHangUpLimit;
    for (;;) {
        const quint32 status = ras.status(handle);
        if (status == kRasInvalidHandle)
            return;
        if (status != 0 || ras.now() >= deadline) {
            said.push_back(
                PlainNotice(QCoreApplication::translate("DialUpConnections", "erreur RasHangUp")));
            return;
        }
        ras.pause(kHangUpPoll);
    }
}

} // namespace

DialUpConnections &systemRasService()
{
    static NoDialUpService service;
    return service;
}

DialUpConnections &rasService() { return g_installed ? *g_installed : systemRasService(); }

DialUpConnections *installRasService(DialUpConnections *service)
{
    DialUpConnections *previous = g_installed;
    g_installed = service;
    return previous;
}

Notices HangUpAllConnections(DialUpConnections &ras)
{
    Notices said;
    DialUpConnectionTable table;
    if (ras.enumerate(table, kRasEntrySize, kRasBufferSize) != 0) {
        said.push_back(PlainNotice(
            QCoreApplication::translate("DialUpConnections", "erreur RasEnumConnections")));
        return said;
    }
    const quint32 count = std::min<quint32>(table.count, kRasEntries);
    for (quint32 i = 0; i < count; ++i)
        hangUpOne(ras, table.handles[i], said);
    return said;
}

} // namespace optolune
