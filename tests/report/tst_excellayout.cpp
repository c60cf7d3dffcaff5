#include <QtTest>

#include <QImage>
#include <QTemporaryDir>
#include <QTranslator>

#include <cmath>

#include "debugcapture.h"
#include "excelreport.h"
#include "xlsxdocument.h"
#include "xlsxreader.h"

namespace {

const QString overline = QString::fromUtf8("X\u0305 - x");
const QString signature = QStringLiteral("Контроль проведён____________________________________, подпись");

// The fifteen entries as the Russian form gives them; `filled` maps entry
// numbers (0-based) to values, the date (6) is always there.
QList<ReportEntry> entries(const QMap<int, QString> &filled)
{
    const QString company = "Данные о компании", report = "Данные об отчете", device = "Данные о приборе";
    const QList<QPair<QString, QString>> fields = {
        {"Компания", company},     {"Город", company},          {"Адрес", company},
        {"Телефон", company},      {"Вебсайт", company},        {"Номер отчета", report},
        {"Дата", report},          {"Оператор", report},        {"Наименование детали", report},
        {"Материал", report},      {"Номер партии", report},    {"Название прибора", device},
        {"Тип прибора", device},   {"Номер прибора", device},   {"Свидетельство о поверке", device},
    };
    QList<ReportEntry> list;
    for (int i = 0; i < fields.size(); ++i)
        list.append({fields.at(i).first, i == 6 ? QString("08.12.2026") : filled.value(i), fields.at(i).second});
    return list;
}

QVector<float> ramp(int n)
{
    QVector<float> values;
    for (int i = 0; i < n; ++i)
        values.append(float(i % 200) + 0.3f);
    return values;
}

QImage logoImage(int width, int height, int dotsPerMetre)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::darkBlue);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

ReportModel baseReport(int values)
{
    ReportModel report;
    // The layout example: company name, date and device type filled, "No".
    report.data.entries = entries({{0, "ООО Ромашка"}, {12, "ТЭМП-4"}});
    report.data.valueTitle = "HRC";
    report.data.values = ramp(values);
    report.statisticsCaption = "Статистика";
    report.statistics = {{"Min", 0.3}, {"Max", 199.3}, {"Среднее", 56.9}, {"σ", 1.3}};
    report.mean = 56.9;
    report.commentsCaption = "Комментарии";
    report.comments = "Первая строка\nвторая строка";
    return report;
}

} // namespace

class TestExcelLayout : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    XlsxReadBack write(const ReportModel &report, const QString &name, bool valuesOnly = false)
    {
        XlsxDocument doc;
        write_excel_report(doc, report);
        const QString path = dir.filePath(name + ".xlsx");
        if (!doc.saveAs(path))
            return {};
        XlsxReadBack back = read_xlsx(path, valuesOnly);
        if (!back.ok)
            qWarning() << back.error;
        return back;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // 177 pixels wide, the height in proportion rounded up, whichever Qt scales it.
    void logoSize_data()
    {
        QTest::addColumn<QSize>("logo");
        QTest::addColumn<int>("height");
        QTest::newRow("106.2 up") << QSize(400, 240) << 107;
        QTest::newRow("44.25 up") << QSize(2000, 500) << 45;
        QTest::newRow("59.1 up") << QSize(1000, 334) << 60;
        QTest::newRow("58.9 up") << QSize(1000, 333) << 59;
        QTest::newRow("square") << QSize(600, 600) << 177;
        QTest::newRow("narrow and tall") << QSize(200, 600) << 531;
    }

    void logoSize()
    {
        QFETCH(QSize, logo);
        QFETCH(int, height);
        const QImage scaled = workbook_logo(logoImage(logo.width(), logo.height(), 3780));
        QCOMPARE(scaled.size(), QSize(177, height));
        QCOMPARE(scaled.dotsPerMeterY(), 3780);
    }

    void layoutExample()
    {
        ReportModel report = baseReport(50);
        report.logo = logoImage(177, 177, 3780); // 96 dpi, 47 mm high
        DebugCapture debug;
        const XlsxReadBack back = write(report, "example");
        QVERIFY(back.isSound());
        QVERIFY(debug.lines().contains("47"));

        // Fields table in rows 1 to 6.
        const QStringList merged = back.merged();
        const QVector<QPair<QString, QString>> fields = {
            {"A1", "Данные о компании"}, {"A2", "Компания"}, {"D2", "ООО Ромашка"}, {"A3", "Данные об отчете"},
            {"A4", "Дата"}, {"D4", "08.12.2026"}, {"A5", "Данные о приборе"}, {"A6", "Тип прибора"},
            {"D6", "ТЭМП-4"}};
        for (const auto &field : fields)
            QCOMPARE(back.text(field.first), field.second);
        for (const QString range : {"A1:F1", "A2:C2", "D2:F2", "A3:F3", "A4:C4", "D4:F4", "A5:F5", "A6:C6",
                                    "D6:F6", "A12:I12", "H13:I13"})
            QVERIFY2(merged.contains(range), qPrintable(range));
        QVERIFY(back.cell("A1").value("bold").toBool());
        QVERIFY(back.cell("F1").value("bold").toBool());
        QVERIFY(!back.cell("A2").value("bold").toBool());
        QCOMPARE(back.cell("F2").value("right").toString(), QString("thin"));
        QCOMPARE(back.text("A7"), QString());

        // The logo at G1, 177 pixels at 96 dpi.
        QCOMPARE(back.pictures().size(), 1);
        const QJsonObject logo = back.pictures().at(0).toObject();
        QCOMPARE(logo.value("col").toInt(), 6);
        QCOMPARE(logo.value("row").toInt(), 0);
        QVERIFY(std::abs(logo.value("cx").toDouble() - 177 * 36e6 / 3780) <= 1);
        QVERIFY(std::abs(logo.value("cy").toDouble() - 177 * 36e6 / 3780) <= 1);

        // Title and values header.
        QCOMPARE(back.text("A12"), QString("ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ"));
        QVERIFY(back.cell("A12").value("bold").toBool());
        QCOMPARE(back.cell("A12").value("h").toString(), QString("center"));
        QCOMPARE(back.text("A13"), QString("Номер"));
        QCOMPARE(back.text("B13"), QString("HRC"));
        QCOMPARE(back.text("C13"), overline);
        QCOMPARE(back.text("D13"), QString("Номер"));
        QCOMPARE(back.text("F13"), overline);
        QCOMPARE(back.cell("A13").value("left").toString(), QString("thin"));
        QCOMPARE(back.cell("D13").value("left").toString(), QString("thick"));
        QCOMPARE(back.cell("E13").value("left").toString(), QString("thin"));

        // Values 1 to 32 in A to C, 33 to 50 in D to F.
        QCOMPARE(back.value("A14").toInt(), 1);
        QCOMPARE(back.type("A14"), QString("n"));
        QCOMPARE(back.value("B14").toDouble(), 0.3);
        QCOMPARE(back.type("B14"), QString("n"));
        QCOMPARE(back.value("C14").toDouble(), 56.6);
        QCOMPARE(back.type("C14"), QString("n"));
        QCOMPARE(back.value("A45").toInt(), 32);
        QVERIFY(back.value("A46").isUndefined());
        QCOMPARE(back.value("D14").toInt(), 33);
        QCOMPARE(back.cell("D14").value("left").toString(), QString("thick"));
        QCOMPARE(back.cell("A14").value("left").toString(), QString("thin"));
        QCOMPARE(back.value("D31").toInt(), 50);
        QCOMPARE(back.value("E31").toDouble(), 49.3);
        QVERIFY(back.value("D32").isUndefined());
        QVERIFY(back.value("G14").isUndefined());

        // Statistics in H13:I17, numbers.
        QCOMPARE(back.text("H13"), QString("Статистика"));
        const QVector<QPair<QString, double>> stats = {{"Min", 0.3}, {"Max", 199.3}, {"Среднее", 56.9}, {"σ", 1.3}};
        for (int i = 0; i < stats.size(); ++i) {
            const QString row = QString::number(14 + i);
            QCOMPARE(back.text("H" + row), stats.at(i).first);
            QCOMPARE(back.type("I" + row), QString("n"));
            QCOMPARE(back.value("I" + row).toDouble(), stats.at(i).second);
            QCOMPARE(back.cell("I" + row).value("left").toString(), QString("thin"));
        }

        // Comments and signature below the lowest value row (45), not over the
        // values of the first group.
        QCOMPARE(back.text("A47"), QString("Комментарии"));
        QVERIFY(merged.contains("A47:I47"));
        QCOMPARE(back.text("A48"), QString("Первая строка\nвторая строка"));
        QVERIFY(merged.contains("A48:I49"));
        QCOMPARE(back.cell("A48").value("h").toString(), QString("justify"));
        QVERIFY(back.cell("A48").value("wrap").toBool());
        QCOMPARE(back.text("A50"), signature);
        QVERIFY(back.cell("A50").value("bold").toBool());
        QVERIFY(merged.contains("A50:I50"));

        const QJsonArray columns = back.json.value("columns").toArray();
        QCOMPARE(columns.size(), 1);
        QCOMPARE(columns.at(0).toObject().value("min").toInt(), 1);
        QCOMPARE(columns.at(0).toObject().value("max").toInt(), 9);
    }

    void placement_data()
    {
        QTest::addColumn<int>("values");
        QTest::addColumn<int>("logoHeight"); // pixels at 96 dpi, 177 wide; 0: no logo
        QTest::addColumn<int>("titleRow");
        QTest::addColumn<QString>("statistics");
        QTest::addColumn<int>("commentsRow");
        QTest::addColumn<QStringList>("checks"); // "ref=value", value "" for an empty cell

        // Three headings and three entries: the title goes to row 8 without a logo.
        QTest::newRow("no values") << 0 << 0 << 8 << "H9" << 16 << QStringList{"A9=Номер", "A10=", "D9="};
        QTest::newRow("a few values") << 10 << 0 << 8 << "H9" << 22 << QStringList{"A19=10", "A20=", "D9="};
        QTest::newRow("first group exactly full")
            << 36 << 0 << 8 << "H9" << 47 << QStringList{"A45=36", "D9=Номер", "E9=HRC", "D10="};
        QTest::newRow("one value in the second group")
            << 37 << 0 << 8 << "H9" << 47 << QStringList{"D10=37", "D11=", "G9="};
        QTest::newRow("ends in the third group")
            << 77 << 0 << 8 << "A47" << 54 << QStringList{"G9=Номер", "G14=77", "G15=", "A48=Min", "B48=0.3", "A51=σ"};
        QTest::newRow("first block exactly full")
            << 108 << 0 << 8 << "H47" << 54 << QStringList{"G45=108", "A47=Номер", "C47=" + overline, "A48="};
        QTest::newRow("second block")
            << 118 << 0 << 8 << "H47" << 60 << QStringList{"A47=Номер", "A48=109", "A57=118", "A58=", "D47="};
        QTest::newRow("second group of the second block")
            << 153 << 0 << 8 << "H47" << 92
            << QStringList{"A90=151", "D47=Номер", "D48=152", "D49=153", "D50=", "G47="};
        QTest::newRow("third block")
            << 238 << 0 << 8 << "H92" << 99 << QStringList{"G90=237", "A92=Номер", "A93=238", "A94="};
        QTest::newRow("logo shorter than the fields") << 10 << 50 << 8 << "H9" << 22 << QStringList{"A19=10"};
        // 400 pixels at 96 dpi are 106 mm: 24 rows.
        QTest::newRow("tall logo pushes the title down")
            << 30 << 400 << 25 << "H26" << 47 << QStringList{"A27=1", "A45=19", "D27=20", "D37=30", "D38="};
        // 900 pixels are 238 mm: 53 rows; the first block then reaches row 90.
        QTest::newRow("logo taller than the first block")
            << 40 << 900 << 54 << "H55" << 92 << QStringList{"A56=1", "A90=35", "D56=36", "D60=40", "D61="};
    }

    void placement()
    {
        QFETCH(int, values);
        QFETCH(int, logoHeight);
        QFETCH(int, titleRow);
        QFETCH(QString, statistics);
        QFETCH(int, commentsRow);
        QFETCH(QStringList, checks);

        ReportModel report = baseReport(values);
        if (logoHeight > 0)
            report.logo = logoImage(177, logoHeight, 3780);
        const XlsxReadBack back = write(report, QString("placement-%1").arg(QTest::currentDataTag()));
        QVERIFY(back.isSound());

        QCOMPARE(back.text(QString("A%1").arg(titleRow)), QString("ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ"));
        QCOMPARE(back.text(QString("A%1").arg(titleRow + 1)), QString("Номер"));

        int statsRow = 0, statsColumn = 0, unused = 0;
        QVERIFY(XlsxDocument::parseRange(statistics, &statsRow, &statsColumn, &unused, &unused));
        QCOMPARE(back.text(statistics), QString("Статистика"));
        QVERIFY(back.merged().contains(statistics + ":" + xlsx_ref(statsRow, statsColumn + 1)));
        QCOMPARE(back.text(xlsx_ref(statsRow + 4, statsColumn)), QString("σ"));
        QCOMPARE(back.type(xlsx_ref(statsRow + 4, statsColumn + 1)), QString("n"));

        QCOMPARE(back.text(QString("A%1").arg(commentsRow)), QString("Комментарии"));
        QCOMPARE(back.text(QString("A%1").arg(commentsRow + 3)), signature);

        for (const QString &check : checks) {
            const QString ref = check.section('=', 0, 0);
            const QString expected = check.section('=', 1);
            const QJsonValue value = back.value(ref);
            const QString actual = value.isDouble() ? QString::number(value.toDouble()) : value.toString();
            QVERIFY2(actual == expected, qPrintable(ref + ": " + actual + " instead of " + expected));
        }
    }

    void fields_data()
    {
        QTest::addColumn<bool>("includeEmpty");
        QTest::addColumn<QVariantMap>("filled");
        QTest::addColumn<QStringList>("column1"); // rows from 1 down

        QTest::newRow("No, company name only")
            << false << QVariantMap{{"0", "ООО Ромашка"}}
            << QStringList{"Данные о компании", "Компания", "Данные об отчете", "Дата", ""};
        QTest::newRow("No, a section left out entirely")
            << false << QVariantMap{{"13", "17"}}
            << QStringList{"Данные об отчете", "Дата", "Данные о приборе", "Номер прибора", ""};
        QTest::newRow("No, blank counts as filled")
            << false << QVariantMap{{"4", " "}}
            << QStringList{"Данные о компании", "Вебсайт", "Данные об отчете", "Дата", ""};
        QTest::newRow("Yes, all empty")
            << true << QVariantMap()
            << QStringList{"Данные о компании", "Компания", "Город", "Адрес", "Телефон", "Вебсайт",
                           "Данные об отчете", "Номер отчета", "Дата", "Оператор", "Наименование детали",
                           "Материал", "Номер партии", "Данные о приборе", "Название прибора", "Тип прибора",
                           "Номер прибора", "Свидетельство о поверке", ""};
    }

    void fields()
    {
        QFETCH(bool, includeEmpty);
        QFETCH(QVariantMap, filled);
        QFETCH(QStringList, column1);

        QMap<int, QString> values;
        for (auto it = filled.cbegin(); it != filled.cend(); ++it)
            values.insert(it.key().toInt(), it.value().toString());
        ReportModel report = baseReport(3);
        report.data.entries = entries(values);
        report.includeEmpty = includeEmpty;
        const XlsxReadBack back = write(report, QString("fields-%1").arg(QTest::currentDataTag()));
        QVERIFY(back.isSound());

        for (int i = 0; i < column1.size(); ++i)
            QCOMPARE(back.text(QString("A%1").arg(i + 1)), column1.at(i));
        // Title after one empty row.
        QCOMPARE(back.text(QString("A%1").arg(column1.size() + 1)), QString("ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ"));
        if (includeEmpty) {
            QCOMPARE(back.text("D2"), QString());
            QVERIFY(back.value("D2").isNull()); // an empty cell, not an empty text
            QCOMPARE(back.text("D9"), QString("08.12.2026"));
        }
    }

    // Number cells showing the decimals the PDF prints; "nan" stays a text.
    void valueTexts()
    {
        ReportModel report = baseReport(0);
        report.data.values = {5.0f, 42.26f, 123.4f, 10.0f, 100.0f, 2.345f, -7.899f, std::nanf("")};
        report.mean = 56.9;
        report.limits = {true, 0.0, 100.0};
        const XlsxReadBack back = write(report, "texts");
        QVERIFY(back.isSound());
        // Title in 8, header in 9.
        const QStringList values = {"5.00", "42.3", "123", "10.0", "100", "2.35", "-7.90", "nan"};
        const QStringList formats = {"0.00", "0.0", "0", "0.0", "0", "0.00", "0.00", "General"};
        const QStringList differences = {"51.9", "14.6", "-66.5", "46.9", "-43.1", "54.6", "64.8", "nan"};
        for (int i = 0; i < values.size() - 1; ++i) {
            const QString row = QString::number(10 + i);
            QCOMPARE(back.value("A" + row).toInt(), i + 1);
            QCOMPARE(back.type("B" + row), QString("n"));
            QCOMPARE(back.value("B" + row).toDouble(), values.at(i).toDouble());
            QCOMPARE(back.cell("B" + row).value("numberFormat").toString(), formats.at(i));
            QCOMPARE(back.type("C" + row), QString("n"));
            QCOMPARE(back.value("C" + row).toDouble(), differences.at(i).toDouble());
            QCOMPARE(back.cell("C" + row).value("numberFormat").toString(), QString("0.0"));
            // Outside the shown limits: red.
            const bool outside = i == 2 || i == 6;
            QCOMPARE(back.cell("B" + row).value("color").toString(), QString(outside ? "FFFF0000" : ""));
        }
        QCOMPARE(back.text("B17"), QString("nan"));
        QCOMPARE(back.text("C17"), QString("nan"));
    }

    // σ of a single value is 0 / 0; a number cell with it is refused by spreadsheet programs.
    void statisticThatIsNotANumber()
    {
        ReportModel report = baseReport(1);
        report.statistics[3].value = std::nan("");
        report.statistics[1].value = HUGE_VAL;
        const XlsxReadBack back = write(report, "nan-statistic");
        QVERIFY(back.isSound());
        QCOMPARE(back.type("I13"), QString("s"));
        QCOMPARE(back.text("I13"), QString("nan"));
        QCOMPARE(back.text("I11"), QString("inf"));
        QCOMPARE(back.type("I10"), QString("n"));
        QCOMPARE(back.cell("I13").value("left").toString(), QString("thin"));
    }

    void plotsAndTolerance_data()
    {
        QTest::addColumn<int>("plots");
        QTest::addColumn<bool>("tolerance");
        QTest::addColumn<QVector<int>>("pictureRows"); // 0-based anchors
        QTest::addColumn<int>("toleranceRow");
        QTest::addColumn<int>("commentsRow");

        // Ten values end in row 19: the first picture is anchored below it, at 0-based row 20.
        QTest::newRow("no plot") << 0 << false << QVector<int>{} << 0 << 22;
        QTest::newRow("graph") << 1 << false << QVector<int>{20} << 0 << 39;
        QTest::newRow("graph and diagram") << 2 << false << QVector<int>{20, 37} << 0 << 56;
        QTest::newRow("graph with limits") << 1 << true << QVector<int>{20} << 38 << 40;
        QTest::newRow("both with limits") << 2 << true << QVector<int>{20, 37} << 55 << 57;
    }

    void plotsAndTolerance()
    {
        QFETCH(int, plots);
        QFETCH(bool, tolerance);
        QFETCH(QVector<int>, pictureRows);
        QFETCH(int, toleranceRow);
        QFETCH(int, commentsRow);

        ReportModel report = baseReport(10);
        for (int i = 0; i < plots; ++i) {
            QImage picture(522, 313, QImage::Format_ARGB32);
            picture.fill(i == 0 ? Qt::blue : Qt::red);
            picture.setDotsPerMeterX(3780);
            picture.setDotsPerMeterY(3780);
            report.plots.append(picture);
        }
        report.toleranceLine = tolerance;
        report.limitMin = 0;
        report.limitMax = 10;
        const XlsxReadBack back = write(report, QString("plots-%1").arg(QTest::currentDataTag()));
        QVERIFY(back.isSound());

        const QJsonArray pictures = back.pictures();
        QCOMPARE(pictures.size(), pictureRows.size());
        for (int i = 0; i < pictures.size(); ++i) {
            const QJsonObject p = pictures.at(i).toObject();
            QCOMPARE(p.value("row").toInt(), pictureRows.at(i));
            QCOMPARE(p.value("col").toInt(), 0);
            QVERIFY(std::abs(p.value("cx").toDouble() - 522 * 36e6 / 3780) <= 1);
            QVERIFY(std::abs(p.value("cy").toDouble() - 313 * 36e6 / 3780) <= 1);
        }
        if (tolerance) {
            QCOMPARE(back.text(QString("A%1").arg(toleranceRow)), QString("Допуск: [0; 10]"));
            QVERIFY(back.merged().contains(QString("A%1:I%1").arg(toleranceRow)));
            QCOMPARE(back.cell(QString("A%1").arg(toleranceRow)).value("h").toString(), QString("justify"));
        }
        QCOMPARE(back.text(QString("A%1").arg(commentsRow)), QString("Комментарии"));
        QCOMPARE(back.text(QString("A%1").arg(commentsRow + 3)), signature);
    }

    void toleranceNumbers()
    {
        ReportModel report = baseReport(1);
        report.toleranceLine = true;
        report.limitMin = 12.5;
        report.limitMax = 123456.7;
        const XlsxReadBack back = write(report, "tolerance-numbers");
        QVERIFY(back.isSound());
        // Without a picture the line takes the row after the statistics.
        QCOMPARE(back.text("A15"), QString("Допуск: [12.5; 123457]"));
    }

    // The tolerance assessment follows the statistics in their two columns and
    // their format, and what comes after moves below it.
    void toleranceRows_data()
    {
        QTest::addColumn<int>("values");
        QTest::addColumn<QString>("statistics"); // the caption's cell
        QTest::addColumn<int>("commentsRow");    // 4 rows lower than without, unless the values reach further

        // Three values end in row 12, the assessment in row 17.
        QTest::newRow("beside the values, reaching below them") << 3 << "H9" << 20;
        // Ten values end in row 19, below the assessment: nothing moves.
        QTest::newRow("beside the values, within them") << 10 << "H9" << 22;
        QTest::newRow("below the values") << 77 << "A47" << 58;
    }

    void toleranceRows()
    {
        QFETCH(int, values);
        QFETCH(QString, statistics);
        QFETCH(int, commentsRow);

        ReportModel report = baseReport(values);
        report.toleranceRows = {
            {"Допуск", "[-0.5; 123457]", -0.5, 123456.7}, {"Вне допуска", "3 из 21 (14.3 %)"}, {"Cp", "0.59"}, {"Cpk", "—"}};
        const XlsxReadBack back = write(report, QString("tolerance-%1").arg(QTest::currentDataTag()));
        QVERIFY(back.isSound());

        int statsRow = 0, statsColumn = 0, unused = 0;
        QVERIFY(XlsxDocument::parseRange(statistics, &statsRow, &statsColumn, &unused, &unused));
        QCOMPARE(back.text(statistics), QString("Статистика"));
        QCOMPARE(back.text(xlsx_ref(statsRow + 4, statsColumn)), QString("σ"));
        const auto format = [&back](int row, int column) {
            QJsonObject cell = back.cell(xlsx_ref(row, column));
            cell.remove("value");
            cell.remove("type");
            cell.remove("numberFormat");
            return cell;
        };
        for (int i = 0; i < report.toleranceRows.size(); ++i) {
            const int row = statsRow + 5 + i;
            QCOMPARE(back.text(xlsx_ref(row, statsColumn)), report.toleranceRows.at(i).label);
            if (report.toleranceRows.at(i).isLimits()) {
                // Two number cells that read "[-0.5;" " 123457]" side by side.
                const QJsonObject lower = back.cell(xlsx_ref(row, statsColumn + 1));
                const QJsonObject upper = back.cell(xlsx_ref(row, statsColumn + 2));
                QCOMPARE(lower.value("value").toDouble(), -0.5);
                QCOMPARE(lower.value("numberFormat").toString(), QString(R"("["0.0";";"[-"0.0";")"));
                QCOMPARE(upper.value("value").toDouble(), 123457.0);
                QCOMPARE(upper.value("numberFormat").toString(), QString(R"(" "0"]";" -"0"]")"));
                continue;
            }
            // Cp a number with its two decimals; "—" and the count texts stay texts.
            const bool figure = report.toleranceRows.at(i).label == "Cp";
            QCOMPARE(back.type(xlsx_ref(row, statsColumn + 1)), QString(figure ? "n" : "s"));
            if (figure)
                QCOMPARE(back.cell(xlsx_ref(row, statsColumn + 1)).value("numberFormat").toString(), QString("0.00"));
            else
                QCOMPARE(back.text(xlsx_ref(row, statsColumn + 1)), report.toleranceRows.at(i).text);
            QCOMPARE(format(row, statsColumn), format(statsRow + 4, statsColumn));
            QCOMPARE(format(row, statsColumn + 1), format(statsRow + 4, statsColumn + 1));
        }
        QVERIFY(back.value(xlsx_ref(statsRow + 9, statsColumn)).isUndefined());
        QCOMPARE(back.text(QString("A%1").arg(commentsRow)), QString("Комментарии"));
        QCOMPARE(back.text(QString("A%1").arg(commentsRow + 3)), signature);
    }

    void english()
    {
        QTranslator translator;
        QVERIFY(translator.load(":/i18n/ts.qm"));
        QCoreApplication::installTranslator(&translator);
        ReportModel report = baseReport(40);
        report.toleranceLine = true;
        QImage plot(522, 313, QImage::Format_RGB32);
        plot.fill(Qt::white);
        report.plots.append(plot);
        const XlsxReadBack back = write(report, "english");
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(back.isSound());
        QCOMPARE(back.text("A8"), QString("TEST REPORT"));
        QCOMPARE(back.text("A9"), QString("Number"));
        QCOMPARE(back.text("D9"), QString("Number"));
        QVERIFY(back.text("A63").startsWith("Tolerance: [0; 0]"));
        QCOMPARE(back.text("A68"), QString("Testing carried out____________________________________,signature"));
    }

    void largeBlockStaysValid()
    {
        const XlsxReadBack back = write(baseReport(65535), "large", true);
        QVERIFY(back.isSound());
        QCOMPARE(back.value("A10").toInt(), 1);
        // Blocks hold 108, 129, 264, 534, ... values as the row limit doubles;
        // the tenth has its header in row 11522 and rows up to 23040.
        QCOMPARE(back.text("A11522"), QString("Номер"));
        QCOMPARE(back.value("A11523").toInt(), 34486);
        QCOMPARE(back.value("G19536").toInt(), 65535);
        QCOMPARE(back.text("A23042"), QString("Статистика"));
    }
};

QTEST_MAIN(TestExcelLayout)
#include "tst_excellayout.moc"
