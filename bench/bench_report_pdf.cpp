// PDF export of a shown block of 1,000 and of 65,535 values, with a logo and both
// plots, as the export button does it after the dialogs. Prints wall time, peak
// memory, the longest pause of the window's event loop and the size of the file
// for each; other sizes can be given as arguments.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

#include "exportmeter.h"
#include "instrumentfixture.h"
#include "mainwindowaccess.h"
#include "urlcatcher.h"

namespace {

QVector<float> make_values(int n)
{
    QVector<float> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i)
        values.append(float(42.0 + 30.0 * std::sin(i / 50.0) + 0.01 * (i % 97)));
    return values;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    listPorts({}); // no serial port of this machine is probed
    UrlCatcher viewer; // no viewer opens the reports
    viewer.catchFileUrls();

    MainWindow window;
    window.show();
    WindowForm *ui = MainWindowAccess::ui(window);
    QImage logo(600, 600, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    MainWindowAccess::logo(window) = logo;
    ui->company_name->setText(QStringLiteral("ООО Ромашка"));
    ui->report_graph_checkbox->setChecked(true);
    ui->report_diagram_checkbox->setChecked(true);
    ui->set_limits_checkbox->setChecked(true);

    QList<int> sizes = {1000, 65535};
    if (argc > 1) {
        sizes.clear();
        for (int i = 1; i < argc; ++i)
            sizes << QByteArray(argv[i]).toInt();
    }
    for (const int n : sizes) {
        MainWindowAccess::measurements(window).setBlocks({{QStringLiteral("1 HRC"), make_values(n)}});
        ui->block_names_list->setCurrentRow(0);
        emit ui->block_names_list->itemDoubleClicked(ui->block_names_list->item(0));
        app.processEvents();

        const QString path = home.filePath(QStringLiteral("bench-%1.pdf").arg(n));
        const ExportFigures figures = measure_export(window, [&] { MainWindowAccess::exportReport(window, ReportFormat::Pdf, path, true); });
        std::printf("PDF export, %5d values: %8.2f s, peak %6.0f MiB, longest pause %5.0f ms, %8.1f KiB\n", n,
                    figures.seconds, figures.peakMiB, figures.longestPauseMs, QFileInfo(path).size() / 1024.0);
        std::fflush(stdout);
    }
    return 0;
}

