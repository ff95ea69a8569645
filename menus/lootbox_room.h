#pragma once

// Shows the loot-box room when points have grown since it last ran.
void lootboxRoom();
