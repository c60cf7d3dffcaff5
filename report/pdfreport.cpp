#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDesktopServices>
#include <QFile>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <qcustomplot.h>

#include "plotcapture.h"
#include "reporttexts.h"
#include "savefailurebox.h"

namespace {

// The logo goes in as a document resource, never through a file on disk.
const QUrl logoResource(QStringLiteral("ormeda-report-logo"));
const QSize plotPictureSize(600, 400);

int fields_table_rows(const QList<ReportEntry> &entries, bool includeEmpty)
{
    int rows = 0;
    QString lastSection;
    for (const ReportEntry &entry : entries) {
        if (!is_entry_included(entry, includeEmpty))
            continue;
        if (entry.section != lastSection) {
            lastSection = entry.section;
            rows += 2;
        } else {
            rows += 1;
        }
    }
    return rows;
}

void write_cell(QTextTable *table, int row, int column, const QString &text, const QTextBlockFormat &block)
{
    QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
    cell.setBlockFormat(block);
    cell.insertText(text);
}

} // namespace

void MainWindow::on_button_export_to_PDF_clicked()
{
    const ExportTarget target = ask_export_target(this, tr("Экспорт в PDF"), QStringLiteral("pdf"));
    if (!target.fileName.isEmpty())
        export_to_pdf(target.fileName, target.includeEmpty);
}

void MainWindow::export_to_pdf(const QString &fileName, bool includeEmpty)
{
    const ReportData data = collect_report_data();

    // The PDF writer fails without a word on a target it cannot create, so the
    // file is opened here and a failure is shown instead of opening nothing.
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        show_save_failure_box();
        return;
    }
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);

    QTextDocument document;
    const QFont timesFont(QStringLiteral("Times New Roman"), 10);
    document.setDefaultFont(timesFont);

    const int pageWidth = int(writer.pageLayout().pageSize().sizePoints().width());
    const QTextLength third(QTextLength::FixedLength, pageWidth / 3);
    const QTextLength sixth(QTextLength::FixedLength, pageWidth / 6);

    QTextTableFormat framedTable;
    framedTable.setBorder(1.0);
    framedTable.setColumnWidthConstraints({third, third, third});
    framedTable.setBorderBrush(QBrush(Qt::SolidPattern));
    framedTable.setCellSpacing(0);

    QTextBlockFormat centerBlock;
    centerBlock.setAlignment(Qt::AlignCenter);
    QTextBlockFormat leftBlock;
    leftBlock.setAlignment(Qt::AlignLeft);

    QTextCharFormat boldChars;
    boldChars.setFontWeight(QFont::Bold);
    QTextCharFormat plainChars;
    plainChars.setFont(timesFont);
    QTextCharFormat titleChars;
    titleChars.setFontPointSize(16);
    titleChars.setFontWeight(QFont::Bold);

    QTextTableFormat plainTable;
    plainTable.setCellSpacing(0);
    plainTable.setCellPadding(0);
    plainTable.setBorder(0);

    QTextCursor cursor(&document);

    // Header: the fields table on the left, the logo on the right.
    QTextTable *header = cursor.insertTable(1, 2, plainTable);

    QTextCursor fieldsCursor = header->cellAt(0, 0).firstCursorPosition();
    QTextTable *fields = fieldsCursor.insertTable(fields_table_rows(data.entries, includeEmpty), 2, framedTable);
    int row = 0;
    QString lastSection;
    for (const ReportEntry &entry : data.entries) {
        if (!is_entry_included(entry, includeEmpty))
            continue;
        if (entry.section != lastSection) {
            lastSection = entry.section;
            fields->mergeCells(row, 0, 1, 2);
            QTextCursor heading = fields->cellAt(row, 0).firstCursorPosition();
            heading.setBlockFormat(centerBlock);
            heading.insertText(entry.section, boldChars);
            ++row;
        }
        fields->cellAt(row, 0).firstCursorPosition().insertText(entry.label);
        write_cell(fields, row, 1, entry.value, centerBlock);
        ++row;
    }

    if (!logo.isNull()) {
        document.addResource(QTextDocument::ImageResource, logoResource, logo);
        QTextImageFormat picture;
        picture.setName(logoResource.toString());
        picture.setWidth(third.rawValue());
        header->cellAt(0, 1).firstCursorPosition().insertImage(picture);
    }

    // Title.
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertBlock(centerBlock);
    cursor.insertText(tr("Отчет о проведении контроля"), titleChars);

    // Values: rounded to their decimals, unlike the screen, which cuts.
    framedTable.setBorder(1.0);
    QTextTable *values = cursor.insertTable(data.values.size() + 1, 3, framedTable);
    write_cell(values, 0, 0, tr("Номер"), centerBlock);
    write_cell(values, 0, 1, data.valueTitle, centerBlock);
    write_cell(values, 0, 2, deviation_caption(), centerBlock);
    const double mean = ui->mean_box->value();
    for (int i = 0; i < data.values.size(); ++i) {
        const float v = data.values.at(i);
        write_cell(values, i + 1, 0, QString::number(i + 1), centerBlock);
        write_cell(values, i + 1, 1, report_value_text(v), centerBlock);
        write_cell(values, i + 1, 2, deviation_text(mean, v), centerBlock);
    }

    // Statistics.
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertBlock();
    QTextTableFormat statsTable;
    statsTable.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    statsTable.setBorder(1.0);
    statsTable.setBorderBrush(QBrush(Qt::black, Qt::SolidPattern));
    statsTable.setCellSpacing(0);
    statsTable.setCellPadding(4.0);
    statsTable.setColumnWidthConstraints({sixth, sixth});
    QTextTable *stats = cursor.insertTable(5, 2, statsTable);
    stats->mergeCells(0, 0, 1, 2);
    QTextCharFormat boldChars10;
    boldChars10.setFontWeight(QFont::Bold);
    boldChars10.setFontPointSize(10);
    QTextCursor statsHeading = stats->cellAt(0, 0).firstCursorPosition();
    statsHeading.setBlockFormat(centerBlock);
    statsHeading.insertText(tr("Статистика"), boldChars10);
    const QList<QPair<const QLabel *, const QDoubleSpinBox *>> statistics = {
        {ui->mean_label, ui->mean_box},
        {ui->stdev_label, ui->stdev_box},
        {ui->max_label, ui->max_box},
        {ui->min_label, ui->min_box},
    };
    for (int i = 0; i < statistics.size(); ++i) {
        QTextTableCell labelCell = stats->cellAt(i + 1, 0);
        QTextTableCell valueCell = stats->cellAt(i + 1, 1);
        labelCell.setFormat(plainChars);
        valueCell.setFormat(plainChars);
        QTextCursor labelCursor = labelCell.firstCursorPosition();
        labelCursor.setBlockFormat(leftBlock);
        labelCursor.insertText(statistics.at(i).first->text());
        QTextCursor valueCursor = valueCell.firstCursorPosition();
        valueCursor.setBlockFormat(centerBlock);
        valueCursor.insertText(QString::number(statistics.at(i).second->value(), 'f', 1));
    }

    // Plot pictures.
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertBlock();
    const QList<QPair<QCustomPlot *, const QCheckBox *>> plots = {
        {ui->graph, ui->report_graph_checkbox},
        {ui->diagram, ui->report_diagram_checkbox},
    };
    for (const auto &plot : plots) {
        if (plot.second->checkState() == Qt::Unchecked)
            continue;
        cursor.insertImage(capture_plot(plot.first, plotPictureSize));
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
    }

    if (ui->set_limits_checkbox->isChecked()
        && (ui->report_graph_checkbox->isChecked() || ui->report_diagram_checkbox->isChecked())) {
        cursor.insertBlock();
        cursor.insertText(tolerance_text(ui->limits_min->value(), ui->limits_max->value()), plainChars);
    }

    // Comments and signature.
    titleChars.setFontPointSize(12);
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(centerBlock);
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertText(tr("Комментарии"), titleChars);
    cursor.insertBlock();
    cursor.insertText(ui->comments_text->toPlainText(), plainChars);
    cursor.insertBlock();
    cursor.insertBlock(centerBlock);
    cursor.insertText(tr("Контроль проведён____________________________________________, подпись"), titleChars);

    document.print(&writer);
    file.close();
    if (file.error() != QFileDevice::NoError || file.size() == 0) {
        file.remove();
        show_save_failure_box();
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}
