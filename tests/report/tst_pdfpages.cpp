// How the PDF report goes onto its pages: the values table with its heading row on
// every page, the statistics with the tolerance assessment and the comments with the
// signature never split, values outside the shown limits in red. The reports are
// written from a model, with no window, and read back by pdftotext and pdftoppm.
#include <QtTest>

#include <QTemporaryDir>

#include "pdfreport.h"
#include "pdftools.h"

namespace {

ReportModel long_block(int count, bool assessed, bool plots = true)
{
    ReportModel model;
    model.data.valueTitle = QStringLiteral("3 HB");
    model.data.entries = {
        {QStringLiteral("Компания"), QStringLiteral("ООО Ромашка"), QStringLiteral("Данные о компании")},
        {QStringLiteral("Дата"), QStringLiteral("08.12.2026"), QStringLiteral("Данные об отчете")}};
    for (int i = 0; i < count; ++i)
        model.data.values << float(i % 250) / 3.0f;
    model.mean = 41.5;
    model.statisticsCaption = QStringLiteral("Статистика");
    model.statistics = {{QStringLiteral("Min"), 0.0}, {QStringLiteral("Max"), 83.0},
                        {QStringLiteral("Среднее"), 41.5}, {QStringLiteral("σ"), 24.0}};
    if (assessed)
        model.toleranceRows = {{QStringLiteral("Допуск"), QStringLiteral("[0; 80]")},
                               {QStringLiteral("Вне допуска"), QStringLiteral("12 из 600 (2.0 %)")},
                               {QStringLiteral("Cp"), QStringLiteral("0.56")},
                               {QStringLiteral("Итог"), QStringLiteral("вне допуска")}};
    if (plots) {
        QImage plot(600, 400, QImage::Format_RGB32);
        plot.fill(Qt::white);
        model.plots << plot;
    }
    model.commentsCaption = QStringLiteral("Комментарии");
    model.comments = QStringLiteral("Образец 1");
    return model;
}

// Each page's lines of words, without its number.
QList<QList<QStringList>> page_rows(const QString &path)
{
    QList<QList<QStringList>> pages;
    const QStringList texts =
        run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
            .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    for (int page = 0; page < texts.size(); ++page) {
        QList<QStringList> rows;
        for (const QString &line : texts.at(page).split(QLatin1Char('\n')))
            if (!words(line).isEmpty())
                rows << words(line);
        if (!rows.isEmpty() && rows.last() == QStringList(QString::number(page + 1)))
            rows.removeLast();
        pages << rows;
    }
    return pages;
}

int page_of(const QList<QList<QStringList>> &pages, const QString &word)
{
    for (int page = 0; page < pages.size(); ++page)
        for (const QStringList &row : pages.at(page))
            if (row.contains(word))
                return page;
    return -1;
}

} // namespace

class TestPdfPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // Every page the table runs onto starts with its heading row, and every value is
    // listed once, in order.
    void headingOnEveryPage_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one page") << 10;
        QTest::newRow("a few pages") << 400;
        QTest::newRow("the longest block") << 65535;
    }

    void headingOnEveryPage()
    {
        QFETCH(int, count);
        const QString path = dir.filePath(QStringLiteral("heading.pdf"));
        QVERIFY(write_pdf_report(long_block(count, false), path));
        const QList<QList<QStringList>> pages = page_rows(path);
        const QStringList heading = {QStringLiteral("Номер"), QStringLiteral("3"), QStringLiteral("HB")};
        int listed = 0;
        for (int page = 0; page < pages.size(); ++page) {
            bool headed = false;
            for (const QStringList &row : pages.at(page)) {
                if (row.mid(0, 3) == heading) {
                    headed = true;
                } else if (row.size() == 3 && row.first() == QString::number(listed + 1)) {
                    QVERIFY2(headed, qPrintable(QStringLiteral("page %1").arg(page + 1)));
                    ++listed;
                }
            }
        }
        QCOMPARE(listed, count);
    }

    // Wherever the table ends, the statistics table with the assessment's rows stays on
    // one page, and so do the comments and the signature.
    void piecesNeverSplit_data()
    {
        QTest::addColumn<bool>("plots");
        QTest::newRow("with a plot") << true;
        QTest::newRow("without plots") << false;
    }

    void piecesNeverSplit()
    {
        QFETCH(bool, plots);
        for (int count = 40; count < 140; count += 3) {
            const QString path = dir.filePath(QStringLiteral("split.pdf"));
            QVERIFY(write_pdf_report(long_block(count, true, plots), path));
            const QList<QList<QStringList>> pages = page_rows(path);
            const QByteArray where = QByteArray::number(count);
            QVERIFY2(page_of(pages, QStringLiteral("Статистика")) == page_of(pages, QStringLiteral("Итог")), where);
            const int end = page_of(pages, QStringLiteral("Комментарии"));
            QVERIFY2(end == page_of(pages, QStringLiteral("подпись")), where);
        }
    }

    // Values outside the shown limits are red; no value is while the limits are hidden.
    void outsideValuesInRed_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("red");
        QTest::newRow("limits shown") << true << true;
        QTest::newRow("limits hidden") << false << false;
    }

    void outsideValuesInRed()
    {
        QFETCH(bool, shown);
        QFETCH(bool, red);
        ReportModel model = long_block(10, false, false);
        model.limits = {shown, 0.0, 2.0};
        const QString path = dir.filePath(QStringLiteral("red.pdf"));
        QVERIFY(write_pdf_report(model, path));
        run_tool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), path, dir.filePath(QStringLiteral("red"))});
        const QImage page(dir.filePath(QStringLiteral("red.png")));
        QVERIFY(!page.isNull());
        int reddish = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                reddish += c.red() - c.green() > 100 && c.red() - c.blue() > 100;
            }
        QCOMPARE(reddish > 0, red);
    }

    // What a document archive lists: the title with the report number, the operator as
    // the author (in the XMP packet), the program as the creator.
    void metadata()
    {
        ReportModel model = long_block(3, false, false);
        model.captions.pdfTitle = QStringLiteral("Отчет о проведении контроля");
        model.data.reportNumber = QStringLiteral("R-2026/117");
        model.data.operatorName = QStringLiteral("Иванов <И. И.>");
        model.data.creator = QStringLiteral("Ormeda 1.2.3");
        const QString path = dir.filePath(QStringLiteral("meta.pdf"));
        QVERIFY(write_pdf_report(model, path));
        const QStringList info = run_tool(QStringLiteral("pdfinfo"), {path}).split(QLatin1Char('\n'));
        QCOMPARE(info.filter(QRegularExpression(QStringLiteral("^Title: +Отчет о проведении контроля R-2026/117$"))).size(),
                 1);
        QCOMPARE(info.filter(QRegularExpression(QStringLiteral("^Creator: +Ormeda 1.2.3$"))).size(), 1);
        const QString xmp = run_tool(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), path});
        QVERIFY2(xmp.contains(QStringLiteral("<rdf:li>Иванов &lt;И. И.&gt;</rdf:li>")), qPrintable(xmp));
    }

private:
    QTemporaryDir dir;
};

QTEST_MAIN(TestPdfPages)
#include "tst_pdfpages.moc"
