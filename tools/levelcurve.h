#pragma once
// The shape of the shipped level set: eight hand-made lessons, then chapters
// whose levels grow harder within the chapter and start a little easier at
// the next. The generator builds to it, the report and the tests check it.

#include "game/levelset.h"

#include <algorithm>
#include <vector>

/// Levels 1..8 each teach one idea and are drawn by hand.
constexpr int LessonLevels = 8;
constexpr int ChapterCount = 10;

/// From this level on a level has a single solution; an earlier one, a
/// lesson among them, may have a handful.
constexpr int UniqueFromLevel = 40;
constexpr int HandfulOfSolutions = 5;

/// Most solutions level n may have.
constexpr int allowedSolutions(int n)
{
    return n < UniqueFromLevel ? HandfulOfSolutions : 1;
}

/// The levels of chapter c (0..ChapterCount - 1), first and last inclusive.
struct Chapter {
    int first = 0;
    int last = 0;
};

constexpr Chapter chapterLevels(int c)
{
    constexpr int generated = MaxLevels - LessonLevels;
    return {LessonLevels + 1 + generated * c / ChapterCount, LessonLevels + generated * (c + 1) / ChapterCount};
}

/// Platforms wanted for the level at position (0..size - 1) of chapter c:
/// from 6 at the start of the first chapter to 42 at the end of the last,
/// rising within a chapter by more than the next one starts higher.
constexpr int platformTarget(int c, int position, int size)
{
    const double withinChapter = size > 1 ? double(position) / (size - 1) : 0.0;
    const double strength = 0.75 * c / (ChapterCount - 1) + 0.25 * withinChapter;
    return 6 + int(36.0 * strength + 0.5);
}

/// How large and hard the last chapter is at least: its largest level, and
/// the medians of its platforms and of its trap measure in bits.
constexpr int LargestLevelAtLeast = 40;
constexpr double LastChapterMedianPlatforms = 36;
constexpr double LastChapterMedianTraps = 25;

/// The middle of some values (at least one); of an even number, the mean
/// of the middle two.
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

/// The seed of the shipped level set, resources/zhop.dat.
constexpr unsigned long long ShippedSeed = 20261207;
