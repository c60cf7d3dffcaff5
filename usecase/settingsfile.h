#ifndef SETTINGSFILE_H
#define SETTINGSFILE_H

#include <QImage>
#include <QJsonObject>
#include <QString>

#include "settingsrecord.h"

// Path of config.json in the per-user application-data folder; creates the folder when missing.
QString configFilePath();

// config.json's record; an empty record where it cannot be read.
SettingsRecord read_settings_file();
// config.json put in place only once complete; false, the old file kept, when it cannot be.
bool write_settings_file(const SettingsRecord &record);

// The folder "readings" beside config.json, created when missing; empty when it cannot be made.
QString readings_folder_path();

// The logo as a Base64 PNG string; an empty string stands for no logo.
QString imageToBase64(const QImage &image);
QImage imageFromBase64(const QString &text);

#endif // SETTINGSFILE_H
