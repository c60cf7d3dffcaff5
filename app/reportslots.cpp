#include "mainwindow.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSize>
#include <QTime>

#include "blockspanel.h"
#include "excelreport.h"
#include "filelock.h"
#include "pdfreport.h"
#include "plotpictures.h"
#include "plotspanel.h"
#include "reportexport.h"
#include "reportfilename.h"
#include "reportformpanel.h"
#include "reportmodel.h"
#include "savefailurebox.h"
#include "version.h"

namespace {

const QSize pdfPlotSize(600, 400);
const QSize excelPlotSize(522, 313);

PendingPicture pending_plot(const PlotPicture &picture)
{
    return [picture] { return picture.finished(); };
}

} // namespace

void MainWindow::on_button_export_to_PDF_clicked()
{
    const ExportTarget target = ask_export_target(this, tr("Экспорт в PDF"), QStringLiteral("pdf"));
    if (!target.fileName.isEmpty())
        export_to_pdf(target.fileName, target.includeEmpty);
}

void MainWindow::on_button_export_to_excel_clicked()
{
    const ExportTarget target = ask_export_target(this, tr("Экспорт в Excel"), QStringLiteral("xlsx"));
    if (!target.fileName.isEmpty())
        export_to_excel(target.fileName, target.includeEmpty);
}

// What is written is what was on screen at the click; the writing runs on.
void MainWindow::export_to_pdf(const QString &fileName, bool includeEmpty)
{
    reportExport->start(collect_report_model(includeEmpty, pdfPlotSize), fileName, write_pdf_report);
}

void MainWindow::export_to_excel(const QString &fileName, bool includeEmpty)
{
    reportExport->start(collect_report_model(includeEmpty, excelPlotSize), fileName, save_excel_report);
}

void MainWindow::on_logo_action_clicked()
{
    form->addOrRemoveLogo();
}

// The block on display, whose statistics and plots the report prints too,
// not the list's current row, which a single click moves.
ReportData MainWindow::collect_report_data() const
{
    ReportData data = form->formData();
    data.creator = QStringLiteral("Ormeda ") + QLatin1String(ORMEDA_VERSION);
    data.values = measurements.shownBlock().values;
    data.valueTitle = measurements.shownBlock().valueTitle();
    return data;
}

ReportModel MainWindow::collect_report_model(bool includeEmpty, const QSize &plotSize) const
{
    ReportModel model;
    model.data = collect_report_data();
    model.includeEmpty = includeEmpty;
    model.logo = form->logo();
    // The statistics as the window shows them, to one decimal.
    const BlockStatistics &statistics = measurements.statistics();
    const StatisticsCaptions captions = blocks->statisticsCaptions();
    model.statisticsCaption = captions.title;
    model.statistics = {{captions.minimum, shown_statistic(statistics.minimum)},
                        {captions.maximum, shown_statistic(statistics.maximum)},
                        {captions.mean, shown_statistic(statistics.mean)},
                        {captions.stdev, shown_statistic(statistics.stdev)}};
    model.mean = shown_statistic(statistics.mean);
    const Limits &limits = measurements.limits();
    const PlotsReportChoice choice = plots->reportChoice();
    const PlotPictureSource source{model.data.values, statistics, limits, choice.valueMin, choice.valueMax};
    const BlockPlotPictures pictures = block_plot_pictures(source, plotSize, choice.graph, choice.diagram);
    if (choice.graph)
        model.sketches.append(pending_plot(pictures.graph));
    if (choice.diagram)
        model.sketches.append(pending_plot(pictures.diagram));
    model.toleranceLine = has_tolerance_line(limits.inForce(), choice.graph, choice.diagram);
    model.limitMin = limits.min;
    model.limitMax = limits.max;
    model.limits = limits;
    if (choice.tolerance)
        model.toleranceRows = tolerance_rows(measurements.assessment(), limits);
    model.commentsCaption = form->commentsCaption();
    model.comments = form->comments();
    return model;
}

ExportTarget MainWindow::ask_export_target(QWidget *parent, const QString &caption, const QString &extension)
{
    return ask_export_target(parent, caption, extension, tr("Отчет"));
}

ExportTarget MainWindow::ask_export_target(QWidget *parent, const QString &caption, const QString &extension,
                                           const QString &word)
{
    const QString filter = QStringLiteral("(*.") + extension + QLatin1Char(')');
    const QString proposal =
        proposed_report_path(last_folder(extension), word, form->reportNumber(), QTime::currentTime(), extension);

    ExportTarget target;
    const QString fileName = QFileDialog::getSaveFileName(parent, caption, proposal, filter);
    if (fileName.isEmpty())
        return target;
    remember_folder(extension, fileName);
    if (is_file_locked(fileName)) {
        show_save_failure_box();
        return target;
    }

    QMessageBox question(QMessageBox::Question, QString(), tr("Включать незаполненные поля в отчет?"),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    question.button(QMessageBox::Yes)->setText(tr("Да"));
    question.button(QMessageBox::No)->setText(tr("Нет"));
    question.button(QMessageBox::Cancel)->setText(tr("Отмена"));
    question.setEscapeButton(QMessageBox::Cancel); // Escape and the title bar's close too
    question.exec();
    if (question.clickedButton() == question.button(QMessageBox::Cancel))
        return target;
    target.fileName = fileName;
    target.includeEmpty = question.clickedButton() == question.button(QMessageBox::Yes);
    return target;
}
