// The profiles screen in a temporary home, driven by pressing its buttons and typing through
// the input device: adding, using, deleting (the current profile too), the gallery; six hundred
// profiles.
#include <filesystem>
#include <fstream>

#include "framework/bitmap_font.h"
#include "gui/button_variants.h"
#include "gui/input.h"
#include "gui/message_box.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "gui/text_field.h"
#include "menu_fixture.h"
#include "platform/file_failures.h"
#include "screens/gallery_screen.h"
#include "screens/preferences.h"

namespace {

namespace fs = std::filesystem;
using Rows = std::vector<String>;

class ProfilesScreenTest : public MenuTest {
  protected:
    // Built as the game builds it over these profile folders, entered from the hub.
    void Start(int count, std::initializer_list<std::string> folders) {
        game = platform::ToUtf8(platform::GameFolder());
        for (int i = 0; i < count; ++i) {
            fs::create_directories(game + "p" + std::to_string(1000 + i));
        }
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
    // A button of the list, scrolled to it first.
    void ClickInList(const iGuiButton2& button) {
        screen->scrollBox->sliderV->value = std::max(0.0f, button.y - 300);
        Step(2);
        Click(button, 12);
    }
    void Type(const std::u16string& text) {
        screen->nameInput->SetText(u"");
        for (char16_t c : text) {
            platform::Input().Type(c);
            Step();
        }
    }
    Rows Shown() const {
        Rows rows;
        for (int i = 0; i < screen->rowCount; ++i) {
            rows.push_back(screen->nameFields[static_cast<std::size_t>(i)]->GetText());
        }
        return rows;
    }
    std::size_t Row(const String& text) const {
        const auto rows = Shown();
        return static_cast<std::size_t>(std::find(rows.begin(), rows.end(), text) - rows.begin());
    }
    static bool Asks(const MessageBox& box) { return box.status == 1 && box.bouton1->status == 1; }
    // A widget's top and bottom edges as drawn, in the coordinates of its list.
    static float Top(const iGuiObject& w) { return w.y - static_cast<float>(w.handleY) * w.scaleY; }
    static float Bottom(const iGuiObject& w) { return Top(w) + w.Height(); }

    // Every row in use under the one above it, its four widgets on one line (a short name on
    // the line of the captions), the free slots hidden, "retour" below the last row.
    void ExpectAligned() const {
        const auto& s = *screen;
        float y = s.addButton->y + s.nameInput->Height() + 24;
        for (std::size_t i = 0; i < s.nameFields.size(); ++i) {
            const auto& name = *s.nameFields[i];
            const iGuiButton2* buttons[] = {s.deleteButtons[i].get(), s.useButtons[i].get(),
                                            s.galleryButtons[i].get()};
            const bool used = static_cast<int>(i) < s.rowCount;
            for (const iGuiObject* w : {buttons[0], buttons[1], buttons[2]}) {
                ASSERT_EQ(w->status == 1 && name.status == 1, used) << i;
                ASSERT_TRUE(!used || w->y == y) << i;
            }
            if (used) {
                ASSERT_NEAR(name.y + name.Height() * name.scaleY / 2, y + 22, 0.5f);
                ASSERT_TRUE(name.x == s.nameInput->x && buttons[0]->x == s.addButton->x &&
                            buttons[1]->x == s.useNewButton->x &&
                            buttons[2]->x == buttons[1]->x + buttons[1]->Width() + 8);
                y += std::max(name.Height() * name.scaleY + 24, buttons[0]->Height() + 4);
            }
        }
        EXPECT_GE(s.backButton->y, s.deleteButtons[s.rowCount - 1]->y + 72);
    }

    std::string game;
    std::shared_ptr<iEngineProfils> screen;
};

TEST_F(ProfilesScreenTest, AddUseDeleteTheCurrentProfileAndOpenAGallery) {
    Start(0, {"Zoé", "Léo", "Ada", "Bob"});
    EXPECT_EQ(Shown(), (Rows{u"_par défaut_", u"Ada", u"Bob", u"Léo", u"Zoé"}));

    // "ajouter": the new profile heads the list, the field is ready for the next one.
    Type(u"Max");
    Click(*screen->addButton, 12);
    EXPECT_TRUE(fs::is_directory(game + "Max"));
    EXPECT_EQ(Shown(), (Rows{u"Max", u"_par défaut_", u"Ada", u"Bob", u"Léo", u"Zoé"}));
    EXPECT_EQ(screen->nameInput->GetText(), u"nouveau profil");
    // The new row says "charger"; the rows made at start keep "utiliser".
    EXPECT_EQ(screen->useButtons[0]->text, u"charger");
    EXPECT_EQ(screen->useButtons[1]->text, u"utiliser");
    EXPECT_EQ(screen->useButtons.back()->text, u"utiliser");
    ExpectAligned();

    // "utiliser" beside the field: a taken name gets a free form, which becomes current.
    Type(u"Zoé");
    Click(*screen->useNewButton, 12);
    const String made = Shown()[0];
    EXPECT_TRUE(made != u"Zoé" && made.find(u"Zoé") != String::npos);
    EXPECT_EQ(dossierprofil, CheminProfil(made));
    EXPECT_EQ(CurrentScene, ecranintro);

    // "effacer" held until the question shows, with "OK" right under the pointer then,
    // answers nothing; "Annuler" keeps the profile.
    Enter();
    auto& box = *screen->confirmBox;
    const auto [x, y] = Where(*screen->deleteButtons[Row(u"Zoé")]);
    platform::Input().MoveMouse(x, y);
    platform::Input().Press(1);
    Step(14);
    ASSERT_TRUE(Asks(box));
    const auto [okX, okY] = Where(*box.bouton1);
    ASSERT_TRUE(std::abs(okX - x) < 100 && std::abs(okY - y) < 14);
    platform::Input().Release(1);
    Step(14);
    EXPECT_TRUE(Asks(box));
    Click(*box.bouton2, 12);
    EXPECT_FALSE(Asks(box));
    EXPECT_TRUE(fs::is_directory(game + "Zoé"));

    // "OK": the current profile goes, and the default one takes its place.
    ClickInList(*screen->deleteButtons[Row(made)]);
    Click(*box.bouton1, 12);
    EXPECT_FALSE(Asks(box) || fs::exists(game + platform::ToUtf8(made)));
    EXPECT_EQ(Shown(), (Rows{u"Max", u"_par défaut_", u"Ada", u"Bob", u"Léo", u"Zoé"}));
    EXPECT_EQ(dossierprofil, CheminProfil(DossierDefaut));
    ExpectAligned();
    ClickInList(*screen->deleteButtons[Row(u"_par défaut_")]);
    EXPECT_FALSE(Asks(box));

    // A gallery: its profile, with its preferences, becomes current first.
    dossierprofil = CheminProfil(u"Zoé");
    passiveok = 2;
    ASSERT_TRUE(EcritPreferences());
    dossierprofil = CheminProfil(DossierDefaut);
    passiveok = 0;
    ClickInList(*screen->galleryButtons[Row(u"Zoé")]);
    EXPECT_TRUE(dossierprofil == CheminProfil(u"Zoé") && passiveok == 2 && modedejeu == 4);
    ASSERT_TRUE(ecrangalerie && CurrentScene == ecrangalerie);
    Click(*ecrangalerie->galerie->bouton, 12);
    EXPECT_EQ(CurrentScene, ecranprofils);
}

// A game folder that cannot be written: no new profile, and deleting one deletes nothing of it
// (its own folder could be emptied, but the folder that holds it cannot lose it). Each failure
// shows its message and prints one line.
TEST_F(ProfilesScreenTest, AReadOnlyGameFolderLosesNothingAndEachFailureSaysSo) {
    Start(0, {"Zoé"});
    std::ofstream(game + "Zoé/preferences") << "choix";
    std::ofstream(game + "Zoé/mirelvanquibs_capture_2025-03-05_090703.bmp") << "photo";
    std::ofstream(game + "Zoé/phrases.txt") << "mirelvanquibs_capture_2025-03-05_090703|Zoé.\n";
    const auto lines = [](const std::string& text) {
        return std::count(text.begin(), text.end(), '\n');
    };
    std::string added, deleted;
    {
        ReadOnlyFolder readOnly(game, {game + "Zoé"});
        ::testing::internal::CaptureStderr();
        Type(u"Max");
        Click(*screen->addButton, 12);
        added = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(Asks(*screen->failureBox));
        Click(*screen->failureBox->bouton1, 12);
        ::testing::internal::CaptureStderr();
        ClickInList(*screen->deleteButtons[Row(u"Zoé")]);
        Click(*screen->confirmBox->bouton1, 12);
        deleted = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(Asks(*screen->failureBox));
    }
    EXPECT_EQ(lines(added), 1) << added;
    EXPECT_NE(added.find("Max"), std::string::npos) << added;
    EXPECT_EQ(lines(deleted), 1) << deleted;
    EXPECT_FALSE(fs::exists(game + "Max"));
    EXPECT_EQ(Shown(), (Rows{u"_par défaut_", u"Zoé"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(game + "Zoé"), {}), 3);
    std::ifstream in(game + "Zoé/preferences");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "choix");
    // Once the folder can be written again, both work.
    Click(*screen->failureBox->bouton1, 12);
    ClickInList(*screen->deleteButtons[Row(u"Zoé")]);
    Click(*screen->confirmBox->bouton1, 12);
    EXPECT_FALSE(fs::exists(game + "Zoé"));
    EXPECT_EQ(std::distance(fs::directory_iterator(game), {}), 1);
}

// Long one-word names of folders made outside the game: every row keeps its name inside its
// 350 pixels at a size that reads, cut with "…" where even that is too wide, and starts below
// the buttons of the row above; the delete question stays inside its panel, above its buttons,
// the name cut where it would not.
TEST_F(ProfilesScreenTest, LongOneWordNamesStayInsideTheirRowsAndTheDeleteQuestion) {
    std::string accents;
    for (int i = 0; i < 127; ++i) {
        accents += "é";
    }
    const std::string prenoms = "Marie-Ève-Éléonore-Hélène-Gaëlle-Bénédicte-Clémentine-Françoise-"
                                "Geneviève-Anne-Sophie";
    // "ôtre" comes after the "é"s in the listing: their row is not the last.
    Start(0, {accents, prenoms, "Zoé", "Jean Hippolyte Maximilien de la Tour d'Auvergne-Lauraguais",
              "ôtre"});
    const auto& s = *screen;
    ASSERT_EQ(s.rowCount, 6);
    ASSERT_EQ(s.rowFolders[5], u"ôtre");
    for (std::size_t i = 0; i < 6; ++i) {
        const auto& name = *s.nameFields[i];
        const iBitmapFont& font = *name.font;
        SCOPED_TRACE(platform::ToUtf8(name.text));
        EXPECT_GE(name.scaleY, 0.7f);
        const StringList lines = WordWrap(&font, name.width, name.text);
        for (const String& line : lines) {
            EXPECT_LE(font.TextWidth(platform::Trim(line), name.scaleX), 350.0f);
        }
        const float bottom =
            std::max(name.y + static_cast<float>(lines.size()) * font.height * name.scaleY,
                     Bottom(*s.deleteButtons[i]));
        if (i + 1 < 6) {
            EXPECT_GE(Top(*s.deleteButtons[i + 1]), bottom);
            EXPECT_GE(s.nameFields[i + 1]->y, bottom);
        }
    }
    const auto rowOf = [&s](const std::string& folder) {
        const auto at =
            std::find(s.rowFolders.begin(), s.rowFolders.end(), platform::FromUtf8(folder));
        return static_cast<std::size_t>(at - s.rowFolders.begin());
    };
    EXPECT_TRUE(platform::EndsWith(s.nameFields[rowOf(accents)]->text, u"\u2026"));
    EXPECT_EQ(s.nameFields[rowOf("Zoé")]->scaleY, 1.0f);

    for (const std::string& folder : {accents, prenoms}) {
        ClickInList(*s.deleteButtons[rowOf(folder)]);
        ASSERT_TRUE(Asks(*s.confirmBox));
        const MessageBox& box = *s.confirmBox;
        const iGuiTextField& question = *box.message;
        SCOPED_TRACE(platform::ToUtf8(question.text));
        EXPECT_TRUE(platform::StartsWith(question.text,
                                         u"Souhaitez-vous vraiment effacer le profil «\u00A0"));
        EXPECT_TRUE(platform::EndsWith(question.text, u"\u00A0»\u00A0?"));
        EXPECT_GE(question.scaleY, 0.6f);
        const StringList lines = WordWrap(question.font.get(), question.width, question.text);
        for (const String& line : lines) {
            EXPECT_GE(question.x, box.x);
            EXPECT_LE(question.x + question.font->TextWidth(platform::Trim(line), question.scaleX),
                      box.x + box.Width());
        }
        EXPECT_LE(question.y +
                      static_cast<float>(lines.size()) * question.font->height * question.scaleY,
                  Top(*box.bouton1));
        Click(*box.bouton2, 12);
    }
    EXPECT_EQ(ListeProfils().size(), 6u);
}

TEST_F(ProfilesScreenTest, SixHundredProfilesScrollAndStayAlignedAfterDeletesInTheMiddle) {
    Start(600, {});
    ASSERT_EQ(screen->rowCount, 601);
    auto& slider = *screen->scrollBox->sliderV;
    EXPECT_GT(slider.maximum, 600 * 44);
    platform::Input().Wheel(-1);
    Step();
    EXPECT_EQ(slider.value, 6);

    // The last one was already removed outside the game: its row goes all the same.
    fs::remove(game + "p1150");
    for (const char16_t* gone : {u"p1300", u"p1301", u"p1150"}) {
        const std::size_t row = Row(gone);
        ClickInList(*screen->deleteButtons[Row(gone)]);
        // Only the rows inside the panel are drawn.
        EXPECT_TRUE(screen->galleryButtons[row]->visible);
        EXPECT_FALSE(screen->nameFields[row - 20]->visible ||
                     screen->useButtons[row + 20]->visible);
        Click(*screen->confirmBox->bouton1, 12);
        EXPECT_EQ(static_cast<int>(Row(gone)), screen->rowCount);
    }
    EXPECT_FALSE(Asks(*screen->failureBox));
    EXPECT_EQ(screen->rowCount, 598);
    ExpectAligned();

    // A new profile takes a freed slot.
    ClickInList(*screen->addButton);
    EXPECT_EQ(screen->rowCount, 599);
    EXPECT_EQ(screen->nameFields.size(), 601u);
    EXPECT_EQ(screen->useButtons[0]->text, u"charger");
    EXPECT_EQ(screen->useButtons[598]->text, u"utiliser");
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
