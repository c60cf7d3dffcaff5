// The summary's exports from the dialog's buttons, as the operator writes them: the file
// dialog's proposal, the empty-field question, the locked-file check, the writing away from
// the window with the busy bar, the viewer or the failure box; CSV in the system's format.
#include <QtTest>

#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "../report/modaldriver.h"
#include "blocksummarydialog.h"
#include "mainwindowaccess.h"
#include "pathlock.h"
#include "pdftools.h"
#include "reportfilename.h"
#include "settingssandbox.h"
#include "urlcatcher.h"
#include "xlsxreader.h"

namespace {

const char *const csvTargetVariable = "ORMEDA_SUMMARY_CSV_TARGET";

const QString saveFailureText = QStringLiteral(
    "Не удалось сохранить файл.\nПожалуйста, проверьте права на запись и не открыта ли прошлая версия файла.");

QVector<Block> sample_blocks()
{
    return {Block("1 Шов", {3.2f, 5.5f, 11.4f, 9.9f}), Block("2 HRC", {})};
}

QStringList joined_rows(const QString &pdf)
{
    QStringList lines;
    for (const QStringList &row : pdf_rows(pdf))
        lines << row.join(' ');
    return lines;
}

} // namespace

class TestSummaryExport : public QObject
{
    Q_OBJECT

    // The window with the sample blocks, limits 0 to 10 shown, report number 17, the
    // company filled and the city left empty; the summary open.
    void prepare()
    {
        window.reset(new MainWindow);
        ui = MainWindowAccess::ui(*window);
        ui->report_number->setText(QStringLiteral("17"));
        ui->company_name->setText(QStringLiteral("ООО Ромашка"));
        ui->limits_min->setValue(0);
        ui->limits_max->setValue(10);
        emit ui->limits_max->editingFinished();
        ui->set_limits_checkbox->setChecked(true);
        MainWindowAccess::measurements(*window).setBlocks(sample_blocks());
        ui->action_block_summary->trigger();
        dialog = window->findChild<BlockSummaryDialog *>(QStringLiteral("block_summary_dialog"));
    }

    QPushButton *button(const char *name) const { return dialog->findChild<QPushButton *>(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.startWithoutPorts());
        QVERIFY(dir.isValid());
        viewer.catchFileUrls();
    }

    void init()
    {
        viewer.urls.clear();
        if (qEnvironmentVariableIsEmpty(csvTargetVariable)) {
            prepare();
            QVERIFY(dialog);
        }
    }

    void cleanup()
    {
        window.reset();
        SettingsSandbox::clear();
    }

    void reports_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("includeEmpty");
        QTest::newRow("PDF, empty fields too") << "summary_export_pdf" << "pdf" << "Экспорт в PDF" << true;
        QTest::newRow("PDF, filled fields") << "summary_export_pdf" << "pdf" << "Экспорт в PDF" << false;
        QTest::newRow("workbook, empty fields too") << "summary_export_excel" << "xlsx" << "Экспорт в Excel" << true;
        QTest::newRow("workbook, filled fields") << "summary_export_excel" << "xlsx" << "Экспорт в Excel" << false;
    }

    void reports()
    {
        QFETCH(QString, button);
        QFETCH(QString, extension);
        QFETCH(QString, caption);
        QFETCH(bool, includeEmpty);
        const QString path = dir.filePath(QStringLiteral("summary-%1.%2").arg(exports++).arg(extension));

        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path))
            .then(ModalDriver::press(includeEmpty ? QMessageBox::Yes : QMessageBox::No));
        this->button(qPrintable(button))->click();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.size(), 2);
        const SeenModal files = driver.seen.at(0);
        QVERIFY(files.isFileDialog);
        QCOMPARE(files.title, caption);
        QCOMPARE(files.nameFilters, QStringList(QStringLiteral("(*.%1)").arg(extension)));
        QVERIFY2(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(report_root_folder())
                                    + QStringLiteral("Сводка 17 \\d\\d_\\d\\d_\\d\\d\\.") + extension + "$")
                     .match(files.selectedFiles.value(0))
                     .hasMatch(),
                 qPrintable(files.selectedFiles.value(0)));
        QCOMPARE(driver.seen.at(1).text, QStringLiteral("Включать незаполненные поля в отчет?"));

        // Written beside the window, under the busy bar, with the dialog's buttons held.
        auto *busy = window->findChild<QProgressBar *>(QStringLiteral("export_progress"));
        QVERIFY(busy && !busy->isHidden());
        QVERIFY(!this->button("summary_export_csv")->isEnabled());
        MainWindowAccess::finishReport(*window);
        QVERIFY(busy->isHidden());
        QVERIFY(this->button("summary_export_csv")->isEnabled());
        QCOMPARE(viewer.urls, QList<QUrl>{QUrl::fromLocalFile(path)});

        if (extension == "pdf") {
            const QStringList lines = joined_rows(path);
            QVERIFY2(lines.contains("Сводный отчет"), qPrintable(lines.join('\n')));
            // Each block with its own unit's limits in the table, under no one tolerance line.
            QVERIFY2(lines.contains("1 1 Шов 4 3.20 11.4 7.5 3.8 [0; 10] 1 (25.0 %) 0.22 вне допуска"),
                     qPrintable(lines.join('\n')));
            QVERIFY(!lines.contains("Допуск: [0; 10]"));
            QVERIFY(lines.contains("Компания ООО Ромашка"));
            QCOMPARE(lines.contains("Город"), includeEmpty);
        } else {
            const XlsxReadBack back = read_xlsx(path);
            QVERIFY2(back.ok, qPrintable(back.error));
            QStringList texts, limits;
            for (const QJsonValue &cell : back.json.value("cells").toObject()) {
                texts << cell.toObject().value("value").toVariant().toString();
                if (cell.toObject().value("numberFormat").toString().startsWith("\" \"0\"]\""))
                    limits << texts.last();
            }
            QVERIFY(texts.contains("Сводный отчет"));
            QVERIFY(limits.contains("10")); // the upper limit a number that reads " 10]"
            QVERIFY(!texts.contains("Допуск: [0; 10]"));
            QVERIFY(texts.contains("ООО Ромашка"));
            QCOMPARE(texts.contains("Город"), includeEmpty);
        }
    }

    void cancelledWritesNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("PDF") << "summary_export_pdf";
        QTest::newRow("workbook") << "summary_export_excel";
        QTest::newRow("CSV") << "summary_export_csv";
    }

    void cancelledWritesNothing()
    {
        QFETCH(QString, button);
        ModalDriver driver;
        driver.then(ModalDriver::cancel());
        this->button(qPrintable(button))->click();
        QCOMPARE(driver.seen.size(), 1); // no question after a cancel
        QCOMPARE(driver.unexpected, 0);
        QVERIFY(!MainWindowAccess::reportExport(*window)->isRunning());
        QVERIFY(viewer.urls.isEmpty());
    }

    // A file a viewer holds open is refused before the question, and left as it was.
    void lockedTarget()
    {
        const QString path = dir.filePath(QStringLiteral("held-open.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4 held by a viewer\n");
        file.close();
        if (!lock_path(path, QFileDevice::ReadOwner))
            QSKIP("cannot make a file that refuses read-write access here");

        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path))
            .then(ModalDriver::press(QMessageBox::Yes)) // the file dialog's own "replace?" question
            .then(ModalDriver::press(QMessageBox::Ok));
        button("summary_export_pdf")->click();
        unlock_path(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.size(), 3);
        QCOMPARE(driver.seen.at(2).title, QStringLiteral("Ошибка"));
        QCOMPARE(driver.seen.at(2).text, saveFailureText);
        QVERIFY(!MainWindowAccess::reportExport(*window)->isRunning());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("%PDF-1.4 held by a viewer\n"));
    }

    // Fault to avoid: the desktop asked to open a file that was never written.
    void unwritableTarget_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::newRow("PDF") << "pdf";
        QTest::newRow("workbook") << "xlsx";
        QTest::newRow("CSV") << "csv";
    }

    void unwritableTarget()
    {
        QFETCH(QString, extension);
        QString path = dir.filePath(QStringLiteral("no-such-folder/summary.") + extension);
        ModalDriver driver;
        if (extension == "csv") {
            // The file dialog takes no missing folder: a folder that refuses new files.
            const QString folder = dir.filePath(QStringLiteral("read-only"));
            QVERIFY(QDir().mkpath(folder));
            if (!lock_path(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner))
                QSKIP("cannot make a folder without write access here");
            path = folder + QStringLiteral("/summary.csv");
            driver.then(ModalDriver::chooseFile(path)).then(ModalDriver::press(QMessageBox::Ok));
            button("summary_export_csv")->click();
            unlock_path(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        } else {
            driver.then(ModalDriver::press(QMessageBox::Ok));
            if (extension == "pdf")
                window->export_summary_to_pdf(path, false);
            else
                window->export_summary_to_excel(path, false);
            MainWindowAccess::finishReport(*window);
        }
        QCOMPARE(driver.unexpected, 0);
        const SeenModal box = driver.seen.last();
        QVERIFY(box.isMessageBox);
        QCOMPARE(box.title, QStringLiteral("Ошибка"));
        QCOMPARE(box.text, saveFailureText);
        QVERIFY(viewer.urls.isEmpty());
        QVERIFY(!QFileInfo::exists(path));
    }

    void english()
    {
        window->on_actionEN_triggered();
        QCoreApplication::processEvents();
        const QString path = dir.filePath(QStringLiteral("english.pdf"));
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path)).then(ModalDriver::press(QMessageBox::No));
        button("summary_export_pdf")->click();
        MainWindowAccess::finishReport(*window);
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.at(0).title, QStringLiteral("Export to PDF"));
        QVERIFY2(driver.seen.at(0).selectedFiles.value(0).contains(QRegularExpression("/Summary 17 [0-9_]+\\.pdf$")),
                 qPrintable(driver.seen.at(0).selectedFiles.value(0)));
        QVERIFY(joined_rows(path).contains("Summary report"));

        // The CSV's dialog and headings too.
        const QString csv = dir.filePath(QStringLiteral("english.csv"));
        driver.then(ModalDriver::chooseFile(csv));
        button("summary_export_csv")->click();
        QCOMPARE(driver.seen.last().title, QStringLiteral("Save summary as CSV"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("No."));
        window->on_actionRU_triggered();
    }

    // Qt takes the system's locale from LANG on Unix, once per process: each locale is tried
    // in a process of its own, which writes the CSV through the dialog's button.
    void csvInTheSystemLocale_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Russian: semicolons and decimal commas")
            << "ru_RU.UTF-8"
            << QByteArray("\xEF\xBB\xBF"
                          "№;Блок;n;Min;Max;Среднее;σ;Допуск;Вне допуска;Cpk;Итог\r\n"
                          "1;1 Шов;4;3,20;11,4;7,5;3,8;\"[0; 10]\";1 (25,0 %);0,22;вне допуска\r\n"
                          "2;2 HRC;0;—;—;—;—;\"[0; 10]\";—;—;—\r\n");
        QTest::newRow("English: commas and decimal points")
            << "en_US.UTF-8"
            << QByteArray("\xEF\xBB\xBF"
                          "№,Блок,n,Min,Max,Среднее,σ,Допуск,Вне допуска,Cpk,Итог\r\n"
                          "1,1 Шов,4,3.20,11.4,7.5,3.8,[0; 10],1 (25.0 %),0.22,вне допуска\r\n"
                          "2,2 HRC,0,—,—,—,—,[0; 10],—,—,—\r\n");
    }

    void csvInTheSystemLocale()
    {
        QFETCH(QString, lang);
        QFETCH(QByteArray, expected);
        const QString path = dir.filePath(QStringLiteral("summary-%1.csv").arg(lang));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LC_ALL", "LC_NUMERIC", "LANGUAGE"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("LANG"), lang);
        environment.insert(QLatin1String(csvTargetVariable), path);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("csvWrittenInTheChild")});
        QVERIFY(child.waitForFinished(120000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString::fromUtf8(expected));
    }

    void csvWrittenInTheChild()
    {
        const QString target = qEnvironmentVariable(csvTargetVariable);
        if (target.isEmpty())
            QSKIP("run by csvInTheSystemLocale in a process of its own");
        prepare();
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(target));
        button("summary_export_csv")->click();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.size(), 1);
        QCOMPARE(driver.seen.at(0).title, QStringLiteral("Сохранить сводку в CSV"));
        QVERIFY(driver.seen.at(0).selectedFiles.value(0).contains(QRegularExpression("/Сводка 17 [0-9_]+\\.csv$")));
        QVERIFY(QFileInfo::exists(target));
    }

private:
    SettingsSandbox sandbox;
    QTemporaryDir dir;
    int exports = 0;
    UrlCatcher viewer;
    QScopedPointer<MainWindow> window;
    WindowForm *ui = nullptr;
    BlockSummaryDialog *dialog = nullptr;
};

QTEST_MAIN(TestSummaryExport)
#include "tst_summaryexport.moc"
