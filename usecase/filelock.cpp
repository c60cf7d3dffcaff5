#include "filelock.h"

#include <QFile>

bool is_file_locked(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return false;
    // ReadWrite without Truncate leaves the content alone; ExistingOnly never creates.
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return true;
    file.close();
    return false;
}
