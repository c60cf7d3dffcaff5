// The values table of a long block: its alike pages drawn from a short copy of the
// report come out as the document lays the table out whole, and a long table is
// drawn so, not laid out whole, on whichever Qt the program is built with. The
// reports are written from a model, with no window.
#include <QtTest>

#include <QTemporaryDir>

#include <limits>

#include "pdfreport.h"
#include "pdftools.h"

Q_DECLARE_METATYPE(ValuesTableDrawing)

char *toString(const ValuesTableDrawing &drawing)
{
    return qstrdup(drawing == ValuesTableDrawing::AlikePages ? "AlikePages" : "Whole");
}

namespace {

// Every seventh value `special` when it is not 0; `assessed`: with the tolerance
// assessment's rows after the statistics.
ReportModel long_block(int count, float special = 0, bool longHeader = false, bool assessed = false)
{
    ReportModel model;
    model.data.valueTitle = QStringLiteral("3 HB");
    model.data.entries = {
        {QStringLiteral("Компания"), QStringLiteral("ООО Ромашка"), QStringLiteral("Данные о компании")},
        {QStringLiteral("Дата"), QStringLiteral("08.12.2026"), QStringLiteral("Данные об отчете")}};
    if (longHeader) {
        for (int i = 0; i < 12; ++i)
            model.data.entries << ReportEntry{QStringLiteral("Поле %1").arg(i + 1), QStringLiteral("Заполнено"),
                                              QStringLiteral("Данные о приборе")};
        QImage logo(200, 600, QImage::Format_RGB32);
        logo.fill(Qt::darkGreen);
        model.logo = logo;
    }
    for (int i = 0; i < count; ++i)
        model.data.values << (special != 0 && i % 7 == 3 ? (i % 2 ? special : -special) : float(i % 250) / 3.0f);
    model.mean = 41.5;
    model.statisticsCaption = QStringLiteral("Статистика");
    model.statistics = {{QStringLiteral("Min"), 0.0}, {QStringLiteral("Max"), 83.0},
                        {QStringLiteral("Среднее"), 41.5}, {QStringLiteral("σ"), 24.0}};
    if (assessed)
        model.toleranceRows = {{QStringLiteral("Допуск"), QStringLiteral("[0; 80]")},
                               {QStringLiteral("Вне допуска"), QStringLiteral("12 из 600 (2.0 %)")},
                               {QStringLiteral("Cp"), QStringLiteral("0.56")},
                               {QStringLiteral("Cpk"), QStringLiteral("0.53")}};
    QImage plot(600, 400, QImage::Format_RGB32);
    plot.fill(Qt::white);
    model.plots << plot;
    model.toleranceLine = true;
    model.limitMax = 80;
    model.commentsCaption = QStringLiteral("Комментарии");
    model.comments = QStringLiteral("Образец 1");
    return model;
}

// Under the address sanitizer each report costs ten times as long, nearly all of it
// in the sanitizer's allocator; every fifth table end still takes each path of the
// quick drawing, and the plain builds sweep every end.
#if defined(__SANITIZE_ADDRESS__)
constexpr int tableEndStep = 5;
#else
constexpr int tableEndStep = 1;
#endif

} // namespace

class TestPdfPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // Pages of a long table drawn from one laid-out page come out as the table laid
    // out whole; a table the quick way cannot draw is laid out whole, and says so.
    void longTableAsLaidOutWhole_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<float>("special");
        QTest::addColumn<bool>("longHeader"); // many fields, a tall logo
        QTest::addColumn<bool>("assessed");
        QTest::addColumn<ValuesTableDrawing>("drawing");
        QTest::newRow("a few pages") << 400 << 0.0f << false << false << ValuesTableDrawing::AlikePages;
        QTest::newRow("many pages") << 3000 << 0.0f << false << false << ValuesTableDrawing::AlikePages;
        QTest::newRow("not finite values") << 600 << std::numeric_limits<float>::quiet_NaN() << false << false
                                           << ValuesTableDrawing::AlikePages;
        QTest::newRow("texts too long for the quick way") << 600 << 3.0e38f << false << false
                                                          << ValuesTableDrawing::Whole;
        QTest::newRow("long header") << 600 << 0.0f << true << false << ValuesTableDrawing::AlikePages;
        QTest::newRow("tolerance assessment") << 600 << 0.0f << false << true << ValuesTableDrawing::AlikePages;
    }

    void longTableAsLaidOutWhole()
    {
        QFETCH(int, count);
        QFETCH(float, special);
        QFETCH(bool, longHeader);
        QFETCH(bool, assessed);
        QFETCH(ValuesTableDrawing, drawing);
        const ReportModel model = long_block(count, special, longHeader, assessed);
        const QString quick = dir.filePath(QStringLiteral("quick.pdf"));
        const QString whole = dir.filePath(QStringLiteral("whole.pdf"));
        ValuesTableDrawing drawn = ValuesTableDrawing::Whole;
        QVERIFY(write_pdf_report_telling(model, quick, &drawn));
        QVERIFY(write_whole_pdf_report(model, whole));

        QCOMPARE(drawn, drawing);
        QCOMPARE(pdf_lines(quick), pdf_lines(whole));
        const QList<QImage> quickPages = pdf_pages(quick, 30);
        const QList<QImage> wholePages = pdf_pages(whole, 30);
        QCOMPARE(quickPages.size(), wholePages.size());
        QVERIFY(quickPages.size() > 3);
        for (int page = 0; page < quickPages.size(); ++page)
            QVERIFY2(quickPages.at(page) == wholePages.at(page), qPrintable(QString::number(page + 1)));
    }

    // Wherever the table ends on its last page, from one row to a full page, the
    // quick way pages it as the whole layout does, whatever follows the table.
    void everyTableEndAsLaidOutWhole_data()
    {
        QTest::addColumn<bool>("assessed");
        QTest::newRow("statistics") << false;
        QTest::newRow("statistics and tolerance assessment") << true;
    }

    void everyTableEndAsLaidOutWhole()
    {
        QFETCH(bool, assessed);
        for (int count = 300; count < 360; count += tableEndStep) {
            const ReportModel model = long_block(count, 0, false, assessed);
            const QString quick = dir.filePath(QStringLiteral("end-quick.pdf"));
            const QString whole = dir.filePath(QStringLiteral("end-whole.pdf"));
            ValuesTableDrawing drawn = ValuesTableDrawing::Whole;
            QVERIFY(write_pdf_report_telling(model, quick, &drawn));
            QVERIFY(write_whole_pdf_report(model, whole));
            QVERIFY2(drawn == ValuesTableDrawing::AlikePages, qPrintable(QString::number(count)));
            QVERIFY2(pdf_lines(quick) == pdf_lines(whole), qPrintable(QString::number(count)));
        }
    }

    // The longest block the instrument gives: laid out whole it takes half a
    // minute, so it must never slip back to that unnoticed.
    void longestBlockByAlikePages()
    {
        const ReportModel model = long_block(65535);
        const QString path = dir.filePath(QStringLiteral("longest.pdf"));
        ValuesTableDrawing drawn = ValuesTableDrawing::Whole;
        QVERIFY(write_pdf_report_telling(model, path, &drawn));
        QCOMPARE(drawn, ValuesTableDrawing::AlikePages);
        const QList<QStringList> rows = pdf_rows(path);
        QVERIFY(rows.contains(QStringList{QStringLiteral("65535"), QStringLiteral("11.3"), QStringLiteral("30.2")}));
    }

private:
    QTemporaryDir dir;
};

QTEST_MAIN(TestPdfPages)
#include "tst_pdfpages.moc"
