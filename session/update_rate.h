#pragma once

// Sets the live options' update rate and multiplier and restarts the update
// timer at that rate.
void setUpdateRate(int rate);
