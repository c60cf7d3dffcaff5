#include "settingsrecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

struct TextKey
{
    const char *key;
    QString SettingsRecord::*field;
};

const TextKey kTextKeys[] = {
    {"company_name", &SettingsRecord::companyName},
    {"company_city", &SettingsRecord::companyCity},
    {"company_address", &SettingsRecord::companyAddress},
    {"company_phone", &SettingsRecord::companyPhone},
    {"company_website", &SettingsRecord::companyWebsite},
    {"device_name", &SettingsRecord::deviceName},
    {"device_type", &SettingsRecord::deviceType},
    {"device_number", &SettingsRecord::deviceNumber},
    {"device_document_number", &SettingsRecord::deviceDocumentNumber},
    {"logo_image", &SettingsRecord::logoImage},
    {"report_operator", &SettingsRecord::reportOperator},
    {"report_detail_name", &SettingsRecord::reportDetailName},
    {"report_material", &SettingsRecord::reportMaterial},
    {"report_batch_number", &SettingsRecord::reportBatchNumber},
    {"comments", &SettingsRecord::comments},
};
const QLatin1String kAppFontSize("app_font_size");
const QLatin1String kLimitsMin("limits_min_val");
const QLatin1String kLimitsMax("limits_max_val");
const QLatin1String kUnitLimits("unit_limits");
const QLatin1String kLastFolder("last_folder_"); // followed by the extension
const QLatin1String kLanguage("app_language");

// Qt orders keys that hold a NUL character differently when it parses them and when it
// inserts them, so an object parsed from a hand-edited file would not equal the same object
// read back after saving. Built again key by key, it does.
QJsonValue rebuilt(const QJsonValue &value)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        QJsonObject again;
        for (auto entry = object.constBegin(); entry != object.constEnd(); ++entry)
            again.insert(entry.key(), rebuilt(entry.value()));
        return again;
    }
    if (value.isArray()) {
        QJsonArray again;
        for (const QJsonValue &item : value.toArray())
            again.append(rebuilt(item));
        return again;
    }
    return value;
}

} // namespace

QString language_code(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("ru");
}

UiLanguage language_from_code(const QString &code)
{
    return code == QLatin1String("en") ? UiLanguage::English : UiLanguage::Russian;
}

bool SettingsRecord::operator==(const SettingsRecord &other) const
{
    for (const TextKey &text : kTextKeys) {
        if (this->*text.field != other.*text.field)
            return false;
    }
    return appFontSize == other.appFontSize && limitsMin == other.limitsMin && limitsMax == other.limitsMax
           && lastFolders == other.lastFolders && unitLimits == other.unitLimits && language == other.language
           && otherKeys == other.otherKeys;
}

SettingsRecord default_settings()
{
    SettingsRecord record;
    record.appFontSize = 12;
    record.limitsMin = 0.0;
    record.limitsMax = 10.0;
    return record;
}

SettingsRecord settings_from_object(const QJsonObject &object)
{
    SettingsRecord record;
    record.otherKeys = rebuilt(object).toObject();
    for (const TextKey &text : kTextKeys) {
        record.*text.field = object.value(QLatin1String(text.key)).toString();
        record.otherKeys.remove(QLatin1String(text.key));
    }
    record.appFontSize = object.value(kAppFontSize).toInt();
    record.limitsMin = object.value(kLimitsMin).toDouble();
    record.limitsMax = object.value(kLimitsMax).toDouble();
    record.unitLimits = unit_limits_from_json(object.value(kUnitLimits));
    record.language = language_from_code(object.value(kLanguage).toString());
    for (auto entry = object.constBegin(); entry != object.constEnd(); ++entry) {
        if (entry.key().startsWith(kLastFolder) && entry.value().isString()) {
            record.lastFolders.insert(entry.key().mid(kLastFolder.size()), entry.value().toString());
            record.otherKeys.remove(entry.key());
        }
    }
    for (const QLatin1String key : {kAppFontSize, kLimitsMin, kLimitsMax, kUnitLimits, kLanguage})
        record.otherKeys.remove(key);
    return record;
}

QJsonObject settings_to_object(const SettingsRecord &record)
{
    QJsonObject object = record.otherKeys;
    for (const TextKey &text : kTextKeys)
        object.insert(QLatin1String(text.key), record.*text.field);
    object.insert(kAppFontSize, record.appFontSize);
    object.insert(kLimitsMin, record.limitsMin);
    object.insert(kLimitsMax, record.limitsMax);
    object.insert(kUnitLimits, unit_limits_to_json(record.unitLimits));
    for (auto folder = record.lastFolders.cbegin(); folder != record.lastFolders.cend(); ++folder)
        object.insert(kLastFolder + folder.key(), folder.value());
    object.insert(kLanguage, language_code(record.language));
    return object;
}

SettingsRecord settings_from_json(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (document.isNull() || !document.isObject())
        return SettingsRecord();
    return settings_from_object(document.object());
}

QByteArray settings_to_json(const SettingsRecord &record)
{
    return QJsonDocument(settings_to_object(record)).toJson(QJsonDocument::Indented);
}
