#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QString>

#include "measurementmodel.h"
#include "port.h"
#include "reportdata.h"
#include "settingsrecord.h"

class BlockSummaryDialog;
class BlocksPanel;
class BusyStatus;
class DemoInstrument;
class LinkStatus;
class PlotsPanel;
class QCPRange;
class QListWidgetItem;
class QSize;
class QTranslator;
class ReadingsArchiveDialog;
class ReportExport;
class ReportFormPanel;
struct ReportModel;
struct SummaryReportModel;

QT_BEGIN_NAMESPACE
namespace Ui { class MainWindow; }
QT_END_NAMESPACE

// Tests reach the window's private state through this; defined in tests/support.
struct MainWindowAccess;

// The one window: the menus, the status bar and three panels side by side (the blocks,
// their plots and limits, the report form), which show the measurement model. Its slots
// hand the operator's input over to a panel or the model; the reports are written from them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Help → Demo instrument; null where there is none (outside Unix).
    DemoInstrument *demo_instrument() const { return demo; }

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Settings file (config.cpp)
    void createDefaultConfig();
    SettingsRecord loadConfig();
    void saveConfig(const SettingsRecord &config);

    // Readings kept on disk (readingslots.cpp)
    void keep_reading();
    // Lists the reading of that file as File → Open reading does; false, with the box of a
    // bad file, when it is none.
    bool open_reading(const QString &path);

    // Reports (reportslots.cpp)
    ReportData collect_report_data() const;
    ReportModel collect_report_model(bool includeEmpty, const QSize &plotSize) const;
    ExportTarget ask_export_target(QWidget *parent, const QString &caption, const QString &extension,
                                   const QString &word);
    ExportTarget ask_export_target(QWidget *parent, const QString &caption, const QString &extension);
    void export_to_pdf(const QString &fileName, bool includeEmpty);
    void export_to_excel(const QString &fileName, bool includeEmpty);

    // The summary of the listed blocks (summaryslots.cpp)
    SummaryReportModel collect_summary_model(bool includeEmpty) const;
    void export_summary_to_pdf(const QString &fileName, bool includeEmpty);
    void export_summary_to_excel(const QString &fileName, bool includeEmpty);

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

    bool read_under_way() const;
    void summary_pdf_clicked();
    void summary_excel_clicked();
    void summary_csv_clicked();
    void report_written(const QString &fileName, bool ok);
    void applyConfig(const SettingsRecord &config);
    SettingsRecord collectConfig(SettingsRecord config) const;
    // The language group, Quit and the stored language (menus.cpp).
    void setup_menus(UiLanguage stored);
    void switch_language(UiLanguage chosen);
    // Asks where, in the folder used last for CSV files, and writes it there; a few seconds of
    // news in the status bar when it is written, the failure box when not.
    void save_csv(QWidget *parent, const QString &caption, const QString &word, const QByteArray &csv);

    Port port;
    MeasurementModel measurements;
    Ui::MainWindow *ui;
    BlocksPanel *blocks = nullptr;
    PlotsPanel *plots = nullptr;
    ReportFormPanel *form = nullptr;
    QTranslator *translator = nullptr;
    QTranslator *toolkitTranslator = nullptr; // the toolkit's own dialogs and menus
    UiLanguage language = UiLanguage::Russian;
    LinkStatus *linkStatus = nullptr;
    DemoInstrument *demo = nullptr;
    ReportExport *reportExport = nullptr;
    BusyStatus *exportStatus = nullptr;
    BlockSummaryDialog *summaryDialog = nullptr; // made at its first opening
    ReadingsArchiveDialog *archiveDialog = nullptr; // made at its first opening
    bool linkUp = false; // between validPortFound and validPortDisconnected
};

#endif // MAINWINDOW_H
