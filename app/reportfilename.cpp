#include "reportfilename.h"

#include <QDir>
#include <QTime>

QString report_root_folder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::homePath() + QLatin1Char('/');
#endif
}

QString proposed_report_path(const QString &root, const QString &word, const QString &reportNumber,
                             const QTime &time, const QString &extension)
{
    const QString middle = reportNumber == QLatin1String(" ") ? QStringLiteral(" ")
                                                               : QLatin1Char(' ') + reportNumber + QLatin1Char(' ');
    return root + word + middle + time.toString(QStringLiteral("hh_mm_ss")) + QLatin1Char('.') + extension;
}
