// The hub: where each button leads, and a finished button bounce that wins over Escape.
#include "gui/button_variants.h"
#include "screens/menu_fixture.h"
#include "screens/mode_screen.h"

TEST_F(MenusAppTest, HubButtonsLeadToTheirScreensAndOutrankEscape) {
    Step();
    platform::Input().Press(1);
    ASSERT_EQ(AttendScene(ecranintro), 1);
    platform::Input().Release(1);
    Step();
    auto& hub = *ecranintro;
    ASSERT_EQ(CurrentScene, ecranintro);

    const std::pair<std::shared_ptr<iGuiButton2>, std::shared_ptr<iScene>> cibles[] = {
        {hub.BoutonConstituants, ecranoptions1},
        {hub.BoutonPersos, ecranoptions2},
        {hub.profileButton, ecranprofils},
        {hub.backButton, ecrantitre}};
    for (const auto& [bouton, cible] : cibles) {
        NouvelEcran = false;
        Appuie(*bouton);
        // The press frame, then the bounce: the switch comes when the button is back at rest.
        EXPECT_EQ(AttendScene(cible), 12);
        platform::Input().Release(1);
        EXPECT_TRUE(NouvelEcran);
        Entre(ecranintro);
    }
    // The game-mode screen is made afresh at each press and takes up the decor by itself.
    for (int visite = 0; visite < 2; ++visite) {
        const auto avant = ecranchoixdujeu;
        NouvelEcran = false;
        Appuie(*hub.BoutonModeDeJeu);
        Step(12);
        platform::Input().Release(1);
        ASSERT_NE(ecranchoixdujeu, avant);
        EXPECT_EQ(PendingScene, ecranchoixdujeu);
        EXPECT_FALSE(NouvelEcran);
        Step();
        EXPECT_EQ(CurrentScene, ecranchoixdujeu);
        EXPECT_EQ(ecranchoixdujeu->frameCount, 1);
        Entre(ecranintro);
    }

    // Escape alone goes back to the title; in the update where a bounce ends, the button wins.
    platform::Input().Press(27);
    EXPECT_EQ(AttendScene(ecrantitre), 1);
    platform::Input().Release(27);
    Entre(ecranintro);
    Appuie(*hub.BoutonPersos);
    Step();
    platform::Input().Release(1);
    while (hub.BoutonPersos->shrinking || hub.BoutonPersos->bounceScale < 0.955f) {
        Step();
    }
    ASSERT_EQ(PendingScene, nullptr);
    platform::Input().Press(27);
    Step();
    EXPECT_EQ(PendingScene, ecranoptions2);
    EXPECT_TRUE(NouvelEcran);
}
