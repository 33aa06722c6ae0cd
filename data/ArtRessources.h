#pragma once
// Where the built-in pictures and data files live inside the program (Qt resources of marivelle_art).

#include <QString>
#include <QStringView>

namespace marivelle {

// Resource path of a built-in picture: cheminSvg(u"bulle") is ":/svg/bulle.svg".
QString cheminSvg(QStringView nom);

// The lost-question messages shipped with the program, used when the working folder has none.
inline constexpr char kMessagesPerduIntegres[] = ":/donnees/MessagesPerdu.txt";

} // namespace marivelle
