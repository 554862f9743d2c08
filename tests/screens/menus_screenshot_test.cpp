// The game-mode, set-up, second options and profiles screens drawn for real by OpenGL in a hidden
// window, at the window's start size and at full HD, saved as PNG files for a person to look at.
#include <GLFW/glfw3.h>
#include <stb/stb_image_write.h>

#include "gui/check_box.h"
#include "gui/message_box.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "menu_fixture.h"
#include "platform/gl_graphics.h"
#include "screens/mode_screen.h"
#include "screens/options2_screen.h"
#include "screens/profiles_screen.h"
#include "screens/setup_screens.h"

namespace {

// One hidden window per size, kept until the process ends: terminating GLFW unloads the GL
// driver, whose remaining memory the leak checker would then report.
GLFWwindow* Fenetre(int w, int h) {
    static const bool ready = glfwInit();
    if (!ready) {
        return nullptr;
    }
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    return glfwCreateWindow(w, h, "MirelvanQuibs", nullptr, nullptr);
}

class MenusScreenshotTest : public MenuTest,
                            public ::testing::WithParamInterface<std::pair<int, int>> {
  protected:
    // A few frames, so that the bounces and the entry are over, then the current screen drawn.
    void Shoot(const std::string& name) {
        Step(3);
        auto gl = platform::CreateOpenGlGraphics();
        platform::SetGraphicsDevice(gl.get());
        gl->BeginFrame(width, height);
        RenderCurrentScene();
        gl->EndFrame();
        std::vector<std::uint8_t> pixels = gl->ReadPixels(0, 0, width, height);
        platform::SetGraphicsDevice(&graphics);
        for (std::size_t i = 0; i < pixels.size(); i += 4) {
            std::swap(pixels[i], pixels[i + 2]);
            pixels[i + 3] = 255;
        }
        const std::string path = std::string(MQ_TEST_OUTPUT) + "/menus/" + name + "_" +
                                 std::to_string(width) + "x" + std::to_string(height) + ".png";
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        // The rows come bottom first. Light and quick compression: these
        // files are only looked at.
        stbi_write_png_compression_level = 1;
        stbi_write_force_png_filter = 0;
        stbi_flip_vertically_on_write(1);
        EXPECT_TRUE(stbi_write_png(path.c_str(), width, height, 4, pixels.data(), width * 4));
        stbi_flip_vertically_on_write(0);
        stbi_write_png_compression_level = 8;
        stbi_write_force_png_filter = -1;
    }
    int width = 0;
    int height = 0;
};

} // namespace

TEST_P(MenusScreenshotTest, EveryScreen) {
    const auto [w, h] = GetParam();
    GLFWwindow* window = Fenetre(w, h);
    if (!window) {
        GTEST_SKIP() << "no display or no OpenGL context: screenshots not taken";
    }
    glfwMakeContextCurrent(window);
    glfwGetFramebufferSize(window, &width, &height);
    if (width != w || height != h) {
        GTEST_SKIP() << "the window is " << width << "x" << height;
    }
    Stage(width, height);
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
