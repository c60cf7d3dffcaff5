#include "atomicwrite.h"

#include <QSaveFile>

bool write_file_atomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A full disk can end a write early without an error; such a file must not replace the old one.
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
