#pragma once
// The long texts of the rules and info dialogs: the rules, the terms of use,
// the title and membership lines, and the maker's contact block.

#include "texts/catalogue.h"

namespace InfoTexts {

/// The rules as the rules dialog shows them: six paragraphs, English in 24
/// lines and German in 29, wrapped further by the text box.
extern const Phrase Rules;
/// The terms under which the game may be used and passed on.
extern const Phrase TermsOfUse;
/// The info dialog's title line.
extern const Phrase TitleLine;
/// One sentence: the maker belongs to an association of program authors.
extern const Phrase Membership;

// The contact block, the same in both languages. The addresses are also the
// targets of the info dialog's two links.
extern const QString HolderSign;
extern const QString Holder;
extern const QString Street;
extern const QString Town;
extern const QString Email;
extern const QString EmailTarget;
extern const QString Homepage;

} // namespace InfoTexts
