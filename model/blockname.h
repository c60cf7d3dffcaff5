#ifndef BLOCKNAME_H
#define BLOCKNAME_H

#include <QByteArray>
#include <QString>

// The name with only Latin (controls and U+0000 included), Cyrillic and Latin
// Extended Additional code units kept, in their order. Erased memory (U+FFFF),
// byte-order marks and everything else are dropped.
QString clean_block_name(const QString &name);

// The instrument's name bytes as text: UTF-16, low byte first unless a leading
// byte-order mark (FF FE or FE FF) says otherwise, the mark dropped and an odd
// last byte ignored; then cleaned.
QString block_name_from_bytes(const QByteArray &raw);

// The unit of a block named "<number> <unit> …": its second word ("HRC", "HB"), empty for a
// name of fewer than two words. Each unit has limits of its own.
QString block_unit(const QString &blockName);

#endif // BLOCKNAME_H
