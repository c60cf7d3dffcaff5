#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QBrush>
#include <QFont>
#include <QTableWidgetItem>

#include <cmath>

#include "blockminmax.h"
#include "valuetext.h"

void MainWindow::fill_block_table(const QVector<float> &values)
{
    QTableWidget *table = ui->table_block_data;
    table->clear();
    table->setColumnCount(1);
    table->setRowCount(values.size());
    table->setHorizontalHeaderLabels(QStringList(QString()));
    {
        // One repaint for the whole column instead of one change signal per cell.
        const QSignalBlocker quiet(table->model());
        for (int i = 0; i < table->rowCount(); ++i) {
            auto *cell = new QTableWidgetItem(value_display_text(values.at(i)));
            cell->setTextAlignment(Qt::AlignCenter);
            table->setItem(i, 0, cell);
        }
    }
    table->viewport()->update();
}

void MainWindow::highlight_table_by_limits()
{
    const double lo = ui->limits_min->value();
    const double hi = ui->limits_max->value();
    const bool ticked = ui->set_limits_checkbox->isChecked();
    QTableWidget *table = ui->table_block_data;

    const QSignalBlocker quiet(table->model()); // repainted once at the end
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem *cell = table->item(row, 0);
        if (!cell)
            continue;
        if (!ticked) {
            cell->setForeground(QBrush());
            continue;
        }
        // The shown (cut) text decides, not the stored float.
        bool ok = false;
        const double x = cell->text().toDouble(&ok);
        if (ok && (x < lo || x > hi))
            cell->setForeground(QBrush(Qt::red, Qt::SolidPattern));
        else
            cell->setForeground(QBrush());
        // Pins the font of this moment to the cell: later font size changes pass it by.
        cell->setFont(cell->font());
    }
    table->viewport()->update();
}

void MainWindow::update_statistics()
{
    const int row = ui->block_names_list->currentRow();
    if (row < 0 || row >= blocks.size())
        return;
    const QVector<float> values = blocks.at(row).second;
    const int n = values.size();

    // Nothing to take a minimum or maximum of: zeros rather than reading past the end.
    if (n == 0) {
        ui->min_box->setValue(0.0);
        ui->max_box->setValue(0.0);
        ui->mean_box->setValue(0.0);
        ui->stdev_box->setValue(0.0);
        return;
    }

    const BlockMinMax bounds = block_min_max(values);
    double sum = 0.0;
    for (const float v : values)
        sum += double(v);
    const double mean = sum / n;

    // One value has no spread; 0/0 would show as the box's maximum.
    double stdev = 0.0;
    if (n > 1) {
        double squares = 0.0;
        for (const float v : values) {
            const double d = double(v) - mean;
            squares += d * d;
        }
        stdev = std::sqrt(squares / (n - 1));
    }

    ui->min_box->setValue(double(bounds.minimum));
    ui->max_box->setValue(double(bounds.maximum));
    ui->mean_box->setValue(mean);
    ui->stdev_box->setValue(stdev);
}
