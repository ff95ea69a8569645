#pragma once

// The file a first start writes, byte for byte.
inline constexpr const char* defaultConfigText =
    "[video]\ncolourdepth=32\nsync=1\nwidth=0\nheight=0\nwindowed=0\nupdaterate=60\n"
    "[sound]\nsoundEffectsVolume=60\nmusicVolume=100\n"
    "[controls]\nmenuControlMode=2\nxinputDpadEnabled=1\n"
    "[other]\ndiagnostic=0\nreplayRecordingEnabled=1\nshowReplayTestOptions =0\nalwaysShowFPS=0\n";
