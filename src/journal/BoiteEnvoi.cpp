#include "journal/BoiteEnvoi.h"

#include "journal/MagasinJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

#include <optional>

namespace {
[[noreturn]] void echec(const QString& chemin, const QString& raison) {
    throw ErreurJournal(QStringLiteral("La boîte d'envoi « %1 » de cet ordinateur ne peut pas être écrite : %2.")
                            .arg(chemin, raison));
}

QJsonArray faitEnJson(const Fait& f) {
    return {f.gauche, static_cast<int>(f.operation), f.droite, f.resultat};
}
Fait faitDeJson(const QJsonArray& a) {
    return {a.at(0).toInt(), static_cast<Operation>(std::clamp(a.at(1).toInt(), 0, 3)), a.at(2).toInt(), a.at(3).toInt()};
}

// Held for the time of one change of the file.
class Verrou final {
public:
    explicit Verrou(const QString& chemin) : verrou_(chemin + QStringLiteral(".verrou")) {
        verrou_.setStaleLockTime(30000);
        if (!verrou_.tryLock(10000)) echec(chemin, QStringLiteral("un autre programme la garde trop longtemps"));
    }

private:
    QLockFile verrou_;
};
}  // namespace

QString BoiteEnvoi::cheminParDefaut() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/boite_d_envoi.jsonl");
}

QByteArray BoiteEnvoi::enLigne(const Envoi& envoi) {
    QJsonObject o;
    if (const auto* l = std::get_if<LigneResultat>(&envoi)) {
        o = {{"ligne", l->identifiant}, {"table", l->table}, {"valeurs", QJsonArray::fromVariantList(l->valeurs)}};
    } else {
        const EntreeJournal& e = std::get<EntreeJournal>(envoi);
        QJsonArray operations;
        for (const OperationMontree& m : e.operations) operations.append(QJsonArray{faitEnJson(m.fait), static_cast<int>(m.action)});
        o = {{"enseignant", e.enseignant}, {"eleve", e.eleve}, {"moment", QString::number(e.moment)},
             {"type", e.typeExercice}, {"position", e.position}, {"creature", static_cast<int>(e.creature)},
             {"temps", e.tempsDeReponse}, {"typeAide", e.typeAide}, {"aide", e.aideUtilisee},
             {"bande", e.bandeUtilisee}, {"fait", faitEnJson(e.fait)}, {"trou", e.trou}, {"reponse", e.reponse},
             {"juste", e.justePremierCoup}, {"essais", e.essais}, {"msPremiere", e.msPremiere}, {"msFin", e.msFin},
             {"finCreature", e.finCreature}, {"operations", operations}};
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

Envoi BoiteEnvoi::deLigne(const QByteArray& ligne) {
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

QList<QByteArray> BoiteEnvoi::lit() const {
    QFile f(chemin_);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> lignes;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (!l.isEmpty()) lignes << l;
    return lignes;
}

void BoiteEnvoi::ecrit(const QList<QByteArray>& lignes) const {
    if (lignes.isEmpty()) {
        if (QFile::exists(chemin_) && !QFile::remove(chemin_)) echec(chemin_, QStringLiteral("elle ne peut pas être vidée"));
        return;
    }
    QSaveFile f(chemin_);
    if (!f.open(QIODevice::WriteOnly)) echec(chemin_, f.errorString());
    for (const QByteArray& l : lignes)
        if (f.write(l + '\n') != l.size() + 1) echec(chemin_, f.errorString());
    if (!f.flush() || !f.commit()) echec(chemin_, f.errorString());
}

void BoiteEnvoi::ajoute(const Envoi& envoi) { ajoute(QList<Envoi>{envoi}); }

void BoiteEnvoi::ajoute(const QList<Envoi>& envois) {
    if (!QDir().mkpath(QFileInfo(chemin_).absolutePath())) echec(chemin_, QStringLiteral("son dossier ne peut pas être créé"));
    Verrou verrou(chemin_);
    QList<QByteArray> lignes = lit();
    for (const Envoi& envoi : envois) lignes << enLigne(envoi);
    ecrit(lignes);
}

QString BoiteEnvoi::cheminMisDeCote(const QString& chemin) { return chemin + QStringLiteral(".lignes_abimees"); }

qsizetype BoiteEnvoi::vide(const std::function<bool(const Envoi&)>& livre) {
    if (!QFile::exists(chemin_)) return 0;
    // Delivery runs without the lock, so that another program of this computer can add to the
    // box meanwhile; the lines delivered are then removed under the lock.
    QList<QByteArray> lignes;
    {
        Verrou verrou(chemin_);
        lignes = lit();
    }
    QSet<QByteArray> faites;
    const auto retire = [&] {
        if (faites.isEmpty()) return;
        Verrou verrou(chemin_);
        QList<QByteArray> restent = lit();
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
            if (envoi && !livre(*envoi)) break;
            faites.insert(l);
        }
    } catch (...) {
        retire();
        throw;
    }
    retire();
    return taille();
}

qsizetype BoiteEnvoi::taille() const { return lit().size(); }
