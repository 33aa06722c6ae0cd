#include "logique/etat/NomsDossier.h"

#include <QFileInfo>

namespace {
const QString DebutParametrage = QStringLiteral("parametrage_");
const QString DebutResultats = QStringLiteral("profil_des_eleves_de_");
const QString DebutJournal = QStringLiteral("journal_des_reponses_de_");
const QString FinEnAttente = QStringLiteral(".en_attente.jsonl");
const QString Sqlite = QStringLiteral(".sqlite");

QString finDeClasse(const QString& enseignant) { return QStringLiteral("_de_") + enseignant + QStringLiteral(".txt"); }

// What lies between `debut` and `fin`, both matched in any case.
std::optional<QString> entre(const QString& nom, const QString& debut, const QString& fin) {
    if (nom.size() < debut.size() + fin.size() || !nom.startsWith(debut, Qt::CaseInsensitive) ||
        !nom.endsWith(fin, Qt::CaseInsensitive))
        return std::nullopt;
    return nom.mid(debut.size(), nom.size() - debut.size() - fin.size());
}
}  // namespace

namespace NomsDossier {
QString dossierClasse(const QString& enseignant) {
    return enseignant == QLatin1String("aucun") ? QStringLiteral("classe sans enseignant")
                                                : QStringLiteral("classe de ") + enseignant;
}

QString repertoireClasse(const QString& enseignant) { return dossierClasse(enseignant) + QLatin1Char('/'); }

QString listeEleves(const QString& enseignant) {
    return enseignant == QLatin1String("aucun") ? QStringLiteral("eleve_sans_enseignant.txt")
                                                : QStringLiteral("classe_") + enseignant + QStringLiteral(".txt");
}

QString parametrageEnseignant(const QString& enseignant) {
    return QStringLiteral("enseignant_parametrage_") + enseignant + QStringLiteral(".txt");
}

QString parametrage(const QString& eleve, const QString& enseignant) {
    return DebutParametrage + eleve + finDeClasse(enseignant);
}

std::optional<QString> eleveDuParametrage(const QString& nom, const QString& enseignant) {
    const auto eleve = entre(nom, DebutParametrage, finDeClasse(enseignant));
    return eleve && !eleve->isEmpty() ? eleve : std::nullopt;
}

QString profil(const QString& eleve, const QString& enseignant) {
    return QStringLiteral("profil_") + eleve + finDeClasse(enseignant);
}

QString testsRefuses(const QString& eleve, const QString& enseignant) {
    return QStringLiteral("test_refuse_") + eleve + finDeClasse(enseignant);
}

QString amenagements(const QString& eleve, const QString& enseignant) {
    return QStringLiteral("amenagement_") + eleve + finDeClasse(enseignant);
}

QString classeur(const QString& enseignant) { return DebutResultats + enseignant + QStringLiteral(".xlsx"); }

QString baseResultats(const QString& enseignant) { return DebutResultats + enseignant + Sqlite; }

QString journal(const QString& enseignant) { return DebutJournal + enseignant + Sqlite; }

QString journalEnAttente(const QString& journal) { return journal + FinEnAttente; }

std::optional<QString> enseignantEnAttente(const QString& nom) { return entre(nom, DebutJournal, Sqlite + FinEnAttente); }

QString journalMisDeCote(const QString& journal, const QDateTime& quand, int n) {
    const QString base = journal.chopped(QFileInfo(journal).suffix().size() + 1);
    const QString numero = n > 1 ? QStringLiteral("_%1").arg(n) : QString();
    return base + QStringLiteral(".abime_") + quand.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + numero + Sqlite;
}

QStringList nomsDeLEnseignant(const QString& t) {
    // A journal set aside is counted with a one-digit number: ten damaged within a second is no case.
    const QDateTime quand(QDate(2000, 1, 1), QTime(0, 0));
    return {dossierClasse(t), listeEleves(t), parametrageEnseignant(t),     classeur(t),
            baseResultats(t), journal(t),     journalEnAttente(journal(t)), journalMisDeCote(journal(t), quand, 9)};
}

QStringList nomsDeLEleve(const QString& ligne, const QString& t) {
    return {profil(ligne, t), parametrage(ligne, t), testsRefuses(ligne, t), amenagements(ligne, t)};
}
}  // namespace NomsDossier
