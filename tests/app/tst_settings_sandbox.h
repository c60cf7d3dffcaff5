#ifndef TST_SETTINGS_SANDBOX_H
#define TST_SETTINGS_SANDBOX_H

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

// Points the home folder at a fresh temporary one and turns on the test locations, so that
// neither the user's settings nor a parallel run of the same suite can be touched.
class SettingsSandbox
{
public:
    bool start()
    {
        if (!home.isValid())
            return false;
        qputenv("HOME", QFile::encodeName(home.path()));
        QStandardPaths::setTestModeEnabled(true);
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).startsWith(home.path());
    }

    static QString folder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }
    static QString file() { return folder() + QStringLiteral("/config.json"); }

    // Removes the settings file (or whatever stands in its place) before a case.
    static void clear()
    {
        QDir(file()).removeRecursively();
        QFile::remove(file());
    }

private:
    QTemporaryDir home;
};

#endif // TST_SETTINGS_SANDBOX_H
