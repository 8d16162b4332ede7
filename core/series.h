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
