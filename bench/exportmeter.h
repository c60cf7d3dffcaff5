#ifndef EXPORTMETER_H
#define EXPORTMETER_H

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include "mainwindowaccess.h"
#include "reportexport.h"

// Runs one export the way the window does, its event loop turning meanwhile, and
// measures the wall time and the longest pause of that loop (a 10 ms timer's gaps).
struct ExportFigures
{
    double seconds = 0;
    double longestPauseMs = 0;
    double peakMiB = 0; // of the whole process so far
};

template <typename Start>
ExportFigures measure_export(MainWindow &window, Start &&start)
{
    ExportFigures figures;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        figures.longestPauseMs = qMax(figures.longestPauseMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    ticker.start();
    QCoreApplication::processEvents();
    sinceTick.start();
    QElapsedTimer timer;
    timer.start();
    // The loop sleeps between events as the program's does: spinning here would
    // take a core from the report.
    QEventLoop loop;
    QObject::connect(MainWindowAccess::reportExport(window), &ReportExport::finished, &loop, &QEventLoop::quit);
    start();
    if (MainWindowAccess::reportExport(window)->isRunning())
        loop.exec();
    figures.seconds = timer.nsecsElapsed() / 1e9;
    figures.longestPauseMs = qMax(figures.longestPauseMs, sinceTick.nsecsElapsed() / 1e6);
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    figures.peakMiB = usage.ru_maxrss / 1024.0;
    return figures;
}

#endif // EXPORTMETER_H
