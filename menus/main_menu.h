#pragma once

// The title screen and root of every menu; returns when the player quits.
void menu();
