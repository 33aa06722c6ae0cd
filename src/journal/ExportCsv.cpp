#include "journal/ExportCsv.h"

#include "base/FormatFr.h"

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
QString champ(const QString& texte) {
    if (!texte.contains(QLatin1Char(';')) && !texte.contains(QLatin1Char('"')) && !texte.contains(QLatin1Char('\n')) &&
        !texte.contains(QLatin1Char('\r')))
        return texte;
    QString echappe = texte;
    echappe.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + echappe + QLatin1Char('"');
}

QByteArray journal(const QList<EntreeJournal>& entrees) {
    QStringList lignes;
    lignes << QStringLiteral(
        "Enseignant;Élève;Date;Heure;Exercice;Position;Créature;Temps de réponse (s);Aide;Aide utilisée;"
        "Bande numérique utilisée;Fait;Trou;Réponse donnée;Juste du premier coup;Essais;"
        "Première réponse (ms);Réponse juste ou fin (ms);Fin par la créature;Opérations montrées");
    for (const EntreeJournal& e : entrees) {
        const QDateTime instant = QDateTime::fromMSecsSinceEpoch(e.moment);
        QStringList operations;
        for (const OperationMontree& o : e.operations) operations << o.fait.cle() + QStringLiteral(" (") + action(o.action) + QLatin1Char(')');
        const QString trou = e.trou == 1 ? QStringLiteral("gauche") : e.trou == 2 ? QStringLiteral("droite") : QString();
        const QString fait = e.typeExercice == 4 ? QStringLiteral("= ") + QString::number(e.fait.resultat) : e.fait.cle();
        const QStringList champs{e.enseignant,
                                 e.eleve,
                                 instant.date().toString(QStringLiteral("dd/MM/yyyy")),
                                 FormatFr::heureLongue(instant.time()),
                                 e.typeExercice == 5 ? QStringLiteral("révision") : QString::number(e.typeExercice),
                                 e.position == 0 ? QStringLiteral("libre") : QString::number(e.position),
                                 creature(e.creature),
                                 QString::number(e.tempsDeReponse),
                                 QString::number(e.typeAide),
                                 oui(e.aideUtilisee),
                                 oui(e.bandeUtilisee),
                                 fait,
                                 trou,
                                 e.reponse,
                                 oui(e.justePremierCoup),
                                 QString::number(e.essais),
                                 ms(e.msPremiere),
                                 ms(e.msFin),
                                 oui(e.finCreature),
                                 operations.join(QStringLiteral(", "))};
        QStringList sortie;
        for (const QString& c : champs) sortie << champ(c);
        lignes << sortie.join(QLatin1Char(';'));
    }
    return (lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
}  // namespace ExportCsv
