#include "settingsfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "atomicwrite.h"

QString configFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Without a home folder there is no per-user place; never fall back to the file system root.
    if (folder.isEmpty())
        return QString();
    QDir().mkpath(folder);
    return folder + QStringLiteral("/config.json");
}

SettingsRecord read_settings_file()
{
    QFile file(configFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return SettingsRecord();
    return settings_from_json(file.readAll());
}

bool write_settings_file(const SettingsRecord &record)
{
    return write_file_atomically(configFilePath(), settings_to_json(record));
}

QString readings_folder_path()
{
    const QString config = configFilePath();
    if (config.isEmpty())
        return QString();
    const QString folder = QFileInfo(config).absolutePath() + QStringLiteral("/readings");
    return QDir().mkpath(folder) ? folder : QString();
}

QString imageToBase64(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QString();
    return QString::fromLatin1(bytes.toBase64());
}

QImage imageFromBase64(const QString &text)
{
    return QImage::fromData(QByteArray::fromBase64(text.toLatin1()), "PNG");
}
