#pragma once
// The school server, read from "marivelle.ini" in the working folder and from the machine's
// "/etc/marivelle/marivelle.ini" (the data folder's keys win, key by key). Without either (or
// without a [serveur] section) the program keeps everything in the class folders, as always.
// Settings that cannot be used give a French reason naming the file and the key, and the
// program then works locally too. Format: docs/serveur.md.
#include "logique/etat/NomsDossier.h"
#include "logique/journal/MagasinSql.h"

#include <optional>

struct ConfigurationServeur {
    std::optional<ParametresConnexion> parametres;  // set when the server is to be used
    QString erreur;                                 // why the file cannot be used, else empty
};

namespace Configuration {
inline constexpr const char* FichierMachine = "/etc/marivelle/marivelle.ini";
inline constexpr int IdentiteMax = 64;
// How long a connection attempt waits for the server: the recorder waits, never the game for long.
inline constexpr int AttenteConnexionS = 2;
ConfigurationServeur lit(const QString& chemin = NomsDossier::Configuration,
                         const QString& cheminMachine = QString::fromLatin1(FichierMachine));
}  // namespace Configuration
