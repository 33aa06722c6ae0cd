#pragma once
// The XML parts of a workbook read as a stream of element starts, ends and pieces of text, never
// as a tree: a part unpacks to hundreds of megabytes from a small file, and a tree costs ten times
// the part. libexpat parses; this reader feeds it one window of the part at a time and hands out
// the tokens it gives for that window, so that memory stays one window whatever the part holds.
// The nesting is bounded (BornesClasseur::ProfondeurMax), a document type (and the entities it
// would declare) is refused, nothing outside the part is ever read, and the part is read as UTF-8.
// Elements and attributes are known by their local name ("table:table-row" is "table-row").
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Avancement;
struct XML_ParserStruct;

class LecteurXml final {
public:
    enum class Jeton { Debut, Fin, Texte, FinDocument };
    // Fills up to `max` next bytes of the part into `destination`; 0 at its end.
    using Source = std::function<qint64(char* destination, qint64 max)>;

    // `chemin`: the workbook, named in refusals. `avancement` is told of the bytes read, from
    // `dejaLus` of `total` (asked only whether to stop when `total` is 0), at every window.
    LecteurXml(Source source, const QString& chemin, Avancement* avancement = nullptr, qint64 dejaLus = 0, qint64 total = 0);

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
    int profondeur() const { return profondeur_; }

    // Digits as a count, up to 2^40; -1 when not only digits.
    static qint64 entier(QByteArrayView chiffres);

private:
    struct Rappels;  // expat's handlers
    struct Liberation {
        void operator()(XML_ParserStruct* analyseur) const;
    };
    // Bytes of `octets_`.
    struct Morceau {
        qsizetype debut = 0;
        qsizetype taille = 0;
    };
    // A token waiting in the queue: the element's name or the text, and its attributes' names and
    // values in `attributs_`.
    struct Evenement {
        Jeton jeton;
        Morceau octets;
        size_t premierAttribut = 0;
        size_t finAttributs = 0;
    };

    void alimente();
    void retient(std::exception_ptr refus);
    Morceau copie(const char* octets, qsizetype taille);
    QByteArrayView vue(Morceau morceau) const { return {octets_.data() + morceau.debut, morceau.taille}; }

    std::unique_ptr<XML_ParserStruct, Liberation> analyseur_;
    Source source_;
    QString chemin_;
    Avancement* avancement_;
    qint64 dejaLus_;
    qint64 total_;
    qint64 fournis_ = 0;     // bytes of the part given to expat
    bool suspendu_ = false;  // expat stopped when the queue was full, in the middle of a window
    bool fini_ = false;
    int ouverts_ = 0;           // elements open where expat is, ahead of the tokens handed out
    std::exception_ptr refus_;  // thrown once the tokens before it are handed out
    std::string octets_;        // the queue's names, values and texts
    std::vector<Evenement> file_;
    std::vector<Morceau> attributs_;
    size_t prochain_ = 0;  // the queue's next token
    const Evenement* courant_ = nullptr;
    int profondeur_ = 0;
    QByteArrayView texte_;
};
