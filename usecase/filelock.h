#ifndef FILELOCK_H
#define FILELOCK_H

#include <QString>

// True when a file exists at path and cannot be opened for reading and writing,
// typically because a viewer holds it open. Never changes the file.
bool is_file_locked(const QString &path);

#endif // FILELOCK_H
