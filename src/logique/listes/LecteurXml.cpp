#include "logique/listes/LecteurXml.h"

#include "logique/base/Avancement.h"
#include "logique/listes/BornesClasseur.h"

#include <cstring>
#include <expat.h>
#include <new>

namespace {
// The part is given to expat one window at a time; expat stops when the queue of tokens it made
// holds that many bytes or tokens, and goes on once they are handed out.
constexpr int Fenetre = 128 * 1024;
constexpr size_t OctetsMax = Fenetre;
constexpr size_t EvenementsMax = 4096;
// What expat may keep of the part without making a token of it: one start tag, comment or
// processing instruction must fit, so that neither can fill the memory.
constexpr qint64 RetenuMax = 4 * Fenetre;
constexpr qint64 EntierMax = qint64(1) << 40;

QByteArrayView local(QByteArrayView nom) {
    for (qsizetype i = nom.size(); i > 0; --i)
        if (nom[i - 1] == ':') return nom.sliced(i);
    return nom;
}

// Expat reads a part that starts with a UTF-16 mark, or in UTF-16 without one, whatever encoding
// it is told: such a part is refused here, as every spreadsheet writes UTF-8.
bool utf16(const char* debut) {
    const QByteArrayView deux(debut, 2);
    return deux == "\xFF\xFE" || deux == "\xFE\xFF" || deux.contains('\0');
}
}  // namespace

// Called from expat's C frames: no exception may leave them, so a refusal is kept, expat stopped,
// and the refusal thrown once expat has returned.
struct LecteurXml::Rappels {
    template <class Action>
    static void protege(void* donnees, Action action) {
        auto& lecteur = *static_cast<LecteurXml*>(donnees);
        if (lecteur.refus_) return;
        try {
            action(lecteur);
        } catch (...) {
            lecteur.retient(std::current_exception());
            XML_StopParser(lecteur.analyseur_.get(), XML_FALSE);
            return;
        }
        XML_ParsingStatus etat;
        XML_GetParsingStatus(lecteur.analyseur_.get(), &etat);
        if (etat.parsing == XML_PARSING && (lecteur.octets_.size() >= OctetsMax || lecteur.file_.size() >= EvenementsMax))
            XML_StopParser(lecteur.analyseur_.get(), XML_TRUE);
    }

    static void debut(void* donnees, const XML_Char* nom, const XML_Char** attributs) {
        protege(donnees, [&](LecteurXml& l) {
            if (l.ouverts_ >= BornesClasseur::ProfondeurMax)
                BornesClasseur::refuse(BornesClasseur::Refus::TropImbrique, l.chemin_);
            ++l.ouverts_;
            Evenement e{Jeton::Debut, l.copie(nom, qsizetype(strlen(nom))), l.attributs_.size()};
            for (const XML_Char** a = attributs; *a; ++a) l.attributs_.push_back(l.copie(*a, qsizetype(strlen(*a))));
            e.finAttributs = l.attributs_.size();
            l.file_.push_back(e);
        });
    }

    static void fin(void* donnees, const XML_Char* nom) {
        protege(donnees, [&](LecteurXml& l) {
            --l.ouverts_;
            l.file_.push_back({Jeton::Fin, l.copie(nom, qsizetype(strlen(nom)))});
        });
    }

    // Expat cuts a text at every line and reference: its pieces are joined again in the queue.
    static void texte(void* donnees, const XML_Char* octets, int taille) {
        protege(donnees, [&](LecteurXml& l) {
            const Morceau m = l.copie(octets, taille);
            if (!l.file_.empty() && l.file_.back().jeton == Jeton::Texte) l.file_.back().octets.taille += m.taille;
            else l.file_.push_back({Jeton::Texte, m});
        });
    }

    static void typeDeDocument(void* donnees, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        protege(donnees, [](LecteurXml& l) { BornesClasseur::refuse(BornesClasseur::Refus::Illisible, l.chemin_); });
    }
};

void LecteurXml::Liberation::operator()(XML_ParserStruct* analyseur) const { XML_ParserFree(analyseur); }

LecteurXml::LecteurXml(Source source, const QString& chemin, Avancement* avancement, qint64 dejaLus, qint64 total)
    : analyseur_(XML_ParserCreate("UTF-8")), source_(std::move(source)), chemin_(chemin), avancement_(avancement),
      dejaLus_(dejaLus), total_(total) {
    XML_Parser p = analyseur_.get();
    if (!p) throw std::bad_alloc();
    XML_SetElementHandler(p, &Rappels::debut, &Rappels::fin);
    XML_SetCharacterDataHandler(p, &Rappels::texte);
    XML_SetStartDoctypeDeclHandler(p, &Rappels::typeDeDocument);
}

void LecteurXml::retient(std::exception_ptr refus) {
    if (!refus_) refus_ = std::move(refus);
}

LecteurXml::Morceau LecteurXml::copie(const char* octets, qsizetype taille) {
    const Morceau m{qsizetype(octets_.size()), taille};
    octets_.append(octets, size_t(taille));
    return m;
}

qint64 LecteurXml::entier(QByteArrayView chiffres) {
    if (chiffres.isEmpty()) return -1;
    qint64 n = 0;
    for (char c : chiffres) {
        if (c < '0' || c > '9') return -1;
        n = std::min(n * 10 + (c - '0'), EntierMax);
    }
    return n;
}

// Lets expat go on where the full queue stopped it, or gives it the next window of the part.
void LecteurXml::alimente() {
    XML_Parser p = analyseur_.get();
    XML_SetUserData(p, this);  // the reader may have moved since
    XML_Status statut;
    if (suspendu_) {
        statut = XML_ResumeParser(p);
    } else {
        auto* fenetre = static_cast<char*>(XML_GetBuffer(p, Fenetre));
        if (!fenetre) throw std::bad_alloc();
        // The first window holds two bytes at least, to tell UTF-8 from UTF-16.
        qint64 lus = 0;
        for (qint64 n; (lus == 0 || (fournis_ == 0 && lus < 2)) && (n = source_(fenetre + lus, Fenetre - lus)) > 0;) lus += n;
        if (fournis_ == 0 && lus >= 2 && utf16(fenetre)) BornesClasseur::refuse(BornesClasseur::Refus::Illisible, chemin_);
        fournis_ += lus;
        if (avancement_ && lus > 0 && total_ > 0) avancement_->annonce(dejaLus_ + fournis_, total_);
        else if (avancement_ && lus > 0) avancement_->verifie();
        statut = XML_ParseBuffer(p, int(lus), lus == 0);
    }
    suspendu_ = statut == XML_STATUS_SUSPENDED;
    XML_ParsingStatus etat;
    XML_GetParsingStatus(p, &etat);
    fini_ = etat.parsing == XML_FINISHED;
    const XML_Index lu = XML_GetCurrentByteIndex(p);
    if (statut == XML_STATUS_ERROR || (statut == XML_STATUS_OK && !fini_ && lu >= 0 && fournis_ - lu > RetenuMax)) {
        try {
            BornesClasseur::refuse(BornesClasseur::Refus::Illisible, chemin_);
        } catch (...) {
            retient(std::current_exception());
        }
    }
}

LecteurXml::Jeton LecteurXml::suivant() {
    while (prochain_ == file_.size()) {
        file_.clear();
        attributs_.clear();
        octets_.clear();
        prochain_ = 0;
        courant_ = nullptr;
        texte_ = {};
        if (refus_) std::rethrow_exception(refus_);
        if (fini_) return Jeton::FinDocument;
        alimente();
    }
    courant_ = &file_[prochain_++];
    if (courant_->jeton == Jeton::Debut) ++profondeur_;
    else if (courant_->jeton == Jeton::Fin) --profondeur_;
    texte_ = courant_->jeton == Jeton::Texte ? vue(courant_->octets) : QByteArrayView();
    return courant_->jeton;
}

QByteArrayView LecteurXml::nom() const {
    return courant_ && courant_->jeton != Jeton::Texte ? local(vue(courant_->octets)) : QByteArrayView();
}

bool LecteurXml::est(const char* nom) const { return this->nom() == nom; }

QByteArrayView LecteurXml::attribut(const char* nom) {
    if (!courant_) return {};
    for (size_t i = courant_->premierAttribut; i + 1 < courant_->finAttributs; i += 2) {
        const QByteArrayView n = vue(attributs_[i]);
        if (local(n) == nom && !n.startsWith("xmlns")) return vue(attributs_[i + 1]);
    }
    return {};
}

qint64 LecteurXml::attributEntier(const char* nom, qint64 defaut) {
    const qint64 n = entier(attribut(nom));
    return n < 0 ? defaut : n;
}
