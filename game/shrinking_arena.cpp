#include "game/game.h"

// The shrinking arena's phases and crawlers.
void Game::updateShrinkingArena() {}

bool Game::isArenaFullyShrunk() const
{
    return false;
}

CrawlerStep nextCrawlerStep(const ShrinkCrawler& c)
{
    return {c.x + c.dx, c.y + c.dy, c.dx, c.dy, false};
}
