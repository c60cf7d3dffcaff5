#include <QtTest>

#include "placement.h"
#include "windowgeometry.h"

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

    // A panel on the left or top of the desktop moves the area; the window stays off it.
    void firstStart_data()
    {
        QTest::addColumn<QSize>("preferred");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");

        const QRect laptop(0, 0, 1366, 728);
        QTest::newRow("fits: centred, frame included") << QSize(1000, 600) << laptop << QRect(183, 79, 1000, 600);
        QTest::newRow("too tall: shrunk to the area") << QSize(1142, 1088) << laptop << QRect(112, 30, 1142, 698);
        QTest::newRow("panel on the left and top") << QSize(1000, 600) << QRect(64, 32, 1302, 736)
                                                   << QRect(215, 115, 1000, 600);
        QTest::newRow("second screen to the right") << QSize(1142, 1088) << QRect(1920, 0, 1920, 1040)
                                                    << QRect(2309, 30, 1142, 1010);
    }

    void firstStart()
    {
        QFETCH(QSize, preferred);
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        const QMargins titleBar(0, 30, 0, 0);
        QCOMPARE(first_start_geometry(preferred, titleBar, available), expected);
    }

    // What was saved comes back only whole and sound; anything else starts afresh.
    void savedGeometry_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("used");

        QTest::newRow("saved") << QByteArray(R"({"window_geometry":[10,40,900,600],"window_maximized":true,)"
                                             R"("window_columns":[200,500,300]})") << true;
        QTest::newRow("none: an older settings file") << QByteArray("{}") << false;
        QTest::newRow("text for a number") << QByteArray(R"({"window_geometry":[10,"40",900,600],)"
                                                         R"("window_maximized":false,"window_columns":[1,2,3]})")
                                           << false;
        QTest::newRow("two columns of three") << QByteArray(R"({"window_geometry":[10,40,900,600],)"
                                                            R"("window_maximized":false,"window_columns":[1,2]})")
                                              << false;
        QTest::newRow("maximized not a yes or no") << QByteArray(R"({"window_geometry":[10,40,900,600],)"
                                                                 R"("window_maximized":1,"window_columns":[1,2,3]})")
                                                   << false;
    }

    void savedGeometry()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, used);
        const auto saved = read_window_geometry(QJsonDocument::fromJson(json).object(), 3);
        QCOMPARE(bool(saved), used);
        if (!saved)
            return;
        QJsonObject again;
        write_window_geometry(again, *saved);
        QCOMPARE(again, QJsonDocument::fromJson(json).object());
    }

    void onScreens_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<QRect>("expected"); // null: not on a present screen

        QTest::newRow("on the first") << QRect(100, 100, 800, 600) << QRect(100, 100, 800, 600);
        QTest::newRow("straddling: moved onto the one holding its title")
            << QRect(1500, 100, 800, 600) << QRect(1120, 100, 800, 600);
        QTest::newRow("larger than its screen: shrunk") << QRect(0, 30, 2000, 1200) << QRect(0, 30, 1920, 1010);
        QTest::newRow("screen gone") << QRect(4000, 100, 800, 600) << QRect();
        QTest::newRow("title above every screen") << QRect(100, -500, 800, 600) << QRect();
    }

    void onScreens()
    {
        QFETCH(QRect, saved);
        QFETCH(QRect, expected);
        const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1366, 728)};
        QCOMPARE(place_on_screens(saved, QMargins(0, 30, 0, 0), screens).value_or(QRect()), expected);
    }
};

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
