// The puzzle series: five levels of numbered sub-levels, played in order.
#pragma once

constexpr int SeriesLevels = 5;

// The number of sub-levels that the game plays in a level of the series; 0 outside 1..5.
// Level 5 has a 27th board in the catalogue that the series never reaches.
constexpr int subLevelCount(int level)
{
    constexpr int counts[SeriesLevels] = {74, 45, 35, 24, 26};
    return level >= 1 && level <= SeriesLevels ? counts[level - 1] : 0;
}

// A position in the series: a level and a stage within it.
struct SeriesStage {
    int level;
    int sublevel;
};

// The stage that (level, sublevel) comes to: a stage past the last of its level is the first
// of the next level, and past level 5 that is the finished series.
constexpr SeriesStage carriedStage(int level, int sublevel)
{
    return sublevel > subLevelCount(level) ? SeriesStage{level + 1, 1} : SeriesStage{level, sublevel};
}
