// Layer objects and their shapes: what each draws, the image and frame choice of sprites, the
// collision boxes, groups, and objects made before any engine exists.
#include <cmath>
#include <memory>
#include <vector>

#include "framework/layer.h"
#include "framework/layer_shapes.h"
#include "framework/playfield.h"
#include "framework/scene_fixture.h"

namespace {

using platform::DrawCommand;

platform::ImagePtr MakeImage(const String& name, int frameWidth, int height, int frames) {
    return platform::CreateImage(
        frameWidth * frames, height,
        std::vector<std::uint8_t>(static_cast<std::size_t>(frameWidth * frames * height * 4), 255),
        name, frames);
}

class ShapesTest : public SceneTest {
  protected:
    void SetUp() override {
        SceneTest::SetUp();
        screen = std::make_shared<iEngine>();
        screen->Create();
        screen->clearScreen = false;
        auto playfield = std::make_shared<iPlayfield>();
        playfield->New();
        playfield->DisableClear();
        playfield->AddToEngine(*screen);
        layer = std::make_shared<iLayer>();
        layer->Init();
        playfield->layers.AddLast(layer);
        SwitchScene(screen);
        Step();
    }

    template <class Shape> std::shared_ptr<Shape> Add(float x, float y) {
        auto shape = std::make_shared<Shape>();
        shape->x = x;
        shape->y = y;
        layer->AddObject(shape);
        return shape;
    }

    // The commands of one frame.
    const std::vector<DrawCommand>& Draw() {
        Frame();
        return graphics.commands;
    }

    std::shared_ptr<iEngine> screen;
    std::shared_ptr<iLayer> layer;
};

void ExpectBox(const DrawCommand& rect, float x, float y, float w, float h) {
    ASSERT_EQ(rect.points.size(), 8u);
    EXPECT_NEAR(rect.points[0], x, 1e-4);
    EXPECT_NEAR(rect.points[1], y, 1e-4);
    EXPECT_NEAR(rect.points[4], x + w, 1e-4);
    EXPECT_NEAR(rect.points[5], y + h, 1e-4);
}

} // namespace

TEST_F(ShapesTest, SpritePicksImageAndFrameByWrapping) {
    auto sprite = Add<iLayerSprite>(100, 100);
    sprite->images = {MakeImage(u"zero", 4, 4, 1), MakeImage(u"one", 8, 6, 4)};
    sprite->imageIndex = 3.7f;
    sprite->frame = 5;
    EXPECT_EQ(sprite->CurrentImageIndex(), 1);
    EXPECT_EQ(sprite->CurrentFrame(), 1);
    EXPECT_FLOAT_EQ(sprite->Width(), 8);
    const auto& drawn = Draw();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].image, u"one");
    EXPECT_EQ(drawn[0].frame, 1);

    // Negative indexes wrap around instead of reading before the arrays.
    sprite->frame = -1;
    sprite->imageIndex = -1;
    EXPECT_EQ(sprite->CurrentFrame(), 3);
    EXPECT_EQ(Draw().at(0).frame, 3);

    // No image at all, or an empty entry: nothing drawn, no size.
    sprite->images.clear();
    EXPECT_FLOAT_EQ(sprite->Width(), 0);
    EXPECT_TRUE(Draw().empty());
    sprite->images.assign(2, nullptr);
    EXPECT_FALSE(sprite->HasImage());
    EXPECT_TRUE(Draw().empty());
}

TEST_F(ShapesTest, HitSpriteShowsItsGhostLookForOneFrame) {
    auto sprite = Add<iLayerSprite>(10, 10);
    sprite->images[0] = MakeImage(u"normal", 4, 4, 1);
    sprite->ghostImages[0] = MakeImage(u"touche", 4, 4, 1);
    sprite->ghostRed = 0;
    sprite->ghost = true;
    const auto& first = Draw();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].image, u"touche");
    EXPECT_NEAR(first[0].color[0], 0, 1e-3);
    EXPECT_FALSE(sprite->ghost);
    EXPECT_EQ(Draw().at(0).image, u"normal");
}

TEST_F(ShapesTest, RectangleOutlineAndEllipseBoxes) {
    auto outline = Add<iLayerRectangle>(0, 0);
    outline->width = 10;
    outline->height = 6;
    outline->lineWidth = 2;
    const auto& drawn = Draw();
    ASSERT_EQ(drawn.size(), 4u);
    ExpectBox(drawn[0], -5, -3, 10, 2);
    ExpectBox(drawn[1], -5, -1, 2, 2);
    ExpectBox(drawn[2], -5, 1, 10, 2);
    ExpectBox(drawn[3], 3, -1, 2, 2);
    outline->Remove();

    // The ellipse's width and height are its radii.
    auto ellipse = Add<iLayerEllipse>(0, 0);
    ellipse->width = 10;
    ellipse->height = 4;
    const auto& oval = Draw();
    ASSERT_EQ(oval.size(), 1u);
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    for (std::size_t i = 0; i + 1 < oval[0].points.size(); i += 2) {
        minX = std::min(minX, oval[0].points[i]);
        maxX = std::max(maxX, oval[0].points[i]);
        minY = std::min(minY, oval[0].points[i + 1]);
        maxY = std::max(maxY, oval[0].points[i + 1]);
    }
    EXPECT_NEAR(minX, -10, 0.05f);
    EXPECT_NEAR(maxX, 10, 0.05f);
    EXPECT_NEAR(minY, -4, 0.05f);
    EXPECT_NEAR(maxY, 4, 0.05f);
}

TEST_F(ShapesTest, LineImagePointsFromStartToEnd) {
    auto line = Add<iLayerLine>(0, 0);
    line->x2 = -10;
    line->y2 = -10;
    const auto& plain = Draw();
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].kind, DrawCommand::Line);

    line->images[0] = MakeImage(u"corde", 20, 4, 1);
    const auto& cut = Draw();
    ASSERT_EQ(cut.size(), 1u);
    // Cut to trunc(14.14) = 14 and turned towards the upper left.
    EXPECT_NEAR(cut[0].points[2], 14 * std::cos(225 * 0.017453292f), 1e-3);
    EXPECT_NEAR(cut[0].points[3], 14 * std::sin(225 * 0.017453292f), 1e-3);
}

TEST_F(ShapesTest, TextWithoutFontHasNoSizeAndDrawsNothing) {
    auto text = Add<iLayerText>(5, 5);
    text->text = u"Bonjour";
    EXPECT_FLOAT_EQ(text->Width(), 0);
    EXPECT_FLOAT_EQ(text->Height(), 0);
    EXPECT_TRUE(Draw().empty());
}

TEST_F(ShapesTest, CollisionBoxesUseTruncatedHalfSizes) {
    auto a = Add<iLayerRectangle>(0, 0);
    auto b = Add<iLayerRectangle>(10, 0);
    a->width = a->height = b->width = b->height = 10;
    EXPECT_FALSE(a->Overlaps(*b));
    b->x = 9;
    EXPECT_TRUE(a->Overlaps(*b));
    b->owner = a;
    EXPECT_FALSE(b->Overlaps(*a));
    EXPECT_TRUE(b->OverlapsBox(*a));

    // Width 5: the box runs from cx - 2 to cx + 3.
    auto narrow = Add<iLayerRectangle>(0, 100);
    auto probe = Add<iLayerRectangle>(3, 100);
    narrow->width = 5;
    narrow->height = probe->width = probe->height = 1;
    EXPECT_FALSE(narrow->Overlaps(*probe));
    probe->x = 2.9f;
    EXPECT_TRUE(narrow->Overlaps(*probe));
}

TEST_F(ShapesTest, CollideSubtractsHitPointsAndCreditsTheOwner) {
    auto first = Add<iLayerRectangle>(0, 0);
    auto second = Add<iLayerRectangle>(0, 0);
    auto shooter = Add<iLayerRectangle>(500, 500);
    first->hitPoints = 3;
    second->points = 4;
    first->owner = shooter;
    first->Collide(*second);
    EXPECT_EQ(first->hitPoints, 2);
    EXPECT_EQ(second->hitPoints, 0);
    EXPECT_EQ(second->status, 0);
    EXPECT_TRUE(first->ghost);
    EXPECT_TRUE(second->ghost);
    EXPECT_EQ(shooter->score, 4);
    EXPECT_EQ(layer->Cell()->IndexOf(second.get()), -1);

    auto wall = Add<iLayerRectangle>(0, 0);
    auto ball = Add<iLayerRectangle>(0, 0);
    wall->invulnerable = true;
    ball->hitPoints = 9;
    wall->Collide(*ball);
    EXPECT_EQ(wall->status, 1);
    EXPECT_EQ(ball->status, 0);
}

TEST_F(ShapesTest, GroupMovesItsChildrenAndKeepsTheirOwnValues) {
    class Walker : public iLayerRectangle {
      public:
        void Update() override { x += 2; }
    };
    auto group = Add<iLayerGroup>(100, 50);
    group->scaleX = group->scaleY = 2;
    auto child = std::make_shared<Walker>();
    child->x = 10;
    child->width = child->height = 4;
    group->AddChild(child);
    Step();
    // Moved 2 in the group's space, 1 in its own.
    EXPECT_FLOAT_EQ(child->x, 11);
    EXPECT_FLOAT_EQ(child->scaleX, 1);
    const auto& drawn = Draw();
    ASSERT_EQ(drawn.size(), 1u);
    ExpectBox(drawn[0], 100 + 2 * (11 - 2), 50 - 4, 8, 8);

    // A group with alpha 0: children neither updated nor visible, and unchanged.
    group->alpha = 0;
    child->alpha = 0.8f;
    Step();
    EXPECT_FLOAT_EQ(child->x, 11);
    EXPECT_NEAR(Draw().at(0).alpha, 0, 1e-6);
    EXPECT_FLOAT_EQ(child->alpha, 0.8f);

    group->name = u"troupe";
    child->name = u"troupe";
    group->FindByName(u"troupe");
    EXPECT_EQ(FoundObject, child);
}

TEST_F(ShapesTest, CollideWithListTakesEachElementThroughTheGroupStep) {
    class Walker : public iLayerRectangle {
      public:
        void Update() override { x += 2 * scaleX; }
    };
    auto carrier = Add<iLayerRectangle>(100, 50);
    carrier->scaleX = carrier->scaleY = 2;
    iList3 list;
    std::vector<std::shared_ptr<Walker>> walkers(3);
    for (auto& walker : walkers) {
        walker = std::make_shared<Walker>();
        walker->x = 10;
        list.AddLast(walker);
    }
    walkers[2]->status = 3;
    list.AddLast(carrier);
    carrier->CollideWithList(list);
    // Moved 4 in the carrier's space (at its scale), 2 in its own, on the carrier's layer; a
    // waiting element counts down instead, and the carrier itself is left alone.
    EXPECT_FLOAT_EQ(walkers[0]->x, 12);
    EXPECT_FLOAT_EQ(walkers[1]->scaleX, 1);
    EXPECT_EQ(walkers[1]->layer.lock(), carrier->layer.lock());
    EXPECT_EQ(walkers[2]->status, 2);
    EXPECT_FLOAT_EQ(carrier->x, 100);
    // A flat carrier updates nothing.
    carrier->scaleY = 0;
    carrier->CollideWithList(list);
    EXPECT_FLOAT_EQ(walkers[0]->x, 12);
    EXPECT_EQ(walkers[2]->status, 2);
}

TEST_F(ShapesTest, RemovalLeavesListsAndQueuesDestruction) {
    auto box = Add<iLayerRectangle>(0, 0);
    box->AddToCollisionsA();
    box->AddToCollisionsB();
    box->SetCountedLive(true);
    box->destroyOnRemove = true;
    box->textLines[0] = u"debug";
    EXPECT_EQ(screen->liveCount, 1);
    box->Remove();
    EXPECT_EQ(screen->liveCount, 0);
    EXPECT_EQ(screen->collisionsA.Count(), 0);
    EXPECT_EQ(screen->collisionsB.Count(), 0);
    EXPECT_EQ(layer->Cell()->Count(), 0);
    Step();
    EXPECT_TRUE(box->layer.expired());
    EXPECT_TRUE(box->textLines.empty());
    // A second removal of an object without a layer does nothing.
    box->Remove();
}

TEST(ShapesWithoutEngineTest, FirstObjectMakesEngineDefaultPlayfieldAndLayer) {
    ResetFrameworkGlobals();
    auto point = std::make_shared<iLayerPoint>();
    ASSERT_TRUE(CurrentEngine);
    ASSERT_TRUE(CurrentEngine->defaultPlayfield);
    ASSERT_TRUE(CurrentEngine->defaultLayer);
    EXPECT_EQ(point->layer.lock(), CurrentEngine->defaultLayer);
    EXPECT_FALSE(CurrentEngine->defaultLayer->IsGrid());
    EXPECT_FLOAT_EQ(point->Width(), 1);
    ResetFrameworkGlobals();
}
