// The profiles screen as the application builds it, in a temporary home, driven by pressing its
// buttons and typing through the input device; then drawn for real by OpenGL at two window
// sizes and saved as PNGs for a person to look at.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <stb/stb_image_write.h>

#include <filesystem>
#include <map>

#include "app/mon_app.h"
#include "framework/letterbox.h"
#include "framework/playfield.h"
#include "framework/scene_fixture.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/input.h"
#include "gui/message_box.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "gui/text_field.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "platform/gl_graphics.h"
#include "puppets/decor_playfields.h"
#include "screens/preferences.h"
#include "screens/profiles.h"
#include "screens/screen_globals.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

namespace {

namespace fs = std::filesystem;

class ProfilesScreenTest : public SceneTest {
  protected:
    void SetUp() override {
        std::string pattern = fs::temp_directory_path() / "mq-ecranprofils-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home = pattern;
        setenv("HOME", home.c_str(), 1);
        unsetenv("USERPROFILE");
        game = platform::ToUtf8(platform::GameFolder());
        platform::SetPrintSink([](const String&) {});
        SilenceSentenceDebug();
        InitVocabulary();
    }
    void TearDown() override {
        ResetScreenGlobals();
        ResetSharedAssets();
        ResetDecorGlobals();
        ResetLetterboxGlobals();
        InitVocabulary();
        SetSentenceDebugSink(nullptr);
        platform::SetPrintSink(nullptr);
        platform::SetDataFolder(u"");
        fs::remove_all(home);
        setenv("HOME", savedHome.c_str(), 1);
        SceneTest::TearDown();
    }

    // The game started in a window of that size with these profile folders, then the hub's
    // way into the profiles screen.
    void Start(int width, int height, std::initializer_list<std::string> folders) {
        ResetStage(width, height);
        for (const std::string& folder : folders) {
            fs::create_directories(game + folder);
        }
        platform::SetDataFolder(platform::FromUtf8(MQ_TEST_DATA_DIR));
        LoadSharedAssets();
        app.OnCreate();
        screen = ecranprofils.get();
        Enter();
    }
    void Enter() {
        NouvelEcran = true;
        SwitchScene(ecranprofils);
        Step();
    }

    // The pointer over the middle of a widget of the panel, or of a message box.
    void Over(const iGuiObject& widget) const {
        const auto& list = *screen->listPlayfield;
        const bool inPanel = widget.GetParent() != nullptr;
        const float left = widget.Left() + (inPanel ? screen->scrollBox->x : 0);
        const float top =
            widget.Top() + (inPanel ? screen->scrollBox->y - screen->scrollBox->cameraY : 0);
        platform::Input().MoveMouse(list.x + list.scaleX * (left + widget.Width() / 2),
                                    list.y + list.scaleY * (top + widget.Height() / 2));
    }
    // Press and release, then the frames the press bounce takes.
    void Click(const iGuiObject& widget) {
        Over(widget);
        platform::Input().Press(1);
        Step();
        platform::Input().Release(1);
        Step(12);
    }
    void Type(const std::u16string& text) {
        for (int i = 0; i < 20; ++i) {
            platform::Input().KeyPress(8);
            Step();
        }
        for (char16_t c : text) {
            platform::Input().Type(c);
            Step();
        }
    }
    std::vector<String> Rows() const {
        std::vector<String> rows;
        for (int i = 0; i < screen->rowCount; ++i) {
            rows.push_back(screen->nameFields[static_cast<std::size_t>(i)]->GetText());
        }
        return rows;
    }
    int RowOf(const String& text) const {
        const auto rows = Rows();
        return static_cast<int>(std::find(rows.begin(), rows.end(), text) - rows.begin());
    }
    bool Shown(const MessageBox& box) const { return box.status == 1 && box.bouton1->status == 1; }

    // Every row in use in its place under the one above it, the four widgets on one line, the
    // free slots hidden, "retour" below the last row.
    void ExpectAligned() const {
        const auto& s = *screen;
        float y = s.addButton->y + s.nameInput->Height() + 24;
        float last = y;
        for (std::size_t i = 0; i < s.nameFields.size(); ++i) {
            const auto& name = *s.nameFields[i];
            const auto& use = *s.useButtons[i];
            const bool used = static_cast<int>(i) < s.rowCount;
            ASSERT_EQ(name.status == 1 && s.deleteButtons[i]->status == 1 && use.status == 1 &&
                          s.galleryButtons[i]->status == 1,
                      used)
                << i;
            if (!used) {
                continue;
            }
            ASSERT_TRUE(s.deleteButtons[i]->y == y && use.y == y && s.galleryButtons[i]->y == y)
                << i;
            // A short name reads on the line of the captions.
            ASSERT_NEAR(name.y + name.Height() * name.scaleY / 2, y + use.Height() / 2, 0.5f);
            ASSERT_EQ(name.x, s.nameInput->x);
            ASSERT_EQ(s.deleteButtons[i]->x, s.addButton->x);
            ASSERT_EQ(use.x, s.useNewButton->x);
            ASSERT_EQ(s.galleryButtons[i]->x, use.x + use.Width() + 8);
            last = y;
            y += name.Height() * name.scaleY + 24;
        }
        EXPECT_GE(s.backButton->y, last + 72);
    }

    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    std::string home, game;
    MonApp app;
    iEngineProfils* screen = nullptr;
};

TEST_F(ProfilesScreenTest, AddUseAndDeleteTheCurrentProfile) {
    Start(1134, 680, {"Zoé", "Léo", "Ada", "Bob"});
    EXPECT_EQ(Rows(), (std::vector<String>{u"_par défaut_", u"Ada", u"Bob", u"Léo", u"Zoé"}));

    // "ajouter": the new profile heads the list, the field is ready for the next one.
    Type(u"Max");
    EXPECT_EQ(screen->nameInput->GetText(), u"Max");
    Click(*screen->addButton);
    EXPECT_TRUE(fs::is_directory(game + "Max"));
    EXPECT_EQ(Rows(),
              (std::vector<String>{u"Max", u"_par défaut_", u"Ada", u"Bob", u"Léo", u"Zoé"}));
    EXPECT_EQ(screen->nameInput->GetText(), u"nouveau profil");
    EXPECT_EQ(screen->useButtons.back()->text, u"charger");
    ExpectAligned();

    // "utiliser" beside the field: a taken name gets a free form, which becomes current.
    Type(u"Zoé");
    Click(*screen->useNewButton);
    const String made = Rows()[0];
    EXPECT_NE(made, u"Zoé");
    EXPECT_NE(made.find(u"Zoé"), String::npos);
    EXPECT_EQ(dossierprofil, CheminProfil(made));
    EXPECT_EQ(CurrentScene, ecranintro);

    // "effacer" held until the question shows, with "OK" right under the pointer then,
    // answers nothing; "Annuler" keeps the profile.
    Enter();
    auto& box = *screen->confirmBox;
    const auto& held = *screen->deleteButtons[static_cast<std::size_t>(RowOf(u"Zoé"))];
    const auto& ok = *box.bouton1;
    const float heldX = screen->scrollBox->x + held.x + held.Width() / 2;
    const float heldY = screen->scrollBox->y + held.y + held.Height() / 2;
    ASSERT_TRUE(heldX > ok.Left() && heldX < ok.Left() + ok.Width() && heldY > ok.Top() &&
                heldY < ok.Top() + ok.Height());
    Over(held);
    platform::Input().Press(1);
    Step(14);
    ASSERT_TRUE(Shown(box));
    platform::Input().Release(1);
    Step(14);
    EXPECT_TRUE(Shown(box));
    Click(*box.bouton2);
    EXPECT_FALSE(Shown(box));
    EXPECT_TRUE(fs::is_directory(game + "Zoé"));

    // "OK": the current profile goes, and the default one takes its place.
    Click(*screen->deleteButtons[static_cast<std::size_t>(RowOf(made))]);
    Click(*box.bouton1);
    EXPECT_FALSE(Shown(box));
    EXPECT_FALSE(fs::exists(game + platform::ToUtf8(made)));
    EXPECT_EQ(Rows(),
              (std::vector<String>{u"Max", u"_par défaut_", u"Ada", u"Bob", u"Léo", u"Zoé"}));
    EXPECT_EQ(dossierprofil, CheminProfil(DossierDefaut));
    ExpectAligned();

    // The default profile is never offered for deletion.
    Click(*screen->deleteButtons[static_cast<std::size_t>(RowOf(u"_par défaut_"))]);
    EXPECT_FALSE(Shown(box));
    EXPECT_EQ(screen->rowCount, 6);
}

TEST_F(ProfilesScreenTest, TheGalleryOpensOnTheRowsProfile) {
    Start(1134, 680, {"Zoé"});
    passiveok = 0;
    dossierprofil = CheminProfil(u"Zoé");
    passiveok = 2;
    ASSERT_TRUE(EcritPreferences());
    dossierprofil = CheminProfil(DossierDefaut);
    passiveok = 0;

    Click(*screen->galleryButtons[static_cast<std::size_t>(RowOf(u"Zoé"))]);
    EXPECT_EQ(dossierprofil, CheminProfil(u"Zoé"));
    EXPECT_EQ(passiveok, 2);
    EXPECT_EQ(modedejeu, 4);
    ASSERT_NE(CurrentScene, ecranprofils);
    EXPECT_NE(CurrentScene, ecranintro);
    platform::Input().KeyPress(27);
    Step(2);
    EXPECT_EQ(CurrentScene, ecranprofils);
}

TEST_F(ProfilesScreenTest, SixHundredProfilesScrollAndStayAlignedAfterDeletesInTheMiddle) {
    ResetStage(1134, 680);
    for (int i = 0; i < 600; ++i) {
        fs::create_directories(game + "p" + std::to_string(1000 + i));
    }
    Start(1134, 680, {});
    ASSERT_EQ(screen->rowCount, 601);
    auto& slider = *screen->scrollBox->sliderV;
    EXPECT_GT(slider.maximum, 600 * 44);

    // The wheel and the slider move the list; leaving with Escape brings it back to the top.
    platform::Input().Wheel(-1);
    Step();
    EXPECT_EQ(slider.value, 6);
    platform::Input().Wheel(1);
    Step();
    EXPECT_EQ(slider.value, 0);

    // The last one was already removed outside the game: its row goes all the same.
    fs::remove(game + "p1150");
    for (const char16_t* gone : {u"p1300", u"p1301", u"p1150"}) {
        const auto row = static_cast<std::size_t>(RowOf(gone));
        slider.value = screen->nameFields[row]->y - 300;
        Step();
        // Only the rows inside the panel are drawn.
        EXPECT_TRUE(screen->galleryButtons[row]->visible);
        EXPECT_FALSE(screen->nameFields[row - 20]->visible ||
                     screen->useButtons[row + 20]->visible);
        Click(*screen->deleteButtons[row]);
        Click(*screen->confirmBox->bouton1);
        EXPECT_EQ(RowOf(gone), screen->rowCount);
    }
    EXPECT_FALSE(Shown(*screen->failureBox));
    EXPECT_EQ(screen->rowCount, 598);
    ExpectAligned();

    // A new profile takes a freed slot.
    slider.value = 0;
    Step();
    Click(*screen->addButton);
    EXPECT_EQ(screen->rowCount, 599);
    EXPECT_EQ(screen->nameFields.size(), 601u);
    EXPECT_EQ(ListeProfils().size(), 599u);
    ExpectAligned();

    platform::Input().KeyPress(27);
    Step(2);
    EXPECT_EQ(CurrentScene, ecranintro);
    slider.value = 500;
    Enter();
    EXPECT_EQ(slider.value, 0);
}

// ---- drawn for real ----

class ProfilesScreenshotTest : public ProfilesScreenTest {
  protected:
    // One hidden window per size, living as long as the process: terminating GLFW would unload
    // the GL driver, whose remaining memory the leak checker would then report.
    static GLFWwindow* Window(int width, int height) {
        static const bool ready = [] {
            glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
            return glfwInit() == GLFW_TRUE;
        }();
        static std::map<std::pair<int, int>, GLFWwindow*> windows;
        GLFWwindow*& window = windows[{width, height}];
        if (ready && !window) {
            window = glfwCreateWindow(width, height, "MirelvanQuibs", nullptr, nullptr);
        }
        if (window) {
            glfwMakeContextCurrent(window);
        }
        return window;
    }

    void Shoot(const std::string& name) {
        const int width = platform::DeviceWidth();
        const int height = platform::DeviceHeight();
        auto gl = platform::CreateOpenGlGraphics();
        platform::SetGraphicsDevice(gl.get());
        gl->BeginFrame(width, height);
        RenderCurrentScene();
        gl->EndFrame();
        std::vector<std::uint8_t> rgba = gl->ReadPixels(0, 0, width, height);
        platform::SetGraphicsDevice(&graphics);
        for (std::size_t i = 0; i < rgba.size(); i += 4) {
            std::swap(rgba[i], rgba[i + 2]);
            rgba[i + 3] = 255;
        }
        const std::string path = std::string(MQ_TEST_OUTPUT) + "/" + name;
        stbi_flip_vertically_on_write(1);
        EXPECT_TRUE(stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4));
    }
};

TEST_F(ProfilesScreenshotTest, AFewProfilesAndTheQuestionAtTwoSizes) {
    for (const auto& [width, height] : {std::pair{1134, 680}, std::pair{1920, 1080}}) {
        if (!Window(width, height)) {
            GTEST_SKIP() << "no display or no OpenGL context: screenshot not taken";
        }
        fs::remove_all(home + "/Documents");
        ResetScreenGlobals();
        ResetSharedAssets();
        Start(width, height,
              {"Zoé", "Léo", "L'invraisemblable Jean-Baptiste", "Inès",
               "Marie-Lou d'amour de la classe de Madame Dupont-Aignan",
               "Anticonstitutionnellementetcaetera"});
        const std::string size = std::to_string(width) + "x" + std::to_string(height);
        Shoot("profiles_" + size + ".png");
        Click(*screen->deleteButtons[static_cast<std::size_t>(RowOf(u"Zoé"))]);
        Shoot("profiles_question_" + size + ".png");
    }
}

} // namespace
