// The gallery and the end screen drawn for real by OpenGL, at the window's start size and at
// full HD. The gallery's photos are real captures: rooms with dressed puppets drawn by OpenGL
// and read back into 24-bit BMP files, with their sentences in "phrases.txt".
#include <cstdio>
#include <fstream>

#include "game/word_tag.h"
#include "puppets/clothes_choice.h"
#include "puppets/puppets_playfield.h"
#include "screens/end_screen.h"
#include "screens/gallery_screen.h"
#include "screenshot_fixture.h"

namespace {

struct PersoPhoto {
    const char16_t* mot;
    float x;
    float sens;
    const char16_t* verbe;
    const char16_t* uneMain;
    const char16_t* deuxMains;
};
struct Photo {
    std::vector<PersoPhoto> persos;
    const char* phrase;
    // Taken with one animation on the whole canvas rather than in a quarter of it.
    bool grande;
};

// Oldest first; the wall shows the newest first.
const Photo Photos[] = {
    {{{u"perso_monsieur_m", 640, 1, u"oum_tenir", u"unemain_marteau_m", u""}},
     "Le monsieur tient un marteau.",
     false},
    {{{u"perso_dame_f", 480, 1, u"oum_tenir", u"unemain_pomme_f", u""}},
     "La dame tient une pomme.",
     false},
    {{{u"perso_monsieur_m", 520, 1, u"i_jouer de la musique", u"", u""}},
     "Le monsieur joue de la musique.",
     false},
    {{{u"perso_petit garcon_m", 640, -1, u"odm_porter", u"", u"deuxmains_gateau_m"}},
     "Le petit garçon porte un gâteau.",
     true},
    {{{u"perso_petite fille_f", 380, 1, u"oum_tenir", u"unemain_balle_f", u""},
      {u"perso_dame_f", 860, -1, u"oum_tenir", u"", u""}},
     "C'est la petite fille qui lance la balle à la dame, et la dame regarde la balle qui "
     "arrive.",
     false},
};

class GalleryEndScreenshotTest : public ScreenshotTest {
  protected:
    // The room of a photo drawn at the scale of a terrain in the game's grid (or on the whole
    // canvas), read back and saved as the capture the game would write.
    void Capture(const Photo& photo, const std::string& fichier) {
        const float canvas = std::min(static_cast<float>(width) / 1280, height / 768.0f);
        const float echelle = photo.grande ? canvas : canvas / 2;
        const int w = static_cast<int>(1280 * echelle);
        const int h = static_cast<int>(768 * echelle);
        auto piece = std::make_shared<iPlayfieldFin>();
        piece->width = piece->largeur = 1280;
        piece->height = piece->hauteur = 768;
        piece->CouleurFondAuHasard();
        piece->MeublesAuHasard();
        piece->persos.clear();
        const StructureAction vide;
        for (const PersoPhoto& p : photo.persos) {
            auto perso = std::make_shared<Pantin>();
            piece->persos.push_back(perso);
            HabillePerso(piece->persos, &vide, *perso, 0, p.mot, u"", u"", u"", u"", u"", u"", u"",
                         u"");
            perso->Fabrique(1280, 768, p.mot, p.verbe, u"", p.uneMain, p.deuxMains, u"", u"", u"",
                            u"", u"", p.sens);
            perso->sensTete = perso->sens;
            perso->xArrivee = p.x;
            perso->Repos(p.x);
        }
        piece->dernierPerso = static_cast<int>(piece->persos.size()) - 1;

        auto gl = platform::CreateOpenGlGraphics();
        platform::SetGraphicsDevice(gl.get());
        gl->BeginFrame(width, height);
        platform::Scale(echelle, echelle);
        piece->OnRender();
        gl->EndFrame();
        const auto rgb = EnRgb(gl->ReadPixels(0, height - h, w, h), w, h);
        platform::SetGraphicsDevice(&graphics);
        const std::string chemin = platform::ToUtf8(dossierprofil) + fichier;
        ASSERT_TRUE(stbi_write_bmp(chemin.c_str(), w, h, 3, rgb.data()));
    }

    // A click on a point of the canvas, through the letterbox.
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
    std::string lignes;
    int i = 0;
    for (const Photo& photo : Photos) {
        char nom[64];
        std::snprintf(nom, sizeof nom, "mirelvanquibs_capture_2024-03-05_0930%02d", i++);
        Capture(photo, std::string(nom) + ".bmp");
        lignes += std::string(nom) + "|" + photo.phrase + "\n";
    }
    std::ofstream(platform::ToUtf8(dossierprofil) + "phrases.txt", std::ios::binary) << lignes;

    ecrangalerie = std::make_shared<iEngineGalerie>();
    ecrangalerie->Create();
    SwitchScene(ecrangalerie);
    Step(3);
    const auto galerie = ecrangalerie->galerie;
    ASSERT_EQ(ecrangalerie->NombreDeTableaux(), 5);
    Shoot("galerie", "galerie_accueil");

    // The finger held near the right edge: the puppet walks on and the room follows it.
    platform::Input().MoveMouse(galerie->x + 1240 * galerie->scaleX,
                                galerie->y + 730 * galerie->scaleY);
    platform::Input().Press(1);
    for (int n = 0; n < 900 && galerie->cameraX < 1000; ++n) {
        Step();
    }
    platform::Input().Release(1);
    Step(20);
    Shoot("galerie", "galerie_marche");

    // The second page straight on: the newest three photos; a plate, then a photo.
    for (int n = 0; n < 900 && (ecrangalerie->defileDroite || ecrangalerie->defileGauche); ++n) {
        Step();
    }
    platform::Input().KeyPress(37);
    Step(300);
    platform::Input().Release(37);
    platform::Input().KeyPress(39);
    Step(128);
    platform::Input().Release(39);
    Step();
    ASSERT_FLOAT_EQ(galerie->cameraX, 1280);
    const auto plaque = [&](int k) {
        const Tableau& t = *galerie->tableaux[static_cast<std::size_t>(k)];
        Clic(*galerie, t.etiquetteX - 1280 + 70, t.etiquetteY + 19);
    };
    plaque(0);
    ASSERT_EQ(galerie->legende->status, 1);
    Shoot("galerie", "galerie_phrase_longue");
    Clic(*galerie, 640, 740);
    plaque(1);
    Shoot("galerie", "galerie_phrase");
    Clic(*galerie, 640, 740);
    const Tableau& grande = *galerie->tableaux[1];
    Clic(*galerie, grande.sprite->x - 1280 + 100, grande.sprite->y + 50);
    ASSERT_EQ(galerie->numeroAgrandi, 2);
    Shoot("galerie", "galerie_agrandie");

    // The end screen with a praise that needs a named sign (space, apostrophe or accent).
    ecranfin = std::make_shared<iEngineFin>();
    ecranfin->Create();
    SwitchScene(ecranfin);
    Step();
    for (int n = 0; n < 60 && ecranfin->phrase.find_first_of(u" 'àéè") == String::npos; ++n) {
        platform::Input().KeyPress(72);
        Step();
        platform::Input().Release(72);
        Step();
    }
    Step(60);
    Shoot("fin", "fin_course");
    Step(400);
    Shoot("fin", "fin_arrivee");
}

INSTANTIATE_TEST_SUITE_P(StartAndFullHd, GalleryEndScreenshotTest,
                         ::testing::Values(std::pair{1134, 680}, std::pair{1920, 1080}));
