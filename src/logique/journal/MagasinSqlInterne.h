#pragma once
// What the files of MagasinSql share (the connection, the schema, the reads, the writes); for
// those files only.
#include "logique/journal/MagasinSql.h"

#include <optional>

namespace MagasinSqlInterne {
inline bool estSqlite(const ParametresConnexion& p) { return p.pilote == QLatin1String("QSQLITE"); }
}  // namespace MagasinSqlInterne

// Bounds a call to a server for as long as it lives (defined in MagasinSql.cpp).
struct MagasinSql::Borne {
    Borne(MagasinSql& magasin, AppelBorne::Genre genre);
    ~Borne();
    Borne(const Borne&) = delete;
    Borne& operator=(const Borne&) = delete;

    MagasinSql& magasin_;
    std::optional<AppelBorne> appel_;
};
