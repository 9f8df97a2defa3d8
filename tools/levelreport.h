#pragma once
// The level report in docs/levels.md: how the levels were made and graded,
// the command that remakes them, a summary per chapter and one line per
// level.

#include "game/solver.h"

#include <QString>

#include <vector>

/// The report for a level set, level 1 first; cap is the solution cap the
/// analyses were made with.
QString levelReport(const std::vector<LevelAnalysis> &levels, std::uint64_t cap);
