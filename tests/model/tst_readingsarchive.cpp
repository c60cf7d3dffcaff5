// The readings archive: the files of the readings folder, and one block name's history.
#include <QtTest>

#include "atomicwrite.h"
#include "blockhistory.h"
#include "readingsarchive.h"

namespace {

QDateTime day(int d)
{
    return QDateTime(QDate(2026, 3, d), QTime(8, 0));
}

bool write_reading(const QString &path, const QDateTime &readAt, const QVector<Block> &blocks)
{
    Reading reading;
    reading.readAt = readAt;
    reading.blocks = blocks;
    return write_file_atomically(path, reading_to_json(reading));
}

QStringList titles(const QVector<ArchivedReading> &readings)
{
    QStringList list;
    for (const ArchivedReading &archived : readings)
        list << archived_reading_title(archived);
    return list;
}

} // namespace

class TestReadingsArchive : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QVector<ArchivedReading> listed;

private slots:
    void initTestCase()
    {
        QVERIFY(write_reading(dir.filePath("a.json"), day(1),
                              {Block("ЭТАЛОН 45", {45.1f, 45.3f}), Block("7 HRC", {})}));
        QVERIFY(write_reading(dir.filePath("b.json"), day(2),
                              {Block("ЭТАЛОН 45", {44.9f, 45.0f, 45.2f}), Block("ЭТАЛОН 45", {46.5f})}));
        QVERIFY(write_reading(dir.filePath("c.json"), day(3), {Block("4711 Шов", {1, 2})}));
        QVERIFY(write_file_atomically(dir.filePath("broken.json"), "{\"format\": "));
        QVERIFY(write_file_atomically(dir.filePath("notes.txt"), "not a reading"));
        listed = list_readings(dir.path(), {});
    }

    // Newest read first, the file that is no reading last, other files not at all.
    void listing()
    {
        QCOMPARE(titles(listed), QStringList({reading_time_text(day(3)), reading_time_text(day(2)),
                                              reading_time_text(day(1)), "broken.json"}));
        QCOMPARE(listed.at(1).valueCount, 4);
        QVERIFY(!listed.at(3).readable);
        QCOMPARE(archived_block_names(listed.at(2)), QStringLiteral("ЭТАЛОН 45, 7 HRC"));
        QCOMPARE(archived_block_name_list(listed), QStringList({"4711 Шов", "7 HRC", "ЭТАЛОН 45"}));
        // The damaged file is left as it was.
        QFile broken(dir.filePath("broken.json"));
        QVERIFY(broken.open(QIODevice::ReadOnly));
        QCOMPARE(broken.readAll(), QByteArray("{\"format\": "));

        QTemporaryDir empty;
        QVERIFY(list_readings(empty.path(), {}).isEmpty());
        QVERIFY(list_readings(empty.filePath("not yet made"), {}).isEmpty());
    }

    // A file of unchanged size and time is not read again; one touched since is.
    void cache()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("r.json");
        QVERIFY(write_reading(path, day(4), {Block("1 HB", {1.5f})}));
        const QDateTime modified = QFileInfo(path).lastModified();
        ReadingsArchive archive;
        QCOMPARE(archive.list(folder.path()).size(), 1);

        QVERIFY(write_reading(path, day(4), {Block("2 HB", {2.5f})})); // the same size
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(archive.list(folder.path()).constFirst().reading.blocks.constFirst().name, QStringLiteral("1 HB"));

        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(modified.addSecs(5), QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(archive.list(folder.path()).constFirst().reading.blocks.constFirst().name, QStringLiteral("2 HB"));
        QVERIFY(QFile::remove(path));
        QVERIFY(archive.list(folder.path()).isEmpty());
    }

    void filter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("nothing typed") << "" << QStringList{"c", "b", "a", "broken"};
        QTest::newRow("case ignored") << "эталон" << QStringList{"b", "a"};
        QTest::newRow("part of a name") << "4711" << QStringList{"c"};
        QTest::newRow("the date") << reading_time_text(day(2)) << QStringList{"b"};
        QTest::newRow("file name of no reading") << "BROKEN" << QStringList{"broken"};
        QTest::newRow("nowhere") << "HV" << QStringList{};
    }

    void filter()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, files);
        QStringList matched;
        for (const ArchivedReading &archived : std::as_const(listed)) {
            if (archived_reading_matches(archived, typed))
                matched << QFileInfo(archived.path).baseName();
        }
        QCOMPARE(matched, files);
    }

    void cutNames()
    {
        const QString names = QString(79, 'x') + "yz";
        QCOMPARE(cut_names(names), QString(79, 'x') + "y…");
        QCOMPARE(cut_names(names.left(80)), names.left(80));
    }

    void history_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("limitsShown");
        QTest::addColumn<QVector<QStringList>>("rows"); // after the time of the read
        QTest::newRow("two in one reading, limits shown")
            << "ЭТАЛОН 45" << true
            << QVector<QStringList>{{"2", "45.1", "45.3", "45.2", "0.1", "0 (0.0 %)", "в допуске"},
                                    {"3", "44.9", "45.2", "45.0", "0.2", "0 (0.0 %)", "в допуске"},
                                    {"1", "46.5", "46.5", "46.5", "0.0", "1 (100.0 %)", "вне допуска"}};
        QTest::newRow("limits hidden") << "ЭТАЛОН 45" << false
                                       << QVector<QStringList>{{"2", "45.1", "45.3", "45.2", "0.1"},
                                                               {"3", "44.9", "45.2", "45.0", "0.2"},
                                                               {"1", "46.5", "46.5", "46.5", "0.0"}};
        QTest::newRow("empty block") << "7 HRC" << true
                                     << QVector<QStringList>{{"0", "—", "—", "—", "—", "—", "—"}};
        QTest::newRow("exact name only") << "ЭТАЛОН" << true << QVector<QStringList>{};
    }

    // The summary's figures and texts, oldest read first, each block its own row.
    void history()
    {
        QFETCH(QString, name);
        QFETCH(bool, limitsShown);
        QFETCH(QVector<QStringList>, rows);
        const QVector<HistoryPoint> points = block_history(listed, name, Limits{limitsShown, 44.9, 46.0});
        const SummaryTable table = history_table(points, limitsShown);
        QCOMPARE(table.titles.constFirst(), QStringLiteral("Дата и время чтения"));
        QCOMPARE(table.rows.size(), rows.size());
        for (int i = 0; i < rows.size(); ++i) {
            QStringList texts;
            for (const SummaryCell &cell : table.rows.at(i))
                texts << cell.text;
            QCOMPARE(texts.takeFirst(), reading_time_text(points.at(i).readAt));
            QCOMPARE(texts, rows.at(i));
        }
    }

    void csvAndFileName()
    {
        const QVector<HistoryPoint> points = block_history(listed, "ЭТАЛОН 45", Limits{true, 44.9, 46.0});
        const QByteArray csv = summary_csv(history_table(points, true), CsvFormat{';', ','});
        const QList<QByteArray> lines = csv.split('\n');
        QCOMPARE(lines.at(0), QByteArray("\xEF\xBB\xBFДата и время чтения;n;Min;Max;Среднее;σ;Вне допуска;Итог\r"));
        QCOMPARE(lines.at(3), (reading_time_text(day(2)) + ";1;46,5;46,5;46,5;0,0;1 (100,0 %);вне допуска\r").toUtf8());
        QCOMPARE(history_file_name("ЭТАЛОН 45", QDate(2026, 3, 4)), QStringLiteral("История ЭТАЛОН 45 2026-03-04.csv"));
        QCOMPARE(history_file_name("a/b:c\n", QDate(2026, 3, 4)), QStringLiteral("История a_b_c_ 2026-03-04.csv"));
    }
};

QTEST_GUILESS_MAIN(TestReadingsArchive)
#include "tst_readingsarchive.moc"
