#include <QtTest>

#include <QImage>
#include <QTemporaryDir>

#include <cmath>
#include <limits>

#include "xlsxdocument.h"
#include "xlsxreader.h"

namespace {

XlsxFormat boldCentred()
{
    XlsxFormat f;
    f.bold = true;
    f.horizontal = XlsxFormat::HAlign::Center;
    f.vertical = XlsxFormat::VAlign::Center;
    return f;
}

} // namespace

class TestXlsxDocument : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    XlsxReadBack saveAndRead(const XlsxDocument &doc, const QString &name)
    {
        const QString path = dir.filePath(name);
        if (!doc.saveAs(path))
            return {};
        XlsxReadBack back = read_xlsx(path);
        if (!back.ok)
            qWarning() << back.error;
        return back;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void cellTypes_data()
    {
        QTest::addColumn<QVariant>("written");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QVariant>("read");

        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("int") << QVariant(42) << "n" << QVariant(42);
        QTest::newRow("unsigned") << QVariant(7u) << "n" << QVariant(7);
        QTest::newRow("double") << QVariant(56.9) << "n" << QVariant(56.9);
        QTest::newRow("float") << QVariant(2.5f) << "n" << QVariant(2.5);
        QTest::newRow("negative") << QVariant(-66.5) << "n" << QVariant(-66.5);
        QTest::newRow("text that looks like a number") << QVariant("5.00") << "s" << QVariant("5.00");
        QTest::newRow("cyrillic text") << QVariant("Отчет") << "s" << QVariant("Отчет");
        QTest::newRow("overline") << QVariant(QString::fromUtf8("X\u0305 - x")) << "s"
                                  << QVariant(QString::fromUtf8("X\u0305 - x"));
        QTest::newRow("multi-line text") << QVariant("a\nb") << "s" << QVariant("a\nb");
        QTest::newRow("not a number") << QVariant(std::nan("")) << "s" << QVariant("nan");
        QTest::newRow("infinity") << QVariant(inf) << "s" << QVariant("inf");
        QTest::newRow("minus infinity") << QVariant(-inf) << "s" << QVariant("-inf");
        QTest::newRow("float not a number") << QVariant(std::numeric_limits<float>::quiet_NaN()) << "s"
                                            << QVariant("nan");
        QTest::newRow("empty text") << QVariant(QString()) << "n" << QVariant();
        QTest::newRow("null") << QVariant() << "n" << QVariant();
    }

    void cellTypes()
    {
        QFETCH(QVariant, written);
        QFETCH(QString, type);
        QFETCH(QVariant, read);

        XlsxDocument doc;
        QVERIFY(doc.writeCell(3, 2, written, boldCentred()));
        QVERIFY(doc.writeCell(1, 1, "anchor")); // a sheet with at least one text
        const XlsxReadBack back = saveAndRead(doc, QString("types-%1.xlsx").arg(QTest::currentDataTag()));
        QVERIFY(back.ok);
        QCOMPARE(back.type("B3"), type);
        if (read.isValid())
            QCOMPARE(back.value("B3").toVariant(), read);
        else
            QVERIFY(back.value("B3").isNull());
        QVERIFY(back.cell("B3").value("bold").toBool());
        QCOMPARE(back.json.value("invalidNumbers").toArray().size(), 0);
    }

    void mergedCaptionKeepsTheMergeFormat()
    {
        XlsxDocument doc;
        XlsxFormat bordered;
        bordered.setBorder(XlsxFormat::Border::Thin);
        QVERIFY(doc.writeCell(2, 4, "written before", bordered)); // keeps its value when merged later
        QVERIFY(doc.mergeCells("A1:F1", boldCentred()));
        QVERIFY(doc.writeCell(1, 1, "Данные о компании"));
        QVERIFY(doc.mergeCells(2, 4, 2, 6, boldCentred()));
        QVERIFY(doc.mergeCells("A3:I4", bordered));
        QVERIFY(doc.writeCell(3, 1, "comments"));
        QVERIFY(doc.writeCell(5, 1, "plain", boldCentred()));
        QVERIFY(doc.writeCell(5, 1, "replaced", bordered)); // an explicit format replaces the old one

        const XlsxReadBack back = saveAndRead(doc, "merge.xlsx");
        QVERIFY(back.ok);
        QCOMPARE(back.merged(), (QStringList{"A1:F1", "A3:I4", "D2:F2"}));
        QCOMPARE(back.text("A1"), QString("Данные о компании"));
        for (const QString ref : {"A1", "C1", "F1", "D2", "F2"}) {
            QVERIFY2(back.cell(ref).value("bold").toBool(), qPrintable(ref));
            QCOMPARE(back.cell(ref).value("h").toString(), QString("center"));
            QCOMPARE(back.cell(ref).value("v").toString(), QString("center"));
        }
        QCOMPARE(back.text("D2"), QString("written before"));
        QCOMPARE(back.cell("A3").value("left").toString(), QString("thin"));
        QCOMPARE(back.cell("I4").value("bottom").toString(), QString("thin"));
        QCOMPARE(back.text("A3"), QString("comments"));
        QCOMPARE(back.text("A5"), QString("replaced"));
        QVERIFY(!back.cell("A5").value("bold").toBool());
        QCOMPARE(back.cell("A5").value("top").toString(), QString("thin"));
        QCOMPARE(back.json.value("overlappingMerges").toArray().size(), 0);
    }

    void overlappingMergeIsRefused()
    {
        XlsxDocument doc;
        QVERIFY(doc.mergeCells("A1:F1", boldCentred()));
        QVERIFY(!doc.mergeCells("F1:I1", boldCentred()));
        QVERIFY(!doc.mergeCells("A1:A2", boldCentred()));
        QVERIFY(doc.mergeCells("G1:I1", boldCentred()));
        const XlsxReadBack back = saveAndRead(doc, "overlap.xlsx");
        QVERIFY(back.ok);
        QCOMPARE(back.merged(), (QStringList{"A1:F1", "G1:I1"}));
    }

    void ranges_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QVector<int>>("bounds");

        QTest::newRow("row") << "A12:I12" << true << QVector<int>{12, 1, 12, 9};
        QTest::newRow("block") << "A35:I36" << true << QVector<int>{35, 1, 36, 9};
        QTest::newRow("one cell") << "H13" << true << QVector<int>{13, 8, 13, 8};
        QTest::newRow("lower case") << "d2:f2" << true << QVector<int>{2, 4, 2, 6};
        QTest::newRow("last cell") << "XFD1048576" << true << QVector<int>{1048576, 16384, 1048576, 16384};
        QTest::newRow("row zero") << "A0:B1" << false << QVector<int>();
        QTest::newRow("past the last column") << "XFE1" << false << QVector<int>();
        QTest::newRow("past the last row") << "A1048577" << false << QVector<int>();
        QTest::newRow("no row") << "A:B" << false << QVector<int>();
        QTest::newRow("open end") << "A1:" << false << QVector<int>();
        QTest::newRow("empty") << "" << false << QVector<int>();
    }

    void ranges()
    {
        QFETCH(QString, range);
        QFETCH(bool, valid);
        QFETCH(QVector<int>, bounds);
        int r1 = 0, c1 = 0, r2 = 0, c2 = 0;
        QCOMPARE(XlsxDocument::parseRange(range, &r1, &c1, &r2, &c2), valid);
        if (valid)
            QCOMPARE((QVector<int>{r1, c1, r2, c2}), bounds);
    }

    void outOfSheetWritesAreRefused()
    {
        XlsxDocument doc;
        QVERIFY(!doc.writeCell(0, 1, 1));
        QVERIFY(!doc.writeCell(1, 0, 1));
        QVERIFY(!doc.writeCell(XlsxDocument::maxRow + 1, 1, 1));
        QVERIFY(!doc.mergeCells(2, 3, 1, 3, boldCentred())); // reversed
        QVERIFY(!doc.setColumnWidth(0, 9, 8.5));
        QVERIFY(!doc.insertImage(-1, 0, QImage(2, 2, QImage::Format_RGB32)));
        QVERIFY(!doc.insertImage(0, 0, QImage()));
    }

    void formats()
    {
        XlsxDocument doc;
        XlsxFormat cell;
        cell.fontName = "Times New Roman";
        cell.fontSize = 11;
        cell.horizontal = XlsxFormat::HAlign::Center;
        cell.vertical = XlsxFormat::VAlign::Center;
        cell.setBorder(XlsxFormat::Border::Thin);
        XlsxFormat thickLeft = cell;
        thickLeft.left = XlsxFormat::Border::Thick;
        XlsxFormat text;
        text.fontName = "Times New Roman";
        text.fontSize = 11;
        text.horizontal = XlsxFormat::HAlign::Justify;
        text.textWrap = true;

        doc.writeCell(1, 1, 1, cell);
        doc.writeCell(1, 4, 33, thickLeft);
        doc.writeCell(1, 5, "x", cell);
        doc.writeCell(2, 1, "long text", text);
        const XlsxReadBack back = saveAndRead(doc, "formats.xlsx");
        QVERIFY(back.ok);

        const QJsonObject a1 = back.cell("A1");
        QCOMPARE(a1.value("font").toString(), QString("Times New Roman"));
        QCOMPARE(a1.value("size").toDouble(), 11.0);
        QVERIFY(!a1.value("bold").toBool());
        for (const char *side : {"left", "right", "top", "bottom"})
            QCOMPARE(a1.value(side).toString(), QString("thin"));
        QCOMPARE(back.cell("D1").value("left").toString(), QString("thick"));
        QCOMPARE(back.cell("D1").value("right").toString(), QString("thin"));
        QCOMPARE(back.cell("E1").value("left").toString(), QString("thin"));
        QCOMPARE(back.cell("A2").value("h").toString(), QString("justify"));
        QVERIFY(back.cell("A2").value("wrap").toBool());
        QVERIFY(back.cell("A2").value("left").isNull());
    }

    // Cells alike but for their number format keep each its own: formats are shared between
    // cells that look the same.
    void numberFormats_data()
    {
        QTest::addColumn<QString>("numberFormat");
        QTest::addColumn<QString>("expected"); // as openpyxl reads it back
        QTest::newRow("two decimals") << "0.00" << "0.00";
        QTest::newRow("one decimal") << "0.0" << "0.0";
        QTest::newRow("whole") << "0" << "0";
        QTest::newRow("none") << "" << "General";
    }

    void numberFormats()
    {
        QFETCH(QString, numberFormat);
        QFETCH(QString, expected);
        XlsxDocument doc;
        XlsxFormat base = boldCentred();
        const QStringList all{"0.00", "0.0", "0", ""};
        for (int row = 1; row <= all.size(); ++row) {
            XlsxFormat format = base;
            format.numberFormat = all.at(row - 1);
            QVERIFY(doc.writeCell(row, 1, 2.345, format));
        }
        const XlsxReadBack back = saveAndRead(doc, "numbers.xlsx");
        QVERIFY(back.ok);
        const QString ref = QStringLiteral("A%1").arg(all.indexOf(numberFormat) + 1);
        QCOMPARE(back.cell(ref).value("numberFormat").toString(), expected);
        QCOMPARE(back.value(ref).toDouble(), 2.345); // the number stays whole, however shown
        QCOMPARE(back.type(ref), QStringLiteral("n"));
        QVERIFY(back.cell(ref).value("bold").toBool());
    }

    void columnWidths()
    {
        XlsxDocument doc;
        QVERIFY(doc.setColumnWidth(1, 9, 8.5));
        doc.writeCell(1, 1, "a");
        const XlsxReadBack back = saveAndRead(doc, "widths.xlsx");
        QVERIFY(back.ok);
        const QJsonArray columns = back.json.value("columns").toArray();
        QCOMPARE(columns.size(), 1);
        QCOMPARE(columns.at(0).toObject().value("min").toInt(), 1);
        QCOMPARE(columns.at(0).toObject().value("max").toInt(), 9);
        // The file stores the width with the cell padding: 8.5 characters of
        // 7 pixels plus 5 pixels, kept to 1/256.
        QVERIFY(std::abs(columns.at(0).toObject().value("width").toDouble() - 65.0 / 7.0) < 1.0 / 256);
    }

    void pictures_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<int>("dotsPerMetre");
        QTest::addColumn<QPoint>("anchor"); // column, row

        QTest::newRow("logo at 96 dpi") << QSize(177, 177) << 3780 << QPoint(6, 0);
        QTest::newRow("plot at 100 dpi") << QSize(522, 313) << 3937 << QPoint(0, 45);
        QTest::newRow("plot at 200 dpi") << QSize(522, 313) << 7874 << QPoint(0, 62);
        QTest::newRow("wide logo at 72 dpi") << QSize(177, 44) << 2835 << QPoint(6, 0);
    }

    void pictures()
    {
        QFETCH(QSize, pixels);
        QFETCH(int, dotsPerMetre);
        QFETCH(QPoint, anchor);

        QImage image(pixels, QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        XlsxDocument doc;
        doc.writeCell(1, 1, "a");
        QVERIFY(doc.insertImage(anchor.y(), anchor.x(), image));
        const XlsxReadBack back = saveAndRead(doc, QString("picture-%1.xlsx").arg(QTest::currentDataTag()));
        QVERIFY(back.ok);

        QCOMPARE(back.pictures().size(), 1);
        const QJsonObject p = back.pictures().at(0).toObject();
        QCOMPARE(p.value("col").toInt(), anchor.x());
        QCOMPARE(p.value("row").toInt(), anchor.y());
        QCOMPARE(p.value("colOff").toInt(), 0);
        QCOMPARE(p.value("rowOff").toInt(), 0);
        const double emuWidth = pixels.width() * 36e6 / dotsPerMetre;
        const double emuHeight = pixels.height() * 36e6 / dotsPerMetre;
        QVERIFY2(std::abs(p.value("cx").toDouble() - emuWidth) <= 1.0, qPrintable(QString::number(emuWidth)));
        QVERIFY2(std::abs(p.value("cy").toDouble() - emuHeight) <= 1.0, qPrintable(QString::number(emuHeight)));

        const QJsonArray anchors = back.json.value("openpyxlAnchors").toArray();
        if (!anchors.isEmpty()) { // openpyxl reads pictures only when Pillow is there
            QCOMPARE(anchors.at(0).toObject().value("row").toInt(), anchor.y());
            QCOMPARE(anchors.at(0).toObject().value("col").toInt(), anchor.x());
        }
    }

    void saveFailures_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder that does not exist") << "missing/report.xlsx";
        QTest::newRow("parent is a file") << "plain-file/report.xlsx";
        QTest::newRow("target is a folder") << "a-folder";
        QTest::newRow("empty name") << "";
    }

    void saveFailures()
    {
        QFETCH(QString, target);
        QTemporaryDir here;
        QFile file(here.filePath("plain-file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(here.path()).mkdir("a-folder"));

        XlsxDocument doc;
        doc.writeCell(1, 1, "a");
        const QString path = target.isEmpty() ? QString() : here.filePath(target);
        QVERIFY(!doc.saveAs(path));
        QVERIFY(QFileInfo(here.filePath("a-folder")).isDir());
        QCOMPARE(QDir(here.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 (QStringList{"a-folder", "plain-file"}));
    }

    void saveReplacesAnOldFile()
    {
        const QString path = dir.filePath("replace.xlsx");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older report, much longer than nothing at all");
        old.close();

        XlsxDocument doc;
        doc.writeCell(1, 1, "new");
        QVERIFY(doc.saveAs(path));
        const XlsxReadBack back = read_xlsx(path);
        QVERIFY2(back.ok, qPrintable(back.error));
        QCOMPARE(back.text("A1"), QString("new"));
        QCOMPARE(back.json.value("sheets").toInt(), 1);
    }
};

QTEST_MAIN(TestXlsxDocument)
#include "tst_xlsxdocument.moc"
