#include "journal/ConfigurationServeur.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
const QStringList Cles = {QStringLiteral("hote"), QStringLiteral("port"), QStringLiteral("base"),
                          QStringLiteral("utilisateur"), QStringLiteral("fichier_mot_de_passe"), QStringLiteral("tls")};
const QStringList ModesTls = {QStringLiteral("disable"), QStringLiteral("prefer"), QStringLiteral("require"),
                              QStringLiteral("verify-full")};

// QSettings reads "a, b" as a list: the text is given back whole.
QString texte(const QSettings& s, const QString& cle) {
    const QVariant v = s.value(cle);
    return (v.typeId() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", ")) : v.toString()).trimmed();
}

struct Refus {
    QString raison;
};

// The password file's first line; a file others may read is refused, as libpq refuses its own.
QString motDePasse(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.isFile())
        throw Refus{QStringLiteral("le fichier « %1 » nommé par la clé « fichier_mot_de_passe » n'existe pas").arg(chemin)};
    const auto autres = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (info.permissions() & autres)
        throw Refus{QStringLiteral("le fichier « %1 » nommé par la clé « fichier_mot_de_passe » peut être lu par "
                                   "d'autres que son propriétaire (chmod 600 le corrige)")
                        .arg(chemin)};
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        throw Refus{QStringLiteral("le fichier « %1 » nommé par la clé « fichier_mot_de_passe » ne peut pas être lu").arg(chemin)};
    const QString ligne = QString::fromUtf8(f.readLine()).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    if (ligne.isEmpty())
        throw Refus{QStringLiteral("le fichier « %1 » nommé par la clé « fichier_mot_de_passe » est vide").arg(chemin)};
    return ligne;
}

ParametresConnexion parametres(QSettings& s) {
    s.beginGroup(QStringLiteral("serveur"));
    for (const QString& cle : s.childKeys())
        if (!Cles.contains(cle)) throw Refus{QStringLiteral("la clé « %1 » n'est pas connue").arg(cle)};
    ParametresConnexion p;
    p.pilote = QStringLiteral("QPSQL");
    for (const char* cle : {"hote", "base", "utilisateur"})
        if (texte(s, QString::fromLatin1(cle)).isEmpty())
            throw Refus{QStringLiteral("la clé « %1 » manque ou est vide").arg(QLatin1String(cle))};
    p.hote = texte(s, QStringLiteral("hote"));
    p.base = texte(s, QStringLiteral("base"));
    p.utilisateur = texte(s, QStringLiteral("utilisateur"));
    p.port = 5432;
    if (const QString port = texte(s, QStringLiteral("port")); !port.isEmpty()) {
        bool ok = false;
        p.port = port.toInt(&ok);
        if (!ok || p.port < 1 || p.port > 65535)
            throw Refus{QStringLiteral("la clé « port » doit être un nombre de 1 à 65535 (« %1 »)").arg(port)};
    }
    // Without a file of its own, libpq reads the PostgreSQL password file (~/.pgpass, PGPASSFILE).
    if (const QString fichier = texte(s, QStringLiteral("fichier_mot_de_passe")); !fichier.isEmpty())
        p.motDePasse = motDePasse(fichier);
    QString tls = texte(s, QStringLiteral("tls"));
    if (tls.isEmpty()) tls = QStringLiteral("prefer");
    if (!ModesTls.contains(tls))
        throw Refus{QStringLiteral("la clé « tls » vaut « %1 » au lieu de disable, prefer, require ou verify-full").arg(tls)};
    p.options = QStringLiteral("sslmode=%1;connect_timeout=%2").arg(tls).arg(Configuration::AttenteConnexionS);
    return p;
}
}  // namespace

namespace Configuration {
ConfigurationServeur lit(const QString& chemin) {
    if (!QFileInfo::exists(chemin)) return {};
    QSettings s(chemin, QSettings::IniFormat);
    ConfigurationServeur c;
    try {
        if (s.status() != QSettings::NoError) throw Refus{QStringLiteral("il n'a pas la forme d'un fichier .ini")};
        if (!s.childGroups().contains(QStringLiteral("serveur"))) return {};
        c.parametres = parametres(s);
    } catch (const Refus& r) {
        c.parametres.reset();
        c.erreur = QStringLiteral("Le fichier « %1 » ne peut pas être utilisé : %2. Les résultats et les réponses "
                                  "restent enregistrés sur cet ordinateur, dans le dossier de la classe.")
                       .arg(chemin, r.raison);
    }
    return c;
}
}  // namespace Configuration
