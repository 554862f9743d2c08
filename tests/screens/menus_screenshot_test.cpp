// The game-mode, set-up, second options and profiles screens drawn for real by OpenGL in a hidden
// window, at the window's start size and at full HD, saved as PNG files for a person to look at.
#include "gui/check_box.h"
#include "gui/message_box.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "screens/mode_screen.h"
#include "screens/options2_screen.h"
#include "screens/profiles_screen.h"
#include "screens/setup_screens.h"
#include "screenshot_fixture.h"

namespace {

class MenusScreenshotTest : public ScreenshotTest {
  protected:
    // A few frames, so that the bounces and the entry are over, then the current screen drawn.
    void Shoot(const std::string& name) {
        Step(3);
        ScreenshotTest::Shoot("menus", name);
    }
};

} // namespace

TEST_P(MenusScreenshotTest, EveryScreen) {
    if (!OuvreFenetre()) {
        GTEST_SKIP() << "no display, no OpenGL context or not that window size";
    }
    // The decor as the hub would leave it: a chest of drawers and a lamp drifting right.
    DecorDisposition = 3;
    DecorMeuble2 = 5;
    DecorPoigneeY1 = 249;
    DecorPoigneeY2 = 490;
    DecorX = 40;
    DecorY = 740;

    auto options = Open<iEngineOptions2>();
    ecranoptions2 = options;
    Shoot("options2_haut");
    // Persons switched off, scrolled to the end, "retour" refused.
    const auto clicInListe = [&](const iGuiObject& widget, int after = 0) {
        options->scrollBox->sliderV->value = widget.y - 300;
        Step(2);
        Click(widget, after);
    };
    clicInListe(*options->persosGroupBox);
    clicInListe(*options->animauxGroupBox);
    clicInListe(*options->backButton, 12);
    Shoot("options2_bas_message");
    // A boy who can only sleep: sentences, but no variations of them.
    Click(*options->messageBox->bouton1, 12);
    clicInListe(*options->actionsGroupBox);
    clicInListe(*options->persosBoxes[2]);
    clicInListe(*options->intransitifsBoxes[6]);
    clicInListe(*options->backButton, 12);
    Shoot("options2_sans_variation");

    // A few profiles, one with a long qualified name and one with a name on two lines, then the
    // question before one is deleted.
    for (const char* nom : {"Zoé", "Léo", "L'invraisemblable Jean-Baptiste", "Inès",
                            "Marie-Lou et Anne-Sophie de la classe de Madame Dupont"}) {
        std::filesystem::create_directories(platform::ToUtf8(platform::GameFolder()) + nom);
    }
    auto profils = Open<iEngineProfils>();
    Shoot("profils");
    Click(*profils->deleteButtons[2], 12);
    Shoot("profils_question");

    auto mode = Open<iEngineChoixDuMode>();
    Shoot("choix_du_mode");
    Click(*mode->associerButton, 12);
    Shoot("choix_du_mode_message");
    InitVocabulary();
    Open<iEngineNombreItems1>();
    Shoot("nombre_items_1");
    Open<iEngineNombreItems2>();
    Shoot("nombre_items_2");
}

INSTANTIATE_TEST_SUITE_P(StartAndFullHd, MenusScreenshotTest,
                         ::testing::Values(std::pair{1134, 680}, std::pair{1920, 1080}));
