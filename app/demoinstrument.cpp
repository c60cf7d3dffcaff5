#include "demoinstrument.h"

#include <QDebug>
#include <QMenu>
#include <QTimer>

#include "demoblocks.h"
#include "instrumentemulator.h"
#include "port.h"
#include "serialportmonitor.h"

DemoInstrument::DemoInstrument(QMenu *helpMenu, Port &port, QObject *parent)
    : QObject(parent)
    , port(port)
    , entry(new QAction(this))
{
    entry->setObjectName(QStringLiteral("action_demo_instrument"));
    entry->setCheckable(true);
    helpMenu->addAction(entry);
    retranslate();
    connect(entry, &QAction::toggled, this, &DemoInstrument::setPlugged);
}

DemoInstrument::~DemoInstrument()
{
    if (emulator)
        SerialPortMonitor::removeUnlistedPort(emulator->devicePath());
}

void DemoInstrument::retranslate()
{
    entry->setText(tr("Демонстрационный прибор"));
}

void DemoInstrument::setPlugged(bool plugged)
{
    if (!plugged) {
        if (!emulator)
            return;
        lastPath = emulator->devicePath();
        SerialPortMonitor::removeUnlistedPort(lastPath);
        emulator->unplug();
        emulator.reset();
        return;
    }

    auto fresh = std::make_unique<InstrumentEmulator>();
    if (!fresh->openPseudoTerminal()) {
        qWarning() << "Demo instrument:" << fresh->errorString();
        entry->setChecked(false);
        return;
    }
    // The monitor may not have polled since the last unplug; under the same
    // name the new terminal would not look new to it. Holding this one open
    // while opening another gives that one another name.
    if (fresh->devicePath() == lastPath) {
        auto other = std::make_unique<InstrumentEmulator>();
        if (other->openPseudoTerminal())
            fresh = std::move(other);
    }
    fresh->setBlocks(demoBlocks());
    fresh->setPaced(true);
    emulator = std::move(fresh);
    SerialPortMonitor::addUnlistedPort(emulator->devicePath());
}

void DemoInstrument::showFirstBlock()
{
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = connect(&port, &Port::validPortFound, this, [this, once] {
        disconnect(*once);
        // Not inside the probe that found it: the read waits in event loops of its own.
        QTimer::singleShot(0, this, [this] {
            if (firstClicks)
                firstClicks();
        });
    });
    entry->setChecked(true);
}
