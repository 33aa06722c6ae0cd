// A French school's computers and server speak French: libpq's and PostgreSQL's French words (as
// their catalogues give them) lead to the same reasons as the English ones the cluster of the
// server tests gives; a refusal for good is told apart from a failure that passes by its code.
#include "logique/sql/EchecSql.h"

#include <QSqlError>
#include <gtest/gtest.h>

TEST(RaisonsServeur, FrenchWordsAndCodesGiveTheSameReasons) {
    const QString connexion = QString::fromUtf8("la connexion au serveur sur « ecole.lan » (192.168.1.2), port 5432 a échoué : ");
    const struct {
        QString texte;
        QString code;
        const char* raison;
        bool definitif;
    } cas[] = {
        {connexion + QString::fromUtf8("Connexion refusée\n\tLe serveur est-il actif sur cet hôte ?"),
         {},
         "le serveur ne répond pas",
         false},
        {connexion + QString::fromUtf8("le délai est dépassé"), {}, "le serveur ne répond pas", false},
        {connexion + QString::fromUtf8("FATAL:  la base de données « marivele » n'existe pas"),
         {},
         "la base de données « marivele » n'existe pas sur le serveur",
         false},
        {connexion + QString::fromUtf8("FATAL:  le rôle « marivele » n'existe pas"),
         {},
         "l'utilisateur « marivele » n'existe pas",
         false},
        {connexion + QString::fromUtf8("FATAL:  pg_hba.conf rejette la connexion pour l'hôte « 192.168.1.9 »"),
         {},
         "une ligne du fichier pg_hba.conf du serveur le refuse",
         false},
        {connexion + QString::fromUtf8("FATAL:  authentification par mot de passe échouée pour l'utilisateur  « marivelle »"),
         {},
         "le serveur refuse le mot de passe de l'utilisateur « marivelle »",
         false},
        {connexion + QString::fromUtf8("le fichier de certificat racine « /home/eleve/.postgresql/root.crt » n'existe pas."),
         {},
         "PostgreSQL le cherche dans « /home/eleve/.postgresql/root.crt »",
         false},
        {connexion +
             QString::fromUtf8("le certificat serveur pour « serveur.ecole » ne correspond pas au nom d'hôte « ecole.lan »"),
         {},
         "fait pour « serveur.ecole » et non pour « ecole.lan »",
         false},
        {connexion + QString::fromUtf8("le serveur ne supporte pas SSL alors que SSL était réclamé"),
         {},
         "n'accepte pas les connexions chiffrées",
         false},
        {QString::fromUtf8("ERREUR:  droit refusé pour la table journal_questions"), QStringLiteral("42501"),
         "le serveur refuse cette opération à cet utilisateur", false},
        {QString::fromUtf8("ERREUR:  annulation de la requête à cause du délai écoulé pour l'exécution de l'instruction"),
         QStringLiteral("57014"), "le serveur ne répond pas", false},
        {QString::fromUtf8("ERREUR:  valeur trop longue pour le type character varying(255)"), QStringLiteral("22001"),
         "un texte est trop long pour la base", true},
        {QString::fromUtf8("ERREUR:  une valeur NULL viole la contrainte NOT NULL"), QStringLiteral("23502"),
         "une valeur ne convient pas à sa colonne", true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte.toStdString());
        const QSqlError erreur(QStringLiteral("Unable to connect"), c.texte, QSqlError::ConnectionError, c.code);
        EXPECT_TRUE(RaisonSql(erreur).contains(QString::fromUtf8(c.raison))) << RaisonSql(erreur).toStdString();
        EXPECT_EQ(EchecDefinitif(GenreEchecSql(erreur)), c.definitif);
    }
}
