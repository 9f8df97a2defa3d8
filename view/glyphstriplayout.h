#pragma once
// Where each glyph lies in the level display's glyph strip, shared by the
// tool that draws the strip and the display that copies from it.

namespace GlyphStrip {

constexpr int Width = 148;
constexpr int Height = 20;
constexpr int DigitWidth = 11; ///< digit d starts at x = DigitWidth * d
constexpr int DarkDigitX = 110;
constexpr int SolvedFaceX = 122;
constexpr int UnsolvedFaceX = 135;
constexpr int FaceWidth = 13;

} // namespace GlyphStrip
