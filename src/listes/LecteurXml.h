#pragma once
// The XML parts of a workbook read as a stream of element starts, ends and pieces of text, never
// as a tree: memory stays one window of the part (a tree costs ten times the part, and a part
// unpacks to hundreds of megabytes from a small file), nothing recurses, and the nesting is
// bounded (BornesClasseur::ProfondeurMax). Enough of XML for spreadsheet parts: elements and
// attributes, the five named entities and character references, CDATA sections; comments and
// processing instructions are passed over; a document type (and the entities it would declare) is
// refused. Elements and attributes are known by their local name ("table:table-row" is "table-row").
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <vector>

class Avancement;

class LecteurXml final {
public:
    enum class Jeton { Debut, Fin, Texte, FinDocument };
    // Fills up to `max` next bytes of the part into `destination`; 0 at its end.
    using Source = std::function<qint64(char* destination, qint64 max)>;

    // `chemin`: the workbook, named in refusals. `avancement` is told of the bytes read, from
    // `dejaLus` of `total` (asked only whether to stop when `total` is 0), at every window.
    LecteurXml(Source source, const QString& chemin, Avancement* avancement = nullptr, qint64 dejaLus = 0,
               qint64 total = 0);

    // The next start or end of an element, or piece of text. Throws ErreurFichier (BornesClasseur)
    // when the part is not well-formed XML, nests too deep or declares a document type.
    Jeton suivant();
    // At a start or an end: the element's local name, and whether it is `local`.
    QByteArrayView nom() const;
    bool est(const char* local) const;
    // At a start: the value of the attribute whose local name is `local` (empty when absent),
    // valid until the next call of `suivant`.
    QByteArrayView attribut(const char* local);
    // The attribute as a count: its digits, up to 2^40; `defaut` when absent or not a count.
    qint64 attributEntier(const char* local, qint64 defaut);
    // At a piece of text: its UTF-8 bytes, entities replaced, never cut inside a character. A text
    // may come in several pieces; valid until the next call of `suivant`.
    QByteArrayView texte() const { return texte_; }
    // Elements open, the one starting included.
    int profondeur() const { return static_cast<int>(ouvertures_.size()); }

    // Digits as a count, up to 2^40; -1 when not only digits.
    static qint64 entier(QByteArrayView chiffres);

private:
    struct Attribut {
        QByteArrayView nom;
        QByteArrayView valeur;
    };
    bool remplit();
    bool litTexte();
    bool litCdata();
    bool litBalise(Jeton& jeton, bool& autoFermant);
    void passeJusqua(QByteArrayView marque);
    void ouvre();
    void ferme(bool verifieNom);
    [[noreturn]] void illisible() const;

    Source source_;
    QString chemin_;
    Avancement* avancement_;
    qint64 dejaLus_;
    qint64 total_;
    QByteArray tampon_;          // the window on the part
    qsizetype debut_ = 0;        // its bytes not read yet: [debut_, fin_)
    qsizetype fin_ = 0;
    qint64 passes_ = 0;          // bytes of the part before the window
    bool finSource_ = false;
    bool commence_ = false;
    bool racineVue_ = false;
    bool dansCdata_ = false;
    bool finEnAttente_ = false;  // after the start of an element written "<x/>"
    QByteArray noms_;            // the names of the open elements, end to end
    std::vector<qsizetype> ouvertures_;
    QByteArrayView nom_;
    std::vector<Attribut> attributs_;
    QByteArray valeur_;
    QByteArrayView texte_;
    QByteArray texteDecode_;
};
