#pragma once
// One operation's facts as a grid: each cell is its own fact ("1 × 7" apart from "7 × 1"), its
// state by colour and by symbol (CouleursSuivi), its questions and median time and the memory
// model's estimate of it today in the tooltip and, on a click, in `faitChoisi`.
#include "logique/suivi/AnneeEleve.h"

#include <QWidget>

class GrilleFaits final : public QWidget {
    Q_OBJECT
public:
    GrilleFaits(QWidget* parent, Operation operation);
    // `parSens`: the pupil's facts by their own key (Suivi::faitsParSens), kept by the caller.
    void montre(const AnneeEleve* annee, const StatsFaits* parSens, int seuilMs);

    // Rows and columns run 0..taille() - 1.
    int taille() const { return taille_; }
    // The text of a cell: the fact, its state, its questions, median time and estimate today.
    QString description(int ligne, int colonne) const;
    QRect rectangle(int ligne, int colonne) const;

signals:
    void faitChoisi(const QString& description);

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    bool caseSous(const QPoint& p, int& ligne, int& colonne) const;
    // The cell's own figures, none when its fact was never asked.
    const StatFait* propre(const Fait& fait) const;
    EtatFait etat(int ligne, int colonne, bool& dansTables) const;
    // What a starting test estimated of a fact never asked, -1 when nothing.
    double estimationDepart(const Fait& fait) const;

    Operation operation_;
    const AnneeEleve* annee_ = nullptr;
    const StatsFaits* parSens_ = nullptr;
    int seuil_ = 3000;
    int taille_ = 11;
};
