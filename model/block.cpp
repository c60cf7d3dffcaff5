#include "block.h"

#include "blockname.h"

QString Block::valueTitle() const
{
    return block_unit(name);
}
