#pragma once

// The credits over the drifting logo, until Escape or button 2.
void credits();
