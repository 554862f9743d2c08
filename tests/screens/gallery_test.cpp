// The gallery on a fake profile folder: which captures hang on the wall, and a visit with the
// pictures, the name plates, the floor, the edges, the keys and the ways out.
#include <stb/stb_image_write.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "framework/bitmap_font.h"
#include "framework/mutator.h"
#include "gui/button_variants.h"
#include "gui/text_field.h"
#include "gui/word_tag.h"
#include "menu_fixture.h"
#include "screens/gallery_screen.h"
// The board's own limit of draws has a name of its own: both headers in one file compile.
#include "sentence/board.h"

namespace {

class GalleryTest : public MenuTest {
  protected:
    // The i-th photo of a series taken a second apart, named as the game names them.
    static std::string Capture(int i) {
        return "mirelvanquibs_capture_2024-03-05_09" + std::to_string(10 + i / 60) +
               std::to_string(10 + i % 60);
    }
    // A picture as wide as 100 + i, so that each capture is known once loaded.
    void Ecrit(const std::string& fichier, int i = -1, const std::string& octets = "") const {
        const std::string chemin = platform::ToUtf8(dossierprofil) + fichier;
        const std::vector<std::uint8_t> rgb(static_cast<std::size_t>((100 + i) * 60 * 3), 90);
        if (i >= 0) {
            ASSERT_TRUE(stbi_write_bmp(chemin.c_str(), 100 + i, 60, 3, rgb.data()));
        } else {
            std::ofstream(chemin, std::ios::binary) << octets;
        }
    }
    // A click on a point of the room, through the camera and the letterbox.
    void Clic(float x, float y) {
        const iPlayFieldGalerie& g = *ecrangalerie->galerie;
        platform::Input().MoveMouse(g.x + (x - g.cameraX) * g.scaleX, g.y + y * g.scaleY);
        platform::Input().Press(1);
        Step();
        platform::Input().Release(1);
        Step();
    }
};

} // namespace

// Whatever else lies in the folder, the wall holds the newest readable captures, newest first,
// at most twenty, 400 apart from the second page on, each picture 238 wide in its frame.
TEST_F(GalleryTest, WallHoldsTheNewestReadableCaptures) {
    struct Cas {
        int captures, cassees, tableaux, pages;
    };
    for (const Cas cas : {Cas{0, 0, 0, 1}, Cas{1, 0, 1, 2}, Cas{3, 0, 3, 2}, Cas{4, 0, 4, 3},
                          Cas{25, 0, 20, 8}, Cas{25, 3, 20, 8}}) {
        SCOPED_TRACE(testing::Message() << cas.captures << " + " << cas.cassees);
        std::filesystem::remove_all(platform::ToUtf8(dossierprofil));
        std::filesystem::create_directories(platform::ToUtf8(dossierprofil) + "dossier.bmp");
        for (int i = 0; i < cas.captures; ++i) {
            Ecrit(Capture(i) + ".bmp", i);
        }
        // The newest names of all: a damaged picture and an empty file.
        for (int i = 0; i < cas.cassees; ++i) {
            Ecrit(Capture(100 + i) + ".bmp", -1, i % 2 ? "" : "BM pas une image");
        }
        for (const char* autre : {"preferences", "phrases.txt", "zzz.BMP", ".cachee.bmp"}) {
            Ecrit(autre, -1, "x");
        }
        const iPlayFieldGalerie& galerie = OuvreGalerie();
        ASSERT_EQ(ecrangalerie->NombreDeTableaux(), cas.tableaux);
        EXPECT_EQ(galerie.nombreDePages, cas.pages);
        for (int k = 0; k < cas.tableaux; ++k) {
            const Tableau& t = *galerie.tableaux[static_cast<std::size_t>(k)];
            EXPECT_EQ(platform::ToUtf8(t.nom), Capture(cas.captures - 1 - k));
            EXPECT_EQ(t.sprite->FirstImage()->Width(), 100 + cas.captures - 1 - k);
            EXPECT_FLOAT_EQ(t.sprite->x, 1404 + 400.0f * static_cast<float>(k));
            EXPECT_FLOAT_EQ(t.sprite->Width(), 238);
            EXPECT_TRUE(t.etiquetteY + 38 < 768 - 60 &&
                        t.cadreX + 326 < galerie.nombreDePages * 1280);
        }
        Frame();
    }
}

// Pictures enlarge; plates show their sentence (the line that starts with the picture's name,
// accents kept, what the font cannot draw and a Windows line end left out), or nothing; a press
// only closes what is open. The floor walks the puppet, the edges scroll the room and the
// arrows move it, never beyond the room. Escape leads to the hub, the back button to the
// profiles screen. The room keeps the window's letterbox, built and resized.
TEST_F(GalleryTest, VisitWithPicturesPlatesWalksAndScrolls) {
    Stage(1920, 1080);
    ecranprofils = std::make_shared<iEngineProfils>();
    ecranprofils->Create();
    for (int i = 0; i < 4; ++i) {
        Ecrit(Capture(i) + ".bmp", i);
    }
    // Newest first on the wall: 3, 2, 1 (empty sentence), 0 (no line).
    Ecrit("phrases.txt", -1,
          "autre_" + Capture(3) + "|Pas celle-ci.\n" + Capture(3) + "|La dame lève les bras.\n" +
              Capture(2) + "|Le garçon \xF0\x9F\x99\x82 court.\r\n" + Capture(9) +
              "|Une photo perdue.\n" + Capture(1) + "|\n");
    iPlayFieldGalerie& galerie = OuvreGalerie();
    EXPECT_FLOAT_EQ(galerie.scaleX, 1080.0f / 768);
    platform::SetDeviceSize(1134, 680);
    platform::CheckResize();
    ResizeCurrentScene();
    EXPECT_FLOAT_EQ(galerie.scaleX, 680.0f / 768);
    EXPECT_FLOAT_EQ(galerie.x, (1134 - 1280 * 680.0f / 768) / 2);

    // Where the view rests and which sentence a card shows are told once each: the plays aim
    // at the name plates from the view and check the card by its line.
    std::vector<String> dits;
    platform::SetPrintSink([&dits](const String& ligne) {
        if (ligne.rfind(u"vue ", 0) == 0 || ligne.rfind(u"carte : ", 0) == 0) {
            dits.push_back(ligne);
        }
    });
    platform::Input().KeyPress(39);
    Step(400);
    EXPECT_FLOAT_EQ(galerie.cameraX, 2 * 1280);
    platform::Input().Release(39);
    platform::Input().KeyPress(37);
    Step(128);
    platform::Input().Release(37);
    ASSERT_FLOAT_EQ(galerie.cameraX, 1280);

    const Pantin& perso = *galerie.persos[0];
    const iGuiEtiquette& carte = *galerie.legende;
    const Tableau& premier = *galerie.tableaux[0];
    Clic(premier.sprite->x + 100, premier.sprite->y + 60);
    EXPECT_EQ(galerie.imageAgrandie->GetSurface(), premier.sprite->FirstImage()->GetSurface());
    Frame();
    const std::pair<int, String> plaques[] = {
        {1, u"La dame lève les bras."}, {2, u"Le garçon  court."}, {3, u""}, {4, u""}};
    for (const auto& [numero, phrase] : plaques) {
        Clic(1280 + 640, 740);
        EXPECT_EQ(galerie.numeroAgrandi + galerie.numeroLegende, 0);
        EXPECT_EQ(carte.status, 0);
        EXPECT_EQ(perso.action1, CodeAction::Aucune) << "a closing press never walks";
        const Tableau& t = *galerie.tableaux[static_cast<std::size_t>(numero) - 1];
        Clic(t.etiquetteX + 70, t.etiquetteY + 19);
        EXPECT_EQ(galerie.numeroLegende, numero);
        EXPECT_EQ(carte.status, phrase.empty() ? 0 : 1);
        if (!phrase.empty()) {
            EXPECT_EQ(carte.legende->GetText(), phrase);
            // The caption's block is centred on the card, within its width.
            const iGuiTextField& texte = *carte.legende;
            EXPECT_NEAR(texte.x - texte.handleX + texte.Width() / 2, 640, 1);
            EXPECT_NEAR(texte.y - texte.handleY + texte.Height() / 2, 384, 1);
            EXPECT_LE(texte.Width(), carte.Width());
        }
    }
    EXPECT_EQ(dits,
              (std::vector<String>{u"vue 2560", u"vue 1280", u"carte : La dame lève les bras.",
                                   u"carte : Le garçon  court."}));
    Clic(1280 + 640, 740);
    Clic(1280 + 900, 740);
    EXPECT_EQ(perso.action1, CodeAction::Marcher);
    EXPECT_FLOAT_EQ(perso.xArrivee, 1280 + 900);
    Step(1000);
    EXPECT_EQ(perso.action1, CodeAction::Aucune);
    EXPECT_NEAR(perso.buste->x, 1280 + 900, 2);

    // A finger held at an edge leads the puppet on; the room follows, and stays the room.
    for (const auto& [x, images] : {std::pair{1250.0f, 600}, std::pair{30.0f, 2000}}) {
        for (int i = 0; i < images; ++i) {
            platform::Input().MoveMouse(galerie.x + x * galerie.scaleX, galerie.y + 300);
            platform::Input().Press(1);
            Step();
            ASSERT_TRUE(galerie.cameraX >= 0 && galerie.cameraX <= 2 * 1280);
            ASSERT_TRUE(perso.xArrivee >= 0 && perso.xArrivee <= 3 * 1280);
        }
        platform::Input().Release(1);
        Step();
        EXPECT_FLOAT_EQ(galerie.cameraX, x > 640 ? 2 * 1280 : 0);
    }

    platform::Input().KeyPress(27);
    Step(2);
    EXPECT_EQ(CurrentScene, ecranintro);
    OuvreGalerie();
    Click(*ecrangalerie->galerie->bouton, 12);
    EXPECT_EQ(CurrentScene, ecranprofils);
}

// A parent's own line in "phrases.txt" with the typographic apostrophe, the oe ligatures and
// the ellipsis: the card shows and draws each of them with its own glyph, as the font places it.
TEST_F(GalleryTest, TheCardDrawsApostrophesAndLigaturesOfAParentsLine) {
    Ecrit(Capture(0) + ".bmp", 0);
    const String phrase = u"L\u2019après-midi, \u0152dipe mange un \u0153uf\u2026";
    Ecrit("phrases.txt", -1, Capture(0) + "|" + platform::ToUtf8(phrase) + "\n");
    iPlayFieldGalerie& galerie = OuvreGalerie();
    const Tableau& t = *galerie.tableaux[0];
    galerie.cameraX = 1280;
    Clic(t.etiquetteX + 70, t.etiquetteY + 19);
    const iGuiEtiquette& carte = *galerie.legende;
    ASSERT_EQ(carte.status, 1);
    const iGuiTextField& texte = *carte.legende;
    EXPECT_EQ(texte.GetText(), phrase);

    Frame();
    const iBitmapFont& police = *texte.font;
    ASSERT_TRUE(police.images[0x92] && police.images[0x9C] && police.images[0x8C] &&
                police.images[0x85]);
    // Each glyph's drawn width, in the order the card draws them, against the font's own.
    std::vector<float> attendus;
    for (const String& ligne : *texte.lines) {
        for (const char16_t c : ligne) {
            if (const auto& image =
                    police.images[static_cast<std::size_t>(std::max(0, iBitmapFont::GlyphCode(c)))];
                image && c != u' ') {
                attendus.push_back(static_cast<float>(image->Width()));
            }
        }
    }
    EXPECT_EQ(attendus.size(), 29u);
    std::vector<float> dessines;
    const float echelle = texte.scaleX * galerie.scaleX;
    for (const platform::DrawCommand& d : graphics.commands) {
        if (d.kind == platform::DrawCommand::ImageDraw &&
            platform::EndsWith(d.image, u"fonts_oregano_48_0.png")) {
            dessines.push_back(std::round((d.points[2] - d.points[0]) / echelle));
        }
    }
    // The text's last pass is the one in its colour, over any outline.
    ASSERT_GE(dessines.size(), attendus.size());
    EXPECT_EQ(std::vector<float>(dessines.end() - static_cast<std::ptrdiff_t>(attendus.size()),
                                 dessines.end()),
              attendus);
}

// What a parent's folder may hold: a pipe for "phrases.txt" (the gallery opens at once, without
// sentences), a 118-byte BMP that declares 8192 x 8192 (no picture), a real photo larger than
// the screen (kept no larger than it is ever shown), a list of 1 MiB on one line, and sentences
// too long for the card: every card's text lies inside the card.
TEST_F(GalleryTest, OddFilesKeepTheGalleryQuickSmallAndItsCardsWhole) {
    static_assert(TableauxGalerieMax == 20 && TableauxMax == 200);
    ASSERT_EQ(mkfifo((platform::ToUtf8(dossierprofil) + "phrases.txt").c_str(), 0644), 0);
    Ecrit(Capture(0) + ".bmp", 0);
    std::string enTete(118, '\0');
    const unsigned char debut[] = {'B', 'M', 118, 0, 0,    0, 0, 0, 0,    0, 54, 0, 0, 0,  40,
                                   0,   0,   0,   0, 0x20, 0, 0, 0, 0x20, 0, 0,  1, 0, 24, 0};
    enTete.replace(0, sizeof debut, reinterpret_cast<const char*>(debut), sizeof debut);
    Ecrit(Capture(1) + ".bmp", -1, enTete);
    {
        const std::vector<std::uint8_t> rgb(2400u * 1500 * 3, 120);
        ASSERT_TRUE(stbi_write_bmp((platform::ToUtf8(dossierprofil) + Capture(2) + ".bmp").c_str(),
                                   2400, 1500, 3, rgb.data()));
    }
    alarm(20);
    OuvreGalerie();
    alarm(0);
    ASSERT_EQ(ecrangalerie->NombreDeTableaux(), 2);
    EXPECT_TRUE(ecrangalerie->texte.empty());
    const auto grande = ecrangalerie->galerie->tableaux[0]->sprite->FirstImage();
    EXPECT_LE(grande->Width(), 1200);
    EXPECT_LE(grande->Height(), 720);
    EXPECT_EQ(grande->Width(), 1152);

    // A list that grew to 1 MiB on one line, then the lines of the newest photos.
    unlink((platform::ToUtf8(dossierprofil) + "phrases.txt").c_str());
    const std::string longue =
        "La fillette qui observe un crocodile rose envoie une rose au petit gar\xC3\xA7on qui "
        "observe un outil, et la dame qui porte un chapeau violet regarde le monsieur.";
    Ecrit("phrases.txt", -1,
          Capture(0) + "|" + std::string(1 << 20, 'a') + "\n" + Capture(2) + "|" + longue + " " +
              longue + "\n" + Capture(0) + "|" + std::string(5000, 'b') + "\n");
    iPlayFieldGalerie& galerie = OuvreGalerie();
    EXPECT_LE(ecrangalerie->texte.size(), 256u * 1024);
    const iGuiEtiquette& carte = *galerie.legende;
    for (int numero : {1, 2}) {
        const Tableau& t = *galerie.tableaux[static_cast<std::size_t>(numero) - 1];
        galerie.cameraX = 1280;
        Clic(t.etiquetteX + 70, t.etiquetteY + 19);
        ASSERT_EQ(carte.status, 1) << numero;
        const iGuiTextField& texte = *carte.legende;
        Frame();
        const float gauche = texte.Left();
        const float haut = texte.Top();
        float droite = gauche;
        for (const String& ligne : *texte.lines) {
            droite = std::max(droite, gauche + texte.font->TextWidth(ligne, texte.scaleX));
        }
        const float bas =
            haut + static_cast<float>(texte.lines->size()) * texte.font->height * texte.scaleY;
        EXPECT_GE(gauche, carte.x - carte.Width() / 2) << numero;
        EXPECT_LE(droite, carte.x + carte.Width() / 2) << numero;
        EXPECT_GE(haut, carte.y - carte.Height() / 2) << numero;
        EXPECT_LE(bas, carte.y + carte.Height() / 2) << numero;
        EXPECT_GE(texte.scaleX, 0.5f);
        Clic(1280 + 640, 740);
    }
}

// A sentence of four lines at full size is made smaller until it fits the card; a short one
// keeps the full size.
TEST_F(GalleryTest, TheCardTextShrinksOnlyAsMuchAsItMust) {
    iPlayFieldGalerie& galerie = OuvreGalerie();
    iGuiTextField& champ = *galerie.legende->legende;
    const float hauteur = galerie.legende->Height();
    EXPECT_FLOAT_EQ(AjusteTexteCarte(champ, u"Le chat dort.", hauteur), 1.0f);
    const String quatre = u"La fillette qui observe un crocodile rose envoie une rose au petit "
                          u"garçon qui observe un outil.";
    ASSERT_GT(WordWrap(champ.font.get(), 595, quatre).size(), 3u);
    const float echelle = AjusteTexteCarte(champ, quatre, hauteur);
    EXPECT_LT(echelle, 1.0f);
    EXPECT_EQ(champ.GetText(), quatre);
    const auto lignes = WordWrap(champ.font.get(), champ.width, quatre);
    EXPECT_LE(static_cast<float>(lignes.size()) * champ.font->height * echelle, hauteur - 20);
}

// Damaged copies of the kept "phrases.txt", from a fixed seed, read as the gallery reads them:
// each name's sentence is one line, and its card holds it whole, at a size that still reads.
// A fixed number of runs: the same lists on any machine.
TEST_F(GalleryTest, DamagedSentenceListsKeepEveryCardWhole) {
    iPlayFieldGalerie& galerie = OuvreGalerie();
    iGuiTextField& champ = *galerie.legende->legende;
    const iBitmapFont& police = *champ.font;
    const float hauteur = galerie.legende->Height();
    const auto seeds = CorpusFiles("phrases");
    ASSERT_FALSE(seeds.empty());
    const std::string fichier = platform::ToUtf8(dossierprofil) + "phrases.txt";
    Mutator mutator(20261206);
    const int runs = 300;
    int found = 0;
    for (int run = 0; run < runs; ++run) {
        const auto octets = mutator.MutateBytes(seeds[static_cast<std::size_t>(run) % seeds.size()]);
        Ecrit("phrases.txt", -1, std::string(octets.begin(), octets.end()));
        const String texte = LitListeDesPhrases(dossierprofil);
        for (const String& ligne : platform::Split(texte, u"\n")) {
            const String phrase = TexteDessinable(police, PhraseDeCapture(texte, ligne.substr(0, ligne.find(u'|'))));
            ASSERT_EQ(phrase.find(u'\n'), String::npos);
            if (platform::Trim(phrase).empty()) {
                continue;
            }
            ++found;
            const float echelle = AjusteTexteCarte(champ, phrase, hauteur);
            champ.Update();
            ASSERT_GE(echelle, 0.55f);
            ASSERT_LE(static_cast<float>(champ.lines->size()) * police.height * echelle, hauteur - 20)
                << platform::ToUtf8(phrase);
            // A wrapped line keeps the space after its last word; only what shows counts.
            for (const String& l : *champ.lines) {
                ASSERT_LE(police.TextWidth(platform::Trim(l), echelle), 595.0f)
                    << platform::ToUtf8(l);
            }
        }
    }
    EXPECT_GT(found, runs) << found;
}
