// Playfields: the letterbox, the pointer mapping against the drawing transform, the scissor,
// GUI pages and the drawing order of a playfield with a layer, a sprite and a widget.
#include <cmath>
#include <memory>
#include <vector>

#include "framework/layer.h"
#include "framework/layer_shapes.h"
#include "framework/playfield.h"
#include "framework/scene_fixture.h"

namespace {

using platform::DrawCommand;

class DrawingScreen : public iEngine {
  public:
    int OnRenderHook() override {
        platform::DrawLine(0, 0, 1, 1);
        return 0;
    }
};

class SquareWidget : public iGuiObject {
  public:
    int updates = 0;
    void Update() override { ++updates; }
    void Render() override { platform::DrawRect(x, y, 10, 10); }
};

class PlayfieldTest : public SceneTest {
  protected:
    // A current screen with one playfield on the virtual canvas, with one layer.
    std::shared_ptr<iPlayfield> MakeStage(bool letterbox = true) {
        screen = std::make_shared<DrawingScreen>();
        screen->Create();
        auto playfield = std::make_shared<iPlayfield>();
        playfield->New();
        if (letterbox) {
            playfield->SetVirtualSize(1280, 768, true);
        }
        playfield->AddToEngine(*screen);
        layer = std::make_shared<iLayer>();
        layer->Init();
        playfield->layers.AddLast(layer);
        SwitchScene(screen);
        return playfield;
    }

    // Centre of the last recorded rectangle, in window pixels.
    void LastRectCentre(float& cx, float& cy) const {
        cx = 0;
        cy = 0;
        for (auto it = graphics.commands.rbegin(); it != graphics.commands.rend(); ++it) {
            if (it->kind == DrawCommand::Rect && it->points.size() == 8) {
                for (int i = 0; i < 4; ++i) {
                    cx += it->points[static_cast<std::size_t>(2 * i)] / 4;
                    cy += it->points[static_cast<std::size_t>(2 * i + 1)] / 4;
                }
                return;
            }
        }
        ADD_FAILURE() << "no rectangle drawn";
    }

    std::shared_ptr<iLayerRectangle> AddBox(float x, float y) {
        auto box = std::make_shared<iLayerRectangle>();
        box->x = x;
        box->y = y;
        box->width = 2;
        box->height = 2;
        layer->AddObject(box);
        return box;
    }

    std::shared_ptr<DrawingScreen> screen;
    std::shared_ptr<iLayer> layer;
};

} // namespace

TEST_F(PlayfieldTest, LetterboxFollowsTheWindowShape) {
    ResetStage(1280, 800);
    auto tall = MakeStage();
    EXPECT_FLOAT_EQ(tall->scaleX, 1.0f);
    EXPECT_FLOAT_EQ(tall->x, 0);
    EXPECT_FLOAT_EQ(tall->y, 16);
    EXPECT_FLOAT_EQ(tall->handleX, 640);
    EXPECT_EQ(tall->width, 1280);
    EXPECT_EQ(tall->height, 768);

    ResetStage(1280, 700);
    auto wide = MakeStage();
    EXPECT_NEAR(wide->scaleX, 0.911458f, 1e-5);
    EXPECT_FLOAT_EQ(wide->scaleY, wide->scaleX);
    EXPECT_NEAR(wide->x, 56.67f, 0.01f);
    EXPECT_FLOAT_EQ(wide->y, 0);

    // Exactly 0.6 takes the width rule.
    ResetStage(1000, 600);
    auto edge = MakeStage();
    EXPECT_FLOAT_EQ(edge->scaleX, 1000.0f / 1280.0f);
}

TEST_F(PlayfieldTest, ZeroSizedViewportKeepsTheLastLayout) {
    auto playfield = MakeStage();
    const float scale = playfield->scaleX;
    const float x = playfield->x;
    playfield->SetViewportWidth(0);
    playfield->SetVirtualSize(1280, 768, true);
    EXPECT_FLOAT_EQ(playfield->scaleX, scale);
    EXPECT_FLOAT_EQ(playfield->x, x);
    EXPECT_TRUE(std::isfinite(playfield->MouseX()));

    // No inverse for a flat playfield: the pointer reads 0, never NaN.
    playfield->scaleX = 0;
    playfield->zoomY = 0;
    EXPECT_FLOAT_EQ(playfield->MouseX(), 0);
    EXPECT_FLOAT_EQ(playfield->LocalMouseY(), 0);
    Step();
    Frame();
}

TEST_F(PlayfieldTest, PointerMapsBackThroughTheDrawingTransform) {
    auto playfield = MakeStage();
    Step();
    struct Case {
        float zoomX, zoomY, rotation, cameraX, cameraY, handleX, handleY;
    };
    const Case cases[] = {{1, 1, 0, 0, 0, 640, 384},
                          {1.5f, 1.5f, 30, 40, -20, 640, 384},
                          {2, 2, -75, 0, 100, 200, 100},
                          {1.5f, 0.75f, 45, 10, 10, 640, 384},
                          {0.5f, 0.5f, 180, -30, 0, 0, 0}};
    for (const Case& c : cases) {
        playfield->zoomX = c.zoomX;
        playfield->zoomY = c.zoomY;
        playfield->rotation = c.rotation;
        playfield->cameraX = c.cameraX;
        playfield->cameraY = c.cameraY;
        playfield->handleX = c.handleX;
        playfield->handleY = c.handleY;
        auto box = AddBox(300, 200);
        Frame();
        float wx = 0;
        float wy = 0;
        LastRectCentre(wx, wy);
        platform::Input().MoveMouse(wx, wy);
        EXPECT_NEAR(playfield->MouseX(), 300, 0.05f) << "rotation " << c.rotation;
        EXPECT_NEAR(playfield->MouseY(), 200, 0.05f) << "rotation " << c.rotation;
        box->Remove();
    }

    // Without rotation, zoom or camera the mapping is the plain letterbox.
    playfield->zoomX = playfield->zoomY = 1;
    playfield->rotation = 0;
    playfield->cameraX = playfield->cameraY = 0;
    platform::Input().MoveMouse(400, 300);
    EXPECT_NEAR(playfield->MouseX(), (400 - playfield->x) / playfield->scaleX, 1e-3);
    playfield->cameraX = 100;
    EXPECT_NEAR(playfield->MouseX(), (400 - playfield->x) / playfield->scaleX + 100, 1e-3);
}

TEST_F(PlayfieldTest, PositiveRotationLooksClockwise) {
    auto playfield = MakeStage(false);
    Step();
    auto bar = std::make_shared<iLayerRectangle>();
    bar->x = 100;
    bar->y = 100;
    bar->width = 40;
    bar->height = 10;
    bar->rotation = 90;
    layer->AddObject(bar);
    Frame();
    const DrawCommand& rect = graphics.commands.back();
    ASSERT_EQ(rect.kind, DrawCommand::Rect);
    // The right end of the bar turns downwards.
    EXPECT_NEAR(rect.points[2], 105, 1e-3);
    EXPECT_NEAR(rect.points[3], 120, 1e-3);

    // The playfield itself turns the same way about its handle.
    bar->rotation = 0;
    playfield->rotation = 90;
    playfield->handleX = 100;
    playfield->handleY = 100;
    Frame();
    EXPECT_NEAR(graphics.commands.back().points[2], 105, 1e-3);
    EXPECT_NEAR(graphics.commands.back().points[3], 120, 1e-3);
}

TEST_F(PlayfieldTest, ScissorIsCutToTheVirtualSize) {
    ResetStage(1280, 768);
    auto playfield = MakeStage();
    playfield->SetScissor(-10, 5, 30, 20);
    ExpectScissor(0, 5, 20, 20);
    playfield->SetScissor(1300, 0, 10, 10);
    ExpectScissor(1280, 0, 0, 10);

    // Mapped through the playfield's scale and position.
    playfield->scaleX = playfield->scaleY = 0.5f;
    playfield->x = 10;
    playfield->y = 20;
    playfield->SetScissor(-10, 5, 30, 20);
    ExpectScissor(10, 22.5f, 10, 10);
}

TEST_F(PlayfieldTest, DrawingOrderIsClearsHookLayersThenWidgets) {
    auto playfield = MakeStage();
    playfield->SetClearColor(10, 20, 30);
    auto sprite = std::make_shared<iLayerSprite>();
    sprite->images[0] = platform::CreateImage(4, 4, std::vector<std::uint8_t>(64, 255), u"pion");
    sprite->x = 50;
    layer->AddObject(sprite);
    auto widget = std::make_shared<SquareWidget>();
    widget->New();
    widget->SetPlayfield(playfield);
    Step();
    Frame();

    std::vector<DrawCommand::Kind> kinds;
    for (const DrawCommand& command : graphics.commands) {
        kinds.push_back(command.kind);
    }
    EXPECT_EQ(kinds, (std::vector<DrawCommand::Kind>{DrawCommand::Clear, DrawCommand::Clear,
                                                     DrawCommand::Line, DrawCommand::ImageDraw,
                                                     DrawCommand::Rect}));
    // The playfield clears and clips its own rectangle.
    const DrawCommand& clear = graphics.commands[1];
    EXPECT_NEAR(clear.color[2], 30, 0.5f);
    EXPECT_FLOAT_EQ(clear.scissor.y, playfield->y);
    EXPECT_FLOAT_EQ(graphics.commands[3].scissor.h, 768 * playfield->scaleY);
    EXPECT_EQ(graphics.commands[3].image, u"pion");
    EXPECT_EQ(GraphicsStateDepth(), 0);

    // Without clipping the playfield neither clips nor clears.
    screen->clipPlayfields = false;
    Frame();
    EXPECT_EQ(graphics.commands.size(), 4u);
}

TEST_F(PlayfieldTest, GuiPagesFollowThePendingPageAndGuardAMissingOne) {
    auto playfield = MakeStage();
    auto widget = std::make_shared<SquareWidget>();
    widget->New();
    widget->SetPlayfield(playfield);
    playfield->pendingGuiPage = -5;
    EXPECT_EQ(playfield->CurrentGuiPage(), -5);
    playfield->pendingGuiPage = -1;
    EXPECT_EQ(playfield->CurrentGuiPage(), 0);

    // A page that does not exist is an empty page.
    playfield->pendingGuiPage = 3;
    Step();
    EXPECT_EQ(playfield->guiPage, 3);
    EXPECT_EQ(widget->updates, 0);
    Frame();
    EXPECT_EQ(graphics.commands.back().kind, DrawCommand::Line);

    playfield->guiPages.clear();
    playfield->ResetGuiPages();
    EXPECT_EQ(playfield->guiPages.size(), 1u);
    EXPECT_EQ(playfield->pendingGuiPage, 0);
    Step();
    EXPECT_EQ(playfield->guiPage, 0);
}

TEST_F(PlayfieldTest, WidgetsWaitingToAppearAreCountedDownThenDrawn) {
    auto playfield = MakeStage();
    auto widget = std::make_shared<SquareWidget>();
    widget->New();
    widget->SetPlayfield(playfield);
    widget->status = 3;
    Step();
    Frame();
    EXPECT_EQ(widget->status, 2);
    EXPECT_NE(graphics.commands.back().kind, DrawCommand::Rect);
    Step();
    Frame();
    EXPECT_EQ(graphics.commands.back().kind, DrawCommand::Rect);
    EXPECT_EQ(widget->updates, 0);
    Step();
    EXPECT_EQ(widget->updates, 1);
}

TEST_F(PlayfieldTest, SearchesAndRemoval) {
    auto playfield = MakeStage();
    playfield->name = u"pion";
    auto box = AddBox(0, 0);
    box->name = u"pion";
    auto widget = std::make_shared<SquareWidget>();
    widget->New();
    widget->name = u"pion";
    widget->SetPlayfield(playfield);

    // No early stop: the last match wins.
    playfield->FindByName(u"pion");
    EXPECT_EQ(FoundObject, widget);
    iObjectList found;
    playfield->CollectByName(u"pion", found);
    EXPECT_EQ(found.Count(), 3);
    EXPECT_EQ(found.Get(1), box);

    std::weak_ptr<iPlayfield> watch = playfield;
    playfield->destroyOnRemove = true;
    playfield->Remove();
    EXPECT_EQ(playfield->status, 0);
    EXPECT_EQ(screen->playfields.Count(), 0);
    EXPECT_EQ(DestroyList.Count(), 1);
    Step();
    EXPECT_EQ(DestroyList.Count(), 0);
}
