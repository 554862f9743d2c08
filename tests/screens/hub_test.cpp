// The hub: where each button leads, and a finished button bounce that wins over Escape.
#include "gui/button_variants.h"
#include "screens/menu_fixture.h"
#include "screens/mode_screen.h"

TEST_F(MenusAppTest, HubButtonsLeadToTheirScreensAndOutrankEscape) {
    Step();
    Entre(ecranintro);
    auto& hub = *ecranintro;
    const std::pair<iGuiButton2*, std::shared_ptr<iScene>> cibles[] = {
        {hub.BoutonConstituants.get(), ecranoptions1}, {hub.BoutonPersos.get(), ecranoptions2},
        {hub.profileButton.get(), ecranprofils},       {hub.backButton.get(), ecrantitre},
        {hub.BoutonModeDeJeu.get(), nullptr},          {hub.BoutonModeDeJeu.get(), nullptr}};
    for (const auto& [bouton, cible] : cibles) {
        const auto modePrecedent = ecranchoixdujeu;
        NouvelEcran = false;
        Appuie(*bouton);
        // The press, then the bounce: the switch comes in the update the bounce ends.
        Step(11);
        EXPECT_EQ(PendingScene, nullptr);
        Step();
        platform::Input().Release(1);
        // The game-mode screen is new at each press and takes up the decor by itself.
        EXPECT_EQ(PendingScene, cible ? cible : ecranchoixdujeu);
        EXPECT_EQ(NouvelEcran, cible != nullptr);
        EXPECT_TRUE(cible || ecranchoixdujeu != modePrecedent);
        Entre(ecranintro);
    }

    Appuie(*hub.BoutonPersos);
    Step(11);
    platform::Input().Press(27);
    Step();
    EXPECT_EQ(PendingScene, ecranoptions2);
    EXPECT_TRUE(NouvelEcran);
}
