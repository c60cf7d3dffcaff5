#include "settingsfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>


QString configFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Without a home folder there is no per-user place; never fall back to the file system root.
    if (folder.isEmpty())
        return QString();
    QDir().mkpath(folder);
    return folder + QStringLiteral("/config.json");
}

QString readingsFolderPath()
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
