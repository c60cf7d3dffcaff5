#ifndef PATHLOCK_H
#define PATHLOCK_H

#include <QFile>
#include <QProcess>

#include <unistd.h>

// Takes write access from a file or folder, keeping these permissions. Root
// ignores permissions, so there it gets the immutable attribute instead.
inline bool lock_path(const QString &path, QFileDevice::Permissions kept)
{
    if (::geteuid() != 0)
        return QFile::setPermissions(path, kept);
    return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
}

inline void unlock_path(const QString &path, QFileDevice::Permissions restored)
{
    if (::geteuid() == 0)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
    QFile::setPermissions(path, restored);
}

#endif // PATHLOCK_H
