#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDate>
#include <QDesktopServices>
#include <QHeaderView>
#include <QResizeEvent>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include "blocktablemodel.h"
#include "busystatus.h"
#include "limitinput.h"
#include "linkstatus.h"
#include "reportexport.h"
#include "savefailurebox.h"
#include "tablecopy.h"
#include "tablehint.h"
#include "toleranceassessment.h"
#include "windowplace.h"
#ifdef Q_OS_UNIX
#include "demoinstrument.h"
#endif

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    installEventFilter(this);
    translator = new QTranslator(this);
    linkStatus = new LinkStatus(ui->statusbar, port, this);

    const SettingsRecord config = loadConfig();
    applyConfig(config);

    connect(&port, &Port::validPortFound, this, &MainWindow::validPortFound);
    connect(&port, &Port::validPortDisconnected, this, &MainWindow::validPortDisconnected);

    blockTable = new BlockTableModel(this);
    ui->table_block_data->setModel(blockTable);
    ui->table_block_data->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->table_block_data->horizontalHeader()->hide();
    new TableCopy(ui->table_block_data);
    tableHint = new TableHint(ui->table_block_data);
    tableHint->setShown(true);
    for (QDoubleSpinBox *box : {ui->limits_min, ui->limits_max})
        new DecimalSeparatorKeys(box);
    // The boxes' lowest value, below any statistic they are given, reads "—": no block, no figure.
    for (QDoubleSpinBox *box : {ui->min_box, ui->max_box, ui->mean_box, ui->stdev_box}) {
        box->setMinimum(box->minimum() - 1);
        box->setSpecialValueText(no_figure_text());
    }
    ui->block_names_list->installEventFilter(this); // Enter shows the current row

    ui->report_date_edit->setDate(QDate::currentDate());

    setupPlots();

    connect(&measurements, &MeasurementModel::blocksChanged, this, &MainWindow::fill_block_list);
    connect(&measurements, &MeasurementModel::shownBlockChanged, this, &MainWindow::show_block);
    connect(&measurements, &MeasurementModel::limitsShownChanged, this, &MainWindow::limits_shown_changed);
    connect(&measurements, &MeasurementModel::limitValuesChanged, this, &MainWindow::limit_values_changed);
    connect(&measurements, &MeasurementModel::blocksChanged, this,
            [this] { ui->action_block_summary->setEnabled(!measurements.blocks().isEmpty()); });
    for (const auto changed : {&MeasurementModel::shownBlockChanged, &MeasurementModel::limitsShownChanged,
                               &MeasurementModel::limitValuesChanged})
        connect(&measurements, changed, this, &MainWindow::update_tolerance_figures);

    reportExport = new ReportExport(this);
    exportStatus = new BusyStatus(statusBar(), QStringLiteral("export_progress"),
                                  {ui->button_read_data, ui->button_export_to_PDF, ui->button_export_to_excel}, this);
    connect(reportExport, &ReportExport::started, this, [this] { exportStatus->begin(tr("Сохранение отчёта…")); });
    connect(reportExport, &ReportExport::finished, this, &MainWindow::report_written);

    ui->retranslateUi(this);
    setLogoButtonText();
    update_statistics();
    retranslate_shown_block();
    setup_menus(config.language);
#ifdef Q_OS_UNIX
    demo = new DemoInstrument(ui, port, this);
#endif

    restoreWindowPlace(this, ui->columns, config.otherKeys);

    // The logo label is sized from report_number's width, which is known only once
    // the layout has run, that is from the event loop.
    QTimer::singleShot(1, this, [this] { sizeLogoLabel(); });
}

MainWindow::~MainWindow()
{
    reportExport->waitQuietly(); // the report is complete before the window goes
    {
        // A limit still being typed is kept, as it would be on leaving its box; nothing is redrawn.
        const QSignalBlocker quiet(measurements);
        measurements.setLimitValues(ui->limits_min->value(), ui->limits_max->value());
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
    ui->button_read_data->setEnabled(linkUp);
    if (ok)
        QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
    else
        show_save_failure_box();
}

void MainWindow::setLogoButtonText()
{
    ui->logo_action->setText(logo.isNull() ? tr("Добавить логотип") : tr("Удалить"));
}

void MainWindow::sizeLogoLabel()
{
    const int side = ui->report_number->width() / 2;
    ui->logotype->setGeometry(0, 0, side, side);
    ui->logotype->setMaximumWidth(side);
    ui->logotype->setMaximumHeight(side);
    ui->logotype->setAlignment(Qt::AlignCenter);
    resizeEvent(nullptr);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    if (event)
        QMainWindow::resizeEvent(event);
    if (logo.isNull()) {
        ui->logotype->setPixmap(QPixmap());
        return;
    }
    ui->logotype->setPixmap(QPixmap::fromImage(logo).scaled(ui->logotype->size(), Qt::KeepAspectRatio,
                                                            Qt::SmoothTransformation));
}

void MainWindow::validPortFound()
{
    linkUp = true;
    // A report being written keeps the read button until it is done.
    ui->button_read_data->setEnabled(!reportExport->isRunning());
}

void MainWindow::validPortDisconnected()
{
    linkUp = false;
    ui->button_read_data->setEnabled(false);
}
