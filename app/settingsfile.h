#ifndef SETTINGSFILE_H
#define SETTINGSFILE_H

#include <QImage>
#include <QJsonObject>
#include <QString>

// Path of config.json in the per-user application-data folder; creates the folder when missing.
QString configFilePath();

// The folder "readings" beside config.json, created when missing; empty when it cannot be made.
QString readingsFolderPath();

// The logo as a Base64 PNG string; an empty string stands for no logo.
QString imageToBase64(const QImage &image);
QImage imageFromBase64(const QString &text);

#endif // SETTINGSFILE_H
