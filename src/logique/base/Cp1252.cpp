#include "logique/base/Cp1252.h"

#include <array>

namespace {
// Characters of bytes 0x80..0x9F; the others are the Latin-1 characters of the same value.
constexpr std::array<char16_t, 32> kHaut = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> octet(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHaut[i] == c) return static_cast<char>(0x80 + i);
    return std::nullopt;
}
}  // namespace

namespace Cp1252 {
QString decode(QByteArrayView octets) {
    // Latin-1 is right for every byte but 0x80..0x9F, which are rare: fix those afterwards.
    QString texte = QString::fromLatin1(octets);
    const auto* p = reinterpret_cast<const unsigned char*>(octets.data());
    unsigned char ou = 0;
    for (qsizetype i = 0; i < octets.size(); ++i) ou |= p[i];  // vectorised: any byte above 0x7F?
    if (ou < 0x80) return texte;
    QChar* sortie = texte.data();
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const auto b = static_cast<unsigned char>(octets[i]);
        if (b >= 0x80 && b < 0xA0) sortie[i] = QChar(kHaut[b - 0x80]);
    }
    return texte;
}

std::optional<QByteArray> encode(const QString& texte) {
    QByteArray octets(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const auto o = octet(texte[i].unicode());
        if (!o) return std::nullopt;
        octets[i] = *o;
    }
    return octets;
}

bool representable(const QString& texte) { return encode(texte).has_value(); }
}  // namespace Cp1252
