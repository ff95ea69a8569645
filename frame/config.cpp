#include "frame/config.h"

#include <filesystem>
#include <sstream>
#include <system_error>

#include "frame/log.h"
#include "platform/durable_file.h"

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

bool saveConfig()
{
    if (!config || configPath.empty())
        return false;
    if (configUnreadable) {
        log("Not saving configuration file %s: it could not be read at start-up\n",
            configPath.c_str());
        return false;
    }
    // The new file is written and flushed under a temporary name of this save's
    // own, then renamed over the old one: a crash leaves one whole file or the
    // other, and two copies of the game saving at once never touch each other's
    // unfinished file, so the name always holds one whole save.
    const platform::TemporaryFile temporary = platform::writeTemporaryFileDurably(
        configPath, [](ALLEGRO_FILE* file) { return al_save_config_file_f(file, config); });
    if (!temporary.failure.empty()) {
        log("Could not save configuration file %s: %s\n", temporary.name.c_str(), temporary.failure.c_str());
        return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary.name, configPath, error);
    if (error) {
        log("Could not replace configuration file %s: %s\n", configPath.c_str(),
            error.message().c_str());
        std::filesystem::remove(temporary.name, error);
        return false;
    }
    const std::string folder = std::filesystem::path(configPath).parent_path().string();
    if (const std::string reason = platform::syncFolder(folder); !reason.empty())
        log("Could not flush folder %s: %s\n", folder.c_str(), reason.c_str());
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
