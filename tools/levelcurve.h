#pragma once
// The shape of the shipped level set: eight hand-made lessons, then chapters
// whose levels grow harder within the chapter and start a little easier at
// the next. The generator builds to it, the report and the tests check it.

#include "game/levelset.h"

/// Levels 1..8 each teach one idea and are drawn by hand.
constexpr int LessonLevels = 8;
constexpr int ChapterCount = 10;

/// From this level on a level must have a single solution ...
constexpr int UniqueFromLevel = 40;
/// ... as long as it has at most this many platforms; larger ones may have
/// a handful.
constexpr int UniqueUpToPlatforms = 30;
constexpr int HandfulOfSolutions = 5;

/// Most solutions a level may have, by its number and platform count.
constexpr int allowedSolutions(int level, int platforms)
{
    if (level < UniqueFromLevel)
        return HandfulOfSolutions;
    return platforms <= UniqueUpToPlatforms ? 1 : HandfulOfSolutions;
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

/// The seed of the shipped level set, resources/zhop.dat.
constexpr unsigned long long ShippedSeed = 20261207;
