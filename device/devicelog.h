#ifndef DEVICELOG_H
#define DEVICELOG_H

#include <QLoggingCategory>

// The link's debug lines; QT_LOGGING_RULES="ormeda.device.debug=false" silences them.
Q_DECLARE_LOGGING_CATEGORY(deviceLog)

#endif // DEVICELOG_H
