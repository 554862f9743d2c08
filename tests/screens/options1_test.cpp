// Options screen 1: what it shows, the three-state buttons and the boxes, leaving with "retour"
// (saved only in a named profile) or Escape (never saved), and the example sentence.
#include <fstream>

#include "gui/button_variants.h"
#include "gui/check_box.h"
#include "gui/label.h"
#include "gui/message_box.h"
#include "gui/text_field.h"
#include "platform/random.h"
#include "screens/menu_fixture.h"
#include "screens/preferences.h"
#include "screens/profiles.h"

namespace {

class Options1Test : public MenusAppTest {
  protected:
    void SetUp() override {
        MenusAppTest::SetUp();
        Step();
        Entre(ecranoptions1);
    }
    static iEngineOptions1& ecran() { return *ecranoptions1; }

    // Updates until the screen asks for the hub.
    int Retour() {
        Appuie(*ecran().BoutonRetour);
        const int n = AttendScene(ecranintro);
        platform::Input().Release(1);
        return n;
    }
    bool Ecrit() const {
        return std::filesystem::exists(platform::ToUtf8(dossierprofil) + "preferences");
    }
};

} // namespace

TEST_F(Options1Test, ShowsTheOptionGlobalsOnEachEntry) {
    const std::vector<std::pair<std::shared_ptr<iGuiLabel>, String>> lignes = {
        {ecran().TexteCod, u"pourquoi pas"},
        {ecran().TexteExpansionGN1, u" non "},
        {ecran().TexteExpansionGN2, u" non "},
        {ecran().TexteAdjectifs, u"pourquoi pas"},
        {ecran().TexteRenversable, u"pourquoi pas"},
        {ecran().TexteRenversableGN1, u"pourquoi pas"},
        {ecran().TexteRenversableGN2, u"pourquoi pas"},
        {ecran().TextePassive, u" non "},
        {ecran().TexteQue, u" non "},
        {ecran().TexteEmphatique, u" non "}};
    // Each caption stands on the row of its heading, the column of buttons on the left.
    const auto boutonDeLigne = [&](const iGuiLabel& label) -> const iGuiButton3Choix& {
        for (const auto& [bouton, niveau] : ecran().Boutons) {
            if (bouton->y == label.y && bouton->x < label.x) {
                return *bouton;
            }
        }
        throw std::runtime_error("no button on the row");
    };
    for (const auto& [label, legende] : lignes) {
        EXPECT_EQ(boutonDeLigne(*label).text, legende) << platform::ToUtf8(label->text);
    }
    EXPECT_EQ(ecran().TexteRenversableGN1->text, u"complément de l'agent renversable");
    for (const auto& [box, oui] : ecran().Cases) {
        EXPECT_EQ(box->checkState, 1);
    }
    EXPECT_FALSE(ecran().PhraseExemple.empty());
    EXPECT_EQ(ecran().ChampExemple->GetText(), ecran().PhraseExemple);

    // Another profile's values, shown whatever the widgets showed before.
    Entre(ecranintro);
    expansiongn2ok = 2;
    OrdreSujetVerbeOk = false;
    Entre(ecranoptions1);
    EXPECT_EQ(ecran().BoutonExpansionGN2->text, u"si possible");
    EXPECT_EQ(ecran().CaseOrdreSujetVerbe->checkState, 0);
    EXPECT_EQ(ecran().CaseOrdreVerbeSujet->checkState, 1);

    // Everything fits on the canvas.
    for (auto widget = ecran().decor->CurrentPageList()->First(); widget;
         widget = ecran().decor->CurrentPageList()->Next()) {
        if (widget->status == 1) {
            EXPECT_GE(widget->Left(), 0);
            EXPECT_LE(widget->Left() + widget->Width(), 1280);
            EXPECT_LE(widget->Top() + widget->Height(), 768);
        }
    }
}

TEST_F(Options1Test, ButtonsCycleWithANewExampleAndBoxesAlwaysShowTheirOption) {
    adjectifsok = 0;
    Entre(ecranintro);
    Entre(ecranoptions1);
    const String legendes[] = {u"pourquoi pas", u"si possible", u" non "};
    String exemple = ecran().PhraseExemple;
    for (int clic = 0; clic < 3; ++clic) {
        Click(*ecran().BoutonAdjectifs);
        EXPECT_EQ(adjectifsok, (clic + 1) % 3);
        EXPECT_EQ(ecran().BoutonAdjectifs->text, legendes[clic]);
        EXPECT_NE(ecran().PhraseExemple, exemple);
        EXPECT_EQ(ecran().ChampExemple->GetText(), ecran().PhraseExemple);
        exemple = ecran().PhraseExemple;
    }
    EXPECT_EQ(Joues(u"pop1.wav", 3), 3);

    // A press on a box dragged off it before the release: the option and the box agree.
    auto& box = *ecran().CaseOrdreSujetVerbe;
    Appuie(box);
    Step();
    EXPECT_FALSE(OrdreSujetVerbeOk);
    EXPECT_EQ(box.checkState, 0);
    platform::Input().MoveMouse(Where(box).first + 300, Where(box).second);
    Step();
    platform::Input().Release(1);
    Step();
    EXPECT_FALSE(OrdreSujetVerbeOk);
    EXPECT_EQ(box.checkState, 0);
    // A whole click on it toggles both back; the example stays.
    Click(box);
    EXPECT_TRUE(OrdreSujetVerbeOk);
    EXPECT_EQ(box.checkState, 1);
    EXPECT_EQ(Joues(u"clicclacmercikodak.wav", 0), 2);
    EXPECT_EQ(ecran().PhraseExemple, exemple);

    // Two boxes raised in one frame: the first in the screen's order only.
    ecran().CaseAccentPatient->hit = true;
    ecran().CasePassiveFin->hit = true;
    ecran().OnUpdate();
    EXPECT_FALSE(PassiveFinOk);
    EXPECT_TRUE(AccentPatientOk);
    EXPECT_EQ(ecran().CasePassiveFin->checkState, 0);
}

TEST_F(Options1Test, RetourSavesOnlyInANamedProfileAndEscapeNeverSaves) {
    Click(*ecran().BoutonQue);
    ASSERT_EQ(queok, 1);
    EXPECT_GT(Retour(), 0);
    EXPECT_TRUE(NouvelEcran);
    EXPECT_FALSE(Ecrit());

    ASSERT_TRUE(CreeProfil(u"Lina"));
    dossierprofil = CheminProfil(u"Lina");
    Entre(ecranoptions1);
    Click(*ecran().BoutonQue);
    platform::Input().Press(27);
    EXPECT_EQ(AttendScene(ecranintro), 1);
    platform::Input().Release(27);
    EXPECT_FALSE(Ecrit());

    Entre(ecranoptions1);
    EXPECT_EQ(ecran().BoutonQue->text, u"si possible");
    EXPECT_GT(Retour(), 0);
    ASSERT_TRUE(Ecrit());
    EXPECT_EQ(std::filesystem::file_size(platform::ToUtf8(dossierprofil) + "preferences"), 284u);
    EXPECT_FALSE(
        std::filesystem::exists(platform::ToUtf8(CheminProfil(DossierDefaut)) + "preferences"));
    queok = 0;
    ASSERT_TRUE(LitPreferences());
    EXPECT_EQ(queok, 2);
}

TEST_F(Options1Test, AFailedSaveIsToldAndTheChoicesStay) {
    ASSERT_TRUE(CreeProfil(u"Lina"));
    dossierprofil = CheminProfil(u"Lina");
    Entre(ecranoptions1);
    Click(*ecran().BoutonEmphatique);
    // The profile's folder can no longer be written to.
    const std::string dossier = platform::ToUtf8(dossierprofil);
    std::filesystem::remove_all(dossier);
    std::ofstream(dossier.substr(0, dossier.size() - 1)) << "un fichier";

    testing::internal::CaptureStderr();
    EXPECT_EQ(Retour(), -1);
    const std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_NE(erreurs.find("preferences"), std::string::npos);
    ASSERT_TRUE(ecran().MessageEchec->IsActive());
    EXPECT_TRUE(ecran().MessageEchec->bouton1->IsActive());
    EXPECT_EQ(emphatiqueok, 1);

    // The screen waits for the box to be read.
    Step(5);
    EXPECT_EQ(CurrentScene, ecranoptions1);
    EXPECT_EQ(PendingScene, nullptr);
    Appuie(*ecran().MessageEchec->bouton1);
    EXPECT_GT(AttendScene(ecranintro), 0);
    EXPECT_FALSE(ecran().MessageEchec->IsActive());
    EXPECT_EQ(emphatiqueok, 1);
}

TEST_F(Options1Test, ExamplesAreFrenchSentencesUnderAnyOptions) {
    int* const niveaux[] = {&codok,         &expansiongn1ok,   &expansiongn2ok,   &adjectifsok,
                            &renversableok, &renversablegn1ok, &renversablegn2ok, &passiveok,
                            &queok,         &emphatiqueok};
    bool* const oui[] = {&PassiveEnchasseeOk, &PassiveFinOk,  &OrdreVerbeSujetOk,
                         &OrdreSujetVerbeOk,  &AccentAgentOk, &AccentPatientOk};
    platform::SetSeed(platform::StartSeed);
    for (int essai = 0; essai < 400; ++essai) {
        for (int* niveau : niveaux) {
            *niveau = platform::RandomIndex(3);
        }
        for (bool* o : oui) {
            *o = platform::RandomIndex(2) == 1;
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
