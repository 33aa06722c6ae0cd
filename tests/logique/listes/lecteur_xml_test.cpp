// The streaming XML reader of workbook parts, fed whole and one byte at a time (so that every
// token is cut by the window's end at every place).
#include "DossierTemporaire.h"
#include "logique/base/Erreurs.h"
#include "logique/listes/LecteurXml.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {
// "<a v=1>" for a start (with its attribute "v"), "</a>" for an end, "«…»" for a text however many
// pieces it came in; "✗" when the part is refused.
QString trace(const QByteArray& xml, qint64 morceau) {
    qint64 lus = 0;
    LecteurXml lecteur(
        [&](char* destination, qint64 max) {
            const qint64 n = std::min({max, morceau, xml.size() - lus});
            std::memcpy(destination, xml.constData() + lus, static_cast<size_t>(n));
            lus += n;
            return n;
        },
        "t.xlsx");
    QString trace, texte;
    try {
        for (LecteurXml::Jeton j; (j = lecteur.suivant()) != LecteurXml::Jeton::FinDocument;) {
            if (j == LecteurXml::Jeton::Texte) {
                texte += QString::fromUtf8(lecteur.texte());
                continue;
            }
            if (!texte.isEmpty()) trace += u("«") + texte + u("»");
            texte.clear();
            const QString nom = QString::fromUtf8(lecteur.nom());
            const QByteArrayView v = j == LecteurXml::Jeton::Debut ? lecteur.attribut("v") : QByteArrayView();
            trace += j == LecteurXml::Jeton::Fin ? "</" + nom + ">"
                                                 : "<" + nom + (v.isNull() ? "" : " v=" + QString::fromUtf8(v)) + ">";
        }
    } catch (const ErreurFichier&) {
        return u("✗");
    }
    return texte.isEmpty() ? trace : trace + u("«") + texte + u("»");
}
}  // namespace

TEST(LecteurXml, TokensAreTheSameWhereverTheWindowCutsThem) {
    const std::pair<QByteArray, const char*> cas[] = {
        {"<?xml version=\"1.0\"?><!-- <c> --><x:a xmlns:x=\"u\" x:v=\"1&amp;2\" w='&lt;'>\n<b v='x&#233;'/>"
         "t&lt;&#x1F600;<![CDATA[<z>&amp;]]>é</x:a>",
         "<a v=1&2>«\n»<b v=xé></b>«t<😀<z>&amp;é»</a>"},
        {"\xEF\xBB\xBF<a><b/>Zoé &gt; Léa</a>\n", "<a><b></b>«Zoé > Léa»</a>"},
        // Not well-formed, or not what a spreadsheet writes.
        {"<a></b>", "✗"},
        {"<a><b></b>", "✗"},
        {"", "✗"},
        {"<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>", "✗"},
        {"<a>&nbsp;</a>", "✗"},
        {"<a>&#0;</a>", "✗"},
        {"<a b></a>", "✗"},
        {"<a b=c></a>", "✗"},
        {"<a><![CDATA[x</a>", "✗"},
        {"<a><!-- x</a>", "✗"},
        {QByteArray("\xFF\xFE<\0a\0/\0>\0", 10), "✗"},
    };
    for (const auto& [xml, attendu] : cas)
        for (const qint64 morceau : {qint64(1), qint64(1) << 20})
            EXPECT_EQ(trace(xml, morceau), u(attendu)) << xml.toStdString() << " par " << morceau;
}
