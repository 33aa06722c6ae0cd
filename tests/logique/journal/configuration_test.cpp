// "marivelle.ini": a usable [serveur] section gives the connection; anything else a French reason
// naming the file and the key, and no server. Names are read whatever their case, "#" and ";"
// begin comments, and the machine's file is read first, the data folder's keys winning.
#include "DossierTemporaire.h"
#include "logique/base/FichierTexte.h"
#include "logique/journal/ConfigurationServeur.h"

#include <QUuid>
#include <gtest/gtest.h>

TEST(Configuration, ReadsTheServerOrNamesTheFileAndTheKeyThatCannotBeUsed) {
    DossierTemporaire dossier;
    const QString machine = QStringLiteral("machine.ini");
    EXPECT_FALSE(Configuration::lit(QStringLiteral("marivelle.ini"), machine).parametres);
    EXPECT_TRUE(Configuration::lit(QStringLiteral("marivelle.ini"), machine).erreur.isEmpty());
    ecritOctets(QStringLiteral("secret"), "mot de passe, avec virgule\n");
    QFile::setPermissions(QStringLiteral("secret"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ecritOctets(QStringLiteral("ouvert"), "x\n");
    QFile::setPermissions(QStringLiteral("ouvert"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    ecritOctets(QStringLiteral("ecole.crt"), "-----BEGIN CERTIFICATE-----\n");
    const char* const complet = "[serveur]\nhote = ecole.lan\nport = 65535\nbase = marivelle\nutilisateur = marivelle\n"
                                "fichier_mot_de_passe = secret\ntls = require\n";
    const struct {
        const char* machine;  // null: no machine file
        const char* ini;      // null: no data folder file
        const char* erreur;   // empty: the server is used; "=x": used with the folder's identity x; "-": no server
        const char* options = "sslmode=require;connect_timeout=2";
    } cas[] = {
        {nullptr, complet, ""},
        {nullptr,
         "\xEF\xBB\xBF; Marivelle\n[Serveur]  # l'école\nHOTE = ecole.lan   # le serveur\nPort=65535;le port\n"
         "Base = marivelle\nUtilisateur = marivelle\nFichier_Mot_De_Passe = secret\nTLS = require\n",
         ""},
        {complet, nullptr, ""},
        {"[serveur]\nhote = ailleurs.lan\nport = 65535\nbase = marivelle\nutilisateur = marivelle\ntls = verify-full\n"
         "certificat_racine = ecole.crt\n",
         "[SERVEUR]\nhote = ecole.lan\nfichier_mot_de_passe = secret\n", "",
         "sslmode=verify-full;connect_timeout=2;sslrootcert=ecole.crt"},
        {nullptr, "[autre]\nx = 1\n", "-"},  // no [serveur]: as without the file
        {nullptr, "[serveur]\nhote = h\nbase = m\nutilisateur = u\ndossier = ecole-a # la nôtre\n", "=ecole-a"},
        {nullptr, "[serveur]\nhote = ecole.lan\nbase = marivelle\n",
         "« marivelle.ini » ne peut pas être utilisé : la clé « utilisateur » manque ou est vide"},
        {nullptr, "[serveur]\nhote = ecole.lan\nbase = m\nutilisateur = u\nport = 65536\n",
         "« marivelle.ini » ne peut pas être utilisé : la clé « port » doit être un nombre de 1 à 65535 (« 65536 »)"},
        {"[serveur]\ntls = oui\n", "[serveur]\nhote = ecole.lan\nbase = m\nutilisateur = u\n",
         "« machine.ini » ne peut pas être utilisé : la clé « tls » vaut « oui »"},
        {"[serveur]\nhotte = ecole.lan\n", complet,
         "« machine.ini » ne peut pas être utilisé : la clé « hotte » n'est pas connue"},
        {nullptr, "[serveur]\nhote ecole.lan\n",
         "« marivelle.ini » ne peut pas être utilisé : la ligne 2 n'a pas la forme « clé = valeur »"},
        {nullptr, "[serveur]\nhote = h\nbase = m\nutilisateur = u\nfichier_mot_de_passe = ouvert\n",
         "« marivelle.ini » ne peut pas être utilisé : le fichier « ouvert » nommé par la clé « fichier_mot_de_passe » peut être lu par d'autres"},
        {nullptr, "[serveur]\nhote = h\nbase = m\nutilisateur = u\nfichier_mot_de_passe = introuvable\n",
         "« marivelle.ini » ne peut pas être utilisé : le fichier « introuvable » nommé par la clé « fichier_mot_de_passe » n'existe pas"},
        {"[serveur]\ndossier = ecole-a\n", complet,
         "« machine.ini » ne peut pas être utilisé : la clé « dossier » se met dans le marivelle.ini du dossier de données"},
        {nullptr, "[serveur]\nhote = h\nbase = m\nutilisateur = u\ncertificat_racine = absent.crt\n",
         "« marivelle.ini » ne peut pas être utilisé : le fichier « absent.crt » nommé par la clé « certificat_racine » n'existe pas"},
    };
    QString identite;
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.machine ? c.machine : "") + "|" + (c.ini ? c.ini : ""));
        QFile::remove(machine);
        QFile::remove(QStringLiteral("marivelle.ini"));
        if (c.machine) ecritOctets(machine, c.machine);
        if (c.ini) ecritOctets(QStringLiteral("marivelle.ini"), c.ini);
        const ConfigurationServeur lu = Configuration::lit(QStringLiteral("marivelle.ini"), machine);
        const QString erreur = QString::fromUtf8(c.erreur);
        if (erreur.isEmpty()) {
            ASSERT_TRUE(lu.parametres) << lu.erreur.toStdString();
            EXPECT_EQ(lu.parametres->pilote, QStringLiteral("QPSQL"));
            EXPECT_EQ(lu.parametres->hote, QStringLiteral("ecole.lan"));
            EXPECT_EQ(lu.parametres->port, 65535);  // the largest port
            EXPECT_EQ(lu.parametres->base, QStringLiteral("marivelle"));
            EXPECT_EQ(lu.parametres->motDePasse, QStringLiteral("mot de passe, avec virgule"));
            EXPECT_EQ(lu.parametres->options, QString::fromLatin1(c.options));
            // Without a key of its own, the folder's identity is written once, then read back.
            if (identite.isEmpty()) identite = lu.parametres->dossier;
            EXPECT_EQ(lu.parametres->dossier, identite);
            EXPECT_EQ(FichierTexte::litLignes(QStringLiteral("identifiant_du_dossier.txt")), QStringList{identite});
            EXPECT_FALSE(QUuid::fromString(identite).isNull());
        } else if (erreur.startsWith(QLatin1Char('='))) {
            ASSERT_TRUE(lu.parametres) << lu.erreur.toStdString();
            EXPECT_EQ(lu.parametres->dossier, erreur.mid(1));
        } else if (erreur == QLatin1String("-")) {
            EXPECT_FALSE(lu.parametres);
            EXPECT_TRUE(lu.erreur.isEmpty());
        } else {
            EXPECT_FALSE(lu.parametres);
            EXPECT_TRUE(lu.erreur.startsWith(QStringLiteral("Le fichier ") + erreur)) << lu.erreur.toStdString();
            EXPECT_TRUE(
                lu.erreur.endsWith(QString::fromUtf8("restent enregistrés sur cet ordinateur, dans le dossier de la classe.")));
        }
    }
}
