// The benchmarks on the largest board of the catalogue: a turn, a press to a new picture, a
// level start and a full redraw, and one bare blit of the board picture as their reference.
#pragma once

class BoardStage;

// Registers the board cases; the stage must outlive the benchmark run.
void registerBoardCases(BoardStage &stage);
