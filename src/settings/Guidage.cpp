#include "settings/Guidage.h"

void Guidage::ouvre() { *this = Guidage(); }

void Guidage::typeChoisi(int type) {
    type_ = type;
    // The review needs no table of its own: its choice ends the guidance.
    if (type == 5) guide_ = false;
    if (!guide_) return;
    // A new kind in guided mode greys the choice of tables until an operation is chosen again,
    // and the [1..10] numbers until "Tables sur l'intervalle [1..10]" is clicked again.
    typeGuide_ = true;
    operationGuidee_ = false;
    listeTable1_ = false;
}

void Guidage::operationChoisie() {
    if (guide_ && typeGuide_) operationGuidee_ = true;
}

void Guidage::tablePreciseChoisie() { listeTable1_ = true; }

void Guidage::entreeAjoutee() { guide_ = false; }

void Guidage::exerciceCharge(int type) {
    guide_ = false;
    type_ = type;
    listeTable1_ = true;
}

Guidage::Activation Guidage::activation() const {
    Activation a;
    const bool parKind = type_ == 1 || type_ == 2 || type_ == 5;
    if (guide_) {
        a.options = a.tables = typeGuide_;
        a.choixDesTables = typeGuide_ && operationGuidee_;
        a.listeTable1 = a.choixDesTables && listeTable1_;
        return a;
    }
    a.options = a.tables = a.choixDesTables = a.temps = a.questions = a.aide = true;
    a.listeTable1 = listeTable1_;
    a.requin = a.aideRadios = a.bande = parKind;
    return a;
}
