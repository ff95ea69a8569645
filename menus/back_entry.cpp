#include "menus/back_entry.h"

void addBackEntry(TamwickMenu& menu, MenuContext& context, int x, const char* label)
{
    menu.addAction(x, label, [&context] { context.backRequested = true; });
}
