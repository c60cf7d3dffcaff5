#ifndef SETTINGSRECORD_H
#define SETTINGSRECORD_H

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

#include "unitlimits.h"

// The interface's language. Russian is the language of every source text.
enum class UiLanguage { Russian, English };

// "ru" or "en"; the toolkit's translation files are named with it too.
QString language_code(UiLanguage language);
// Anything but "en" is Russian, the language the program has always started in.
UiLanguage language_from_code(const QString &code);

// What config.json holds, as plain values. A key that is missing or holds another type
// reads as the empty value of its field (no text, 0); what a fresh file holds is
// default_settings().
struct SettingsRecord
{
    QString companyName;
    QString companyCity;
    QString companyAddress;
    QString companyPhone;
    QString companyWebsite;
    QString deviceName;
    QString deviceType;
    QString deviceNumber;
    QString deviceDocumentNumber;
    QString logoImage; // Base64 PNG; empty for no logo
    QString reportOperator;
    QString reportDetailName;
    QString reportMaterial;
    QString reportBatchNumber;
    int appFontSize = 0; // 0: the font as the form and the application make it
    double limitsMin = 0.0;
    double limitsMax = 0.0;
    QString comments;
    // The folder a save dialog last wrote each kind of file to, by extension ("pdf", "csv").
    QMap<QString, QString> lastFolders;
    UnitLimits unitLimits; // the pairs of the units but "", which the two limit keys hold
    UiLanguage language = UiLanguage::Russian;
    // Keys the record does not parse, written back as they came: the window's place, which
    // the window reads and writes itself, and keys of other versions, which may need them.
    QJsonObject otherKeys;

    bool operator==(const SettingsRecord &other) const;
    bool operator!=(const SettingsRecord &other) const { return !(*this == other); }
};

SettingsRecord default_settings();

SettingsRecord settings_from_object(const QJsonObject &object);
QJsonObject settings_to_object(const SettingsRecord &record);
// Anything but a JSON object reads as an empty record.
SettingsRecord settings_from_json(const QByteArray &json);
// Indented JSON, keys in alphabetical order.
QByteArray settings_to_json(const SettingsRecord &record);

#endif // SETTINGSRECORD_H
