// Options screen 1: what it shows on each entry, the three-state buttons and the boxes, leaving
// with "retour" (saved only in a named profile) or Escape (never saved), a failed save, and the
// example sentence under any options.
#include <fstream>

#include "gui/button_variants.h"
#include "gui/check_box.h"
#include "gui/message_box.h"
#include "gui/text_field.h"
#include "platform/random.h"
#include "screens/menu_fixture.h"
#include "screens/menu_message.h"
#include "screens/preferences.h"

namespace {

class Options1Test : public MenusAppTest {
  protected:
    void SetUp() override {
        MenusAppTest::SetUp();
        Step();
        Entre(ecranoptions1);
    }
    static iEngineOptions1& ecran() { return *ecranoptions1; }
    // Updates until the screen asks for the hub; -1 when it does not.
    int Retour() {
        Appuie(*ecran().BoutonRetour);
        return AttendScene(ecranintro);
    }
    static bool Ecrit(const String& dossier) {
        return std::filesystem::exists(platform::ToUtf8(dossier) + "preferences");
    }
};

} // namespace

TEST_F(Options1Test, EachEntryShowsTheOptionGlobalsAndEverythingFitsTheCanvas) {
    // The buttons in the screen's order: ExpansionGN1, ExpansionGN2, Adjectifs, Cod, ...
    const String non = u" non ", pp = u"pourquoi pas";
    const String legendes[] = {non, non, pp, pp, pp, pp, pp, non, non, non};
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(ecran().Boutons[i].first->text, legendes[i]) << i;
    }
    for (const auto& [box, oui] : ecran().Cases) {
        EXPECT_EQ(box->checkState, 1);
    }
    std::vector<iGuiObject*> montres;
    for (auto w = ecran().decor->CurrentPageList()->First(); w;
         w = ecran().decor->CurrentPageList()->Next()) {
        EXPECT_TRUE(w->status != 1 || (w->Left() >= 0 && w->Left() + w->Width() <= 1280 &&
                                       w->Top() + w->Height() <= 768));
        if (w->status == 1) {
            montres.push_back(w.get());
        }
    }
    // No heading runs into the boxes beside it, whatever its quotes.
    for (std::size_t i = 0; i < montres.size(); ++i) {
        for (std::size_t j = i + 1; j < montres.size(); ++j) {
            const iGuiObject& a = *montres[i];
            const iGuiObject& b = *montres[j];
            EXPECT_TRUE(a.Left() + a.Width() <= b.Left() || b.Left() + b.Width() <= a.Left() ||
                        a.Top() + a.Height() <= b.Top() || b.Top() + b.Height() <= a.Top())
                << i << " meets " << j;
        }
    }

    // Another profile's values, whatever the widgets showed before.
    Entre(ecranintro);
    expansiongn2ok = 2;
    OrdreSujetVerbeOk = false;
    Entre(ecranoptions1);
    EXPECT_EQ(ecran().BoutonExpansionGN2->text, u"si possible");
    EXPECT_EQ(ecran().CaseOrdreSujetVerbe->checkState, 0);
}

TEST_F(Options1Test, ButtonsCycleWithANewExampleAndABoxAlwaysShowsItsOption) {
    const char16_t* const legendes[] = {u"si possible", u" non ", u"pourquoi pas"};
    for (const char16_t* legende : legendes) {
        const String exemple = ecran().PhraseExemple;
        Click(*ecran().BoutonAdjectifs);
        EXPECT_EQ(ecran().BoutonAdjectifs->text, legende);
        EXPECT_NE(ecran().PhraseExemple, exemple);
        EXPECT_EQ(ecran().ChampExemple->GetText(), ecran().PhraseExemple);
    }
    EXPECT_EQ(adjectifsok, 1);
    EXPECT_EQ(Joues(u"pop1", 3), 3);

    // Pressed, then dragged off before the release; then a whole click. The example stays.
    const String exemple = ecran().PhraseExemple;
    auto& box = *ecran().CaseOrdreSujetVerbe;
    Click(box, 0, true);
    EXPECT_FALSE(OrdreSujetVerbeOk);
    EXPECT_EQ(box.checkState, 0);
    Click(box);
    EXPECT_TRUE(OrdreSujetVerbeOk);
    EXPECT_EQ(box.checkState, 1);
    EXPECT_EQ(Joues(u"clicclacmercikodak", 0), 2);
    EXPECT_EQ(ecran().PhraseExemple, exemple);

    // Two boxes raised in one frame: the first in the screen's order only.
    ecran().CaseAccentPatient->hit = true;
    ecran().CasePassiveFin->hit = true;
    ecran().OnUpdate();
    EXPECT_FALSE(PassiveFinOk);
    EXPECT_TRUE(AccentPatientOk);
}

TEST_F(Options1Test, RetourSavesOnlyInANamedProfileEscapeNeverAndAFailureIsTold) {
    Click(*ecran().BoutonQue);
    EXPECT_GT(Retour(), 0);
    EXPECT_TRUE(NouvelEcran);
    EXPECT_FALSE(Ecrit(dossierprofil));

    ASSERT_TRUE(CreeProfil(u"Lina"));
    dossierprofil = CheminProfil(u"Lina");
    Entre(ecranoptions1);
    Click(*ecran().BoutonQue);
    platform::Input().Press(27);
    EXPECT_EQ(AttendScene(ecranintro), 1);
    EXPECT_FALSE(Ecrit(dossierprofil));
    Entre(ecranoptions1);
    EXPECT_GT(Retour(), 0);
    queok = 0;
    ASSERT_TRUE(LitPreferences());
    EXPECT_EQ(queok, 2);

    // The profile's folder has become a file: the screen says so, then the hub, choices kept.
    const std::string dossier = platform::ToUtf8(dossierprofil);
    std::filesystem::remove_all(dossier);
    std::ofstream(dossier.substr(0, dossier.size() - 1)) << "un fichier";
    Entre(ecranoptions1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Retour(), -1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("preferences"), std::string::npos);
    ASSERT_TRUE(MessageAffiche(*ecran().MessageEchec));
    platform::Input().Release(1);
    Click(*ecran().MessageEchec->bouton1);
    EXPECT_GT(AttendScene(ecranintro), 0);
    EXPECT_EQ(queok, 2);
}

TEST_F(Options1Test, ExamplesAreFrenchSentencesUnderAnyOptions) {
    for (int essai = 0; essai < 400; ++essai) {
        for (const auto& [bouton, niveau] : ecran().Boutons) {
            *niveau = platform::RandomIndex(3);
        }
        for (const auto& [box, oui] : ecran().Cases) {
            *oui = platform::RandomIndex(2) == 1;
        }
        ecran().FabriqueExemple();
        const String& phrase = ecran().PhraseExemple;
        SCOPED_TRACE(platform::ToUtf8(phrase));
        ASSERT_GT(phrase.size(), 8u);
        EXPECT_EQ(platform::ToUpperUnit(phrase[0]), phrase[0]);
        EXPECT_EQ(phrase.back(), u'.');
        // Words, not codes or markup.
        EXPECT_EQ(phrase.find_first_of(u"_|*\\"), String::npos);
        EXPECT_EQ(phrase.find(u"  "), String::npos);
    }
}
