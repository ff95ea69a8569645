#include "session/level_size_distribution.h"

#include "frame/log.h"

void testAutoLevelSizeDistribution()
{
    log("Testing auto level size distribution\n");
}
