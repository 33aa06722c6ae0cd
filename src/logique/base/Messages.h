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
// What a child reads in place of a failure's own words (a file, a path, a store's reason), which go
// to the adults instead.
inline const QString TexteEnfant = QStringLiteral("Oups, un petit problème est arrivé. Appelle ton enseignant.");

// A plain message with an "OK" button.
void information(const QString& texte);
// A question with "OK" and "Annuler"; true for OK.
bool confirmation(const QString& texte, const QString& titre = QStringLiteral("Confirmation"));
// A failure that abandoned the current action. While a pupil is at the screen (an addressee is
// installed), the child reads `pourEnfant` and `texte` goes to the addressee.
void erreur(const QString& texte, const QString& pourEnfant = TexteEnfant);

// From a pupil's connection until the identification screen is back, the failures' words are the
// adults': the addressee takes them (the teacher's note, the error output). Null: whoever is at
// the screen reads them as they are.
using Destinataire = std::function<void(const QString& texte)>;
void installeDestinataire(Destinataire destinataire);

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
