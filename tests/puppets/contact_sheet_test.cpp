// The nine body types in both facings, dressed, with hats and props, and the four animals,
// built by the game's code and drawn by OpenGL in a hidden window, pasted tile by tile into one
// PNG for a person to look at beside the picture generator's own preview.
#include <GLFW/glfw3.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gl_graphics.h"
#include "puppet_fixture.h"

namespace {

constexpr int TileW = 260;
constexpr int TileH = 600;

class ContactSheetTest : public PuppetTest {
  protected:
    void SetUp() override {
        // The window stays until the process ends (see the widget screenshots).
        static GLFWwindow* window = []() -> GLFWwindow* {
            if (!glfwInit()) {
                return nullptr;
            }
            glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
            return glfwCreateWindow(1134, 680, "MirelvanQuibs", nullptr, nullptr);
        }();
        if (!window) {
            GTEST_SKIP() << "no display or no OpenGL context: contact sheet not drawn";
        }
        glfwMakeContextCurrent(window);
        glfwGetFramebufferSize(window, &width, &height);
        PuppetTest::SetUp();
    }

    // Draws into the window's bottom-left w by h corner and pastes it at (x, y) of the sheet.
    void Tile(int x, int y, int w, int h, const std::function<void()>& draw) {
        platform::SetGraphicsDevice(gl.get());
        gl->BeginFrame(width, height);
        platform::Cls(0.96f, 0.93f, 0.86f);
        platform::SetColor(217, 199, 168);
        platform::DrawRect(0, static_cast<float>(height - 40), static_cast<float>(w), 40);
        // The tile's floor line is the window's bottom edge, 40 units below the terrain's.
        platform::Translate(0, static_cast<float>(height - h));
        draw();
        gl->EndFrame();
        const auto bgra = gl->ReadPixels(0, 0, w, h);
        platform::SetGraphicsDevice(&graphics);
        for (int row = 0; row < h; ++row) {
            for (int col = 0; col < w; ++col) {
                const std::size_t from = (static_cast<std::size_t>(h - 1 - row) * w + col) * 4;
                const std::size_t to = (static_cast<std::size_t>(y + row) * sheetW + x + col) * 3;
                sheet[to] = bgra[from + 2];
                sheet[to + 1] = bgra[from + 1];
                sheet[to + 2] = bgra[from];
            }
        }
    }

    int width = 0;
    int height = 0;
    std::unique_ptr<platform::GraphicsDevice> gl;
    int sheetW = 0;
    std::vector<std::uint8_t> sheet;
};

} // namespace

TEST_F(ContactSheetTest, BodyTypesBothFacingsWithPropsAndHatsAndTheAnimals) {
    gl = platform::CreateOpenGlGraphics();
    sheetW = 9 * TileW;
    const int animalsH = 520;
    const int sheetH = 2 * TileH + animalsH;
    sheet.assign(static_cast<std::size_t>(sheetW) * sheetH * 3, 255);

    // One prop of each kind across the row; hats go round the four and none.
    const String uneMain[9] = {u"unemain_pomme_f", u"", u"unemain_marteau_m", u"", u"poele", u"",
                               u"unemain_rose_f",  u"", u"unemain_balle_f"};
    const String deuxMains[9] = {u"", u"deuxmains_caisse_f", u"", u"pancarte",
                                 u"", u"deuxmains_gateau_m", u"", u"deuxmains_paquet-cadeau_m",
                                 u""};
    for (int row = 0; row < 2; ++row) {
        for (int type = 0; type < 9; ++type) {
            Commande c;
            c.type = type;
            c.sens = row == 0 ? 1.0f : -1.0f;
            c.habit = (type + row) % 4;
            c.manches = c.habit == 3 ? 1 : 0;
            c.coiffure = type % 3;
            c.chapeau = (type + row) % 5 == 4 ? AucunChoix : (type + row) % 5;
            c.uneMain = uneMain[type];
            c.deuxMains = deuxMains[type];
            c.pancarte = u"a";
            if (type == 5 && row == 1) {
                c.verbe1 = u"i_jouer de la musique";
                c.deuxMains.clear();
            }
            const auto perso = Construit(c, TileW / 2.0f);
            // Where the music step holds the guitar.
            if (perso->guitare) {
                perso->guitare->x = perso->jambe1->decalageX * perso->sens + perso->buste->x;
                perso->guitare->y = perso->yBuste;
            }
            Tile(type * TileW, row * TileH, TileW, TileH, [&] {
                platform::Translate(0, TileH - 768.0f);
                perso->Dessine();
                perso->DessineBrasAvant();
            });
        }
    }

    // The animals, and a table with its object, on a floor at the tile's bottom.
    const String especes[4] = {u"animal_chien_m", u"animal_crocodile_m", u"animal_elephant_m",
                               u"animal_poisson_m"};
    const int largeurs[4] = {300, 480, 900, 300};
    int x = 0;
    for (int k = 0; k < 4; ++k) {
        Animal animal;
        animal.Fabrique(largeurs[k] + 400, animalsH, especes[k], k == 0 ? u"marron" : u"");
        // Centred in its tile.
        const float dx = largeurs[k] / 2.0f - animal.ventre->x;
        Tile(x, 2 * TileH, largeurs[k], animalsH, [&] {
            platform::Translate(dx, 0);
            animal.DessineCorps();
            animal.DessineTete();
        });
        x += largeurs[k];
    }
    Commande c;
    c.type = 8;
    c.surTable = u"deuxmains_gateau_m";
    const auto perso = Construit(c, 1280 - 80);
    Tile(x, 2 * TileH, sheetW - x, animalsH, [&] {
        platform::Translate(-(perso->table->x - 40), animalsH - 768.0f);
        perso->table->Draw();
        perso->objetSurTable->Draw();
        perso->Dessine();
        perso->DessineBrasAvant();
    });

    const std::string path = std::string(MQ_TEST_OUTPUT) + "/puppets_contact_sheet.png";
    ASSERT_TRUE(stbi_write_png(path.c_str(), sheetW, sheetH, 3, sheet.data(), sheetW * 3));
}
