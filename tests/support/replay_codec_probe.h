#pragma once

// True once the replay files can really be written and read: until the codec
// lands, its stand-ins write nothing and read nothing, and the tests that need
// it skip.
bool replayCodecPresent();
