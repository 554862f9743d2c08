#pragma once
// A tag scene whose canvas is letterboxed into a window of the chosen size, with the data
// folder's caption font, a plain card picture of the catalogue's size, the start vocabulary and
// seed, debug lines silenced.
#include <functional>

#include "framework/letterbox.h"
#include "game/tag_scene.h"
#include "gui/gui_fixture.h"
#include "gui/text_field.h"
#include "platform/diag.h"
#include "platform/random.h"
#include "sentence/realisation.h"
#include "sentence/vocabulary.h"

class TagScene : public iEngineEtiq {
  public:
    std::function<void(TagScene&)> parTrame = [](TagScene&) {};
    int OnUpdate() override { return parTrame(*this), 0; }
};

class TagTest : public GuiTest {
  protected:
    void SetUp() override { Scene(1280, 768); }
    void TearDown() override {
        platform::SetPrintSink(nullptr);
        InitVocabulary();
        GuiTest::TearDown();
    }

    void Scene(int w, int h) {
        Stage(w, h);
        audio.events.clear();
        InitVocabulary();
        platform::SetSeed(platform::StartSeed);
        platform::SetPrintSink([](const String&) {});
        platform::SetDataFolder(platform::FromUtf8(MQ_TEST_DATA_DIR));
        fontoregano30 = iBitmapFont::New(u"fonts_oregano_30.txt");
        sonpop1 = TestSound(u"pop");
        scene = std::make_shared<TagScene>();
        scene->Create();
        playfield->AddToEngine(*scene);
        FitToWindow(nullptr, playfield.get());
        scene->playfieldPrincipal = playfield;
        scene->imageEtiquette = Solid(100, 52, u"etiquettemot.png");
        SwitchScene(scene);
        Step();
    }

    // Through the letterbox.
    void PointOnCanvas(float cx, float cy) const {
        Point(playfield->x + cx * playfield->scaleX, playfield->y + cy * playfield->scaleY);
    }

    // The word groups of a sentence written with the word-order markup.
    static std::vector<String> Pieces(String marked) {
        for (const char16_t* marker :
             {MarquePropositionA, MarquePropositionB, MarqueVerbeApresQue, MarqueVerbeVersLaFin}) {
            marked = platform::Replace(marked, marker, u"");
        }
        std::vector<String> pieces = platform::Split(marked, MarqueFinEtiquette);
        std::erase_if(pieces, [](String& piece) {
            piece = platform::Trim(piece);
            return piece.empty() || piece == u".";
        });
        return pieces;
    }

    std::shared_ptr<TagScene> scene;
};
