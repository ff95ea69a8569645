#pragma once

// Logs how the automatic level options fall for a range of player counts,
// modes and randomness levels ("/testAutoGameOptionsDistribution").
void testAutoLevelSizeDistribution();
