// Workbooks made to crash, fill the memory or hold up the list's reader: each is read in a child
// process whose memory may grow by 100 MB at most, and refused with its reason (or read).
#include "ClasseurEcrit.h"
#include "DossierTemporaire.h"
#include "Enfant.h"
#include "logique/base/Avancement.h"
#include "logique/base/Erreurs.h"
#include "logique/listes/BornesClasseur.h"
#include "logique/listes/ListeLue.h"
#include "logique/listes/TableauClasseur.h"
#include "logique/xlsx/ArchiveZip.h"
#include "logique/xlsx/FeuilleXlsx.h"
#include "logique/xlsx/XmlXlsx.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
const QStringList Niveaux = {"cp", "ce1", "ce2", "cm1", "cm2", "college"};

QByteArray fois(const QByteArray& motif, int n) { return motif.repeated(n); }

QByteArray cellule(const QByteArray& texte, const QByteArray& attributs = {}) {
    return "<table:table-cell" + attributs + " office:value-type=\"string\"><text:p>" + texte + "</text:p></table:table-cell>";
}

QByteArray rangee(const QByteArray& cellules, const QByteArray& attributs = {}) {
    return "<table:table-row" + attributs + ">" + cellules + "</table:table-row>";
}

const QByteArray Entete = rangee(cellule("Prénom") + cellule("Nom") + cellule("Niveau"));
const QByteArray Eleve = rangee(cellule("Léa") + cellule("Martin") + cellule("CE1"));

void ecritOds(const QString& nom, const QByteArray& rangees) {
    const QByteArray contenu = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content "
                               "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                               "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                               "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
                               "<table:table table:name=\"Élèves\">" +
                               rangees +
                               "</table:table></office:spreadsheet></office:body>"
                               "</office:document-content>";
    ArchiveZipEcriture::remplace(nom, {},
                                 {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", contenu}});
}

QByteArray ligneXlsx(const QByteArray& cellules, const QByteArray& attributs = {}) {
    return "<row" + attributs + ">" + cellules + "</row>";
}

// The refusal's text, or the pupils read ("2:Léa Martin/CE1"), from a child whose memory may grow
// by 100 MB at most (left unbounded under the address sanitizer, which reserves terabytes).
QString litDansUnEnfant(const QString& fichier) {
    int tube[2];
    if (pipe(tube) != 0) return "pipe";
    const pid_t enfant = lanceEnfant([&] {
        close(tube[0]);
#ifndef __SANITIZE_ADDRESS__
        long pages = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
            std::fclose(statm);
        }
        const rlim_t limite = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (100 << 20);
        const rlimit memoire{limite, limite};
        if (pages == 0 || setrlimit(RLIMIT_AS, &memoire) != 0) return 2;
#endif
        QString reponse;
        try {
            for (const auto& e : ListeLue::lit(fichier, Niveaux))
                reponse += QString("%1:%2/%3 ").arg(e.numero).arg(e.nom, e.niveau);
        } catch (const ErreurFichier& e) {
            reponse = e.message();
        }
        // Enough to tell what happened when a list is read that should not be.
        const QByteArray octets = reponse.trimmed().left(200).toUtf8();
        return write(tube[1], octets.constData(), static_cast<size_t>(octets.size())) == octets.size() ? 0 : 3;
    });
    close(tube[1]);
    QByteArray octets;
    char morceau[4096];
    for (ssize_t n; (n = read(tube[0], morceau, sizeof morceau)) > 0;) octets.append(morceau, n);
    close(tube[0]);
    const int code = attendEnfant(enfant);
    return code == 0 ? QString::fromUtf8(octets) : QString("l'enfant a fini par %1").arg(code);
}

QString refus(const QString& fichier, const char* raison) {
    return u("Le classeur « ") + fichier + u(" » ") + u(raison) + u(" : ce n'est pas une liste d'élèves.");
}
}  // namespace

TEST(ClasseurHostile, NestingRepeatsAndHugeReferencesAreRefusedWithinTheirBounds) {
    DossierTemporaire dossier;
    const char* imbrique = "est trop imbriqué pour être lu";
    const char* lignes = "a plus de 100\u00A0000 lignes";
    const char* colonnes = "a plus de 200 colonnes";
    const char* longue = "a une cellule de plus de 5\u00A0000 caractères";
    const char* texte = "contient bien trop de texte";
    const QByteArray cent = QByteArray("<c t=\"s\"><v>0</v></c>").repeated(10);
    const QByteArray grandesCellules = cellule("<text:s text:c=\"3999\"/>x", " table:number-columns-repeated=\"200\"");
    const struct {
        const char* fichier;
        QByteArray lignes;
        QByteArray partages;
        const char* raison;  // null: the list is read
    } cas[] = {
        // Nested 200,000 deep: row groups, text spans, rich-text runs.
        {"groupes.ods", fois("<table:table-row-group>", 200000) + Eleve + fois("</table:table-row-group>", 200000), {}, imbrique},
        {"spans.ods", rangee(cellule(fois("<text:span>", 200000) + "x" + fois("</text:span>", 200000))), {}, imbrique},
        {"runs.xlsx",
         ligneXlsx("<c t=\"inlineStr\"><is>" + fois("<r>", 200000) + "<t>x</t>" + fois("</r>", 200000) + "</is></c>"),
         {},
         imbrique},
        // Counts that would multiply a few bytes into gigabytes.
        {"espaces.ods", rangee(cellule("<text:s text:c=\"2000000000\"/>")), {}, longue},
        {"lignes.ods", Entete + rangee(cellule("x"), " table:number-rows-repeated=\"2000000000\""), {}, lignes},
        {"colonnes.ods", rangee(cellule("x", " table:number-columns-repeated=\"2000000000\"")), {}, colonnes},
        {"grille.ods", rangee(grandesCellules, " table:number-rows-repeated=\"99000\""), {}, texte},
        {"partage.xlsx", fois(ligneXlsx(cent), 10000), "<si><t>" + QByteArray(100000, 'x') + "</t></si>", longue},
        {"partages.xlsx", fois(ligneXlsx(cent), 10000), "<si><t>" + QByteArray(4000, 'x') + "</t></si>", texte},
        // Positions far beyond any sheet, past the limits of an int.
        {"colonne.xlsx", ligneXlsx("<c r=\"ZZZZZZZZZZ99999999999\"><v>1</v></c>"), {}, colonnes},
        {"ligne.xlsx", ligneXlsx("<c><v>1</v></c>", " r=\"99999999999\""), {}, lignes},
        // An ordinary sheet: its grid's empty rows and cells repeated to the end are never made.
        {"ordinaire.ods",
         Entete + Eleve +
             rangee("<table:table-cell table:number-columns-repeated=\"16384\"/>", " table:number-rows-repeated=\"1048574\""),
         {},
         nullptr},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.fichier);
        if (QString(c.fichier).endsWith(".ods")) ecritOds(c.fichier, c.lignes);
        else ClasseurEcrit::xlsx(c.fichier, c.lignes, c.partages);
        EXPECT_EQ(litDansUnEnfant(c.fichier), c.raison ? refus(c.fichier, c.raison) : u("2:Léa Martin/CE1"));
    }
    // A comment as long as a part: the XML parser would keep it whole.
    ecritOds("commentaire.ods", Entete + "<!--" + QByteArray(20 << 20, ' ') + "-->" + Eleve);
    EXPECT_EQ(litDansUnEnfant("commentaire.ods"), BornesClasseur::texte(BornesClasseur::Refus::Illisible, "commentaire.ods"));
}

TEST(ClasseurHostile, CellReferencesSaturateBeyondAnySheet) {
    const int m = FeuilleXlsx::PositionMax;
    const struct {
        const char* texte;
        int ligne, colonne;
    } cas[] = {{"B12", 12, 2}, {"XFD1048576", 1048576, 16384},  {"12", 12, 0},
               {"", 0, 0},     {"ZZZZZZZZZZ99999999999", m, m}, {"AAAAAAAAAAAAAAAAAAAA1", 1, m}};
    for (const auto& c : cas) {
        const FeuilleXlsx::Reference r = FeuilleXlsx::reference(c.texte);
        EXPECT_EQ(std::pair(r.ligne, r.colonne), std::pair(c.ligne, c.colonne)) << c.texte;
    }
    // The results workbook's items, nested as deep, are read without recursion.
    pugi::xml_document document;
    ASSERT_TRUE(
        XmlXlsx::lit(document, "<si>" + fois("<r>", 200000) + "<t>x</t><rPh><t>y</t></rPh>" + fois("</r>", 200000) + "</si>"));
    EXPECT_EQ(XmlXlsx::texteRiche(document.document_element()), "x");
}

TEST(ClasseurHostile, AReaderAskedToStopStopsAtOnceAndAWholeReadEndsItsProgress) {
    DossierTemporaire dossier;
    ecritOds("liste.ods", Entete + Eleve);
    ClasseurEcrit::xlsx("liste.xlsx", ligneXlsx("<c t=\"s\"><v>0</v></c>"), "<si><t>Léa Martin</t></si>");
    // Damaged at their end: a reader that went on would say so instead of stopping.
    ecritOds("abimee.ods", Entete + Eleve + "<table:table-row>");
    ClasseurEcrit::xlsx("abimee.xlsx", ligneXlsx("<c t=\"s\"><v>0</v></c>") + "<row>", "<si><t>Léa Martin</t></si>");
    for (const auto lecteur : {&TableauClasseur::ods, &TableauClasseur::xlsx}) {
        const QString extension = lecteur == &TableauClasseur::ods ? ".ods" : ".xlsx";
        SCOPED_TRACE(extension.toStdString());
        Avancement arrete;
        arrete.demandeArret();
        EXPECT_THROW(lecteur("abimee" + extension, &arrete), TravailAnnule);
        Avancement avancement;
        EXPECT_FALSE(lecteur("liste" + extension, &avancement).isEmpty());
        EXPECT_EQ(avancement.pourMille(), 1000);
    }
}
