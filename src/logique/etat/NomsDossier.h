#pragma once
// The names of the files and folders of the working folder, built here and read back here only:
// a name is spelt once, and the length rule of new teacher and pupil names (VerifieNom) measures
// the very names the program makes. Each is one name, without a folder; the class folder also
// comes with its "/", the form the shared state keeps (RepertoireClasse) and files are joined to.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace NomsDossier {
// In the working folder.
inline const QString Enseignants = QStringLiteral("enseignant.txt");       // the teacher list
inline const QString MessagesPerdu = QStringLiteral("MessagesPerdu.txt");  // the fish's messages
inline const QString ParametrageParDefaut = QStringLiteral("Parametrage_par_defaut.txt");
inline const QString Configuration = QStringLiteral("marivelle.ini");  // the school server
// The data folder's identity on the server, written once when marivelle.ini has no key "dossier".
inline const QString IdentiteDuDossier = QStringLiteral("identifiant_du_dossier.txt");

// "classe de <T>", or "classe sans enseignant" for the pseudo-teacher "aucun".
QString dossierClasse(const QString& enseignant);
// dossierClasse and "/".
QString repertoireClasse(const QString& enseignant);

// In a class folder.
inline const QString SonsEtVoix = QStringLiteral("sons_et_voix.txt");                    // sound and voice
inline const QString SeuilClasse = QStringLiteral("suivi_des_eleves.txt");               // progress threshold
inline const QString ModeleMemoire = QStringLiteral("modele_memoire.txt");               // the fitted memory model
inline const QString AvisEnseignant = QStringLiteral("messages_pour_l_enseignant.txt");  // journal's notes
// "classe_<T>.txt", or "eleve_sans_enseignant.txt" for "aucun".
QString listeEleves(const QString& enseignant);
// "enseignant_parametrage_<T>.txt".
QString parametrageEnseignant(const QString& enseignant);
// "parametrage_<pupil line>_de_<T>.txt".
QString parametrage(const QString& eleve, const QString& enseignant);
// The pupil line of one of that teacher's parameter-file names, its fixed parts in any case (a
// case-blind disk opens them alike); none for any other name. The teacher is needed: a pupil may
// be called "x_de_y".
std::optional<QString> eleveDuParametrage(const QString& nom, const QString& enseignant);
// "profil_<pupil line>_de_<T>.txt".
QString profil(const QString& eleve, const QString& enseignant);
// "test_refuse_<pupil line>_de_<T>.txt": the operations whose starting test the pupil declined.
QString testsRefuses(const QString& eleve, const QString& enseignant);
// "amenagement_<pupil line>_de_<T>.txt": what the teacher adjusted for the pupil (docs/amenagements.md).
// Its first part is no longer than "parametrage_", so the length rule of pupil names stays as it
// was and every pupil already registered has room for it.
QString amenagements(const QString& eleve, const QString& enseignant);
// "profil_des_eleves_de_<T>.xlsx" and ".sqlite": the results workbook and database.
QString classeur(const QString& enseignant);
QString baseResultats(const QString& enseignant);
// "journal_des_reponses_de_<T>.sqlite": the answer journal.
QString journal(const QString& enseignant);
// What waits for a journal, beside it: "<journal>.en_attente.jsonl" (the journal's path or name).
QString journalEnAttente(const QString& journal);
// The teacher of a pending file's name (its fixed parts in any case); none for any other name.
std::optional<QString> enseignantEnAttente(const QString& nom);
// A damaged journal set aside: "<journal without extension>.abime_<yyyy-MM-dd_HH-mm-ss>.sqlite",
// "_<n>" before ".sqlite" when n > 1 (a name already taken that second).
QString journalMisDeCote(const QString& journal, const QDateTime& quand, int n = 1);

// Every name made here with a teacher's name alone, and with a pupil line and its teacher's name
// (the pupil's files, which go with the pupil): what the length rule of new names measures.
QStringList nomsDeLEnseignant(const QString& enseignant);
QStringList nomsDeLEleve(const QString& ligne, const QString& enseignant);
}  // namespace NomsDossier
