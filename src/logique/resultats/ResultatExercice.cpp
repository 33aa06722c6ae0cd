#include "logique/resultats/ResultatExercice.h"

#include "logique/etat/SharedState.h"

#include <cmath>

namespace {
double tauxDeReussite(int questions, int erreurs) {
    if (questions == 0) return 0;
    return static_cast<double>(static_cast<long double>(questions - erreurs) / questions * 100);
}

double dureeEnJours(double heureDebut, double heureFin) {
    double d = heureFin - heureDebut;
    if (d < 0) d += 1;
    return d;
}

int secondesEntieres(double dureeJours) {
    const double s = static_cast<double>(std::llround(dureeJours * 86400000.0)) / 1000.0;
    return static_cast<int>(std::nearbyint(s));
}

double secondesParQuestion(double dureeJours, int questions) {
    if (questions == 0) return 0;
    const long double secondes = std::llround(dureeJours * 86400000.0) / 1000.0L;
    // nearbyintl rounds halves to the even neighbour in the default rounding mode.
    const long double centiemes = std::nearbyintl(secondes / questions / 0.01L);
    return static_cast<double>(centiemes * 0.01L);
}
}  // namespace

ResultatExercice ResultatExercice::de(const SharedState& e, int erreurs, const QString& listeErreurs) {
    ResultatExercice r;
    r.eleve = e.NomEleve;
    r.enseignant = e.NomEnseignant;
    r.debut = e.DateHeureDebut;
    r.fin = e.DateHeureFin;
    r.numeroExercice = e.NumeroExercice;
    r.typeExercice = e.TypeExercice;
    r.tables = e.entreesTables();
    r.successeurs = e.CasSuccesseurs;
    r.doubles = e.CasDoublesCarres;
    r.typeAide = e.TypeAide;
    r.questions = e.NombreDeQuestions;
    r.erreurs = erreurs;
    r.listeErreurs = listeErreurs;
    r.taux = tauxDeReussite(r.questions, erreurs);
    r.tauxArrondi = static_cast<int>(std::nearbyint(r.taux));
    r.duree = dureeEnJours(e.HeureDebut, e.HeureFin);
    r.secondes = secondesEntieres(r.duree);
    r.tempsParQuestion = secondesParQuestion(r.duree, r.questions);
    return r;
}
