#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QString>

#include "interfacelanguage.h"
#include "measurementmodel.h"
#include "port.h"
#include "readings.h"
#include "settingskeeper.h"

class BlockSummaryDialog;
class BlocksPanel;
class DemoInstrument;
class LinkStatus;
class PanelsReportScreen;
class PlotsPanel;
class ReadingsArchiveDialog;
class ReportExport;
class ReportFormPanel;

QT_BEGIN_NAMESPACE
namespace Ui { class MainWindow; }
QT_END_NAMESPACE

// Tests reach the window's private state through this; defined in tests/support.
struct MainWindowAccess;

// The one window, a host: the menus, the status bar and three panels side by side (the
// blocks, their plots and limits, the report form) over the measurement model. It wires the
// panels, the model, the link and the use cases in one place; the panels take the operator's
// input to the model themselves, the use cases do what he asks of the program.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Help → Demo instrument; null where there is none (outside Unix).
    DemoInstrument *demo_instrument() const { return demo; }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend struct MainWindowAccess;

    void connect_link();
    void connect_reports();
    void connect_menus();

    // The read button: every block of the instrument listed, and kept as a reading.
    void read_instrument();
    void validPortFound();
    void validPortDisconnected();
    // While the read button is off with the port open, a read (or the handshake) waits for the
    // instrument further down the stack.
    bool read_under_way() const;
    // Lists the reading of that file; false, with the box of a bad file, when it is none.
    bool open_reading(const QString &path);
    void show_block_summary();
    void show_readings_archive();

    void apply_settings(const SettingsRecord &config);
    SettingsRecord collect_settings() const;
    void switch_language(UiLanguage chosen);

    Port port;
    MeasurementModel measurements;
    SettingsKeeper settings{measurements};
    Readings readings{measurements};
    Ui::MainWindow *ui;
    BlocksPanel *blocks = nullptr;
    PlotsPanel *plots = nullptr;
    ReportFormPanel *form = nullptr;
    InterfaceLanguage language{this};
    LinkStatus *linkStatus = nullptr;
    DemoInstrument *demo = nullptr;
    ReportExport *reportExport = nullptr;
    PanelsReportScreen *reportScreen = nullptr;
    BlockSummaryDialog *summaryDialog = nullptr; // made at its first opening
    ReadingsArchiveDialog *archiveDialog = nullptr; // made at its first opening
    bool linkUp = false; // between validPortFound and validPortDisconnected
};

#endif // MAINWINDOW_H
