// The menus against what a parent's folder and hands can do: files that are not files, linked
// folders, folders that look alike, names of spaces, fast typing, the delete question left open,
// Escape on options screen 2, the ends of the long lists, white texts over the furniture, the
// name of every screen switched to, and French typography in every text shown.
#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "framework/engine.h"
#include "gui/button.h"
#include "gui/button_variants.h"
#include "gui/check_box.h"
#include "gui/image_widget.h"
#include "gui/input.h"
#include "gui/label.h"
#include "gui/message_box.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "gui/text_field.h"
#include "menu_fixture.h"
#include "screens/end_screen.h"
#include "screens/gallery_screen.h"
#include "screens/menu_message.h"
#include "screens/mode_screen.h"
#include "screens/options1_screen.h"
#include "screens/options2_screen.h"
#include "screens/preferences.h"
#include "screens/profiles_screen.h"
#include "screens/setup_screens.h"
#include "screens/title_screen.h"

namespace {

namespace fs = std::filesystem;

class MenusRobustness : public MenusAppTest {
  protected:
    std::string Game() const { return platform::ToUtf8(platform::GameFolder()); }
    // A fresh profiles screen, entered as the hub enters it.
    std::shared_ptr<iEngineProfils> OuvreProfils() {
        auto profils = std::make_shared<iEngineProfils>();
        profils->Create();
        ecranprofils = profils;
        Entre(profils);
        return profils;
    }
    // The debug lines printed from now on.
    std::vector<String>& Lines() {
        platform::SetPrintSink([this](const String& line) { lines.push_back(line); });
        lines.clear();
        return lines;
    }
    // Every text of the engine's widgets, groups and lists included.
    static void Texts(iGuiObject& widget, std::vector<String>& out) {
        if (auto* label = dynamic_cast<iGuiLabel*>(&widget)) {
            out.push_back(label->text);
        } else if (auto* field = dynamic_cast<iGuiTextField*>(&widget)) {
            out.push_back(field->text);
        } else if (auto* button = dynamic_cast<iGuiButton*>(&widget)) {
            out.push_back(button->text);
        } else if (auto* input = dynamic_cast<iGuiInput*>(&widget)) {
            out.push_back(input->text);
        }
        if (iList4* children = widget.ChildList()) {
            for (int i = 0; i < children->Count(); ++i) {
                Texts(*children->Get(i), out);
            }
        }
    }
    static std::vector<String> Texts(iEngine& engine) {
        std::vector<String> out;
        for (int p = 0; p < engine.playfields.Count(); ++p) {
            for (const auto& page : engine.playfields.Get(p)->guiPages) {
                for (int i = 0; page && i < page->Count(); ++i) {
                    Texts(*page->Get(i), out);
                }
            }
        }
        return out;
    }
    std::vector<String> lines;
};

// The widget's bottom edge as drawn, in the coordinates of its list.
float Bas(const iGuiObject& w) {
    return w.y - static_cast<float>(w.handleY) * w.scaleY + w.Height();
}

} // namespace

// A pipe named "preferences" is read at once as no file at all; a default profile linked out of
// the game folder is written nowhere; folders whose names differ only by bytes that do not show
// are each listed once, under captions that differ, and each row leads to its own folder.
TEST_F(MenusRobustness, OddFoldersAndFilesOfAParent) {
    ASSERT_TRUE(CreeProfil(u"Zoé"));
    ASSERT_EQ(mkfifo((Game() + "Zoé/preferences").c_str(), 0644), 0);
    dossierprofil = CheminProfil(u"Zoé");
    passiveok = 1;
    alarm(20);
    EXPECT_FALSE(LitPreferences());
    alarm(0);
    EXPECT_EQ(passiveok, 1);
    EXPECT_FALSE(EcritPreferences());

    fs::create_directories(home + "/ailleurs");
    fs::remove_all(Game() + "_defaut");
    fs::create_directory_symlink(home + "/ailleurs", Game() + "_defaut");
    dossierprofil = CheminProfil(DossierDefaut);
    EXPECT_FALSE(EcritPreferences());
    EXPECT_TRUE(fs::is_empty(home + "/ailleurs"));
    fs::remove(Game() + "Zoé/preferences");

    for (const std::string nom : {"caf\xC3\xA9", "caf\xE9",
                                  "\xEF\xBB\xBF"
                                  "caf\xC3\xA9",
                                  "caf\xC3\xA9 ", "caf\xC3\xA9\xC2\xA0"}) {
        fs::create_directory(Game() + nom);
    }
    const std::vector<String> profils = ListeProfils();
    const std::vector<String> captions = LegendesProfils(profils);
    const std::set<String> legendes(captions.begin(), captions.end());
    for (const String& dossier : profils) {
        dossierprofil = CheminProfil(dossier);
        ASSERT_TRUE(EcritPreferences()) << platform::ToUtf8(NomAfficheProfil(dossier));
    }
    EXPECT_EQ(profils.size(), 6u);
    EXPECT_EQ(legendes.size(), profils.size());
    EXPECT_TRUE(legendes.count(u"café") && legendes.count(u"caf?") && legendes.count(u"?café"));
    for (const std::string nom : {"caf\xC3\xA9", "caf\xE9",
                                  "\xEF\xBB\xBF"
                                  "caf\xC3\xA9"}) {
        EXPECT_TRUE(fs::is_regular_file(Game() + nom + "/preferences")) << nom;
    }
    // Deleting one of them leaves the others.
    EXPECT_TRUE(EffaceProfil(profils[static_cast<std::size_t>(
        std::find_if(profils.begin(), profils.end(),
                     [](const String& d) { return NomAfficheProfil(d) == u"caf?"; }) -
        profils.begin())]));
    EXPECT_FALSE(fs::exists(Game() + "caf\xE9"));
    EXPECT_TRUE(fs::exists(Game() + "caf\xC3\xA9"));
    // Spaces around a name are dropped; a name of spaces is no name.
    EXPECT_EQ(ProposeNomProfil(u"  Léo "), u"Léo");
    const String espaces = ProposeNomProfil(u"   ");
    EXPECT_TRUE(std::count(PrenomsProposes.begin(), PrenomsProposes.end(), espaces) ||
                espaces.find(u' ') != 0);
    EXPECT_EQ(espaces, platform::Trim(espaces));
}

// Typed in one go, a name keeps every letter, "œ" and "’" too; the question names the profile,
// greys nothing but the default profile's "effacer", and is answered "Annuler" when the screen is
// left, so the next visit starts without it. The list's end shows "retour" whole, the slider clear
// of the logo.
TEST_F(MenusRobustness, ProfilesScreenAsAParentUsesIt) {
    ASSERT_TRUE(CreeProfil(u"Zoé"));
    auto profils = OuvreProfils();
    profils->nameInput->SetText(u"");
    Click(*profils->nameInput);
    for (char16_t c : String(u"Marie-Léonie")) {
        platform::Input().Type(c);
    }
    Step();
    EXPECT_EQ(profils->nameInput->GetText(), u"Marie-Léonie");
    Click(*profils->addButton, 12);
    EXPECT_TRUE(fs::is_directory(Game() + "Marie-Léonie"));
    // The ligature and the typographic apostrophe are kept as typed, in the folder's name too.
    profils->nameInput->SetText(u"");
    for (char16_t c : String(u"C\u0153ur d\u2019Œdipe")) {
        platform::Input().Type(c);
    }
    Step();
    Click(*profils->addButton, 12);
    EXPECT_TRUE(fs::is_directory(Game() + "Cœur d’Œdipe"));

    for (int i = 0; i < profils->rowCount; ++i) {
        const auto ligne = static_cast<std::size_t>(i);
        EXPECT_EQ(profils->deleteButtons[ligne]->ghost,
                  profils->rowFolders[ligne] == DossierDefaut);
    }
    const auto zoe = static_cast<std::size_t>(
        std::find(profils->rowFolders.begin(), profils->rowFolders.end(), u"Zoé") -
        profils->rowFolders.begin());
    Click(*profils->deleteButtons[zoe], 12);
    ASSERT_TRUE(MessageAffiche(*profils->confirmBox));
    EXPECT_EQ(profils->confirmBox->message->text,
              u"Souhaitez-vous vraiment effacer le profil «\u00A0Zoé\u00A0»\u00A0?");
    platform::Input().KeyPress(27);
    Step(2);
    EXPECT_EQ(CurrentScene, ecranintro);
    Entre(profils);
    EXPECT_FALSE(MessageAffiche(*profils->confirmBox));
    Click(*profils->deleteButtons[zoe], 12);
    Click(*profils->galleryButtons[zoe], 12);
    EXPECT_EQ(CurrentScene, profils) << "the question holds the rows until it is answered";
    Click(*profils->confirmBox->bouton2, 12);
    EXPECT_TRUE(fs::is_directory(Game() + "Zoé"));

    for (int i = 0; i < 30; ++i) {
        fs::create_directory(Game() + "p" + std::to_string(100 + i));
    }
    profils = OuvreProfils();
    auto& glissiere = *profils->scrollBox->sliderV;
    glissiere.value = static_cast<float>(glissiere.maximum);
    Step(2);
    EXPECT_LE(Bas(*profils->backButton) - profils->scrollBox->cameraY, CanvasHeight - 8.0f);
    EXPECT_GE(glissiere.y, profils->logo->y + profils->logo->Height());
}

// Escape leaves options screen 2 with the choice in memory only; "retour" keeps it in the
// profile. At the end of the list "retour" shows whole. The white texts over the furniture
// have their rim.
TEST_F(MenusRobustness, OptionsTwoEscapeKeepsNothingAndItsEndShowsRetour) {
    ASSERT_TRUE(CreeProfil(u"Léa"));
    dossierprofil = CheminProfil(u"Léa");
    const std::string fichier = Game() + "Léa/preferences";
    Entre(ecranoptions2);
    auto& options = *ecranoptions2;
    options.scrollBox->sliderV->value = options.animauxGroupBox->y - 300;
    Step(2);
    Click(*options.animauxGroupBox);
    EXPECT_FALSE(groupeanimaux);
    platform::Input().KeyPress(27);
    Step(2);
    EXPECT_EQ(CurrentScene, ecranintro);
    EXPECT_FALSE(fs::exists(fichier));
    EXPECT_FALSE(groupeanimaux);

    Entre(ecranoptions2);
    auto& glissiere = *options.scrollBox->sliderV;
    glissiere.value = static_cast<float>(glissiere.maximum);
    Step(2);
    EXPECT_LE(Bas(*options.backButton) - options.scrollBox->cameraY,
              options.scrollBox->Height() - 8);
    Click(*options.backButton, 12);
    EXPECT_TRUE(fs::exists(fichier));

    for (const iGuiLabel* label : {options.titleLabel.get(), options.persosLabels[1].get(),
                                   ecranoptions1->TexteCod.get(), ecranoptions1->TexteQue.get()}) {
        EXPECT_TRUE(label->outline.on) << platform::ToUtf8(label->text);
    }
    EXPECT_TRUE(ecranoptions1->ChampExemple->outline.on);
    auto un = Open<iEngineNombreItems1>();
    for (const iGuiLabel* label : {un->toursLabel.get(), un->phrasesValue.get(),
                                   un->animationsLabel.get(), un->variationsLabel.get()}) {
        EXPECT_TRUE(label->outline.on) << platform::ToUtf8(label->text);
    }
}

// Each switch between the menu screens prints the name of the screen it goes to, once.
TEST_F(MenusRobustness, EverySwitchNamesTheScreen) {
    auto& vu = Lines();
    const auto attend = [&](const char16_t* nom) {
        EXPECT_EQ(std::count(vu.begin(), vu.end(), String(nom)), 1) << platform::ToUtf8(nom);
        vu.clear();
    };
    Entre(ecranoptions2);
    ecranoptions2->scrollBox->sliderV->value = 2000;
    Step(2);
    vu.clear();
    Click(*ecranoptions2->backButton, 12);
    attend(u"ecranintro");
    auto mode = Open<iEngineChoixDuMode>();
    ecranchoixdujeu = mode;
    vu.clear();
    Click(*mode->associerButton, 12);
    attend(u"ecrannombreitems1");
    platform::Input().KeyPress(27);
    Step(2);
    attend(u"ecranchoixdujeu");
    Open<iEngineChoixDuMode>();
    vu.clear();
    Click(*ecranchoixdujeu->remettreButton, 12);
    attend(u"ecrannombreitems2");
    ecrangalerie = Open<iEngineGalerie>();
    vu.clear();
    Click(*ecrangalerie->galerie->bouton, 12);
    attend(u"ecranprofils");
    ecrangalerie = Open<iEngineGalerie>();
    vu.clear();
    platform::Input().KeyPress(27);
    Step(2);
    attend(u"ecranintro");
    SwitchScene(ecranfin);
    Step();
    vu.clear();
    platform::Input().KeyPress(27);
    Step(2);
    attend(u"ecranintro");
}

// Every text the menus show, their messages included, in French typography: a no-break space
// before "?", "!", ":" and ";" and inside « », which are the only quotes; no doubled space; a
// comma before "donc".
TEST_F(MenusRobustness, EveryTextHasFrenchTypography) {
    ASSERT_TRUE(CreeProfil(u"Zoé"));
    auto profils = OuvreProfils();
    Click(*profils->deleteButtons[1], 12);
    ASSERT_TRUE(MessageAffiche(*profils->confirmBox));
    std::vector<std::shared_ptr<iEngine>> ecrans = {ecrantitre,    ecranintro,   ecranoptions1,
                                                    ecranoptions2, ecranprofils, ecranfin};
    ecrans.push_back(Open<iEngineChoixDuMode>());
    ecrans.push_back(Open<iEngineNombreItems1>());
    ecrans.push_back(Open<iEngineNombreItems2>());
    ecrans.push_back(Open<iEngineGalerie>());
    std::vector<String> textes = {MessagePasDePhrase,         MessagePasDeVariation,
                                  MessageEchecEnregistrement, MessageEchecCreation,
                                  MessageEchecEffacement,     QuestionEffacer(u"Zoé")};
    for (int etat = 0; etat < 3; ++etat) {
        ecranoptions1->BoutonCod->SetState(etat);
        textes.push_back(ecranoptions1->BoutonCod->text);
    }
    for (const auto& ecran : ecrans) {
        const auto t = Texts(*ecran);
        textes.insert(textes.end(), t.begin(), t.end());
    }
    EXPECT_GT(textes.size(), 100u);
    for (const String& texte : textes) {
        SCOPED_TRACE(platform::ToUtf8(texte));
        for (std::size_t i = 0; i < texte.size(); ++i) {
            const char16_t c = texte[i];
            const bool avant = i > 0 && texte[i - 1] == u'\u00A0';
            const bool apres = i + 1 < texte.size() && texte[i + 1] == u'\u00A0';
            if (String(u"?!:;»").find(c) != String::npos) {
                EXPECT_TRUE(avant) << "no no-break space before unit " << i;
            }
            if (c == u'«') {
                EXPECT_TRUE(apres) << "no no-break space after unit " << i;
            }
            EXPECT_EQ(String(u"\"\u201C\u201D").find(c), String::npos) << "a quote at " << i;
        }
        EXPECT_EQ(texte.find(u"''"), String::npos) << "doubled apostrophes";
        EXPECT_EQ(texte.find(u"  "), String::npos) << "a doubled space";
        for (auto donc = texte.find(u" donc "); donc != String::npos;
             donc = texte.find(u" donc ", donc + 1)) {
            EXPECT_TRUE(donc > 0 && texte[donc - 1] == u',') << "no comma before \"donc\"";
        }
    }
}
