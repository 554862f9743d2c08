// Options screen 2, the game-mode screen and the set-up screens with injected presses: each box
// switches the word its label names, box and flag never part, leaving is refused or warned as
// the words allow; counters stop at their bounds; games start only when the words allow them.
#include <set>

#include "framework/bitmap_font.h"
#include "gui/check_box.h"
#include "gui/label.h"
#include "gui/message_box.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "menu_fixture.h"
#include "screens/menu_message.h"
#include "screens/mode_screen.h"
#include "screens/options2_screen.h"
#include "screens/sentence_feasibility.h"
#include "screens/setup_screens.h"

namespace {

// Letters only, lower case, without accents: "petit garçon" and "perso_petit garcon_m" meet.
std::string Cle(const String& text) {
    std::string cle;
    for (char16_t c : platform::ToLower(text)) {
        const std::u16string from = u"àâçéèêëîïôûù";
        const char* to = "aaceeeeiiouu";
        if (const auto at = from.find(c); at != String::npos) {
            cle += to[at];
        } else if (c >= u'a' && c <= u'z') {
            cle += static_cast<char>(c);
        }
    }
    return cle;
}

// The word a code names: no category or valency prefix, no gender suffix.
std::string CleDuCode(const String& code) {
    if (code == u"h_wear") {
        return "porterhabit";
    }
    if (code == u"p_portersurepaules") {
        return "portersurlesepaules";
    }
    String mot = code.substr(code.find(u'_') + 1);
    if (platform::EndsWith(mot, u"_m") || platform::EndsWith(mot, u"_f")) {
        mot.erase(mot.size() - 2);
    }
    return mot == u"chapeau_de_couleur" ? "chapeau" : Cle(mot);
}

struct Liste {
    const StringArray* tous;
    FlagArray* coches;
};
const Liste Listes[] = {{&PersosTous, &PersosCoches},
                        {&VerbesIntransitifsTous, &VerbesIntransitifsCoches},
                        {&VerbeJouerMusiqueTous, &VerbeJouerMusiqueCoches},
                        {&VerbeRegarderTous, &VerbeRegarderCoches},
                        {&VerbeLancerTous, &VerbeLancerCoches},
                        {&VerbeSouleverTous, &VerbeSouleverCoches},
                        {&VerbeTenirTous, &VerbeTenirCoches},
                        {&VerbePromenerTous, &VerbePromenerCoches},
                        {&VerbePoursuivreTous, &VerbePoursuivreCoches},
                        {&VerbesLancerSurATous, &VerbesLancerSurACoches},
                        {&VerbePorterSurEpaulesTous, &VerbePorterSurEpaulesCoches},
                        {&VerbePorterHabitTous, &VerbePorterHabitCoches},
                        {&ObjetsUneMainTous, &ObjetsUneMainCoches},
                        {&ObjetsDeuxMainsTous, &ObjetsDeuxMainsCoches},
                        {&AnimauxTous, &AnimauxCoches},
                        {&HabitsTous, &HabitsCoches},
                        {&ChapeauxTous, &ChapeauxCoches},
                        {&CouleursTous, &CouleursCoches}};

// Every flag of the word lists, list by list.
std::vector<FlagArray> Drapeaux() {
    std::vector<FlagArray> d;
    for (const Liste& l : Listes) {
        d.push_back(*l.coches);
    }
    return d;
}

class Menus : public MenuTest {
  protected:
    // Scrolled so that the widget of the list is in view, then pressed.
    void ClicListe(const iGuiObject& w, int after = 0, bool slideOff = false) {
        options->scrollBox->sliderV->value = w.y - 300;
        Step(2);
        Click(w, after, slideOff);
    }
    void ExpectMessage(const MessageBox& boite, const char16_t* texte) {
        ASSERT_TRUE(MessageAffiche(boite));
        const iGuiTextField& m = *boite.message;
        EXPECT_EQ(m.text, texte);
        // Within the panel's sides, and above its button.
        EXPECT_GE(m.x, boite.x + 20);
        EXPECT_LE(m.x + m.Width(), boite.x + boite.Width() - 20);
        const auto lines = WordWrap(m.font.get(), m.width, m.text);
        EXPECT_LE(m.y + static_cast<float>(lines.size()) * m.font->height,
                  boite.bouton1->y - boite.bouton1->handleY);
    }
    std::shared_ptr<iEngineOptions2> options;
};

} // namespace

TEST_F(Menus, EachOptionBoxSwitchesTheWordItsLabelNamesAndNeverPartsFromIt) {
    options = Open<iEngineOptions2>();
    auto& liste = options->scrollBox->children;
    std::set<int> groupe;
    std::set<std::pair<int, int>> atteints;
    for (int i = 0; i + 1 < liste.Count(); ++i) {
        auto* box = dynamic_cast<iGuiCheckBox2*>(liste.Get(i).get());
        if (!box) {
            continue;
        }
        const String texte = dynamic_cast<iGuiLabel&>(*liste.Get(i + 1)).text;
        const auto avant = Drapeaux();
        ClicListe(*box);
        const auto apres = Drapeaux();
        std::vector<std::pair<int, int>> changes;
        for (int l = 0; l < 18; ++l) {
            for (std::size_t k = 0; k < avant[l].size(); ++k) {
                if (avant[l][k] != apres[l][k]) {
                    changes.emplace_back(l, static_cast<int>(k));
                }
            }
        }
        if (changes.size() > 1) {
            // A group box: its lists all off, boxes too; on again, all on.
            groupe.clear();
            for (auto [l, k] : changes) {
                groupe.insert(l);
                EXPECT_FALSE(apres[l][k]);
            }
            EXPECT_EQ(box->checkState, 0) << platform::ToUtf8(texte);
            Couleurs.clear();
            ClicListe(*box);
            EXPECT_EQ(Drapeaux(), avant) << platform::ToUtf8(texte);
            EXPECT_EQ(box->checkState, 1);
            EXPECT_EQ(Couleurs.size(), groupe.count(17) ? 9u : 0u);
            continue;
        }
        ASSERT_EQ(changes.size(), 1u) << platform::ToUtf8(texte);
        const auto [l, k] = changes[0];
        EXPECT_EQ(CleDuCode((*Listes[l].tous)[k]), Cle(texte));
        EXPECT_TRUE(groupe.count(l)) << platform::ToUtf8(texte);
        EXPECT_EQ(box->checkState, apres[l][k] ? 1 : 0) << platform::ToUtf8(texte);
        atteints.insert(changes[0]);
    }
    EXPECT_EQ(atteints.size(), 54u);

    // A press that slides off before its release: the flag changes and the box shows it.
    ClicListe(*options->uneMainBoxes[4], 0, true);
    EXPECT_TRUE(ObjetsUneMainCoches[4]);
    EXPECT_EQ(options->uneMainBoxes[4]->checkState, 1);
    ClicListe(*options->animauxGroupBox, 0, true);
    EXPECT_FALSE(groupeanimaux);
    EXPECT_EQ(options->animauxGroupBox->checkState, 0);
    EXPECT_EQ(AnimauxCoches, FlagArray(4, false));
    EXPECT_EQ(options->animauxBoxes[2]->checkState, 0);

    // The wheel: one step of 6 per frame, nothing above the top, never past the end.
    auto& glissiere = *options->scrollBox->sliderV;
    glissiere.value = 0;
    platform::Input().Wheel(3);
    Step();
    EXPECT_EQ(glissiere.value, 0);
    platform::Input().Wheel(-120);
    Step();
    EXPECT_EQ(glissiere.value, 6);
    glissiere.value = static_cast<float>(glissiere.maximum - 2);
    platform::Input().Wheel(-1);
    Step(2);
    EXPECT_EQ(glissiere.value, glissiere.maximum);
}

TEST_F(Menus, LeavingOptionsTwoChecksTheWordsAndKeepsThemInTheProfile) {
    options = Open<iEngineOptions2>();
    // No person: neither Escape nor "retour" leaves, and the same message says why.
    ClicListe(*options->persosGroupBox);
    Step();
    platform::Input().KeyPress(27);
    Step();
    ExpectMessage(*options->messageBox, MessagePasDePhrase);
    EXPECT_FALSE(variationspossibles);
    Click(*options->messageBox->bouton1, 12);
    EXPECT_FALSE(MessageAffiche(*options->messageBox));
    ClicListe(*options->backButton, 12);
    ExpectMessage(*options->messageBox, MessagePasDePhrase);
    // The panel takes the press: the boxes under it stay as they are.
    const auto sous = Drapeaux();
    Click(*options->messageBox);
    EXPECT_EQ(Drapeaux(), sous);
    Click(*options->messageBox->bouton1, 12);
    EXPECT_EQ(CurrentScene, options);

    // A boy who can only sleep, in a profile of its own: kept, then the hub after "D'accord".
    ASSERT_TRUE(CreeProfil(u"Léa"));
    dossierprofil = CheminProfil(u"Léa");
    ClicListe(*options->persosBoxes[2]);
    ClicListe(*options->actionsGroupBox);
    ClicListe(*options->intransitifsBoxes[6]);
    ClicListe(*options->backButton, 12);
    ExpectMessage(*options->messageBox, MessagePasDeVariation);
    EXPECT_FALSE(variationspossibles);
    EXPECT_TRUE(std::filesystem::exists(platform::ToUtf8(dossierprofil) + "preferences"));
    EXPECT_EQ(CurrentScene, options);
    Click(*options->messageBox->bouton1, 12);
    EXPECT_EQ(CurrentScene, ecranintro);

    // Everything allowed on the default profile: straight to the hub, nothing written.
    NouvelEcran = true;
    SwitchScene(options);
    Step();
    InitVocabulary();
    dossierprofil = CheminProfil(DossierDefaut);
    ClicListe(*options->backButton, 12);
    EXPECT_TRUE(variationspossibles);
    EXPECT_EQ(CurrentScene, ecranintro);
    EXPECT_FALSE(std::filesystem::exists(platform::ToUtf8(dossierprofil) + "preferences"));
}

// A profile whose choices cannot be kept (a folder named "preferences" in the way, the profile's
// folder removed): "retour" says so, as options screen 1 does, and the hub comes after
// "D'accord" with the choices still in memory; without variations either, both are said.
TEST_F(Menus, OptionsTwoTellsChoicesItCouldNotKeep) {
    options = Open<iEngineOptions2>();
    ASSERT_TRUE(CreeProfil(u"Léa"));
    dossierprofil = CheminProfil(u"Léa");
    const std::string dossier = platform::ToUtf8(dossierprofil);
    std::filesystem::create_directory(dossier + "preferences");
    ClicListe(*options->couleursBoxes[0]);
    ClicListe(*options->backButton, 12);
    ExpectMessage(*options->messageBox, MessageEchecEnregistrement);
    EXPECT_EQ(CurrentScene, options);
    Click(*options->messageBox->bouton1, 12);
    EXPECT_EQ(CurrentScene, ecranintro);
    EXPECT_FALSE(CouleursCoches[0]);
    EXPECT_TRUE(std::filesystem::is_directory(dossier + "preferences"));

    NouvelEcran = true;
    SwitchScene(options);
    Step();
    std::filesystem::remove_all(dossier);
    ClicListe(*options->persosGroupBox);
    ClicListe(*options->persosBoxes[2]);
    ClicListe(*options->actionsGroupBox);
    ClicListe(*options->intransitifsBoxes[6]);
    ClicListe(*options->backButton, 12);
    const String lesDeux = MessageEchecEnregistrement + (u"\n" + String(MessagePasDeVariation));
    ExpectMessage(*options->messageBox, lesDeux.c_str());
    EXPECT_FALSE(variationspossibles);
    Click(*options->messageBox->bouton1, 12);
    EXPECT_EQ(CurrentScene, ecranintro);
    EXPECT_FALSE(std::filesystem::exists(dossier));
}

TEST_F(Menus, TheGameModeScreenStartsOnlyTheGamesTheWordsAllow) {
    auto mode = Open<iEngineChoixDuMode>();
    const auto presse = [&](iGuiButton2& bouton) {
        Click(bouton);
        // The game answers when the bounce ends, not at the press.
        EXPECT_EQ(CurrentScene, mode);
        EXPECT_FALSE(MessageAffiche(*mode->messageBox));
        Step(10);
    };
    PersosCoches.assign(4, false);
    for (auto* bouton : {mode->associerButton.get(), mode->fabriquerButton.get()}) {
        presse(*bouton);
        ExpectMessage(*mode->messageBox, MessagePasDePhrase);
        EXPECT_EQ(CurrentScene, mode);
        EXPECT_EQ(modedejeu, 0);
        Click(*mode->messageBox->bouton1, 12);
    }
    PersosCoches[2] = true;
    VerbesIntransitifsCoches.assign(7, false);
    VerbesIntransitifsCoches[6] = true;
    for (auto* verbes :
         {&VerbeJouerMusiqueCoches, &VerbeRegarderCoches, &VerbeLancerCoches, &VerbeSouleverCoches,
          &VerbeTenirCoches, &VerbePromenerCoches, &VerbePoursuivreCoches, &VerbesLancerSurACoches,
          &VerbePorterSurEpaulesCoches, &VerbePorterHabitCoches}) {
        verbes->assign(verbes->size(), false);
    }
    presse(*mode->associerButton);
    ExpectMessage(*mode->messageBox, MessagePasDeVariation);
    Click(*mode->messageBox->bouton1, 12);
    presse(*mode->remettreButton);
    EXPECT_EQ(CurrentScene, ecrannombreitems2);
    EXPECT_EQ(modedejeu, 0);

    InitVocabulary();
    mode = Open<iEngineChoixDuMode>();
    presse(*mode->associerButton);
    EXPECT_EQ(CurrentScene, ecrannombreitems1);
    mode = Open<iEngineChoixDuMode>();
    presse(*mode->fabriquerButton);
    EXPECT_EQ(modedejeu, 3);
    EXPECT_NE(CurrentScene, mode);
    EXPECT_NE(CurrentScene, ecranintro);
}

TEST_F(Menus, SetUpCountersStopAtTheirBoundsAndCommencerStartsTheGame) {
    nombredephrases = 0;
    nombredanimations = 0;
    auto un = Open<iEngineNombreItems1>();
    // The word-order game's one sentence and one animation become four of each.
    EXPECT_EQ(un->phrasesValue->text, u"4");
    EXPECT_EQ(nombredanimations, 3);
    struct {
        iGuiButton2 *up, *down;
        int* n;
        int bas, haut;
        iGuiLabel* valeur;
        int montre;
    } compteurs[] = {
        {un->toursUp.get(), un->toursDown.get(), &nombredetours, 1, 10, un->toursValue.get(), 0},
        {un->phrasesUp.get(), un->phrasesDown.get(), &nombredephrases, 0, 3, un->phrasesValue.get(),
         1},
        {un->animationsUp.get(), un->animationsDown.get(), &nombredanimations, 0, 3,
         un->animationsValue.get(), 1}};
    for (const auto& c : compteurs) {
        for (auto [fleche, borne] : {std::pair{c.up, c.haut}, std::pair{c.down, c.bas}}) {
            for (int i = 0; i < 11; ++i) {
                Click(*fleche);
            }
            EXPECT_EQ(*c.n, borne);
            EXPECT_EQ(c.valeur->text, platform::Str(borne + c.montre));
        }
    }
    for (auto [choix, seuil, texte] :
         {std::tuple{1, 0.3f, u"lexicales"}, std::tuple{0, 0.7f, u"syntaxiques"}}) {
        Click(*un->variationsButton);
        EXPECT_EQ(choixvariations, choix);
        EXPECT_FLOAT_EQ(seuilvariation, seuil);
        EXPECT_EQ(un->variationsButton->text, texte);
    }
    // One animation is the game of one picture; more, the game of several.
    Click(*un->commencerButton, 12);
    EXPECT_EQ(modedejeu, 1);
    EXPECT_NE(CurrentScene, un);
    EXPECT_NE(CurrentScene, ecranintro);
    nombredanimations = 2;
    un = Open<iEngineNombreItems1>();
    Click(*un->commencerButton, 12);
    EXPECT_EQ(modedejeu, 0);
    EXPECT_NE(CurrentScene, un);

    auto deux = Open<iEngineNombreItems2>();
    Click(*deux->commencerButton, 12);
    EXPECT_EQ(modedejeu, 2);
    EXPECT_EQ(nombredephrases + nombredanimations, 0);
    EXPECT_NE(CurrentScene, deux);
}
