#include "texts/infotexts.h"

namespace InfoTexts {

const Phrase Rules{u"Hoplix möchte das Spielfeld leer räumen: Lass ihn\n"
                   u"von Plattform zu Plattform springen, bis jede\n"
                   u"Plattform verschwunden ist. Keine einzige darf\n"
                   u"stehen bleiben.\n"
                   u"\n"
                   u"Tief im Weltall, zwischen funkelnden Sternen, sitzt ein\n"
                   u"kleiner roter Ball auf einer grünen Plattform. Das ist\n"
                   u"Hoplix. Um ihn herum liegen weitere Plattformen in einer\n"
                   u"scheinbar zufälligen Anordnung.\n"
                   u"\n"
                   u"Hoplix springt von einer Plattform zur anderen, und die\n"
                   u"Plattform, die er verlässt, verschwindet sofort. Er kann\n"
                   u"auch über eine Plattform springen oder über eine Lücke,\n"
                   u"in die genau eine Plattform passen würde.\n"
                   u"\n"
                   u"Du kannst ihn auf zwei Arten steuern:\n"
                   u"1. Klicke mit der Maus auf die Plattform, auf der er\n"
                   u"   landen soll.\n"
                   u"2. Lenke ihn mit den Pfeiltasten; halte dabei die\n"
                   u"   Umschalttaste gedrückt, wenn er weit springen soll.\n"
                   u"\n"
                   u"Der Haken an der Sache: Hoplix kann nicht einfach zum\n"
                   u"Spaß herumspringen. Er muss versuchen, alle Plattformen\n"
                   u"verschwinden zu lassen. Springt er von der letzten ab,\n"
                   u"verschwindet auch sie, und er erreicht die nächste Ebene.\n"
                   u"Es gibt 200 Ebenen.\n"
                   u"\n"
                   u"Das Spiel ist zu Ende, wenn alle Plattformen aller Ebenen\n"
                   u"verschwunden sind. Viel Glück!",
                   u"Hoplix wants to clear the board: let him jump from platform\n"
                   u"to platform and make every platform vanish. Not a single one\n"
                   u"may be left standing.\n"
                   u"\n"
                   u"Deep in space, among sparkling stars, a small red ball sits\n"
                   u"on a green platform. That is Hoplix. More platforms lie\n"
                   u"around him in a seemingly random arrangement.\n"
                   u"\n"
                   u"Hoplix jumps from one platform to another, and the platform\n"
                   u"he leaves vanishes at once. He can also jump over one\n"
                   u"platform, or over a gap where exactly one platform would fit.\n"
                   u"\n"
                   u"You can guide him in two ways:\n"
                   u"1. Click with the mouse on the platform where he should land.\n"
                   u"2. Steer him with the arrow keys; hold Shift down for the\n"
                   u"   long jump.\n"
                   u"\n"
                   u"The catch: Hoplix cannot jump just for fun. He must try to\n"
                   u"make all platforms vanish. When he jumps off the last one, it\n"
                   u"vanishes too, and he reaches the next level. There are 200\n"
                   u"levels.\n"
                   u"\n"
                   u"The game is over when all platforms of all levels have\n"
                   u"vanished. Good luck!"};

const Phrase TermsOfUse{
    u"Zorbix Hoplix ist Freeware.\n"
    u"\n"
    u"Du darfst dieses Programm kostenlos benutzen, kopieren und weitergeben, solange Du es unverändert und "
    u"vollständig weitergibst und kein Geld dafür verlangst.\n"
    u"\n"
    u"Das Programm wird geliefert, wie es ist, ohne jede Gewährleistung. Der Autor haftet nicht für Schäden, die "
    u"durch seine Benutzung entstehen.\n"
    u"\n"
    u"Alle Rechte bleiben bei Zorbix Bytes.",
    u"Zorbix Hoplix is freeware.\n"
    u"\n"
    u"You may use this program free of charge, copy it and give it away, as long as you pass it on unchanged "
    u"and complete and take no money for it.\n"
    u"\n"
    u"The program is provided as it is, without any warranty. The author is not liable for any damage its use "
    u"may cause.\n"
    u"\n"
    u"All rights remain with Zorbix Bytes."};

const Phrase TitleLine{u"Zorbix Hoplix 1.6 - ein Freeware-Denkspiel", u"Zorbix Hoplix 1.6 - a freeware puzzle game"};

const Phrase Membership{u"Zorbix Bytes ist Mitglied der Freeware Authors' Guild.",
                        u"Zorbix Bytes is a member of the Freeware Authors' Guild."};

const QString HolderSign = QStringLiteral("©");
const QString Holder = QStringLiteral("Zorbix Bytes");
const QString Street = QStringLiteral("Sternenweg 7");
const QString Town = QStringLiteral("99999 Hüpfingen");
const QString Email = QStringLiteral("hoplix@zorbix.example");
const QString EmailTarget = QStringLiteral("mailto:hoplix@zorbix.example");
const QString Homepage = QStringLiteral("http://www.zorbix.example/");

} // namespace InfoTexts
