// The benchmarks on the largest board of the catalogue: a turn, a press to a new picture, a
// level start and a full redraw, and one bare blit of the board picture as their reference;
// presses and blits also with colour patterns and at pixel ratio 2.
#pragma once

class BoardStage;

// Registers the board cases on the stage at pixel ratio 1 and the doubled one at ratio 2; both
// must outlive the benchmark run.
void registerBoardCases(BoardStage &stage, BoardStage &doubled);
