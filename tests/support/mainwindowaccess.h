#ifndef MAINWINDOWACCESS_H
#define MAINWINDOWACCESS_H

#include <map>

#include "blockplots.h"
#include "mainwindow.h"
#include "panelaccess.h"
#include "reportexport.h"
#include "ui_mainwindow.h"

// The window's private members, for tests only.
struct MainWindowAccess
{
    // The window's widgets and its panels' under their object names; kept for the window's life.
    static WindowForm *ui(MainWindow &w)
    {
        static std::map<const MainWindow *, WindowForm> forms;
        WindowForm &form = forms[&w];
        form = WindowForm(*w.ui);
        return &form;
    }
    static BlocksPanel &blocksPanel(MainWindow &w) { return *w.blocks; }
    static PlotsPanel &plotsPanel(MainWindow &w) { return *w.plots; }
    static ReportFormPanel &formPanel(MainWindow &w) { return *w.form; }
    static Port &port(MainWindow &w) { return w.port; }
    static QImage &logo(MainWindow &w) { return PanelAccess::logo(*w.form); }
    static MeasurementModel &measurements(MainWindow &w) { return w.measurements; }
    static const QVector<Block> &blocks(MainWindow &w) { return w.measurements.blocks(); }
    static QTranslator *translator(MainWindow &w) { return w.translator; }
    static QCPItemStraightLine *graphMinLine(MainWindow &w) { return w.plots->plots()->graphMinLine(); }
    static QCPItemStraightLine *graphMaxLine(MainWindow &w) { return w.plots->plots()->graphMaxLine(); }
    static QCPItemStraightLine *diagramMinLine(MainWindow &w) { return w.plots->plots()->diagramMinLine(); }
    static QCPItemStraightLine *diagramMaxLine(MainWindow &w) { return w.plots->plots()->diagramMaxLine(); }
    static void sizeLogoLabel(MainWindow &w) { PanelAccess::sizeLogoLabel(*w.form); }
    static ReportExport *reportExport(MainWindow &w) { return w.reportExport; }
    // Reports are written on a worker: waits for the one under way, which then
    // ends as it would in the window (viewer opened or failure box shown).
    static void finishReport(MainWindow &w) { w.reportExport->finish(); }
};

#endif // MAINWINDOWACCESS_H
