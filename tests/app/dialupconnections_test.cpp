#include "app/dialupconnections.h"
#include "support/recorder.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <map>

using namespace optolune;
using optolune::test::Recorder;

namespace {

// A remote access service played from a script: the connections it lists,
// how many status queries each takes to end, and what fails. Its clock moves
// only when the command pauses.
class FakeRas final : public DialUpConnections {
public:
    std::vector<RasHandle> connections;
    quint32 enumerateResult = 0;
    quint32 reportedCount = 0; // 0: as many as listed
    std::map<RasHandle, quint32> hangUpResult;
    std::map<RasHandle, int> queriesUntilEnd; // -1: never ends
    std::map<RasHandle, quint32> statusError;
    quint32 entrySizeSeen = 0, bufferSizeSeen = 0;
    QStringList calls;
    std::chrono::milliseconds clock{0};

    quint32 enumerate(DialUpConnectionTable &table, quint32 entrySize, quint32 bufferSize) override
    {
        calls << QStringLiteral("enumerate");
        entrySizeSeen = entrySize;
        bufferSizeSeen = bufferSize;
        for (size_t i = 0; i < connections.size() && i < table.handles.size(); ++i)
            table.handles[i] = connections[i];
        table.count = reportedCount ? reportedCount : quint32(connections.size());
        return enumerateResult;
    }
    quint32 hangUp(RasHandle handle) override
    {
        calls << QStringLiteral("hangup %1").arg(handle);
        return hangUpResult.count(handle) ? hangUpResult[handle] : 0;
    }
    quint32 status(RasHandle handle) override
    {
        ++statusCalls[handle];
        if (statusError.count(handle))
            return statusError[handle];
        const int left = queriesUntilEnd.count(handle) ? queriesUntilEnd[handle] : 0;
        if (left < 0)
            return 0;
        if (statusCalls[handle] > left) {
            calls << QStringLiteral("ended %1").arg(handle);
            return kRasInvalidHandle;
        }
        return 0;
    }
    void pause(std::chrono::milliseconds duration) override
    {
        ++pauses;
        clock += duration;
    }
    std::chrono::milliseconds now() override { return clock; }

    std::map<RasHandle, int> statusCalls;
    int pauses = 0;
};

} // namespace

TEST(HangUp, EachConnectionIsHungUpAndAwaitedInTableOrder)
{
    Recorder rec;
    FakeRas ras;
    ras.connections = {11, 0, 22};
    ras.queriesUntilEnd = {{11, 3}, {22, 1}};
    ShowNotices(HangUpAllConnections(ras));
    EXPECT_EQ(ras.calls, (QStringList{"enumerate", "hangup 11", "ended 11", "hangup 22", "ended 22"}));
    EXPECT_EQ(ras.entrySizeSeen, 412u);
    EXPECT_EQ(ras.bufferSizeSeen, 4120u);
    EXPECT_EQ(ras.statusCalls[11], 4);
    EXPECT_EQ(ras.statusCalls.count(0), 0u); // the null handle is skipped
    EXPECT_EQ(ras.pauses, 3 + 1);
    EXPECT_TRUE(rec.messages().empty());
}

TEST(HangUp, NoConnectionShowsNothing)
{
    Recorder rec;
    FakeRas ras;
    ShowNotices(HangUpAllConnections(ras));
    EXPECT_EQ(ras.calls, QStringList{"enumerate"});
    EXPECT_TRUE(rec.messages().empty());
    // This system has no dial-up service at all: nothing either.
    ShowNotices(HangUpAllConnections(systemRasService()));
    EXPECT_TRUE(rec.messages().empty());
}

TEST(HangUp, AFailedEnumerationHangsNothingUp)
{
    Recorder rec;
    FakeRas ras;
    ras.connections = {1, 2};
    ras.enumerateResult = 603; // the table is too small
    const Notices said = HangUpAllConnections(ras);
    EXPECT_TRUE(rec.messages().empty()); // returned, not shown
    ShowNotices(said);
    EXPECT_EQ(ras.calls, QStringList{"enumerate"});
    EXPECT_EQ(rec.texts(), QStringList{"erreur RasEnumConnections"});
    EXPECT_EQ(rec.messages()[0].kind, QStringLiteral("plain"));
}

TEST(HangUp, ACountBeyondTheTableReadsTenEntriesAtMost)
{
    Recorder rec;
    FakeRas ras;
    for (RasHandle h = 1; h <= 10; ++h)
        ras.connections.push_back(h);
    ras.reportedCount = 4000000000u;
    ShowNotices(HangUpAllConnections(ras));
    EXPECT_EQ(ras.calls.count(QStringLiteral("hangup 10")), 1);
    EXPECT_EQ(ras.calls.filter(QStringLiteral("hangup")).size(), 10);
    EXPECT_TRUE(rec.messages().empty());
}

TEST(HangUp, FailuresAreReportedAndTheOthersStillHandled)
{
    struct Case {
        const char *name;
        void (*script)(FakeRas &);
        int pausesAtLeast;
    };
    const Case cases[] = {
        {"hang-up refused", [](FakeRas &r) { r.hangUpResult[1] = 668; }, 0},
        {"never ends", [](FakeRas &r) { r.queriesUntilEnd[1] = -1; }, 0},
        {"status error", [](FakeRas &r) { r.statusError[1] = 87; }, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Recorder rec;
        FakeRas ras;
        ras.connections = {1, 2};
        c.script(ras);
        ShowNotices(HangUpAllConnections(ras));
        EXPECT_EQ(rec.texts(), QStringList{"erreur RasHangUp"});
        EXPECT_TRUE(ras.calls.contains(QStringLiteral("hangup 2")));
        EXPECT_TRUE(ras.calls.contains(QStringLiteral("ended 2")));
        // The wait is bounded: about five seconds of the service's clock.
        EXPECT_LE(ras.clock, kHangUpLimit + kHangUpPoll);
    }
}

TEST(HangUp, AConnectionThatNeverEndsIsGivenUpAfterTheLimit)
{
    Recorder rec;
    FakeRas ras;
    ras.connections = {5};
    ras.queriesUntilEnd[5] = -1;
    ShowNotices(HangUpAllConnections(ras));
    EXPECT_GE(ras.clock, kHangUpLimit);
    EXPECT_LE(ras.clock, kHangUpLimit + kHangUpPoll);
    EXPECT_EQ(ras.pauses, int(kHangUpLimit / kHangUpPoll));
    EXPECT_EQ(rec.texts(), QStringList{"erreur RasHangUp"});
}
