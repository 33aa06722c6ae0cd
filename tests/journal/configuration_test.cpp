// "marivelle.ini": a usable [serveur] section gives the connection; anything else a French reason
// naming the key, and no server.
#include "DossierTemporaire.h"
#include "journal/ConfigurationServeur.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(Configuration, ReadsTheServerOrNamesTheKeyThatCannotBeUsed) {
    DossierTemporaire dossier;
    EXPECT_FALSE(Configuration::lit().parametres);
    EXPECT_TRUE(Configuration::lit().erreur.isEmpty());
    ecritOctets(QStringLiteral("secret"), "mot de passe, avec virgule\n");
    QFile::setPermissions(QStringLiteral("secret"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ecritOctets(QStringLiteral("ouvert"), "x\n");
    QFile::setPermissions(QStringLiteral("ouvert"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const struct {
        const char* ini;
        const char* erreur;  // empty: the server is used
    } cas[] = {
        {"[serveur]\nhote = ecole.lan\nport = 65535\nbase = marivelle\nutilisateur = marivelle\n"
         "fichier_mot_de_passe = secret\ntls = require\n", ""},
        {"[autre]\nx = 1\n", "-"},  // no [serveur]: as without the file
        {"[serveur]\nhote = ecole.lan\nbase = marivelle\n", "la clé « utilisateur » manque ou est vide"},
        {"[serveur]\nhote = ecole.lan\nbase = m\nutilisateur = u\nport = 65536\n", "la clé « port » doit être un nombre de 1 à 65535 (« 65536 »)"},
        {"[serveur]\nhote = ecole.lan\nbase = m\nutilisateur = u\ntls = oui\n", "la clé « tls » vaut « oui »"},
        {"[serveur]\nhotte = ecole.lan\nbase = m\nutilisateur = u\n", "la clé « hotte » n'est pas connue"},
        {"[serveur]\nhote = h\nbase = m\nutilisateur = u\nfichier_mot_de_passe = ouvert\n",
         "le fichier « ouvert » nommé par la clé « fichier_mot_de_passe » peut être lu par d'autres"},
        {"[serveur]\nhote = h\nbase = m\nutilisateur = u\nfichier_mot_de_passe = introuvable\n",
         "le fichier « introuvable » nommé par la clé « fichier_mot_de_passe » n'existe pas"},
    };
    // Qt keeps what it read of a file whose size and time have not changed: each case's text has
    // a length of its own.
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ini);
        ecritOctets(QStringLiteral("marivelle.ini"), c.ini);
        const ConfigurationServeur lu = Configuration::lit();
        const QString erreur = QString::fromUtf8(c.erreur);
        if (erreur.isEmpty()) {
            ASSERT_TRUE(lu.parametres);
            EXPECT_TRUE(lu.erreur.isEmpty()) << lu.erreur.toStdString();
            EXPECT_EQ(lu.parametres->pilote, QStringLiteral("QPSQL"));
            EXPECT_EQ(lu.parametres->hote, QStringLiteral("ecole.lan"));
            EXPECT_EQ(lu.parametres->port, 65535);  // the largest port
            EXPECT_EQ(lu.parametres->motDePasse, QStringLiteral("mot de passe, avec virgule"));
            EXPECT_EQ(lu.parametres->options, QStringLiteral("sslmode=require;connect_timeout=2"));
        } else if (erreur == QLatin1String("-")) {
            EXPECT_FALSE(lu.parametres);
            EXPECT_TRUE(lu.erreur.isEmpty());
        } else {
            EXPECT_FALSE(lu.parametres);
            EXPECT_TRUE(lu.erreur.startsWith(QString::fromUtf8("Le fichier « marivelle.ini » ne peut pas être utilisé : ") + erreur))
                << lu.erreur.toStdString();
            EXPECT_TRUE(lu.erreur.endsWith(QString::fromUtf8("restent enregistrés sur cet ordinateur, dans le dossier de la classe.")));
        }
    }
}
