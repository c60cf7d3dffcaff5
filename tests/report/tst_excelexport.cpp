// The workbook of the shown block, as the export writes it from the model and the screen.
#include <QtTest>

#include <QTemporaryDir>

#include <cmath>

#include "excelreport.h"
#include "plainscreen.h"
#include "xlsxreader.h"

namespace {

const QSize excelPlotSize(522, 313);

// The cells whose text starts with `prefix`.
QStringList cells_starting(const XlsxReadBack &back, const QString &prefix)
{
    QStringList refs;
    const QJsonObject cells = back.json.value("cells").toObject();
    for (auto it = cells.begin(); it != cells.end(); ++it) {
        if (it.value().toObject().value("value").toString().startsWith(prefix))
            refs << it.key();
    }
    return refs;
}

} // namespace

class TestExcelExport : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    XlsxReadBack write(ReportDesk &desk, const QString &name, bool includeEmpty)
    {
        const QString path = dir.filePath(name);
        ReportModel report = desk.reports.collect_report_model(includeEmpty, excelPlotSize);
        report.finishPlots();
        [&] { QVERIFY(save_excel_report(report, path)); }();
        return read_xlsx(path);
    }

    static void fill_form(ReportDesk &desk)
    {
        desk.screen.set("company_name", "ООО Ромашка");
        desk.screen.set("device_type", "ТЭМП-4");
        desk.screen.set("report_date_edit", "08.12.2026");
        desk.screen.form.comments = "строка 1\nстрока 2";
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void writesWhatTheWindowShows()
    {
        ReportDesk desk;
        fill_form(desk);
        desk.show("7 HRC", {5.0f, 42.26f, 123.4f});
        const XlsxReadBack back = write(desk, "window.xlsx", false);
        QVERIFY2(back.ok, qPrintable(back.error));
        QVERIFY(back.json.value("invalidNumbers").toArray().isEmpty());
        QVERIFY(back.json.value("hiddenValues").toArray().isEmpty());

        QCOMPARE(back.text("A1"), QString("Данные о компании"));
        QCOMPARE(back.text("D2"), QString("ООО Ромашка"));
        QCOMPARE(back.text("D4"), QString("08.12.2026"));
        QCOMPARE(back.text("D6"), QString("ТЭМП-4"));
        QCOMPARE(back.text("A8"), QString("ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ"));
        QCOMPARE(back.text("B9"), QString("HRC"));
        const QStringList rows[] = {{"1", "5.00", "51.9"}, {"2", "42.3", "14.6"}, {"3", "123", "-66.5"}};
        for (int i = 0; i < 3; ++i) {
            const QString row = QString::number(10 + i);
            QCOMPARE(back.value("A" + row).toInt(), rows[i].at(0).toInt());
            QCOMPARE(back.value("B" + row).toDouble(), rows[i].at(1).toDouble());
            QCOMPARE(back.value("C" + row).toDouble(), rows[i].at(2).toDouble());
        }

        // The statistics under the captions shown, their figures as the boxes hold them.
        QCOMPARE(back.text("H9"), QString("Статистика"));
        const QVector<QPair<QString, double>> stats = {{"Min", 5.0}, {"Max", 123.4}, {"Среднее", 56.9}, {"σ", 60.5}};
        for (int i = 0; i < stats.size(); ++i) {
            const QString row = QString::number(10 + i);
            QCOMPARE(back.text("H" + row), stats.at(i).first);
            QCOMPARE(back.type("I" + row), QString("n"));
            QCOMPARE(back.value("I" + row).toDouble(), stats.at(i).second);
        }

        // Statistics end in 13, the lowest value in 12: comments from row 16.
        QCOMPARE(back.text("A16"), QString("Комментарии"));
        QCOMPARE(back.text("A17"), QString("строка 1\nстрока 2"));
        QVERIFY(back.text("A19").startsWith("Контроль проведён"));
        QVERIFY(back.pictures().isEmpty());

        // "Yes": all fifteen entries under three headings.
        const XlsxReadBack all = write(desk, "all-fields.xlsx", true);
        QCOMPARE(all.text("A18"), QString("Свидетельство о поверке"));
        QCOMPARE(all.text("A20"), QString("ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ"));
    }

    void unwritableTarget_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder that does not exist") << "missing/report.xlsx";
        QTest::newRow("parent is a file") << "plain-file/report.xlsx";
    }

    void unwritableTarget()
    {
        QFETCH(QString, target);
        QFile plain(dir.filePath("plain-file"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        ReportDesk desk;
        desk.show("7 HRC", {1.0f, 2.0f});
        const QString path = dir.filePath(target);
        QVERIFY(!save_excel_report(desk.reports.collect_report_model(false, excelPlotSize), path));
        QVERIFY(!QFile::exists(path));
    }

    // The plots asked for, each at 522 x 313 pixels, one below the other under the values.
    void pictures()
    {
        ReportDesk desk;
        fill_form(desk);
        desk.show("7 HRC", {1.0f, 2.0f, 3.0f});
        desk.screen.choice.graph = true;
        desk.screen.choice.diagram = true;
        const int dotsPerMetre = desk.reports.collect_report_model(false, excelPlotSize).sketches.at(0)().dotsPerMeterX();
        const XlsxReadBack back = write(desk, "plots.xlsx", false);
        QVERIFY2(back.ok, qPrintable(back.error));

        // Three values end in row 12; statistics in H9:I13 make the next free row 14.
        const QJsonArray pictures = back.pictures();
        QCOMPARE(pictures.size(), 2);
        QCOMPARE(pictures.at(0).toObject().value("row").toInt(), 14);
        QCOMPARE(pictures.at(1).toObject().value("row").toInt(), 14 + 17);
        for (const QJsonValue &p : pictures) {
            QCOMPARE(p.toObject().value("col").toInt(), 0);
            QVERIFY(std::abs(p.toObject().value("cx").toDouble() - 522 * 36e6 / dotsPerMetre) <= 1);
            QVERIFY(std::abs(p.toObject().value("cy").toDouble() - 313 * 36e6 / dotsPerMetre) <= 1);
        }
        QCOMPARE(back.text("A50"), QString("Комментарии"));
    }

    void toleranceLine_data()
    {
        QTest::addColumn<bool>("limits");
        QTest::addColumn<bool>("graph");
        QTest::addColumn<bool>("diagram");
        QTest::addColumn<QString>("line"); // empty: no line

        // One picture from anchor 14 takes 17 rows; the line goes below it.
        QTest::newRow("limits with the graph") << true << true << false << "A32";
        QTest::newRow("limits with the diagram") << true << false << true << "A32";
        QTest::newRow("limits without a plot") << true << false << false << "";
        QTest::newRow("graph without limits") << false << true << false << "";
    }

    void toleranceLine()
    {
        QFETCH(bool, limits);
        QFETCH(bool, graph);
        QFETCH(bool, diagram);
        QFETCH(QString, line);
        ReportDesk desk;
        fill_form(desk);
        desk.setLimits(0, 10, limits);
        desk.screen.choice.graph = graph;
        desk.screen.choice.diagram = diagram;
        desk.show("7 HRC", {1.0f, 2.0f, 3.0f});
        const XlsxReadBack back = write(desk, QString("tolerance-%1.xlsx").arg(QTest::currentDataTag()), false);
        QVERIFY2(back.ok, qPrintable(back.error));

        if (line.isEmpty()) {
            QCOMPARE(cells_starting(back, "Допуск"), QStringList());
        } else {
            QCOMPARE(cells_starting(back, "Допуск"), QStringList{line});
            QCOMPARE(back.text(line), QString("Допуск: [0; 10]"));
        }
    }
};

QTEST_MAIN(TestExcelExport)
#include "tst_excelexport.moc"
