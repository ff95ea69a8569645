#pragma once
#include <allegro5/allegro.h>
#include <string>

#include "frame/rgb.h"

// The configuration file, loaded or created at start-up, and its path.
extern ALLEGRO_CONFIG* config;
extern std::string configPath;

int getConfigInt(const char* section, const char* key, int defaultValue);
bool readConfigBool(const char* section, const char* key, bool defaultValue);
RGB getConfigColour(const char* section, const char* key, RGB defaultValue);

// Each write saves the whole file at once.
void setConfigInt(const char* section, const char* key, int value);
void setConfigColour(const char* section, const char* key, RGB value);

// Writes `config` to `configPath` through a temporary file in the same folder
// that is renamed over the old one, so a failed save never loses the old file.
// Returns false (and logs why) when the file could not be saved.
bool saveConfig();

// Whether the key is present in the configuration.
bool hasConfigValue(const char* section, const char* key);
