#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>

#include "aboutboxes.h"
#include "blockspanel.h"
#include "blocksread.h"
#include "blocksummarydialog.h"
#include "busystatus.h"
#include "dialogquestions.h"
#include "exportflow.h"
#include "fontsize.h"
#include "linkstatus.h"
#include "panelsreportscreen.h"
#include "plotspanel.h"
#include "readingsarchivedialog.h"
#include "reportexport.h"
#include "reportfilename.h"
#include "reportformpanel.h"
#include "settingsfile.h"
#include "version.h"
#include "windowplace.h"
#ifdef Q_OS_UNIX
#include "demoinstrument.h"
#endif

namespace {

// What a PDF names as its maker.
QString creator()
{
    return QStringLiteral("Ormeda ") + QLatin1String(ORMEDA_VERSION);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    blocks = ui->blocks_column;
    plots = ui->plots_column;
    form = ui->report_form_panel;
    installEventFilter(this);
    linkStatus = new LinkStatus(ui->statusbar, port, this);

    const SettingsRecord config = settings.loadConfig();
    apply_settings(config);
    blocks->setModel(&measurements);
    plots->setModel(&measurements);
    connect_link();
    connect_reports();
    ui->retranslateUi(this);
    connect_menus();
    switch_language(config.language);
#ifdef Q_OS_UNIX
    demo = new DemoInstrument(ui->about, port, this);
    demo->setFirstClicks([this] {
        if (!blocks->readEnabled())
            return;
        read_instrument();
        blocks->showBlockOfRow(0);
        plots->setLimitsTicked(true);
    });
#endif

    restore_window_place(this, ui->columns, config.otherKeys);
}

MainWindow::~MainWindow()
{
    reportExport->waitQuietly(); // the report is complete before the window goes
    plots->keepTypedLimits();
    SettingsRecord config = collect_settings();
    keep_window_place(this, ui->columns, config.otherKeys);
    settings.saveConfig(config);
    delete ui;
}

void MainWindow::connect_link()
{
    connect(&port, &Port::validPortFound, this, &MainWindow::validPortFound);
    connect(&port, &Port::validPortDisconnected, this, &MainWindow::validPortDisconnected);
    connect(blocks, &BlocksPanel::readRequested, this, &MainWindow::read_instrument);
}

void MainWindow::connect_reports()
{
    reportExport = new ReportExport(this);
    auto *busy = new BusyStatus(statusBar(), QStringLiteral("export_progress"), blocks->buttons(), this);
    connect(reportExport, &ReportExport::started, busy, [busy] { busy->begin(tr("Сохранение отчёта…")); });
    connect(reportExport, &ReportExport::finished, this, [this, busy] {
        busy->end();
        // The link may have come or gone while the report was written.
        blocks->setReadEnabled(linkUp);
    });
    // After the busy status: the operator hears of the written report once the window is free.
    reportScreen = new PanelsReportScreen(*blocks, *plots, *form, this);
    auto *exports = new ExportFlow(ReportAssembly(measurements, *reportScreen, creator()),
                                   *new DialogQuestions(this, statusBar()), *reportExport, this);
    connect(blocks, &BlocksPanel::exportRequested, exports, &ExportFlow::export_block_report);
    connect(ui->action_export_csv, &QAction::triggered, exports, &ExportFlow::save_block_csv);
}

void MainWindow::connect_menus()
{
    connect(ui->action_open_reading, &QAction::triggered, this, [this] {
        if (read_under_way())
            return;
        const QString path = QFileDialog::getOpenFileName(this, tr("Открыть показания"), readings_folder_path(),
                                                          QStringLiteral("(*.json)"));
        if (!path.isEmpty())
            open_reading(path);
    });
    connect(ui->action_readings_archive, &QAction::triggered, this, &MainWindow::show_readings_archive);
    connect(ui->action_block_summary, &QAction::triggered, this, &MainWindow::show_block_summary);
    connect(&measurements, &MeasurementModel::blocksChanged, this, [this] {
        ui->action_block_summary->setEnabled(!measurements.blocks().isEmpty());
        ui->action_export_csv->setEnabled(false);
    });
    connect(&measurements, &MeasurementModel::shownBlockChanged, this,
            [this] { ui->action_export_csv->setEnabled(!measurements.shownBlock().values.isEmpty()); });
    // Closing as the title bar's button does, so the destructor saves the settings.
    ui->action_quit->setShortcuts(QKeySequence::Quit);
    connect(ui->action_quit, &QAction::triggered, this, &QWidget::close);

    connect(ui->action_font_size_increase, &QAction::triggered, this, [this] { step_font_size(this, 1); });
    connect(ui->action_font_size_decrease, &QAction::triggered, this, [this] { step_font_size(this, -1); });

    auto *languages = new QActionGroup(this);
    languages->addAction(ui->actionRU);
    languages->addAction(ui->actionEN);
    connect(ui->actionRU, &QAction::triggered, this, [this] { switch_language(UiLanguage::Russian); });
    connect(ui->actionEN, &QAction::triggered, this, [this] { switch_language(UiLanguage::English); });

    connect(ui->about_program, &QAction::triggered, this, [this] { show_about_program(this); });
    connect(ui->about_company, &QAction::triggered, this, &show_about_company);
}

void MainWindow::read_instrument()
{
    blocks->beginRead();
    measurements.setBlocks(read_blocks(port, *linkStatus));
    // After a loss a click would find no instrument and empty the list: wait for the link.
    blocks->setReadEnabled(linkUp);
    setWindowTitle(QStringLiteral("Ormeda")); // no longer the title of an opened reading
    switch (readings.keep_reading(port.connectedPortName())) {
    case Readings::Kept::Nothing:
        break;
    case Readings::Kept::Written:
        statusBar()->clearMessage(); // an earlier failure is no longer news
        break;
    case Readings::Kept::Failed:
        statusBar()->showMessage(tr("Не удалось сохранить показания"), 10000);
        break;
    }
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

// A read would go on filling newly listed blocks.
bool MainWindow::read_under_way() const
{
    return !blocks->readEnabled() && !port.connectedPortName().isEmpty();
}

bool MainWindow::open_reading(const QString &path)
{
    if (read_under_way())
        return false;
    if (!readings.open_reading(path)) {
        QMessageBox::warning(this, tr("Ошибка"), tr("Не удалось открыть файл показаний."));
        return false;
    }
    setWindowTitle(QString::fromUtf8("Ormeda — ") + QFileInfo(path).fileName());
    return true;
}

// One dialog for the window's life: it keeps its size, place and sorting between openings.
void MainWindow::show_block_summary()
{
    if (!summaryDialog) {
        summaryDialog = new BlockSummaryDialog(measurements, this);
        auto *exports = new ExportFlow(ReportAssembly(measurements, *reportScreen, creator()),
                                       *new DialogQuestions(summaryDialog, statusBar()), *reportExport, summaryDialog);
        connect(summaryDialog, &BlockSummaryDialog::blockActivated, blocks, &BlocksPanel::showBlockOfRow);
        connect(summaryDialog, &BlockSummaryDialog::pdfRequested, exports,
                [exports] { exports->export_summary_report(ReportFormat::Pdf); });
        connect(summaryDialog, &BlockSummaryDialog::excelRequested, exports,
                [exports] { exports->export_summary_report(ReportFormat::Workbook); });
        connect(summaryDialog, &BlockSummaryDialog::csvRequested, exports, &ExportFlow::save_summary_csv);
        // One report at a time, whichever button began it.
        connect(reportExport, &ReportExport::started, summaryDialog, [this] { summaryDialog->setExportsEnabled(false); });
        connect(reportExport, &ReportExport::finished, summaryDialog, [this] { summaryDialog->setExportsEnabled(true); });
        summaryDialog->setExportsEnabled(!reportExport->isRunning());
    }
    summaryDialog->show();
    summaryDialog->raise();
    summaryDialog->activateWindow();
}

// One dialog for the window's life: its listing of the folder is kept for the next opening.
void MainWindow::show_readings_archive()
{
    if (!archiveDialog) {
        archiveDialog = new ReadingsArchiveDialog(measurements, readings_folder_path(), this);
        auto *questions = new DialogQuestions(archiveDialog, statusBar());
        archiveDialog->setExportPlace([] { return last_folder(QStringLiteral("csv")); },
                                      [](const QString &path) { remember_folder(QStringLiteral("csv"), path); },
                                      [questions] { questions->saveFailed(); });
        connect(archiveDialog, &ReadingsArchiveDialog::readingRequested, this, [this](const QString &path, int block) {
            if (open_reading(path) && block >= 0)
                blocks->showBlockOfRow(block);
        });
    }
    archiveDialog->openArchive();
}

// The limits go to the model directly, the rest to the panels and the fonts.
void MainWindow::apply_settings(const SettingsRecord &config)
{
    settings.applyConfig(config);
    form->applySettings(config);
    form->setLogo(imageFromBase64(config.logoImage));
    applyFontSize(this, config.appFontSize);
}

// The file as it stands now (a save dialog may have kept a folder in it), with what is shown.
SettingsRecord MainWindow::collect_settings() const
{
    SettingsRecord config = settings.collectConfig(settings.loadConfig());
    form->collectSettings(config);
    config.logoImage = imageToBase64(form->logo());
    config.appFontSize = font().pointSize();
    config.language = language.language();
    return config;
}

void MainWindow::switch_language(UiLanguage chosen)
{
    // retranslateUi puts the form's placeholder title back; keep the product title.
    const QString title = windowTitle();
    language.install(chosen);
    ui->retranslateUi(this);
    blocks->retranslate();
    plots->retranslate();
    form->retranslate();
    linkStatus->retranslate();
#ifdef Q_OS_UNIX
    if (demo) // made after the stored language is set
        demo->retranslate();
#endif
    (chosen == UiLanguage::English ? ui->actionEN : ui->actionRU)->setChecked(true);
    setWindowTitle(title);
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
