#include "support/replay_codec_probe.h"

#include <sstream>

#include "frame/file_stream.h"
#include "session/replay_header.h"

bool replayCodecPresent()
{
    std::stringstream header;
    File::writeInt32(header, 0x1001003);
    int version = -1;
    try {
        deserialiseOptions(header, version);
    } catch (const std::exception&) {
        return false;
    }
    return version == 0x1001003;
}
