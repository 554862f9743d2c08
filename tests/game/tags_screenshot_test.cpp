// Word cards drawn for real by OpenGL in a hidden window at the start size, with the data
// folder's card picture and caption font: the groups of a long generated sentence in two rows,
// a row of bank words, the four canvas places outlined; once at rest and once with a card
// dragged. Saved as PNGs for a person to look at, and probed on the dragged card.
#include <GLFW/glfw3.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "game/slot_playfield.h"
#include "gui/shapes.h"
#include "platform/gl_graphics.h"
#include "sentence/generation.h"
#include "sentence/realisation.h"
#include "tag_fixture.h"

namespace {

class TagsScreenshotTest : public TagTest {
  protected:
    // The window stays until the process ends: terminating GLFW unloads the GL driver, whose
    // remaining memory the leak checker would then report.
    void SetUp() override {
        static GLFWwindow* window = []() -> GLFWwindow* {
            if (!glfwInit()) {
                return nullptr;
            }
            glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
            return glfwCreateWindow(1134, 680, "MirelvanQuibs", nullptr, nullptr);
        }();
        if (!window) {
            GTEST_SKIP() << "no display or no OpenGL context: screenshot not taken";
        }
        glfwMakeContextCurrent(window);
        glfwGetFramebufferSize(window, &width, &height);
        Scene(width, height);
    }

    // One frame through the OpenGL device, saved top row first; the RGBA pixels are returned.
    std::vector<std::uint8_t> Shoot(const std::string& name) {
        auto gl = platform::CreateOpenGlGraphics();
        platform::SetGraphicsDevice(gl.get());
        gl->BeginFrame(width, height);
        RenderCurrentScene();
        gl->EndFrame();
        const std::vector<std::uint8_t> bgra = gl->ReadPixels(0, 0, width, height);
        platform::SetGraphicsDevice(&graphics);
        std::vector<std::uint8_t> rgba(bgra.size());
        for (std::size_t i = 0; i < bgra.size(); i += 4) {
            const std::size_t row = i / 4 / static_cast<std::size_t>(width);
            const std::size_t to = ((static_cast<std::size_t>(height) - 1 - row) * width +
                                    i / 4 % static_cast<std::size_t>(width)) *
                                   4;
            rgba[to] = bgra[i + 2];
            rgba[to + 1] = bgra[i + 1];
            rgba[to + 2] = bgra[i];
            rgba[to + 3] = 255;
        }
        const std::string path = std::string(MQ_TEST_OUTPUT) + "/" + name;
        EXPECT_TRUE(stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4));
        return rgba;
    }

    int width = 0;
    int height = 0;
};

// The groups of the first generated sentence, under rich options, too long for one row.
std::vector<String> LongSentence() {
    expansiongn1ok = expansiongn2ok = adjectifsok = queok = 2;
    for (int seed = 1;; ++seed) {
        platform::SetSeed(seed);
        StructureAction structure;
        GenereStructureAction(structure, false, false);
        std::vector<String> pieces;
        float row = 20;
        for (String piece : platform::Split(PhraseDeStructure(false, structure, true), u"**")) {
            for (const char16_t* marker : {MarquePropositionA, MarquePropositionB,
                                           MarqueVerbeApresQue, MarqueVerbeVersLaFin}) {
                piece = platform::Replace(piece, marker, u"");
            }
            piece = platform::Trim(piece);
            if (!piece.empty() && piece != u".") {
                pieces.push_back(piece);
                row += fontoregano30->TextWidth(piece) + 24;
            }
        }
        if (row > 1300) {
            return pieces;
        }
    }
}

} // namespace

TEST_F(TagsScreenshotTest, TwoRowsOfCardsOneDraggedAndThePlacesOutlined) {
    scene->clearRed = 60;
    scene->clearGreen = 70;
    scene->clearBlue = 90;
    canvas->SetClearColor(245, 238, 220);
    scene->imageEtiquette = platform::LoadImage(u"etiquettemot.png");
    ASSERT_TRUE(scene->imageEtiquette);
    const float outline[4][3] = {{230, 90, 90}, {90, 160, 230}, {90, 190, 110}, {220, 170, 60}};
    for (int p = 0; p < 4; ++p) {
        SlotPlayfield place;
        place.Quadrant(p, 1280, 768);
        auto frame = std::make_shared<iGuiRectangle>();
        frame->New();
        frame->outlined = 3;
        frame->x = std::max(place.gauche, 0.0f) + 6;
        frame->y = std::max(place.haut, 0.0f) + 6;
        frame->width = static_cast<int>(place.droite - frame->x) - 6;
        frame->height = static_cast<int>(place.bas - frame->y) - 6;
        frame->SetColor(outline[p][0], outline[p][1], outline[p][2]);
        frame->SetPlayfield(canvas);
    }
    scene->etiquettesMots.clear();
    const int made = scene->FabriqueEtiquettes(scene->etiquettesMots, 0, LongSentence(), canvas,
                                               false, true, 20, 240, 4);
    scene->FabriqueEtiquettes(scene->etiquettes, 0,
                              {u"perso_petite fille_f", u"i_lever les bras", u"deuxmains_gateau_m",
                               u"animal_elephant_m", u"violet", u"h_wear", u"qui"},
                              canvas, true, true, 100, 560, 20);
    ASSERT_GT(scene->etiquettesMots[static_cast<std::size_t>(made) - 1]->y, 240);
    Step();
    Shoot("tags_rest.png");

    scene->derniereSaisie = iEngineEtiq::Aucune;
    scene->parTrame = [](TagScene& s) { s.DeplaceEtiquettes(s.etiquettesMots, 1); };
    const iGuiEtiquette& dragged = *scene->etiquettesMots[2];
    PointOnCanvas(dragged.x, dragged.y);
    platform::Input().Press(1);
    Step();
    PointOnCanvas(700, 440);
    Step(12);
    const std::vector<std::uint8_t> rgba = Shoot("tags_drag.png");

    // Down the middle of a card: its rim and caption are dark at full strength, pale when the
    // card is faded under the one being dragged.
    const auto darkest = [&](const iGuiEtiquette& card) {
        int found = 255;
        const int px = static_cast<int>(canvas->x + card.x * canvas->scaleX);
        for (float cy = card.y - 40; cy <= card.y + 40; cy += 1) {
            const int py = static_cast<int>(canvas->y + cy * canvas->scaleY);
            const std::size_t at = (static_cast<std::size_t>(py) * width + px) * 4;
            found = std::min({found, int{rgba[at]}, int{rgba[at + 1]}, int{rgba[at + 2]}});
        }
        return found;
    };
    EXPECT_NEAR(dragged.x, 700, 0.01);
    EXPECT_LT(darkest(dragged), 110);
    EXPECT_GT(darkest(*scene->etiquettesMots[0]), 160);
    EXPECT_LT(darkest(*scene->etiquettes[0]), 110);
}
