#include "support/allegro_environment.h"

#include <allegro5/allegro.h>
#include <cstdlib>
#include <stdexcept>

void ensureAllegroSystem()
{
    if (al_is_system_installed())
        return;
    if (!al_install_system(ALLEGRO_VERSION_INT, atexit))
        throw std::runtime_error("al_install_system failed");
}
