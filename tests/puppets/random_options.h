#pragma once
// Random check boxes (each category with its own density) and option levels, as a player's
// profile could have them, from the test's own generator.
#include <random>

#include "sentence/vocabulary.h"

inline void TireCasesEtNiveaux(std::mt19937& alea) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (FlagArray* cases :
         {&PersosCoches, &HabitsCoches, &ChapeauxCoches, &ObjetsUneMainCoches,
          &ObjetsDeuxMainsCoches, &AnimauxCoches, &CouleursCoches, &QuiCoches,
          &VerbesIntransitifsCoches, &VerbeJouerMusiqueCoches, &VerbeRegarderCoches,
          &VerbeLancerCoches, &VerbeSouleverCoches, &VerbeTenirCoches, &VerbePromenerCoches,
          &VerbePoursuivreCoches, &VerbesLancerSurACoches, &VerbePorterSurEpaulesCoches,
          &VerbePorterHabitCoches}) {
        const double densite = 0.3 + 0.7 * u(alea);
        for (std::size_t i = 0; i < cases->size(); ++i) {
            (*cases)[i] = u(alea) < densite;
        }
    }
    std::uniform_int_distribution<int> niveau(0, 2);
    for (int* n : {&queok, &passiveok, &emphatiqueok, &expansiongn1ok, &expansiongn2ok,
                   &adjectifsok, &codok, &renversableok, &renversablegn1ok, &renversablegn2ok}) {
        *n = niveau(alea);
    }
}
