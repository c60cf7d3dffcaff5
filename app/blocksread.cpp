#include "blocksread.h"

#include "blockname.h"
#include "linkstatus.h"
#include "port.h"

QVector<Block> read_blocks(Port &port, LinkStatus &status)
{
    // Every call below waits in a nested event loop. The blocks are gathered
    // apart and listed at the end, so that meanwhile each row of the list still
    // shows the block it names.
    status.readStarted();
    const int amount = port.getBlocksAmount();
    QVector<Block> read;
    for (int index = 0; index < amount; ++index) {
        status.readingBlock(index, amount);
        const QByteArray raw = port.getBlockName(index);
        if (status.stopRequested())
            break;
        Block block{block_name_from_bytes(raw), port.getBlockData(index)};
        // Stopped: nothing of the interrupted block is kept.
        if (status.stopRequested())
            break;
        read.append(block);
    }
    status.readEnded();
    return read;
}
