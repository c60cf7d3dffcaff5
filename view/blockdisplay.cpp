#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QListWidgetItem>

#include "blocktablemodel.h"

void MainWindow::on_block_names_list_itemDoubleClicked(QListWidgetItem *item)
{
    // A row the list has but the blocks not is passed by.
    measurements.showBlock(ui->block_names_list->row(item));
}

// The shown block goes into the table, the plots and the statistics together.
void MainWindow::show_block()
{
    const QVector<float> &values = measurements.shownBlock().values;
    blockTable->setValues(values);
    highlight_table_by_limits();
    plot_block();
    update_statistics();

    const bool hasValues = !values.isEmpty();
    ui->button_export_to_PDF->setEnabled(hasValues);
    ui->button_export_to_excel->setEnabled(hasValues);
    ui->action_export_csv->setEnabled(hasValues);
}

// A read and an opened reading alike: the list is filled anew, and the block on
// display stays, but a report waits for a block shown from the new list.
void MainWindow::fill_block_list()
{
    ui->button_export_to_PDF->setEnabled(false);
    ui->button_export_to_excel->setEnabled(false);
    ui->block_names_list->clear();
    for (const Block &block : measurements.blocks())
        ui->block_names_list->addItem(block.name);
}
