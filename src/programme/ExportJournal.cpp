#include "programme/ExportJournal.h"

#include "programme/DossierDonnees.h"
#include "logique/etat/NomsDossier.h"
#include "logique/journal/ExportCsv.h"
#include "logique/journal/ConfigurationServeur.h"
#include "logique/journal/Journal.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {
const QString Option = QStringLiteral("--journal-csv");

void dit(const QString& texte) { std::fputs((texte + QLatin1Char('\n')).toLocal8Bit().constData(), stderr); }
}  // namespace

namespace ExportJournal {
std::optional<Demande> lit(const QStringList& arguments) {
    const qsizetype i = arguments.indexOf(Option);
    if (i < 0) return std::nullopt;
    Demande d;
    d.autresArguments = arguments.mid(0, i);
    const QStringList suite = arguments.mid(i + 1);
    if (!suite.isEmpty()) d.enseignant = suite[0];
    if (suite.size() > 1) d.eleve = suite[1];
    return d;
}

int execute(const Demande& d, const QString& partage, const QString& maison) {
    if (d.enseignant.isEmpty()) {
        dit(QStringLiteral("Usage : marivelle [dossier] --journal-csv <enseignant> [<élève>]"));
        return 2;
    }
    const QString dossier = DossierDonnees::choisit(d.autresArguments, partage, maison);
    if (!QFileInfo(dossier).isDir() || !QDir::setCurrent(dossier)) {
        dit(QStringLiteral("Le dossier de données « %1 » n'existe pas.").arg(dossier));
        return 1;
    }
    const QString classe = NomsDossier::repertoireClasse(d.enseignant);
    // With a school server, the journal is read there.
    const ConfigurationServeur configuration = Configuration::lit();
    if (!configuration.erreur.isEmpty()) dit(configuration.erreur);
    if (!configuration.parametres && !QFileInfo::exists(Journal::cheminSqlite(d.enseignant, classe))) {
        dit(QStringLiteral("Aucun journal des réponses pour l'enseignant « %1 » dans « %2 ».").arg(d.enseignant, dossier));
        return 1;
    }
    try {
        QList<EntreeJournal> entrees;
        try {
            const std::unique_ptr<MagasinJournal> magasin = configuration.parametres
                                                                ? std::make_unique<MagasinSql>(*configuration.parametres)
                                                                : Journal::ouvre(d.enseignant, classe);
            entrees = magasin->entrees(d.enseignant, d.eleve, 0);
        } catch (const ErreurJournal& e) {
            // A damaged class file: what can be read of it, and on the error output what could not.
            if (configuration.parametres || e.echec() != EchecSql::PasUneBase) throw;
            QString manque;
            entrees = Journal::ouvreAbime(d.enseignant, classe, manque)->entrees(d.enseignant, d.eleve, 0);
            dit(manque);
        }
        const QByteArray csv = ExportCsv::journal(entrees);
        std::fwrite(csv.constData(), 1, static_cast<size_t>(csv.size()), stdout);
        std::fflush(stdout);
    } catch (const ErreurMarivelle& e) {
        dit(e.message());
        return 1;
    }
    return 0;
}
}  // namespace ExportJournal
