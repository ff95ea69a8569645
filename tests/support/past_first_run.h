#pragma once

class TempDataHome;

// A configuration file that has been through the first run (the photograph
// choice is stored), so the program opens on the main menu.
void writePastFirstRunConfig(const TempDataHome& home);
