#include "view/boardwords.h"

QString boardSummary(const ShownBoard &shown)
{
    using namespace Catalogue;
    const Board &board = shown.board;
    const int platforms = board.platformCount();
    const auto where = [&](const Phrase &phrase) {
        return phrase.in(shown.tongue).arg(shown.level).arg(board.heroRow + 1).arg(board.heroColumn + 1);
    };
    switch (shown.state) {
    case GameState::Solved: return SolvedSummary.in(shown.tongue).arg(shown.level);
    case GameState::Lost: return where(LostSummary);
    case GameState::Playing: break;
    }
    return platforms == 1 ? where(LastPlatformSummary) : where(PlayingSummary).arg(platforms);
}

QString cellName(const ShownBoard &shown, Cell cell)
{
    using namespace Catalogue;
    const Board &board = shown.board;
    if (!board.hasPlatform(cell.column, cell.row))
        return EmptyCell.in(shown.tongue);
    const bool hero = cell == Cell{board.heroColumn, board.heroRow};
    return (hero ? HeroCell : PlatformCell).in(shown.tongue);
}
