// An animal on a lead goes where its walker goes, on a walk of its own or when a chase carries
// the walker off and back, and strides the same way to the left as to the right.
#include <cmath>

#include "action_scenes.h"
#include "puppets/animal.h"

namespace {

class WalkedAnimal : public ActionTest {};

StructureAction Promenade(const char16_t* animal, bool poursuivi) {
    StructureAction s;
    s.GroupeNominal1 = u"perso_dame_f";
    s.Action = poursuivi ? u"p_poursuivre" : u"a_promener";
    s.GroupeNominal2 = poursuivi ? u"perso_femme_f" : animal;
    if (poursuivi) {
        s.VerbeComplement2 = u"a_promener";
        s.ObjetComplement2 = animal;
    }
    s.NombrePersos = poursuivi ? 2 : 1;
    return s;
}

} // namespace

// "La dame poursuit la femme qui promène un chien": the chased walker ran out of the room and
// back while her dog walked across alone, the lead stretched over the room.
TEST_F(WalkedAnimal, StaysWithinReachOfItsWalkerWhateverMovesTheWalker) {
    for (const char16_t* animal :
         {u"animal_chien_m", u"animal_crocodile_m", u"animal_elephant_m", u"animal_poisson_m"}) {
        for (bool poursuivi : {false, true}) {
            SCOPED_TRACE(platform::ToUtf8(animal) + (poursuivi ? " chased" : " walked"));
            const auto t = Stage(Promenade(animal, poursuivi));
            const Pantin& promeneur = *t->persos[poursuivi ? 1 : 0];
            ASSERT_TRUE(promeneur.animal1);
            const Animal& a = *promeneur.animal1;
            float ecartMax = 0;
            bool aGauche = false;
            int n = 0;
            for (; n < 3000 && !Avance(*t); ++n) {
                ecartMax = std::max(ecartMax, std::fabs(a.ventre->x - promeneur.buste->x));
                aGauche = aGauche || a.sens < 0;
            }
            EXPECT_LT(n, 3000);
            // Just ahead of the walker: the elephant's half body and the walker's half torso.
            EXPECT_LT(ecartMax, 400);
            EXPECT_EQ(aGauche, poursuivi);
        }
    }
}

// The chase brings a walked animal back across the room to the left: its legs must stay under
// its body, as a mirror of the same steps to the right.
TEST_F(WalkedAnimal, StridesToTheLeftAsTheMirrorOfToTheRight) {
    for (const char16_t* espece :
         {u"animal_chien_m", u"animal_crocodile_m", u"animal_elephant_m"}) {
        Animal droite;
        Animal gauche;
        droite.Fabrique(1280, 768, espece, u"rouge");
        gauche.Fabrique(1280, 768, espece, u"rouge");
        // The first step of any walk goes to the right; the mirror starts with the second.
        droite.Marche(600, 1000, 1);
        gauche.Marche(600, 200, 1);
        for (int pas = 0; pas < 120; ++pas) {
            droite.Marche(600, 1000, 1);
            gauche.Marche(600, 200, 1);
            const Membre* d[4] = {droite.patte1.get(), droite.patte2.get(), droite.patte3.get(),
                                  droite.patte4.get()};
            const Membre* g[4] = {gauche.patte1.get(), gauche.patte2.get(), gauche.patte3.get(),
                                  gauche.patte4.get()};
            for (int i = 0; i < 4; ++i) {
                EXPECT_NEAR(g[i]->x - gauche.ventre->x, -(d[i]->x - droite.ventre->x), 0.01)
                    << platform::ToUtf8(espece) << " leg " << i << " step " << pas;
                EXPECT_NEAR(g[i]->y, d[i]->y, 0.01);
            }
        }
    }
}
