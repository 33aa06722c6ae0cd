#pragma once
// Small helpers on the XML parts of a workbook. Writers use different namespace prefixes
// ("x:worksheet" or "worksheet"), so elements are matched by their local name and new elements
// take the prefix of their document's root.
#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <pugixml.hpp>

namespace XmlXlsx {
bool estNomme(pugi::xml_node noeud, const char* local);
pugi::xml_node enfant(pugi::xml_node parent, const char* local);
pugi::xml_node premierEnfantParmi(pugi::xml_node parent, std::initializer_list<const char*> locaux);
// `local` with the prefix of `racine`'s own name ("x:c" beside "x:worksheet").
QString qualifie(pugi::xml_node racine, const char* local);
// An attribute whose local name is `local`, whatever its prefix ("r:id").
pugi::xml_attribute attributLocal(pugi::xml_node noeud, const char* local);
// The text of a string item (plain or rich text runs; phonetic hints left out).
QString texteRiche(pugi::xml_node item);
// A text as a cell may hold it: line ends as LF, characters XML cannot carry left out.
QString texteXml(const QString& texte);

// Parses a part; false when it is not well-formed XML.
bool lit(pugi::xml_document& document, const QByteArray& octets);
QByteArray ecrit(const pugi::xml_document& document);
}  // namespace XmlXlsx
