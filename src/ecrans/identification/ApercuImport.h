#pragma once
// What an import of a class list will do, shown before anything is written: each pupil read
// with their level and registry line, or why they are refused. "Inscrire" registers the
// accepted ones; the level for pupils the file gives none can be chosen here.
#include "logique/identification/ImportEleves.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class ApercuImport final : public QDialog {
    Q_OBJECT
public:
    ApercuImport(QWidget* parent, SharedState& etat, const QString& enseignant, const QString& fichier,
                 const QList<ListeLue::Eleve>& lus);
    // The pupils as shown now (the chosen level applied).
    const QList<ImportEleves::Eleve>& eleves() const { return eleves_; }

private:
    void remplit();

    SharedState& etat_;
    QString enseignant_;
    QList<ListeLue::Eleve> lus_;
    QList<ImportEleves::Eleve> eleves_;
    QLabel* resume_ = nullptr;
    QComboBox* niveau_ = nullptr;
    QTableWidget* tableau_ = nullptr;
    QPushButton* inscrire_ = nullptr;
};
