#include <QtTest>

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include <sys/stat.h>

#include "mainwindowaccess.h"
#include "filelock.h"
#include "modaldriver.h"
#include "pathlock.h"
#include "reportfilename.h"
#include "settingssandbox.h"

namespace {

const QString saveFailureText = QStringLiteral(
    "Не удалось сохранить файл.\nПожалуйста, проверьте права на запись и не открыта ли прошлая версия файла.");

// A file that exists and cannot be opened for reading and writing.
bool lock_file(const QString &path)
{
    return lock_path(path, QFileDevice::ReadOwner);
}

void unlock_file(const QString &path)
{
    unlock_path(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QByteArray file_state(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return file.readAll() + '|' + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.'
           + QByteArray::number(qint64(st.st_mtim.tv_nsec));
}

} // namespace

class TestReportForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.startWithoutPorts());
        QVERIFY(dir.isValid());
    }

    // Each case starts from no settings file: a window saves its form on the way out.
    void cleanup() { SettingsSandbox::clear(); }

    void proposedPath_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Excel, A-5") << "Отчет" << "A-5" << QTime(9, 3, 7) << "xlsx" << "Отчет A-5 09_03_07.xlsx";
        QTest::newRow("PDF in English") << "Report" << "17" << QTime(14, 5, 9) << "pdf" << "Report 17 14_05_09.pdf";
        QTest::newRow("one space") << "Отчет" << " " << QTime(23, 59, 59) << "pdf" << "Отчет 23_59_59.pdf";
        QTest::newRow("empty keeps two spaces") << "Отчет" << "" << QTime(0, 0, 0) << "pdf" << "Отчет  00_00_00.pdf";
        QTest::newRow("slash") << "Отчет" << "R-2026/117" << QTime(4, 10, 32) << "pdf" << "Отчет R-2026-117 04_10_32.pdf";
        QTest::newRow("Windows' reserved") << "Отчет" << "a\\b:c*d?\"e<f>g|h\ti" << QTime(4, 10, 32) << "pdf"
                                            << "Отчет a-b-c-d--e-f-g-h-i 04_10_32.pdf";
        QTest::newRow("blank of two spaces") << "Отчет" << "  " << QTime(1, 2, 3) << "pdf" << "Отчет    01_02_03.pdf";
    }

    void proposedPath()
    {
        QFETCH(QString, word);
        QFETCH(QString, number);
        QFETCH(QTime, time);
        QFETCH(QString, extension);
        QFETCH(QString, expected);
        QCOMPARE(proposed_report_path(QStringLiteral("/root/of/"), word, number, time, extension),
                 QStringLiteral("/root/of/") + expected);
    }

    // Each kind of file keeps its own folder, in the settings file; a folder since
    // removed gives way to the root again.
    void lastFolder()
    {
        QTemporaryDir folders;
        QVERIFY(QDir(folders.path()).mkpath(QStringLiteral("pdfs")));
        QVERIFY(QDir(folders.path()).mkpath(QStringLiteral("gone")));
        QCOMPARE(last_folder(QStringLiteral("pdf")), report_root_folder());
        remember_folder(QStringLiteral("pdf"), folders.filePath(QStringLiteral("pdfs/a.pdf")));
        remember_folder(QStringLiteral("xlsx"), folders.filePath(QStringLiteral("gone/b.xlsx")));
        QVERIFY(QDir(folders.filePath(QStringLiteral("gone"))).removeRecursively());
        QCOMPARE(last_folder(QStringLiteral("pdf")),
                 QDir::toNativeSeparators(folders.filePath(QStringLiteral("pdfs")) + QLatin1Char('/')));
        QCOMPARE(last_folder(QStringLiteral("xlsx")), report_root_folder());
        QCOMPARE(last_folder(QStringLiteral("csv")), report_root_folder());
    }

    void rootFolder()
    {
#ifdef Q_OS_WIN
        QCOMPARE(report_root_folder(), QStringLiteral("C:\\"));
#else
        QCOMPARE(report_root_folder(), QDir::homePath() + QLatin1Char('/'));
#endif
    }

    void inclusionRule_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("includeEmpty");
        QTest::addColumn<bool>("included");
        QTest::newRow("empty, no") << "" << false << false;
        QTest::newRow("empty, yes") << "" << true << true;
        QTest::newRow("spaces count as filled") << "  " << false << true;
        QTest::newRow("filled, no") << "x" << false << true;
    }

    void inclusionRule()
    {
        QFETCH(QString, value);
        QFETCH(bool, includeEmpty);
        QFETCH(bool, included);
        QCOMPARE(is_entry_included({QStringLiteral("label"), value, QStringLiteral("section")}, includeEmpty),
                 included);
    }

    // Fault: the record followed the selected row while the statistics and plots
    // showed the double-clicked block, so one click mixed two blocks in a report.
    void valuesFollowTheShownBlock()
    {
        MainWindow w;
        MainWindowAccess::measurements(w).setBlocks({{"1 HRC", {1.5f}}, {"2 HB", {7.0f, 8.0f, 9.0f}}});
        QListWidget *list = MainWindowAccess::ui(w)->block_names_list;
        list->setCurrentRow(1);
        w.on_block_names_list_itemDoubleClicked(list->item(1));
        list->setCurrentRow(0); // a single click after the double click
        ReportData data = w.collect_report_data();
        QCOMPARE(data.values, QVector<float>({7.0f, 8.0f, 9.0f}));
        QCOMPARE(data.valueTitle, QStringLiteral("HB"));

        // A read replaces the blocks and empties the display: nothing of the old list is reported.
        MainWindowAccess::measurements(w).setBlocks({});
        data = w.collect_report_data();
        QVERIFY(data.values.isEmpty());
        QCOMPARE(data.entries.size(), 15);
    }

    void fileLocked_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("locked");
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("ordinary file") << "file" << false;
        QTest::newRow("empty file") << "empty" << false;
        QTest::newRow("directory") << "directory" << true;
        QTest::newRow("cannot be opened read-write") << "locked" << true;
    }

    void fileLocked()
    {
        QFETCH(QString, kind);
        QFETCH(bool, locked);
        const QString path = dir.filePath(QStringLiteral("lock-") + kind);
        if (kind == "file" || kind == "empty" || kind == "locked") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind != "empty")
                file.write("%PDF-1.4 previous report\n");
        } else if (kind == "directory") {
            QVERIFY(QDir().mkpath(path));
        }
        if (kind == "locked" && !lock_file(path))
            QSKIP("cannot make a file that refuses read-write access here");
        const QByteArray before = file_state(path);

        QCOMPARE(is_file_locked(path), locked);
        QCOMPARE(file_state(path), before); // neither content nor time changed
        if (kind == "missing")
            QVERIFY(!QFileInfo::exists(path));
        if (kind == "locked")
            unlock_file(path);
    }

    void askCancelled()
    {
        MainWindow w;
        MainWindowAccess::ui(w)->report_number->setText(QStringLiteral("A-5"));
        ModalDriver driver;
        driver.then(ModalDriver::cancel());
        const ExportTarget target = w.ask_export_target(&w, QStringLiteral("Экспорт в Excel"), QStringLiteral("xlsx"));
        QVERIFY(target.fileName.isEmpty());
        QVERIFY(!target.includeEmpty);
        QCOMPARE(driver.seen.size(), 1); // no question after a cancel
        const SeenModal dialog = driver.seen.at(0);
        QVERIFY(dialog.isFileDialog);
        QCOMPARE(dialog.title, QStringLiteral("Экспорт в Excel"));
        QCOMPARE(dialog.nameFilters, QStringList(QStringLiteral("(*.xlsx)")));
        QCOMPARE(dialog.selectedFiles.size(), 1);
        const QString proposal = dialog.selectedFiles.at(0);
        QVERIFY2(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(report_root_folder())
                                    + QStringLiteral("Отчет A-5 \\d\\d_\\d\\d_\\d\\d\\.xlsx$"))
                     .match(proposal)
                     .hasMatch(),
                 qPrintable(proposal));
    }

    void askQuestion_data()
    {
        QTest::addColumn<int>("answer"); // a standard button, or 0 to close the box
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("includeEmpty");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true << true;
        QTest::newRow("no") << int(QMessageBox::No) << true << false;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("closed cancels") << 0 << false << false;
    }

    void askQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, taken);
        QFETCH(bool, includeEmpty);
        MainWindow w;
        const QString path = dir.filePath(QStringLiteral("new-report.pdf"));
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path));
        driver.then(answer ? ModalDriver::press(QMessageBox::StandardButton(answer)) : ModalDriver::closeWindow());
        const ExportTarget target = w.ask_export_target(&w, QStringLiteral("Экспорт в PDF"), QStringLiteral("pdf"));
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(target.fileName, taken ? path : QString()); // no name, nothing for the callers to write
        QCOMPARE(target.includeEmpty, includeEmpty);
        QVERIFY(!QFileInfo::exists(path)); // asking writes nothing

        QCOMPARE(driver.seen.size(), 2);
        const SeenModal question = driver.seen.at(1);
        QVERIFY(question.isMessageBox);
        QVERIFY(question.title.isEmpty());
        QVERIFY(!question.hasParent);
        QCOMPARE(question.text, QStringLiteral("Включать незаполненные поля в отчет?"));
        QCOMPARE(question.icon, QMessageBox::Question);
        QCOMPARE(question.buttons, QStringList({QStringLiteral("Да"), QStringLiteral("Нет"), QStringLiteral("Отмена")}));
    }

    void askLockedTarget()
    {
        MainWindow w;
        const QString path = dir.filePath(QStringLiteral("held-open.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4 held by a viewer\n");
        file.close();
        if (!lock_file(path))
            QSKIP("cannot make a file that refuses read-write access here");
        const QByteArray before = file_state(path);

        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path))
            .then(ModalDriver::press(QMessageBox::Yes)) // the dialog's own "replace?" question
            .then(ModalDriver::press(QMessageBox::Ok));
        const ExportTarget target = w.ask_export_target(&w, QStringLiteral("Экспорт в PDF"), QStringLiteral("pdf"));
        unlock_file(path);

        QVERIFY(target.fileName.isEmpty());
        QVERIFY(!target.includeEmpty);
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.size(), 3); // no empty-field question
        const SeenModal box = driver.seen.at(2);
        QVERIFY(box.isMessageBox);
        QVERIFY(!box.hasParent);
        QCOMPARE(box.title, QStringLiteral("Ошибка"));
        QCOMPARE(box.text, saveFailureText);
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QStringList(QStringLiteral("OK")));
        QCOMPARE(file_state(path), before);
    }

private:
    SettingsSandbox sandbox;
    QTemporaryDir dir;
};

QTEST_MAIN(TestReportForm)
#include "tst_reportform.moc"
