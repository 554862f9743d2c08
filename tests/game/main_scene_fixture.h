#pragma once
// The main game scene in a window of a chosen size, with the data folder's shared pictures,
// fonts and sounds, the start vocabulary, a home folder of its own (USERPROFILE unset, the
// profile folder inside it) and debug lines silenced. A game is opened as the set-up screens
// open it; the child's gestures go through the letterbox as injected pointer input.
#include <filesystem>
#include <functional>

#include "app/screen_handover_setup.h"
#include "framework/letterbox.h"
#include "game/animation_start.h"
#include "game/main_scene.h"
#include "game/phrase_scene.h"
#include "gui/button_variants.h"
#include "gui/gui_fixture.h"
#include "gui/message_box.h"
#include "gui/text_field.h"
#include "platform/diag.h"
#include "platform/random.h"
#include "puppets/decor_playfields.h"
#include "puppets/terrain_playfield.h"
#include "screens/screen_globals.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

class MainSceneTest : public GuiTest {
  protected:
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path() / "mq-main-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home = pattern;
        setenv("HOME", home.c_str(), 1);
        unsetenv("USERPROFILE");
        profil = std::filesystem::path(home) / "Documents" / "MirelvanQuibs" / "_defaut";
        std::filesystem::create_directories(profil);
        InitVocabulary();
        InstallScreenHandover();
        Stage(1134, 680);
        dossierprofil = platform::FromUtf8(profil.string() + "/");
        Assets();
    }
    void TearDown() override {
        scene.reset();
        ResetMainSceneGlobals();
        ResetPhraseGlobals();
        ResetScreenGlobals();
        ResetDecorGlobals();
        ResetLetterboxGlobals();
        InitVocabulary();
        dossierprofil.clear();
        platform::SetPrintSink(nullptr);
        SetSentenceDebugSink(nullptr);
        GuiTest::TearDown();
        std::filesystem::remove_all(home);
        setenv("HOME", savedHome.c_str(), 1);
    }

    // The shared assets of the data folder, loaded once per test.
    void Assets() {
        platform::SetPrintSink([](const String&) {});
        SilenceSentenceDebug();
        platform::SetDataFolder(platform::FromUtf8(MQ_TEST_DATA_DIR));
        LoadSharedAssets();
    }

    // A new game as "commencer" starts it, in a window of the given size; the next frame
    // makes it current.
    void Open(int mode, int animations, int sentences, int rounds = 2, int w = 1134, int h = 680,
              std::uint32_t seed = platform::StartSeed) {
        scene.reset();
        ResetMainSceneGlobals();
        if (platform::DeviceWidth() != w || platform::DeviceHeight() != h) {
            Resize(w, h);
        }
        modedejeu = mode;
        nombredanimations = animations;
        nombredephrases = sentences;
        nombredetours = rounds;
        platform::SetSeed(seed);
        scene = std::make_shared<iEngineSceneGlobale>();
        scene->Create();
        engine1 = scene;
        SwitchScene(scene);
        Step();
    }

    // The window takes the size; the current scene hears of it.
    void Resize(int w, int h) {
        platform::SetDeviceSize(w, h);
        platform::CheckResize();
        graphics.BeginFrame(w, h);
        ResizeCurrentScene();
    }

    // Frames until the board has come in (terrains zoomed in, cards slid in or words popped).
    void EnPlace() {
        for (int i = 0; i < 600 && !scene->tableauAnnonce; ++i) {
            Step();
        }
        ASSERT_TRUE(scene->tableauAnnonce);
    }

    // The word cards in an order whose captions, run together without spaces, spell the
    // target (by default the sentence, the first accepted order); empty when no order does.
    std::vector<iGuiEtiquette*> OrdreDesMots(String cible = {}) const {
        cible = cible.empty() ? scene->phrasesvracok[0] : cible;
        std::vector<iGuiEtiquette*> ordre;
        std::function<bool(std::size_t)> suite = [&](std::size_t depuis) {
            if (ordre.size() == scene->etiquettesMots.size()) {
                return depuis == cible.size();
            }
            for (const auto& mot : scene->etiquettesMots) {
                const String m = iEngineSceneGlobale::SansEspaces(mot->legende->GetText());
                if (std::find(ordre.begin(), ordre.end(), mot.get()) != ordre.end() ||
                    cible.compare(depuis, m.size(), m) != 0) {
                    continue;
                }
                ordre.push_back(mot.get());
                if (suite(depuis + m.size())) {
                    return true;
                }
                ordre.pop_back();
            }
            return false;
        };
        return suite(0) ? ordre : std::vector<iGuiEtiquette*>{};
    }

    iPlayFieldTerrainAction& T(int i) const {
        return *scene->terrains[static_cast<std::size_t>(i)];
    }
    iGuiEtiquette& Tag(int i) const { return *scene->etiquettes[static_cast<std::size_t>(i)]; }
    iGuiEtiquette& Word(int i) const { return *scene->etiquettesMots[static_cast<std::size_t>(i)]; }

    void PointOnCanvas(float cx, float cy) const {
        const iPlayfield& canvas = *scene->playfieldPrincipal;
        Point(canvas.x + cx * canvas.scaleX, canvas.y + cy * canvas.scaleY);
    }
    // Press and move in a few frames, still held.
    void Hold(float fromX, float fromY, float toX, float toY) {
        PointOnCanvas(fromX, fromY);
        Press();
        Step();
        PointOnCanvas((fromX + toX) / 2, (fromY + toY) / 2);
        Step();
        PointOnCanvas(toX, toY);
        Step(2);
    }
    // Press, move in a few frames, let go, and the frames after.
    void Drag(float fromX, float fromY, float toX, float toY) {
        Hold(fromX, fromY, toX, toY);
        Release();
        Step(2);
    }
    void Tap(float cx, float cy) {
        PointOnCanvas(cx, cy);
        Press();
        Step();
        Release();
        Step();
    }
    // A button pressed and its bounce waited for; buttons of a terrain through its playfield.
    void Click(const iGuiButton2& button) {
        const auto holder = button.GetPlayfield();
        const float cx = button.x + button.Width() / 2 - button.handleX * button.scaleX;
        const float cy = button.y + button.Height() / 2 - button.handleY * button.scaleY;
        Point(holder->x + cx * holder->scaleX, holder->y + cy * holder->scaleY);
        Press();
        Step();
        Release();
        Step(15);
    }

    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    std::string home;
    std::filesystem::path profil;
    std::shared_ptr<iEngineSceneGlobale> scene;
};
