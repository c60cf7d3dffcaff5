#include <QtTest>

#include "placement.h"

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void position_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QPoint>("expected");

        QTest::newRow("too tall for full HD") << QSize(1064, 1196) << QSize(1920, 1040) << QPoint(428, 20);
        QTest::newRow("fits on a large screen") << QSize(1064, 1196) << QSize(2560, 1400) << QPoint(748, 102);
        QTest::newRow("too wide: x stays negative") << QSize(1064, 600) << QSize(1000, 1000) << QPoint(-32, 20);
        QTest::newRow("too wide and too tall") << QSize(1064, 1196) << QSize(800, 600) << QPoint(-132, 20);
        QTest::newRow("exact fit") << QSize(800, 600) << QSize(800, 600) << QPoint(0, 0);
        QTest::newRow("odd difference truncates") << QSize(101, 101) << QSize(200, 200) << QPoint(49, 49);
        QTest::newRow("one pixel short truncates to zero") << QSize(201, 201) << QSize(200, 200) << QPoint(0, 0);
        QTest::newRow("no screen") << QSize(1064, 1196) << QSize(0, 0) << QPoint(-532, 20);
    }

    void position()
    {
        QFETCH(QSize, window);
        QFETCH(QSize, available);
        QFETCH(QPoint, expected);
        QCOMPARE(window_position(window, available), expected);
    }
};

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
