// The gallery and the end screen drawn for real by OpenGL at the window's start size and at full
// HD. The photos are real captures: rooms with a dressed puppet drawn by OpenGL at the size of a
// game terrain (one on the whole canvas), read back into 24-bit BMP files.
#include <fstream>

#include "gui/word_tag.h"
#include "puppets/clothes_choice.h"
#include "puppets/puppets_playfield.h"
#include "screens/end_screen.h"
#include "screens/gallery_screen.h"
#include "screenshot_fixture.h"

namespace {

struct Photo {
    const char16_t *mot, *verbe, *uneMain, *deuxMains;
    const char* phrase;
};
// Oldest first; the last one fills the canvas, the others a quarter of it.
const Photo Photos[] = {
    {u"perso_monsieur_m", u"oum_tenir", u"unemain_marteau_m", u"", "Le monsieur tient un marteau."},
    {u"perso_monsieur_m", u"i_jouer de la musique", u"", u"", "Le monsieur joue de la musique."},
    {u"perso_petite fille_f", u"i_lever les bras", u"", u"",
     "Le petit garçon qui porte une casquette violette lance une banane à la petite fille qui "
     "promène un crocodile blanc."},
    {u"perso_petite fille_f", u"oum_tenir", u"unemain_balle_f", u"",
     "C'est la petite fille qui tient la balle, et la dame regarde la petite fille qui rit."},
    {u"perso_petit garcon_m", u"odm_porter", u"", u"deuxmains_gateau_m",
     "Le petit garçon porte un gâteau."}};

class GalleryEndScreenshotTest : public ScreenshotTest {
  protected:
    void Capture(const Photo& photo, float echelle, const std::string& nom) {
        iPlayfieldFin piece;
        piece.width = 1280;
        piece.height = 768;
        piece.largeur = 1280;
        piece.hauteur = 768;
        piece.CouleurFondAuHasard();
        piece.MeublesAuHasard();
        piece.persos = {std::make_shared<Pantin>()};
        piece.dernierPerso = 0;
        Pantin& perso = *piece.persos[0];
        HabillePerso(piece.persos, nullptr, perso, 0, photo.mot, u"", u"", u"", u"", u"", u"", u"",
                     u"");
        perso.Fabrique(1280, 768, photo.mot, photo.verbe, u"", photo.uneMain, photo.deuxMains, u"",
                       u"", u"", u"", u"", 1);
        perso.Repos(560);
        auto gl = platform::CreateOpenGlGraphics();
        platform::SetGraphicsDevice(gl.get());
        gl->BeginFrame(width, height);
        platform::Scale(echelle, echelle);
        piece.OnRender();
        gl->EndFrame();
        const int w = static_cast<int>(1280 * echelle);
        const int h = static_cast<int>(768 * echelle);
        const auto rgb = EnRgb(gl->ReadPixels(0, height - h, w, h), w, h);
        platform::SetGraphicsDevice(&graphics);
        const std::string chemin = platform::ToUtf8(dossierprofil) + nom + ".bmp";
        ASSERT_TRUE(stbi_write_bmp(chemin.c_str(), w, h, 3, rgb.data()));
    }
    void Clic(const iPlayfield& pf, float x, float y) {
        platform::Input().MoveMouse(pf.x + x * pf.scaleX, pf.y + y * pf.scaleY);
        platform::Input().Press(1);
        Step();
        platform::Input().Release(1);
        Step(3);
    }
};

} // namespace

TEST_P(GalleryEndScreenshotTest, GalleryPagesAndTheEndScreen) {
    if (!OuvreFenetre()) {
        GTEST_SKIP() << "no display, no OpenGL context or not that window size";
    }
    const float canvas = std::min(static_cast<float>(width) / 1280, height / 768.0f);
    std::string lignes;
    for (std::size_t i = 0; i < std::size(Photos); ++i) {
        const std::string nom = "mirelvanquibs_capture_2024-03-05_09301" + std::to_string(i);
        Capture(Photos[i], i + 1 < std::size(Photos) ? canvas / 2 : canvas, nom);
        lignes += nom + "|" + Photos[i].phrase + "\n";
    }
    std::ofstream(platform::ToUtf8(dossierprofil) + "phrases.txt") << lignes;

    ecrangalerie = std::make_shared<iEngineGalerie>();
    ecrangalerie->Create();
    SwitchScene(ecrangalerie);
    Step();
    iPlayFieldGalerie& galerie = *ecrangalerie->galerie;
    // The view on the second page, the puppet walking in.
    galerie.persos[0]->Repos(1100);
    galerie.persos[0]->xArrivee = 1100;
    galerie.cameraX = 1280;
    Clic(galerie, 500, 740);
    Step(150);
    Shoot("galerie", "galerie_marche");
    const Tableau& t = *galerie.tableaux[1];
    Clic(galerie, t.etiquetteX - 1280 + 70, t.etiquetteY + 19);
    ASSERT_EQ(galerie.legende->status, 1);
    Shoot("galerie", "galerie_phrase");
    Clic(galerie, 640, 740);
    // Four lines at full size: made smaller to fit the card.
    const Tableau& longue = *galerie.tableaux[2];
    Clic(galerie, longue.etiquetteX - 1280 + 70, longue.etiquetteY + 19);
    ASSERT_EQ(galerie.legende->status, 1);
    Shoot("galerie", "galerie_phrase_longue");
    Clic(galerie, 640, 740);
    const Tableau& grande = *galerie.tableaux[0];
    Clic(galerie, grande.sprite->x - 1280 + 100, grande.sprite->y + 50);
    ASSERT_EQ(galerie.numeroAgrandi, 1);
    Shoot("galerie", "galerie_agrandie");

    // Mid-run, with a praise that needs a named sign (space, apostrophe or accent).
    ecranfin = std::make_shared<iEngineFin>();
    ecranfin->Create();
    SwitchScene(ecranfin);
    Step();
    while (ecranfin->phrase.find_first_of(u" 'àéè") == String::npos) {
        platform::Input().KeyPress(72);
        Step(2);
        platform::Input().Release(72);
    }
    Step(80);
    Shoot("fin", "fin_course");
}

INSTANTIATE_TEST_SUITE_P(StartAndFullHd, GalleryEndScreenshotTest,
                         ::testing::Values(std::pair{1134, 680}, std::pair{1920, 1080}));
