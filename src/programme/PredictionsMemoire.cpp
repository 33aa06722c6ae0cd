#include "programme/PredictionsMemoire.h"

#include "logique/journal/MagasinSql.h"
#include "logique/memoire/ModeleMemoire.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>

namespace {
const QString Option = QStringLiteral("--predictions");
const QString OptionMoment = QStringLiteral("--jusqua");

void dit(const QString& texte) { std::fputs((texte + QLatin1Char('\n')).toLocal8Bit().constData(), stderr); }

// The teachers whose pupils the file holds, read without writing anything; nothing when the file
// is no answer journal.
std::optional<QStringList> enseignants(const QString& fichier) {
    const QString nom = QStringLiteral("marivelle_predictions");
    std::optional<QStringList> liste;
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom);
        base.setDatabaseName(fichier);
        base.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (base.open()) {
            QSqlQuery q(base);
            if (q.exec(QStringLiteral("SELECT DISTINCT enseignant FROM journal_eleves ORDER BY enseignant"))) {
                liste.emplace();
                while (q.next()) liste->append(q.value(0).toString());
            }
        }
    }
    QSqlDatabase::removeDatabase(nom);
    return liste;
}
}  // namespace

namespace PredictionsMemoire {
std::optional<Demande> lit(const QStringList& arguments) {
    const qsizetype i = arguments.indexOf(Option);
    if (i < 0) return std::nullopt;
    Demande d;
    const qsizetype j = arguments.indexOf(OptionMoment);
    // Exactly: the program, --predictions <journal>, --jusqua <moment>, in either order.
    if (arguments.size() == 5 && j > 0 && i + 1 < arguments.size() && j + 1 < arguments.size() && i + 1 != j && j + 1 != i) {
        d.journal = arguments[i + 1];
        d.jusqua = arguments[j + 1];
        d.complete = true;
    }
    return d;
}

int execute(const Demande& d) {
    bool nombre = false;
    const qint64 jusqua = d.jusqua.toLongLong(&nombre);
    if (!d.complete || !nombre) {
        dit(QStringLiteral("Usage : marivelle --predictions <journal.sqlite> --jusqua <moment>\n"
                           "  <moment> : en millisecondes depuis 1970, comme le journal ; le modèle apprend "
                           "des questions d'avant ce moment."));
        return 2;
    }
    const QFileInfo info(d.journal);
    if (!info.isFile()) {
        dit(QStringLiteral("Le journal des réponses « %1 » n'existe pas.").arg(d.journal));
        return 1;
    }
    const std::optional<QStringList> classes = enseignants(info.absoluteFilePath());
    if (!classes) {
        dit(QStringLiteral("« %1 » n'est pas un journal des réponses lisible.").arg(d.journal));
        return 1;
    }
    // The store reads only files of the working folder.
    QDir::setCurrent(info.absolutePath());
    QByteArray sortie("eleve;moment;p\n");
    try {
        ParametresConnexion parametres;
        parametres.base = info.fileName();
        MagasinSql magasin(parametres);
        for (const QString& enseignant : *classes) {
            // One class at a time: its model learns from its own pupils.
            const QList<ReponseResumee> reponses = magasin.reponses(enseignant);
            // Predicted in the order the questions were asked, the class together; printed in
            // the journal's order, pupil by pupil, oldest first.
            Predicteur predicteur(ModeleMemoire::ajuste(reponses, jusqua));
            QHash<QPair<QString, qint64>, double> probabilites;
            for (const ReponseResumee& r : dansLOrdre(reponses)) {
                probabilites.insert({r.eleve, r.moment}, predicteur.predit(r));
                predicteur.apprend(r);
            }
            for (const ReponseResumee& r : reponses)
                if (estQuestionTapee(r))
                    sortie += r.eleve.toUtf8() + ';' + QByteArray::number(r.moment) + ';' +
                              QByteArray::number(probabilites.value({r.eleve, r.moment}), 'f', 6) + '\n';
        }
    } catch (const ErreurMarivelle& e) {
        dit(e.message());
        return 1;
    }
    std::fwrite(sortie.constData(), 1, static_cast<size_t>(sortie.size()), stdout);
    std::fflush(stdout);
    return 0;
}
}  // namespace PredictionsMemoire
