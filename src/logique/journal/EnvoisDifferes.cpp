#include "logique/journal/EnvoisDifferes.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/journal/MagasinJournal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>

#include <map>
#include <mutex>
#include <optional>
#include <unistd.h>

namespace {
[[noreturn]] void echec(const QString& chemin, const QString& raison) {
    throw ErreurJournal(
        QStringLiteral("La boîte d'envoi « %1 » de cet ordinateur ne peut pas être écrite : %2.").arg(chemin, raison));
}

QJsonArray faitEnJson(const Fait& f) { return {f.gauche, static_cast<int>(f.operation), f.droite, f.resultat}; }
Fait faitDeJson(const QJsonArray& a) {
    return {a.at(0).toInt(), static_cast<Operation>(std::clamp(a.at(1).toInt(), 0, 3)), a.at(2).toInt(), a.at(3).toInt()};
}

// Short: adding a line holds the lock for microseconds. A lock held longer (another program of
// this user frozen while it rewrote the box) never holds the writer up: what it adds then waits in
// this program's memory and goes to the file at the next change, in order.
constexpr int AttenteVerrouMs = 500;
// At the end of the program, longer; past it, what waits goes to a file of this program's own
// beside the box (`<box>.attente-<pid>`), taken into the box at its next change.
constexpr int AttenteFinMs = 3000;

class Verrou final {
public:
    Verrou(const QString& chemin, int attenteMs) : verrou_(chemin + QStringLiteral(".verrou")) {
        verrou_.setStaleLockTime(30000);
        tient_ = verrou_.tryLock(attenteMs);
    }
    bool tient() const { return tient_; }

private:
    QLockFile verrou_;
    bool tient_ = false;
};

// What this program could not add yet, by box. Never destroyed: the writer may add at the very end.
struct Memoire {
    std::mutex verrou;
    std::map<QString, QList<QByteArray>> lignes;
};
Memoire& memoire() {
    static Memoire* const instance = new Memoire;
    return *instance;
}

QList<QByteArray> lignesDe(const QString& chemin) { return EnvoisDifferes::lignesDuFichier(chemin); }

// The files left by programs that ended while the box was locked.
QStringList fichiersEnAttente(const QString& chemin) {
    const QFileInfo differes(chemin);
    QStringList fichiers;
    for (const QString& nom : differes.dir().entryList({differes.fileName() + QStringLiteral(".attente-*")}, QDir::Files))
        fichiers << differes.dir().filePath(nom);
    return fichiers;
}

// Appends whole lines: a line cut off by a crash before them is ended first, and a failed write
// is cut back, so that every line stays one record.
void ajouteLignes(const QString& chemin, const QList<QByteArray>& lignes) {
    if (lignes.isEmpty()) return;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadWrite | QIODevice::Append)) echec(chemin, f.errorString());
    const qint64 taille = f.size();
    QByteArray octets;
    if (taille > 0 && f.seek(taille - 1) && f.read(1) != "\n") octets += '\n';
    for (const QByteArray& l : lignes) octets += l + '\n';
    if (f.write(octets) != octets.size() || !f.flush() || ::fsync(f.handle()) != 0) {
        const QString raison = f.errorString();
        f.resize(taille);
        echec(chemin, raison);
    }
}

// Under the box's lock: what waited elsewhere (files of ended programs, then this program's
// memory) goes into the box, oldest first.
void rassemble(const QString& chemin) {
    for (const QString& fichier : fichiersEnAttente(chemin)) {
        ajouteLignes(chemin, lignesDe(fichier));
        QFile::remove(fichier);
    }
    std::lock_guard garde(memoire().verrou);
    const auto it = memoire().lignes.find(chemin);
    if (it == memoire().lignes.end()) return;
    ajouteLignes(chemin, it->second);
    memoire().lignes.erase(it);
}

// A refused record's line in the refused file.
QByteArray ligneRefusee(const QByteArray& ligne, const QString& raison) {
    const QJsonObject o{{"le", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
                        {"raison", raison},
                        {"envoi", QJsonDocument::fromJson(ligne).object()}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

qsizetype enMemoire(const QString& chemin) {
    std::lock_guard garde(memoire().verrou);
    const auto it = memoire().lignes.find(chemin);
    return it == memoire().lignes.end() ? 0 : it->second.size();
}
}  // namespace

QString EnvoisDifferes::cheminParDefaut() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/boite_d_envoi.jsonl");
}

QByteArray EnvoisDifferes::enLigne(const Envoi& envoi) {
    QJsonObject o;
    if (const auto* l = std::get_if<LigneResultat>(&envoi)) {
        o = {{"ligne", l->identifiant}, {"table", l->table}, {"valeurs", QJsonArray::fromVariantList(l->valeurs)}};
    } else {
        const EntreeJournal& e = std::get<EntreeJournal>(envoi);
        QJsonArray operations;
        for (const OperationMontree& m : e.operations)
            operations.append(QJsonArray{faitEnJson(m.fait), static_cast<int>(m.action)});
        o = {{"enseignant", e.enseignant},
             {"eleve", e.eleve},
             {"moment", QString::number(e.moment)},
             {"type", e.typeExercice},
             {"position", e.position},
             {"creature", static_cast<int>(e.creature)},
             {"temps", e.tempsDeReponse},
             {"typeAide", e.typeAide},
             {"aide", e.aideUtilisee},
             {"bande", e.bandeUtilisee},
             {"fait", faitEnJson(e.fait)},
             {"trou", e.trou},
             {"reponse", e.reponse},
             {"juste", e.justePremierCoup},
             {"essais", e.essais},
             {"msPremiere", e.msPremiere},
             {"msFin", e.msFin},
             {"finCreature", e.finCreature},
             {"operations", operations}};
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

Envoi EnvoisDifferes::deLigne(const QByteArray& ligne) {
    QJsonParseError erreur;
    const QJsonDocument d = QJsonDocument::fromJson(ligne, &erreur);
    if (erreur.error != QJsonParseError::NoError || !d.isObject())
        throw ErreurJournal(QStringLiteral("Une ligne de la boîte d'envoi n'est pas lisible."));
    const QJsonObject o = d.object();
    if (o.contains(QLatin1String("ligne")))
        return LigneResultat{o[QLatin1String("ligne")].toString(), o[QLatin1String("table")].toString(),
                             o[QLatin1String("valeurs")].toArray().toVariantList()};
    EntreeJournal e;
    e.enseignant = o[QLatin1String("enseignant")].toString();
    e.eleve = o[QLatin1String("eleve")].toString();
    e.moment = o[QLatin1String("moment")].toString().toLongLong();
    e.typeExercice = o[QLatin1String("type")].toInt();
    e.position = o[QLatin1String("position")].toInt();
    e.creature = static_cast<Creature>(std::clamp(o[QLatin1String("creature")].toInt(), 0, 2));
    e.tempsDeReponse = o[QLatin1String("temps")].toInt();
    e.typeAide = o[QLatin1String("typeAide")].toInt();
    e.aideUtilisee = o[QLatin1String("aide")].toBool();
    e.bandeUtilisee = o[QLatin1String("bande")].toBool();
    e.fait = faitDeJson(o[QLatin1String("fait")].toArray());
    e.trou = o[QLatin1String("trou")].toInt();
    e.reponse = o[QLatin1String("reponse")].toString();
    e.justePremierCoup = o[QLatin1String("juste")].toBool();
    e.essais = o[QLatin1String("essais")].toInt();
    e.msPremiere = o[QLatin1String("msPremiere")].toInt();
    e.msFin = o[QLatin1String("msFin")].toInt();
    e.finCreature = o[QLatin1String("finCreature")].toBool();
    for (const QJsonValue& v : o[QLatin1String("operations")].toArray()) {
        const QJsonArray a = v.toArray();
        e.operations.append({faitDeJson(a.at(0).toArray()), static_cast<ActionOperation>(std::clamp(a.at(1).toInt(), 0, 3))});
    }
    if (e.enseignant.isEmpty() || e.eleve.isEmpty() || e.moment <= 0)
        throw ErreurJournal(QStringLiteral("Une ligne de la boîte d'envoi n'est pas lisible."));
    return e;
}

void EnvoisDifferes::ecrit(const QList<QByteArray>& lignes) const {
    if (lignes.isEmpty()) {
        if (QFile::exists(chemin_) && !QFile::remove(chemin_)) echec(chemin_, QStringLiteral("elle ne peut pas être vidée"));
        return;
    }
    QByteArray octets;
    for (const QByteArray& l : lignes) octets += l + '\n';
    try {
        FichierTexte::remplaceOctetsAilleurs(chemin_, octets);
    } catch (const ErreurFichier& e) {
        throw ErreurJournal(e.message());
    }
}

void EnvoisDifferes::ajoute(const Envoi& envoi) { ajoute(QList<Envoi>{envoi}); }

void EnvoisDifferes::ajoute(const QList<Envoi>& envois) {
    if (!QDir().mkpath(QFileInfo(chemin_).absolutePath())) echec(chemin_, QStringLiteral("son dossier ne peut pas être créé"));
    qsizetype attente;
    {
        std::lock_guard garde(memoire().verrou);
        QList<QByteArray>& lignes = memoire().lignes[chemin_];
        for (const Envoi& envoi : envois) lignes << enLigne(envoi);
        attente = lignes.size();
    }
    // The lock already missed a moment ago: no new wait for each record.
    const Verrou verrou(chemin_, attente > envois.size() ? 0 : AttenteVerrouMs);
    if (verrou.tient()) rassemble(chemin_);
}

QList<QByteArray> EnvoisDifferes::lignesDuFichier(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> lignes;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (!l.isEmpty()) lignes << l;
    return lignes;
}

QString EnvoisDifferes::cheminMisDeCote(const QString& chemin) { return chemin + QStringLiteral(".lignes_abimees"); }

qsizetype EnvoisDifferes::vide(const std::function<bool(const Envoi&)>& livre) {
    // Delivery runs without the lock, so that another program of this computer can add to the
    // box meanwhile; the lines delivered are then removed under the lock.
    QList<QByteArray> lignes;
    {
        const Verrou verrou(chemin_, AttenteVerrouMs);
        if (!verrou.tient()) return taille();  // sent at the next try
        rassemble(chemin_);
        lignes = lignesDe(chemin_);
    }
    QSet<QByteArray> faites;
    QList<QByteArray> refusees;
    const auto retire = [&] {
        if (faites.isEmpty()) return;
        // Not removed now, they are sent again later: the server keeps each record once.
        const Verrou verrou(chemin_, AttenteVerrouMs);
        if (!verrou.tient()) return;
        ajouteLignes(cheminRefus(), refusees);
        QList<QByteArray> restent = lignesDe(chemin_);
        restent.removeIf([&](const QByteArray& l) { return faites.contains(l); });
        ecrit(restent);
    };
    misesDeCote_ = 0;
    try {
        for (const QByteArray& l : lignes) {
            std::optional<Envoi> envoi;
            try {
                envoi = deLigne(l);
            } catch (const ErreurJournal&) {
                // A line cut off by a crash cannot be sent: it is kept aside as it is, for a person
                // to look at; one that cannot be kept aside stays in the box.
                QFile aCote(cheminMisDeCote(chemin_));
                if (!aCote.open(QIODevice::Append) || aCote.write(l + '\n') != l.size() + 1 || !aCote.flush()) continue;
                ++misesDeCote_;
            }
            try {
                if (envoi && !livre(*envoi)) break;
            } catch (const ErreurJournal& e) {
                if (e.genre() != ErreurJournal::Genre::Definitif) throw;
                refusees << ligneRefusee(l, e.message());
            }
            faites.insert(l);
        }
    } catch (...) {
        retire();
        throw;
    }
    retire();
    return taille();
}

qsizetype EnvoisDifferes::taille() const {
    qsizetype n = lignesDe(chemin_).size() + enMemoire(chemin_);
    for (const QString& fichier : fichiersEnAttente(chemin_)) n += lignesDe(fichier).size();
    return n;
}

QString EnvoisDifferes::cheminRefus(const QString& differes) {
    return QFileInfo(differes).dir().filePath(QStringLiteral("envois_refuses.jsonl"));
}

bool EnvoisDifferes::metDeCote(const Envoi& envoi, const QString& raison) {
    if (!QDir().mkpath(QFileInfo(chemin_).absolutePath())) return false;
    const Verrou verrou(chemin_, AttenteVerrouMs);
    if (!verrou.tient()) return false;
    ajouteLignes(cheminRefus(), {ligneRefusee(enLigne(envoi), raison)});
    return true;
}

void EnvoisDifferes::gardeCeQuiAttend() {
    std::map<QString, QList<QByteArray>> restent;
    {
        std::lock_guard garde(memoire().verrou);
        restent.swap(memoire().lignes);
    }
    for (const auto& [chemin, lignes] : restent) {
        const Verrou verrou(chemin, AttenteFinMs);
        if (verrou.tient()) ajouteLignes(chemin, lignes);
        else ajouteLignes(chemin + QStringLiteral(".attente-%1").arg(QCoreApplication::applicationPid()), lignes);
    }
}
