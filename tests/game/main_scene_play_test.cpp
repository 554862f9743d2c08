// Games played as a child plays them, with injected pointer and keys and a manual clock: the
// entrance of a board, the zoom, the bin, the swaps and the undo, the praise and its streak, the
// rounds and the end screen, every way out, and the files left behind.
#include <fstream>

#include "framework/frame_chain.h"
#include "game/phrase_scene.h"
#include "gui/image_widget.h"
#include "main_scene_fixture.h"
#include "platform/file_failures.h"
#include "screens/end_screen.h"
#include "screens/hub_screen.h"

namespace {

std::size_t Compte(const platform::RecordingAudio& audio, int canal, const String& son) {
    return static_cast<std::size_t>(
        std::count_if(audio.events.begin(), audio.events.end(), [&](const auto& e) {
            return e.kind == platform::RecordingAudio::Event::Play && e.channel == canal &&
                   platform::Contains(e.sound, son);
        }));
}

std::string Lis(const std::filesystem::path& fichier) {
    std::ifstream in(fichier, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

class PlayTest : public MainSceneTest {
  protected:
    void SetUp() override {
        MainSceneTest::SetUp();
        // The screens the game leaves for.
        ecranintro = std::make_shared<iEngineChoixConstituantsPersosMode>();
        ecranintro->Create();
        ecranfin = std::make_shared<iEngineFin>();
        ecranfin->Create();
        ecranchoixdephrase = std::make_shared<iEnginePhraseAuChoix>();
        ecranchoixdephrase->Create();
    }
    // A card dropped on the middle of a terrain's quarter of the canvas.
    void SurTerrain(iGuiEtiquette& carte, int t) {
        Drag(carte.x, carte.y, (T(t).zoneGauche + T(t).zoneDroite) / 2,
             (T(t).zoneHaut + T(t).zoneBas) / 2 + 60);
        Step(12);
    }
    // Every card of the board on the terrain that acts its sentence, surplus cards in the bin.
    void Repond() {
        for (int i = nombredephrases; i > nombredanimations; --i) {
            Drag(Tag(i).x, Tag(i).y, 300, 700);
        }
        for (int i = 0; i <= std::min(nombredephrases, nombredanimations); ++i) {
            SurTerrain(Tag(i), scene->terrainDePhrase[std::size_t(i)]);
        }
    }
};

TEST_F(PlayTest, AMatchingGameFromItsEntranceToTheEndScreen) {
    Open(0, 1, 2, 2);
    // The entrance: the terrains zoom in 150 ms apart, the first card slides in 550 ms after
    // them, the others 100 ms after each other.
    std::vector<int> zooms, finsZooms, cartes, finsCartes;
    while (!scene->tableauAnnonce && clock.now < 10000) {
        const int apparus = scene->terrainsApparus;
        const int apparues = scene->etiquettesApparues;
        const bool zoom = apparus <= 1 && T(apparus).zoomEnCours;
        const bool glisse = apparues <= 2 && Tag(apparues).status == 1;
        Step();
        if (apparus <= 1 && !zoom && T(apparus).status == 1 &&
            zooms.size() == std::size_t(apparus)) {
            zooms.push_back(clock.now);
        }
        if (scene->terrainsApparus > apparus) {
            finsZooms.push_back(clock.now);
        }
        if (apparues <= 2 && !glisse && Tag(apparues).status == 1) {
            cartes.push_back(clock.now);
        }
        if (scene->etiquettesApparues > apparues) {
            finsCartes.push_back(clock.now);
        }
    }
    ASSERT_EQ(std::tuple(zooms.size(), finsZooms.size(), cartes.size(), finsCartes.size()),
              std::tuple(2u, 2u, 3u, 3u));
    // In the first frame (17 ms apart) strictly after each delay.
    const auto apres = [](int ms) { return (ms / 17 + 1) * 17; };
    EXPECT_EQ(zooms[1] - finsZooms[0], apres(150));
    EXPECT_EQ(cartes[0] - finsZooms[1], apres(550));
    EXPECT_EQ(std::tuple(cartes[1] - finsCartes[0], cartes[2] - finsCartes[1]),
              std::tuple(apres(100), apres(100)));
    EXPECT_EQ(std::tuple(Compte(audio, 3, u"pop"), Compte(audio, 4, u"pfiou")), std::tuple(2u, 3u));

    // A tap on a paused terrain starts it; the next enlarges it, the next brings the grid back.
    const iPlayFieldTerrainAction& t0 = T(0);
    ASSERT_FALSE(t0.immobile);
    for (int tap = 0; tap < 3; ++tap) {
        Tap(320, 360);
        EXPECT_EQ(std::tuple(t0.enPause, t0.enVignette, scene->playfieldPrincipal->status),
                  std::tuple(tap == 2, tap == 1 ? 0 : 1, tap == 1 ? 0 : 1));
    }
    // The surplus card held: the band and the bin show and blink, OK hides; let go on the band,
    // the card is out of this board.
    PointOnCanvas(Tag(2).x, Tag(2).y);
    Press();
    Step(20);
    EXPECT_EQ(std::tuple(scene->poubelle->status, scene->cadre->status, scene->boutonOk->status),
              std::tuple(1, 1, 0));
    const int image = scene->poubelle->frame;
    Step(15);
    EXPECT_NE(scene->poubelle->frame, image);
    PointOnCanvas(300, 700);
    Step(2);
    Release();
    Step(2);
    EXPECT_EQ(std::tuple(Tag(2).status, Tag(2).verrouillee, scene->nombreetiqact,
                         scene->poubelle->status, scene->boutonOk->status),
              std::tuple(0, true, 1, 0, 1));

    // Placed and checked: the praise, the streak counted once however often OK is pressed.
    Repond();
    Click(*scene->boutonOk);
    EXPECT_EQ(
        std::tuple(scene->boiteBravo->status, reponsesdesuite, scene->boiteBravo->titre->GetText()),
        std::tuple(1, 1, String(u"Tableau 1/2")));
    Click(*scene->boutonOk);
    EXPECT_EQ(reponsesdesuite, 1);
    Click(*scene->boiteBravo->bouton1);
    EXPECT_EQ(scene->numeroTableau, 1);

    // A board changed by the arrow or the box is not counted; the next right answer ends it.
    platform::Input().KeyPress(39);
    Step();
    EnPlace();
    Click(*T(scene->TerrainBarreComplete()).boutonAvance);
    EXPECT_EQ(std::tuple(scene->boiteChangerTableau->status,
                         scene->boiteChangerTableau->message->GetText()),
              std::tuple(1, String(u"Changer de tableau\u00a0?")));
    Click(*scene->boiteChangerTableau->bouton1);
    EnPlace();
    EXPECT_EQ(scene->numeroTableau, 1);
    Repond();
    Click(*scene->boutonOk);
    Click(*scene->boiteBravo->bouton1);
    EXPECT_EQ(std::tuple(CurrentScene == ecranfin, scene->numeroTableau, reponsesdesuite),
              std::tuple(true, 0, 0));
}

TEST_F(PlayTest, SwapUndoAndSwapAgain) {
    Open(0, 3, 3);
    EnPlace();
    const std::vector<int> depart = scene->etiquettesDesPlaces;
    // Place 0 onto place 1: the card there slides, slanted, to place 0.
    iGuiEtiquette& a = Tag(depart[0]);
    iGuiEtiquette& b = Tag(depart[1]);
    Drag(a.x, a.y, 900, 600);
    EXPECT_EQ(std::tuple(scene->echangeEnCours, scene->echangePas, a.x, a.numero, b.numero),
              std::tuple(true, -48.0f, scene->etiquettesX[1], 1, 0));
    Step(20);
    EXPECT_EQ(
        std::tuple(scene->echangeEnCours, b.x, b.y, b.origineY),
        std::tuple(false, scene->etiquettesX[0], scene->etiquettesY[0], scene->etiquettesY[0]));
    // Undo (a card thrown away and one recoloured meanwhile): every card back, shown, white;
    // then place 2 onto place 0 moves the cards now standing there.
    Tag(depart[3]).CacheAvecLegende();
    Tag(depart[3]).verrouillee = true;
    Tag(depart[2]).SetColor(220, 120, 120);
    platform::Input().KeyPress(8);
    Step();
    EXPECT_EQ(std::tuple(scene->etiquettesDesPlaces, Tag(depart[3]).status,
                         Tag(depart[3]).verrouillee, Tag(depart[2]).green),
              std::tuple(depart, 1, false, 255.0f));
    iGuiEtiquette& c = Tag(depart[2]);
    Drag(c.x, c.y, 300, 300);
    Step(20);
    EXPECT_EQ(std::tuple(c.numero, a.numero, a.x, b.numero, b.x, scene->etiquettesDesPlaces[0]),
              std::tuple(0, 2, scene->etiquettesX[2], 1, scene->etiquettesX[1], depart[2]));
    // Dropped on its own place, a card goes back onto it.
    Drag(c.x, c.y, 500, 300);
    EXPECT_EQ(std::tuple(c.x, c.y), std::tuple(scene->etiquettesX[0], scene->etiquettesY[0]));
}

TEST_F(PlayTest, PraiseAndTheStreakInWords) {
    Open(1, 0, 0);
    std::vector<String> vus;
    for (int serie : {3, 4, 6, 10, 20, 21}) {
        int enSerie = 0;
        platform::SetSeed(platform::StartSeed);
        for (int fois = 0; fois < 60; ++fois) {
            reponsesdesuite = serie;
            scene->MontreBravo();
            const String message = scene->boiteBravo->message->GetText();
            const bool bravo =
                std::count(scene->messagesBravo.begin(), scene->messagesBravo.end(), message) > 0;
            enSerie += !bravo;
            EXPECT_TRUE(bravo || serie < 21) << serie;
            if (!bravo) {
                vus.push_back(message);
            }
        }
        // A streak message four times in ten, until 21.
        EXPECT_TRUE(serie == 21 ? enSerie == 0 : enSerie > 12 && enSerie < 36) << serie;
    }
    for (const char16_t* attendu :
         {u"Et six de suite, bravo\u00a0!",
          u"Ça fait dix bonnes réponses "
          u"de suite\u00a0!",
          u"Quatre à la suite\u00a0!", u"Et vingt bonnes réponses à la suite\u00a0!"}) {
        EXPECT_EQ(std::count(vus.begin(), vus.end(), attendu) > 0, true)
            << platform::ToUtf8(attendu);
    }
}

TEST_F(PlayTest, EveryWayOutStopsTheMusic) {
    const auto sortie = [this](int mode, const std::function<void()>& geste) {
        Open(mode, 0, mode < 2 ? 1 : 0);
        EnPlace();
        reponsesdesuite = scene->numeroTableau = 3;
        platform::PlaySound(songuitare1, 8, platform::SoundLoop);
        NouvelEcran = false;
        geste();
        return std::tuple(PendingScene ? PendingScene : CurrentScene, audio.channels[8].playing,
                          NouvelEcran, reponsesdesuite);
    };
    const auto touche = [this](int code) {
        return [this, code] {
            platform::Input().KeyPress(code);
            Step();
        };
    };
    using Sortie = std::tuple<std::shared_ptr<iScene>, bool, bool, int>;
    EXPECT_EQ(sortie(1, touche(27)), Sortie(ecranintro, false, true, 3));
    EXPECT_EQ(sortie(2, touche(77)), Sortie(ecranintro, false, false, 0));
    EXPECT_EQ(sortie(1,
                     [this] {
                         Click(*T(0).bouton);
                         EXPECT_EQ(scene->boiteQuitter->message->GetText(),
                                   u"Quitter la partie en cours\u00a0?");
                         Click(*scene->boiteQuitter->bouton2);
                         EXPECT_EQ(scene->boiteQuitter->status, 0);
                         Click(*T(0).bouton);
                         Click(*scene->boiteQuitter->bouton1);
                     }),
              Sortie(ecranintro, false, false, 0));
    // The child's own sentence: its return button leads back to the sentence at once.
    structureChoisie = std::make_shared<StructureAction>();
    structureChoisie->GroupeNominal1 = u"perso_dame_f";
    structureChoisie->Action = u"i_jouer de la musique";
    phraseChoisie = u"La dame joue de la musique.";
    EXPECT_EQ(sortie(3, [this] { Click(*T(0).bouton); }),
              Sortie(ecranchoixdephrase, false, false, 3));

    // Keys that stay: Space hides the cards and OK, Ctrl the terrains, R replays, Backspace
    // undoes.
    Open(0, 1, 1);
    EnPlace();
    platform::Input().KeyPress(32);
    Step();
    EXPECT_EQ(std::tuple(Tag(0).status, Tag(1).status, scene->boutonOk->status),
              std::tuple(0, 0, 0));
    platform::Input().KeyPress(8);
    platform::Input().KeyPress(17);
    Step();
    EXPECT_EQ(std::tuple(Tag(0).status, T(0).status, T(1).status), std::tuple(1, 0, 0));
    // A button made for a bar that does not show it is never pressed: the bar of the child's
    // own sentence has no "next board", which stands on no page at the terrain's corner.
    Open(3, 0, 0);
    EnPlace();
    Point(T(0).x + 10, T(0).y + 10);
    Press();
    Step();
    Release();
    Step(15);
    EXPECT_EQ(scene->boiteChangerTableau->status, 0);
}

TEST_F(PlayTest, ExportsAndPhotosInTheProfileFolder) {
    const auto jeu = std::filesystem::path(home) / "Documents" / "MirelvanQuibs";
    // A small window keeps the captures quick. One sentence on one terrain of three: the other
    // terrains' photos take the sentences they act.
    Open(0, 2, 0, 2, 640, 384);
    EnPlace();
    const int t = scene->terrainDePhrase[1];
    T(t).enPause = false;
    scene->numter = t;
    scene->AnimeTerrains(t);
    ASSERT_EQ(T(t).enVignette, 0);
    // Two photos in one second: two pictures, two lines, each after its picture was written.
    for (int photo = 0; photo < 2; ++photo) {
        Click(*T(t).boutonPhoto);
        EXPECT_EQ(std::filesystem::exists(profil / "phrases.txt"), photo == 1);
        Frame();
        Step();
    }
    const std::string nom = "mirelvanquibs_capture_2025-03-05_090703";
    const std::string phrase = platform::ToUtf8(scene->phrases[1]);
    EXPECT_TRUE(std::filesystem::exists(profil / (nom + ".bmp")));
    EXPECT_TRUE(std::filesystem::exists(profil / (nom + "_2.bmp")));
    EXPECT_EQ(Lis(profil / "phrases.txt"), nom + "|" + phrase + "\n" + nom + "_2|" + phrase + "\n");

    // A full disk: the picture cannot be written whole, so neither it nor its line appears;
    // one line tells it, the game goes on.
    const String dossier = dossierprofil;
    const std::string liste = Lis(profil / "phrases.txt");
    ::testing::internal::CaptureStderr();
    {
        FullDisk plein(liste.size() + 100);
        Click(*T(t).boutonPhoto);
        Frame();
        Step();
    }
    std::string erreurs = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(profil), {}), 3);
    EXPECT_EQ(Lis(profil / "phrases.txt"), liste);
    // The adult closes the box that tells it.
    EXPECT_EQ(scene->boiteEchec->status, 1);
    Click(*scene->boiteEchec->bouton1);

    // A profile folder that cannot be written (here a file stands in its way, which stops even
    // a privileged user): no picture, no line, the game goes on.
    dossierprofil = platform::FromUtf8((profil / "phrases.txt").string() + "/");
    ::testing::internal::CaptureStderr();
    Click(*T(t).boutonPhoto);
    Frame();
    Step();
    erreurs = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(profil), {}), 3);
    EXPECT_TRUE(scene->photosEnAttente.empty());
    dossierprofil = dossier;

    // The export: every card's sentence once per export, appended; nothing without the folder.
    Open(1, 0, 2);
    EnPlace();
    ASSERT_TRUE(scene->ExporteTableau());
    ASSERT_TRUE(scene->ExporteTableau());
    std::string lignes;
    for (int i = 0; i < 3; ++i) {
        lignes += platform::ToUtf8(Tag(i).legende->GetText()) + "\n";
    }
    EXPECT_EQ(Lis(jeu / "mirelvanquibs_phrases.txt"), lignes + lignes);
    // The disk fills up in the middle of the export: the file keeps what it had, not half a line.
    ::testing::internal::CaptureStderr();
    {
        FullDisk plein(2 * lignes.size() + 10);
        EXPECT_FALSE(scene->ExporteTableau());
    }
    erreurs = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
    EXPECT_EQ(Lis(jeu / "mirelvanquibs_phrases.txt"), lignes + lignes);
    std::filesystem::remove_all(jeu);
    EXPECT_FALSE(scene->ExporteTableau());
    EXPECT_FALSE(std::filesystem::exists(jeu));
}

// A photo or an export that cannot be written is told to the adult on the screen, in the game's
// message box, once for each failure; one that is written shows nothing.
TEST_F(PlayTest, AFailedPhotoOrExportIsToldOnScreenOnce) {
    const auto jeu = std::filesystem::path(home) / "Documents" / "MirelvanQuibs";
    Open(0, 2, 0, 2, 640, 384);
    EnPlace();
    const int barre = scene->TerrainBarreComplete();
    const MessageBox& boite = *scene->boiteEchec;
    // Shown over everything, the enlarged terrain included.
    const auto montre = [&](const String& message) {
        return std::tuple(boite.status, boite.bouton1->status, boite.titre->status,
                          boite.message->status, boite.message->GetText(),
                          scene->playfieldEchec->status,
                          scene->playfields.IndexOf(scene->playfieldEchec.get())) ==
               std::tuple(1, 1, 1, 1, message, 1, scene->playfields.Count() - 1);
    };
    const auto ferme = [&] {
        Click(*boite.bouton1);
        Step(30);
        EXPECT_EQ(std::tuple(boite.status, boite.message->status, scene->playfieldEchec->status),
                  std::tuple(0, 0, 0));
    };
    // Written: nothing to tell.
    Click(*T(barre).boutonClip);
    EXPECT_EQ(boite.status, 0);
    // A folder in the way of the export file.
    std::filesystem::remove(jeu / "mirelvanquibs_phrases.txt");
    std::filesystem::create_directory(jeu / "mirelvanquibs_phrases.txt");
    ::testing::internal::CaptureStderr();
    Click(*T(barre).boutonClip);
    std::string erreurs = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
    EXPECT_TRUE(montre(iEngineSceneGlobale::EchecExport));
    ferme();

    // Photos: one written, then one whose folder has a file in its way, then one without a
    // profile folder at all.
    const int t = scene->terrainDePhrase[0];
    scene->numter = t;
    scene->AnimeTerrains(t);
    const auto photo = [&] {
        ::testing::internal::CaptureStderr();
        Click(*T(t).boutonPhoto);
        Frame();
        Step();
        return ::testing::internal::GetCapturedStderr();
    };
    const auto images = [&] {
        std::vector<std::filesystem::path> bmp;
        for (const auto& entree : std::filesystem::directory_iterator(profil)) {
            if (entree.path().extension() == ".bmp") {
                bmp.push_back(entree.path());
            }
        }
        return bmp;
    };
    EXPECT_EQ(photo(), "");
    EXPECT_EQ(boite.status, 0);
    ASSERT_EQ(images().size(), 1u);
    const auto tailleImage = std::filesystem::file_size(images()[0]);

    // The picture written, its line not: a folder named like the list, then a list that the
    // disk has no more room for once the picture took it. The adult is told that the photo
    // is there without its sentence.
    std::filesystem::rename(profil / "phrases.txt", profil / "liste");
    std::filesystem::create_directory(profil / "phrases.txt");
    erreurs = photo();
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
    EXPECT_TRUE(montre(iEngineSceneGlobale::EchecPhrasePhoto));
    // On one line inside the box.
    EXPECT_LE(boite.message->font->TextWidth(iEngineSceneGlobale::EchecPhrasePhoto), 806.0f);
    EXPECT_EQ(images().size(), 2u);
    ferme();
    std::filesystem::remove(profil / "phrases.txt");
    std::filesystem::rename(profil / "liste", profil / "phrases.txt");
    std::string liste = Lis(profil / "phrases.txt");
    liste.resize(tailleImage + 10, 'x');
    std::ofstream(profil / "phrases.txt", std::ios::binary) << liste;
    {
        FullDisk plein(tailleImage + 10);
        erreurs = photo();
    }
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
    EXPECT_TRUE(montre(iEngineSceneGlobale::EchecPhrasePhoto));
    EXPECT_EQ(images().size(), 3u);
    EXPECT_EQ(Lis(profil / "phrases.txt"), liste);
    ferme();

    const String dossier = dossierprofil;
    for (const String& ailleurs :
         {platform::FromUtf8((profil / "phrases.txt").string() + "/"), String()}) {
        dossierprofil = ailleurs;
        ::testing::internal::CaptureStderr();
        Click(*T(t).boutonPhoto);
        Frame();
        Step();
        erreurs = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
        EXPECT_TRUE(montre(iEngineSceneGlobale::EchecPhoto));
        ferme();
    }
    dossierprofil = dossier;
}

// What a child met on the boards: a surplus card kept where it is let go above the throw-away
// band, an OK pressed under the praise that reaches no terrain, a word card taken while the
// cards pop in that still ends at its full size.
TEST_F(PlayTest, CardsAndPressesGoWhereTheChildPutsThem) {
    Open(0, 1, 2);
    EnPlace();
    // The surplus card held: the band stands across the foot of the canvas, not its top.
    iGuiEtiquette& surplus = Tag(2);
    PointOnCanvas(surplus.x, surplus.y);
    Press();
    Step(3);
    EXPECT_EQ(std::tuple(scene->cadre->status, scene->cadre->y), std::tuple(1, 618.0f));
    // Let go on a terrain, it takes that terrain's place and stays in play; let go on the band,
    // it goes to the bin.
    const int place = scene->etiquettesDesPlaces[0];
    const int depart = surplus.numero;
    PointOnCanvas(320, 300);
    Step(2);
    Release();
    Step(20);
    EXPECT_EQ(std::tuple(surplus.status, surplus.numero, scene->etiquettesDesPlaces[0],
                         Tag(place).numero, scene->nombreetiqact),
              std::tuple(1, 0, 2, depart, 2));
    Drag(surplus.x, surplus.y, 900, 640);
    EXPECT_EQ(std::tuple(surplus.status, scene->nombreetiqact), std::tuple(0, 1));

    // Answered: OK pressed again under the praise counts no streak and is no tap on the
    // terrain beneath it.
    for (int i = 0; i <= 1; ++i) {
        SurTerrain(Tag(i), scene->terrainDePhrase[std::size_t(i)]);
    }
    Click(*scene->boutonOk);
    ASSERT_EQ(std::tuple(scene->boiteBravo->status, reponsesdesuite), std::tuple(1, 1));
    const iPlayFieldTerrainAction& dessous = T(1);
    const auto etat = std::tuple(dessous.enPause, dessous.enVignette, scene->numter);
    Click(*scene->boutonOk);
    EXPECT_EQ(std::tuple(dessous.enPause, dessous.enVignette, scene->numter, reponsesdesuite,
                         scene->boiteBravo->status),
              std::tuple_cat(etat, std::tuple(1, 1)));

    // The first word card taken in the first frames of its pop, while the others still pop.
    Open(2, 0, 0);
    Step(2);
    ASSERT_TRUE(Word(0).aGrossir);
    PointOnCanvas(Word(0).x, Word(0).y);
    Press();
    Step(3);
    Release();
    Step(60);
    for (const auto& mot : scene->etiquettesMots) {
        EXPECT_EQ(std::tuple(mot->aGrossir, mot->scaleY, mot->scaleX),
                  std::tuple(false, 1.0f, mot->echelle));
    }
}

// Every message of the games is written with French typography: a no-break space before "?",
// "!", ":" and ";", and "Ça" with its cedilla.
TEST_F(PlayTest, MessagesInFrenchTypography) {
    Open(0, 1, 1);
    EnPlace();
    std::vector<String> textes(scene->messagesSerie.begin(), scene->messagesSerie.end());
    textes.insert(textes.end(), scene->messagesBravo.begin(), scene->messagesBravo.end());
    Click(*T(scene->TerrainBarreComplete()).bouton);
    textes.push_back(scene->boiteQuitter->message->GetText());
    Click(*scene->boiteQuitter->bouton2);
    Click(*T(scene->TerrainBarreComplete()).boutonAvance);
    textes.push_back(scene->boiteChangerTableau->message->GetText());
    textes.push_back(ecranchoixdephrase->boiteMessage->titre->GetText());
    for (const char16_t* texte :
         {iEnginePhraseAuChoix::TitreExport, iEnginePhraseAuChoix::MessageExport,
          iEngineSceneGlobale::EchecPhoto, iEngineSceneGlobale::EchecPhrasePhoto,
          iEngineSceneGlobale::EchecExport}) {
        textes.push_back(texte);
    }
    for (int serie : {4, 6}) {
        for (int fois = 0; fois < 40; ++fois) {
            reponsesdesuite = serie;
            scene->MontreBravo();
            textes.push_back(scene->boiteBravo->message->GetText());
        }
    }
    for (const String& texte : textes) {
        for (std::size_t k = 0; k < texte.size(); ++k) {
            if (String(u"?!:;").find(texte[k]) != String::npos) {
                EXPECT_TRUE(k > 0 && texte[k - 1] == u'\u00a0') << platform::ToUtf8(texte);
            }
        }
        EXPECT_FALSE(platform::StartsWith(texte, u"Ca ")) << platform::ToUtf8(texte);
        // Guillemets, with a no-break space inside.
        for (std::size_t k = 0; k < texte.size(); ++k) {
            if (texte[k] == u'«') {
                EXPECT_TRUE(k + 1 < texte.size() && texte[k + 1] == u'\u00a0');
            } else if (texte[k] == u'»') {
                EXPECT_TRUE(k > 0 && texte[k - 1] == u'\u00a0');
            }
            EXPECT_NE(texte[k], u'"') << platform::ToUtf8(texte);
        }
    }
}
