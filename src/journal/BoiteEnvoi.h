#pragma once
// The outbox of one computer: what a school server could not take yet, kept on this computer
// (never in the shared folder, which every computer writes) until the server answers again.
// One JSON object a line, oldest first; each change replaces the whole file atomically, under a
// lock, so two programs of one user on this computer never lose each other's records.
#include "journal/EntreeJournal.h"
#include "journal/LigneResultat.h"

#include <QList>
#include <QString>
#include <functional>
#include <variant>

using Envoi = std::variant<EntreeJournal, LigneResultat>;

class BoiteEnvoi final {
public:
    // Default place: "<AppLocalDataLocation>/boite_d_envoi.jsonl".
    static QString cheminParDefaut();
    explicit BoiteEnvoi(QString chemin) : chemin_(std::move(chemin)) {}

    // Adds at the end. Throws ErreurJournal when the file cannot be written (the record is lost).
    void ajoute(const Envoi& envoi);
    // Adds several at the end, in one write.
    void ajoute(const QList<Envoi>& envois);
    // Hands the records to `livre` in order until it returns false or throws; those delivered
    // are removed. A line that cannot be read (cut off by a crash) is moved, as it is, to the
    // file cheminMisDeCote() beside the box, never dropped. Returns how many are left.
    qsizetype vide(const std::function<bool(const Envoi&)>& livre);
    // Lines the last vide() moved aside.
    qsizetype misesDeCote() const { return misesDeCote_; }
    // "<box>.lignes_abimees": the lines that could not be read, one a line, as they were.
    static QString cheminMisDeCote(const QString& chemin);
    qsizetype taille() const;
    const QString& chemin() const { return chemin_; }

    static QByteArray enLigne(const Envoi& envoi);
    // Throws ErreurJournal on a line this program did not write.
    static Envoi deLigne(const QByteArray& ligne);

private:
    QList<QByteArray> lit() const;
    void ecrit(const QList<QByteArray>& lignes) const;

    QString chemin_;
    qsizetype misesDeCote_ = 0;
};
