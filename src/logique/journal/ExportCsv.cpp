#include "logique/journal/ExportCsv.h"

#include "logique/base/CelluleCsv.h"
#include "logique/base/FormatFr.h"

#include <QStringList>

namespace {
QString oui(bool b) { return b ? QStringLiteral("oui") : QStringLiteral("non"); }

QString creature(Creature c) {
    switch (c) {
        case Creature::Requin: return QStringLiteral("requins");
        case Creature::Pirate: return QStringLiteral("pirate");
        default: return QStringLiteral("aucune");
    }
}

QString action(ActionOperation a) {
    switch (a) {
        case ActionOperation::Repondue: return QStringLiteral("répondue");
        case ActionOperation::Intrus: return QStringLiteral("cliquée comme intrus");
        case ActionOperation::Choisie: return QStringLiteral("choisie");
        default: return QStringLiteral("laissée");
    }
}

QString ms(int valeur) { return valeur < 0 ? QString() : QString::number(valeur); }
}  // namespace

namespace ExportCsv {
QByteArray journal(const QList<EntreeJournal>& entrees) {
    QStringList lignes;
    lignes << QStringLiteral("Enseignant;Élève;Date;Heure;Exercice;Position;Créature;Temps de réponse (s);Aide;Aide utilisée;"
                             "Bande numérique utilisée;Fait;Trou;Réponse donnée;Juste du premier coup;Essais;"
                             "Première réponse (ms);Réponse juste ou fin (ms);Fin par la créature;Opérations montrées");
    for (const EntreeJournal& e : entrees) {
        const QDateTime instant = QDateTime::fromMSecsSinceEpoch(e.moment);
        QStringList operations;
        for (const OperationMontree& o : e.operations)
            operations << o.fait.cle() + QStringLiteral(" (") + action(o.action) + QLatin1Char(')');
        const QString trou = e.trou == 1 ? QStringLiteral("gauche") : e.trou == 2 ? QStringLiteral("droite") : QString();
        const QString fait = e.typeExercice == 4 ? QStringLiteral("= ") + QString::number(e.fait.resultat) : e.fait.cle();
        // The program's own figures, dates and times are values; every other cell is text.
        const QStringList champs{CelluleCsv::texte(e.enseignant),
                                 CelluleCsv::texte(e.eleve),
                                 CelluleCsv::valeur(instant.date().toString(QStringLiteral("dd/MM/yyyy"))),
                                 CelluleCsv::valeur(FormatFr::heureLongue(instant.time())),
                                 CelluleCsv::valeur(e.typeExercice == 5   ? QStringLiteral("révision")
                                                    : e.typeExercice == 6 ? QStringLiteral("test de départ")
                                                                          : QString::number(e.typeExercice)),
                                 CelluleCsv::valeur(e.position == 0 ? QStringLiteral("libre") : QString::number(e.position)),
                                 CelluleCsv::texte(creature(e.creature)),
                                 CelluleCsv::valeur(QString::number(e.tempsDeReponse)),
                                 CelluleCsv::valeur(QString::number(e.typeAide)),
                                 CelluleCsv::texte(oui(e.aideUtilisee)),
                                 CelluleCsv::texte(oui(e.bandeUtilisee)),
                                 CelluleCsv::texte(fait),
                                 CelluleCsv::texte(trou),
                                 CelluleCsv::texte(e.reponse),
                                 CelluleCsv::texte(oui(e.justePremierCoup)),
                                 CelluleCsv::valeur(QString::number(e.essais)),
                                 CelluleCsv::valeur(ms(e.msPremiere)),
                                 CelluleCsv::valeur(ms(e.msFin)),
                                 CelluleCsv::texte(oui(e.finCreature)),
                                 CelluleCsv::texte(operations.join(QStringLiteral(", ")))};
        lignes << champs.join(QLatin1Char(';'));
    }
    return (lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
}  // namespace ExportCsv
