// The build-a-sentence game played with injected drags and clicks: the frame, the caption forms,
// the next-word offers under several option sets, "voir l'animation", the export, and a resize
// made while another screen was current.
#include <algorithm>
#include <fstream>

#include "framework/bitmap_font.h"
#include "game/main_scene.h"
#include "phrase_fixture.h"
#include "platform/file_failures.h"
#include "puppets/terrain_playfield.h"

TEST_F(PhraseTest, TheFrameTakesMovesAndLosesWordsWhereTheyAreDropped) {
    // Empty frame: the first word stands at (100, 75) wherever it was let go; the card goes home.
    iGuiEtiquette& dame = Bank(u"perso_dame_f");
    const float homeX = dame.x;
    Drag(dame.x, dame.y, 700, 60);
    EXPECT_EQ(std::tuple(Slot(0).x, Slot(0).y, dame.x, Reads()),
              std::tuple(100.0f, 75.0f, homeX, String(u"La dame")));
    // Right of the last word: 4 pixels after it.
    Append({u"po_regarder", u"perso_monsieur_m"});
    EXPECT_EQ(Reads(), u"La dame regarde le monsieur.");
    EXPECT_FLOAT_EQ(Slot(1).x,
                    100 + Slot(0).LargeurAuRepos() / 2 + 4 + Slot(1).LargeurAuRepos() / 2);
    // Between two words, then left of the first.
    Drag(Bank(u"qui").x, Bank(u"qui").y, (Slot(0).x + Slot(1).x) / 2, 75);
    Drag(Bank(u"perso_petit garcon_m").x, Bank(u"perso_petit garcon_m").y, 30, 75);
    EXPECT_EQ(Reads(true), u"perso_petit garcon_m|perso_dame_f|qui|po_regarder|perso_monsieur_m");
    // Outside the frame: nothing changes.
    Drag(Bank(u"i_dormir").x, Bank(u"i_dormir").y, 640, 400);
    EXPECT_EQ(scene->nombrePlacees, 5);

    // A small drag puts the word back; a longer one moves it, and the row closes up from 100.
    const float place = Slot(2).x;
    DragSlot(2, place + 12);
    EXPECT_EQ(std::tuple(Slot(2).x, Slot(2).texte), std::tuple(place, String(u"qui")));
    DragSlot(3, Slot(2).x + 2);
    EXPECT_EQ(Slot(3).texte, u"po_regarder");
    DragSlot(0, 1270);
    EXPECT_EQ(Reads(true), u"perso_dame_f|qui|po_regarder|perso_monsieur_m|perso_petit garcon_m");
    DragSlot(4, Slot(2).x + 5);
    DragSlot(1, 640, 400);
    EXPECT_EQ(Reads(true), u"perso_dame_f|po_regarder|perso_petit garcon_m|perso_monsieur_m");
    DragSlot(0, 640, 400);
    EXPECT_EQ(std::tuple(Slot(0).x, Slot(0).origineX, Reads()),
              std::tuple(100.0f, 100.0f, String(u"Regarde le petit garçon le monsieur")));
    for (int i = 1; i < scene->nombrePlacees; ++i) {
        EXPECT_FLOAT_EQ(Slot(i).x, Slot(i - 1).x + Slot(i - 1).LargeurAuRepos() / 2 + 4 +
                                       Slot(i).LargeurAuRepos() / 2);
    }

    // Nineteen words at most: the twentieth goes back to the bank and nothing changes.
    Click(*scene->boutonEffacer);
    for (int i = 0; i < 19; ++i) {
        Append({u"qui"});
    }
    const String full = Reads();
    Append({u"qui"});
    EXPECT_EQ(std::tuple(scene->nombrePlacees, Reads(), Bank(u"qui").x),
              std::tuple(19, full, Bank(u"qui").origineX));
    EXPECT_EQ(Slot(19).status, 0);
}

TEST_F(PhraseTest, CaptionsTakeTheirSentenceForms) {
    // "à" + "le monsieur" reads "au monsieur", and back again whichever word moves.
    Append({u"perso_dame_f", u"oum_lancer", u"unemain_balle_f", u"à", u"perso_monsieur_m"});
    EXPECT_EQ(Reads(), u"La dame lance une balle au monsieur.");
    DragSlot(4, 30);
    EXPECT_EQ(Reads(), u"Le monsieur la dame lance une balle à");
    DragSlot(0, 1270);
    EXPECT_EQ(Reads(), u"La dame lance une balle au monsieur.");
    DragSlot(3, 640, 400);
    EXPECT_EQ(Reads(), u"La dame lance une balle le monsieur");
    DragSlot(3, 30);
    Drag(Bank(u"à").x, Bank(u"à").y, 20, 75);
    EXPECT_EQ(Reads(), u"Au monsieur la dame lance une balle");
    DragSlot(0, 640, 400);
    EXPECT_EQ(Reads(), u"Le monsieur la dame lance une balle");

    // A colour agrees with a feminine noun right before it, and only then.
    Click(*scene->boutonEffacer);
    Append({u"perso_dame_f", u"h_wear", u"habit_robe_f", u"bleu"});
    EXPECT_EQ(Reads(), u"La dame porte une robe bleue.");
    DragSlot(2, 640, 400);
    EXPECT_EQ(Reads(), u"La dame porte bleu");
}

TEST_F(PhraseTest, TheNextWordsLightUpInTheirColours) {
    const String persos =
        u"perso_dame_f|perso_monsieur_m|perso_petit garcon_m|perso_petite fille_f";
    const String verbes = u"i_marcher|i_courir|i_lever les bras|i_lever un bras|i_pedaler|"
                          u"i_cuisiner|i_dormir|i_jouer de la musique|oum_lancer|ouodm_tenir|"
                          u"odm_soulever|a_promener|p_poursuivre|p_portersurepaules|h_wear|"
                          u"po_regarder";
    // At the start and after "effacer": the persons.
    EXPECT_EQ(Lit(), persos);
    // After a person a verb or "qui"; after "qui" a verb.
    Append({u"perso_dame_f"});
    EXPECT_EQ(Lit(), u"qui|" + verbes);
    Append({u"qui"});
    EXPECT_EQ(Lit(), verbes);
    Click(*scene->boutonEffacer);
    EXPECT_EQ(Lit(), persos);
    // After a verb the nouns it takes; after an animal its colour.
    Append({u"perso_dame_f", u"a_promener"});
    EXPECT_EQ(Lit(), u"animal_chien_m|animal_crocodile_m|animal_elephant_m|animal_poisson_m");
    Append({u"animal_chien_m"});
    EXPECT_EQ(Lit(), u"rouge|bleu|vert|gris|jaune|violet|blanc|marron|rose");
    // Thrown at somebody: the persons.
    DragSlot(2, 640, 400);
    DragSlot(1, 640, 400);
    Append({u"oum_lancer", u"unemain_balle_f", u"sur"});
    EXPECT_EQ(Lit(), persos);
    // A complete sentence takes nothing more: every card neutral.
    Click(*scene->boutonEffacer);
    Append({u"perso_dame_f", u"i_dormir"});
    EXPECT_EQ(Lit(), u"");
    // The only word removed: the persons again.
    Click(*scene->boutonEffacer);
    Append({u"perso_dame_f"});
    DragSlot(0, 640, 400);
    EXPECT_EQ(Lit(), persos);

    // Only the persons enabled: persons, "qui", "sur" and "à" in the bank.
    for (FlagArray* flags :
         {&VerbesIntransitifsCoches, &VerbeJouerMusiqueCoches, &VerbeRegarderCoches,
          &VerbeLancerCoches, &VerbeSouleverCoches, &VerbeTenirCoches, &VerbePromenerCoches,
          &VerbePoursuivreCoches, &VerbesLancerSurACoches, &VerbePorterSurEpaulesCoches,
          &VerbePorterHabitCoches, &ObjetsUneMainCoches, &ObjetsDeuxMainsCoches, &AnimauxCoches,
          &HabitsCoches, &ChapeauxCoches, &CouleursCoches}) {
        flags->assign(flags->size(), false);
    }
    Open(1134, 680);
    EXPECT_EQ(scene->etiquettes.size(), 7u);
    Append({u"perso_dame_f"});
    EXPECT_EQ(Lit(), u"qui");

    // No animals and no colours: "regarde" offers persons and things; an object takes no colour.
    InitVocabulary();
    AnimauxCoches.assign(AnimauxCoches.size(), false);
    adjectifsok = 0;
    Open(1134, 680);
    Append({u"perso_dame_f", u"po_regarder"});
    EXPECT_EQ(Lit(), persos + u"|unemain_pomme_f|unemain_banane_f|unemain_balle_f|unemain_rose_f|"
                              u"unemain_marteau_m|deuxmains_caisse_f|deuxmains_paquet-cadeau_m|"
                              u"deuxmains_gateau_m|deuxmains_toureiffel_f|deuxmains_elephant_m|"
                              u"deuxmains_statue_f");
    Append({u"unemain_pomme_f"});
    EXPECT_EQ(Lit(), u"");
}

TEST_F(PhraseTest, ARightSentenceIsActedOutAndAWrongOneExplained) {
    Append({u"perso_dame_f", u"po_regarder", u"perso_monsieur_m"});
    Click(*scene->boutonAnimation);
    ASSERT_EQ(structureChoisie.get(), &scene->structurePhrase);
    EXPECT_EQ(std::tuple(structureChoisie->GroupeNominal1, structureChoisie->Action,
                         structureChoisie->GroupeNominal2, phraseChoisie, modedejeu),
              std::tuple(String(u"perso_dame_f"), String(u"po_regarder"),
                         String(u"perso_monsieur_m"), String(u"La dame regarde le monsieur."), 3));
    EXPECT_NE(CurrentScene, scene);

    // The window changes while the sentence is acted out (the game has cleared the entry flag
    // on its first frame); the game's return button leads back to the frame, which fits the
    // new window, its sentence unchanged.
    ASSERT_EQ(CurrentScene, engine1);
    EXPECT_FALSE(NouvelEcran);
    platform::SetDeviceSize(1600, 700);
    platform::CheckResize();
    ResizeCurrentScene();
    const iGuiButton2& retour = *engine1->terrains[0]->bouton;
    const auto terrain = retour.GetPlayfield();
    Point(terrain->x + (retour.x + retour.Width() / 2) * terrain->scaleX,
          terrain->y + (retour.y + retour.Height() / 2) * terrain->scaleY);
    Press();
    Step();
    Release();
    Step(15);
    ASSERT_EQ(CurrentScene, scene);
    EXPECT_EQ(std::tuple(scene->decor->viewportWidth, scene->decor->scaleY, NouvelEcran, Reads()),
              std::tuple(1600, 700.0f / 768, false, String(u"La dame regarde le monsieur.")));

    // Wrong: the engine's own explanation, and nothing else answers until "D'accord".
    DragSlot(2, 640, 400);
    Click(*scene->boutonAnimation);
    EXPECT_EQ(std::tuple(CurrentScene == scene, scene->boiteMessage->status,
                         scene->boiteMessage->message->GetText()),
              std::tuple(true, 1, scene->VerifiePhrase()));
    EXPECT_TRUE(platform::Contains(scene->boiteMessage->message->GetText(),
                                   u"Il manque un COD après le verbe.\n"));
    Click(*scene->boutonEffacer);
    EXPECT_EQ(scene->nombrePlacees, 2);
    Click(*scene->boiteMessage->bouton1);
    EXPECT_EQ(std::tuple(scene->boiteMessage->status, scene->boiteMessage->message->status),
              std::tuple(0, 0));
    // Escape leaves even while the box shows.
    Click(*scene->boutonAnimation);
    platform::Input().KeyPress(27);
    Step(2);
    EXPECT_EQ(CurrentScene, ecranchoixdujeu);
}

TEST_F(PhraseTest, ExportAppendsTheSentenceAndAFailureSaysSoInOneLine) {
    const auto folder = std::filesystem::path(home) / "Documents" / "MirelvanQuibs";
    const auto file = folder / "mirelvanquibs_phrases.txt";
    std::filesystem::create_directories(folder);
    Click(*scene->boutonExporter);
    EXPECT_FALSE(std::filesystem::exists(file));
    Append({u"perso_dame_f", u"po_regarder", u"perso_monsieur_m"});
    Click(*scene->boutonExporter);
    Click(*scene->boutonExporter);
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "La dame regarde le monsieur. \nLa dame regarde le monsieur. \n");
    in.close();
    // A full disk in the middle of the line: the file keeps what it had. (The limit holds for
    // every file, the captured error output too: the list is made longer than its line first.)
    for (int i = 0; i < 6; ++i) {
        Click(*scene->boutonExporter);
    }
    const auto before = std::filesystem::file_size(file);
    ::testing::internal::CaptureStderr();
    {
        FullDisk full(before + 5);
        Click(*scene->boutonExporter);
    }
    std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_EQ(std::filesystem::file_size(file), before);
    // The adult reads it in the message box too, until its button closes it.
    EXPECT_EQ(scene->boiteMessage->status, 1);
    Click(*scene->boiteMessage->bouton1);
    EXPECT_EQ(scene->boiteMessage->status, 0);
    std::filesystem::remove_all(folder);
    ::testing::internal::CaptureStderr();
    Click(*scene->boutonExporter);
    errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_FALSE(std::filesystem::exists(folder));
    Click(*scene->boiteMessage->bouton1);

    // " retour ": the game-mode screen.
    Click(*scene->boutonRetour);
    EXPECT_EQ(CurrentScene, ecranchoixdujeu);
}

// The export writes the sentence as the frame shows it, a refused one without the full stop it
// does not have; an export that cannot be written is told in the scene's message box, once, with
// its own title, and the explanation of a refused sentence keeps its title.
TEST_F(PhraseTest, TheExportWritesWhatTheFrameShowsAndAFailureIsToldOnScreen) {
    const auto folder = std::filesystem::path(home) / "Documents" / "MirelvanQuibs";
    const auto file = folder / "mirelvanquibs_phrases.txt";
    std::filesystem::create_directories(folder);
    Append({u"perso_dame_f", u"oum_lancer", u"perso_petit garcon_m"});
    ASSERT_EQ(Reads(), u"La dame lance le petit garçon");
    Click(*scene->boutonExporter);
    EXPECT_EQ(scene->boiteMessage->status, 0);
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "La dame lance le petit garçon \n");
    in.close();

    // A folder where the file should be.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    ::testing::internal::CaptureStderr();
    Click(*scene->boutonExporter);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    const MessageBox& boite = *scene->boiteMessage;
    EXPECT_EQ(std::tuple(boite.status, boite.titre->status, boite.message->status,
                         boite.titre->GetText(), boite.message->GetText()),
              std::tuple(1, 1, 1, String(iEnginePhraseAuChoix::TitreExport),
                         String(iEnginePhraseAuChoix::MessageExport)));
    // Told once: closed, it stays closed.
    Click(*boite.bouton1);
    Step(30);
    EXPECT_EQ(boite.status, 0);
    Click(*scene->boutonAnimation);
    EXPECT_EQ(std::tuple(boite.status, boite.titre->GetText()),
              std::tuple(1, String(iEnginePhraseAuChoix::TitreExplication)));
}

// The frame as a child fills it: a long sentence wraps into a second row and each word stays
// inside the frame and within reach, up to the nineteenth and longest; a word dropped at the
// end of the upper row goes there; each card takes its caption's width.
TEST_F(PhraseTest, LongSentencesWrapAndEveryWordStaysInReach) {
    const auto dansLeCadre = [this] {
        for (int i = 0; i < scene->nombrePlacees; ++i) {
            const iGuiEtiquette& mot = Slot(i);
            const float demi = mot.LargeurAuRepos() / 2;
            EXPECT_TRUE(mot.x - demi >= 0 && mot.x + demi <= 1280 && mot.y > 8 && mot.y < 150 &&
                        mot.x == mot.origineX && mot.y == mot.origineY)
                << i << " " << mot.x << " " << mot.y;
            // Read left to right, upper row first.
            if (i > 0) {
                const iGuiEtiquette& avant = Slot(i - 1);
                EXPECT_TRUE(avant.y < mot.y || (avant.y == mot.y && avant.x < mot.x)) << i;
            }
            // The card fits its caption, whatever form the caption took.
            EXPECT_NEAR(mot.LargeurAuRepos(),
                        mot.legende->font->TextWidth(mot.legende->GetText(), 1.0f) + 20, 0.01)
                << i;
        }
    };
    // A sentence the game accepts, too long for one row.
    Append({u"perso_petit garcon_m", u"qui", u"h_wear", u"chapeau_casquette_f", u"violet",
            u"oum_lancer", u"unemain_banane_f", u"à", u"perso_petite fille_f", u"qui",
            u"a_promener", u"animal_crocodile_m", u"blanc"});
    EXPECT_EQ(Reads(), u"Le petit garçon qui porte une casquette violette lance une banane à la "
                       u"petite fille qui promène un crocodile blanc.");
    dansLeCadre();
    // Longer still: a second row, read after the first.
    Append({u"qui", u"ouodm_tenir", u"deuxmains_paquet-cadeau_m", u"rouge"});
    EXPECT_EQ(std::tuple(Slot(0).y, Slot(16).y),
              std::tuple(iEngineEtiq::RangeeHauteY, iEngineEtiq::RangeeBasseY));
    dansLeCadre();
    // Both rows start at one x.
    int premierBas = 0;
    while (Slot(premierBas).y == iEngineEtiq::RangeeHauteY) {
        ++premierBas;
    }
    EXPECT_FLOAT_EQ(Slot(premierBas).x - Slot(premierBas).LargeurAuRepos() / 2,
                    Slot(0).x - Slot(0).LargeurAuRepos() / 2);
    // Let go right of the upper row, a word ends that row; taken out again, the rows close up.
    int dernierHaut = 0;
    while (Slot(dernierHaut + 1).y == iEngineEtiq::RangeeHauteY) {
        ++dernierHaut;
    }
    Drag(Bank(u"jaune").x, Bank(u"jaune").y, 1270, 40);
    EXPECT_EQ(Slot(dernierHaut + 1).texte, u"jaune");
    DragSlot(dernierHaut + 1, 640, 400);
    EXPECT_EQ(scene->nombrePlacees, 17);
    dansLeCadre();

    // "à" read "au", "le monsieur" read "monsieur." with its full stop: each card to its
    // caption.
    Click(*scene->boutonEffacer);
    Append({u"perso_dame_f", u"oum_lancer", u"unemain_balle_f", u"à", u"perso_monsieur_m"});
    EXPECT_EQ(Reads(), u"La dame lance une balle au monsieur.");
    dansLeCadre();

    // Nineteen of the longest words: all inside the frame, the last one within reach.
    Click(*scene->boutonEffacer);
    for (int i = 0; i < 19; ++i) {
        Append({i % 2 ? u"i_jouer de la musique" : u"p_portersurepaules"});
    }
    EXPECT_EQ(scene->nombrePlacees, 19);
    dansLeCadre();
    // Drawn closer, but no card covers the writing of the one after it.
    for (int i = 1; i < 19; ++i) {
        const iGuiEtiquette& avant = Slot(i - 1);
        const iGuiEtiquette& mot = Slot(i);
        const float ecrit = mot.legende->font->TextWidth(mot.legende->GetText());
        EXPECT_TRUE(avant.y != mot.y || avant.x + avant.LargeurAuRepos() / 2 <= mot.x - ecrit / 2)
            << i;
    }
    const iGuiEtiquette& dernier = Slot(18);
    DragSlot(18, 640, 400);
    EXPECT_EQ(scene->nombrePlacees, 18) << dernier.x;
}

// Nineteen of the widest words with the narrowest among them: the two rows start at one x inside
// the frame's border, every card keeps at least half of itself in sight with the whole of its
// caption (the wide ones a little smaller), and a press on the middle of what shows of a card
// takes that card; lifted, a card's caption is back to its size and its middle.
TEST_F(PhraseTest, ACrowdedFrameKeepsEveryCardInSightAndWithinReach) {
    for (int i = 0; i < 19; ++i) {
        Append({i == 11 ? u"à" : u"i_jouer de la musique"});
    }
    ASSERT_EQ(scene->nombrePlacees, 19);
    // The last word's pop over.
    Step(30);
    const iList4& page = *scene->decor->guiPages[0];
    // What shows of each card: the cards before it in its row are drawn over it.
    struct Vue {
        float gauche, droite;
    };
    std::vector<Vue> enVue;
    float couvert = 0;
    for (int k = 0; k < 19; ++k) {
        const iGuiEtiquette& mot = Slot(k);
        const float w = mot.LargeurAuRepos();
        // Inside the frame's border (its dashed line runs at y 26 and 150, x 18 and 1262).
        EXPECT_TRUE(mot.y - mot.Height() / 2 >= 26 && mot.y + mot.Height() / 2 <= 150 &&
                    mot.x - w / 2 >= 18 &&
                    mot.x + w / 2 <= 1262)
            << k << " at " << mot.x << ", " << mot.y;
        if (k == 0 || mot.y != Slot(k - 1).y) {
            // A row starts where the first one does.
            EXPECT_FLOAT_EQ(mot.x - w / 2, Slot(0).x - Slot(0).LargeurAuRepos() / 2);
            couvert = 0;
        } else {
            EXPECT_LT(page.IndexOf(&mot), page.IndexOf(&Slot(k - 1))) << k;
        }
        EXPECT_GT(page.IndexOf(mot.legende.get()), page.IndexOf(&mot)) << k;
        const Vue vue{std::max(mot.x - w / 2, couvert), mot.x + w / 2};
        couvert = std::max(couvert, vue.droite);
        EXPECT_GE(vue.droite - vue.gauche, w / 2) << k;
        // Its writing shows whole there, at its full size or not much smaller; the narrow
        // word's at its full size.
        const iGuiTextField& legende = *mot.legende;
        const float ecrit = legende.font->TextWidth(legende.GetText(), legende.scaleX);
        const float milieu = legende.Left() + legende.Width() / 2;
        EXPECT_TRUE(vue.gauche <= milieu - ecrit / 2 && milieu + ecrit / 2 <= vue.droite) << k;
        EXPECT_GE(legende.scaleX, mot.texte == u"à" ? 1.0f : 0.6f) << k;
        enVue.push_back(vue);
    }
    // A press in the middle of what shows of a card is on that card, before any other.
    for (int k = 0; k < 19; ++k) {
        PointOnCanvas((enVue[k].gauche + enVue[k].droite) / 2, Slot(k).y);
        int prise = -1;
        for (int j = 0; j < 19 && prise < 0; ++j) {
            prise = Slot(j).EstTouchee() ? j : -1;
        }
        EXPECT_EQ(prise, k);
    }
    // Lifted, a covered card shows its caption whole and in the middle.
    PointOnCanvas((enVue[5].gauche + enVue[5].droite) / 2, Slot(5).y);
    Press();
    Step(3);
    EXPECT_NEAR(Slot(5).legende->Left() + Slot(5).legende->Width() / 2, Slot(5).x, 4.0f);
    EXPECT_GT(Slot(5).legende->scaleX, 0.9f);
    Release();
    Step(2);
    EXPECT_EQ(Slot(5).x, Slot(5).origineX);
    // So the narrow word is taken out by what shows of it.
    int a = 0;
    while (Slot(a).texte != u"à") {
        ++a;
    }
    Drag((enVue[a].gauche + enVue[a].droite) / 2, Slot(a).y, 640, 400);
    EXPECT_EQ(scene->nombrePlacees, 18);
    EXPECT_EQ(Reads(true).find(u"à"), String::npos);
}

// The markers that tell a toy elephant from a real one stay on the bank's cards; the sentence
// keeps them only when both elephants are in it, in the frame, the acted sentence and the export.
TEST_F(PhraseTest, ElephantMarkersOnlyWhereBothElephantsMeet) {
    EXPECT_EQ(Bank(u"animal_elephant_m").legende->GetText(), u"un (vrai) éléphant");
    Append({u"perso_dame_f", u"po_regarder", u"animal_elephant_m"});
    EXPECT_EQ(Reads(), u"La dame regarde un éléphant.");
    const auto folder = std::filesystem::path(home) / "Documents" / "MirelvanQuibs";
    std::filesystem::create_directories(folder);
    Click(*scene->boutonExporter);
    std::ifstream in(folder / "mirelvanquibs_phrases.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "La dame regarde un éléphant. \n");

    Click(*scene->boutonEffacer);
    Append({u"perso_dame_f", u"qui", u"odm_soulever", u"deuxmains_elephant_m", u"po_regarder",
            u"animal_elephant_m"});
    EXPECT_EQ(Reads(), u"La dame qui soulève un (faux) éléphant regarde un (vrai) éléphant.");
    // The toy one taken out: the real one loses its marker.
    DragSlot(3, 640, 400);
    EXPECT_EQ(Slot(4).legende->GetText(), u"un éléphant");
    Click(*scene->boutonEffacer);
    Append({u"perso_dame_f", u"po_regarder", u"animal_elephant_m"});
    Click(*scene->boutonAnimation);
    EXPECT_EQ(phraseChoisie, u"La dame regarde un éléphant.");
}
