// What several benchmarks set up alike: the largest table the program makes
// (33 f-numbers by 100 distances), a program folder with the installation
// data, and the main of a benchmark that needs an application object.
#pragma once

#include "core/numerictext.h"
#include "table/tablestate.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace optolune::bench {

// Half stops from 1 to 256: 33 f-numbers.
inline QStringList LargestFNumbers()
{
    QStringList list;
    for (int k = 0; k <= 32; ++k)
        list << FixedText(std::pow(2.0L, k / 4.0L), 5, 1);
    return list;
}

// 100 distances spread geometrically from 0,5 m to 900 m.
inline QStringList LargestDistances()
{
    QStringList list;
    for (int i = 0; i < 100; ++i)
        list << FixedText(0.5L * std::pow(1800.0L, i / 99.0L), 8, 2);
    return list;
}

// The largest table with every line and row on, for a 150 mm lens at a
// circle of 0,05 mm, distances with two decimals.
inline TableState LargestTableState(bool horizontal)
{
    TableState s;
    s.fNumbers = LargestFNumbers();
    s.distances = LargestDistances();
    s.circle = QStringLiteral("0,050");
    s.focal = QStringLiteral("150");
    s.nodal = QStringLiteral("-4,0");
    s.pupil = QStringLiteral("1,100");
    s.horizontal = horizontal;
    s.showP = s.showAB = s.showH = s.showGT = true;
    s.decimalsIndex = 2;
    return s;
}

// Runs the event loop until it has nothing left to do, as a user waits for
// a window to settle: every refill a change queues for later, every layout
// and every paint. Installed on the application for the length of a
// benchmark, it counts every event delivered; a pass of the event loop that
// delivers none ends the run. The paints of the watched widgets are counted
// apart, the figure a benchmark reports beside its time.
class EventLoopDrain : public QObject {
public:
    EventLoopDrain() { QCoreApplication::instance()->installEventFilter(this); }
    ~EventLoopDrain() override { QCoreApplication::instance()->removeEventFilter(this); }
    EventLoopDrain(const EventLoopDrain &) = delete;
    EventLoopDrain &operator=(const EventLoopDrain &) = delete;

    void watchPaints(const QObject *widget) { m_watched.push_back(widget); }

    // Runs the loop until idle; returns false when it never settled (a
    // loop that keeps posting to itself), which a benchmark reports as an
    // error rather than a figure.
    bool runUntilIdle()
    {
        for (int pass = 0; pass < 1000; ++pass) {
            m_events = 0;
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (m_events == 0)
                return true;
        }
        return false;
    }

    long long paints() const { return m_paints; }
    void resetPaints() { m_paints = 0; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Timers count too: the views lay themselves out on zero timers.
        ++m_events;
        if (event->type() == QEvent::Paint)
            for (const QObject *w : m_watched)
                m_paints += w == watched;
        return false;
    }

private:
    std::vector<const QObject *> m_watched;
    long long m_events = 0;
    long long m_paints = 0;
};

// Copies the built installation data into home/Data.
inline void FillProgramFolder(const QString &home, const QString &dataDir)
{
    QDir().mkpath(home + QStringLiteral("/Data"));
    const QDir source(dataDir);
    for (const QString &name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), home + QStringLiteral("/Data/") + name);
}

// Runs the benchmarks with an application object of type App, offscreen
// unless QT_QPA_PLATFORM says otherwise.
template <typename App>
int RunBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace optolune::bench
