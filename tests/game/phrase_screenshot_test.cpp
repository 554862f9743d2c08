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
