#pragma once
// One operation's facts as a grid: each cell's state by colour and by symbol, its questions and
// median time and the memory model's estimate of it today in the tooltip and, on a click, in `faitChoisi`.
#include "logique/suivi/AnneeEleve.h"

#include <QWidget>

class GrilleFaits final : public QWidget {
    Q_OBJECT
public:
    GrilleFaits(QWidget* parent, Operation operation);
    void montre(const AnneeEleve* annee, int seuilMs, const QDate& aujourdhui);
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
    EtatFait etat(int ligne, int colonne, bool& dansTables) const;

    Operation operation_;
    const AnneeEleve* annee_ = nullptr;
    int seuil_ = 3000;
    QDate aujourdhui_;
    int taille_ = 11;
};
