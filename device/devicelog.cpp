#include "devicelog.h"

Q_LOGGING_CATEGORY(deviceLog, "ormeda.device")
