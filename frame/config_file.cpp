#include "frame/config_file.h"

#include <allegro5/allegro_memfile.h>

#include <cstdint>
#include <utility>

#include "frame/config.h"
#include "frame/log.h"
#include "frame/settings.h"
#include "frame/utf8.h"
#include "platform/regular_file.h"

namespace {

ConfigFileRead unreadable(std::string reason)
{
    return {ConfigFileState::Unreadable, nullptr, std::move(reason)};
}

}

ConfigFileRead readConfigFile(const std::string& path)
{
    platform::RegularFileRead file = platform::readRegularFile(path, maxConfigFileSize);
    if (file.state == platform::FileReadState::Missing)
        return {ConfigFileState::Missing, nullptr, {}};
    if (file.state == platform::FileReadState::Unreadable)
        return unreadable(std::move(file.reason));
    std::string& text = file.bytes;
    if (!isValidUtf8(text))
        return unreadable("it is not valid UTF-8 text");
    // Allegro reads lines as C strings: a NUL byte cuts one apart and the
    // pieces can even come back out as invalid UTF-8.
    if (text.find('\0') != std::string::npos)
        return unreadable("it holds a NUL byte");
    if (text.empty())
        return {ConfigFileState::Loaded, al_create_config(), {}};

    // Allegro parses the very bytes checked above, even if the name is
    // replaced meanwhile.
    ALLEGRO_FILE* stream = al_open_memfile(text.data(), std::int64_t(text.size()), "r");
    if (!stream)
        return unreadable("it could not be opened for reading");
    ALLEGRO_CONFIG* loaded = al_load_config_file_f(stream);
    al_fclose(stream);
    if (!loaded)
        return unreadable("it could not be parsed");
    return {ConfigFileState::Loaded, loaded, {}};
}

void openConfigFile()
{
    if (config)
        al_destroy_config(config);
    config = nullptr;
    configUnreadable = false;

    ConfigFileRead file = readConfigFile(configPath);
    switch (file.state) {
    case ConfigFileState::Loaded:
        config = file.config;
        break;
    case ConfigFileState::Missing:
        config = al_create_config();
        createDefaultConfig();
        break;
    case ConfigFileState::Unreadable:
        log("Could not read configuration file %s: %s. Running on default settings; the file is "
            "left as it is and no setting will be saved\n",
            configPath.c_str(), file.reason.c_str());
        configUnreadable = true;
        config = al_create_config();
        break;
    }
}
