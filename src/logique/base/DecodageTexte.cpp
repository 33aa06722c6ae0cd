#include "logique/base/DecodageTexte.h"

#include "logique/base/Cp1252.h"

#include <QStringDecoder>

#include <cstring>

namespace {
// C0 controls other than tab and line ends, DEL, and C1 controls (where Cp1252 puts the bytes it
// leaves unassigned): no class list or settings file holds them, a binary file soon does.
bool illisible(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x20) return u != u'\t' && u != u'\n' && u != u'\r';
    return u >= 0x7F && u < 0xA0;
}

// The line (from 1) of the first character that is no text, or of the character at `erreur`
// when that comes first; 0 when there is none.
int premiereLigneIllisible(const QString& texte, qsizetype erreur = -1) {
    int ligne = 1;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c == QLatin1Char('\n')) {
            ++ligne;
        } else if (c.isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate()) {
            ++i;  // a character beyond U+FFFF, in two halves
        } else if (i == erreur || illisible(c) || c.isSurrogate()) {
            return ligne;
        }
    }
    return 0;
}
}  // namespace

namespace DecodageTexte {
bool estUtf8(QByteArrayView octets) {
    const auto* p = reinterpret_cast<const unsigned char*>(octets.data());
    const auto* const fin = p + octets.size();
    while (p < fin) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int suite = (*p & 0xE0) == 0xC0 ? 1 : (*p & 0xF0) == 0xE0 ? 2 : (*p & 0xF8) == 0xF0 ? 3 : 0;
        if (suite == 0 || fin - p <= suite) return false;
        char32_t c = *p & (0x3F >> suite);
        for (int i = 1; i <= suite; ++i) {
            if ((p[i] & 0xC0) != 0x80) return false;
            c = (c << 6) | (p[i] & 0x3F);
        }
        const char32_t minimum = suite == 1 ? 0x80 : suite == 2 ? 0x800 : 0x10000;  // no longer form than needed
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        p += suite + 1;
    }
    return true;
}

Texte decode(QByteArrayView octets) {
    Texte resultat;
    qsizetype erreur = -1;
    const bool le = octets.startsWith("\xFF\xFE"), be = octets.startsWith("\xFE\xFF");
    if (le || be) {
        QStringDecoder utf16(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless);
        resultat.texte = utf16.decode(octets.sliced(2));
        // A broken pair or an odd last byte: the decoder put U+FFFD there.
        if (utf16.hasError()) erreur = resultat.texte.indexOf(QChar(QChar::ReplacementCharacter));
    } else {
        if (octets.startsWith("\xEF\xBB\xBF")) octets = octets.sliced(3);
        resultat.texte.reserve(octets.size());
        const char* debut = octets.data();
        const char* const fin = debut + octets.size();
        while (debut < fin) {
            const char* saut = static_cast<const char*>(std::memchr(debut, '\n', fin - debut));
            const QByteArrayView ligne(debut, saut ? saut + 1 : fin);
            resultat.texte += estUtf8(ligne) ? QString::fromUtf8(ligne) : Cp1252::decode(ligne);
            debut = ligne.end();
        }
    }
    resultat.ligneIllisible = premiereLigneIllisible(resultat.texte, erreur);
    if (resultat.ligneIllisible > 0) resultat.texte.clear();
    return resultat;
}
}  // namespace DecodageTexte
