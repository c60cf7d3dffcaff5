#include "block.h"

#include <QRegularExpression>
#include <QStringList>

QString Block::valueTitle() const
{
    static const QRegularExpression whiteSpace(QStringLiteral("\\s+"));
    const QStringList words = name.split(whiteSpace, Qt::SkipEmptyParts);
    return words.size() >= 2 ? words.at(1) : QString();
}
