#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QListWidgetItem>

#include "blockplots.h"
#include "blocktablemodel.h"
#include "tablehint.h"

void MainWindow::on_block_names_list_itemDoubleClicked(QListWidgetItem *item)
{
    // A row the list has but the blocks not is passed by.
    measurements.showBlock(ui->block_names_list->row(item));
}

// The shown block goes into the table, the plots and the statistics together, judged
// against the limits of its unit, which the limit boxes show from now on.
void MainWindow::show_block()
{
    show_limit_values();
    const QVector<float> &values = measurements.shownBlock().values;
    blockTable->setValues(values);
    tableHint->setShown(false);
    highlight_table_by_limits();
    plot_block();
    update_statistics();

    const bool hasValues = !values.isEmpty();
    ui->button_export_to_PDF->setEnabled(hasValues);
    ui->button_export_to_excel->setEnabled(hasValues);
    ui->action_export_csv->setEnabled(hasValues);
}

// A read and an opened reading alike: the list is filled anew, and nothing of the old
// one stays on screen until a block of the new one is shown.
void MainWindow::fill_block_list()
{
    ui->button_export_to_PDF->setEnabled(false);
    ui->button_export_to_excel->setEnabled(false);
    ui->action_export_csv->setEnabled(false);
    ui->block_names_list->clear();
    for (const Block &block : measurements.blocks())
        ui->block_names_list->addItem(block.name);

    blockTable->setValues({});
    tableHint->setShown(true);
    plots->draw({}, measurements.statistics(), measurements.limits());
    update_statistics();
    update_tolerance_figures();
}
