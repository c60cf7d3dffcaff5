#include "mainwindow.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>

#include "atomicwrite.h"
#include "blockcsv.h"
#include "blockspanel.h"
#include "blocksread.h"
#include "readingfile.h"
#include "readingsarchivedialog.h"
#include "reportfilename.h"
#include "reportformpanel.h"
#include "savefailurebox.h"
#include "settingsfile.h"

void MainWindow::on_button_read_data_clicked()
{
    blocks->beginRead();
    measurements.setBlocks(read_blocks(port, *linkStatus));
    // After a loss a click would find no instrument and empty the list: wait for the link.
    blocks->setReadEnabled(linkUp);
    keep_reading();
}

void MainWindow::keep_reading()
{
    setWindowTitle(QStringLiteral("Ormeda")); // no longer the title of an opened reading
    if (measurements.blocks().isEmpty())
        return;
    Reading reading;
    reading.readAt = QDateTime::currentDateTime();
    reading.port = port.connectedPortName();
    reading.blocks = measurements.blocks();
    const QString folder = readingsFolderPath();
    if (!folder.isEmpty() && write_file_atomically(free_reading_path(folder, reading.readAt), reading_to_json(reading)))
        statusBar()->clearMessage(); // an earlier failure is no longer news
    else
        statusBar()->showMessage(tr("Не удалось сохранить показания"), 10000);
}

// While the read button is off with the port open, a read (or the handshake) waits for the
// instrument further down the stack; a read would go on filling newly listed blocks.
bool MainWindow::read_under_way() const
{
    return !blocks->readEnabled() && !port.connectedPortName().isEmpty();
}

void MainWindow::on_action_open_reading_triggered()
{
    if (read_under_way())
        return;
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Открыть показания"), readingsFolderPath(), QStringLiteral("(*.json)"));
    if (!path.isEmpty())
        open_reading(path);
}

bool MainWindow::open_reading(const QString &path)
{
    if (read_under_way())
        return false;
    const ParsedReading parsed = read_reading_file(path);
    if (parsed.error != ReadingError::None) {
        QMessageBox::warning(this, tr("Ошибка"), tr("Не удалось открыть файл показаний."));
        return false;
    }
    measurements.setBlocks(parsed.reading.blocks);
    setWindowTitle(QString::fromUtf8("Ormeda — ") + QFileInfo(path).fileName());
    return true;
}

// One dialog for the window's life: its listing of the folder is kept for the next opening.
void MainWindow::on_action_readings_archive_triggered()
{
    if (!archiveDialog) {
        archiveDialog = new ReadingsArchiveDialog(measurements, readingsFolderPath(), this);
        archiveDialog->setExportPlace([] { return last_folder(QStringLiteral("csv")); },
                                      [](const QString &path) { remember_folder(QStringLiteral("csv"), path); },
                                      show_save_failure_box);
        connect(archiveDialog, &ReadingsArchiveDialog::readingRequested, this, [this](const QString &path, int block) {
            if (open_reading(path) && block >= 0)
                blocks->showBlockOfRow(block);
        });
    }
    archiveDialog->openArchive();
}

void MainWindow::on_action_export_csv_triggered()
{
    // Taken at the click: the file dialog runs the event loop.
    const QVector<float> &values = measurements.shownBlock().values;
    if (!values.isEmpty())
        save_csv(this, tr("Сохранить блок в CSV"), tr("Отчет"), block_csv(values, CsvFormat::forLocale()));
}
