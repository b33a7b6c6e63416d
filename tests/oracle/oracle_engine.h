// The straightforward engine, kept as the reference that the fast engine must match: every step
// recounts the whole grid and every pass copies and compares the whole candidate cube.
#pragma once

#include <string_view>

#include "events/output_field.h"
#include "events/window_ops.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"

namespace quodrill::oracle {

// Whole-grid checks, recounted from the grid on every call.
bool gridRepeatsDigit(const GridArray& grid);
bool gridHasBlankCell(const GridArray& grid);
bool boxHoldsDigit(const GridArray& grid, int box, int digit);

// Start.
void SB_Click(PuzzleState& state, WindowOps& window);
void ShowInputFormatError(WindowOps& window);
bool isValidRow(std::string_view row);

// The propagation steps of one pass.
void TryCellCandidates(PuzzleState& state, int column, int row);
void PlaceHiddenSinglesInBoxes(PuzzleState& state);
void EliminatePointingInRows(PuzzleState& state);
void ClearSolvedCellCandidates(PuzzleState& state);

// The output field.
OutputText renderGrid(const GridArray& grid);
void WriteOutputField(const PuzzleState& state, WindowOps& window);

// One pass of a solve run; returns whether the run stops after it.
bool runSolvePass(PuzzleState& state, WindowOps& window);
void RunSolvePasses(PuzzleState& state, WindowOps& window);
void TT_Timer(PuzzleState& state, WindowOps& window);

// The guess and the restart.
void Testt_Timer(PuzzleState& state, WindowOps& window, RandomSource& random);
void SBT_Timer(PuzzleState& state, WindowOps& window);

}  // namespace quodrill::oracle
