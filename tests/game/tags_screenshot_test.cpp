// Word cards drawn for real by OpenGL in a hidden window of the start size, with the data
// folder's card picture and font: the groups of a long sentence of the game in two rows, a row of
// bank words and the four canvas places outlined, at rest and with a card dragged. Saved as
// PNGs for a person to look at.
#include "game/slot_playfield.h"
#include "gl_shot.h"
#include "gui/shapes.h"
#include "tag_fixture.h"

namespace {

class TagsScreenshotTest : public TagTest {
  protected:
    void SetUp() override {
        if (!HiddenGlWindow()) {
            GTEST_SKIP() << "no display or no OpenGL context: screenshot not taken";
        }
        int width = 0;
        int height = 0;
        GlWindowSize(width, height);
        Scene(width, height);
    }
    void Shoot(const std::string& name) { EXPECT_TRUE(ShootGl(name, graphics)); }
};

} // namespace

TEST_F(TagsScreenshotTest, TwoRowsOfCardsOneDraggedAndThePlacesOutlined) {
    scene->clearRed = 60;
    playfield->SetClearColor(245, 238, 220);
    scene->imageEtiquette = platform::LoadImage(u"etiquettemot.png");
    for (int p = 0; p < 4; ++p) {
        SlotPlayfield place;
        place.Quadrant(p, 1280, 768);
        auto frame =
            Add<iGuiRectangle>(std::max(place.gauche, 0.0f) + 6, std::max(place.haut, 0.0f) + 6);
        frame->outlined = 3;
        frame->SetWidth(place.droite - frame->x - 6);
        frame->SetHeight(place.bas - frame->y - 6);
        frame->SetColor(60.0f * p, 120, 200);
    }
    // A sentence of the matching game, in its word groups: two rows.
    ListeEtiquettes& groups = scene->etiquettesMots;
    groups.clear();
    scene->FabriqueEtiquettes(groups, 0,
                              platform::Split(u"C'est|le monsieur|qui|porte|un chapeau blanc|qui|"
                                              u"est regardé|par|la dame|qui|lance|un marteau|"
                                              u"au petit garçon",
                                              u"|"),
                              playfield, false, true, 20, 240, 4);
    ASSERT_GT(groups.back()->y, 240);
    scene->FabriqueEtiquettes(scene->etiquettes, 0,
                              {u"perso_petite fille_f", u"i_lever les bras", u"deuxmains_gateau_m",
                               u"animal_elephant_m", u"violet", u"h_wear", u"qui"},
                              playfield, true, true, 100, 560, 20);
    Step();
    Shoot("tags_rest.png");

    scene->derniereSaisie = iEngineEtiq::Aucune;
    scene->parTrame = [](TagScene& s) { s.DeplaceEtiquettes(s.etiquettesMots, 1); };
    const iGuiEtiquette& dragged = *groups[2];
    PointOnCanvas(dragged.x, dragged.y);
    Press();
    Step();
    PointOnCanvas(700, 440);
    Step(12);
    Shoot("tags_drag.png");
    EXPECT_NEAR(dragged.x, 700, 0.01);
}
