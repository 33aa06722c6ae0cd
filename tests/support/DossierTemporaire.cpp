#include "DossierTemporaire.h"

#include "base/Cp1252.h"

QByteArray cp1252(const char* utf8) { return Cp1252::encode(QString::fromUtf8(utf8)).value_or(QByteArray()); }
