// "marivelle --importer-liste": the real program brings a class list in without any window.
#include "BorneAttente.h"
#include "DossierTemporaire.h"

#include <QDirIterator>
#include <QMap>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
struct Issue {
    int code;
    QString sortie, erreurs;
};

Issue lance(const QStringList& arguments) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));  // no display at all: no window may be needed
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MARIVELLE_PROGRAMME), arguments);
    p.waitForFinished(BorneAttenteMs);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// Every file and folder under the data folder with its bytes, lock files included.
QMap<QString, QByteArray> contenu(const QString& dossier) {
    QMap<QString, QByteArray> tout;
    QDirIterator it(dossier, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        tout[chemin] = octetsDe(chemin);
    }
    return tout;
}
}  // namespace

TEST(ImportListe, TheTechnicianImportsAClassListWithoutAWindowAndTriesItFirst) {
    DossierTemporaire ici;
    QDir().mkpath("donnees/classe de Martin");
    ecritOctets("donnees/enseignant.txt", "-------------Fichier contenant le nom des enseignants----------\r\naucun\r\n"
                                          "Martin\r\n>1 - enseigne la classe de ce1\r\n>2 - enseigne la classe de ce2\r\n");
    const QByteArray classe = "--------------Fichier de la classe de Martin--------------\r\nAmbre Petit en classe de ce1\r\n";
    ecritOctets("donnees/classe de Martin/classe_Martin.txt", classe);
    // 25 pupils: 23 accepted (the 5th without level takes the class's first), one already there,
    // one of a level the class does not have.
    QString csv = u("Prénom;Nom;Niveau\r\n"), attendu = u("Élèves lus dans « liste.csv » pour la classe de Martin :\n");
    QByteArray liste = classe;
    for (int i = 1; i <= 23; ++i) {
        const QString nom = u("Zoé N°%1").arg(i), niveau = i % 2 ? "ce1" : "ce2";
        csv += QString("%1;Roux;%2\r\n").arg(nom, i == 5 ? "" : niveau.toUpper());
        attendu += u("ligne %1 : %2 Roux, %3 : sera inscrit (« %2 Roux en classe de %3 »)\n").arg(i + 1).arg(nom, niveau);
        liste += cp1252(QString("%1 Roux en classe de %2\r\n").arg(nom, niveau).toUtf8().constData());
    }
    csv += "Ambre;Petit;ce1\r\nJules;Fournier;cm2\r\n";
    attendu += u("ligne 25 : Ambre Petit : refusé, déjà inscrit dans cette classe\n"
                 "ligne 26 : Jules Fournier : refusé, le niveau cm2 n'est pas enseigné dans cette classe (ce1, ce2)\n"
                 "25 élèves lus : 23 seront inscrits, 2 refusés.\n");
    ecritOctets("liste.csv", csv.toUtf8());

    // The list is named from where the technician is, not from the data folder.
    const QStringList arguments = {"donnees", "--importer-liste", "Martin", "liste.csv"};
    const auto avant = contenu("donnees");
    const Issue essai = lance(arguments + QStringList{"--essai"});
    EXPECT_EQ(essai.code, 0) << essai.erreurs.toStdString();
    EXPECT_EQ(essai.sortie, attendu + u("Essai : rien n'a été inscrit.\n"));
    EXPECT_EQ(contenu("donnees"), avant);

    const Issue vrai = lance(arguments);
    EXPECT_EQ(vrai.code, 0) << vrai.erreurs.toStdString();
    EXPECT_EQ(vrai.sortie, attendu + u("23 élèves ont été inscrits.\n"));
    EXPECT_EQ(octetsDe("donnees/classe de Martin/classe_Martin.txt"), liste);

    // What cannot be done says why, on the error output, and writes nothing.
    ecritOctets("photo.csv", QByteArray("\xFF\xD8\xFF\x00JFIF", 8));
    const std::pair<QStringList, const char*> echecs[] = {
        {{"donnees", "--importer-liste", "Durand", "liste.csv"},
         "L'enseignant « Durand » n'est pas inscrit dans « %1/donnees » (« aucun » pour les élèves sans enseignant).\n"},
        {{"donnees", "--importer-liste", "Martin", "photo.csv"},
         "Le fichier « photo.csv » n'est pas une liste d'élèves en texte (CSV) ni un classeur .xlsx ou .ods : sa ligne 1 "
         "n'est ni du texte UTF-8, ni du Windows-1252, ni de l'UTF-16. La liste n'a pas été lue.\n"},
        {{"vide", "--importer-liste", "Martin", "liste.csv"}, "Le dossier de données « %1/vide » n'existe pas.\n"}};
    const auto apres = contenu("donnees");
    for (const auto& [args, message] : echecs) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const Issue echec = lance(args);
        EXPECT_EQ(echec.code, 1);
        EXPECT_EQ(echec.erreurs, u(message).replace("%1", ici.chemin()));
        EXPECT_TRUE(echec.sortie.isEmpty());
    }
    EXPECT_EQ(contenu("donnees"), apres);
}
