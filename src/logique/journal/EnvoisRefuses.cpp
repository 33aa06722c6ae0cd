#include "logique/journal/EnvoisRefuses.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/FormatFr.h"
#include "logique/journal/EnvoisDifferes.h"
#include "logique/journal/MagasinJournal.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>

namespace {
constexpr int DetaillesAuPlus = 5;

// "le résultat de l'exercice 3 de « Zoé » (classe_de_Léa)", "une réponse de « Zoé » (Léa) du 07/12/2026 09:00:05".
QString quoi(const QJsonObject& refus) {
    try {
        const Envoi envoi = EnvoisDifferes::deLigne(QJsonDocument(refus[QLatin1String("envoi")].toObject()).toJson());
        if (const auto* l = std::get_if<LigneResultat>(&envoi))
            return QStringLiteral("le résultat de l'exercice %1 de « %2 » (%3)")
                .arg(l->valeurs.value(2).toString(), l->valeurs.value(0).toString(), l->table);
        const EntreeJournal& e = std::get<EntreeJournal>(envoi);
        return QStringLiteral("une réponse de « %1 » (%2) du %3")
            .arg(e.eleve, e.enseignant, FormatFr::dateHeure(QDateTime::fromMSecsSinceEpoch(e.moment)));
    } catch (const ErreurJournal&) {
        return QStringLiteral("un envoi illisible");
    }
}

// The store's sentence ends with its reason: "… ne peut pas être écrit : un texte est trop long pour la base."
QString pourquoi(const QJsonObject& refus) {
    QString raison = refus[QLatin1String("raison")].toString();
    if (const qsizetype i = raison.lastIndexOf(QLatin1String(" : ")); i >= 0) raison = raison.mid(i + 3);
    if (raison.endsWith(QLatin1Char('.'))) raison.chop(1);
    return raison;
}
}  // namespace

namespace EnvoisRefuses {
QString aSignaler(const QString& cheminRefus) {
    const QList<QByteArray> lignes = EnvoisDifferes::lignesDuFichier(cheminRefus);
    const QString cheminCompte = cheminRefus + QStringLiteral(".signales");
    const QList<QByteArray> compte = EnvoisDifferes::lignesDuFichier(cheminCompte);
    const qsizetype dejaDites = compte.isEmpty() ? 0 : std::clamp<qsizetype>(compte.first().toLongLong(), 0, lignes.size());
    if (dejaDites == lignes.size()) return {};
    QStringList details;
    for (qsizetype i = dejaDites; i < lignes.size() && details.size() < DetaillesAuPlus; ++i) {
        const QJsonObject refus = QJsonDocument::fromJson(lignes[i]).object();
        details << QStringLiteral("– %1 : %2").arg(quoi(refus), pourquoi(refus));
    }
    const qsizetype nouveaux = lignes.size() - dejaDites;
    if (nouveaux > details.size()) details << QStringLiteral("– et %1 autres").arg(nouveaux - details.size());
    try {
        FichierTexte::remplaceOctetsAilleurs(cheminCompte, QByteArray::number(lignes.size()) + '\n');
    } catch (const ErreurFichier&) {
        // The count stays behind: the same refusals are told again next time, nothing is lost.
    }
    return (nouveaux == 1 ? QStringLiteral("Le serveur de l'école a refusé pour de bon un envoi de cet ordinateur ; "
                                           "les autres sont partis normalement :")
                          : QStringLiteral("Le serveur de l'école a refusé pour de bon %1 envois de cet ordinateur ; "
                                           "les autres sont partis normalement :")
                                .arg(nouveaux)) +
           QLatin1Char('\n') + details.join(QStringLiteral(" ;\n")) +
           QStringLiteral(".\nRien n'est perdu : ils sont gardés sur cet ordinateur, dans le fichier « %1 ». "
                          "Montrez ce message au technicien de l'école.")
               .arg(cheminRefus);
}
}  // namespace EnvoisRefuses
