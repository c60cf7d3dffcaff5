#ifndef BLOCKSREAD_H
#define BLOCKSREAD_H

#include <QVector>

#include "block.h"

class LinkStatus;
class Port;

// Reads every block of the instrument, its progress and Stop shown by the link's
// status. A stopped read keeps the blocks read whole before the Stop.
QVector<Block> read_blocks(Port &port, LinkStatus &status);

#endif // BLOCKSREAD_H
