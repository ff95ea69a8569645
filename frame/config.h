#pragma once
#include <allegro5/allegro.h>
#include <string>

#include "frame/rgb.h"

// The configuration file, loaded or created at start-up, and its path.
extern ALLEGRO_CONFIG* config;
extern std::string configPath;
// Set when start-up found a file it could not read: the program runs on the
// defaults and saves nothing, so the file is never written over.
extern bool configUnreadable;

int getConfigInt(const char* section, const char* key, int defaultValue);
bool readConfigBool(const char* section, const char* key, bool defaultValue);
// Each component is brought into 0..255.
RGB getConfigColour(const char* section, const char* key, RGB defaultValue);

// Each write saves the whole file at once.
void setConfigInt(const char* section, const char* key, int value);
void setConfigColour(const char* section, const char* key, RGB value);

// Writes `config` to `configPath` through a temporary file of this save's own,
// made new in the same folder, flushed to disk and then renamed over the old
// one, so neither a failed save nor a crash or power cut mid-save loses the old
// file. A temporary name that anything already holds is passed over, never
// removed, written or followed; a failed save removes only its own file. A
// temporary file left by a killed run stays, since it cannot be told from
// another copy's unfinished save. Returns false (and logs why) when the file
// could not be saved or must not be written.
bool saveConfig();

// Whether the key is present in the configuration.
bool hasConfigValue(const char* section, const char* key);
