#include "frame/user_data_folder.h"

#include <filesystem>

#include "frame/log.h"
#include "platform/local_app_data.h"

std::string getUserDataFolder()
{
    std::string folder = platform::localAppDataFolder() + "/tamwick";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        log("Warning: couldn't create user data folder %s: %s\n", folder.c_str(),
            error.message().c_str());
    return folder;
}

std::string narrowString(const std::wstring& text)
{
    std::string out;
    for (wchar_t wc : text) {
        auto c = static_cast<char32_t>(wc);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
