#include "reportfilename.h"

#include <QDir>
#include <QFileInfo>
#include <QTime>

#include "settingsfile.h"

QString report_root_folder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::homePath() + QLatin1Char('/');
#endif
}

QString file_name_safe(const QString &text)
{
    QString safe = text;
    for (QChar &c : safe)
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = QLatin1Char('-');
    return safe;
}

QString proposed_report_path(const QString &root, const QString &word, const QString &reportNumber,
                             const QTime &time, const QString &extension)
{
    const QString middle = reportNumber == QLatin1String(" ") ? QStringLiteral(" ")
                                                               : QLatin1Char(' ') + file_name_safe(reportNumber) + QLatin1Char(' ');
    return root + word + middle + time.toString(QStringLiteral("hh_mm_ss")) + QLatin1Char('.') + extension;
}

QString last_folder(const QString &extension)
{
    const QString folder = read_settings_file().lastFolders.value(extension);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return report_root_folder();
    return QDir::toNativeSeparators(QDir(folder).absolutePath() + QLatin1Char('/'));
}

void remember_folder(const QString &extension, const QString &filePath)
{
    SettingsRecord config = read_settings_file();
    const QString folder = QFileInfo(filePath).absolutePath();
    if (config.lastFolders.value(extension) == folder)
        return;
    config.lastFolders.insert(extension, folder);
    write_settings_file(config);
}
