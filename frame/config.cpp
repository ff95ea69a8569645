#include "frame/config.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "frame/log.h"

ALLEGRO_CONFIG* config = nullptr;
std::string configPath;
bool configUnreadable = false;

int getConfigInt(const char* section, const char* key, int defaultValue)
{
    const char* text = config ? al_get_config_value(config, section, key) : nullptr;
    if (!text)
        return defaultValue;
    // Text that is not a number reads as 0, as a stream extraction leaves it.
    int value = 0;
    std::istringstream(text) >> value;
    return value;
}

bool readConfigBool(const char* section, const char* key, bool defaultValue)
{
    return getConfigInt(section, key, defaultValue) != 0;
}

bool hasConfigValue(const char* section, const char* key)
{
    return config && al_get_config_value(config, section, key) != nullptr;
}

RGB getConfigColour(const char* section, const char* key, RGB defaultValue)
{
    const char* text = config ? al_get_config_value(config, section, key) : nullptr;
    if (!text)
        return defaultValue;
    int r = 0, g = 0, b = 0;
    std::istringstream(text) >> r >> g >> b;
    return RGB{colourComponent(r), colourComponent(g), colourComponent(b)};
}

namespace {

// Writes the configuration into a new file at `path` and flushes it to disk;
// a file it could not finish is removed. Whatever a killed run left under the
// name goes first, so a stale link is never followed.
bool writeDurably(const std::string& path)
{
    unlink(path.c_str());
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        log("Could not save configuration file %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    ALLEGRO_FILE* file = al_fopen_fd(fd, "w");
    if (!file) {
        close(fd);
        unlink(path.c_str());
        log("Could not save configuration file %s\n", path.c_str());
        return false;
    }
    bool written = al_save_config_file_f(file, config) && al_fflush(file);
    int error = written && fsync(fd) != 0 ? errno : 0;
    bool closed = al_fclose(file);
    if (!written || error || !closed) {
        log("Could not save configuration file %s: %s\n", path.c_str(),
            error ? std::strerror(error) : "write failed");
        unlink(path.c_str());
        return false;
    }
    return true;
}

// Makes a rename inside the folder durable too.
void syncFolder(const std::filesystem::path& folder)
{
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || fsync(fd) != 0)
        log("Could not flush folder %s: %s\n", folder.c_str(), std::strerror(errno));
    if (fd >= 0)
        close(fd);
}

}

bool saveConfig()
{
    if (!config || configPath.empty())
        return false;
    if (configUnreadable) {
        log("Not saving configuration file %s: it could not be read at start-up\n",
            configPath.c_str());
        return false;
    }
    std::string temporary = configPath + ".tmp";
    if (!writeDurably(temporary))
        return false;
    std::error_code error;
    std::filesystem::rename(temporary, configPath, error);
    if (error) {
        log("Could not replace configuration file %s: %s\n", configPath.c_str(),
            error.message().c_str());
        std::filesystem::remove(temporary, error);
        return false;
    }
    syncFolder(std::filesystem::path(configPath).parent_path());
    return true;
}

void setConfigInt(const char* section, const char* key, int value)
{
    std::ostringstream text;
    text << value;
    al_set_config_value(config, section, key, text.str().c_str());
    saveConfig();
}

void setConfigColour(const char* section, const char* key, RGB value)
{
    std::ostringstream text;
    text << int(value.r) << ' ' << int(value.g) << ' ' << int(value.b) << ' ';
    al_set_config_value(config, section, key, text.str().c_str());
    saveConfig();
}
