#pragma once
// Every message and confirmation box of the program goes through here, so tests can read the
// exact text and answer it.
#include <QString>
#include <QStringList>
#include <functional>

namespace Messages {
enum class Genre { Information, Confirmation, Erreur };

// What a box says when it was given no text: never an empty box.
inline const QString TexteInattendu = QStringLiteral(
    "Une erreur inattendue a interrompu cette action. Marivelle continue ; recommencez-la.");

// A plain message with an "OK" button.
void information(const QString& texte);
// A question with "OK" and "Annuler"; true for OK.
bool confirmation(const QString& texte, const QString& titre = QStringLiteral("Confirmation"));
// A failure that abandoned the current action.
void erreur(const QString& texte);

// How boxes are shown on screen; the interface library installs the real boxes at start-up.
// Without one, the text goes to the log and the answer is "Annuler".
using Afficheur = std::function<bool(Genre, const QString& texte, const QString& titre)>;
void installeAfficheur(Afficheur afficheur);

// Tests: answers every box instead of showing it (true = OK) and keeps its text for recueille().
// Null restores real boxes and forgets the kept texts.
using Repondeur = std::function<bool(Genre, const QString&)>;
void installeRepondeur(Repondeur repondeur);
// Tests: the texts of every box answered since the last call, oldest first; the list is emptied.
QStringList recueille();
}
