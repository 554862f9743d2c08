// Building a puppet from the words of one person of a sentence, its body type and colours, and
// the head alone of the title screen.
#include <algorithm>
#include <cmath>

#include "platform/random.h"
#include "puppets/animal.h"
#include "puppets/body_tables.h"
#include "puppets/pantin.h"

namespace {

// The table under an object: picture, width, vertical handle, and the lift of its floor line.
constexpr const char16_t* FichierTable = u"meuble_tableobjet.png";
constexpr float LargeurTable = 254;
constexpr float PoigneeTable = 194;
constexpr float DecalageTable = 10;

bool UnDesVerbes(const String& verbe1, const String& verbe2, const char16_t* verbe) {
    return verbe1 == verbe || verbe2 == verbe;
}

} // namespace

void Pantin::Fabrique(int largeur, int hauteur, const String& /*motPerso*/, const String& verbe1,
                      const String& verbe2, const String& objetUneMainMot,
                      const String& objetDeuxMainsMot, const String& objetSurTableMot,
                      const String& animal1Mot, const String& animal1Couleur,
                      const String& animal2Mot, const String& animal2Couleur, float sensVoulu) {
    const int tenu = !objetUneMainMot.empty() ? 1 : !objetDeuxMainsMot.empty() ? 2 : 0;
    etoilesActives =
        UnDesVerbes(verbe1, verbe2, u"p_lancer sur") || UnDesVerbes(verbe1, verbe2, u"p_lancer a");
    objetUneMainTenu = tenu == 1;
    objetDeuxMainsTenu = tenu == 2;
    if (tenu == 2 && !UnDesVerbes(verbe1, verbe2, u"odm_soulever")) {
        float angle = -45 - platform::RandomFloat() * 105;
        // A carried puppet holds its object high over its carrier's head.
        if (porte) {
            angle = -120 - platform::RandomFloat() * 30;
        }
        angleBras1 = angle;
        angleBras2 = angle;
    }
    const bool musicien = UnDesVerbes(verbe1, verbe2, u"i_jouer de la musique");
    if (musicien) {
        avecGuitare = true;
        angleBras1 = -20;
        angleBras2 = -60;
    }
    if (UnDesVerbes(verbe1, verbe2, u"i_cuisiner")) {
        angleBras1 = -80;
    }
    objetPose = !objetSurTableMot.empty();
    animalPromene = !animal1Mot.empty();
    animalRegarde = !animal2Mot.empty();
    avecChapeau = choix[4] < AucunChoix;

    CreeSquelette();
    Habille(objetUneMainMot, objetDeuxMainsMot, objetSurTableMot);

    if (objetPose) {
        table = std::make_shared<Meuble>();
        table->SetImage(ImageDeSprite(FichierTable, 1));
        table->largeur = LargeurTable;
        table->poigneeY = PoigneeTable;
        table->decalageY = DecalageTable;
        table->SetHandle(0, PoigneeTable);
        const int bas = largeur / 3 + 50;
        table->x = static_cast<float>(bas) +
                   platform::RandomFloat() *
                       (static_cast<float>(largeur) - LargeurTable - 50 - static_cast<float>(bas));
        table->y = static_cast<float>(hauteur - 30) + DecalageTable;
        if (objetSurTable) {
            objetSurTable->x = LargeurTable * 0.5f + table->x;
            objetSurTable->y =
                (table->y - PoigneeTable) - (objetSurTable->hauteur - objetSurTable->poigneeY) + 12;
        }
    }
    if (animalPromene) {
        animal1 = std::make_shared<Animal>();
        animal1->Fabrique(largeur, hauteur, animal1Mot, animal1Couleur);
    }
    if (animalRegarde) {
        animal2 = std::make_shared<Animal>();
        animal2->Fabrique(largeur, hauteur, animal2Mot, animal2Couleur);
    }
    if (UnDesVerbes(verbe1, verbe2, u"i_pedaler")) {
        monocycle = std::make_shared<iSprite>();
        monocycle->SetImage(ImageDeSprite(u"monocycle.png", 1));
        monocycle->y = static_cast<float>(hauteur - 137);
        const auto pedale = ImageDeSprite(u"pedale.png", 1);
        pedale1 = std::make_shared<iSprite>();
        pedale1->SetImage(pedale);
        pedale2 = std::make_shared<iSprite>();
        pedale2->SetImage(pedale);
    }
    if (tenu == 2 && !porte) {
        buste->rotation = -8;
        buste->rotationDepart = -8;
    }
    // The feet stand 10 pixels above the bottom of the terrain.
    buste->y =
        static_cast<float>(hauteur) - ((jambe1->hauteur - jambe1->poigneeY) + jambe1->reposY) - 10;
    yBusteRepos = yJambes = yBuste = buste->y;

    const float h = buste->hauteur;
    vitesse = 2.5f * std::max(0.9f, h / 200);
    vitesseJambes = 3.5f * std::min(1.2f, 200 / h);
    amplitudeJambes = 22 + platform::RandomFloat() * 6;
    amplitudeBuste = 3.8f + platform::RandomFloat() * 0.39999986f;
    vitesseBuste = amplitudeBuste / ((2 * amplitudeJambes) / vitesseJambes);

    buste->x = xArrivee;
    if (sensVoulu != 0) {
        sens = sensVoulu;
    }
    if (musicien) {
        tete->rotation = sens * 20;
    }
    intervalleClignement = 5000 + static_cast<int>(platform::RandomFloat() * 1500);
}

void Pantin::TypeDepuisMot(const String& motPerso) {
    if (motPerso == u"perso_monsieur_m") {
        choix[0] = platform::RandomIndex(4);
    } else if (motPerso == u"perso_petit garcon_m") {
        choix[0] = 4;
    } else if (motPerso == u"perso_dame_f") {
        choix[0] = static_cast<int>(platform::RandomFloat() * 3 + 5);
    } else if (motPerso == u"perso_petite fille_f") {
        choix[0] = 8;
    }
}

int Pantin::ColoreHabit(const String& mot) { return TireCouleur(mot, couleurHabit); }

int Pantin::ColoreChapeau(const String& mot) { return TireCouleur(mot, couleurChapeau); }

void Pantin::FabriqueTete() {
    const int type = platform::RandomIndex(NombreDeTypes);
    const bool retourne = platform::RandomIndex(2) == 1;
    const corps::Type& t = corps::Types[type];
    if (!tete) {
        tete = std::make_shared<Membre>();
    }
    visage = std::make_shared<Visage>();
    cheveux = std::make_shared<Extremite>();
    const int variante = platform::RandomIndex(3);
    const String cheveuxNom = corps::NomPartie(u"cheveux", type);
    const String cheveuxFichier = variante == 1   ? corps::Variante(cheveuxNom, u"b")
                                  : variante == 2 ? corps::Variante(cheveuxNom, u"c")
                                                  : cheveuxNom;
    PeauAuHasard();
    CheveuxAuHasard();
    const auto& [peauR, peauV, peauB] = couleurPeau;
    ChargePartie(*tete, corps::NomPartie(u"tete", type), t.tete.largeur, t.tete.hauteur,
                 t.tete.images, t.tete.hx, t.tete.hy, 0, 0, t.tete.dx, t.tete.dy, peauR, peauV,
                 peauB, true);
    cheveux->Charge(cheveuxFichier, couleurCheveux[0], couleurCheveux[1], couleurCheveux[2],
                    t.tete.hx, t.tete.hy);
    visage->Charge(corps::NomPartie(u"visage", type, u"x.png"), 8, t.tete.hx, t.tete.hy, t.oeil1,
                   t.oeil2, t.yeux, static_cast<int>(t.tete.largeur),
                   static_cast<int>(t.tete.hauteur));
    if (retourne) {
        cheveux->scaleX = -1;
        visage->scaleX = -1;
        tete->scaleX = -1;
    }
    visage->SetFrame(platform::RandomIndex(4));
    if (visage->Frame() == 1) {
        visage->SetFrame(0);
    }
    if (platform::RandomIndex(5) == 0) {
        visage->SetFrame(visage->Frame() + 4);
    }
    const float penche = std::trunc(platform::RandomFloat() * 20 - 10);
    for (iSprite* part : {static_cast<iSprite*>(visage.get()), static_cast<iSprite*>(tete.get()),
                          static_cast<iSprite*>(cheveux.get())}) {
        part->rotation = penche;
    }
}
