#include "reportfilename.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
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

namespace {

QString folder_key(const QString &extension)
{
    return QStringLiteral("last_folder_") + extension;
}

QJsonObject settings()
{
    QFile file(configFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

QString last_folder(const QString &extension)
{
    const QString folder = settings().value(folder_key(extension)).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return report_root_folder();
    return QDir::toNativeSeparators(QDir(folder).absolutePath() + QLatin1Char('/'));
}

void remember_folder(const QString &extension, const QString &filePath)
{
    QJsonObject config = settings();
    const QString folder = QFileInfo(filePath).absolutePath();
    if (config.value(folder_key(extension)).toString() == folder)
        return;
    config.insert(folder_key(extension), folder);
    writeJsonFile(configFilePath(), config);
}
