// Start values of the vocabulary and the options, and their restoration between games.
#include <algorithm>

#include "sentence/vocabulary.h"
#include "sentence_test_support.h"

namespace {

TEST(Vocabulaire, ValeursDeDepartEtRetourAuDepart) {
    InitVocabulary();
    // Working lists start at full length with empty slots; every box is ticked.
    const std::pair<const StringArray*, const FlagArray*> categories[] = {
        {&Persos, &PersosCoches},
        {&Couleurs, &CouleursCoches},
        {&Qui, &QuiCoches},
        {&ActionsIntransitif, &VerbesIntransitifsCoches},
        {&VerbesLancerSurA, &VerbesLancerSurACoches}};
    for (const auto& [travail, coches] : categories) {
        EXPECT_EQ(travail->size(), coches->size());
        EXPECT_EQ(std::count(travail->begin(), travail->end(), String()),
                  static_cast<long>(travail->size()));
        EXPECT_EQ(std::count(coches->begin(), coches->end(), true),
                  static_cast<long>(coches->size()));
    }
    // The preferences file stores exactly this many flags.
    std::size_t drapeaux = 0;
    for (const FlagArray* f : ToutesLesCases(true))
        drapeaux += f->size();
    EXPECT_EQ(drapeaux, 55u);
    // Colours and "qui" are not complements.
    EXPECT_EQ(ListeComplementsPossibles.size(), 32u);
    EXPECT_EQ(NombreComplementsPossibles, 32);

    // A game changes things; the reset brings every start value back.
    PersosCoches[0] = false;
    CouleursTous.push_back(u"orange");
    Couleurs = {u"rouge"};
    queok = 2;
    adjectifsok = 0;
    AccentAgentOk = false;
    seuilvariation = 0.3f;
    SynonymeDame = u"femme";
    propositionadjectif = 4;
    InitVocabulary();
    EXPECT_TRUE(PersosCoches[0]);
    EXPECT_EQ(CouleursTous.size(), 9u);
    EXPECT_EQ(Couleurs.size(), 9u);
    EXPECT_EQ(queok, 0);
    EXPECT_EQ(adjectifsok, 1);
    EXPECT_TRUE(AccentAgentOk);
    EXPECT_FLOAT_EQ(seuilvariation, 0.7f);
    EXPECT_TRUE(SynonymeDame.empty());
    EXPECT_EQ(propositionadjectif, 0);
}

} // namespace
