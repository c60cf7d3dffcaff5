#ifndef BLOCKNAME_H
#define BLOCKNAME_H

#include <QString>

// The name with only Latin (controls and U+0000 included), Cyrillic and Latin
// Extended Additional code units kept, in their order. Erased memory (U+FFFF),
// byte-order marks and everything else are dropped.
QString clean_block_name(const QString &name);

#endif // BLOCKNAME_H
