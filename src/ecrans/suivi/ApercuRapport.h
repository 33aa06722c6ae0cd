#pragma once
// The family report before it leaves: the page as it will print, a box for the teacher's word
// (typed here, or left empty for lines to write it by hand), "Imprimer…" and "Enregistrer en PDF…".
#include "ecrans/suivi/RapportFamille.h"

#include <QDialog>
#include <QPrinter>
#include <functional>

class QPlainTextEdit;
class QPrintPreviewWidget;

class ApercuRapport final : public QDialog {
    Q_OBJECT
public:
    // `enregistre` saves the report as shown (the view asks where).
    ApercuRapport(QWidget* parent, const RapportFamille::Contenu& contenu,
                  const std::function<void(const RapportFamille::Contenu&)>& enregistre);
    QString mot() const;

private:
    void imprime();

    RapportFamille::Contenu contenu_;
    QPrinter imprimante_;
    QPrintPreviewWidget* apercu_ = nullptr;
    QPlainTextEdit* mot_ = nullptr;
};
