#include "settingsfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QJsonDocument>
#include <QSaveFile>
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

bool writeJsonFile(const QString &path, const QJsonObject &object)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    // A full disk can end a write early without an error; such a file must not replace the old one.
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
