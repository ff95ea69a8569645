#include "frame/user_data_folder.h"

#include <optional>
#include <system_error>

#include "platform/local_app_data.h"

namespace {

const char* const noHomeText =
    "there is no home folder to keep the game's data in: neither XDG_DATA_HOME nor HOME names one, and the "
    "account has none";

}

std::string getUserDataFolder()
{
    const std::optional<std::string> base = platform::localAppDataFolder();
    if (!base)
        throw std::filesystem::filesystem_error(noHomeText,
                                                std::make_error_code(std::errc::no_such_file_or_directory));
    std::string folder = *base + "/tamwick";
    std::filesystem::create_directories(folder);
    return folder;
}

std::string folderProblem(const std::filesystem::filesystem_error& error)
{
    if (error.path1().empty())
        return noHomeText;
    return "the folder " + error.path1().string() + " cannot be used: " + error.code().message();
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
