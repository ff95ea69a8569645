#pragma once
#include <string>
#include <vector>

// Centred lines that wait for `key` (true) or, unless -1, `secondKey` (false).
bool msgScreen(std::vector<std::string> lines, int key, int secondKey);
// The lines drawn centred onto the screen bitmap, the last at half height.
void msgScreenDraw(std::vector<std::string> lines);
// The drawing stress test with the file-stream timings.
void profile();
