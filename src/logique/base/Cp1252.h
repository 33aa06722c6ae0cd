#pragma once
// Windows-1252 codec. Every byte decodes to one character and encodes back to the same byte
// (the five unassigned bytes map to the C1 controls of the same value), so a line read and
// written again stays byte for byte the same.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace Cp1252 {
QString decode(QByteArrayView octets);
// Empty when a character has no Windows-1252 byte.
std::optional<QByteArray> encode(const QString& texte);
bool representable(const QString& texte);
}
