#ifndef MAINWINDOWACCESS_H
#define MAINWINDOWACCESS_H

#include <map>
#include <memory>

#include "answers.h"
#include "blockplots.h"
#include "exportflow.h"
#include "mainwindow.h"
#include "panelaccess.h"
#include "panelsreportscreen.h"
#include "reportexport.h"
#include "ui_mainwindow.h"

// Every widget of the window under its object name, as one form: the window's own
// (menus, actions, status bar, columns) and those of its three panels.
struct WindowForm : Ui::MainWindow, Ui::BlocksPanel, Ui::PlotsPanel, Ui::ReportFormPanel
{
    WindowForm() = default;
    WindowForm(const Ui::MainWindow &window)
        : Ui::MainWindow(window)
        , Ui::BlocksPanel(*PanelAccess::ui(*window.blocks_column))
        , Ui::PlotsPanel(*PanelAccess::ui(*window.plots_column))
        , Ui::ReportFormPanel(*PanelAccess::ui(*window.report_form_panel))
    {
    }

    // As the window's form and the panels' do it: every text anew in the language now on.
    void retranslateUi(QMainWindow *window)
    {
        Ui::MainWindow::retranslateUi(window);
        Ui::BlocksPanel::retranslateUi(blocks_column);
        Ui::PlotsPanel::retranslateUi(plots_column);
        Ui::ReportFormPanel::retranslateUi(report_form_panel);
    }
};

// The window's form built on a bare main window, with the panels it holds.
inline WindowForm built_form(QMainWindow &window)
{
    Ui::MainWindow form;
    form.setupUi(&window);
    return WindowForm(form);
}

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
    static QTranslator *translator(MainWindow &w) { return w.language.translation(); }
    static QCPItemStraightLine *graphMinLine(MainWindow &w) { return w.plots->plots()->graphMinLine(); }
    static QCPItemStraightLine *graphMaxLine(MainWindow &w) { return w.plots->plots()->graphMaxLine(); }
    static QCPItemStraightLine *diagramMinLine(MainWindow &w) { return w.plots->plots()->diagramMinLine(); }
    static QCPItemStraightLine *diagramMaxLine(MainWindow &w) { return w.plots->plots()->diagramMaxLine(); }
    static void sizeLogoLabel(MainWindow &w) { PanelAccess::sizeLogoLabel(*w.form); }
    static ReportExport *reportExport(MainWindow &w) { return w.reportExport; }
    // The reports of what the window shows, as its exports take them.
    static ReportAssembly reports(MainWindow &w)
    {
        return ReportAssembly(w.measurements, *w.reportScreen, QStringLiteral("Ormeda"));
    }
    // A report of the shown block begun as its button begins it, the file and the empty-field
    // answer given without a dialog; it is written on the window's writer, and the desktop is
    // asked to open it.
    static void exportReport(MainWindow &w, ReportFormat format, const QString &path, bool includeEmpty)
    {
        auto answers = std::make_shared<Answers>();
        answers->files << path;
        answers->emptyFields << (includeEmpty ? Questions::EmptyFields::Include : Questions::EmptyFields::Leave);
        auto *flow = new ExportFlow(reports(w), *answers, *w.reportExport, &w);
        QObject::connect(w.reportExport, &ReportExport::finished, flow, [flow, answers] { flow->deleteLater(); });
        flow->export_block_report(format);
    }
    // Reports are written on a worker: waits for the one under way, which then
    // ends as it would in the window (viewer opened or failure box shown).
    static void finishReport(MainWindow &w) { w.reportExport->finish(); }
};

#endif // MAINWINDOWACCESS_H
