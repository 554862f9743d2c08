// The menu background's colour correction, and the decor's random pair kept in the globals.
#include <gtest/gtest.h>

#include "framework/scene_fixture.h"
#include "framework/shared_assets.h"
#include "platform/random.h"
#include "puppets/decor_playfields.h"

namespace {

class DecorTest : public SceneTest {
  protected:
    void SetUp() override {
        ResetStage(1134, 680);
        ResetDecorGlobals();
        for (int k = 0; k < 9; ++k) {
            const int w = 100 + 20 * k;
            const int h = 200 + 10 * k;
            imgmeubles[static_cast<std::size_t>(k)] = platform::CreateImage(
                w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w * h * 4), 255));
        }
    }
    void TearDown() override {
        ResetSharedAssets();
        ResetDecorGlobals();
        SceneTest::TearDown();
    }

    static std::shared_ptr<iPlayfieldDecore> Decor() {
        auto decor = std::make_shared<iPlayfieldDecore>();
        decor->New();
        decor->meuble1 = std::make_shared<iSprite>();
        decor->meuble2 = std::make_shared<iSprite>();
        decor->sol = std::make_shared<iSprite>();
        return decor;
    }
};

} // namespace

TEST_F(DecorTest, FixeCouleurTempersOnlyWhenAskedAndClampsOnlyWhenClearing) {
    iPlayfieldFond fond;
    struct Case {
        bool correction;
        int in[3];
        int out[3];
    };
    const Case cases[] = {{false, {300, -5, 12}, {300, -5, 12}},
                          {true, {250, 30, 30}, {250, 90, 150}},
                          {true, {100, 100, 100}, {100, 160, 160}},
                          {true, {30, 30, 250}, {30, 150, 250}}};
    for (const auto& c : cases) {
        EXPECT_EQ(fond.FixeCouleur(c.correction, c.in[0], c.in[1], c.in[2]), 0);
        EXPECT_EQ(fond.rouge, c.out[0]);
        EXPECT_EQ(fond.vert, c.out[1]);
        EXPECT_EQ(fond.bleu, c.out[2]);
    }

    // A channel beyond 255 (or below 0) clears at full (or no) intensity, never wrapped.
    fond.FixeCouleur(true, 250, 250, 200);
    ASSERT_EQ(fond.vert, 310);
    graphics.BeginFrame(1134, 680);
    fond.OnRender();
    ASSERT_EQ(graphics.commands.size(), 1u);
    EXPECT_FLOAT_EQ(graphics.commands[0].color[1], 255);
    EXPECT_FLOAT_EQ(graphics.commands[0].color[2], 255);
}

TEST_F(DecorTest, TheRandomPairDiffersAndRestoresWithoutDrawing) {
    auto first = Decor();
    auto second = Decor();
    for (int run = 0; run < 50; ++run) {
        first->DecorAuHasard();
        EXPECT_NE(DecorMeuble1, DecorMeuble2);
        EXPECT_EQ(first->disposition, DecorDisposition);
        EXPECT_EQ(DecorX, first->meuble1->x);
        // The pair starts outside the canvas on its entry side.
        const float x = first->meuble1->x;
        const float y = first->meuble1->y;
        switch (first->disposition) {
        case 0:
            EXPECT_FLOAT_EQ(y, 680 + 600);
            break;
        case 1:
            EXPECT_FLOAT_EQ(y, -500);
            break;
        case 2:
            EXPECT_FLOAT_EQ(x, 1134 + 500);
            break;
        default:
            EXPECT_FLOAT_EQ(x + first->meuble1->Width() + first->meuble2->Width(), -300);
        }

        const auto seed = platform::GetSeed();
        second->RestaureDecor();
        EXPECT_EQ(platform::GetSeed(), seed);
        for (const auto& [a, b] :
             {std::pair{first->meuble1, second->meuble1},
              std::pair{first->meuble2, second->meuble2}, std::pair{first->sol, second->sol}}) {
            EXPECT_FLOAT_EQ(a->x, b->x);
            EXPECT_FLOAT_EQ(a->y, b->y);
        }
        EXPECT_EQ(second->meuble1->FirstImage()->GetSurface(),
                  imgmeubles[static_cast<std::size_t>(DecorMeuble1)]->GetSurface());
        EXPECT_FLOAT_EQ(second->meuble2->FirstImage()->HandleY(), DecorPoigneeY2);
    }
    // The handles belong to the decor's sprites, not to the shared pictures.
    for (const auto& image : imgmeubles) {
        if (image) {
            EXPECT_FLOAT_EQ(image->HandleY(), 0);
        }
    }

    // A decor without sprites (the title screen's) ignores both calls.
    iPlayfieldDecore bare;
    const auto seed = platform::GetSeed();
    bare.DecorAuHasard();
    bare.RestaureDecor();
    EXPECT_EQ(platform::GetSeed(), seed);
}
