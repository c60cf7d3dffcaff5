#ifndef BLOCK_H
#define BLOCK_H

#include <QMetaType>
#include <QString>
#include <QVector>

// One memory block of the instrument: its cleaned name and its values, exactly
// as read and in the instrument's order.
struct Block
{
    Block() = default;
    Block(const QString &name, const QVector<float> &values) : name(name), values(values) {}

    QString name;
    QVector<float> values;

    // Names read "<number> <unit> …": the second word heads the value column of
    // a report. Empty for a name of fewer than two words.
    QString valueTitle() const;
};

Q_DECLARE_METATYPE(Block)

#endif // BLOCK_H
