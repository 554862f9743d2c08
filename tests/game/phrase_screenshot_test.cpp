// The build-a-sentence game drawn for real by OpenGL: the bank under a sentence being built with
// the next words lit, the finished sentence with its full stop, and the explanation of a wrong
// sentence. Saved as PNGs for a person to look at.
#include "gl_shot.h"
#include "phrase_fixture.h"

TEST_F(PhraseTest, TheSceneAsTheChildSeesIt) {
    if (!HiddenGlWindow()) {
        GTEST_SKIP() << "no display or no OpenGL context: screenshot not taken";
    }
    int width = 0;
    int height = 0;
    GlWindowSize(width, height);
    Open(width, height);
    // The furniture in view, behind the bank.
    scene->decor->DecorAuHasard();
    scene->decor->meuble1->x = 60;
    scene->decor->meuble1->y = 700;

    Append({u"perso_dame_f", u"po_regarder"});
    Step(20);
    EXPECT_TRUE(ShootGl("phrase_offers.png", graphics));
    Append({u"perso_monsieur_m"});
    Step(20);
    EXPECT_TRUE(ShootGl("phrase_sentence.png", graphics));

    DragSlot(2, 640, 450);
    Click(*scene->boutonAnimation);
    Step(2);
    EXPECT_TRUE(ShootGl("phrase_message.png", graphics));
}

// The frame full, at the start size and at 1920 by 1080: nineteen words of a long sentence in
// two rows, nineteen of the widest cards drawn closer so that the last stays in reach, and a
// narrow word among wide ones in a frame more crowded still.
TEST_F(PhraseTest, NineteenWordsInTheFrame) {
    for (const auto& [w, h] : {std::pair{1134, 680}, std::pair{1920, 1080}}) {
        if (!HiddenGlWindow() || !GlWindowResize(w, h)) {
            GTEST_SKIP() << "no display, no OpenGL context or no window of that size";
        }
        const std::string taille = std::to_string(w) + "x" + std::to_string(h);
        Open(w, h);
        Append({u"perso_petit garcon_m", u"qui", u"h_wear", u"chapeau_casquette_f", u"violet",
                u"oum_lancer", u"unemain_banane_f", u"à", u"perso_petite fille_f", u"qui",
                u"a_promener", u"animal_crocodile_m", u"blanc", u"qui", u"ouodm_tenir",
                u"deuxmains_paquet-cadeau_m", u"rouge", u"qui", u"i_courir"});
        Step(20);
        EXPECT_TRUE(ShootGl("phrase_nineteen_words_" + taille + ".png", graphics));
        Click(*scene->boutonEffacer);
        for (int i = 0; i < 19; ++i) {
            Append({i % 2 ? u"i_jouer de la musique" : u"p_portersurepaules"});
        }
        Step(20);
        EXPECT_TRUE(ShootGl("phrase_nineteen_widest_" + taille + ".png", graphics));
        // Crowded past what closing the gaps gives: the wide cards show less of themselves, the
        // narrow one all of its word.
        Click(*scene->boutonEffacer);
        for (int i = 0; i < 19; ++i) {
            Append({i == 11 ? u"à" : u"i_jouer de la musique"});
        }
        Step(20);
        EXPECT_TRUE(ShootGl("phrase_nineteen_crowded_" + taille + ".png", graphics));
    }
}
