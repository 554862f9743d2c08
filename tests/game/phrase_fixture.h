#pragma once
// The build-a-sentence game opened from the game-mode screen, in a window of the start size,
// with the data folder's shared pictures, fonts and sounds, the start vocabulary and seed, a home
// folder of its own (USERPROFILE unset) and debug lines silenced. The child's gestures go through
// the letterbox as injected pointer input.
#include <filesystem>

#include "app/screen_handover_setup.h"
#include "framework/letterbox.h"
#include "game/animation_start.h"
#include "game/game_start.h"
#include "game/main_scene_globals.h"
#include "game/phrase_scene.h"
#include "gui/button_variants.h"
#include "gui/gui_fixture.h"
#include "gui/message_box.h"
#include "gui/text_field.h"
#include "platform/diag.h"
#include "platform/random.h"
#include "puppets/decor_playfields.h"
#include "screens/mode_screen.h"
#include "screens/screen_globals.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

class PhraseTest : public GuiTest {
  protected:
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path() / "mq-phrase-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home = pattern;
        setenv("HOME", home.c_str(), 1);
        unsetenv("USERPROFILE");
        InitVocabulary();
        Open(1134, 680);
    }
    void TearDown() override {
        scene.reset();
        ResetScreenGlobals();
        ResetPhraseGlobals();
        ResetMainSceneGlobals();
        ResetDecorGlobals();
        ResetLetterboxGlobals();
        InitVocabulary();
        platform::SetPrintSink(nullptr);
        SetSentenceDebugSink(nullptr);
        GuiTest::TearDown();
        std::filesystem::remove_all(home);
        setenv("HOME", savedHome.c_str(), 1);
    }

    // A fresh game under the current options.
    void Open(int w, int h) {
        scene.reset();
        ResetScreenGlobals();
        ResetPhraseGlobals();
        ResetMainSceneGlobals();
        InstallScreenHandover();
        Stage(w, h);
        platform::SetPrintSink([](const String&) {});
        SilenceSentenceDebug();
        platform::SetDataFolder(platform::FromUtf8(MQ_TEST_DATA_DIR));
        LoadSharedAssets();
        ecranchoixdujeu = std::make_shared<iEngineChoixDuMode>();
        ecranchoixdujeu->Create();
        platform::SetSeed(platform::StartSeed);
        LancePhraseAuChoix();
        scene = ecranchoixdephrase;
        Step();
    }

    iGuiEtiquette& Bank(const String& code) {
        for (auto& card : scene->etiquettes) {
            if (card->texte == code) {
                return *card;
            }
        }
        ADD_FAILURE() << "no card " << platform::ToUtf8(code);
        return *scene->etiquettes.front();
    }
    iGuiEtiquette& Slot(int i) { return *scene->etiquettesMots[static_cast<std::size_t>(i)]; }

    void PointOnCanvas(float cx, float cy) const {
        const iPlayfield& canvas = *scene->decor;
        Point(canvas.x + cx * canvas.scaleX, canvas.y + cy * canvas.scaleY);
    }
    void Drag(float fromX, float fromY, float toX, float toY) {
        PointOnCanvas(fromX, fromY);
        Press();
        Step();
        PointOnCanvas(toX, toY);
        Step(3);
        Release();
        Step(2);
    }
    // Dropped right of everything in the frame, low enough to be after a second row too: the
    // word comes last.
    void Append(std::initializer_list<const char16_t*> codes) {
        for (const char16_t* code : codes) {
            Drag(Bank(code).x, Bank(code).y, 1270, 140);
        }
    }
    void DragSlot(int i, float toX, float toY = 75) { Drag(Slot(i).x, Slot(i).y, toX, toY); }
    void Click(const iGuiButton2& button) {
        PointOnCanvas(button.x + button.Width() / 2, button.y + button.Height() / 2);
        Press();
        Step();
        Release();
        Step(15);
    }

    // What the child reads in the frame, or the codes behind it.
    String Reads(bool codes = false) {
        String text;
        for (int i = 0; i < scene->nombrePlacees; ++i) {
            text += (i ? (codes ? u"|" : u" ") : u"") +
                    (codes ? Slot(i).texte : Slot(i).legende->GetText());
        }
        return text;
    }
    // The bank cards shown in their own colour.
    String Lit() {
        String lit;
        for (auto& card : scene->etiquettes) {
            if (card->red == static_cast<float>(card->couleurRouge) &&
                card->green == static_cast<float>(card->couleurVert) &&
                card->blue == static_cast<float>(card->couleurBleu)) {
                lit += (lit.empty() ? u"" : u"|") + card->texte;
            }
        }
        return lit;
    }

    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    std::string home;
    std::shared_ptr<iEnginePhraseAuChoix> scene;
};
