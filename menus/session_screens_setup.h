#pragma once

// Hands the game session the screens the menus provide.
void installSessionScreens();
