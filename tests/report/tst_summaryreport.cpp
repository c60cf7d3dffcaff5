// The summary reports written from a model, without the window: the PDF read back with
// pdftotext, the workbook with openpyxl.
#include <QtTest>

#include <QImage>
#include <QTemporaryDir>
#include <QTranslator>

#include "pdftools.h"
#include "summaryreport.h"
#include "xlsxdocument.h"
#include "xlsxreader.h"

namespace {

QList<ReportEntry> entries()
{
    const QString company = "Данные о компании", report = "Данные об отчете", device = "Данные о приборе";
    return {{"Компания", "ООО Ромашка", company}, {"Город", "", company},         {"Дата", "08.12.2026", report},
            {"Оператор", "", report},             {"Тип прибора", "ТЭМП-4", device}};
}

QVector<Block> demoBlocks()
{
    return {Block("1 Шов", {3.2f, 5.5f, 11.4f, 9.9f}), Block("2 HRC", {45.1f, 44.6f, 45.3f}),
            Block("3 HB", {200, 204, 197}), Block("5 HRC", {})};
}

SummaryReportModel summaryModel(bool limitsShown, const QVector<Block> &blocks = demoBlocks())
{
    SummaryReportModel model;
    model.form.data.entries = entries();
    model.form.commentsCaption = "Комментарии";
    model.form.comments = "Первая строка\nвторая строка";
    Limits limits;
    limits.shown = limitsShown;
    limits.min = 0;
    limits.max = 10;
    model.form.toleranceLine = limitsShown;
    model.form.limitMin = limits.min;
    model.form.limitMax = limits.max;
    model.table = summary_table(block_summary_rows(blocks, limits), limitsShown);
    return model;
}

QStringList joined(const QList<QStringList> &rows)
{
    QStringList lines;
    for (const QStringList &row : rows)
        lines << row.join(' ');
    return lines;
}

} // namespace

class TestSummaryReport : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString pdf(const SummaryReportModel &model, const QString &name)
    {
        const QString path = dir.filePath(name + ".pdf");
        return write_summary_pdf(model, path) ? path : QString();
    }

    XlsxReadBack workbook(const SummaryReportModel &model, const QString &name)
    {
        const QString path = dir.filePath(name + ".xlsx");
        if (!save_summary_workbook(model, path))
            return {};
        XlsxReadBack back = read_xlsx(path);
        if (!back.ok)
            qWarning() << back.error;
        return back;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void pdfLayout_data()
    {
        QTest::addColumn<bool>("limitsShown");
        QTest::addColumn<QStringList>("expected"); // lines in this order, each as pdftotext gives it

        QTest::newRow("limits shown")
            << true
            << QStringList{"Данные о компании",
                           "Компания ООО Ромашка",
                           "Данные об отчете",
                           "Дата 08.12.2026",
                           "Данные о приборе",
                           "Тип прибора ТЭМП-4",
                           "Сводный отчет",
                           "№ Блок n Min Max Среднее σ Допуск Вне допуска Cpk Итог",
                           "1 1 Шов 4 3.20 11.4 7.5 3.8 [0; 10] 1 (25.0 %) 0.22 вне допуска",
                           "2 2 HRC 3 44.6 45.3 45.0 0.4 [0; 10] 3 (100.0 %) -32.36 вне допуска",
                           "3 3 HB 3 197 204 200.3 3.5 [0; 10] 3 (100.0 %) -18.07 вне допуска",
                           "4 5 HRC 0 — — — — [0; 10] — — —",
                           "Допуск: [0; 10]",
                           "Комментарии",
                           "Первая строка",
                           "вторая строка",
                           "Контроль проведён____________________________________________, подпись"};
        QTest::newRow("limits hidden") << false
                                       << QStringList{"Тип прибора ТЭМП-4",
                                                      "Сводный отчет",
                                                      "№ Блок n Min Max Среднее σ",
                                                      "1 1 Шов 4 3.20 11.4 7.5 3.8",
                                                      "4 5 HRC 0 — — — —",
                                                      "Комментарии"};
    }

    void pdfLayout()
    {
        QFETCH(bool, limitsShown);
        QFETCH(QStringList, expected);
        const QString path = pdf(summaryModel(limitsShown), QStringLiteral("layout-%1").arg(limitsShown));
        QVERIFY(!path.isEmpty());
        const QStringList lines = joined(pdf_rows(path));

        int at = -1;
        for (const QString &line : expected) {
            const int found = int(lines.indexOf(line, at + 1));
            QVERIFY2(found > at, qPrintable(line + QStringLiteral("\n---\n") + lines.join('\n')));
            at = found;
        }
        // Left out with the limits, and the empty entries without the empty-field answer.
        QCOMPARE(lines.join('\n').contains(QStringLiteral("Допуск")), limitsShown);
        QVERIFY(!lines.join('\n').contains(QStringLiteral("Город")));
    }

    // A long summary runs over pages: no row lost or doubled, the headings atop each page.
    void pdfManyBlocks()
    {
        QVector<Block> blocks;
        for (int b = 1; b <= 150; ++b)
            blocks << Block(QStringLiteral("%1 HB").arg(b), {float(b), float(b) + 1});
        const QString path = pdf(summaryModel(false, blocks), "many");
        QVERIFY(!path.isEmpty());
        const int pages = run_tool("pdfinfo", {path}).section("Pages:", 1).section('\n', 0, 0).trimmed().toInt();
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));

        const QStringList lines = joined(pdf_rows(path));
        QCOMPARE(lines.count(QStringLiteral("№ Блок n Min Max Среднее σ")), pages);
        for (int b = 1; b <= 150; ++b) {
            const QString row = QStringLiteral("%1 %1 HB 2 ").arg(b);
            QCOMPARE(std::count_if(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(row); }),
                     1);
        }
    }

    void pdfLogo()
    {
        SummaryReportModel model = summaryModel(true);
        QImage logo(300, 150, QImage::Format_RGB32);
        logo.fill(Qt::darkGreen);
        model.form.logo = logo;
        QCOMPARE(pdf_pictures(pdf(model, "logo")), QStringList("300x150"));
    }

    void workbookLayout()
    {
        const XlsxReadBack back = workbook(summaryModel(true), "layout");
        QVERIFY(back.isSound());

        // The fields table as the block report has it, then the title and the table.
        const QStringList merged = back.merged();
        for (const QString range : {"A1:F1", "A2:C2", "D2:F2", "A3:F3", "A4:C4", "D4:F4", "A8:L8", "H9:I9"})
            QVERIFY2(merged.contains(range), qPrintable(merged.join(' ')));
        QCOMPARE(back.text("A1"), QString("Данные о компании"));
        QCOMPARE(back.text("D2"), QString("ООО Ромашка"));
        QCOMPARE(back.text("D6"), QString("ТЭМП-4"));
        QCOMPARE(back.text("A8"), QString("Сводный отчет"));
        QVERIFY(back.cell("A8").value("bold").toBool());
        // The tolerance over two columns, a number cell for each limit.
        const QStringList headings{"№", "Блок", "n",      "Min",         "Max", "Среднее", "σ",
                                   "Допуск", "",  "Вне допуска", "Cpk", "Итог"};
        for (int column = 1; column <= headings.size(); ++column)
            QCOMPARE(back.text(xlsx_ref(9, column)), headings.at(column - 1));
        QCOMPARE(back.text("M9"), QString());

        QCOMPARE(back.text("B10"), QString("1 Шов"));
        QCOMPARE(back.text("J10"), QString("1 (25.0 %)"));
        QCOMPARE(back.text("L10"), QString("вне допуска"));
        QCOMPARE(back.text("B13"), QString("5 HRC"));
        for (const char *ref : {"D13", "E13", "F13", "G13", "J13", "K13", "L13"}) {
            QCOMPARE(back.text(ref), QString("—"));
            QCOMPARE(back.type(ref), QString("s"));
        }
        QCOMPARE(back.value("C13").toDouble(), 0.0);

        // A blank row, the tolerance line, a blank row, the comments and the signature.
        QCOMPARE(back.text("A14"), QString());
        QCOMPARE(back.text("A15"), QString("Допуск: [0; 10]"));
        QCOMPARE(back.text("A17"), QString("Комментарии"));
        QCOMPARE(back.text("A18"), QString("Первая строка\nвторая строка"));
        QCOMPARE(back.text("A20"), QString("Контроль проведён____________________________________, подпись"));
        for (const QString range : {"A15:L15", "A17:L17", "A18:L19", "A20:L20"})
            QVERIFY2(merged.contains(range), qPrintable(range));
    }

    // Figures are number cells holding the figure the summary's text shows, with its decimals.
    void workbookNumbers_data()
    {
        QTest::addColumn<QString>("ref");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("numberFormat");

        QTest::newRow("number") << "A10" << 1.0 << "0";
        QTest::newRow("count") << "C10" << 4.0 << "0";
        QTest::newRow("minimum below ten") << "D10" << 3.2 << "0.00";
        QTest::newRow("maximum below a hundred") << "E10" << 11.4 << "0.0";
        QTest::newRow("mean, as shown") << "F10" << 7.5 << "0.0";
        QTest::newRow("mean of -0.04, no sign left") << "F14" << 0.0 << "0.0";
        QTest::newRow("lower limit") << "H10" << 0.0 << R"("["0";";"[-"0";")";
        QTest::newRow("upper limit") << "I10" << 10.0 << R"(" "0"]";" -"0"]")";
        QTest::newRow("cpk") << "K10" << 0.22 << "0.00";
        QTest::newRow("maximum in hundreds") << "E12" << 204.0 << "0";
        QTest::newRow("minimum of a later block") << "D11" << 44.6 << "0.0";
    }

    void workbookNumbers()
    {
        QFETCH(QString, ref);
        QFETCH(double, value);
        QFETCH(QString, numberFormat);
        static const XlsxReadBack back =
            workbook(summaryModel(true, demoBlocks() << Block("6 HRC", {-0.1f, 0.02f})), "numbers");
        QVERIFY(back.isSound());
        QCOMPARE(back.type(ref), QString("n"));
        QCOMPARE(back.cell(ref).value("numberFormat").toString(), numberFormat);
        const double read = back.value(ref).toDouble();
        QCOMPARE(read, value);
        QVERIFY(!std::signbit(read));
    }

    void workbookWithoutLimits()
    {
        const XlsxReadBack back = workbook(summaryModel(false), "without-limits");
        QVERIFY(back.isSound());
        QCOMPARE(back.text("G9"), QString("σ"));
        QCOMPARE(back.text("H9"), QString());
        // The title and the closing lines keep the block report's width, A to I.
        QVERIFY(back.merged().contains("A8:I8"));
        QCOMPARE(back.text("A15"), QString()); // no tolerance line
        QCOMPARE(back.text("A16"), QString("Комментарии"));
    }

    void workbookLogo()
    {
        SummaryReportModel model = summaryModel(true);
        QImage logo(177, 354, QImage::Format_RGB32); // 96 dpi: 93 mm, 21 rows of 4.5 mm, past the fields
        logo.fill(Qt::darkBlue);
        logo.setDotsPerMeterX(3780);
        logo.setDotsPerMeterY(3780);
        model.form.logo = logo;
        const XlsxReadBack back = workbook(model, "logo");
        QVERIFY(back.isSound());
        QCOMPARE(back.pictures().size(), 1);
        QCOMPARE(back.pictures().at(0).toObject().value("col").toInt(), 6);
        QCOMPARE(back.pictures().at(0).toObject().value("row").toInt(), 0);
        // The title goes below the logo's rows.
        QCOMPARE(back.text("A22"), QString("Сводный отчет"));
        QCOMPARE(back.text("A23"), QString("№"));
    }

    void english()
    {
        QTranslator translator;
        QVERIFY(translator.load(":/i18n/ts.qm"));
        QCoreApplication::installTranslator(&translator);
        const SummaryReportModel model = summaryModel(true);
        QCoreApplication::removeTranslator(&translator);

        // Taken at the click: the language of the click stays, whatever is installed later.
        const QStringList lines = joined(pdf_rows(pdf(model, "english")));
        for (const QString line : {"Summary report", "No. Block n Min Max Mean σ Tolerance Out of tolerance Cpk Verdict",
                                   "1 1 Шов 4 3.20 11.4 7.5 3.8 [0; 10] 1 (25.0 %) 0.22 out of tolerance",
                                   "Tolerance: [0; 10]"})
            QVERIFY2(lines.contains(line), qPrintable(line + QStringLiteral("\n---\n") + lines.join('\n')));

        const XlsxReadBack back = workbook(model, "english");
        QVERIFY(back.isSound());
        QCOMPARE(back.text("A8"), QString("Summary report"));
        QCOMPARE(back.text("A9"), QString("No."));
        QCOMPARE(back.text("J9"), QString("Out of tolerance"));
        QCOMPARE(back.text("L9"), QString("Verdict"));
        QCOMPARE(back.text("L10"), QString("out of tolerance"));
        QCOMPARE(back.text("A15"), QString("Tolerance: [0; 10]"));
        QCOMPARE(back.text("A20"), QString("Testing carried out____________________________________,signature"));
    }
};

QTEST_MAIN(TestSummaryReport)
#include "tst_summaryreport.moc"
