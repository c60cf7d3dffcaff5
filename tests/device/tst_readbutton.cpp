#include <QPushButton>
#include <QtTest>

#include "debugcapture.h"
#include "instrumentemulator.h"
#include "instrumentfixture.h"
#include "mainwindowaccess.h"
#include "settingssandbox.h"

// The read button follows the link: the handshake enables it, a loss disables it.
class ReadButtonTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sandbox.startWithoutPorts()); }

    void followsUnplugAndReplug()
    {
        MainWindow window;
        QPushButton *read = MainWindowAccess::ui(window)->button_read_data;
        QVERIFY(!read->isEnabled());

        InstrumentEmulator emulator;
        emulator.setBlocks(sampleBlocks());
        QVERIFY(emulator.openPseudoTerminal());
        QVERIFY(connectInstrument(window, emulator));
        QVERIFY(read->isEnabled());

        DebugCapture log;
        emulator.unplug();
        QTRY_VERIFY_WITH_TIMEOUT(!read->isEnabled(), 2000);
        QVERIFY(!MainWindowAccess::port(window).sendRequest(0x00050000, 4, 2000).size());
        QCOMPARE(log.count(QStringLiteral("Serial port is not open.")), 1);

        QVERIFY(emulator.openPseudoTerminal());
        QVERIFY(connectInstrument(window, emulator));
        QVERIFY(read->isEnabled());
        QCOMPARE(MainWindowAccess::port(window).getBlocksAmount(), sampleBlocks().size());
    }

private:
    SettingsSandbox sandbox;
};

QTEST_MAIN(ReadButtonTest)
#include "tst_readbutton.moc"
