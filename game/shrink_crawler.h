#pragma once

// A wall-laying walker of the shrinking arena.
struct ShrinkCrawler {
    int x = 0;    // cell
    int y = 0;
    int dx = 0;   // step: (1, 0), (0, 1), (-1, 0) or (0, -1)
    int dy = 0;
};

// Where a crawler goes next; `turned` when it met a wall and turned clockwise.
struct CrawlerStep {
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
    bool turned = false;
};
CrawlerStep nextCrawlerStep(const ShrinkCrawler& crawler);

// A block that will reappear in a cell.
struct PendingWall {
    int x = 0;
    int y = 0;
    int framesLeft = 0;
};
