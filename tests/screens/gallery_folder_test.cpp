// The gallery on what a profile folder may hold besides the game's captures: files that
// declare huge pictures, more files than one opening looks at, captures stored top first.
#include <sys/stat.h>

#include "menu_fixture.h"
#include "platform/capture_picture.h"
#include "platform/picture_bytes.h"
#include "screens/gallery_screen.h"

namespace {

class GalleryFolderTest : public MenuTest {
  protected:
    // The i-th photo of a series taken a second apart, named as the game names them: the
    // larger i, the newer.
    static std::string Capture(int i) {
        return "mirelvanquibs_capture_2024-03-05_09" + std::to_string(10 + i / 60) +
               std::to_string(10 + i % 60) + ".bmp";
    }
    void Put(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        WriteBytes(platform::ToUtf8(dossierprofil) + name, bytes);
    }
    // A grey capture as the game writes it, as wide as 100 + i.
    void PutCapture(int i) const {
        Put(Capture(i), MakeBmp(100 + i, 60, 24, {}, [](int, int) { return 0x5a5a5au; }));
    }
};

// What a parent's folder was found to hold, each under a capture's name: a PNG of 8 KB or a
// 1-bit BMP that declares 4096 x 4096, 16-bit samples, a cut header, a compression field that
// reads as negative, a palette shorter than its indices. Each is refused from its header, so
// the twenty of them cost the opening no buffer larger than one picture on the wall.
std::vector<std::vector<std::uint8_t>> HostileFiles() {
    std::vector<std::vector<std::uint8_t>> files;
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 13,  10, 26, 10,   0, 0, 0,
                                     13,   'I', 'H', 'D', 'R', 0,  0,  0x10, 0, 0, 0,
                                     0x10, 0,   8,   6,   0,   0,  0,  0,    0, 0, 0};
    png.resize(8 * 1024, 0);
    files.push_back(png);
    std::vector<std::uint8_t> deep = png;
    deep[24] = 16;
    files.push_back(deep);
    auto oneBit = BmpHeader(4096, 4096, 1, 2);
    oneBit.resize(8 * 1024, 0x55);
    files.push_back(oneBit);
    auto cut = BmpHeader(4000, 4000, 24, 0);
    cut[10] = 29;
    cut.resize(29);
    files.push_back(cut);
    auto negative = BmpHeader(4000, 4000, 24, 0, 0x80000000u);
    negative[10] = 34;
    negative.resize(34);
    files.push_back(negative);
    files.push_back(MakeBmp(64, 64, 8, {0x102030}, [](int x, int) { return x % 200u; }));
    // Declared rows that the file does not hold.
    auto rowless = BmpHeader(4096, 4096, 24, 0);
    rowless.resize(8 * 1024, 0);
    files.push_back(rowless);
    return files;
}

} // namespace

// Behind them, three captures; the newest, stored top first as some editors write them, hangs
// the right way up.
TEST_F(GalleryFolderTest, TwentyHostileFilesCostTheOpeningNoLargeBufferAndTopFirstRowsHangUpright) {
    for (int i = 0; i < 2; ++i) {
        PutCapture(i);
    }
    Put(Capture(2),
        MakeBmp(102, -60, 24, {}, [](int, int r) { return r < 30 ? 0xff0000u : 0x0000ffu; }));
    const auto hostile = HostileFiles();
    for (int i = 0; i < 20; ++i) {
        Put(Capture(100 + i), hostile[static_cast<std::size_t>(i) % hostile.size()]);
    }
    // The room's own pictures were read when the fixture made the hub.
    const auto watch = AllocationWatch::During(4u << 20, [this] { OuvreGalerie(); });
    EXPECT_EQ(watch.atLeastThreshold, 0) << "largest " << watch.largest;
    ASSERT_EQ(ecrangalerie->NombreDeTableaux(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(ecrangalerie->galerie->tableaux[static_cast<std::size_t>(k)]
                      ->sprite->FirstImage()
                      ->Width(),
                  102 - k);
    }
    const platform::PixelBytes& haut =
        ecrangalerie->galerie->tableaux[0]->sprite->FirstImage()->GetSurface()->rgba;
    EXPECT_EQ(std::vector<int>(haut.begin(), haut.begin() + 4), (std::vector<int>{255, 0, 0, 255}));
    EXPECT_EQ(std::vector<int>(haut.end() - 4, haut.end()), (std::vector<int>{0, 0, 255, 255}));
    Frame();
}

// Files the gallery refuses count toward what one opening looks at: past forty files it hangs
// nothing more, however many captures lie behind them.
TEST_F(GalleryFolderTest, OneOpeningLooksAtFortyFilesAtMost) {
    for (int i = 0; i < 5; ++i) {
        PutCapture(i);
    }
    const std::vector<std::uint8_t> junk = {'B', 'M', ' ', 'p', 'a', 's'};
    for (int i = 0; i < 35; ++i) {
        Put(Capture(100 + i), junk);
    }
    OuvreGalerie();
    EXPECT_EQ(ecrangalerie->NombreDeTableaux(), 5);
    for (int i = 35; i < 40; ++i) {
        Put(Capture(100 + i), junk);
    }
    OuvreGalerie();
    EXPECT_EQ(ecrangalerie->NombreDeTableaux(), 0);
    Frame();
}
