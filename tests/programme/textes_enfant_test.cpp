// The texts a child can meet in a box or a bubble: never a path, a file or a technical word (the
// failures' own words go to the teacher). Those written for a child hold each sign to its word
// with a no-break space, so that no line starts with one wherever they are shown.
#include "DossierTemporaire.h"
#include "ecrans/session/SequenceDriver.h"
#include "logique/base/Messages.h"
#include "logique/base/Operation.h"
#include "logique/exercices/Bilan.h"
#include "logique/exercices/MessagesPerdu.h"
#include "logique/exercices/QuestionExo3.h"
#include "logique/exercices/QuestionExo4.h"
#include "logique/identification/ConnexionEleve.h"
#include "logique/journal/Journal.h"
#include "logique/resultats/Enregistreurs.h"
#include "logique/session/ChoixOperateur.h"
#include "logique/session/OffreTestDeDepart.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
// Written for a child by this program (the quoted texts of the design keep their spaces: the box or
// the bubble that shows them lays them out).
QStringList ecritsPourUnEnfant() {
    return {Messages::TexteEnfant,
            ConnexionImpossible,
            ResultatsEnPartie,
            ExerciceInconnu,
            SuiteInconnue,
            Journal::TexteEleve,
            OffreTestDeDepart::question(int(Operation::Addition)),
            OffreTestDeDepart::question(int(Operation::Multiplication))};
}
}  // namespace

TEST(TextesEnfant, NoTextAChildMeetsNamesAFileOrAPath) {
    using ChoixOperateur::Manque;
    DossierTemporaire dossier;  // the built-in lost-question messages
    QStringList textes = ecritsPourUnEnfant();
    textes << MessagesPerdu::charge() << TexteIntrusImpossible() << TexteExo4Impossible();
    for (const Manque m : {Manque::Exercice, Manque::Signe, Manque::Temps}) textes << ChoixOperateur::parole(m);
    for (int retroaction = 0; retroaction < 3; ++retroaction) textes << Bilan::message(retroaction, 7, 10, 3).value();
    const QRegularExpression technique(QStringLiteral("[/\\\\]|\\.txt|\\b(fichiers?|types?|dossiers?)\\b"),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::UseUnicodePropertiesOption);
    for (const QString& texte : textes) {
        SCOPED_TRACE(texte.toStdString());
        EXPECT_FALSE(texte.trimmed().isEmpty());
        EXPECT_FALSE(technique.match(texte).hasMatch());
    }
}

TEST(TextesEnfant, ASignNeverStartsALineOfATextWrittenForAChild) {
    // A plain space before ":", "!", "?", ";" or "»", or after "«", is where a line could break.
    const QRegularExpression coupure(QStringLiteral(" [:!?;»]|« "));
    for (const QString& texte : ecritsPourUnEnfant()) {
        SCOPED_TRACE(texte.toStdString());
        EXPECT_FALSE(coupure.match(texte).hasMatch());
    }
}
