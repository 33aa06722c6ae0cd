#include "logique/parametres/Guidage.h"

#include "logique/depart/TestDeDepart.h"
#include "logique/parametres/BlocTestDeDepart.h"

namespace {
constexpr int TypeRevision = 5;
constexpr int TypeDepart = BlocTestDeDepart::Type;
}  // namespace

void Guidage::ouvre() { *this = Guidage(); }

void Guidage::typeChoisi(int type) {
    type_ = type;
    // The review and the starting test need no table of their own: their choice ends the guidance.
    if (type == TypeRevision || type == TypeDepart) guide_ = false;
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
    const bool parKind = type_ == 1 || type_ == 2 || type_ == TypeRevision;
    if (guide_) {
        a.options = a.tables = a.soustractionDivision = typeGuide_;
        a.choixDesTables = a.modesDeTables = typeGuide_ && operationGuidee_;
        a.listeTable1 = a.choixDesTables && listeTable1_;
        return a;
    }
    a.tables = a.choixDesTables = a.enregistrer = true;
    // The starting test: its operations only, nothing more to set.
    if (type_ == TypeDepart) return a;
    a.options = a.modesDeTables = a.soustractionDivision = a.temps = a.questions = a.aide = true;
    a.listeTable1 = listeTable1_;
    a.requin = a.aideRadios = a.bande = parKind;
    return a;
}

QString Guidage::consigne() const {
    if (guide_ && !typeGuide_)
        return QStringLiteral("Étape 1 sur 4 : choisissez le type d'exercice. Le reste est grisé : il s'ouvrira pas "
                              "à pas, au fil de vos choix.");
    if (guide_ && !operationGuidee_)
        return QStringLiteral("Étape 2 sur 4 : choisissez l'opération dans « Tables » (les options sont ouvertes). "
                              "Le choix des tables s'ouvrira ensuite.");
    if (guide_)
        return QStringLiteral("Étape 3 sur 4 : choisissez les tables, puis cliquez sur « >> » pour les ajouter à la "
                              "liste. Le temps, les questions et l'aide s'ouvriront alors.");
    if (type_ == TypeDepart)
        return QStringLiteral("Étape 4 sur 4 : choisissez Addition ou Multiplication puis « >> » pour chaque opération à "
                              "tester, puis « Ajouter l'exercice paramétré à la liste ».");
    if (type_ == TypeRevision)
        return QStringLiteral("Étape 4 sur 4 : la révision reprend les tables de chaque élève. Réglez le temps, les "
                              "questions et l'aide, puis « Ajouter l'exercice paramétré à la liste ».");
    if (type_ == 3 || type_ == 4)
        return QStringLiteral("Étape 4 sur 4 : réglez le temps et les questions, puis « Ajouter l'exercice paramétré "
                              "à la liste ». Requins, aide et bande numérique n'existent pas pour ce type.");
    return QStringLiteral("Étape 4 sur 4 : réglez le temps, les questions et l'aide, puis « Ajouter l'exercice "
                          "paramétré à la liste ». En bas, « >> » l'attribue aux élèves cochés.");
}

QString Guidage::pourquoiGrise(Zone zone) const {
    const Activation a = activation();
    const bool utilisable[] = {a.options,   a.tables, a.choixDesTables, a.listeTable1, a.temps,         a.requin,
                               a.questions, a.aide,   a.aideRadios,     a.bande,       a.modesDeTables, a.soustractionDivision};
    if (utilisable[static_cast<int>(zone)]) return {};
    const auto grise = [](const char* raison) { return QStringLiteral("Grisé : ") + QString::fromUtf8(raison); };
    // While guided, everything waits for the step under way.
    if (guide_ && !typeGuide_) return grise("choisissez d'abord le type d'exercice.");
    if (guide_ && !operationGuidee_ && zone != Zone::Options && zone != Zone::Tables && zone != Zone::SoustractionDivision)
        return grise("choisissez d'abord l'opération (addition, soustraction, multiplication ou division).");
    if (type_ == TypeDepart && !guide_) {
        if (zone == Zone::SoustractionDivision) return grise("le test de départ porte sur les additions et les multiplications.");
        if (zone == Zone::ModesDeTables || zone == Zone::ListeTable1)
            return grise("le test de départ porte sur les tables de 1 à 10 : choisissez l'opération, puis « >> ».");
        return grise("le test de départ se passe sans temps ni aide, en %1 questions au plus par opération.")
            .arg(Depart::QuestionsAuPlus);
    }
    if (zone == Zone::ListeTable1) return grise("cliquez d'abord sur « Tables sur l'intervalle [1..10] ».");
    if (guide_) return grise("s'ouvre dès qu'une première table est ajoutée avec « >> ».");
    switch (zone) {
        case Zone::Requin: return grise("les requins n'existent pas pour ce type d'exercice.");
        case Zone::AideRadios: return grise("l'aide en images n'existe pas pour ce type d'exercice.");
        case Zone::Bande: return grise("la bande numérique n'existe pas pour ce type d'exercice.");
        default: return grise("ce réglage ne sert pas pour ce type d'exercice.");
    }
}
