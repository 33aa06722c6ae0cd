#pragma once
// The outbox of one computer: what a school server could not take yet, kept on this computer
// (never in the shared folder, which every computer writes) until the server answers again.
// One JSON object a line, oldest first. Programs of one user (a shared pupil account on a
// terminal server) share it: a record is appended under a short lock, delivered lines are
// removed by a whole-file replace under the same lock. A lock another program holds too long
// loses nothing: the record waits in memory (and, when the program ends, in a file of its own
// beside the box) and goes in at the next change.
#include "logique/journal/EntreeJournal.h"
#include "logique/journal/LigneResultat.h"

#include <QList>
#include <QString>
#include <functional>
#include <variant>

using Envoi = std::variant<EntreeJournal, LigneResultat>;

class EnvoisDifferes final {
public:
    // Default place: "<AppLocalDataLocation>/boite_d_envoi.jsonl".
    static QString cheminParDefaut();
    explicit EnvoisDifferes(QString chemin) : chemin_(std::move(chemin)) {}

    // Adds at the end (or keeps it in memory while the lock is held elsewhere). Throws
    // ErreurJournal when the file cannot be written; the record then waits in memory.
    void ajoute(const Envoi& envoi);
    // Adds several at the end, in one write.
    void ajoute(const QList<Envoi>& envois);
    // Hands the records to `livre` in order until it returns false or throws; those delivered
    // are removed, and those it refuses for good (ErreurJournal::Genre::Definitif) set aside. A
    // line that cannot be read (cut off by a crash) is moved, as it is, to the file
    // cheminMisDeCote() beside the box, never dropped. Returns how many are left (nothing is
    // handed while the lock is held elsewhere).
    qsizetype vide(const std::function<bool(const Envoi&)>& livre);
    // Lines the last vide() moved aside.
    qsizetype misesDeCote() const { return misesDeCote_; }
    // "<box>.lignes_abimees": the lines that could not be read, one a line, as they were.
    static QString cheminMisDeCote(const QString& chemin);
    // Records waiting: in the file, in this program's memory, in files of ended programs.
    qsizetype taille() const;

    // The records the server refused for good (a value it will never take), set aside so that
    // they never hold the others up, and never lost: "envois_refuses.jsonl" beside the box, one
    // JSON object a line {"le": UTC ISO time, "raison": French reason, "envoi": the box's line}.
    static QString cheminRefus(const QString& differes);
    QString cheminRefus() const { return cheminRefus(chemin_); }
    // Sets one aside, under the box's lock; false when the lock cannot be had now (the caller
    // keeps the record in the box, where it is refused again and set aside later).
    bool metDeCote(const Envoi& envoi, const QString& raison);
    // At the end of the program: what waits in memory goes to its box, or beside it.
    static void gardeCeQuiAttend();
    const QString& chemin() const { return chemin_; }

    // The non-empty lines of a JSON-lines file (none when it cannot be read).
    static QList<QByteArray> lignesDuFichier(const QString& chemin);
    static QByteArray enLigne(const Envoi& envoi);
    // Throws ErreurJournal on a line this program did not write.
    static Envoi deLigne(const QByteArray& ligne);

private:
    void ecrit(const QList<QByteArray>& lignes) const;

    QString chemin_;
    qsizetype misesDeCote_ = 0;
};
