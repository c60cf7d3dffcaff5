#ifndef DEMOBLOCKS_H
#define DEMOBLOCKS_H

#include <QVector>

#include "emulatedblock.h"

// A day's work as the instrument would hold it, for demonstrations: a hardness
// traverse across a weld under a Cyrillic name, series in HRC, HB and HV around
// their nominals with a little scatter, and a block left empty. The same every
// time.
QVector<EmulatedBlock> demoBlocks();

#endif // DEMOBLOCKS_H
