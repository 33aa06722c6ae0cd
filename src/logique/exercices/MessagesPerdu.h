#pragma once
// The messages the fish says after a wrong answer: "MessagesPerdu.txt" of the working folder (one
// message per line), else the copy built into the program, else one kind sentence.
#include <QStringList>

namespace MessagesPerdu {
inline constexpr char Integre[] = ":/donnees/MessagesPerdu.txt";
QString parDefaut();
// The messages, blank lines left out; never empty. A file that cannot be read is reported in a
// message box and the next source is used.
QStringList charge();
}
