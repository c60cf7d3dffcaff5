#include "serialportmonitor.h"

SerialPortMonitor::SerialPortMonitor()
{
    connect(&timer, &QTimer::timeout, this, &SerialPortMonitor::checkForPortChanges);
    timer.start(500);
}

void SerialPortMonitor::setPortSource(PortSource)
{
}

void SerialPortMonitor::checkForPortChanges()
{
}
