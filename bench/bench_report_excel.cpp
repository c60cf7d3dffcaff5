// Times the Excel export of a shown block of 1,000 and of 65,535 values: the whole
// export from the window, and its two halves (laying the sheet out, writing the file);
// with both plots also the peak memory and the longest pause of the window's event loop.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

#include "excelreport.h"
#include "exportmeter.h"
#include "mainwindowaccess.h"
#include "urlcatcher.h"
#include "xlsxdocument.h"

namespace {

QVector<float> block(int n)
{
    QVector<float> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i)
        values.append(float((i * 7919) % 20000) / 100.0f);
    return values;
}

template <typename F>
double median_ms(int runs, F &&work)
{
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    UrlCatcher viewer; // no viewer opens the reports
    viewer.catchFileUrls();
    QTemporaryDir dir;
    QTextStream out(stdout);

    MainWindow w;
    WindowForm *ui = MainWindowAccess::ui(w);
    ui->company_name->setText("ООО Ромашка");
    ui->comments_text->setPlainText("Без замечаний.");

    for (const int n : {1000, 65535}) {
        MainWindowAccess::measurements(w).setBlocks({{"7 HRC", block(n)}});
        ui->block_names_list->setCurrentRow(0);
        emit ui->block_names_list->itemDoubleClicked(ui->block_names_list->item(0));
        const int runs = n > 10000 ? 3 : 7;
        const QString path = dir.filePath(QString("bench-%1.xlsx").arg(n));

        ui->report_graph_checkbox->setChecked(false);
        ui->report_diagram_checkbox->setChecked(false);
        const auto export_workbook = [&] { MainWindowAccess::exportReport(w, ReportFormat::Workbook, path, false); };
        const double plain = median_ms(runs, [&] {
            export_workbook();
            MainWindowAccess::finishReport(w);
        });
        const qint64 bytes = QFileInfo(path).size();

        ui->report_graph_checkbox->setChecked(true);
        ui->report_diagram_checkbox->setChecked(true);
        const double withPlots = median_ms(runs, [&] {
            export_workbook();
            MainWindowAccess::finishReport(w);
        });
        const ExportFigures figures = measure_export(w, export_workbook);

        ReportModel report;
        report.data = MainWindowAccess::reports(w).collect_report_data();
        report.statistics = {{"Min", 0}, {"Max", 199.9}, {"Среднее", 100}, {"σ", 57.7}};
        report.mean = 100;
        XlsxDocument doc;
        const double layout = median_ms(runs, [&] {
            XlsxDocument fresh;
            write_excel_report(fresh, report);
            doc = fresh;
        });
        const double save = median_ms(runs, [&] { doc.saveAs(path); });

        out << QString("%1 values: export %2 ms (with both plots %3 ms); layout %4 ms, writing %5 ms; file %6 KiB; "
                       "peak %7 MiB, longest pause %8 ms\n")
                   .arg(n)
                   .arg(plain, 0, 'f', 1)
                   .arg(withPlots, 0, 'f', 1)
                   .arg(layout, 0, 'f', 1)
                   .arg(save, 0, 'f', 1)
                   .arg(bytes / 1024)
                   .arg(figures.peakMiB, 0, 'f', 0)
                   .arg(figures.longestPauseMs, 0, 'f', 0);
        out.flush();
    }
    return 0;
}

