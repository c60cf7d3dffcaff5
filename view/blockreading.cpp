#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QTextCodec>

#include "blockname.h"

void MainWindow::on_button_read_data_clicked()
{
    ui->button_read_data->setEnabled(false);
    ui->button_export_to_PDF->setEnabled(false);
    ui->button_export_to_excel->setEnabled(false);

    // Every call below waits in a nested event loop; the list keeps its old rows
    // until the end, and the row handlers skip rows that blocks no longer has.
    const int amount = port.getBlocksAmount();
    blocks.clear();
    QTextCodec *codec = QTextCodec::codecForName("UTF-16");
    for (int index = 0; index < amount; ++index) {
        const QByteArray raw = port.getBlockName(index);
        const QString name = clean_block_name(codec->toUnicode(raw));
        const QVector<float> values = port.getBlockData(index);
        blocks.append(qMakePair(name, values));
    }

    ui->block_names_list->clear();
    for (const auto &block : qAsConst(blocks))
        ui->block_names_list->addItem(block.first);

    ui->button_read_data->setEnabled(true);
    keep_reading();
}
