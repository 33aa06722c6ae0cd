#include "logique/journal/ConfigurationServeur.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"

#include <QDir>
#include <QFile>
#include <QUuid>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

namespace {
const QStringList Cles = {QStringLiteral("hote"),
                          QStringLiteral("port"),
                          QStringLiteral("base"),
                          QStringLiteral("utilisateur"),
                          QStringLiteral("fichier_mot_de_passe"),
                          QStringLiteral("tls"),
                          QStringLiteral("certificat_racine"),
                          QStringLiteral("dossier")};
const QStringList ModesTls = {QStringLiteral("disable"), QStringLiteral("prefer"), QStringLiteral("require"),
                              QStringLiteral("verify-full")};

struct Refus {
    QString fichier;  // the file the refusal is about
    QString raison;
};

// A key of [serveur] and the file it was read from.
struct Valeur {
    QString texte;
    QString fichier;
};
using ClesLues = QHash<QString, Valeur>;

// One .ini file's [serveur] keys into `cles` (a later file's replace an earlier one's). Section
// and key names are read whatever their case; "#" or ";" begins a comment, also after a value.
// True when the file has a [serveur] section.
bool litFichier(const QString& chemin, ClesLues& cles) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) throw Refus{chemin, QStringLiteral("il ne peut pas être lu")};
    QString section;
    bool serveur = false;
    const QStringList lignes = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lignes.size(); ++n) {
        QString ligne = lignes[n];
        if (n == 0 && ligne.startsWith(QChar(0xFEFF))) ligne.remove(0, 1);
        for (qsizetype i = 0; i < ligne.size(); ++i)
            if (ligne[i] == QLatin1Char('#') || ligne[i] == QLatin1Char(';')) ligne.truncate(i);
        ligne = ligne.trimmed();
        if (ligne.isEmpty()) continue;
        if (ligne.startsWith(QLatin1Char('[')) && ligne.endsWith(QLatin1Char(']'))) {
            section = ligne.mid(1, ligne.size() - 2).trimmed().toLower();
            serveur = serveur || section == QLatin1String("serveur");
            continue;
        }
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal <= 0) throw Refus{chemin, QStringLiteral("la ligne %1 n'a pas la forme « clé = valeur »").arg(n + 1)};
        if (section != QLatin1String("serveur")) continue;
        const QString cle = ligne.left(egal).trimmed().toLower();
        if (!Cles.contains(cle)) throw Refus{chemin, QStringLiteral("la clé « %1 » n'est pas connue").arg(cle)};
        cles.insert(cle, {ligne.mid(egal + 1).trimmed(), chemin});
    }
    return serveur;
}

// The password file's first line; a file others may read is refused, as libpq refuses its own.
QString motDePasse(const Valeur& v) {
    const QString& chemin = v.texte;
    const QFileInfo info(chemin);
    if (!info.isFile())
        throw Refus{v.fichier,
                    QStringLiteral("le fichier « %1 » nommé par la clé « fichier_mot_de_passe » n'existe pas").arg(chemin)};
    const auto autres = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                        QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (info.permissions() & autres)
        throw Refus{v.fichier, QStringLiteral("le fichier « %1 » nommé par la clé « fichier_mot_de_passe » peut être lu par "
                                              "d'autres que son propriétaire (chmod 600 le corrige)")
                                   .arg(chemin)};
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        throw Refus{
            v.fichier,
            QStringLiteral("le fichier « %1 » nommé par la clé « fichier_mot_de_passe » ne peut pas être lu").arg(chemin)};
    const QString ligne = QString::fromUtf8(f.readLine()).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    if (ligne.isEmpty())
        throw Refus{v.fichier,
                    QStringLiteral("le fichier « %1 » nommé par la clé « fichier_mot_de_passe » est vide").arg(chemin)};
    return ligne;
}

// The data folder's identity on the server: its key "dossier", else the one written once in
// "identifiant_du_dossier.txt" beside its marivelle.ini (under the file's lock: two computers
// starting at once on a new folder agree on one).
QString identiteDuDossier(const ClesLues& cles, const QString& fichierDuDossier, const QString& fichierMachine) {
    const Valeur cle = cles.value(QStringLiteral("dossier"));
    if (!cle.texte.isEmpty()) {
        if (cle.fichier == fichierMachine)
            throw Refus{cle.fichier, QStringLiteral("la clé « dossier » se met dans le marivelle.ini du dossier de données, "
                                                    "chaque dossier ayant la sienne")};
        if (cle.texte.size() > Configuration::IdentiteMax)
            throw Refus{cle.fichier,
                        QStringLiteral("la clé « dossier » a plus de %1 caractères").arg(Configuration::IdentiteMax)};
        return cle.texte;
    }
    const QString chemin = QFileInfo(fichierDuDossier).dir().filePath(NomsDossier::IdentiteDuDossier);
    QString identite;
    try {
        FichierTexte::modifieLignes(chemin, [&](QStringList& lignes, bool) {
            const bool nouvelle = lignes.value(0).trimmed().isEmpty();
            if (nouvelle) lignes = {QUuid::createUuid().toString(QUuid::WithoutBraces)};
            identite = lignes.value(0).trimmed().left(Configuration::IdentiteMax);
            return nouvelle;
        });
    } catch (const ErreurMarivelle& e) {
        throw Refus{fichierDuDossier,
                    QStringLiteral("l'identité du dossier de données ne peut pas être écrite (%1)").arg(e.message())};
    }
    return identite;
}

ParametresConnexion parametres(const ClesLues& cles, const QString& fichierPrincipal, const QString& fichierDuDossier,
                               const QString& fichierMachine) {
    for (const char* cle : {"hote", "base", "utilisateur"})
        if (cles.value(QString::fromLatin1(cle)).texte.isEmpty())
            throw Refus{fichierPrincipal, QStringLiteral("la clé « %1 » manque ou est vide").arg(QLatin1String(cle))};
    ParametresConnexion p;
    p.pilote = QStringLiteral("QPSQL");
    p.hote = cles.value(QStringLiteral("hote")).texte;
    p.base = cles.value(QStringLiteral("base")).texte;
    p.utilisateur = cles.value(QStringLiteral("utilisateur")).texte;
    p.port = 5432;
    if (const Valeur port = cles.value(QStringLiteral("port")); !port.texte.isEmpty()) {
        bool ok = false;
        p.port = port.texte.toInt(&ok);
        if (!ok || p.port < 1 || p.port > 65535)
            throw Refus{port.fichier,
                        QStringLiteral("la clé « port » doit être un nombre de 1 à 65535 (« %1 »)").arg(port.texte)};
    }
    // Without a file of its own, libpq reads the PostgreSQL password file (~/.pgpass, PGPASSFILE).
    if (const Valeur fichier = cles.value(QStringLiteral("fichier_mot_de_passe")); !fichier.texte.isEmpty())
        p.motDePasse = motDePasse(fichier);
    Valeur tls = cles.value(QStringLiteral("tls"));
    if (tls.texte.isEmpty()) tls.texte = QStringLiteral("prefer");
    if (!ModesTls.contains(tls.texte))
        throw Refus{
            tls.fichier,
            QStringLiteral("la clé « tls » vaut « %1 » au lieu de disable, prefer, require ou verify-full").arg(tls.texte)};
    p.options = QStringLiteral("sslmode=%1;connect_timeout=%2").arg(tls.texte).arg(Configuration::AttenteConnexionS);
    // Without it, libpq looks for the school's authority in ~/.postgresql/root.crt of each account.
    if (const Valeur racine = cles.value(QStringLiteral("certificat_racine")); !racine.texte.isEmpty()) {
        if (!QFileInfo(racine.texte).isFile())
            throw Refus{
                racine.fichier,
                QStringLiteral("le fichier « %1 » nommé par la clé « certificat_racine » n'existe pas").arg(racine.texte)};
        if (racine.texte.contains(QLatin1Char('\'')) || racine.texte.contains(QLatin1Char('\\')) ||
            racine.texte.contains(QLatin1Char(' ')))
            throw Refus{racine.fichier, QStringLiteral("le chemin de la clé « certificat_racine » ne doit contenir ni espace, "
                                                       "ni apostrophe, ni barre oblique inverse")};
        p.options += QStringLiteral(";sslrootcert=") + racine.texte;
    }
    p.dossier = identiteDuDossier(cles, fichierDuDossier, fichierMachine);
    return p;
}
}  // namespace

namespace Configuration {
ConfigurationServeur lit(const QString& chemin, const QString& cheminMachine) {
    ConfigurationServeur c;
    QString principal = chemin;
    try {
        ClesLues cles;
        bool serveur = false;
        // The machine's file first: the data folder's keys win, one by one.
        for (const QString& fichier : {cheminMachine, chemin}) {
            if (fichier.isEmpty() || !QFileInfo::exists(fichier)) continue;
            principal = fichier;
            serveur = litFichier(fichier, cles) || serveur;
        }
        if (!serveur) return {};
        c.parametres = parametres(cles, principal, chemin, cheminMachine);
    } catch (const Refus& r) {
        c.parametres.reset();
        c.erreur = QStringLiteral("Le fichier « %1 » ne peut pas être utilisé : %2. Les résultats et les réponses "
                                  "restent enregistrés sur cet ordinateur, dans le dossier de la classe.")
                       .arg(r.fichier, r.raison);
    }
    return c;
}
}  // namespace Configuration
