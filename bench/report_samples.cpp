// Writes the PDF and Excel reports of fixed blocks of 1,000 and 65,535 values, with
// a fixed form, date, logo, both plots and limits, in Russian and in English, into
// the folder given as the argument. scripts/compare_reports.py compares two such
// folders, so a change of the writers can be checked against their earlier output.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include "instrumentfixture.h"
#include "mainwindowaccess.h"
#include "urlcatcher.h"

namespace {

QVector<float> sample_values(int n)
{
    QVector<float> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i)
        values.append(float((i * 7919) % 20000) / 100.0f - 20.0f);
    return values;
}

QImage sample_logo()
{
    QImage logo(400, 240, QImage::Format_RGB32);
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x)
            logo.setPixel(x, y, qRgb(x * 255 / 400, y * 255 / 240, (x + y) % 256));
    return logo;
}

void fill_form(WindowForm *ui, bool english)
{
    for (QLineEdit *edit : ui->centralwidget->findChildren<QLineEdit *>())
        edit->clear();
    ui->company_name->setText(english ? QStringLiteral("Acme Ltd") : QStringLiteral("ООО Ромашка"));
    ui->company_city->setText(english ? QStringLiteral("Springfield") : QStringLiteral("Тверь"));
    ui->report_number->setText(QStringLiteral("17"));
    ui->report_date_edit->setDate(QDate(2026, 12, 8));
    ui->device_type->setText(QStringLiteral("T-4"));
    ui->comments_text->setPlainText(english ? QStringLiteral("Sample one\nsample two")
                                            : QStringLiteral("Образец 1\nобразец 2"));
    ui->limits_min->setValue(10.0);
    ui->limits_max->setValue(150.0);
    emit ui->limits_max->editingFinished();
    ui->set_limits_checkbox->setChecked(true);
    ui->report_graph_checkbox->setChecked(true);
    ui->report_diagram_checkbox->setChecked(true);
}

// Waits until the report has been handed to the desktop, written at once or not.
bool wait_for_viewer(UrlCatcher &viewer, int before)
{
    QElapsedTimer timer;
    timer.start();
    while (viewer.urls.size() == before && timer.elapsed() < 600000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return viewer.urls.size() > before;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: report_samples <folder> [sizes...]\n";
        return 2;
    }
    const QDir target(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(target.path());
    QList<int> sizes = {1000, 65535};
    if (argc > 2) {
        sizes.clear();
        for (int i = 2; i < argc; ++i)
            sizes << QByteArray(argv[i]).toInt();
    }
    listPorts({}); // no serial port of this machine is probed
    UrlCatcher viewer;
    viewer.catchFileUrls();

    for (const bool english : {false, true}) {
        MainWindow window;
        window.resize(1280, 900);
        window.show();
        QCoreApplication::processEvents();
        WindowForm *ui = MainWindowAccess::ui(window);
        if (english)
            ui->actionEN->trigger();
        MainWindowAccess::logo(window) = sample_logo();
        fill_form(ui, english);
        const QString language = english ? QStringLiteral("en") : QStringLiteral("ru");
        for (const int n : sizes) {
            MainWindowAccess::measurements(window).setBlocks({{QStringLiteral("1 HRC"), sample_values(n)}});
            ui->block_names_list->setCurrentRow(0);
            emit ui->block_names_list->itemDoubleClicked(ui->block_names_list->item(0));
            QCoreApplication::processEvents();

            const QString stem = target.filePath(QStringLiteral("%1-%2").arg(language).arg(n));
            int before = int(viewer.urls.size());
            MainWindowAccess::exportReport(window, ReportFormat::Pdf, stem + QStringLiteral(".pdf"), english);
            if (!wait_for_viewer(viewer, before))
                return 1;
            before = int(viewer.urls.size());
            MainWindowAccess::exportReport(window, ReportFormat::Workbook, stem + QStringLiteral(".xlsx"), english);
            if (!wait_for_viewer(viewer, before))
                return 1;
            out << stem << ".pdf, .xlsx\n";
            out.flush();
        }
        if (english)
            ui->actionRU->trigger();
    }
    return 0;
}
