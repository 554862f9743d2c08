// A screen of widgets drawn for real by OpenGL in a hidden window with the data folder's
// pictures and fonts (plain stand-ins where they are missing), saved as a PNG for a person to
// look at, and probed inside the button.
#include <GLFW/glfw3.h>

#include "fixture_png.h"
#include "framework/content_manager.h"
#include "gui/check_box.h"
#include "gui/label.h"
#include "gui/message_box.h"
#include "gui_fixture.h"
#include "platform/gl_graphics.h"

namespace {

class ScreenshotTest : public GuiTest {
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
        Stage(width, height);
        platform::SetDataFolder(platform::FromUtf8(MQ_TEST_DATA_DIR));
        LoadSharedAssets();
    }
    int width = 0;
    int height = 0;
};

platform::ImagePtr Picture(const platform::ImagePtr& image, int w, int h) {
    return image ? image : platform::CreateImage(w, h, std::vector<std::uint8_t>(w * h * 4, 255));
}

} // namespace

TEST_F(ScreenshotTest, ButtonCheckBoxLabelAndMessageBoxOnScreen) {
    playfield->SetClearColor(120, 170, 210);
    auto picture = Picture(TheContentManager->GetImage(u"petitbouton1a.png"), 220, 44);
    auto button = Add<iGuiButton2>(60, 60);
    button->SetImage(picture);
    button->SetFont(fontoregano30);
    button->SetText(u"OK");
    button->SetTextRed(38);
    button->SetTextGreen(55);
    button->SetTextBlue(38);
    button->CenterText(0, 0);
    auto box = Add<iGuiCheckBox2>(60, 140);
    box->SetImage(0, Picture(imgcheckbox1, 34, 34));
    box->SetImage(1, Picture(imgcheckbox2, 34, 34));
    box->SetChecked(1);
    auto label = Add<iGuiLabel>(60, 600);
    label->SetFont(fontoregano30);
    label->SetText(u"Une étiquette à côté de la boîte");
    auto message = std::make_shared<MessageBox>();
    message->New();
    message->Create(static_cast<float>(width), static_cast<float>(height), true, playfield,
                    u"message.png", fontoregano48, u"Un message de MirelvanQuibs", u"OK",
                    u"Annuler");
    message->message->SetText(u"Souhaitez-vous vraiment effacer ce profil?");
    message->FitToText();
    for (iGuiObject* part :
         {static_cast<iGuiObject*>(message.get()), static_cast<iGuiObject*>(message->bouton1.get()),
          static_cast<iGuiObject*>(message->bouton2.get()),
          static_cast<iGuiObject*>(message->titre.get()),
          static_cast<iGuiObject*>(message->message.get())}) {
        part->SetStatus(1);
    }
    Step();

    auto gl = platform::CreateOpenGlGraphics();
    platform::SetGraphicsDevice(gl.get());
    gl->BeginFrame(width, height);
    RenderCurrentScene();
    gl->EndFrame();
    const std::vector<std::uint8_t> bgra = gl->ReadPixels(0, 0, width, height);
    platform::SetGraphicsDevice(&graphics);
    // Top row first, RGBA.
    std::vector<std::uint8_t> rgba(bgra.size());
    for (std::size_t i = 0; i < bgra.size(); i += 4) {
        const std::size_t row = i / 4 / width;
        const std::size_t to = ((height - 1 - row) * width + i / 4 % width) * 4;
        rgba[to] = bgra[i + 2];
        rgba[to + 1] = bgra[i + 1];
        rgba[to + 2] = bgra[i];
        rgba[to + 3] = 255;
    }
    EXPECT_TRUE(WritePng(std::string(MQ_TEST_OUTPUT) + "/gui_widgets.png", width, height, rgba));

    // Probes inside the button, clear of its caption and its rounded ends: where the picture is
    // opaque, the screen shows the picture's own colour.
    // The device let the picture's pixels go once it had them; the file gives them again.
    auto& surface = *picture->GetSurface();
    ASSERT_TRUE(platform::EnsurePixels(surface));
    int probed = 0;
    for (const auto& [px, py] : {std::pair{50, 12}, std::pair{60, 30}, std::pair{170, 14}}) {
        const std::size_t source = (static_cast<std::size_t>(py) * surface.width + px) * 4;
        const std::size_t shown = (static_cast<std::size_t>(60 + py) * width + 60 + px) * 4;
        if (surface.rgba[source + 3] == 255) {
            for (int c = 0; c < 3; ++c) {
                EXPECT_NEAR(rgba[shown + c], surface.rgba[source + c], 3) << px << "," << py;
            }
            ++probed;
        }
    }
    EXPECT_GT(probed, 0);
}
