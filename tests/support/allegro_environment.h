#pragma once
#include <allegro5/allegro.h>
#include <cstdlib>
#include <stdexcept>

// Installs the Allegro system (no display) once for a test program.
inline void ensureAllegroSystem()
{
    if (!al_is_system_installed() && !al_install_system(ALLEGRO_VERSION_INT, atexit))
        throw std::runtime_error("al_install_system failed");
}
