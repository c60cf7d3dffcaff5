#ifndef MAINWINDOWACCESS_H
#define MAINWINDOWACCESS_H

#include "blockplots.h"
#include "mainwindow.h"
#include "reportexport.h"
#include "ui_mainwindow.h"

// The window's private members, for tests only.
struct MainWindowAccess
{
    static Ui::MainWindow *ui(MainWindow &w) { return w.ui; }
    static Port &port(MainWindow &w) { return w.port; }
    static QImage &logo(MainWindow &w) { return w.logo; }
    static MeasurementModel &measurements(MainWindow &w) { return w.measurements; }
    static const QVector<Block> &blocks(MainWindow &w) { return w.measurements.blocks(); }
    static QTranslator *translator(MainWindow &w) { return w.translator; }
    static QCPItemStraightLine *graphMinLine(MainWindow &w) { return w.plots->graphMinLine(); }
    static QCPItemStraightLine *graphMaxLine(MainWindow &w) { return w.plots->graphMaxLine(); }
    static QCPItemStraightLine *diagramMinLine(MainWindow &w) { return w.plots->diagramMinLine(); }
    static QCPItemStraightLine *diagramMaxLine(MainWindow &w) { return w.plots->diagramMaxLine(); }
    static void sizeLogoLabel(MainWindow &w) { w.sizeLogoLabel(); }
    static ReportExport *reportExport(MainWindow &w) { return w.reportExport; }
    // Reports are written on a worker: waits for the one under way, which then
    // ends as it would in the window (viewer opened or failure box shown).
    static void finishReport(MainWindow &w) { w.reportExport->finish(); }
};

#endif // MAINWINDOWACCESS_H
