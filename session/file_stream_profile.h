#pragma once

// Times writing 131,072 four-byte values, flushed one by one, to "0.test.bin"
// through an unbuffered stream (seconds[0]) and to "1.test.bin" through a
// buffered one (seconds[1]), both in the user data folder, which keeps them.
void profileFileStreams(double seconds[2]);
