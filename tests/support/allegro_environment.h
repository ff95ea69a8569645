#pragma once

// Installs the Allegro system (no display) once for a test program.
void ensureAllegroSystem();
