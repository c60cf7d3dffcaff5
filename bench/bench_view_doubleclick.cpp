// Double click on a block of 65535 values, until the table, the statistics and
// both plots are painted. Prints the median of several runs, limits off and on.
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "instrumentfixture.h"
#include "mainwindowaccess.h"
#include "windowplace.h"
#include "median.h"

namespace {

QVector<float> make_values(int n, float offset)
{
    QVector<float> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i)
        values.append(offset + float(2.5 + 3.0 * std::sin(i / 50.0) + 0.01 * (i % 97)));
    return values;
}

void double_click(QListWidget *list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// CPU time of this thread: less disturbed than the wall clock when other jobs share the cores.
double cpu_ms()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    listPorts({}); // no serial port is probed while we measure
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;

    MainWindow w;
    WindowForm *ui = MainWindowAccess::ui(w);
    // Off screen, where the screen is 800 x 600: the window as it opens on the most common
    // desktop screen, 1920 x 1080 less a taskbar, at the scale factor in force.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        place_first_start(&w, QRect(0, 0, int(1920 / scale), int(1040 / scale)));
    }
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;

    const int n = 65535;
    MainWindowAccess::measurements(w).setBlocks({Block(QStringLiteral("A"), make_values(n, 0.0f)),
                                   Block(QStringLiteral("B"), make_values(n, 0.5f))});
    ui->limits_min->setValue(0.0);
    ui->limits_max->setValue(5.0);
    emit ui->limits_max->editingFinished();

    std::printf("double click on a block of %d values, %d runs each (window %dx%d)\n", n, runs, w.width(),
                w.height());
    for (const bool ticked : {false, true}) {
        ui->set_limits_checkbox->setChecked(ticked);
        QApplication::processEvents();
        QVector<double> total, paint, cpu;
        for (int run = 0; run < runs + 1; ++run) {
            const double cpuStart = cpu_ms();
            QElapsedTimer clock;
            clock.start();
            double_click(ui->block_names_list, run % 2);
            const qint64 handled = clock.nsecsElapsed();
            w.repaint();
            QApplication::processEvents();
            const qint64 painted = clock.nsecsElapsed();
            const double cpuUsed = cpu_ms() - cpuStart;
            if (run == 0)
                continue; // warm-up
            total << painted / 1e6;
            paint << (painted - handled) / 1e6;
            cpu << cpuUsed;
        }
        if (ui->table_block_data->model()->rowCount() != n || ui->graph->graph(0)->dataCount() != n) {
            std::printf("the block was not shown\n");
            return 1;
        }
        std::printf("limits %-3s: median %.1f ms (of which painting %.1f ms), min %.1f, max %.1f; "
                    "CPU time median %.1f ms\n",
                    ticked ? "on" : "off", median(total), median(paint),
                    *std::min_element(total.begin(), total.end()), *std::max_element(total.begin(), total.end()),
                    median(cpu));
    }
    return 0;
}
