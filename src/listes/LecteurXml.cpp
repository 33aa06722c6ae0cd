#include "listes/LecteurXml.h"

#include "base/Avancement.h"
#include "listes/BornesClasseur.h"

#include <cstring>

namespace {
// A start tag must fit in the window; texts, comments and CDATA sections need not.
constexpr qsizetype Fenetre = 256 * 1024;
constexpr qint64 EntierMax = qint64(1) << 40;
// The longest reference to an entity, "&#x10FFFF;" and a little more.
constexpr qsizetype EntiteMax = 12;

bool blanc(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool finDeNom(char c) { return blanc(c) || c == '>' || c == '/' || c == '='; }

QByteArrayView local(QByteArrayView nom) {
    for (qsizetype i = nom.size(); i > 0; --i)
        if (nom[i - 1] == ':') return nom.sliced(i);
    return nom;
}

// How many bytes end `octets` in a character not complete yet.
qsizetype incomplets(const char* octets, qsizetype n) {
    for (qsizetype k = 1; k <= std::min<qsizetype>(n, 3); ++k) {
        const auto c = static_cast<unsigned char>(octets[n - k]);
        if ((c & 0xC0) == 0x80) continue;
        const qsizetype longueur = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return longueur > k ? k : 0;
    }
    return 0;
}

// Appends what "&nom;" stands for; false when it stands for nothing.
bool ajouteEntite(QByteArrayView nom, QByteArray& sortie) {
    static const std::pair<const char*, char> nommees[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [n, c] : nommees)
        if (nom == n) {
            sortie += c;
            return true;
        }
    if (nom.size() < 2 || nom[0] != '#') return false;
    const bool hexa = nom[1] == 'x';
    const QByteArrayView chiffres = nom.sliced(hexa ? 2 : 1);
    if (chiffres.isEmpty() || chiffres.size() > 8) return false;
    bool ok = false;
    const uint code = chiffres.toByteArray().toUInt(&ok, hexa ? 16 : 10);
    const bool permis = code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
                        (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
    if (!ok || !permis) return false;
    const char32_t point = code;
    sortie += QString::fromUcs4(&point, 1).toUtf8();
    return true;
}

// Replaces the entities of an attribute's value; false when one is not.
bool decode(QByteArrayView brut, QByteArray& sortie) {
    sortie.clear();
    for (qsizetype i = 0; i < brut.size();) {
        const qsizetype et = brut.indexOf('&', i);
        if (et < 0) {
            sortie += brut.sliced(i);
            break;
        }
        sortie += brut.sliced(i, et - i);
        const qsizetype pointVirgule = brut.indexOf(';', et);
        if (pointVirgule < 0 || !ajouteEntite(brut.sliced(et + 1, pointVirgule - et - 1), sortie)) return false;
        i = pointVirgule + 1;
    }
    return true;
}
}  // namespace

LecteurXml::LecteurXml(Source source, const QString& chemin, Avancement* avancement, qint64 dejaLus, qint64 total)
    : source_(std::move(source)), chemin_(chemin), avancement_(avancement), dejaLus_(dejaLus), total_(total),
      tampon_(Fenetre, Qt::Uninitialized) {}

void LecteurXml::illisible() const { BornesClasseur::refuse(BornesClasseur::Refus::Illisible, chemin_); }

qint64 LecteurXml::entier(QByteArrayView chiffres) {
    if (chiffres.isEmpty()) return -1;
    qint64 n = 0;
    for (char c : chiffres) {
        if (c < '0' || c > '9') return -1;
        n = std::min(n * 10 + (c - '0'), EntierMax);
    }
    return n;
}

// Moves the bytes not read yet to the window's start and reads more after them; false when the
// part has ended or the window is full.
bool LecteurXml::remplit() {
    if (debut_ > 0) {
        std::memmove(tampon_.data(), tampon_.constData() + debut_, static_cast<size_t>(fin_ - debut_));
        passes_ += debut_;
        fin_ -= debut_;
        debut_ = 0;
    }
    if (finSource_ || fin_ == tampon_.size()) return false;
    const qint64 lus = source_(tampon_.data() + fin_, tampon_.size() - fin_);
    if (lus <= 0) {
        finSource_ = true;
        return false;
    }
    fin_ += lus;
    if (avancement_ && total_ > 0) avancement_->annonce(dejaLus_ + passes_ + fin_, total_);
    else if (avancement_) avancement_->verifie();
    return true;
}

LecteurXml::Jeton LecteurXml::suivant() {
    if (finEnAttente_) {
        finEnAttente_ = false;
        ferme(false);
        return Jeton::Fin;
    }
    if (!commence_) {
        commence_ = true;
        while (fin_ < 3 && remplit()) {
        }
        const QByteArrayView debut(tampon_.constData(), fin_);
        // UTF-8 only, as every spreadsheet writes its parts; its mark is passed over.
        if (debut.startsWith("\xEF\xBB\xBF")) debut_ = 3;
        else if (debut.startsWith("\xFF\xFE") || debut.startsWith("\xFE\xFF")) illisible();
    }
    for (;;) {
        if (debut_ == fin_ && !remplit()) {
            if (!ouvertures_.empty() || !racineVue_) illisible();
            return Jeton::FinDocument;
        }
        if (dansCdata_) {
            if (litCdata()) return Jeton::Texte;
            if (!remplit()) illisible();
            continue;
        }
        if (tampon_.constData()[debut_] != '<') {
            if (litTexte()) return Jeton::Texte;
            if (!remplit()) illisible();
            continue;
        }
        while (fin_ - debut_ < 9 && remplit()) {
        }
        const QByteArrayView balise(tampon_.constData() + debut_, fin_ - debut_);
        const char apres = balise.size() > 1 ? balise[1] : '\0';
        if (apres != '?' && apres != '!') {
            Jeton jeton;
            bool autoFermant = false;
            while (!litBalise(jeton, autoFermant))
                if (!remplit()) illisible();
            if (jeton == Jeton::Fin) {
                ferme(true);
                return jeton;
            }
            ouvre();
            finEnAttente_ = autoFermant;
            return jeton;
        }
        if (balise.startsWith("<?")) {
            passeJusqua("?>");
        } else if (balise.startsWith("<!--")) {
            debut_ += 4;
            passeJusqua("-->");
        } else if (balise.startsWith("<![CDATA[")) {
            debut_ += 9;
            dansCdata_ = true;
        } else {
            illisible();
        }
    }
}

void LecteurXml::ouvre() {
    if (ouvertures_.size() >= static_cast<size_t>(BornesClasseur::ProfondeurMax))
        BornesClasseur::refuse(BornesClasseur::Refus::TropImbrique, chemin_);
    racineVue_ = true;
    ouvertures_.push_back(noms_.size());
    noms_.append(nom_.data(), nom_.size());
}

void LecteurXml::ferme(bool verifieNom) {
    if (ouvertures_.empty() || (verifieNom && QByteArrayView(noms_).sliced(ouvertures_.back()) != nom_)) illisible();
    noms_.truncate(ouvertures_.back());
    ouvertures_.pop_back();
}

// Passes over everything up to `marque` and `marque` itself, whatever its length.
void LecteurXml::passeJusqua(QByteArrayView marque) {
    for (;;) {
        const qsizetype trouve = QByteArrayView(tampon_.constData(), fin_).indexOf(marque, debut_);
        if (trouve >= 0) {
            debut_ = trouve + marque.size();
            return;
        }
        debut_ = std::max(debut_, fin_ - marque.size() + 1);
        if (!remplit()) illisible();
    }
}

// Character data up to the next markup or the end of the window; false when nothing can be given
// before more bytes are read (a character or an entity cut by the window's end).
bool LecteurXml::litTexte() {
    const char* d = tampon_.constData();
    const auto chevron = static_cast<const char*>(std::memchr(d + debut_, '<', static_cast<size_t>(fin_ - debut_)));
    const qsizetype arret = chevron ? chevron - d : fin_;
    const auto et = static_cast<const char*>(std::memchr(d + debut_, '&', static_cast<size_t>(arret - debut_)));
    if (!et && chevron) {
        texte_ = QByteArrayView(d + debut_, arret - debut_);
        debut_ = arret;
        return true;
    }
    texteDecode_.resize(0);
    qsizetype p = debut_;
    while (p < arret) {
        const auto entite = static_cast<const char*>(std::memchr(d + p, '&', static_cast<size_t>(arret - p)));
        qsizetype finCourant = entite ? entite - d : arret;
        if (!entite && !chevron && !finSource_) finCourant -= incomplets(d + p, fin_ - p);
        texteDecode_.append(d + p, finCourant - p);
        p = finCourant;
        if (!entite) break;
        const auto pointVirgule = static_cast<const char*>(
            std::memchr(entite, ';', static_cast<size_t>(std::min(arret - p, EntiteMax))));
        if (!pointVirgule) {
            if (arret - p >= EntiteMax || chevron || finSource_) illisible();
            break;
        }
        if (!ajouteEntite(QByteArrayView(entite + 1, pointVirgule - entite - 1), texteDecode_)) illisible();
        p = pointVirgule - d + 1;
    }
    debut_ = p;
    texte_ = texteDecode_;
    return !texteDecode_.isEmpty();
}

bool LecteurXml::litCdata() {
    const QByteArrayView fenetre(tampon_.constData(), fin_);
    const qsizetype marque = fenetre.indexOf("]]>", debut_);
    qsizetype arret = marque >= 0 ? marque : std::max(debut_, fin_ - 2);
    if (marque < 0 && !finSource_) arret -= incomplets(fenetre.data() + debut_, arret - debut_);
    texte_ = fenetre.sliced(debut_, arret - debut_);
    debut_ = arret;
    if (marque >= 0) {
        debut_ += 3;
        dansCdata_ = false;
        return true;
    }
    return !texte_.isEmpty();
}

// The start or end tag at the window's start; false when the window ends before it does.
bool LecteurXml::litBalise(Jeton& jeton, bool& autoFermant) {
    const char* d = tampon_.constData();
    qsizetype p = debut_ + 1;
    if (p == fin_) return false;
    const bool fermante = d[p] == '/';
    p += fermante;
    const qsizetype debutNom = p;
    while (p < fin_ && !finDeNom(d[p])) ++p;
    if (p == fin_) return false;
    if (p == debutNom) illisible();
    nom_ = QByteArrayView(d + debutNom, p - debutNom);
    attributs_.clear();
    const auto passeBlancs = [&] {
        while (p < fin_ && blanc(d[p])) ++p;
        return p < fin_;
    };
    if (fermante) {
        if (!passeBlancs()) return false;
        if (d[p] != '>') illisible();
        debut_ = p + 1;
        jeton = Jeton::Fin;
        return true;
    }
    for (;;) {
        if (!passeBlancs()) return false;
        if (d[p] == '>' || d[p] == '/') {
            if (d[p] == '/' && p + 1 == fin_) return false;
            if (d[p] == '/' && d[p + 1] != '>') illisible();
            autoFermant = d[p] == '/';
            debut_ = p + 1 + autoFermant;
            jeton = Jeton::Debut;
            return true;
        }
        const qsizetype debutAttribut = p;
        while (p < fin_ && !finDeNom(d[p])) ++p;
        const QByteArrayView nomAttribut(d + debutAttribut, p - debutAttribut);
        if (!passeBlancs()) return false;
        if (d[p] != '=' || nomAttribut.isEmpty()) illisible();
        ++p;
        if (!passeBlancs()) return false;
        if (d[p] != '"' && d[p] != '\'') illisible();
        const auto guillemet =
            static_cast<const char*>(std::memchr(d + p + 1, d[p], static_cast<size_t>(fin_ - p - 1)));
        if (!guillemet) return false;
        attributs_.push_back({nomAttribut, QByteArrayView(d + p + 1, guillemet - d - p - 1)});
        p = guillemet - d + 1;
    }
}

QByteArrayView LecteurXml::nom() const { return local(nom_); }

bool LecteurXml::est(const char* nom) const { return local(nom_) == nom; }

QByteArrayView LecteurXml::attribut(const char* nom) {
    for (const Attribut& a : attributs_) {
        if (local(a.nom) != nom || a.nom.startsWith("xmlns")) continue;
        if (!a.valeur.contains('&')) return a.valeur;
        if (!decode(a.valeur, valeur_)) illisible();
        return valeur_;
    }
    return {};
}

qint64 LecteurXml::attributEntier(const char* nom, qint64 defaut) {
    const qint64 n = entier(attribut(nom));
    return n < 0 ? defaut : n;
}
