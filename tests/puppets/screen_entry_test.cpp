// The menu screens' background and decor: the colour correction, the random pair, its drift in
// each direction, the replacement when the pair has left, the decor carried from one screen to
// the next, a resize caught up on entry.
#include <gtest/gtest.h>

#include <array>

#include "framework/letterbox.h"
#include "framework/scene_fixture.h"
#include "framework/shared_assets.h"
#include "platform/diag.h"
#include "platform/random.h"
#include "puppets/decor_playfields.h"
#include "puppets/screen_entry.h"

namespace {

class ScreenEntryTest : public SceneTest {
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
        imgsol = platform::CreateImage(40, 8, std::vector<std::uint8_t>(40 * 8 * 4, 255));
        platform::SetPrintSink([this](const String& line) { lines.push_back(line); });
    }
    void TearDown() override {
        platform::SetPrintSink(nullptr);
        ResetSharedAssets();
        ResetDecorGlobals();
        ResetLetterboxGlobals();
        SceneTest::TearDown();
    }

    // A screen's two playfields, fitted to the window, with the decor installed.
    struct Screen {
        std::shared_ptr<iPlayfield> fond = std::make_shared<iPlayfield>();
        std::shared_ptr<iPlayfieldDecore> decor = std::make_shared<iPlayfieldDecore>();
    };
    static Screen Open(bool auHasard) {
        Screen screen;
        screen.fond->New();
        screen.decor->New();
        FitToWindow(screen.fond.get(), screen.decor.get());
        InstalleDecor(*screen.decor, auHasard);
        return screen;
    }

    std::vector<String> lines;
};

} // namespace

TEST_F(ScreenEntryTest, TheBackgroundTempersItsColourAndTheDecorDrawsTwoDifferentPieces) {
    iPlayfieldFond fond;
    // In, out; the first without correction.
    const int cases[][6] = {{300, -5, 12, 300, -5, 12},
                            {250, 30, 30, 250, 90, 150},
                            {100, 100, 100, 100, 160, 160},
                            {30, 30, 250, 30, 150, 250}};
    for (const auto& c : cases) {
        fond.FixeCouleur(c[0] != 300, c[0], c[1], c[2]);
        EXPECT_EQ((std::array{fond.rouge, fond.vert, fond.bleu}), (std::array{c[3], c[4], c[5]}));
    }
    // A channel pushed beyond 255 clears at full intensity, never wrapped.
    fond.FixeCouleur(true, 250, 250, 200);
    ASSERT_EQ(fond.vert, 310);
    graphics.BeginFrame(1134, 680);
    fond.OnRender();
    EXPECT_FLOAT_EQ(graphics.commands.at(0).color[1], 255);

    auto screen = Open(true);
    for (int run = 0; run < 50; ++run) {
        screen.decor->DecorAuHasard();
        EXPECT_NE(DecorMeuble1, DecorMeuble2);
    }
    // The handles belong to the decor's sprites, not to the shared pictures.
    EXPECT_FLOAT_EQ(screen.decor->meuble1->FirstImage()->HandleY(), DecorPoigneeY1);
    for (const auto& image : imgmeubles) {
        EXPECT_TRUE(!image || image->HandleY() == 0);
    }
    // A decor without sprites (the title screen's) ignores every call and draws nothing.
    iPlayfieldDecore bare;
    const auto seed = platform::GetSeed();
    bare.DecorAuHasard();
    bare.RestaureDecor();
    DeriveDecor(bare);
    EXPECT_EQ(platform::GetSeed(), seed);
}

TEST_F(ScreenEntryTest, EachDirectionDriftsAndIsReplacedOnceWhenThePairHasLeft) {
    auto screen = Open(true);
    auto& decor = *screen.decor;
    auto& meuble1 = *decor.meuble1;
    for (int direction = 0; direction < 4; ++direction) {
        decor.disposition = direction;
        // One unit short of each threshold after the first move.
        switch (direction) {
        case 0:
            meuble1.y = -99;
            break;
        case 1:
            meuble1.y = 680 + 700 - 1;
            break;
        case 2:
            meuble1.x = -500 - meuble1.Width() - 240;
            decor.AttacheSuiveurs(8);
            break;
        default:
            meuble1.x = 1134 + 700 - 1;
        }
        const float x = meuble1.x;
        const float y = meuble1.y;
        lines.clear();
        DeriveDecor(decor);
        const float dx[] = {0, 0, -1, 1};
        const float dy[] = {-1, 1, 0, 0};
        EXPECT_FLOAT_EQ(meuble1.x, x + dx[direction]);
        EXPECT_FLOAT_EQ(meuble1.y, y + dy[direction]);
        EXPECT_TRUE(lines.empty());

        DeriveDecor(decor);
        ASSERT_EQ(lines, std::vector<String>{u"dispose " + platform::Str(direction)});
        // The new pair is in place in that same frame, followers attached for the drift.
        EXPECT_FLOAT_EQ(DecorX, meuble1.x);
        EXPECT_FLOAT_EQ(DecorY, meuble1.y);
        EXPECT_FLOAT_EQ(decor.meuble2->x, meuble1.x + meuble1.Width() + 240);
        EXPECT_FLOAT_EQ(decor.meuble2->y, meuble1.y);
        EXPECT_FLOAT_EQ(decor.sol->x, meuble1.x - 8);
        EXPECT_FLOAT_EQ(decor.sol->y, meuble1.y - 15);
        for (int frame = 0; frame < 600; ++frame) {
            DeriveDecor(decor);
        }
        EXPECT_EQ(lines.size(), 1u);
    }
}

TEST_F(ScreenEntryTest, TheDecorCarriesOnToTheNextScreenAndAResizeIsCaughtUpOnce) {
    auto hub = Open(true);
    auto options = Open(false);
    for (int frame = 0; frame < 90; ++frame) {
        DeriveDecor(*hub.decor);
    }

    // The window grows while the hub is current: only the hub fits itself.
    platform::SetDeviceSize(1920, 1080);
    platform::CheckResize();
    FitToWindow(hub.fond.get(), hub.decor.get());
    ASSERT_TRUE(WindowResized);

    int entries = 0;
    const auto work = [&] { ++entries; };
    // Switched to without the flag: no entry work, nothing restored or fitted.
    EntreeEcran(options.fond.get(), *options.decor, work);
    EXPECT_EQ(entries, 0);
    EXPECT_EQ(options.decor->viewportWidth, 1134);

    NouvelEcran = true;
    const auto seed = platform::GetSeed();
    EntreeEcran(options.fond.get(), *options.decor, work);
    EXPECT_EQ(platform::GetSeed(), seed);
    EXPECT_EQ(entries, 1);
    EXPECT_FALSE(NouvelEcran);
    EXPECT_FALSE(WindowResized);
    EXPECT_EQ(options.decor->viewportWidth, 1920);
    EXPECT_FLOAT_EQ(options.decor->scaleX, 1.40625f);
    EXPECT_EQ(options.fond->width, 1920);
    EXPECT_EQ(options.decor->disposition, hub.decor->disposition);

    // From here on both screens drift the same pair the same way.
    for (int frame = 0; frame < 30; ++frame) {
        DeriveDecor(*hub.decor);
        DeriveDecor(*options.decor);
        EntreeEcran(options.fond.get(), *options.decor, work);
    }
    EXPECT_EQ(entries, 1);
    for (const auto& [a, b] : {std::pair{hub.decor->meuble1, options.decor->meuble1},
                               std::pair{hub.decor->meuble2, options.decor->meuble2},
                               std::pair{hub.decor->sol, options.decor->sol}}) {
        EXPECT_FLOAT_EQ(a->x, b->x);
        EXPECT_FLOAT_EQ(a->y, b->y);
        EXPECT_EQ(a->FirstImage()->GetSurface(), b->FirstImage()->GetSurface());
    }

    // Back on the hub with no resize since: restored, not fitted again.
    hub.decor->scaleX = 0.5f;
    NouvelEcran = true;
    EntreeEcran(hub.fond.get(), *hub.decor);
    EXPECT_FLOAT_EQ(hub.decor->scaleX, 0.5f);
    EXPECT_FLOAT_EQ(hub.decor->meuble1->x, DecorX);
}
