// A reading as it is kept on disk: written so every float reads back bit for bit,
// and anything else refused with the reason.
#include <QtTest>

#include <QTemporaryDir>

#include <cfloat>
#include <cmath>
#include <limits>
#include <sys/stat.h>

#include "blockbits.h"
#include "readingfile.h"

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();
const float inf = std::numeric_limits<float>::infinity();

QByteArray file(const char *rest)
{
    return QByteArray(R"({"format": "ormeda-reading", "version": 1, "read_at": "2026-12-08T10:15:00+03:00", )") + rest;
}

} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void json_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QVector<Block>>("blocks"); // what the file holds when it is a reading
        QTest::addColumn<int>("error");
        const int none = int(ReadingError::None);

        const QVector<Block> special{{"Шов", {0.1f, -0.0f, 1e-45f, FLT_MAX, -FLT_MAX, -7.899f, 1e10f, NaN, inf, -inf}}};
        QTest::newRow("special values") << written(special) << special << none;
        const QVector<Block> names{{"Твёрдость ёЁ HRC", {42.26f}},
                                   {QString::fromUtf16(u"AB\u0000\u0000\"\\\n", 7), {1}},
                                   {QString(), {}}};
        QTest::newRow("Cyrillic, control characters, an empty block") << written(names) << names << none;
        const QVector<Block> full{{"full", QVector<float>(65535, 2.5f)}};
        QTest::newRow("65535 values") << written(full) << full << none;
        QTest::newRow("numbers as others write them")
            << file(R"("port": "", "blocks": [{"values": [1, -0, -0.0, 2.5E+1, 1e-3, "-inf"], "name": "x"}]})")
            << QVector<Block>{{"x", {1, -0.0f, -0.0f, 25, 0.001f, -inf}}} << none;
        QTest::newRow("no blocks") << file(R"("port": "", "blocks": []})") << QVector<Block>{} << none;

        const int notJson = int(ReadingError::NotJson);
        QTest::newRow("empty file") << QByteArray("") << QVector<Block>{} << notJson;
        QTest::newRow("cut short") << written(special).left(120) << QVector<Block>{} << notJson;
        const int other = int(ReadingError::OtherFormat);
        QTest::newRow("an array") << QByteArray(R"([{"format": "ormeda-reading", "version": 1}])") << QVector<Block>{}
                                  << other;
        QTest::newRow("another format") << written(special).replace("ormeda-reading", "ormeda-report")
                                        << QVector<Block>{} << other;
        QTest::newRow("version 2") << written(special).replace("\"version\": 1", "\"version\": 2") << QVector<Block>{}
                                   << other;
        const int type = int(ReadingError::WrongType);
        QTest::newRow("port missing") << file(R"("blocks": []})") << QVector<Block>{} << type;
        QTest::newRow("time that is none") << written(special).replace("2026", "20x6").replace("T", "t")
                                           << QVector<Block>{} << type;
        QTest::newRow("blocks an object") << file(R"("port": "", "blocks": {}})") << QVector<Block>{} << type;
        QTest::newRow("name a number") << file(R"("port": "", "blocks": [{"name": 1, "values": []}]})")
                                       << QVector<Block>{} << type;
        const int value = int(ReadingError::BadValue);
        QTest::newRow("number as text") << file(R"("port": "", "blocks": [{"name": "x", "values": ["1.5"]}]})")
                                        << QVector<Block>{} << value;
        QTest::newRow("null") << file(R"("port": "", "blocks": [{"name": "x", "values": [1, null]}]})")
                              << QVector<Block>{} << value;
        QTest::newRow("beyond the float") << file(R"("port": "", "blocks": [{"name": "x", "values": [3.5e38]}]})")
                                          << QVector<Block>{} << value;
        const int many = int(ReadingError::TooMany);
        QTest::newRow("65536 values") << written({{"x", QVector<float>(65536, 1)}}) << QVector<Block>{} << many;
        QTest::newRow("65536 blocks") << written(QVector<Block>(65536)) << QVector<Block>{} << many;
    }

    void json()
    {
        QFETCH(QByteArray, json);
        QFETCH(QVector<Block>, blocks);
        QFETCH(int, error);

        const ParsedReading parsed = reading_from_json(json);
        QCOMPARE(int(parsed.error), error);
        QCOMPARE(bits(parsed.reading.blocks), bits(blocks));

        // The same through a file.
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("reading.json"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(out.write(json), json.size());
        out.close();
        const ParsedReading read = read_reading_file(path);
        QCOMPARE(int(read.error), error);
        QCOMPARE(bits(read.reading.blocks), bits(blocks));
    }

    // A file far larger than any reading is refused before it is read: a sparse file
    // of that size reads as zeros, which would be refused only after seconds of parsing.
    void files_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("error");
        QTest::newRow("at the limit") << MaxReadingFileBytes << int(ReadingError::NotJson);
        QTest::newRow("a byte over") << MaxReadingFileBytes + 1 << int(ReadingError::TooLarge);
        QTest::newRow("286 MB") << qint64(286) * 1000 * 1000 << int(ReadingError::TooLarge);
    }

    void files()
    {
        QFETCH(qint64, size);
        QFETCH(int, error);
        const QString path = dir.filePath(QStringLiteral("large.json"));
        QFile sparse(path);
        QVERIFY(sparse.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(sparse.resize(size));
        sparse.close();
        QCOMPARE(int(read_reading_file(path).error), error);
        QFile::remove(path);
    }

    void unreadable()
    {
        QCOMPARE(int(read_reading_file(dir.filePath(QStringLiteral("missing.json"))).error),
                 int(ReadingError::Unreadable));
#ifdef Q_OS_UNIX
        // A pipe tells no size: what comes through it is counted.
        const QString fifo = dir.filePath(QStringLiteral("pipe.json"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QByteArray json = written({{"piped", {1.5f}}});
        QProcess writer;
        writer.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("printf '%s' \"$1\" > \"$2\""),
                                            QStringLiteral("sh"), QString::fromUtf8(json), fifo});
        const ParsedReading piped = read_reading_file(fifo);
        QVERIFY(writer.waitForFinished());
        QCOMPARE(int(piped.error), int(ReadingError::None));
        QCOMPARE(bits(piped.reading.blocks), bits({{"piped", {1.5f}}}));
#endif
    }

    void free_path()
    {
        const QDateTime at = QDateTime::fromString(QStringLiteral("2026-12-08T14:05:09"), Qt::ISODate);
        const QString first = free_reading_path(dir.path(), at);
        QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("2026-12-08_14-05-09.json"));
        QFile taken(first);
        QVERIFY(taken.open(QIODevice::WriteOnly));
        QCOMPARE(QFileInfo(free_reading_path(dir.path(), at)).fileName(), QStringLiteral("2026-12-08_14-05-09_2.json"));
    }
};

QTEST_GUILESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
