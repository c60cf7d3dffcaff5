#include <QtTest>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "blockcsv.h"
#include "csvtable.h"
#include "blockname.h"
#include "tolerancelimits.h"
#include "valuetext.h"

namespace {

// Exactly equal, NaN to NaN: QCOMPARE would forgive a last-bit difference.
bool same_number(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

class TestBlockText : public QObject
{
    Q_OBJECT

private slots:
    void display_text_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("full"); // for files: the shortest text that reads back exactly

        QTest::newRow("pi") << 3.14159f << 2 << "3.14" << "3.14159";
        QTest::newRow("cut below ten, not rounded up") << 9.999f << 2 << "9.99" << "9.999";
        QTest::newRow("0.29 is stored just below") << 0.29f << 2 << "0.29" << "0.29";
        QTest::newRow("45.8 is stored as 45.79999924") << 45.8f << 1 << "45.8" << "45.8";
        QTest::newRow("43.8") << 43.8f << 1 << "43.8" << "43.8";
        QTest::newRow("11.4") << 11.4f << 1 << "11.4" << "11.4";
        QTest::newRow("2.8 padded") << 2.8f << 2 << "2.80" << "2.8";
        QTest::newRow("2.345 cut, not rounded") << 2.345f << 2 << "2.34" << "2.345";
        QTest::newRow("one hundredth") << 0.01f << 2 << "0.01" << "0.01";
        QTest::newRow("10.05 cut onto 10.0") << 10.05f << 1 << "10.0" << "10.05";
        QTest::newRow("negative cut toward zero") << -7.899f << 2 << "-7.89" << "-7.899";
        QTest::newRow("zero") << 0.0f << 2 << "0.00" << "0";
        QTest::newRow("negative zero keeps its sign") << -0.0f << 2 << "0.00" << "-0";
        QTest::newRow("tiny negative cut to zero") << -0.001f << 2 << "0.00" << "-0.001";
        QTest::newRow("smallest step") << 1e-45f << 2 << "0.00" << "1e-45";
        QTest::newRow("ten") << 10.0f << 1 << "10.0" << "10";
        QTest::newRow("twelve") << 12.345f << 1 << "12.3" << "12.345";
        QTest::newRow("cut below a hundred") << 99.99f << 1 << "99.9" << "99.99";
        QTest::newRow("negative tens") << -55.55f << 1 << "-55.5" << "-55.55";
        QTest::newRow("hundred") << 100.0f << 0 << "100" << "100";
        QTest::newRow("cut to whole") << 123.9f << 0 << "123" << "123.9";
        QTest::newRow("negative whole") << -999.9f << 0 << "-999" << "-999.9";
        QTest::newRow("beyond the double fraction") << 1e20f << 0 << "100000002004087734272" << "1e+20";
        QTest::newRow("largest") << FLT_MAX << 0 << "340282346638528859811704183484516925440" << "3.4028235e+38";
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 0 << "nan" << "nan";
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << 0 << "inf" << "inf";
        QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity() << 0 << "-inf" << "-inf";
    }

    void display_text()
    {
        QFETCH(float, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QFETCH(QString, full);
        QCOMPARE(value_decimals(value), decimals);
        QCOMPARE(value_display_text(value), text);
        QCOMPARE(value_full_text(value), full);
        QVERIFY(same_number(value_measured_number(value), full.toDouble()));
        const CsvFormat point;
        QCOMPARE(block_csv({value, 1.5f}, point), "\xEF\xBB\xBFНомер,Значение\r\n1," + full.toUtf8() + "\r\n2,1.5\r\n");
    }

    // The limits judge the measured decimal without making its text where they can; they must
    // judge as its text would for any float, or a value would be red in the table and counted
    // within the limits by the summary, or the other way round.
    void outside_sweep_data()
    {
        QTest::addColumn<float>("from");
        QTest::addColumn<float>("to");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::newRow("around zero") << -0.05f << 0.05f << 0.0 << 0.01;
        QTest::newRow("below ten") << 9.9f << 10.1f << 9.99 << 10.0;
        QTest::newRow("below a hundred") << -100.1f << -99.9f << -100.0 << -99.95;
        QTest::newRow("a limit of 5") << 4.99f << 5.02f << 4.995 << 5.01;
        QTest::newRow("where floats become whole") << 8387000.0f << 8390000.0f << 8388607.5 << 8389000.0;
    }

    void outside_sweep()
    {
        QFETCH(float, from);
        QFETCH(float, to);
        QFETCH(double, min);
        QFETCH(double, max);
        const Limits limits{true, min, max};
        int checked = 0;
        for (float v = from; v <= to && checked < 200000; v = std::nextafter(v, to + 1.0f), ++checked) {
            const double measured = value_full_text(v).toDouble();
            if (limits.isOutside(v) != (measured < min || measured > max))
                QFAIL(qPrintable(value_full_text(v) + QStringLiteral(" is judged otherwise")));
        }
        QVERIFY(checked > 1000);
    }

    void outside_of_random_bits()
    {
        QRandomGenerator random(20260312);
        const Limits limits{true, -1.5, 2.8};
        for (int i = 0; i < 100000; ++i) {
            const quint32 bits = random.generate();
            float v;
            std::memcpy(&v, &bits, sizeof v);
            const double measured = value_full_text(v).toDouble();
            if (limits.isOutside(v) != (measured < limits.min || measured > limits.max))
                QFAIL(qPrintable(value_full_text(v) + QStringLiteral(" is judged otherwise")));
        }
    }

    // CSV as the spreadsheet of the system's settings reads it.
    void csv_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVector<QStringList>>("rows");
        QTest::addColumn<QByteArray>("csv");

        const QVector<QStringList> plain{{"A", "B"}, {"1", "-2.5"}};
        QTest::newRow("point: comma and point") << "en_US" << plain << QByteArray("A,B\r\n1,-2.5\r\n");
        QTest::newRow("comma: semicolon and comma") << "ru_RU" << plain << QByteArray("A;B\r\n1;-2,5\r\n");
        QTest::newRow("German as Russian") << "de_DE" << plain << QByteArray("A;B\r\n1;-2,5\r\n");
        const QVector<QStringList> awkward{{"Шов; 1", "a,b", "say \"x\"", "two\nlines", ""}};
        QTest::newRow("quoted where needed, comma") << "en_US" << awkward
                                                    << QByteArray("Шов; 1,\"a,b\",\"say \"\"x\"\"\",\"two\nlines\",\r\n");
        QTest::newRow("quoted where needed, semicolon")
            << "ru_RU" << awkward << QByteArray("\"Шов; 1\";a,b;\"say \"\"x\"\"\";\"two\nlines\";\r\n");
    }

    void csv()
    {
        QFETCH(QString, locale);
        QFETCH(QVector<QStringList>, rows);
        QFETCH(QByteArray, csv);
        const CsvFormat format = CsvFormat::forLocale(QLocale(locale));
        QVector<QStringList> written = rows;
        for (QStringList &row : written)
            for (QString &cell : row)
                if (cell.startsWith(QLatin1Char('-')) || (!cell.isEmpty() && cell.at(0).isDigit()))
                    cell = format.number(cell);
        QCOMPARE(csv_document(written, format), "\xEF\xBB\xBF" + csv);
    }

    void block_csv_in_a_comma_locale()
    {
        const QByteArray csv = block_csv({2.5f, -0.0f, 1e10f, std::numeric_limits<float>::quiet_NaN()},
                                         CsvFormat::forLocale(QLocale(QLocale::Russian, QLocale::Russia)));
        QCOMPARE(csv, QByteArray("\xEF\xBB\xBFНомер;Значение\r\n1;2,5\r\n2;-0\r\n3;1e+10\r\n4;nan\r\n"));
    }

    void clean_name_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("cleaned");

        QTest::newRow("latin and digits") << "Probe 12" << "Probe 12";
        QTest::newRow("zero code units stay") << QString::fromUtf16(u"AB\u0000\u0000", 4)
                                              << QString::fromUtf16(u"AB\u0000\u0000", 4);
        QTest::newRow("erased memory is dropped") << QString::fromUtf16(u"AB\uFFFF\uFFFF") << "AB";
        QTest::newRow("latin extended-B edge") << QString::fromUtf16(u"\u024F\u0250") << QString::fromUtf16(u"\u024F");
        QTest::newRow("cyrillic and supplement") << QString::fromUtf16(u"Блок 1 \u0400\u052F\u0530")
                                                 << QString::fromUtf16(u"Блок 1 \u0400\u052F");
        QTest::newRow("just below cyrillic") << QString::fromUtf16(u"\u03FF\u0400") << QString::fromUtf16(u"\u0400");
        QTest::newRow("latin extended additional")
            << QString::fromUtf16(u"\u1DFF\u1E00\u1EFF\u1F00") << QString::fromUtf16(u"\u1E00\u1EFF");
        QTest::newRow("numero sign, greek, CJK, marks")
            << QString::fromUtf16(u"\u2116 5 \u03A9\u4E2D\uFEFF\uFFFE") << " 5 ";
        QTest::newRow("surrogates") << QString::fromUtf16(u"x\U0001F600y") << "xy";
    }

    void clean_name()
    {
        QFETCH(QString, raw);
        QFETCH(QString, cleaned);
        QCOMPARE(clean_block_name(raw), cleaned);
    }

    // The instrument's UTF-16 bytes, as the read decodes them before cleaning.
    void name_from_bytes_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("name");
        QTest::newRow("nothing") << QByteArray() << "";
        QTest::newRow("low byte first") << QByteArray::fromHex("28043e043204") << QString::fromUtf16(u"Шов");
        QTest::newRow("odd last byte ignored") << QByteArray::fromHex("41004200ff") << "AB";
        QTest::newRow("a mark alone") << QByteArray::fromHex("fffe") << "";
        QTest::newRow("big-endian mark") << QByteArray::fromHex("feff0428043e0432") << QString::fromUtf16(u"Шов");
        // Only a leading pair is a mark; later, FE FF is the character U+FFFE, which is dropped.
        QTest::newRow("mark inside") << QByteArray::fromHex("4100fffe4200") << "AB";
        QTest::newRow("mark inside, swapped") << QByteArray::fromHex("4100feff4200") << "AB";
    }

    void name_from_bytes()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QString, name);
        QCOMPARE(block_name_from_bytes(raw), name);
    }
};

QTEST_APPLESS_MAIN(TestBlockText)
#include "tst_blocktext.moc"
