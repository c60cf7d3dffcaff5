#ifndef ATOMICWRITE_H
#define ATOMICWRITE_H

#include <QByteArray>
#include <QString>

// Writes bytes to path through a temporary file that replaces the old one only once it is
// complete, so a failed write never leaves a truncated file behind. False when nothing was
// replaced.
bool write_file_atomically(const QString &path, const QByteArray &bytes);

#endif // ATOMICWRITE_H
