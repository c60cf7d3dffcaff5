#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QTextCodec>

#include "blockname.h"
#include "linkstatus.h"

void MainWindow::on_button_read_data_clicked()
{
    ui->button_read_data->setEnabled(false);
    ui->button_export_to_PDF->setEnabled(false);
    ui->button_export_to_excel->setEnabled(false);

    // Every call below waits in a nested event loop; the list keeps its old rows
    // until the end, and the row handlers skip rows that blocks no longer has.
    linkStatus->readStarted();
    const int amount = port.getBlocksAmount();
    blocks.clear();
    QTextCodec *codec = QTextCodec::codecForName("UTF-16");
    for (int index = 0; index < amount; ++index) {
        linkStatus->readingBlock(index, amount);
        const QByteArray raw = port.getBlockName(index);
        if (linkStatus->stopRequested())
            break;
        const QString name = clean_block_name(codec->toUnicode(raw));
        const QVector<float> values = port.getBlockData(index);
        // Stopped: nothing of the interrupted block is kept.
        if (linkStatus->stopRequested())
            break;
        blocks.append(qMakePair(name, values));
    }
    linkStatus->readEnded();

    fill_block_list();

    // After a loss a click would find no instrument and empty the list: wait for the link.
    ui->button_read_data->setEnabled(linkUp);
    keep_reading();
}
