#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include "bytes.h"
#include "debugcapture.h"
#include "port.h"
#include "sharedinstrument.h"

Q_DECLARE_METATYPE(CommandFault)

namespace {

// A generous margin over the 200 ms time-out of a short answer, far below ten times it.
constexpr qint64 shortAnswerBound = 1000;

QVector<float> counting(int n)
{
    QVector<float> values;
    for (int i = 0; i < n; ++i)
        values.append(float(i) + 0.5f);
    return values;
}

} // namespace

// Each case sets the blocks and faults it needs.
class BlockCommandsTest : public QObject, private SharedInstrument
{
    Q_OBJECT

    void setBlocks(const QVector<QVector<float>> &valueLists)
    {
        QVector<EmulatedBlock> blocks;
        for (int i = 0; i < valueLists.size(); ++i)
            blocks.append(EmulatedBlock::named(QStringLiteral("B%1").arg(i), valueLists.at(i)));
        emulator.setBlocks(blocks);
    }

private slots:
    void initTestCase() { QVERIFY(openLink()); }
    void cleanupTestCase() { closeLink(); }
    void init() { QVERIFY(settleEmulator(emulator)); }

    void workedExample()
    {
        setBlocks({{}, {7.0f}, {1.0f, 2.5f, -0.5f}});
        QCOMPARE(port->getBlockData(2), (QVector<float>{1.0f, 2.5f, -0.5f}));
        QCOMPARE(emulator.requests(), (QList<QByteArray>{hex("02000800"), hex("02000900")}));
    }

    void blocksAmount_data()
    {
        QTest::addColumn<CommandFault>("fault");
        QTest::addColumn<int>("expected");
        CommandFault none;
        QTest::newRow("five") << none << 5;
        CommandFault error;
        error.errorAnswer = true;
        QTest::newRow("error answer") << error << -1;
        CommandFault single;
        single.answer = hex("07");
        QTest::newRow("one byte, then the time-out") << single << 7;
        CommandFault silent;
        silent.silent = true;
        QTest::newRow("no answer") << silent << -1;
        CommandFault big;
        big.answer = hex("ffff1234");
        QTest::newRow("65535, bytes 2 and 3 unread") << big << 65535;
    }
    void blocksAmount()
    {
        QFETCH(CommandFault, fault);
        QFETCH(int, expected);
        setBlocks({{}, {}, {}, {}, {}});
        emulator.setFault(6, fault);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(port->getBlocksAmount(), expected);
        // A short answer is waited for 200 ms at most: a silent instrument must not hold a read.
        QVERIFY2(clock.elapsed() < shortAnswerBound, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(emulator.requests(), QList<QByteArray>{hex("00000600")});
    }

    void indexGoesOutLowByteFirst()
    {
        QVector<EmulatedBlock> blocks(259, EmulatedBlock::named(QStringLiteral("x"), {}));
        blocks[258] = EmulatedBlock::named(QStringLiteral("Last"), {});
        emulator.setBlocks(blocks);
        QCOMPARE(port->getBlockName(258), blocks[258].rawName);
        QCOMPARE(emulator.requests(), QList<QByteArray>{hex("02010700")});
    }

    void nameIsHandedOverUntouched_data()
    {
        QTest::addColumn<QByteArray>("rawName");
        QTest::newRow("erased padding") << EmulatedBlock::named(QStringLiteral("Шов"), {}, NamePadding::Erased).rawName;
        QTest::newRow("zero padding") << EmulatedBlock::named(QStringLiteral("Шов"), {}, NamePadding::Zeros).rawName;
        QTest::newRow("ten characters") << EmulatedBlock::named(QStringLiteral("0123456789"), {}).rawName;
    }
    void nameIsHandedOverUntouched()
    {
        QFETCH(QByteArray, rawName);
        EmulatedBlock block;
        block.rawName = rawName;
        emulator.setBlocks({block});
        QCOMPARE(port->getBlockName(0), rawName);
    }

    void failingNameGivesEmpty()
    {
        setBlocks({{}});
        DebugCapture log;
        QCOMPARE(port->getBlockName(1), QByteArray()); // past the last block: error answer after the time-out
        QCOMPARE(log.lines().mid(log.lines().size() - 4),
                 (QStringList{"recieved TIMEOUT", "name of block  1 : ", "response error", "error"}));
    }

    void blockSize_data()
    {
        QTest::addColumn<CommandFault>("fault");
        QTest::addColumn<int>("expected");
        CommandFault none;
        QTest::newRow("three") << none << 3;
        CommandFault error;
        error.errorAnswer = true;
        QTest::newRow("error answer in one piece") << error << -1;
        // The wait ends at the first two bytes of the error answer.
        CommandFault halves;
        halves.errorAnswer = true;
        halves.pieceSize = 2;
        halves.pieceGapMs = 50;
        QTest::newRow("10 00 alone") << halves << 16;
        CommandFault silent;
        silent.silent = true;
        QTest::newRow("no answer") << silent << -1;
    }
    void blockSize()
    {
        QFETCH(CommandFault, fault);
        QFETCH(int, expected);
        setBlocks({{1, 2, 3}});
        emulator.setFault(8, fault);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(port->getBlockSize(0), expected);
        QVERIFY2(clock.elapsed() < shortAnswerBound, qPrintable(QString::number(clock.elapsed())));
    }

    void dataAnswers_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<CommandFault>("fault");
        QTest::addColumn<QVector<float>>("expected");
        QTest::addColumn<int>("dataRequests");

        const CommandFault none;
        QTest::newRow("size 0 sends no data request") << QVector<float>() << none << QVector<float>() << 0;

        CommandFault cut;
        cut.cutAfter = 200;
        QTest::newRow("100 values cut after 200 bytes") << counting(100) << cut << counting(50) << 1;

        CommandFault oneMore;
        oneMore.extra = hex("00");
        QTest::newRow("401 bytes give none") << counting(100) << oneMore << QVector<float>() << 1;

        CommandFault fourMore;
        fourMore.extra = hex("0000803f");
        QTest::newRow("404 bytes give 101 values") << counting(100) << fourMore << counting(100) + QVector<float>{1.0f} << 1;

        const float looksLikeError = fromBits(0x00FF0010);
        QTest::newRow("starts like the error answer, but longer")
                << QVector<float>{looksLikeError, 2.0f} << none << QVector<float>{looksLikeError, 2.0f} << 1;
        QTest::newRow("exactly the error answer") << QVector<float>{looksLikeError} << none << QVector<float>() << 1;

        CommandFault error;
        error.errorAnswer = true;
        QTest::newRow("error answer to a block of one") << QVector<float>{3.0f} << error << QVector<float>() << 1;

        CommandFault late;
        late.delayMs = 40;
        QTest::newRow("one value, later than 10 ms") << QVector<float>{3.0f} << late << QVector<float>() << 1;
    }
    void dataAnswers()
    {
        QFETCH(QVector<float>, values);
        QFETCH(CommandFault, fault);
        QFETCH(QVector<float>, expected);
        QFETCH(int, dataRequests);

        setBlocks({values});
        emulator.setFault(9, fault);
        const QVector<float> got = port->getBlockData(0);
        QCOMPARE(bitsOf(got), bitsOf(expected));
        QCOMPARE(emulator.requests().size(), 1 + dataRequests);
    }

    void sizeFailureSendsNoDataRequest()
    {
        setBlocks({{1, 2}});
        CommandFault error;
        error.errorAnswer = true;
        emulator.setFault(8, error);
        QCOMPARE(port->getBlockData(0), QVector<float>());
        QCOMPARE(emulator.requests(), QList<QByteArray>{hex("00000800")});
    }

    // A whole read returns every name and every value bit for bit, including
    // values no range check would let through.
    void fullReadIsBitExact()
    {
        QRandomGenerator random(20240607);
        QVector<EmulatedBlock> blocks;
        for (int b = 0; b < 12; ++b) {
            QVector<float> values;
            const int n = b == 3 ? 0 : int(random.bounded(1, 300));
            for (int i = 0; i < n; ++i)
                values.append(fromBits(random.generate()));
            blocks.append(EmulatedBlock::named(QStringLiteral("Блок %1").arg(b), values,
                                               b % 2 ? NamePadding::Zeros : NamePadding::Erased));
        }
        blocks[0].values = {fromBits(0x7FC00001), fromBits(0x7F800000), fromBits(0xFF800000),
                            fromBits(0x00000001), fromBits(0x80000000), fromBits(0x00FF0010)};
        emulator.setBlocks(blocks);

        DebugCapture quiet(false);
        QCOMPARE(port->getBlocksAmount(), blocks.size());
        for (int b = 0; b < blocks.size(); ++b) {
            QCOMPARE(port->getBlockName(b), blocks[b].rawName);
            QCOMPARE(bitsOf(port->getBlockData(b)), bitsOf(blocks[b].values));
        }
        // A block of size 0 gets no data request.
        QCOMPARE(emulator.requests().size(), 1 + 3 * blocks.size() - 1);
    }

    void closedLinkFailsAtOnce()
    {
        Port closed;
        DebugCapture log;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(closed.getBlocksAmount(), -1);
        QCOMPARE(closed.getBlockName(0), QByteArray());
        QCOMPARE(closed.getBlockSize(0), -1);
        QCOMPARE(closed.getBlockData(0), QVector<float>());
        QVERIFY(clock.elapsed() < 100);
        QCOMPARE(log.count(QStringLiteral("Serial port is not open.")), 4);
        QCOMPARE(log.count(QStringLiteral("request error")), 1);
        QCOMPARE(log.count(QStringLiteral("Размер блока -  -1")), 1);
    }
};

QTEST_GUILESS_MAIN(BlockCommandsTest)
#include "tst_blockcommands.moc"
