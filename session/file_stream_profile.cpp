#include "session/file_stream_profile.h"

#include <chrono>
#include <fstream>
#include <string>

#include "frame/display/display.h"
#include "frame/file_stream.h"
#include "frame/log.h"
#include "frame/user_data_folder.h"
#include "session/session_screens.h"

namespace {

constexpr int valueCount = 0x20000;

double timeWrites(const std::string& path, bool buffered)
{
    std::ofstream out;
    // The buffer must go before the file opens: once open, this library keeps its own.
    if (!buffered)
        out.rdbuf()->pubsetbuf(nullptr, 0);
    out.open(path, std::ios::binary);
    if (out.is_open())
        out.exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < valueCount; ++i) {
        File::writeInt32(out, i);
        out.flush();
    }
    out.close();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}

void profileFileStreams(double seconds[2])
{
    log("Profiling unbuffered and buffered file streams\n");
    for (int i = 0; i < 2; ++i) {
        sessionScreens.msgScreenDraw({i == 0 ? "Testing unbuffered file performance" : "Testing buffered file performance",
                                      "This will take about 1-5 seconds"});
        presentFrame();
        seconds[i] = timeWrites(getUserDataFolder() + "/" + std::to_string(i) + ".test.bin", i == 1);
        logDouble(seconds[i]);
    }
}
