#pragma once
// The one-page A4 report for a pupil's family: name, period, what is known, what to practise at
// home, the progress curve. Drawn once for a PDF file and for a printer.
#include "logique/suivi/AnneeEleve.h"

class QPagedPaintDevice;
class QWidget;

namespace RapportFamille {
struct Contenu {
    const AnneeEleve* annee = nullptr;
    QString enseignant;
    QDate aujourdhui;
    int seuilMs = 3000;
};
void dessine(QPagedPaintDevice& page, const Contenu& contenu);
// Throws ErreurMarivelle with a French reason when the file cannot be written.
void enregistrePdf(const QString& chemin, const Contenu& contenu);
// The print dialog, then the page; false when the teacher cancels.
bool imprime(QWidget* parent, const Contenu& contenu);
}
