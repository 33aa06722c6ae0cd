#include "logique/journal/Journal.h"

#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/base/Minuterie.h"
#include "logique/etat/NomsDossier.h"
#include "logique/journal/AppelBorne.h"
#include "logique/journal/AvisEnseignant.h"
#include "logique/journal/EnvoisDifferes.h"
#include "logique/journal/Ecrivain.h"
#include "logique/journal/JournalSqlite.h"
#include "logique/journal/EnvoisRefuses.h"
#include "logique/journal/MagasinSql.h"
#include "logique/etat/SharedState.h"

#include <QDir>
#include <QFileInfo>

#include <mutex>

using namespace JournalInterne;

namespace {
using std::chrono::milliseconds;

std::mutex verrouFabrique;
Journal::Fabrique fabriqueInstallee;
QString cheminDifferes;

Ecrivain& ecrivain() {
    static Ecrivain instance;
    return instance;
}

bool dejaSignale = false;
qint64 dernierMoment = 0;

Tache tacheFichier(std::optional<Envoi> envoi, const QString& enseignant, const QString& repertoireClasse) {
    return {std::move(envoi), enseignant, repertoireClasse,
            fabrique() ? QString() : Journal::cheminSqlite(enseignant, repertoireClasse)};
}
}  // namespace

namespace JournalInterne {
Journal::Fabrique fabrique() {
    std::lock_guard garde(verrouFabrique);
    return fabriqueInstallee;
}

QString fichierDifferes() {
    std::lock_guard garde(verrouFabrique);
    return cheminDifferes;
}
}  // namespace JournalInterne

namespace Journal {
QString cheminSqlite(const QString& enseignant, const QString& repertoireClasse) {
    return repertoireClasse + NomsDossier::journal(enseignant);
}

QString cheminEnAttente(const QString& fichierSqlite) { return NomsDossier::journalEnAttente(fichierSqlite); }

std::unique_ptr<MagasinJournal> ouvre(const QString& enseignant, const QString& repertoireClasse) {
    if (const Fabrique f = fabrique()) return f(enseignant, repertoireClasse);
    ParametresConnexion p;
    p.base = cheminSqlite(enseignant, repertoireClasse);
    return std::make_unique<MagasinSql>(p);
}

std::unique_ptr<MagasinJournal> ouvreAbime(const QString& enseignant, const QString& repertoireClasse, QString& manque) {
    const QString fichier = cheminSqlite(enseignant, repertoireClasse);
    JournalSqlite::Lecture lecture;
    auto magasin = JournalSqlite::lisible(fichier, enseignant, lecture);
    manque = QStringLiteral("Le journal des réponses « %1 » est abîmé : %2 Il sera mis de côté et remplacé par un "
                            "nouveau, avec tout ce qui peut en être lu, dès qu'un élève de la classe jouera.")
                 .arg(fichier, JournalSqlite::texteLecture(lecture));
    return magasin;
}

// The default files are never made just to read or delete from them.
bool aUnJournal(const QString& enseignant, const QString& repertoireClasse) {
    return fabrique() || QFileInfo::exists(cheminSqlite(enseignant, repertoireClasse));
}

void oublieEleve(const QString& enseignant, const QString& eleve, const QString& repertoireClasse) {
    attendsBrievement();
    ecrivain().retire(enseignant, eleve);
    if (aUnJournal(enseignant, repertoireClasse)) ouvre(enseignant, repertoireClasse)->supprimeEleve(enseignant, eleve);
}

void oublieEnseignant(const QString& enseignant, const QString& repertoireClasse) {
    attendsBrievement();
    // The class's own file goes with the class folder.
    if (fabrique()) ouvre(enseignant, repertoireClasse)->supprimeEnseignant(enseignant);
}

void installeFabrique(Fabrique f, const QString& fichierDifferes) {
    {
        std::lock_guard garde(verrouFabrique);
        fabriqueInstallee = std::move(f);
        cheminDifferes = fichierDifferes.isEmpty() ? EnvoisDifferes::cheminParDefaut() : fichierDifferes;
    }
    // What an earlier session left in the outbox leaves now.
    if (fabrique() && EnvoisDifferes(JournalInterne::fichierDifferes()).taille() > 0) renvoie();
}

bool surServeur() { return bool(fabrique()); }

void ecritLigne(const LigneResultat& ligne) {
    if (fabrique()) ecrivain().ajoute(Tache{ligne, {}, {}, {}});
}

void renvoie() { ecrivain().ajoute(std::nullopt); }

qsizetype enAttente() { return fabrique() ? EnvoisDifferes(fichierDifferes()).taille() : 0; }

void ecrit(const EntreeJournal& entree, const QString& repertoireClasse) {
    if (entree.eleve == EleveSansId || entree.eleve.isEmpty()) return;
    ecrivain().ajoute(tacheFichier(entree, entree.enseignant, repertoireClasse));
}

void attends() { ecrivain().attends(std::nullopt); }

bool attendsBrievement() { return ecrivain().attends(Montre::now() + milliseconds(Minuterie::intervalle(AttenteEcranMs))); }

void arrete() {
    ecrivain().arrete();
    EnvoisDifferes::gardeCeQuiAttend();
}

QList<EntreeJournal> enFile(const QString& enseignant, const QString& eleve) { return ecrivain().enFile(enseignant, eleve); }

void reprendEnAttente() {
    for (const QString& dossier : QDir::current().entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString& f : QDir(dossier).entryList(QDir::Files))
            if (const auto enseignant = NomsDossier::enseignantEnAttente(f)) {
                const QString classe = dossier + QLatin1Char('/');
                ecrivain().ajoute(Tache{std::nullopt, *enseignant, classe, cheminSqlite(*enseignant, classe)});
            }
}

void nouvelleSession(const QString& enseignant, const QString& repertoireClasse) {
    dejaSignale = false;
    ecrivain().nouvelleSession();
    if (!enseignant.isEmpty() && !fabrique()) ecrivain().ajoute(tacheFichier(std::nullopt, enseignant, repertoireClasse));
}

void signaleEchecs() {
    if (!ecrivain().prendADire() || dejaSignale) return;
    dejaSignale = true;
    Messages::information(TexteEleve);
}

void ditALEnseignant(const QString& repertoireClasse) {
    const QStringList avis = AvisEnseignant::prend(repertoireClasse);
    if (avis.isEmpty()) return;
    Messages::information(QStringLiteral("Marivelle a noté ceci pour vous\u00A0:\n") + avis.join(QLatin1Char('\n')));
}

void retablit() {
    ecrivain().arrete();
    ecrivain().oublie();
    installeFabrique(nullptr);
    dejaSignale = false;
    dernierMoment = 0;
}

void arreteLesFils() {
    ecrivain().arrete();
    AppelBorne::arreteSurveillant();
}

void signaleRefus() {
    const QString chemin = fichierDifferes();
    const QString texte = EnvoisRefuses::aSignaler(
        EnvoisDifferes::cheminRefus(chemin.isEmpty() ? EnvoisDifferes::cheminParDefaut() : chemin));
    if (!texte.isEmpty()) Messages::information(texte);
}

qint64 momentUnique() {
    dernierMoment = std::max(dernierMoment + 1, Horloge::maintenant().toMSecsSinceEpoch());
    return dernierMoment;
}
}  // namespace Journal
