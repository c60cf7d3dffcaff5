#ifndef SETTINGSSANDBOX_H
#define SETTINGSSANDBOX_H

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

#include "portlisting.h"

// Points the home folder at a fresh temporary one and turns on the test locations, so that
// neither the user's settings nor a parallel run of the same suite can be touched.
class SettingsSandbox
{
public:
    ~SettingsSandbox()
    {
        if (restorePorts)
            restorePorts();
    }

    bool start()
    {
        if (!home.isValid())
            return false;
        qputenv("HOME", QFile::encodeName(home.path()));
        QStandardPaths::setTestModeEnabled(true);
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).startsWith(home.path());
    }

    // The same, and until the sandbox ends the port monitors list no port, so
    // no serial port of this machine is probed.
    bool startWithoutPorts()
    {
        listPorts({});
        restorePorts = listSystemPorts;
        return start();
    }

    static QString folder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }
    static QString file() { return folder() + QStringLiteral("/config.json"); }

    // The settings file written as a hand or another version left it, and read back.
    static bool write(const QByteArray &content)
    {
        QFile out(file());
        return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(content) == content.size();
    }
    static QByteArray bytes()
    {
        QFile in(file());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    static QJsonObject object() { return QJsonDocument::fromJson(bytes()).object(); }

    // Removes the settings file (or whatever stands in its place) before a case.
    static void clear()
    {
        QDir(file()).removeRecursively();
        QFile::remove(file());
    }

private:
    QTemporaryDir home;
    // Called at the end only where the ports were hidden: a suite that never hides them needs
    // no port monitor.
    void (*restorePorts)() = nullptr;
};

#endif // SETTINGSSANDBOX_H
