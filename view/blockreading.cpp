#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "blockname.h"
#include "linkstatus.h"

void MainWindow::on_button_read_data_clicked()
{
    ui->button_read_data->setEnabled(false);
    ui->button_export_to_PDF->setEnabled(false);
    ui->button_export_to_excel->setEnabled(false);

    // Every call below waits in a nested event loop. The blocks are gathered
    // apart and listed at the end, so that meanwhile each row of the list still
    // shows the block it names.
    linkStatus->readStarted();
    const int amount = port.getBlocksAmount();
    QVector<Block> read;
    for (int index = 0; index < amount; ++index) {
        linkStatus->readingBlock(index, amount);
        const QByteArray raw = port.getBlockName(index);
        if (linkStatus->stopRequested())
            break;
        Block block{block_name_from_bytes(raw), port.getBlockData(index)};
        // Stopped: nothing of the interrupted block is kept.
        if (linkStatus->stopRequested())
            break;
        read.append(block);
    }
    linkStatus->readEnded();

    measurements.setBlocks(read);

    // After a loss a click would find no instrument and empty the list: wait for the link.
    ui->button_read_data->setEnabled(linkUp);
    keep_reading();
}
