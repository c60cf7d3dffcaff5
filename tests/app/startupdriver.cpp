// Linked into test builds of the program (beside the real main()): it watches the
// running program from inside, writes what it sees to standard output, closes the
// message box if one opens and ends the run once the main window has shown itself,
// so that a process-level test never hangs. With --demo it waits for the shown
// block first, giving up after half a minute; then, when ORMEDA_DRIVER_REPORTS names
// a folder, it writes both reports of that block there with both plots in them.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QTableView>
#include <QTimer>
#include <QWindow>

#include <cstdio>

#include "mainwindowaccess.h"
#include "reportmodel.h"
#include "urlcatcher.h"

namespace {

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

QMainWindow *visibleMainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto window = qobject_cast<QMainWindow *>(w); window && window->isVisible())
            return window;
    }
    return nullptr;
}

void describeWindow(QMainWindow *window)
{
    say(QString("window\t%1\t%2x%3\t%4x%5")
            .arg(window->windowTitle())
            .arg(window->width()).arg(window->height())
            .arg(window->minimumSizeHint().width()).arg(window->minimumSizeHint().height()));
    // What the screen gives it: the window in device pixels.
    const qreal ratio = window->devicePixelRatioF();
    say(QString("device\t%1x%2\t%3").arg(qRound(window->width() * ratio)).arg(qRound(window->height() * ratio))
            .arg(ratio));
    for (QObject *child : window->findChildren<QObject *>()) {
        if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
            say(QString("object\t%1\t%2").arg(child->objectName(), child->metaObject()->className()));
    }
    auto logo = window->findChild<QLabel *>("logotype");
    auto number = window->findChild<QLineEdit *>("report_number");
    if (logo && number)
        say(QString("logo\t%1x%2\t%3x%4\t%5").arg(logo->width()).arg(logo->height())
                .arg(logo->maximumWidth()).arg(logo->maximumHeight()).arg(number->width()));
}

// The read blocks, the current one and what the table, the limits and the
// tolerance figures show.
bool describeShownBlock(QMainWindow *window)
{
    auto list = window->findChild<QListWidget *>("block_names_list");
    auto table = window->findChild<QTableView *>("table_block_data");
    auto limits = window->findChild<QCheckBox *>("set_limits_checkbox");
    if (!list || !table || !table->model() || !limits || table->model()->rowCount() == 0 || !limits->isChecked())
        return false;
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    say("blocks\t" + names.join('\t'));
    say(QString("shown\t%1\t%2 values\tlimits on")
            .arg(list->currentItem() ? list->currentItem()->text() : QString()).arg(table->model()->rowCount()));
    QStringList figures;
    for (const char *name : {"out_of_limits_box", "cp_box", "cpk_box"}) {
        if (auto box = window->findChild<QLineEdit *>(name))
            figures << box->text();
    }
    say("tolerance\t" + figures.join('\t'));
    return true;
}

// Both reports of the shown block, and the pixel sizes of the pictures they were given.
void writeReports(QMainWindow *main)
{
    const QString folder = qEnvironmentVariable("ORMEDA_DRIVER_REPORTS");
    auto *window = qobject_cast<MainWindow *>(main);
    if (folder.isEmpty() || !window)
        return;
    auto *viewer = new UrlCatcher; // no viewer opens them; gone with the window
    viewer->setParent(window);
    viewer->catchFileUrls();
    WindowForm *ui = MainWindowAccess::ui(*window);
    ui->report_graph_checkbox->setChecked(true);
    ui->report_diagram_checkbox->setChecked(true);
    for (const QSize &size : {QSize(600, 400), QSize(522, 313)}) {
        ReportModel model = MainWindowAccess::reports(*window).collect_report_model(true, size);
        model.finishPlots();
        QStringList sizes;
        for (const QImage &picture : std::as_const(model.plots))
            sizes << QString("%1x%2").arg(picture.width()).arg(picture.height());
        say("pictures\t" + sizes.join('\t'));
    }
    MainWindowAccess::exportReport(*window, ReportFormat::Pdf, folder + "/report.pdf", true);
    MainWindowAccess::finishReport(*window);
    MainWindowAccess::exportReport(*window, ReportFormat::Workbook, folder + "/report.xlsx", true);
    MainWindowAccess::finishReport(*window);
}

void watch()
{
    const bool demo = QCoreApplication::arguments().contains("--demo");
    auto timer = new QTimer(QCoreApplication::instance());
    auto windowSeenAt = std::make_shared<int>(-1);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, windowSeenAt, ticks, demo] {
        ++*ticks;
        if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            say(QString("box\t%1\t%2\t%3\t%4\t%5\t%6")
                    .arg(box->windowTitle(), box->text())
                    .arg(box->icon() == QMessageBox::Critical ? "critical" : "other")
                    .arg(box->buttons().size())
                    .arg(box->parentWidget() ? "parent" : "no parent")
                    .arg(visibleMainWindow() ? "window shown" : "no window"));
            box->button(QMessageBox::Ok)->click();
            return;
        }
        QMainWindow *window = visibleMainWindow();
        if (!window)
            return;
        // Give the window's own deferred start-up work time to run first.
        if (*windowSeenAt < 0)
            *windowSeenAt = *ticks;
        if (*ticks - *windowSeenAt < 10)
            return;
        if (demo && !describeShownBlock(window) && *ticks - *windowSeenAt < 1500)
            return;
        describeWindow(window);
        if (demo)
            writeReports(window);
        timer->stop();
        QCoreApplication::quit();
    });
    timer->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
