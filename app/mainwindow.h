#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QImage>
#include <QJsonObject>
#include <QMainWindow>
#include <QString>

#include "measurementmodel.h"
#include "port.h"
#include "reportdata.h"
#include "settingsrecord.h"

class BlockPlots;
class BlockSummaryDialog;
class BlockTableModel;
class BusyStatus;
class DemoInstrument;
class LinkStatus;
class QCPRange;
class QListWidgetItem;
class QResizeEvent;
class QSize;
class QTranslator;
class ReadingsArchiveDialog;
class ReportExport;
class TableHint;
struct ReportModel;
struct SummaryReportModel;

QT_BEGIN_NAMESPACE
namespace Ui { class MainWindow; }
QT_END_NAMESPACE

// Tests reach the window's private state through this; defined in tests/support.
struct MainWindowAccess;

// The one window. It shows the measurement model (the listed blocks, the shown
// block with its statistics, the limits) and turns the operator's input into
// changes of it; the reports are written from it.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Help → Demo instrument; null where there is none (outside Unix).
    DemoInstrument *demo_instrument() const { return demo; }

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Settings file (app/config.cpp)
    void createDefaultConfig();
    SettingsRecord loadConfig();
    void saveConfig(const SettingsRecord &config);

    // The shown block in the table, the statistics and the plots (view/)
    void highlight_table_by_limits();
    void update_statistics();
    void update_tolerance_figures();
    void plot_block();
    void update_limit_lines();

    // Readings kept on disk (view/readings.cpp)
    void keep_reading();
    // Lists the reading of that file as File → Open reading does; false, with the box of a
    // bad file, when it is none.
    bool open_reading(const QString &path);

    // Reports (report/)
    ReportData collect_report_data() const;
    ReportModel collect_report_model(bool includeEmpty, const QSize &plotSize);
    ExportTarget ask_export_target(QWidget *parent, const QString &caption, const QString &extension);
    void export_to_pdf(const QString &fileName, bool includeEmpty);
    void export_to_excel(const QString &fileName, bool includeEmpty);

    // The summary of the listed blocks (view/summarywindow.cpp, report/summaryslots.cpp)
    ExportTarget ask_export_target(QWidget *parent, const QString &caption, const QString &extension,
                                   const QString &word);
    SummaryReportModel collect_summary_model(bool includeEmpty) const;
    void export_summary_to_pdf(const QString &fileName, bool includeEmpty);
    void export_summary_to_excel(const QString &fileName, bool includeEmpty);

protected:
    void resizeEvent(QResizeEvent *event) override;

public slots:
    void validPortFound();
    void validPortDisconnected();
    void update_graph_limits(const QCPRange &newRange);

    void on_button_read_data_clicked();
    void on_block_names_list_itemDoubleClicked(QListWidgetItem *item);
    void on_button_export_to_excel_clicked();
    void on_logo_action_clicked();
    void on_set_limits_checkbox_stateChanged(int arg1);
    void on_actionRU_triggered();
    void on_actionEN_triggered();
    void on_button_export_to_PDF_clicked();
    void on_about_program_triggered();
    void on_about_company_triggered();
    void on_action_font_size_increase_triggered();
    void on_action_font_size_decrease_triggered();
    void on_graphs_limits_min_editingFinished();
    void on_graphs_limits_max_editingFinished();
    void on_limits_min_editingFinished();
    void on_limits_max_editingFinished();
    void on_action_open_reading_triggered();
    void on_action_export_csv_triggered();
    void on_action_block_summary_triggered();
    void on_action_readings_archive_triggered();

private:
    friend struct MainWindowAccess;

    // Model changes, rendered (view/)
    void fill_block_list();
    void show_block();
    void show_limit_values();
    void limit_values_changed();
    void retranslate_shown_block();
    void limits_shown_changed();
    void summary_pdf_clicked();
    void summary_excel_clicked();
    void summary_csv_clicked();

    void setupPlots();
    void commit_limit_values();
    void report_written(const QString &fileName, bool ok);
    void applyConfig(const SettingsRecord &config);
    SettingsRecord collectConfig(SettingsRecord config) const;
    void setLogoButtonText();
    void sizeLogoLabel();
    // The language group, Quit and the stored language (app/menus.cpp).
    void setup_menus(UiLanguage stored);
    void switch_language(UiLanguage chosen);
    // A few seconds of news in the status bar that the file was written.
    void tell_file_saved(const QString &path);

    Port port;
    MeasurementModel measurements;
    Ui::MainWindow *ui;
    QImage logo;
    QTranslator *translator = nullptr;
    QTranslator *toolkitTranslator = nullptr; // the toolkit's own dialogs and menus
    UiLanguage language = UiLanguage::Russian;
    LinkStatus *linkStatus = nullptr;
    BlockTableModel *blockTable = nullptr;
    TableHint *tableHint = nullptr;
    BlockPlots *plots = nullptr;
    DemoInstrument *demo = nullptr;
    ReportExport *reportExport = nullptr;
    BusyStatus *exportStatus = nullptr;
    BlockSummaryDialog *summaryDialog = nullptr; // made at its first opening
    ReadingsArchiveDialog *archiveDialog = nullptr; // made at its first opening
    bool linkUp = false; // between validPortFound and validPortDisconnected
};

#endif // MAINWINDOW_H
