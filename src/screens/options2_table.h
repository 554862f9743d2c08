#pragma once
// Options screen 2 as a table: its six groups, the vocabulary lists each group switches, and
// the words in the order they are shown.
#include <memory>
#include <vector>

#include "screens/options2_screen.h"
#include "sentence/vocabulary.h"

// One vocabulary list of a group: its flags and the screen's box and label arrays for it.
struct ListeDeMots {
    FlagArray* coches;
    iEngineOptions2::Cases iEngineOptions2::*cases;
    iEngineOptions2::Etiquettes iEngineOptions2::*etiquettes;
};

// A shown word: its label, its list within the group and its index in that list, and the gap
// from the label before it; 0 starts a new row.
struct MotCoche {
    const char16_t* texte;
    int liste;
    int indice;
    int ecart;
};

struct GroupeDeMots {
    const char16_t* titre;
    bool* actif;
    std::shared_ptr<iGuiCheckBox2> iEngineOptions2::*caseGroupe;
    std::shared_ptr<iGuiLabel> iEngineOptions2::*etiquetteGroupe;
    // In the order the boxes are asked for a press, which is also the order the group box sets
    // them.
    std::vector<ListeDeMots> listes;
    std::vector<MotCoche> mots;
};

const std::vector<GroupeDeMots>& GroupesOptions2();
