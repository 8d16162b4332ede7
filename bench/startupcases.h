// The benchmarks of a whole program: the start-up probe run as a fresh process, for the time
// from its start to the first painted frame and for the peak resident memory of a play.
#pragma once

#include <QString>

// Registers the start-up cases; probe is the probe executable, folder the working directory
// it starts in (a player's folder with the player's files).
void registerStartupCases(const QString &probe, const QString &folder);

// The steps the probe reports, in the order it reaches them.
extern const char *const ProbeSteps[];
extern const int ProbeStepCount;
