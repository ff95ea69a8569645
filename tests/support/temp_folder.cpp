#include "support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tamwick-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
}

TempDataHome::TempDataHome()
{
    if (const char* old = std::getenv("XDG_DATA_HOME")) {
        previous_ = old;
        hadPrevious_ = true;
    }
    setenv("XDG_DATA_HOME", folder_.str().c_str(), 1);
}

TempDataHome::~TempDataHome()
{
    if (hadPrevious_)
        setenv("XDG_DATA_HOME", previous_.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::filesystem::path& path, const std::string& contents)
{
    std::ofstream out(path, std::ios::binary);
    out << contents;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}
