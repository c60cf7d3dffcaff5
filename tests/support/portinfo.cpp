#include "portinfo.h"

// TEST-ONLY. QSerialPortInfo has no public constructor that takes a name the
// system does not list, and its private header is not installed. Its private
// constructor from QSerialPortInfoPrivate is exported, and it befriends a free
// function availablePortsByFiltersOfDevices() that the library keeps internal
// (not exported), so defining that function here does not clash with the
// library. The class below must match the library's own layout (Qt 5.15);
// the library copies it with that layout and frees it itself.

QT_BEGIN_NAMESPACE

class QSerialPortInfoPrivate
{
public:
    QString portName;
    QString device;
    QString description;
    QString manufacturer;
    QString serialNumber;
    quint16 vendorIdentifier = 0;
    quint16 productIdentifier = 0;
    bool hasVendorIdentifier = false;
    bool hasProductIdentifier = false;
};

namespace {
QSerialPortInfoPrivate requested;
}

QList<QSerialPortInfo> availablePortsByFiltersOfDevices(bool &ok)
{
    ok = true;
    return {QSerialPortInfo(requested)};
}

QT_END_NAMESPACE

QSerialPortInfo makePortInfo(const QString &portName, const QString &description)
{
    requested = QSerialPortInfoPrivate();
    requested.portName = portName;
    requested.device = portName;
    requested.description = description;
    bool ok = false;
    QSerialPortInfo info = availablePortsByFiltersOfDevices(ok).constFirst();
    requested = QSerialPortInfoPrivate();
    return info;
}
