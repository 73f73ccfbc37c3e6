// Hanging up every dial-up connection of the computer ("Déconnecter" in the
// favourites). The connections are reached through DialUpConnections, the four
// calls the command needs of the system's remote access service; on Linux
// there is no such service and no connection is ever found. Tests install a
// scripted service.
#pragma once

#include "core/messages.h"

#include <QtGlobal>
#include <array>
#include <chrono>

namespace optolune {

using RasHandle = quintptr;

// The connection table: room for ten entries of 412 bytes.
inline constexpr int kRasEntries = 10;
inline constexpr quint32 kRasEntrySize = 412;
inline constexpr quint32 kRasBufferSize = kRasEntries * kRasEntrySize; // 4120

// What the status query answers once a connection has really ended: the
// handle is no longer valid.
inline constexpr quint32 kRasInvalidHandle = 6;

// A connection that has not ended this long after its hang-up is given up.
inline constexpr std::chrono::milliseconds kHangUpLimit{5000};
// The pause between two status queries.
inline constexpr std::chrono::milliseconds kHangUpPoll{20};

struct DialUpConnectionTable {
    std::array<RasHandle, kRasEntries> handles{};
    quint32 count = 0; // entries the last enumeration filled
};

class DialUpConnections {
public:
    virtual ~DialUpConnections() = default;
    // Fills the table with the active connections, `entrySize` written in the
    // first entry and `bufferSize` bytes of room; 0 on success.
    virtual quint32 enumerate(DialUpConnectionTable &table, quint32 entrySize, quint32 bufferSize) = 0;
    // Starts hanging up; 0 when started.
    virtual quint32 hangUp(RasHandle handle) = 0;
    // 0 while the connection exists, kRasInvalidHandle once it has ended,
    // anything else is an error.
    virtual quint32 status(RasHandle handle) = 0;
    virtual void pause(std::chrono::milliseconds duration) = 0;
    // A steady clock, for the limit of the wait.
    virtual std::chrono::milliseconds now() = 0;
};

// The system's service: on this platform, one without any connection.
DialUpConnections &systemRasService();

// The service the command uses; installRasService returns the previous one
// (nullptr: the system's).
DialUpConnections &rasService();
DialUpConnections *installRasService(DialUpConnections *service);

// "Tout déconnecter": enumerates the connections and hangs each up in table
// order, waiting for each to end before the next. A failed enumeration says
// "erreur RasEnumConnections" and hangs nothing up; a failed hang-up, a
// status query that fails otherwise than by the end, or a connection still
// there after kHangUpLimit says "erreur RasHangUp" for that connection and
// the next is handled. Null handles are skipped; no more than the table's
// ten entries are ever read, whatever count the service reports. Returns
// what it has to say, in order; the favourites window shows it.
[[nodiscard]] Notices HangUpAllConnections(DialUpConnections &ras);

} // namespace optolune
