// The class's sound and voice switches on the settings screen: saved as soon as they are clicked,
// in the class's own small file, whatever happens to the sequences.
#include "ecrans/parametres/TParametrage.h"

#include "logique/base/Garde.h"
#include "ecrans/commun/Polices.h"
#include "ecrans/commun/StyleProportionne.h"
#include "logique/sons/ReglagesClasse.h"
#include "logique/etat/SharedState.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>

namespace {
const QString TexteVoixIndisponible = QStringLiteral(
    "Aucune voix française n'est installée sur cet ordinateur : rien ne sera lu à voix haute.");
}

void TParametrage::creeReglagesSons(QWidget* bas) {
    CaseSons = new QCheckBox(QStringLiteral("Sons"), bas);
    CaseSons->setObjectName(QStringLiteral("Sons"));
    // Beside "Tout cocher/décocher" of the defined exercises, the voice under them; the note on a
    // missing voice beside "Initialisation".
    CaseSons->setGeometry(200, 182, 168, 22);
    CaseVoix = new QCheckBox(QStringLiteral("Lire les consignes et les questions à voix haute"), bas);
    CaseVoix->setObjectName(QStringLiteral("LectureVoixHaute"));
    CaseVoix->setGeometry(10, 206, 360, 22);
    VoixIndisponible = new QLabel(TexteVoixIndisponible, bas);
    VoixIndisponible->setObjectName(QStringLiteral("VoixIndisponible"));
    VoixIndisponible->setGeometry(126, 228, 244, 52);
    VoixIndisponible->setFont(Polices::police(QStringLiteral("Comic Sans MS"), 12));
    VoixIndisponible->setWordWrap(true);
    VoixIndisponible->hide();
    for (QCheckBox* c : {CaseSons, CaseVoix}) {
        StyleProportionne::applique(c);
        Garde::connecte(c, &QCheckBox::clicked, this, [this] { EnregistreReglagesSons(); });
    }
}

void TParametrage::afficheReglagesSons() {
    const Sons::Reglages r = ReglagesClasse::lit(Etat().RepertoireClasse);
    CaseSons->setChecked(r.sons);
    CaseVoix->setChecked(r.voix);
    // The speech engine is asked only when the voice is wanted; it answers later.
    VoixIndisponible->hide();
    if (!r.voix) return;
    Sons::chercheVoix([this, label = QPointer<QLabel>(VoixIndisponible)](bool disponible) {
        if (label) label->setVisible(!disponible && CaseVoix->isChecked());
    });
}

void TParametrage::EnregistreReglagesSons() {
    try {
        ReglagesClasse::ecrit(Etat().RepertoireClasse, {CaseSons->isChecked(), CaseVoix->isChecked()});
    } catch (...) {
        // The boxes keep showing what the class's file says.
        afficheReglagesSons();
        throw;
    }
    afficheReglagesSons();
}
