// The content cache: one load per name, growth that keeps every entry in place, failed loads
// retried without filling the cache, fonts that are never null.
#include <gtest/gtest.h>

#include "fixture_files.h"
#include "framework/content_manager.h"
#include "platform/files.h"

namespace {

class ContentManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = CaseFolder("content_manager");
        fixture::WritePng(folder / "a.png", 8, 4, {{0, 0, 2, 2}});
        fixture::WritePng(folder / "b.png", 6, 6, {});
        platform::SetDataFolder(fixture::ToString(folder));
        ResetContentManager();
    }
    void TearDown() override {
        ResetContentManager();
        platform::SetDataFolder(u"");
    }
    std::filesystem::path folder;
};

} // namespace

TEST_F(ContentManagerTest, ImagesAreLoadedOncePerName) {
    iContentManager& cache = *TheContentManager;
    const auto first = cache.GetImage(u"a.png", 1, 0);
    ASSERT_TRUE(first);
    // The file is gone: only the cache can answer now.
    std::filesystem::remove(folder / "a.png");
    EXPECT_EQ(cache.GetImage(u"a.png", 1, 0), first);
    const auto b = cache.GetImage(u"b.png", 1, 0);
    ASSERT_TRUE(b);
    EXPECT_EQ(cache.GetImage(u"a.png", 1, 0), first);
    EXPECT_EQ(cache.count, 2);
    EXPECT_EQ(cache.cursor, 0);
    // Frames are decided by the first load; names compare case-sensitively.
    EXPECT_EQ(cache.GetImage(u"a.png", 2, 0)->Frames(), 1);
    EXPECT_FALSE(cache.GetImage(u"A.png", 1, 0));
}

TEST_F(ContentManagerTest, AFailedNameIsRetriedInItsOwnEntry) {
    iContentManager cache;
    EXPECT_FALSE(cache.GetImage(u"late.png", 1, 0));
    EXPECT_FALSE(cache.GetImage(u"late.png", 1, 0));
    for (int i = 0; i < 5; ++i) {
        cache.GetImage(u"b.png", 1, 0);
        EXPECT_FALSE(cache.GetImage(u"late.png", 1, 0));
    }
    EXPECT_EQ(cache.count, 2);
    // Once the file exists the same entry gets it.
    fixture::WritePng(folder / "late.png", 4, 4, {});
    cache.GetImage(u"b.png", 1, 0);
    const auto late = cache.GetImage(u"late.png", 1, 0);
    ASSERT_TRUE(late);
    EXPECT_EQ(cache.entries[0]->image, late);
    EXPECT_EQ(cache.count, 2);
}

TEST_F(ContentManagerTest, FontsAreCreatedOnceAndNeverNull) {
    fixture::WritePng(folder / "fonts_k_0.png", 16, 16, {{0, 0, 4, 7}});
    fixture::WriteText(folder / "fonts_k.txt", "loader=bitmap\nbitmaps=1\n65,0,0,5,0,0,0,4,7\n");
    iContentManager cache;
    const auto font = cache.GetFont(u"fonts_k.txt");
    ASSERT_TRUE(font);
    EXPECT_FLOAT_EQ(font->TextWidth(u"AA", 1.0f), 10.0f);
    cache.GetImage(u"b.png", 1, 0);
    EXPECT_EQ(cache.GetFont(u"fonts_k.txt"), font);
    EXPECT_EQ(cache.GetFont(u"fonts_k.txt"), font);
    EXPECT_EQ(cache.count, 2);

    // Missing description: an empty font, still cached.
    const auto missing = cache.GetFont(u"absent.txt");
    ASSERT_TRUE(missing);
    EXPECT_FLOAT_EQ(missing->TextWidth(u"abc", 1.0f), 0.0f);
    EXPECT_EQ(cache.GetFont(u"absent.txt"), missing);

    // A name first cached as an image still answers with a font, in the same entry.
    cache.GetImage(u"a.png", 1, 0);
    const int before = cache.count;
    EXPECT_TRUE(cache.GetFont(u"a.png"));
    cache.GetImage(u"b.png", 1, 0);
    EXPECT_TRUE(cache.GetFont(u"a.png"));
    EXPECT_EQ(cache.count, before);
}

// Entries are found again by index: growing the table must not move them.
TEST_F(ContentManagerTest, GrowthKeepsEveryEntryAtItsIndex) {
    iContentManager& cache = *TheContentManager;
    const std::size_t first = cache.entries.size();
    for (std::size_t i = 0; i < first; ++i)
        cache.GetFont(u"font" + platform::Str(static_cast<int>(i)) + u".txt");
    const std::vector<std::shared_ptr<iContentObject>> taken(cache.entries.begin(),
                                                             cache.entries.end());
    cache.GetFont(u"one more.txt");
    ASSERT_GT(cache.entries.size(), first);
    for (std::size_t i = 0; i < taken.size(); ++i)
        EXPECT_EQ(cache.entries[i], taken[i]);
    EXPECT_EQ(cache.entries[first]->name, u"one more.txt");
    for (const auto& entry : cache.entries)
        ASSERT_TRUE(entry); // the new slots are empty entries, never null
    EXPECT_EQ(cache.Find(u"font5.txt"), cache.entries[5]);
    EXPECT_FALSE(cache.Find(u"never.txt"));
}

TEST_F(ContentManagerTest, SetFlagMarksOnlyTheNamedEntries) {
    iContentManager cache(0);
    cache.GetImage(u"a.png", 1, 0);
    cache.GetImage(u"b.png", 1, 0);
    cache.SetFlag(u"b.png", true);
    cache.SetFlag(u"c.png", true);
    EXPECT_FALSE(cache.entries[0]->flag);
    EXPECT_TRUE(cache.entries[1]->flag);
    EXPECT_EQ(cache.cursor, cache.count);
    // The flag does not change what a lookup answers.
    EXPECT_TRUE(cache.GetImage(u"b.png", 1, 0));
    cache.SetFlag(u"b.png", false);
    EXPECT_FALSE(cache.entries[1]->flag);
}
