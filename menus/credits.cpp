#include "menus/credits.h"

// Stand-in until the credits are built.
void credits() {}
