#pragma once
// The French reason of a database failure, from the driver's error code: never the driver's
// English text alone.
#include <QString>

class QSqlError;

QString RaisonSql(const QSqlError& erreur);
