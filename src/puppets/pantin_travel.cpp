// The steps that move a puppet across the room: walking and running, the unicycle, walking an
// animal on a lead, the two-run chase, and carrying a partner on the shoulders.
//
//   1. Shared helpers
//   2. Walking
//   3. The unicycle and the lead
//   4. The chase
//   5. Carrying on the shoulders
#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "framework/shared_assets.h"
#include "platform/random.h"
#include "puppets/animal.h"
#include "puppets/pantin.h"

namespace {

constexpr float RadiansParDegre = 0.017453292f;

// One of the sounds, drawn with equal chance, on the channel.
void JoueUnDe(std::initializer_list<const platform::SoundPtr*> sons, int canal) {
    const int i = platform::RandomIndex(static_cast<int>(sons.size()));
    platform::PlaySound(*sons.begin()[i], canal);
}

// Legs shown for the stride: facing right the front leg shows `devant`, the back leg the other.
void ImagesDesJambes(Pantin& p, int devant) {
    const int autre = 1 - devant;
    p.jambe1->SetFrame(p.sens > 0 ? devant : autre);
    p.jambe2->SetFrame(p.sens > 0 ? autre : devant);
}

bool Complet(const Pantin& p) {
    return p.buste && p.tete && p.brasDroit && p.brasGauche && p.jambe1 && p.jambe2;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// 1. Shared helpers

void Pantin::MembresSuiventBuste() {
    for (Membre* part : {tete.get(), brasGauche.get(), brasDroit.get()}) {
        part->x = part->decalageX * sens + buste->x;
        part->y = part->decalageY + buste->y;
    }
}

void Pantin::DecalagesSelonBuste() {
    DecalageSelonBuste(*tete);
    DecalageSelonBuste(*brasDroit);
    DecalageSelonBuste(*brasGauche);
}

bool Pantin::Regarde() const {
    return AAction(CodeAction::RegarderPersonne) || AAction(CodeAction::RegarderObjet);
}

void Pantin::TeteSuitBuste() {
    if (!Regarde()) {
        tete->rotation = buste->rotation;
    }
}

void Pantin::TourneVers(float sensVoulu) {
    sens = sensVoulu;
    sensTete = sensVoulu;
}

void Pantin::MontreExpression(int expression) {
    if (visage) {
        visage->expression = expression;
        visage->SetFrame(expression);
    }
}

// ---------------------------------------------------------------------------------------------
// 2. Walking

void Pantin::Marche(float a, float b, bool finirAction, float s) {
    if (!Complet(*this)) {
        return;
    }
    using namespace CodeAction;
    actionEnCours = true;
    // An arm busy with a raise or a throw is not swung.
    bool deuxBras = false;
    bool unBras = false;
    const bool voyage = AAction(Marcher) || AAction(Courir) || AAction(Promener) ||
                        AAction(Poursuivre) ||
                        (poursuivi && (action1 == LeverLesBras || action1 == LeverUnBras));
    if (voyage) {
        deuxBras = AAction(LeverLesBras);
        unBras =
            AAction(LeverUnBras) || AAction(LancerSur) || AAction(LancerObjet) || AAction(LancerA);
    }
    const bool unDrapeau = deuxBras || unBras;
    const float k = s == 1.0f ? 1.0f : s + 0.2f;
    const float kj = s == 1.0f ? 1.0f : s + 0.7f;
    const float v = vitesseJambes * s;
    const float amplitude = amplitudeJambes * kj;
    TourneVers(b > a ? 1.0f : -1.0f);

    if (!marcheCommencee) {
        buste->x = a;
        PlaceMembres();
        ImagesDesJambes(*this, 1);
        basculeBuste = sens > 0;
        if (avecGuitare && !porte) {
            tete->rotation = 20 * sens;
        }
        brasDroit->rotation = 0;
        phaseMarche = sens > 0;
        marcheCommencee = true;
        marcheFinie = false;
    }

    buste->x += vitesse * sens * k;
    MembresSuiventBuste();
    for (Membre* jambe : {jambe1.get(), jambe2.get()}) {
        jambe->x = jambe->decalageX * sens + buste->x;
    }
    MonteeEpaules();

    const float penche = vitesseBuste * sens * (kj / s);
    const float limitePenche = v != 0 ? (amplitude / v) * penche : 0.0f;
    if (phaseMarche) {
        if (angleBras2 == 0 && !deuxBras) {
            if (brasGauche->rotation < amplitude) {
                brasGauche->rotation += v;
            }
        } else if (!(deuxBras && arrive)) {
            brasGauche->rotation = sens * angleBras2;
        }
        if (angleBras1 == 0 && !unDrapeau) {
            if (brasDroit->rotation > -amplitude) {
                brasDroit->rotation -= v;
            }
        } else if (!(unDrapeau && arrive)) {
            brasDroit->rotation = sens * angleBras1;
        }
        brasDroit->x += sens;
        brasGauche->x -= sens;
        jambe1->rotation -= v;
        jambe2->rotation += v;
        jambe2->y -= 1;
        buste->y -= 0.4f * sens;
        if (sens < 0 || buste->rotation < limitePenche) {
            buste->rotation += penche;
        }
    } else {
        if (angleBras2 == 0) {
            if (!(deuxBras && arrive) && brasGauche->rotation > -amplitude) {
                brasGauche->rotation -= v;
            }
        } else if (!(deuxBras && arrive)) {
            brasGauche->rotation = sens * angleBras2;
        }
        const bool brasLibre = !unDrapeau || !arrive;
        if (angleBras1 == 0 && brasLibre) {
            if (brasDroit->rotation < amplitude) {
                brasDroit->rotation += v;
            }
        } else if (brasLibre) {
            brasDroit->rotation = sens * angleBras1;
        }
        brasDroit->x -= sens;
        brasGauche->x += sens;
        jambe2->rotation -= v;
        jambe1->rotation += v;
        jambe1->y = jambe1->decalageY + yJambes;
        buste->y += 0.4f * sens;
        if (sens < 0 || buste->rotation > -limitePenche) {
            buste->rotation -= penche;
        }
    }
    DecalagesSelonBuste();

    // The back leg turns the stride round; each turn plays one footstep.
    if (jambe2->rotation > amplitude) {
        phaseMarche = false;
        ImagesDesJambes(*this, 0);
        if (!sonPasA) {
            JoueUnDe({&sonstep1a, &sonstep2a, &sonstep3a}, 0);
        }
        sonPasA = true;
        sonPasB = false;
        jambe1->rotation = -amplitude;
        jambe2->rotation = amplitude;
    } else if (jambe2->rotation < -amplitude) {
        ImagesDesJambes(*this, 1);
        if (!sonPasB) {
            JoueUnDe({&sonstep1b, &sonstep2b, &sonstep3b}, 0);
        }
        sonPasA = false;
        sonPasB = true;
        jambe1->rotation = amplitude;
        jambe2->rotation = -amplitude;
        phaseMarche = true;
    }
    for (Membre* jambe : {jambe1.get(), jambe2.get()}) {
        jambe->y = jambe->decalageY + yJambes;
    }
    AttacheMembres();

    if ((sens > 0 && buste->x > b - 1) || (sens < 0 && buste->x < b + 1)) {
        buste->x -= sens;
        if ((action1 == Marcher || action1 == Courir) && !poursuiteEnCours) {
            action1 = Aucune;
        }
        if (action2 == Marcher || (action2 == Courir && !poursuiteEnCours)) {
            action2 = Aucune;
        }
        Repos(buste->x);
        marcheCommencee = false;
        marcheFinie = true;
        arrive = true;
        actionEnCours = false;
        if (finirAction && !poursuiteEnCours) {
            action1 = action2 = Aucune;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// 3. The unicycle and the lead

void Pantin::Pedale(float a, float b, float s) {
    if (!Complet(*this) || !monocycle || !pedale1 || !pedale2) {
        return;
    }
    actionEnCours = true;
    const float k = s == 1.0f ? 1.0f : s + 0.2f;
    TourneVers(b > a ? 1.0f : -1.0f);
    if (!marcheCommencee) {
        buste->x = a;
        PlaceMembres();
        // Seated on the saddle.
        buste->y = monocycle->y - (buste->hauteur - buste->poigneeY) + 5;
        yBusteRepos = yJambes = yBuste = buste->y;
        jambe1->SetFrame(1);
        jambe2->SetFrame(1);
        basculeBuste = sens > 0;
        if (avecGuitare && !porte) {
            tete->rotation = 20 * sens;
        }
        brasGauche->rotation = 30;
        brasDroit->rotation = -30;
        phaseMarche = sens > 0;
        marcheCommencee = true;
        marcheFinie = false;
    }
    buste->x += vitesse * sens * k;
    MembresSuiventBuste();

    // The feet go round with the crank.
    const float theta = static_cast<float>(anglePedale) * RadiansParDegre;
    jambe1->x = buste->x + 8 + 15 * std::cos(theta);
    jambe1->y = buste->y - 15 + 15 * std::sin(theta);
    jambe2->x = buste->x + 8 + 15 * std::cos(theta + 180 * RadiansParDegre);
    jambe2->y = buste->y - 15 + 15 * std::sin(theta + 180 * RadiansParDegre);
    if (angleBras2 != 0) {
        brasGauche->rotation = sens * angleBras2;
    }
    if (angleBras1 != 0) {
        brasDroit->rotation = sens * angleBras1;
    }
    MonteeEpaules();
    if (anglePedale < 360) {
        anglePedale += 15;
    } else {
        anglePedale = 0;
        JoueUnDe({&sonsqueak1, &sonsqueak2, &sonsqueak3, &sonsqueak4, &sonsqueak5}, 0);
    }

    monocycle->x = buste->x - 60;
    pedale1->x = jambe2->x - 20;
    pedale2->x = jambe1->x - 20;
    pedale1->y = jambe2->y + 0.8f * jambe2->hauteur - jambe2->poigneeY - 4;
    pedale2->y = jambe1->y + 0.8f * jambe1->hauteur - jambe1->poigneeY - 4;

    // The rider wobbles between 2 and 6 degrees forward; leftward the wobble is the mirror.
    const float f = vitesseBuste * sens;
    const float r = platform::RandomFloat();
    if (basculeBuste) {
        buste->rotation += (r * 0.50000006f + 0.7f) * f;
        if (buste->rotation * sens > -2) {
            basculeBuste = false;
        }
    } else {
        buste->rotation -= (r * 0.6f + 0.2f) * f;
        if (buste->rotation * sens < -6) {
            basculeBuste = true;
        }
    }
    DecalagesSelonBuste();
    AttacheMembres();

    if ((sens > 0 && buste->x > b - 1) || (sens < 0 && buste->x < b + 1)) {
        buste->x -= sens;
        using namespace CodeAction;
        if ((action1 == Marcher || action1 == Courir) && !poursuiteEnCours) {
            action1 = Aucune;
        }
        if (action2 == Marcher || (action2 == Courir && !poursuiteEnCours)) {
            action2 = Aucune;
        }
        Repos(buste->x);
        marcheCommencee = false;
        marcheFinie = true;
        arrive = true;
        actionEnCours = false;
        if (!poursuiteEnCours) {
            action1 = action2 = Aucune;
        }
    }
}

namespace {

// The end of the back arm.
void AttacheLaisse(const Pantin& p, Animal& animal) {
    if (!p.brasGauche) {
        return;
    }
    const Membre& bras = *p.brasGauche;
    const DecalageTourne t = TourneDecalage(bras.attacheX, bras.attacheY, bras.rotation, p.sens);
    animal.laisseX = bras.x - t.distance * std::sin(t.angle);
    animal.laisseY = bras.y + t.distance * std::cos(t.angle);
}

} // namespace

void Pantin::PointLaisse() {
    if (animal1) {
        AttacheLaisse(*this, *animal1);
    }
}

void Pantin::PromeneAnimal(float a, float b, Animal& animal) {
    using namespace CodeAction;
    const bool voyageAutre =
        AAction(Marcher) || AAction(Courir) || AAction(Poursuivre) || AAction(Pedaler);
    if (!voyageAutre && !poursuivi) {
        Marche(a, b, true, 1.0f);
    }
    // The animal goes where its walker goes, just ahead of it, whatever moves the walker (its
    // walk, a throw on the way, a chase). At a pace of its own it ran out of the room ahead of
    // its walker, or stayed in it after a walker chased out, the lead stretched across the room.
    if (animal.ventre && buste) {
        const float but = buste->x + sens * (animal.ventre->poigneeX + buste->largeur / 2);
        const float depuis = animal.demarre ? animal.ventre->x : a;
        const float pas = but - depuis;
        if (!animal.demarre || std::fabs(pas) >= 0.5f) {
            animal.Marche(depuis, but, std::fabs(pas) / 4);
        }
    }
    AttacheLaisse(*this, animal);
}

// ---------------------------------------------------------------------------------------------
// 4. The chase

namespace {

// Arms stretched forward while running, unless they are busy.
void BrasEnAvant(Pantin& p, bool cuisine) {
    if (!cuisine) {
        p.angleBras1 = -90;
    }
    p.angleBras2 = -90;
}

} // namespace

void Pantin::Poursuit(float a, float largeurPiece, Pantin& y) {
    if (!Complet(*this) || !Complet(y) || &y == this) {
        return;
    }
    using namespace CodeAction;
    Pantin& x = *this;
    const float bout = largeurPiece + x.buste->largeur;
    if (!commence) {
        allerPoursuite = true;
        if (premiereFois) {
            x.poursuiteEnCours = y.poursuiteEnCours = true;
            x.MontreExpression(platform::RandomIndex(2) == 0 ? 2 : 3);
            y.MontreExpression(platform::RandomIndex(2) == 0 ? 3 : 1);
        }
        commence = true;
    }
    // A faster chaser starts further back, so that it catches up only near the far edge.
    const float vx = x.vitesse;
    const float vy = y.vitesse;
    const float d = vx > vy ? (2.7f * vx - 2.7f * vy) * (bout - a) / (2.7f * vx) : 0.0f;
    avancePoursuite = d;
    float depart = a - 400 - d;
    if (allerPoursuite && (y.action1 == Soulever || y.auPiedObjet)) {
        depart = -400 - d;
    }
    if (!x.objetDeuxMainsTenu && !x.avecGuitare && !x.penche) {
        BrasEnAvant(x, x.AAction(Cuisiner));
    }
    if (y.action1 != LeverLesBras && y.action1 != LeverUnBras && !y.objetDeuxMainsTenu &&
        !y.avecGuitare && !y.penche) {
        BrasEnAvant(y, y.action1 == Cuisiner);
    }

    if (allerPoursuite) {
        x.poursuiteEnCours = y.poursuiteEnCours = true;
        if (!x.marcheFinie) {
            if (y.action1 == Soulever && !y.auPiedObjet) {
                x.Repos(depart);
            } else {
                x.Marche(depart, bout, false, 2.0f);
            }
            if (!y.marcheFinie && y.action1 != Soulever) {
                y.Marche(y.auPiedObjet ? y.buste->x : a, bout + y.buste->largeur, false, 2.0f);
            }
        }
        if (x.marcheFinie) {
            x.actionEnCours = y.actionEnCours = true;
            allerPoursuite = false;
            y.TourneVers(-1.0f);
            y.PlaceMembres();
            x.marcheFinie = y.marcheFinie = false;
        }
    } else if (!x.marcheFinie && !y.auPiedObjet) {
        // Back the other way, out of the room on the left, the chased one ahead.
        x.Marche(bout + 400 + d + y.buste->largeur, -x.buste->largeur, true, 2.0f);
        if (!y.marcheFinie) {
            y.Marche(bout, -y.buste->largeur, true, 2.0f);
        }
    } else {
        x.actionEnCours = y.actionEnCours = false;
        x.poursuiteEnCours = y.poursuiteEnCours = false;
        x.xArrivee = a - 800 - y.buste->largeur;
        x.action1 = x.action2 = y.action1 = y.action2 = Aucune;
        x.marcheFinie = y.marcheFinie = false;
        commence = false;
        x.MontreExpression(0);
        y.MontreExpression(0);
    }
}

// ---------------------------------------------------------------------------------------------
// 5. Carrying on the shoulders

void Pantin::PorteSurEpaules(Pantin& y) {
    if (!Complet(*this) || !Complet(y) || &y == this) {
        return;
    }
    using namespace CodeAction;
    Pantin& x = *this;
    y.TourneVers(x.sens);
    y.sensTete = x.sensTete;
    y.PlaceMembres();

    // Seat: the hips at the carrier's seat, behind and above its front shoulder (up on its
    // head); then set back over the back of the carrier's head, leaning forward.
    const bool droite = x.sens > 0;
    y.buste->x = x.brasDroit->x - x.buste->repereX * y.sens - y.jambe1->decalageX * y.sens;
    float t = 0;
    const int i2 = static_cast<int>(y.brasDroit->decalageX * y.sens + y.buste->x);
    const int i4 = static_cast<int>(x.tete->x - x.tete->poigneeX * x.sens);
    if ((droite && i4 < i2) || (!droite && i2 < i4) || y.ajuste) {
        const float avant = y.buste->x;
        y.buste->x -= static_cast<float>(std::abs(i2 - i4)) * x.sens;
        const int f = static_cast<int>((y.jambe1->decalageX + 6) * y.sens + avant);
        const float bras = x.brasDroit->x;
        if ((droite && static_cast<float>(f) < bras) || (!droite && static_cast<float>(f) > bras) ||
            y.ajuste) {
            y.buste->x += std::trunc(std::fabs(static_cast<float>(f) - bras) + 5) * x.sens;
            t = -15;
            y.ajuste = true;
        }
    }
    y.buste->y = x.brasDroit->y - x.buste->repereY - y.jambe1->decalageY;
    y.yBuste = y.buste->y;
    const bool lance = y.action1 == LancerSur || y.action1 == LancerObjet || y.action1 == LancerA;
    if (!lance) {
        y.buste->rotation = t * x.sens + 0.8f * x.tete->rotation;
    }
    y.DecalagesSelonBuste();
    for (Membre* jambe : {y.jambe1.get(), y.jambe2.get()}) {
        jambe->SetFrame(1);
        jambe->rotation = -90 * y.sens;
    }
    const bool occupe = y.objetUneMainTenu || y.objetDeuxMainsTenu || y.avecGuitare ||
                        y.objetEnVol || lance || y.action1 == LeverLesBras ||
                        y.action1 == LeverUnBras;
    if (!occupe) {
        if (x.AAction(JouerMusique)) {
            y.angleBras1 = 30;
            y.angleBras2 = -32;
        } else {
            y.angleBras1 = t - 30;
            y.angleBras2 = t - 32;
        }
    }
    y.MembresSuiventBuste();
    y.jambe1->x = (y.jambe1->decalageX + 6) * y.sens + y.buste->x;
    y.jambe2->x = y.jambe2->decalageX * y.sens + y.buste->x;
    for (Membre* jambe : {y.jambe1.get(), y.jambe2.get()}) {
        jambe->y = y.buste->y + jambe->decalageY;
    }
    y.AttacheMembres();
}
