// The readings archive over a folder of 2,000 readings of 10 blocks of 100 values: from the
// menu entry until the dialog is painted, at its first opening in a run and at later ones.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "atomicwrite.h"
#include "mainwindowaccess.h"
#include "median.h"
#include "portlisting.h"
#include "readingfile.h"
#include "readingsarchivedialog.h"
#include "settingsfile.h"

namespace {

bool make_folder(const QString &folder, int readings, int blocks, int values)
{
    const QDateTime start(QDate(2026, 1, 5), QTime(7, 30));
    for (int r = 0; r < readings; ++r) {
        Reading reading;
        reading.readAt = start.addSecs(qint64(r) * 3 * 3600);
        reading.port = QStringLiteral("ttyUSB0");
        for (int b = 0; b < blocks; ++b) {
            QVector<float> v(values);
            for (int i = 0; i < values; ++i)
                v[i] = float(45.0 + 0.2 * std::sin(i * 0.37 + r + b) + 0.01 * (i % 13));
            reading.blocks.append(Block(QStringLiteral("%1 ЭТАЛОН %2").arg(b + 1).arg(45 + b), v));
        }
        if (!write_file_atomically(free_reading_path(folder, reading.readAt), reading_to_json(reading)))
            return false;
    }
    return true;
}

// The process's processor time: on a machine shared with other work the time on the wall
// tells more of the others than of this program.
double cpu_ms()
{
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

struct Opening
{
    double wall = 0;
    double cpu = 0;
};

Opening open_archive(MainWindow &w, WindowForm *ui)
{
    const double cpuStart = cpu_ms();
    QElapsedTimer clock;
    clock.start();
    ui->action_readings_archive->trigger();
    auto *dialog = w.findChild<ReadingsArchiveDialog *>(QStringLiteral("readings_archive_dialog"));
    dialog->repaint();
    QApplication::processEvents();
    return {clock.nsecsElapsed() / 1e6, cpu_ms() - cpuStart};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    listPorts({});
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    const int readingCount = 2000;
    if (!make_folder(readings_folder_path(), readingCount, 10, 100)) {
        std::printf("the readings could not be written\n");
        return 1;
    }

    MainWindow w;
    WindowForm *ui = MainWindowAccess::ui(w);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;

    const Opening first = open_archive(w, ui);
    auto *dialog = w.findChild<ReadingsArchiveDialog *>(QStringLiteral("readings_archive_dialog"));
    if (!dialog || dialog->archiveTable()->model()->rowCount() != readingCount) {
        std::printf("the archive was not listed\n");
        return 1;
    }
    QVector<double> again, againCpu;
    for (int run = 0; run < runs; ++run) {
        dialog->hide();
        QApplication::processEvents();
        const Opening opening = open_archive(w, ui);
        again << opening.wall;
        againCpu << opening.cpu;
    }
    std::printf("readings archive, %d readings of 10 blocks of 100 values\n", readingCount);
    std::printf("  first opening:  %8.1f ms (processor %.1f ms)\n", first.wall, first.cpu);
    std::printf("  opened again:   %8.1f ms (processor %.1f ms, medians of %d)\n", median(again),
                median(againCpu), runs);
    return 0;
}
