// Arms that hold something leave the face in sight, measured on what the playfields draw: the
// share of the eyes, brows, nose and mouth under an arm, a hand or the thing held. A sign held up
// as the end screen's puppets hold it, through their whole run and at rest; a two-hand thing and
// a thing looked at, as the game stages "tient une caisse" and "regarde une fleur", for every
// person with and without a hat, facing either way.
#include <string>

#include "action_scenes.h"
#include "silhouettes.h"

namespace {

using Verdict = std::function<std::string(iPlayFieldTerrainAction&, Pantin&)>;

class HeldThings : public ActionTest {
  protected:
    // "<person> [qui porte <hat>] <verb> <thing>", staged as the game stages it from a seed of
    // its own, the things taken in turn; each puppet turned either way, its aim settled, and
    // judged. Every fault found, one line each.
    std::string Juge(const char16_t* verbe, const std::vector<const char16_t*>& objets,
                     const Verdict& verdict) {
        static constexpr const char16_t* Personnes[] = {
            u"perso_monsieur_m", u"perso_petit garcon_m", u"perso_dame_f", u"perso_petite fille_f"};
        static constexpr const char16_t* Chapeaux[] = {u"chapeau_chapeau_de_couleur_m",
                                                       u"chapeau_bonnet_m", u"chapeau_casquette_f"};
        std::string fautes;
        int graine = 0;
        for (const char16_t* personne : Personnes) {
            for (bool chapeau : {false, true}) {
                for (int k = 0; k < 12; ++k, ++graine) {
                    StructureAction s;
                    s.GroupeNominal1 = personne;
                    s.Action = verbe;
                    s.GroupeNominal2 = objets[static_cast<std::size_t>(k) % objets.size()];
                    s.NombrePersos = 1;
                    if (chapeau) {
                        s.VerbeComplement1 = u"h_wear";
                        s.ObjetComplement1 = Chapeaux[k % 3];
                    }
                    platform::SetSeed(platform::StartSeed + graine);
                    const auto t = Stage(s);
                    Pantin& p = *t->persos[0];
                    for (float sens : {-1.0f, 1.0f}) {
                        p.sens = p.sensTete = sens;
                        p.Repos(p.xArrivee);
                        for (int n = 0; n < 30; ++n) {
                            Avance(*t);
                        }
                        ++misesEnScene;
                        angles.Ajoute(p.angleBras1, p.angleBras1);
                        if (const std::string faute = verdict(*t, p); !faute.empty()) {
                            fautes += platform::ToUtf8(s.GroupeNominal2) + ", seed " +
                                      std::to_string(graine) + ", body " +
                                      std::to_string(p.choix[0]) + ", hat " +
                                      std::to_string(p.choix[4]) + ", facing " +
                                      std::to_string(static_cast<int>(sens)) + ", arm " +
                                      std::to_string(p.angleBras1) + ":" + faute + "\n";
                        }
                    }
                }
            }
        }
        return fautes;
    }

    // The share of the face under an arm, a hand or the thing held, when it is more than
    // `seuil`.
    std::string SurLeVisage(iPlayFieldTerrainAction& t, const Pantin& p, float seuil) {
        const float part = VisageCache(silhouettes, p, [&] { t.OnRender(); });
        return part > seuil ? " over " + std::to_string(part) + " of the face" : "";
    }

    Silhouettes silhouettes{graphics};
    int misesEnScene = 0;
    // The arm angles drawn, lowest and highest.
    Boite angles;
};

// How many of the lines are faults, and which.
std::string Fautes(const std::string& fautes, int sur) {
    return std::to_string(std::count(fautes.begin(), fautes.end(), '\n')) + " of " +
           std::to_string(sur) + ":\n" + fautes;
}

} // namespace

// Both arms straight up with the sign, as the end screen has every puppet run to its letter:
// every body, under every hat and bareheaded, facing either way. At no frame of the run, nor at
// rest, does an arm or a hand show over the face; at rest the sign stands above the head, both
// fists showing over the hair or hat.
TEST_F(HeldThings, ASignHeldUpLeavesTheFaceInSightAllTheRun) {
    std::string fautes;
    for (int type = 0; type < NombreDeTypes; ++type) {
        for (int chapeau : {0, 1, 2, 3, AucunChoix}) {
            for (float sens : {1.0f, -1.0f}) {
                Commande c;
                c.type = type;
                c.sens = sens;
                c.chapeau = chapeau;
                c.coiffure = type % 3;
                const auto p = AvecPancarte(c, 640, 90);
                const auto salle = SalleDeFin({p});
                // Every other frame of the run goes through each phase of the stride.
                float pire = 0;
                for (int n = 0; n < 200 && p->action1 == CodeAction::Courir; ++n) {
                    p->Marche(p->xDepart, p->xArrivee, true, 1.0f);
                    if (n % 2 == 0 || p->action1 != CodeAction::Courir) {
                        pire = std::max(pire,
                                        VisageCache(silhouettes, *p, [&] { salle->OnRender(); }));
                    }
                }
                Boite tete = silhouettes.BoiteDe(*p->tete);
                tete.Ajoute(silhouettes.BoiteDe(*p->cheveux));
                if (p->avecChapeau) {
                    tete.Ajoute(silhouettes.BoiteDe(*p->chapeau));
                }
                const bool dessus = silhouettes.BoiteDe(*p->objetDeuxMains).bas <= tete.haut + 2 &&
                                    silhouettes.BoiteDe(*p->mainDroite).haut < tete.haut &&
                                    silhouettes.BoiteDe(*p->mainGauche).haut < tete.haut;
                if (pire > 0 || !dessus || p->action1 != CodeAction::Aucune) {
                    fautes += "body " + std::to_string(type) + ", hat " + std::to_string(chapeau) +
                              ", facing " + std::to_string(static_cast<int>(sens)) +
                              ": arms over " + std::to_string(pire) + " of the face" +
                              (dessus ? "" : ", the sign or a hand not above the head") + "\n";
                }
            }
        }
    }
    EXPECT_TRUE(fautes.empty()) << Fautes(fautes, NombreDeTypes * 5 * 2);
}

// "tient une caisse", and the other things held in both hands: the arms at the random angle of
// the building, from down in front to well above the shoulders (the draws reach both ends). No
// staging leaves the arms, the hands or the thing over more than a fifth of the face, and the
// front fist shows on the thing, not behind the head.
TEST_F(HeldThings, ATwoHandThingHeldAtItsRandomAngleLeavesTheFaceInSight) {
    const std::string fautes =
        Juge(u"ouodm_tenir",
             {u"deuxmains_caisse_f", u"deuxmains_paquet-cadeau_m", u"deuxmains_gateau_m",
              u"deuxmains_toureiffel_f", u"deuxmains_elephant_m", u"deuxmains_statue_f"},
             [&](iPlayFieldTerrainAction& t, Pantin& p) {
                 const float main = PartSous(silhouettes, p, [&] { t.OnRender(); }, *p.mainDroite,
                                             {p.mainDroite.get()});
                 return SurLeVisage(t, p, 0.2f) +
                        (main < 0.25f ? " fist hidden, " + std::to_string(main) + " of it in sight"
                                      : "");
             });
    EXPECT_LT(angles.gauche, -140);
    EXPECT_GT(angles.droite, -60);
    EXPECT_TRUE(fautes.empty()) << Fautes(fautes, misesEnScene);
}

// "regarde une fleur", and the other things held in one hand: the thing out in front of the
// face, no higher than the eyes and off any hat's brim, and neither it nor the forearm across
// the face.
TEST_F(HeldThings, AThingLookedAtIsHeldInFrontAtEyeHeightOrBelow) {
    const std::string fautes = Juge(
        u"po_regarder",
        {u"unemain_rose_f", u"unemain_pomme_f", u"unemain_rose_f", u"unemain_marteau_m",
         u"unemain_rose_f", u"unemain_banane_f", u"unemain_rose_f", u"unemain_balle_f"},
        [&](iPlayFieldTerrainAction& t, Pantin& p) {
            std::string faute = SurLeVisage(t, p, 0);
            const Boite objet = silhouettes.BoiteDe(*p.objetUneMain);
            if ((objet.haut + objet.bas) / 2 < std::min(p.visage->yOeil1, p.visage->yOeil2)) {
                faute += " above the eyes";
            }
            if (((objet.gauche + objet.droite) / 2 - p.tete->x) * p.sens <= 0) {
                faute += " not in front";
            }
            if (p.avecChapeau) {
                const auto chapeau = silhouettes.Pixels(*p.chapeau);
                const auto pixels = silhouettes.Pixels(*p.objetUneMain);
                if (std::ranges::any_of(pixels, [&](auto pt) { return chapeau.contains(pt); })) {
                    faute += " on the hat";
                }
            }
            return faute;
        });
    EXPECT_TRUE(fautes.empty()) << Fautes(fautes, misesEnScene);
}

// "soulève une caisse", by every body: it bends to the thing on the floor, lifts it over its head
// and holds it there. The thing goes up with the hands, never jumping from one frame to the next
// (the arms reach out on the way up, not once it is up), and ends in them.
TEST_F(HeldThings, ALiftedThingRisesWithTheHandsWithoutAJump) {
    std::string fautes;
    for (int type = 0; type < NombreDeTypes; ++type) {
        const auto t = Monte({"",
                              {Role(u"odm_soulever", CodeAction::Soulever, 400, type)
                                   .Souleve(u"deuxmains_caisse_f")}});
        Pantin& p = *t->persos[0];
        float saut = 0;
        Boite avant;
        // On a little after the lift.
        for (int n = 0, apres = 0; n < 400 && apres < 30; ++n) {
            Avance(*t);
            apres += p.action1 == CodeAction::Aucune;
            const Boite b = silhouettes.BoiteDe(*p.objetDeuxMains);
            if (p.objetDeuxMainsTenu && !avant.Vide()) {
                saut = std::max(saut, std::hypot(b.gauche - avant.gauche, b.haut - avant.haut));
            }
            avant = p.objetDeuxMainsTenu ? b : Boite{};
        }
        float x = 0;
        float y = 0;
        Prise(*p.brasDroit, p.sens, x, y);
        const float ecart = std::hypot(x - p.objetDeuxMains->x, y - p.objetDeuxMains->y);
        if (saut > 20 || ecart > 1 || p.action1 != CodeAction::Aucune) {
            fautes += "body " + std::to_string(type) + ": jumps " + std::to_string(saut) +
                      " pixels, " + std::to_string(ecart) + " from the hand" +
                      (p.action1 == CodeAction::Aucune ? "" : ", not lifted") + "\n";
        }
    }
    EXPECT_TRUE(fautes.empty()) << Fautes(fautes, NombreDeTypes);
}
