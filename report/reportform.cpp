#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QPushButton>

#include "blockstatistics.h"
#include "filelock.h"
#include "plotpictures.h"
#include "reportfilename.h"
#include "reportmodel.h"
#include "savefailurebox.h"
#include "version.h"

namespace {

PendingPicture pending_plot(const PlotPicture &picture)
{
    return [picture] { return picture.finished(); };
}

} // namespace

void MainWindow::on_logo_action_clicked()
{
    if (logo.isNull()) {
        const QString path =
            QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("Images (*.png *.jpg *.jpeg *.bmp)"));
        if (path.isEmpty())
            return;
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        if (image.isNull()) {
            QMessageBox::warning(this, QStringLiteral("Error"), QStringLiteral("Failed to load the image."),
                                 QMessageBox::Ok);
            return;
        }
        logo = image;
    } else {
        logo = QImage();
    }
    resizeEvent(nullptr);
    setLogoButtonText();
}

ReportData MainWindow::collect_report_data() const
{
    ReportData data;
    const QString company = ui->company_data_label->text();
    const QString report = ui->report_data_label->text();
    const QString device = ui->device_data_label->text();
    data.entries = {
        {ui->company_name_label->text(), ui->company_name->text(), company},
        {ui->company_city_label->text(), ui->company_city->text(), company},
        {ui->company_address_label->text(), ui->company_address->text(), company},
        {ui->company_phone_label->text(), ui->company_phone->text(), company},
        {ui->company_website_label->text(), ui->company_website->text(), company},
        {ui->report_number_label->text(), ui->report_number->text(), report},
        {ui->report_date_edit_label->text(), ui->report_date_edit->date().toString(QStringLiteral("dd.MM.yyyy")),
         report},
        {ui->report_operator_label->text(), ui->report_operator->text(), report},
        {ui->report_detail_name_label->text(), ui->report_detail_name->text(), report},
        {ui->report_material_label->text(), ui->report_material->text(), report},
        {ui->report_batch_number_label->text(), ui->report_batch_number->text(), report},
        {ui->device_name_label->text(), ui->device_name->text(), device},
        {ui->device_type_label->text(), ui->device_type->text(), device},
        {ui->device_number_label->text(), ui->device_number->text(), device},
        {ui->device_document_number_label->text(), ui->device_document_number->text(), device},
    };

    // The block on display, whose statistics and plots the report prints too,
    // not the list's current row, which a single click moves.
    data.reportNumber = ui->report_number->text();
    data.operatorName = ui->report_operator->text();
    data.creator = QStringLiteral("Ormeda ") + QLatin1String(ORMEDA_VERSION);
    data.values = measurements.shownBlock().values;
    data.valueTitle = measurements.shownBlock().valueTitle();
    return data;
}

ReportModel MainWindow::collect_report_model(bool includeEmpty, const QSize &plotSize)
{
    ReportModel model;
    model.data = collect_report_data();
    model.includeEmpty = includeEmpty;
    model.logo = logo;
    // The statistics as the window shows them, to one decimal.
    const BlockStatistics &statistics = measurements.statistics();
    model.statisticsCaption = ui->stats_label->text();
    model.statistics = {{ui->min_label->text(), shown_statistic(statistics.minimum)},
                        {ui->max_label->text(), shown_statistic(statistics.maximum)},
                        {ui->mean_label->text(), shown_statistic(statistics.mean)},
                        {ui->stdev_label->text(), shown_statistic(statistics.stdev)}};
    model.mean = shown_statistic(statistics.mean);
    const Limits &limits = measurements.limits();
    const bool graph = ui->report_graph_checkbox->checkState() != Qt::Unchecked;
    const bool diagram = ui->report_diagram_checkbox->checkState() != Qt::Unchecked;
    const PlotPictureSource source{model.data.values, statistics, limits, ui->graphs_limits_min->value(),
                                   ui->graphs_limits_max->value()};
    const BlockPlotPictures pictures = block_plot_pictures(source, plotSize, graph, diagram);
    if (graph)
        model.sketches.append(pending_plot(pictures.graph));
    if (diagram)
        model.sketches.append(pending_plot(pictures.diagram));
    model.toleranceLine = has_tolerance_line(limits.inForce(), ui->report_graph_checkbox->isChecked(),
                                             ui->report_diagram_checkbox->isChecked());
    model.limitMin = limits.min;
    model.limitMax = limits.max;
    model.limits = limits;
    if (ui->report_tolerance_checkbox->isChecked())
        model.toleranceRows = tolerance_rows(measurements.assessment(), limits);
    model.commentsCaption = ui->comments_label->text();
    model.comments = ui->comments_text->toPlainText();
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
    const QString proposal = proposed_report_path(last_folder(extension), word, ui->report_number->text(),
                                                  QTime::currentTime(), extension);

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

