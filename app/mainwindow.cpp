#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QTranslator>
#include <QUrl>

#include "blockspanel.h"
#include "busystatus.h"
#include "linkstatus.h"
#include "plotspanel.h"
#include "reportexport.h"
#include "reportformpanel.h"
#include "savefailurebox.h"
#include "windowplace.h"
#ifdef Q_OS_UNIX
#include "demoinstrument.h"
#endif

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    blocks = ui->blocks_column;
    plots = ui->plots_column;
    form = ui->report_form_panel;
    installEventFilter(this);
    translator = new QTranslator(this);
    linkStatus = new LinkStatus(ui->statusbar, port, this);

    const SettingsRecord config = loadConfig();
    applyConfig(config);

    connect(&port, &Port::validPortFound, this, &MainWindow::validPortFound);
    connect(&port, &Port::validPortDisconnected, this, &MainWindow::validPortDisconnected);

    blocks->setModel(&measurements);
    plots->setModel(&measurements);
    connect(plots, &PlotsPanel::valueRangeChanged, this, &MainWindow::update_graph_limits);
    connect(&measurements, &MeasurementModel::blocksChanged, this, [this] {
        ui->action_block_summary->setEnabled(!measurements.blocks().isEmpty());
        ui->action_export_csv->setEnabled(false);
    });
    connect(&measurements, &MeasurementModel::shownBlockChanged, this,
            [this] { ui->action_export_csv->setEnabled(!measurements.shownBlock().values.isEmpty()); });

    reportExport = new ReportExport(this);
    exportStatus = new BusyStatus(statusBar(), QStringLiteral("export_progress"), blocks->buttons(), this);
    connect(reportExport, &ReportExport::started, this, [this] { exportStatus->begin(tr("Сохранение отчёта…")); });
    connect(reportExport, &ReportExport::finished, this, &MainWindow::report_written);

    ui->retranslateUi(this);
    setup_menus(config.language);
#ifdef Q_OS_UNIX
    demo = new DemoInstrument(ui->about, port, this);
    demo->setFirstClicks([this] {
        if (!blocks->readEnabled())
            return;
        on_button_read_data_clicked();
        blocks->showBlockOfRow(0);
        plots->setLimitsTicked(true);
    });
#endif

    restoreWindowPlace(this, ui->columns, config.otherKeys);
}

MainWindow::~MainWindow()
{
    reportExport->waitQuietly(); // the report is complete before the window goes
    {
        // A limit still being typed is kept, as it would be on leaving its box; nothing is redrawn.
        const QSignalBlocker quiet(measurements);
        measurements.setLimitValues(plots->typedMin(), plots->typedMax());
    }
    SettingsRecord config = collectConfig(loadConfig());
    keepWindowPlace(this, ui->columns, config.otherKeys);
    saveConfig(config);
    delete ui;
}

void MainWindow::report_written(const QString &fileName, bool ok)
{
    exportStatus->end();
    // The link may have come or gone while the report was written.
    blocks->setReadEnabled(linkUp);
    if (ok)
        QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
    else
        show_save_failure_box();
}

void MainWindow::validPortFound()
{
    linkUp = true;
    // A report being written keeps the read button until it is done.
    blocks->setReadEnabled(!reportExport->isRunning());
}

void MainWindow::validPortDisconnected()
{
    linkUp = false;
    blocks->setReadEnabled(false);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease)
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Shift) {
        // Shift held, wherever the focus is: the wheel zooms the value axis instead of the key axis.
        plots->setZoomOrientation(type == QEvent::KeyPress ? Qt::Vertical : Qt::Horizontal);
    }
    return QMainWindow::eventFilter(watched, event);
}
