#pragma once
#include <allegro5/allegro.h>
#include <cstddef>
#include <string>

// The configuration file on disk, as start-up finds it.
enum class ConfigFileState {
    Loaded,     // read and parsed
    Missing,    // nothing at all under its name
    Unreadable, // something is there but cannot be read as a configuration
};

struct ConfigFileRead {
    ConfigFileState state = ConfigFileState::Missing;
    ALLEGRO_CONFIG* config = nullptr; // owned by the caller; set only when Loaded
    std::string reason;               // why, when Unreadable
};

// Larger files are not ours: they are refused rather than read into memory.
inline constexpr std::size_t maxConfigFileSize = 1 << 20;

// Reads the file at `path`. Only a regular file of valid UTF-8 text without
// NUL bytes reaches Allegro's reader, which never ends on some invalid byte
// sequences and garbles lines holding a NUL. Anything else under the name (a
// pipe, a folder, a dangling link, a link loop, a file without read
// permission, such text) is Unreadable, with the reason.
ConfigFileRead readConfigFile(const std::string& path);

// Loads `configPath` into `config` at start-up. A missing file is created with
// the defaults. Any other failure is logged with its reason; the program then
// runs on defaults in memory and never writes over the file it could not read.
void openConfigFile();
