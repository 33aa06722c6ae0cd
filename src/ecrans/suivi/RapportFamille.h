#pragma once
// The one-page A4 report for a pupil's family: name, period, what is known, what to practise at
// home, the progress curve and the teacher's word. Drawn the same for a PDF file, a printer and
// the preview; a class's reports go into one PDF, a page each. Its words: TextesRapport.
#include "logique/suivi/AnneeEleve.h"

class Avancement;
class QPagedPaintDevice;
class QPainter;

namespace RapportFamille {
struct Contenu {
    const AnneeEleve* annee = nullptr;
    QString enseignant;
    QDate aujourdhui;
    int seuilMs = 3000;
    QString mot;  // the teacher's word; empty: lines to write it by hand
};
// One page on `page`, with a painter already open on it.
void dessine(QPainter& p, QPagedPaintDevice& page, const Contenu& contenu);
// The report as a PDF file's bytes, one page for each pupil; `avancement` counts the pages
// (and stops the work when the teacher cancels).
QByteArray pdf(const QList<Contenu>& contenus, Avancement* avancement = nullptr);
// Throws ErreurMarivelle with a French reason when the file cannot be written.
void enregistrePdf(const QString& chemin, const QList<Contenu>& contenus, Avancement* avancement = nullptr);
}
