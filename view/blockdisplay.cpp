#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QListWidgetItem>

// Showing a block takes the table, the plots and the statistics together.
void MainWindow::on_block_names_list_itemDoubleClicked(QListWidgetItem *item)
{
    const int row = ui->block_names_list->row(item);
    if (row < 0 || row >= blocks.size())
        return; // a read is refilling blocks
    shownBlock = blocks.at(row);
    const QVector<float> values = shownBlock.second;

    fill_block_table(values);
    highlight_table_by_limits();
    plot_block(item);
    update_statistics();

    const bool hasValues = !values.isEmpty();
    ui->button_export_to_PDF->setEnabled(hasValues);
    ui->button_export_to_excel->setEnabled(hasValues);
    ui->action_export_csv->setEnabled(hasValues);
}

// The list of blocks, for a read and an opened reading alike.
void MainWindow::fill_block_list()
{
    ui->block_names_list->clear();
    for (const auto &block : qAsConst(blocks))
        ui->block_names_list->addItem(block.first);
}
