// The shared assets: loaded once, and the decor never left without a picture when a file is
// missing (the miss reported once).
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/bitmap_font.h"
#include "framework/shared_assets.h"
#include "platform/case_folder.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/files.h"

TEST(SharedAssets, MissingDecorPicturesGetAPlaceholderOfTheirSizeAndAreReportedOnce) {
    platform::ManualClock clock;
    platform::SetClockSource(&clock);
    ResetSharedAssets();
    platform::ResetWarnings();
    const auto empty = CaseFolder("app-no-data");
    platform::SetDataFolder(platform::FromUtf8(empty.string()));

    testing::internal::CaptureStderr();
    LoadSharedAssets();
    const std::string errors = testing::internal::GetCapturedStderr();

    ASSERT_TRUE(imgsol);
    EXPECT_EQ(imgsol->Width(), 1100);
    EXPECT_EQ(imgsol->Height(), 80);
    for (int i = 0; i < 9; ++i) {
        ASSERT_TRUE(imgmeubles[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_EQ(imgmeubles[1]->Height(), 524);
    EXPECT_FALSE(imgmeubles[9]);
    // The other pictures and the sounds stay none; playing a missing sound is silent.
    EXPECT_FALSE(imglogo);
    EXPECT_FALSE(sonpop1);
    ASSERT_TRUE(fontoregano48);

    // Each missing file once on standard error.
    const auto count = [&errors](const std::string& part) {
        std::size_t found = 0;
        for (auto at = errors.find(part); at != std::string::npos; at = errors.find(part, at + 1)) {
            ++found;
        }
        return found;
    };
    EXPECT_EQ(count("sol.png"), 1u);
    EXPECT_EQ(count("pop1.wav"), 1u);

    // A second call loads nothing again.
    auto floor = imgsol;
    testing::internal::CaptureStderr();
    LoadSharedAssets();
    EXPECT_TRUE(testing::internal::GetCapturedStderr().empty());
    EXPECT_EQ(imgsol, floor);

    ResetSharedAssets();
    platform::SetDataFolder(u"");
    platform::SetClockSource(nullptr);
}
