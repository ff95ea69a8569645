#include "frame/config.h"

#include <filesystem>
#include <sstream>
#include <system_error>

#include "frame/log.h"

ALLEGRO_CONFIG* config = nullptr;
std::string configPath;

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
    return RGB{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
               static_cast<std::uint8_t>(b)};
}

bool saveConfig()
{
    if (!config || configPath.empty())
        return false;
    std::string temporary = configPath + ".tmp";
    if (!al_save_config_file(temporary.c_str(), config)) {
        log("Could not save configuration file %s\n", temporary.c_str());
        return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, configPath, error);
    if (error) {
        log("Could not replace configuration file %s: %s\n", configPath.c_str(),
            error.message().c_str());
        std::filesystem::remove(temporary, error);
        return false;
    }
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
