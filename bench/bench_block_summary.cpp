// The block summary of 1,000 blocks of 1,000 values with the limits shown: from the
// menu entry until the dialog is painted, at its first opening and at openings after a
// new list; a sort by a heading; and the two summary reports written from it.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "blocksummarydialog.h"
#include "mainwindowaccess.h"
#include "median.h"
#include "portlisting.h"
#include "summaryreport.h"

namespace {

QVector<Block> make_blocks(int blocks, int values)
{
    QVector<Block> list;
    list.reserve(blocks);
    for (int b = 0; b < blocks; ++b) {
        QVector<float> v;
        v.reserve(values);
        // Around the middle of 0 … 10, some of them out, a different spread per block.
        for (int i = 0; i < values; ++i)
            v.append(float(5.0 + (1.0 + b % 7) * std::sin(i * 0.37 + b) + 0.01 * (i % 13)));
        list.append(Block(QStringLiteral("%1 HRC").arg(b + 1), v));
    }
    return list;
}

// From the menu entry until the dialog is on screen and painted.
double open_ms(MainWindow &w, WindowForm *ui)
{
    QElapsedTimer clock;
    clock.start();
    ui->action_block_summary->trigger();
    auto *dialog = w.findChild<BlockSummaryDialog *>(QStringLiteral("block_summary_dialog"));
    dialog->repaint();
    QApplication::processEvents();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    listPorts({});
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    const int blockCount = 1000, valueCount = 1000;

    MainWindow w;
    WindowForm *ui = MainWindowAccess::ui(w);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;
    MeasurementModel &model = MainWindowAccess::measurements(w);
    const QVector<Block> blocks = make_blocks(blockCount, valueCount);
    model.setBlocks(blocks);
    model.setLimitValues(0.0, 10.0);
    ui->set_limits_checkbox->setChecked(true);
    QApplication::processEvents();

    const double first = open_ms(w, ui);
    auto *dialog = w.findChild<BlockSummaryDialog *>(QStringLiteral("block_summary_dialog"));
    if (!dialog || dialog->table()->model()->rowCount() != blockCount || dialog->table()->model()->columnCount() != 10) {
        std::printf("the summary was not shown\n");
        return 1;
    }

    QVector<double> again;
    for (int run = 0; run < runs; ++run) {
        dialog->hide();
        model.setBlocks(blocks); // a new list: the figures are worked out anew
        QApplication::processEvents();
        again << open_ms(w, ui);
    }

    QVector<double> sorts;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        dialog->table()->sortByColumn(8, run % 2 ? Qt::AscendingOrder : Qt::DescendingOrder); // Cpk
        dialog->repaint();
        sorts << clock.nsecsElapsed() / 1e6;
    }

    std::printf("block summary of %d blocks of %d values, limits shown\n", blockCount, valueCount);
    std::printf("first opening:            %.1f ms\n", first);
    std::printf("opening after a new list: median %.1f ms, min %.1f, max %.1f (%d runs)\n", median(again),
                *std::min_element(again.begin(), again.end()), *std::max_element(again.begin(), again.end()), runs);
    std::printf("sort by Cpk:              median %.1f ms\n", median(sorts));

    QTemporaryDir dir;
    const SummaryReportModel report = MainWindowAccess::reports(w).collect_summary_model(false);
    QElapsedTimer clock;
    clock.start();
    const bool pdf = write_summary_pdf(report, dir.filePath(QStringLiteral("summary.pdf")));
    const double pdfMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    const bool xlsx = save_summary_workbook(report, dir.filePath(QStringLiteral("summary.xlsx")));
    const double xlsxMs = clock.nsecsElapsed() / 1e6;
    std::printf("summary PDF written in %.0f ms%s, workbook in %.0f ms%s (away from the window)\n", pdfMs,
                pdf ? "" : " (FAILED)", xlsxMs, xlsx ? "" : " (FAILED)");
    return pdf && xlsx ? 0 : 1;
}
