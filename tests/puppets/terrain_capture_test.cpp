// The BMP capture (bytes against the recording device's read-back, clamping, an unwritable
// folder), and the terrain's own capture, pop zoom and aim.
#include <filesystem>
#include <fstream>

#include "action_scenes.h"
#include "framework/frame_chain.h"
#include "puppets/bmp_file.h"
#include "puppets/terrain_playfield.h"

namespace {

class Capture : public ActionTest {
  protected:
    void SetUp() override {
        ActionTest::SetUp();
        std::string modele = std::filesystem::temp_directory_path() / "mq-capture-XXXXXX";
        ASSERT_NE(mkdtemp(modele.data()), nullptr);
        dossier = modele;
        dossierprofil = platform::FromUtf8(dossier + "/");
    }
    void TearDown() override {
        std::filesystem::remove_all(dossier);
        dossierprofil.clear();
        ActionTest::TearDown();
    }
    static std::vector<std::uint8_t> Lit(const std::string& chemin) {
        std::ifstream in(chemin, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::uint32_t Mot(const std::vector<std::uint8_t>& o, std::size_t i) {
        return o[i] | o[i + 1] << 8 | o[i + 2] << 16 | static_cast<std::uint32_t>(o[i + 3]) << 24;
    }

    std::string dossier;
};

} // namespace

TEST_F(Capture, BytesOfTheFileFromTheFrameReadBack) {
    // The wall, and a stripe over the rectangle's top row but its last pixel.
    platform::Cls(10 / 255.0f, 20 / 255.0f, 30 / 255.0f);
    platform::SetColor(200, 100, 50);
    platform::DrawRect(10, 20, 2, 1);
    BmpFile bmp;
    ASSERT_TRUE(bmp.Capture(10, 20, 3, 2));
    const auto& o = bmp.donnees;
    ASSERT_EQ(o.size(), 54u + 2 * 12);
    EXPECT_EQ(o[0], 'B');
    EXPECT_EQ(o[1], 'M');
    // Sizes, offsets, planes and bits, no compression, 3779 pixels per metre.
    for (auto [position, valeur] : {std::pair{2, 78u},
                                    {10, 54u},
                                    {14, 40u},
                                    {18, 3u},
                                    {22, 2u},
                                    {26, 1u + (24u << 16)},
                                    {30, 0u},
                                    {34, 24u},
                                    {38, 3779u}}) {
        EXPECT_EQ(Mot(o, static_cast<std::size_t>(position)), valeur) << position;
    }
    // Bottom row first, blue green red, each row padded to 12 bytes with zeros.
    const std::vector<std::uint8_t> bas = {30, 20, 10, 30, 20, 10, 30, 20, 10, 0, 0, 0};
    const std::vector<std::uint8_t> haut = {50, 100, 200, 50, 100, 200, 30, 20, 10, 0, 0, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(o.begin() + 54, o.begin() + 66), bas);
    EXPECT_EQ(std::vector<std::uint8_t>(o.begin() + 66, o.end()), haut);

    // Row sizes, and the whole canvas.
    for (auto [w, ligne] : {std::pair{1, 4}, std::pair{2, 8}, std::pair{108, 324}}) {
        ASSERT_TRUE(bmp.Capture(0, 0, w, 1));
        EXPECT_EQ(bmp.tailleLigne, ligne);
    }
    ASSERT_TRUE(bmp.Capture(0, 0, 1280, 768));
    EXPECT_EQ(bmp.tailleFichier, 2949174);
    EXPECT_EQ(Mot(bmp.donnees, 34), 2949120u);
}

TEST_F(Capture, ClampedToTheFramebufferAndFailuresReported) {
    BmpFile bmp;
    EXPECT_FALSE(bmp.Sauve(u"rien")) << "nothing captured yet";
    // Partly outside: only the part on the framebuffer.
    ASSERT_TRUE(bmp.Capture(-5, 760, 10, 20));
    EXPECT_EQ(bmp.largeur, 5);
    EXPECT_EQ(bmp.hauteur, 8);
    ASSERT_TRUE(bmp.Sauve(u"mirelvanquibs_capture_2025-03-05_090703"));
    const std::string fichier = dossier + "/mirelvanquibs_capture_2025-03-05_090703.bmp";
    EXPECT_EQ(Lit(fichier), bmp.donnees);
    // Wholly outside or empty: nothing kept, nothing written.
    for (auto [x, y, w, h] :
         {std::array{1300, 0, 10, 10}, std::array{0, 0, 0, 10}, std::array{0, -20, 10, 20}}) {
        EXPECT_FALSE(bmp.Capture(x, y, w, h));
        EXPECT_TRUE(bmp.donnees.empty());
        EXPECT_FALSE(bmp.Sauve(u"vide"));
    }
    EXPECT_FALSE(std::filesystem::exists(dossier + "/vide.bmp"));
    // A folder that cannot be written.
    ASSERT_TRUE(bmp.Capture(0, 0, 4, 4));
    std::ofstream(dossier + "/fichier") << "x";
    dossierprofil = platform::FromUtf8(dossier + "/fichier/");
    EXPECT_FALSE(bmp.Sauve(u"impossible"));
}

TEST_F(Capture, TheTerrainCapturesZoomsAndAims) {
    // A small window keeps the read-back of the recorded frame quick.
    ResetStage(640, 384);
    dossierprofil = platform::FromUtf8(dossier + "/");
    const auto scenes = Scenes();
    const auto t = Monte(*std::find_if(scenes.begin(), scenes.end(),
                                       [](const Scene& s) { return s.nom == "regard"; }));
    t->couleurFond = {119, 15, 11};

    // A capture asked for is written at the next drawing, once.
    t->nomCapture = u"photo";
    t->captureDemandee = true;
    graphics.BeginFrame(640, 384);
    t->OnRender();
    EXPECT_FALSE(t->captureDemandee);
    EXPECT_TRUE(t->captureReussie);
    EXPECT_EQ(t->nomCapture, u"photo");
    const auto image = platform::LoadImage(platform::FromUtf8(dossier + "/photo.bmp"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width(), 640);
    ASSERT_TRUE(platform::EnsurePixels(*image->GetSurface()));
    EXPECT_EQ(image->GetSurface()->rgba[0], 119);
    dossierprofil = u"/proc/mirelvanquibs/";
    t->captureDemandee = true;
    t->OnRender();
    EXPECT_FALSE(t->captureReussie);

    // The pop zoom swells about the rest place, then snaps back to half the window.
    t->FixeRepos(30, 40);
    t->viewportWidth = 567;
    t->viewportHeight = 340;
    int plusLarge = 0;
    int images = 0;
    do {
        t->AnimeZoom(1135, 680);
        plusLarge = std::max(plusLarge, t->viewportWidth);
        EXPECT_LE(t->x, 30);
        ++images;
    } while (t->zoomEnCours && images < 100);
    EXPECT_EQ(plusLarge, 567 + 7 * 6);
    EXPECT_EQ(t->viewportWidth, 567);
    EXPECT_EQ(t->viewportHeight, 340);
    // Half of an odd window is half a pixel short: a quarter pixel off the rest place.
    EXPECT_NEAR(t->x, 30, 0.25);
    EXPECT_FLOAT_EQ(t->y, 40);

    // The second puppet looks only when it acts its own verb.
    Pantin& p1 = *t->persos[1];
    p1.action1 = CodeAction::RegarderPersonne;
    p1.indexRegarde = 0;
    p1.tete->rotation = 7;
    t->deuxiemePerso = false;
    t->VisePersos();
    EXPECT_EQ(p1.tete->rotation, 7);
    t->deuxiemePerso = true;
    t->VisePersos();
    EXPECT_NE(p1.tete->rotation, 7);
    EXPECT_LE(std::fabs(p1.tete->rotation), 18);
}
