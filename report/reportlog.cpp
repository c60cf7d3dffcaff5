#include "reportlog.h"

Q_LOGGING_CATEGORY(reportLog, "ormeda.report")
