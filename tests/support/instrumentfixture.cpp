#include "instrumentfixture.h"

#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "instrumentemulator.h"
#include "mainwindowaccess.h"
#include "portaccess.h"
#include "portlisting.h"
#include "serialportmonitor.h"

namespace {

bool monitorKnows(Port &port, const QString &path)
{
    for (const PortDescription &known : PortAccess::knownPorts(PortAccess::monitor(port))) {
        if (known.portName == path)
            return true;
    }
    return false;
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

} // namespace

void listEmulatorPort(InstrumentEmulator &emulator)
{
    const QPointer<InstrumentEmulator> guarded(&emulator);
    SerialPortMonitor::setPortSource([guarded]() -> QList<PortDescription> {
        if (!guarded || !guarded->isOpen())
            return {};
        return {PortDescription{guarded->devicePath(), QStringLiteral("Ormeda emulator")}};
    });
}

bool plugInstrument(Port &port, InstrumentEmulator &emulator, int timeoutMs)
{
    if (!emulator.isOpen()) {
        QTest::qFail("the emulator has no open line", __FILE__, __LINE__);
        return false;
    }
    if (PortAccess::serialPort(port).isOpen()) {
        QTest::qFail("the port is already connected", __FILE__, __LINE__);
        return false;
    }
    const QString path = emulator.devicePath();
    if (monitorKnows(port, path)) {
        listPorts({});
        if (!waitFor([&] { return !monitorKnows(port, path); }, 2000)) {
            QTest::qFail("the monitor kept an old port of the same name", __FILE__, __LINE__);
            return false;
        }
    }
    QSignalSpy found(&port, &Port::validPortFound);
    listEmulatorPort(emulator);
    if (!waitFor([&] { return found.count() > 0; }, timeoutMs)) {
        QTest::qFail("the handshake did not find the emulator", __FILE__, __LINE__);
        return false;
    }
    return true;
}

bool connectInstrument(MainWindow &window, InstrumentEmulator &emulator, int timeoutMs)
{
    if (!plugInstrument(MainWindowAccess::port(window), emulator, timeoutMs))
        return false;
    QPushButton *read = MainWindowAccess::ui(window)->button_read_data;
    if (!waitFor([&] { return read->isEnabled(); }, 1000)) {
        QTest::qFail("the read button stayed disabled", __FILE__, __LINE__);
        return false;
    }
    return true;
}
