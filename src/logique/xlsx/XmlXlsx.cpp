#include "logique/xlsx/XmlXlsx.h"

#include <cstring>

namespace {
const char* local(const char* nom) {
    const char* deuxPoints = std::strchr(nom, ':');
    return deuxPoints ? deuxPoints + 1 : nom;
}

struct Tampon final : pugi::xml_writer {
    QByteArray octets;
    void write(const void* donnees, size_t taille) override {
        octets.append(static_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    }
};

// Walks the item's tree through its parent links, with no recursion: a file may nest its runs
// as deep as it likes.
void ajouteTextes(pugi::xml_node item, QString& texte) {
    pugi::xml_node n = item.first_child();
    while (n && n != item) {
        const bool phonetique = XmlXlsx::estNomme(n, "rPh");
        if (XmlXlsx::estNomme(n, "t")) texte += QString::fromUtf8(n.text().as_string());
        if (!phonetique && !XmlXlsx::estNomme(n, "t") && n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n != item && !n.next_sibling()) n = n.parent();
        if (n != item) n = n.next_sibling();
    }
}
}  // namespace

namespace XmlXlsx {
bool estNomme(pugi::xml_node noeud, const char* nom) {
    return noeud.type() == pugi::node_element && std::strcmp(local(noeud.name()), nom) == 0;
}

pugi::xml_node enfant(pugi::xml_node parent, const char* nom) {
    for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling())
        if (estNomme(n, nom)) return n;
    return {};
}

pugi::xml_node premierEnfantParmi(pugi::xml_node parent, std::initializer_list<const char*> locaux) {
    for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling())
        for (const char* nom : locaux)
            if (estNomme(n, nom)) return n;
    return {};
}

QString qualifie(pugi::xml_node racine, const char* nom) {
    const char* complet = racine.name();
    const char* deuxPoints = std::strchr(complet, ':');
    const QString prefixe = deuxPoints ? QString::fromUtf8(complet, deuxPoints - complet + 1) : QString();
    return prefixe + QString::fromUtf8(nom);
}

pugi::xml_attribute attributLocal(pugi::xml_node noeud, const char* nom) {
    for (pugi::xml_attribute a = noeud.first_attribute(); a; a = a.next_attribute())
        if (std::strcmp(local(a.name()), nom) == 0 && std::strncmp(a.name(), "xmlns", 5) != 0) return a;
    return {};
}

QString texteRiche(pugi::xml_node item) {
    QString texte;
    ajouteTextes(item, texte);
    return texte;
}

QString texteXml(const QString& texte) {
    QString propre = texte;
    propre.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    propre.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    propre.removeIf([](QChar c) { return c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t'); });
    return propre;
}

bool lit(pugi::xml_document& document, const QByteArray& octets) {
    const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
    return document.load_buffer(octets.constData(), static_cast<size_t>(octets.size()), options, pugi::encoding_utf8) &&
           document.document_element();
}

QByteArray ecrit(const pugi::xml_document& document) {
    Tampon tampon;
    document.save(tampon, "", pugi::format_raw, pugi::encoding_utf8);
    return tampon.octets;
}
}  // namespace XmlXlsx
