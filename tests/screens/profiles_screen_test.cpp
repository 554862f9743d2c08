// The profiles screen in a temporary home, driven by pressing its buttons and typing through
// the input device: adding, using, deleting (the current profile too), the gallery; six hundred
// profiles.
#include <filesystem>

#include "gui/button_variants.h"
#include "gui/input.h"
#include "gui/message_box.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "gui/text_field.h"
#include "menu_fixture.h"
#include "screens/preferences.h"

namespace {

namespace fs = std::filesystem;

class ProfilesScreenTest : public MenuTest {
  protected:
    // The screen built as the game builds it over these profile folders, entered from the hub.
    void Start(std::initializer_list<std::string> folders) {
        game = platform::ToUtf8(platform::GameFolder());
        for (const std::string& folder : folders) {
            fs::create_directories(game + folder);
        }
        ecranprofils = screen = Open<iEngineProfils>();
    }
    void Enter() {
        NouvelEcran = true;
        SwitchScene(ecranprofils);
        Step();
    }
    // A row's button, the list scrolled to it first.
    void ClickRow(const std::vector<std::shared_ptr<iGuiButton2>>& buttons, const String& row) {
        const auto& button = *buttons[static_cast<std::size_t>(RowOf(row))];
        screen->scrollBox->sliderV->value = std::max(0.0f, button.y - 300);
        Step(2);
        Click(button, 12);
    }
    void Type(const std::u16string& text) {
        for (int i = 0; i < 20; ++i) {
            platform::Input().KeyPress(8);
            Step();
        }
        for (char16_t c : text) {
            platform::Input().Type(c);
            Step();
        }
    }
    std::vector<String> Rows() const {
        std::vector<String> rows;
        for (int i = 0; i < screen->rowCount; ++i) {
            rows.push_back(screen->nameFields[static_cast<std::size_t>(i)]->GetText());
        }
        return rows;
    }
    int RowOf(const String& text) const {
        const auto rows = Rows();
        return static_cast<int>(std::find(rows.begin(), rows.end(), text) - rows.begin());
    }
    static bool Shown(const MessageBox& box) { return box.status == 1 && box.bouton1->status == 1; }

    // Every row in use in its place under the one above it, the four widgets on one line, the
    // free slots hidden, "retour" below the last row.
    void ExpectAligned() const {
        const auto& s = *screen;
        float y = s.addButton->y + s.nameInput->Height() + 24;
        float last = y;
        for (std::size_t i = 0; i < s.nameFields.size(); ++i) {
            const auto& name = *s.nameFields[i];
            const auto& use = *s.useButtons[i];
            const bool used = static_cast<int>(i) < s.rowCount;
            ASSERT_EQ(name.status == 1 && s.deleteButtons[i]->status == 1 && use.status == 1 &&
                          s.galleryButtons[i]->status == 1,
                      used)
                << i;
            if (!used) {
                continue;
            }
            ASSERT_TRUE(s.deleteButtons[i]->y == y && use.y == y && s.galleryButtons[i]->y == y)
                << i;
            // A short name reads on the line of the captions.
            ASSERT_NEAR(name.y + name.Height() * name.scaleY / 2, y + use.Height() / 2, 0.5f);
            ASSERT_EQ(name.x, s.nameInput->x);
            ASSERT_EQ(s.deleteButtons[i]->x, s.addButton->x);
            ASSERT_EQ(use.x, s.useNewButton->x);
            ASSERT_EQ(s.galleryButtons[i]->x, use.x + use.Width() + 8);
            last = y;
            y += name.Height() * name.scaleY + 24;
        }
        EXPECT_GE(s.backButton->y, last + 72);
    }

    std::string game;
    std::shared_ptr<iEngineProfils> screen;
};

TEST_F(ProfilesScreenTest, AddUseAndDeleteTheCurrentProfile) {
    Start({"Zoé", "Léo", "Ada", "Bob"});
    EXPECT_EQ(Rows(), (std::vector<String>{u"_par défaut_", u"Ada", u"Bob", u"Léo", u"Zoé"}));

    // "ajouter": the new profile heads the list, the field is ready for the next one.
    Type(u"Max");
    EXPECT_EQ(screen->nameInput->GetText(), u"Max");
    Click(*screen->addButton, 12);
    EXPECT_TRUE(fs::is_directory(game + "Max"));
    EXPECT_EQ(Rows(),
              (std::vector<String>{u"Max", u"_par défaut_", u"Ada", u"Bob", u"Léo", u"Zoé"}));
    EXPECT_EQ(screen->nameInput->GetText(), u"nouveau profil");
    EXPECT_EQ(screen->useButtons.back()->text, u"charger");
    ExpectAligned();

    // "utiliser" beside the field: a taken name gets a free form, which becomes current.
    Type(u"Zoé");
    Click(*screen->useNewButton, 12);
    const String made = Rows()[0];
    EXPECT_NE(made, u"Zoé");
    EXPECT_NE(made.find(u"Zoé"), String::npos);
    EXPECT_EQ(dossierprofil, CheminProfil(made));
    EXPECT_EQ(CurrentScene, ecranintro);

    // "effacer" held until the question shows, with "OK" right under the pointer then,
    // answers nothing; "Annuler" keeps the profile.
    Enter();
    auto& box = *screen->confirmBox;
    const auto [x, y] = Where(*screen->deleteButtons[static_cast<std::size_t>(RowOf(u"Zoé"))]);
    platform::Input().MoveMouse(x, y);
    platform::Input().Press(1);
    Step(14);
    ASSERT_TRUE(Shown(box));
    const auto [okX, okY] = Where(*box.bouton1);
    ASSERT_TRUE(std::abs(okX - x) < box.bouton1->Width() / 2 - 8 &&
                std::abs(okY - y) < box.bouton1->Height() / 2 - 8);
    platform::Input().Release(1);
    Step(14);
    EXPECT_TRUE(Shown(box));
    Click(*box.bouton2, 12);
    EXPECT_FALSE(Shown(box));
    EXPECT_TRUE(fs::is_directory(game + "Zoé"));

    // "OK": the current profile goes, and the default one takes its place.
    ClickRow(screen->deleteButtons, made);
    Click(*box.bouton1, 12);
    EXPECT_FALSE(Shown(box));
    EXPECT_FALSE(fs::exists(game + platform::ToUtf8(made)));
    EXPECT_EQ(Rows(),
              (std::vector<String>{u"Max", u"_par défaut_", u"Ada", u"Bob", u"Léo", u"Zoé"}));
    EXPECT_EQ(dossierprofil, CheminProfil(DossierDefaut));
    ExpectAligned();

    // The default profile is never offered for deletion.
    ClickRow(screen->deleteButtons, u"_par défaut_");
    EXPECT_FALSE(Shown(box));
}

TEST_F(ProfilesScreenTest, TheGalleryOpensOnTheRowsProfile) {
    Start({"Zoé"});
    dossierprofil = CheminProfil(u"Zoé");
    passiveok = 2;
    ASSERT_TRUE(EcritPreferences());
    dossierprofil = CheminProfil(DossierDefaut);
    passiveok = 0;

    ClickRow(screen->galleryButtons, u"Zoé");
    EXPECT_EQ(dossierprofil, CheminProfil(u"Zoé"));
    EXPECT_EQ(passiveok, 2);
    EXPECT_EQ(modedejeu, 4);
    EXPECT_TRUE(CurrentScene != ecranprofils && CurrentScene != ecranintro);
    platform::Input().KeyPress(27);
    Step(2);
    EXPECT_EQ(CurrentScene, ecranprofils);
}

TEST_F(ProfilesScreenTest, SixHundredProfilesScrollAndStayAlignedAfterDeletesInTheMiddle) {
    for (int i = 0; i < 600; ++i) {
        fs::create_directories(platform::ToUtf8(platform::GameFolder()) + "p" +
                               std::to_string(1000 + i));
    }
    Start({});
    ASSERT_EQ(screen->rowCount, 601);
    auto& slider = *screen->scrollBox->sliderV;
    EXPECT_GT(slider.maximum, 600 * 44);

    platform::Input().Wheel(-1);
    Step();
    EXPECT_EQ(slider.value, 6);
    platform::Input().Wheel(1);
    Step();
    EXPECT_EQ(slider.value, 0);

    // The last one was already removed outside the game: its row goes all the same.
    fs::remove(game + "p1150");
    for (const char16_t* gone : {u"p1300", u"p1301", u"p1150"}) {
        const auto row = static_cast<std::size_t>(RowOf(gone));
        ClickRow(screen->deleteButtons, gone);
        // Only the rows inside the panel are drawn.
        EXPECT_TRUE(screen->galleryButtons[row]->visible);
        EXPECT_FALSE(screen->nameFields[row - 20]->visible ||
                     screen->useButtons[row + 20]->visible);
        Click(*screen->confirmBox->bouton1, 12);
        EXPECT_EQ(RowOf(gone), screen->rowCount);
    }
    EXPECT_FALSE(Shown(*screen->failureBox));
    EXPECT_EQ(screen->rowCount, 598);
    ExpectAligned();

    // A new profile takes a freed slot.
    slider.value = 0;
    Step(2);
    Click(*screen->addButton, 12);
    EXPECT_EQ(screen->rowCount, 599);
    EXPECT_EQ(screen->nameFields.size(), 601u);
    EXPECT_EQ(ListeProfils().size(), 599u);
    ExpectAligned();

    // Leaving with Escape brings the list back to its top on return.
    slider.value = 500;
    platform::Input().KeyPress(27);
    Step(2);
    EXPECT_EQ(CurrentScene, ecranintro);
    Enter();
    EXPECT_EQ(slider.value, 0);
}

} // namespace
