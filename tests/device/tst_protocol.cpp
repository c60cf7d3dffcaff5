#include <QtTest>

#include "bytes.h"
#include "protocol.h"

using namespace protocol;

// The decoders, fed with frames as the instrument sends them.
class ProtocolTest : public QObject
{
    Q_OBJECT

private slots:
    void requestFrames_data()
    {
        QTest::addColumn<quint32>("word");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("identify") << requestWord(Identify) << hex("00000500");
        QTest::newRow("blocks amount") << requestWord(BlocksAmount) << hex("00000600");
        QTest::newRow("name of block 3") << requestWord(BlockName, 3) << hex("03000700");
        QTest::newRow("name of block 258") << requestWord(BlockName, 258) << hex("02010700");
        QTest::newRow("size of block 65535") << requestWord(BlockSize, 65535) << hex("ffff0800");
        QTest::newRow("data of block 2") << requestWord(BlockData, 2) << hex("02000900");
    }
    void requestFrames()
    {
        QFETCH(quint32, word);
        QFETCH(QByteArray, frame);
        QCOMPARE(uintToBytes(word), frame);
    }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("count");            // as amount and as size
        QTest::addColumn<QVector<quint32>>("bits"); // as values
        QTest::addColumn<bool>("identification");
        QTest::addColumn<bool>("error");

        QTest::newRow("amount 5") << hex("05000000") << 5 << QVector<quint32>{0x5} << false << false;
        QTest::newRow("one byte, the rest cut") << hex("07") << 7 << QVector<quint32>{} << false << false;
        QTest::newRow("high byte") << hex("0201") << 258 << QVector<quint32>{} << false << false;
        QTest::newRow("first half of the error answer") << hex("1000") << 16 << QVector<quint32>{} << false << false;
        QTest::newRow("worked example") << hex("0000803f00002040000000bf") << 0
                                        << bitsOf(QVector<float>{1.0f, 2.5f, -0.5f}) << false << false;
        QTest::newRow("NaN and infinity pass") << hex("0000c07f0000807f") << 0
                                               << QVector<quint32>{0x7fc00000, 0x7f800000} << false << false;
        QTest::newRow("not a multiple of 4") << hex("0000803f00") << 0 << QVector<quint32>{} << false << false;
        QTest::newRow("error answer") << hex("1000ff00") << 16 << QVector<quint32>{0x00ff0010} << false << true;
        QTest::newRow("longer, same start") << hex("1000ff000000803f") << 16
                                            << QVector<quint32>{0x00ff0010, 0x3f800000} << false << false;
        QTest::newRow("identification") << hex("3007fb82") << 0x0730 << QVector<quint32>{0x82fb0730} << true << false;
        QTest::newRow("identification and more") << hex("3007fb8200") << 0x0730 << QVector<quint32>{} << false << false;
    }
    void answers()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, count);
        QFETCH(QVector<quint32>, bits);
        QFETCH(bool, identification);
        QFETCH(bool, error);

        QCOMPARE(decodeBlocksAmount(answer), count);
        QCOMPARE(decodeBlockSize(answer), count);
        QCOMPARE(bitsOf(decodeBlockValues(answer)), bits);
        QCOMPARE(decodeBlockName(answer), answer);
        QCOMPARE(isIdentificationAnswer(answer), identification);
        QCOMPARE(isErrorAnswer(answer), error);
    }
};

QTEST_GUILESS_MAIN(ProtocolTest)
#include "tst_protocol.moc"
