// The summary's exports as the dialog's buttons ask for them, with an operator who answers from
// lists: the reports with or without the empty fields, in English, and the CSV in the system's
// format.
#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include "answers.h"
#include "exportflow.h"
#include "pdftools.h"
#include "plainscreen.h"
#include "settingssandbox.h"
#include "urlcatcher.h"
#include "xlsxreader.h"

namespace {

const char *const csvTargetVariable = "ORMEDA_SUMMARY_CSV_TARGET";

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

    SettingsSandbox sandbox;
    QTemporaryDir dir;
    UrlCatcher viewer;
    int exports = 0;
    std::unique_ptr<ReportDesk> desk;
    std::unique_ptr<Answers> answers;
    std::unique_ptr<ReportExport> writer;
    std::unique_ptr<ExportFlow> flow;

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.start());
        QVERIFY(dir.isValid());
        viewer.catchFileUrls();
    }

    // The sample blocks, limits 0 to 10 shown, report number 17, the company filled and the
    // city left empty.
    void init()
    {
        viewer.urls.clear();
        desk = std::make_unique<ReportDesk>();
        desk->screen.set("report_number", "17");
        desk->screen.set("company_name", "ООО Ромашка");
        desk->setLimits(0, 10, true);
        desk->model.setBlocks({Block("1 Шов", {3.2f, 5.5f, 11.4f, 9.9f}), Block("2 HRC", {})});
        answers = std::make_unique<Answers>();
        writer = std::make_unique<ReportExport>();
        flow = std::make_unique<ExportFlow>(desk->reports, *answers, *writer);
    }

    void cleanup() { SettingsSandbox::clear(); }

    void reports_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("includeEmpty");
        QTest::newRow("PDF, empty fields too") << "pdf" << true;
        QTest::newRow("PDF, filled fields") << "pdf" << false;
        QTest::newRow("workbook, empty fields too") << "xlsx" << true;
        QTest::newRow("workbook, filled fields") << "xlsx" << false;
    }

    void reports()
    {
        QFETCH(QString, extension);
        QFETCH(bool, includeEmpty);
        const QString path = dir.filePath(QStringLiteral("summary-%1.%2").arg(exports++).arg(extension));
        answers->files << path;
        answers->emptyFields << (includeEmpty ? Questions::EmptyFields::Include : Questions::EmptyFields::Leave);
        flow->export_summary_report(extension == "pdf" ? ReportFormat::Pdf : ReportFormat::Workbook);
        writer->finish();
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

    // The dialog's caption and name, the report's title and the CSV's headings in English.
    void english()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/ts.qm")));
        qApp->installTranslator(&translator);
        const QString path = dir.filePath(QStringLiteral("english.pdf"));
        const QString csv = dir.filePath(QStringLiteral("english.csv"));
        answers->files << path << csv;
        answers->emptyFields << Questions::EmptyFields::Leave;
        flow->export_summary_report(ReportFormat::Pdf);
        writer->finish();
        flow->save_summary_csv();
        qApp->removeTranslator(&translator);

        QCOMPARE(answers->dialogs.at(0).caption, QStringLiteral("Export to PDF"));
        QVERIFY2(answers->dialogs.at(0).proposal.contains(QRegularExpression("/Summary 17 [0-9_]+\\.pdf$")),
                 qPrintable(answers->dialogs.at(0).proposal));
        QVERIFY(joined_rows(path).contains("Summary report"));
        QCOMPARE(answers->dialogs.at(1).caption, QStringLiteral("Save summary as CSV"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("No."));
    }

    // Qt takes the system's locale from LANG on Unix, once per process: each locale is tried
    // in a process of its own, which writes the CSV as the dialog's button does.
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
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAll().constData());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString::fromUtf8(expected));
    }

    void csvWrittenInTheChild()
    {
        const QString target = qEnvironmentVariable(csvTargetVariable);
        if (target.isEmpty())
            QSKIP("run by csvInTheSystemLocale in a process of its own");
        answers->files << target;
        flow->save_summary_csv();
        QCOMPARE(answers->dialogs.size(), 1);
        QCOMPARE(answers->dialogs.at(0).caption, QStringLiteral("Сохранить сводку в CSV"));
        QVERIFY(answers->dialogs.at(0).proposal.contains(QRegularExpression("/Сводка 17 [0-9_]+\\.csv$")));
        QCOMPARE(answers->saved, QStringList(target));
    }
};

QTEST_MAIN(TestSummaryExport)
#include "tst_summaryexport.moc"
