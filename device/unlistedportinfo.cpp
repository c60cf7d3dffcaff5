#include "unlistedportinfo.h"

#include <QtSerialPort/qtserialportversion.h>

// QSerialPortInfo has no public constructor for a name the system does not
// list, and its private header is not installed. Its private constructor from
// QSerialPortInfoPrivate is exported, and it befriends a free function
// availablePortsByFiltersOfDevices() that the library keeps internal (not
// exported), so defining that function here does not clash with the library.
// The class below must match the library's own layout: the library copies it
// with that layout and frees the copy itself. It is the layout of Qt 5.15,
// hence the check. Nothing else in the program may define that function.
static_assert(QTSERIALPORT_VERSION >= 0x050F00 && QTSERIALPORT_VERSION < 0x051000,
              "QSerialPortInfoPrivate's layout below is Qt SerialPort 5.15's");

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
// Handed to the befriended function, the only way to reach the constructor.
QSerialPortInfoPrivate requested;
}

QList<QSerialPortInfo> availablePortsByFiltersOfDevices(bool &ok)
{
    ok = true;
    return {QSerialPortInfo(requested)};
}

QT_END_NAMESPACE

QSerialPortInfo unlistedPortInfo(const QString &path, const QString &description)
{
    requested = QSerialPortInfoPrivate();
    requested.portName = path;
    requested.device = path;
    requested.description = description;
    bool ok = false;
    QSerialPortInfo info = availablePortsByFiltersOfDevices(ok).constFirst();
    requested = QSerialPortInfoPrivate();
    return info;
}
