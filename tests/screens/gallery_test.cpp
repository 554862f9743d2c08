// The gallery on a fake profile folder: which captures hang on the wall and where, and a child's
// play with the pictures, the name plates, the floor, the edges, the keys and the way out.
#include <stb/stb_image_write.h>

#include <cstdio>
#include <fstream>

#include "game/word_tag.h"
#include "gui/button_variants.h"
#include "gui/text_field.h"
#include "menu_fixture.h"
#include "screens/gallery_screen.h"
#include "screens/profiles_screen.h"

namespace {

class GalleryTest : public MenuTest {
  protected:
    std::filesystem::path Dossier() const { return platform::ToUtf8(dossierprofil); }

    // The i-th photo of a series taken one second apart, named as the game names them.
    static std::string Capture(int i) {
        char nom[64];
        std::snprintf(nom, sizeof nom, "mirelvanquibs_capture_2024-03-05_09%02d%02d", i / 60,
                      i % 60);
        return nom;
    }
    // A solid picture of its own width, so that each capture can be told apart once loaded.
    void EcritCapture(const std::string& fichier, int largeur, int hauteur = 72) const {
        const std::vector<std::uint8_t> rgb(static_cast<std::size_t>(largeur * hauteur * 3), 90);
        ASSERT_TRUE(stbi_write_bmp((Dossier() / fichier).c_str(), largeur, hauteur, 3, rgb.data()));
    }
    void Ecrit(const std::string& fichier, const std::string& octets) const {
        std::ofstream(Dossier() / fichier, std::ios::binary) << octets;
    }

    std::shared_ptr<iEngineGalerie> Ouvre() {
        ecrangalerie = std::make_shared<iEngineGalerie>();
        ecrangalerie->Create();
        SwitchScene(ecrangalerie);
        Step();
        return ecrangalerie;
    }

    // A click on a point of the room, given in room units, through the window's letterbox.
    void Clic(float x, float y, int apres = 1) {
        const iPlayFieldGalerie& g = *ecrangalerie->galerie;
        platform::Input().MoveMouse(g.x + (x - g.cameraX) * g.scaleX, g.y + y * g.scaleY);
        platform::Input().Press(1);
        Step();
        platform::Input().Release(1);
        Step(apres);
    }
    void ClicPlaque(int numero) {
        const Tableau& t = *ecrangalerie->galerie->tableaux[static_cast<std::size_t>(numero) - 1];
        Clic(t.etiquetteX + t.etiquetteLargeur / 2, t.etiquetteY + t.etiquetteHauteur / 2);
    }
    // The floor of the page on view.
    void ClicSol(float xDansLaVue) { Clic(ecrangalerie->galerie->cameraX + xDansLaVue, 740); }
    const Pantin& Perso() const { return *ecrangalerie->galerie->persos[0]; }
    const iGuiEtiquette& Carte() const { return *ecrangalerie->galerie->legende; }
};

} // namespace

// Whatever else lies in the folder, the wall holds the newest readable captures, newest first,
// at most twenty, three to a page after the puppet's page, each in its frame above its plate.
TEST_F(GalleryTest, WallHoldsTheNewestReadableCapturesThreeToAPage) {
    struct Cas {
        int captures;
        int cassees;
        int tableaux;
        int pages;
    };
    for (const Cas cas : {Cas{0, 0, 0, 1}, Cas{1, 0, 1, 2}, Cas{3, 0, 3, 2}, Cas{4, 0, 4, 3},
                          Cas{25, 0, 20, 8}, Cas{2, 1, 2, 2}, Cas{25, 3, 20, 8}}) {
        SCOPED_TRACE(testing::Message()
                     << cas.captures << " captures, " << cas.cassees << " broken");
        std::filesystem::remove_all(Dossier());
        std::filesystem::create_directories(Dossier() / "dossier.bmp");
        for (int i = 0; i < cas.captures; ++i) {
            EcritCapture(Capture(i) + ".bmp", 100 + i);
        }
        // The newest names of all: a damaged picture and an empty file.
        for (int i = 0; i < cas.cassees; ++i) {
            Ecrit(Capture(100 + i) + ".bmp", i % 2 ? "" : "BM pas une image");
        }
        Ecrit("preferences", std::string(284, '\0'));
        Ecrit("phrases.txt", Capture(0) + "|Une phrase.\n");
        Ecrit("zzz.BMP", "");
        Ecrit(".cachee.bmp", "");

        const auto galerie = Ouvre()->galerie;
        ASSERT_EQ(ecrangalerie->NombreDeTableaux(), cas.tableaux);
        EXPECT_EQ(galerie->nombreDePages, cas.pages);
        for (int k = 0; k < cas.tableaux; ++k) {
            const Tableau& t = *galerie->tableaux[static_cast<std::size_t>(k)];
            const int i = cas.captures - 1 - k;
            EXPECT_EQ(platform::ToUtf8(t.nom), Capture(i));
            const float x = 1404 + 400.0f * static_cast<float>(k);
            EXPECT_FLOAT_EQ(t.sprite->x, x);
            EXPECT_FLOAT_EQ(t.sprite->Width(), 238) << "the picture fills the frame's window";
            EXPECT_EQ(t.sprite->FirstImage()->Width(), 100 + i);
            EXPECT_FLOAT_EQ(t.cadreX, x - 44);
            EXPECT_FLOAT_EQ(t.sprite->y, t.cadreY + 132);
            EXPECT_TRUE(t.cadreY >= 80 && t.cadreY < 200);
            EXPECT_TRUE(t.etiquetteX >= x + 42 && t.etiquetteX < x + 50);
            EXPECT_TRUE(t.etiquetteY >= t.cadreY + 314 && t.etiquetteY < t.cadreY + 344);
            // Frame and plate lie in the room, past the puppet's page, above the floor.
            EXPECT_GE(t.cadreX, 1280);
            EXPECT_LE(t.cadreX + 326, galerie->nombreDePages * 1280.0f);
            EXPECT_LE(t.etiquetteY + 38, 768 - 60);
        }
        Frame();
    }
}

// A visit: pictures enlarge, plates show their sentences (accents kept, what the font cannot
// draw left out), a press only closes what is open, the puppet walks where the floor is
// touched and the room scrolls from page to page without leaving the room; Escape goes to the
// hub and the back button to the profiles screen. The screen keeps the window's letterbox.
TEST_F(GalleryTest, VisitWithPicturesPlatesWalksAndScrolls) {
    Stage(1920, 1080);
    ecranprofils = std::make_shared<iEngineProfils>();
    ecranprofils->Create();
    for (int i = 0; i < 5; ++i) {
        EcritCapture(Capture(i) + ".bmp", 160, 96);
    }
    // Newest first on the wall: 4, 3, 2, 1, 0.
    Ecrit("phrases.txt", "autre_" + Capture(4) + "|Pas celle-ci.\n" + Capture(4) +
                             "|La dame lève les bras et le garçon saute à la corde.\n" +
                             Capture(3) + "|Le garçon \xF0\x9F\x99\x82 court.\r\n" + Capture(9) +
                             "|Une photo perdue.\n" + Capture(2) + "|\n" + Capture(3) +
                             "x|Le monsieur regarde l'éléphant.\n");
    const auto ecran = Ouvre();
    const auto galerie = ecran->galerie;
    EXPECT_FLOAT_EQ(galerie->scaleX, 1080.0f / 768);
    EXPECT_FLOAT_EQ(galerie->x, (1920 - 1280 * 1080.0f / 768) / 2);
    platform::SetDeviceSize(1134, 680);
    platform::CheckResize();
    ResizeCurrentScene();
    EXPECT_FLOAT_EQ(galerie->scaleX, 680.0f / 768);
    EXPECT_FLOAT_EQ(galerie->x, (1134 - 1280 * 680.0f / 768) / 2);

    // The right arrow walks the view to the second page, and never past the last.
    platform::Input().KeyPress(39);
    Step(128);
    EXPECT_FLOAT_EQ(galerie->cameraX, 1280);
    Step(300);
    EXPECT_FLOAT_EQ(galerie->cameraX, 2 * 1280);
    platform::Input().Release(39);
    platform::Input().KeyPress(37);
    Step(128);
    platform::Input().Release(37);
    Step();
    ASSERT_FLOAT_EQ(galerie->cameraX, 1280);

    // A picture enlarges; the next press only closes it.
    const Tableau& premier = *galerie->tableaux[0];
    Clic(premier.sprite->x + 100, premier.sprite->y + 60);
    EXPECT_EQ(galerie->numeroAgrandi, 1);
    EXPECT_EQ(galerie->imageAgrandie->GetSurface(), premier.sprite->FirstImage()->GetSurface());
    ASSERT_FALSE(audio.events.empty());
    EXPECT_EQ(audio.events.back().channel, 0);
    Frame();
    ClicSol(300);
    EXPECT_EQ(galerie->numeroAgrandi, 0);
    EXPECT_EQ(Perso().action1, CodeAction::Aucune) << "a closing press does not walk";

    // Plates: a sentence with accents, one with a character the font lacks and a Windows line
    // end, an empty one, and a picture with no line at all.
    ClicPlaque(1);
    EXPECT_EQ(Carte().status, 1);
    EXPECT_EQ(Carte().legende->GetText(), u"La dame lève les bras et le garçon saute à la corde.");
    EXPECT_FLOAT_EQ(Carte().x, 640);
    EXPECT_FLOAT_EQ(Carte().y, 384);
    Step();
    // The caption sits on the card.
    const iGuiTextField& texte = *Carte().legende;
    const float gauche = texte.x - texte.handleX;
    const float haut = texte.y - texte.handleY;
    EXPECT_GE(gauche, Carte().x - Carte().Width() / 2);
    EXPECT_LE(gauche + texte.Width(), Carte().x + Carte().Width() / 2);
    EXPECT_NEAR(haut + texte.Height() / 2, Carte().y, 1);
    Frame();
    ClicSol(300);
    EXPECT_EQ(Carte().status, 0);
    EXPECT_EQ(Perso().action1, CodeAction::Aucune);
    ClicPlaque(2);
    EXPECT_EQ(Carte().legende->GetText(), u"Le garçon  court.");
    ClicSol(300);
    for (const int numero : {3, 4}) {
        ClicPlaque(numero);
        EXPECT_EQ(galerie->numeroLegende, numero);
        EXPECT_EQ(Carte().status, 0) << "no sentence, no card";
        ClicSol(300);
        EXPECT_EQ(galerie->numeroLegende, 0);
        EXPECT_EQ(Perso().action1, CodeAction::Aucune) << "still a closing press";
    }

    // The floor: the puppet walks there and stops.
    ClicSol(900);
    EXPECT_EQ(Perso().action1, CodeAction::Marcher);
    EXPECT_FLOAT_EQ(Perso().xArrivee, 1280 + 900);
    EXPECT_EQ(Perso().sens, 1.0f);
    for (int i = 0; i < 2000 && Perso().action1 != CodeAction::Aucune; ++i) {
        Step();
    }
    EXPECT_EQ(Perso().action1, CodeAction::Aucune);
    EXPECT_NEAR(Perso().buste->x, 1280 + 900, 2);

    // Held at the right edge, the finger leads the puppet on and the room scrolls, never past
    // its last page; held at the left edge, back to the first page and never before it.
    const auto tiens = [&](float xDansLaVue, int images) {
        for (int i = 0; i < images; ++i) {
            platform::Input().MoveMouse(galerie->x + xDansLaVue * galerie->scaleX,
                                        galerie->y + 740 * galerie->scaleY);
            platform::Input().Press(1);
            Step();
            EXPECT_GE(galerie->cameraX, 0);
            EXPECT_LE(galerie->cameraX, 2 * 1280);
        }
        platform::Input().Release(1);
        Step();
    };
    tiens(1250, 600);
    EXPECT_GT(galerie->cameraX, 1280);
    EXPECT_GT(Perso().buste->x, 2 * 1280);
    tiens(30, 2000);
    EXPECT_FLOAT_EQ(galerie->cameraX, 0);
    EXPECT_GE(Perso().xArrivee, 0);

    platform::Input().KeyPress(27);
    Step(2);
    EXPECT_EQ(CurrentScene, ecranintro);

    // Back in the gallery, the back button leads to the profiles screen.
    Ouvre();
    const auto& retour = *ecrangalerie->galerie->bouton;
    Click(retour, 12);
    EXPECT_EQ(CurrentScene, ecranprofils);
}

// The sentence of a capture comes from the line that starts with its name.
TEST(GalleryCaptions, LineOfTheCaptureOnly) {
    const String texte = u"ba|Non.\na|Première.\nab|Non plus.\nc|\r\na|Seconde.\r\n";
    EXPECT_EQ(PhraseDeCapture(texte, u"a"), u"Seconde.");
    EXPECT_EQ(PhraseDeCapture(texte, u"b"), u"");
    EXPECT_EQ(PhraseDeCapture(texte, u"c"), u"");
    EXPECT_EQ(PhraseDeCapture(u"", u"a"), u"");
}
