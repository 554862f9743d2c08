// The steps that work the arms while the puppet stays (or once it has walked) in place: raising
// one or both arms, lifting a two-hand object from the floor, throwing, playing the guitar and
// cooking.
//
//   1. Raising the arms
//   2. Lifting
//   3. Throwing
//   4. Music and cooking
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "framework/shared_assets.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "puppets/pantin.h"
#include "puppets/room_layout.h"

namespace {

constexpr float RadiansParDegre = 0.017453292f;

bool Complet(const Pantin& p) {
    return p.buste && p.tete && p.brasDroit && p.brasGauche && p.jambe1 && p.jambe2;
}

void Efface(Pantin& p, std::initializer_list<int> codes) {
    for (int code : codes) {
        if (p.action1 == code) {
            p.action1 = CodeAction::Aucune;
        }
        if (p.action2 == code) {
            p.action2 = CodeAction::Aucune;
        }
    }
}

bool Lanceur(const Pantin& p) {
    using namespace CodeAction;
    return p.AAction(LancerSur) || p.AAction(LancerObjet) || p.AAction(LancerA);
}

bool Bouge(const Pantin& p) {
    using namespace CodeAction;
    return p.AAction(Marcher) || p.AAction(Courir) || p.AAction(Pedaler) || p.AAction(Promener) ||
           p.AAction(Poursuivre);
}

} // namespace

void Pantin::SuitBuste() {
    if (!Complet(*this)) {
        return;
    }
    MembresSuiventBuste();
    tete->rotation = buste->rotation;
}

// ---------------------------------------------------------------------------------------------
// 1. Raising the arms
//
// Seen from the side, one arm straight up and two arms side by side would look the same: both
// arms spread instead, the front arm past the vertical toward the back and the back arm short
// of it, a V with a hand on each side of the head. The arms are short beside the heads: a raised
// arm reaches further as it goes up, until its hand is clearly over the top of the head. A hand
// raised alone stands right over the head: it clears the hair and any hat by a gap, or a child
// seems to hold its cap.
//
// An arm raised alone goes straight up from its shoulder, which sits under the back half of the
// face on most bodies: drawn over the head it would hide an eye and run through the hat. It goes
// up behind the head instead, the hand showing over the hair or hat. Straight up puts the hand
// right over the shoulder: an arm picture hangs with its hand behind the shoulder, and a plain
// half turn would bring that hand over the face.
//
// Arms that hold a two-hand thing above the shoulders cross the face the same way, and go behind
// the head too. Where the fist would then be hidden by the head, the arms reach out as a raised
// arm does, to the front of the head or over its top, whichever is nearer. Held straight up (the
// end screen's signs), the hands show over the hair or hat, and the thing above them.

namespace {

// Degrees each arm of a two-arm raise ends away from the vertical.
constexpr float EcartDesBras = 25;
// Pixels between the top of the head and the grip of a hand beside the head (two arms).
constexpr float MainAuDessusDeLaTete = 20;
// The gap between a hand raised alone and the top of the hair or hat.
constexpr float EcartSousLaMain = 18;
// A lift ends with the arms this many degrees forward and up from hanging down.
constexpr float FinDuSoulevement = 120;

} // namespace

float Pantin::SommetDeLaTete() const {
    // The hair is drawn on the head's own canvas; a hat hangs from the hat point, its picture
    // reaching its (scaled) handle above it.
    float sommet = tete->decalageY - tete->poigneeY;
    if (avecChapeau && chapeau) {
        sommet = std::min(sommet, tete->decalageY + tete->attacheY - chapeau->poigneeY);
    }
    return sommet;
}

bool Pantin::FinDeLevee(const Membre& bras, float& fin) const {
    using namespace CodeAction;
    const bool deux = AAction(LeverLesBras);
    if (Lanceur(*this) || !tete) {
        return false;
    }
    if (!deux && !AAction(LeverUnBras)) {
        if (!objetDeuxMainsTenu || penche) {
            return false;
        }
        // The angle the arm is held at, counted as a raise counts it: forward and up from
        // hanging down, whichever way the puppet faces. A lift holds it where the lift ends,
        // so that the arm reaches out on the way up rather than at the end.
        float tenu = &bras == brasDroit.get() ? angleBras1 : angleBras2;
        if (AAction(Soulever)) {
            tenu = std::min(bras.rotation, -FinDuSoulevement);
        }
        fin = tenu < 0 ? -tenu : 360 - tenu;
        // Above the shoulder, where the arm goes behind the head.
        return std::fabs(fin - 180) < 90;
    }
    // The back arm stays down when only one goes up.
    const bool avant = &bras == brasDroit.get();
    if (!avant && !deux) {
        return false;
    }
    if (deux) {
        fin = avant ? 180 + EcartDesBras : 180 - EcartDesBras;
        return true;
    }
    // The grip right over the shoulder, on the arm as drawn: the stretch moves the hand on down
    // the arm's picture. It changes little with the angle, so a few rounds settle both.
    const DecalageTourne main = TourneDecalage(bras.attacheX, bras.attacheY, 0, 1);
    const float dx = main.distance * std::sin(main.angle);
    const float dy = main.distance * std::cos(main.angle);
    fin = 180;
    for (int i = 0; i < 3; ++i) {
        const float e = (AllongementAuBout(bras, fin) - 1) * FinDeManche(bras);
        fin = 180 + std::atan(dx / (e + dy)) / RadiansParDegre;
    }
    return true;
}

bool Pantin::BrasLeveDerriereLaTete() const {
    using namespace CodeAction;
    if (AAction(LeverLesBras) || Lanceur(*this)) {
        return false;
    }
    return AAction(LeverUnBras) ||
           (objetDeuxMainsTenu && !penche && brasDroit && std::fabs(brasDroit->rotation) > 90);
}

float Pantin::AllongementAuBout(const Membre& bras, float fin) const {
    const DecalageTourne t = TourneDecalage(bras.attacheX, bras.attacheY, -fin * sens, sens);
    if (t.distance <= 0) {
        return 1;
    }
    // How far the grip at the end of the raise is below the mark over the head, both measured
    // from the torso's y. The sleeve makes that up: it stretches down its picture, and the hand
    // moves out with its end.
    const float main = bras.decalageY + t.distance * std::cos(t.angle);
    // A hand raised alone: the whole fist, from where it shows past the sleeve, clears the head.
    const float poing = bras.poignet > 0 ? std::fabs(bras.attacheY) - bras.poignet : 0.0f;
    const float marque = AAction(CodeAction::LeverLesBras)
                             ? tete->decalageY - tete->poigneeY - MainAuDessusDeLaTete
                             : SommetDeLaTete() - EcartSousLaMain - poing;
    const float montee = FinDeManche(bras) * -std::cos(fin * RadiansParDegre);
    if (montee <= 0) {
        return 1;
    }
    const float dessus = 1 + std::max(0.0f, main - marque) / montee;
    if (AAction(CodeAction::LeverLesBras) || AAction(CodeAction::LeverUnBras)) {
        return dessus;
    }
    // A two-hand thing: a grip under the chin shows, or one in front of the head; else the
    // arm reaches out to whichever of the front or the top of the head is nearer, so that
    // the fist shows on the thing instead of behind the head. Forward counts in the facing.
    const float x = bras.decalageX - sens * t.distance * std::sin(t.angle);
    const float devant = tete->decalageX + tete->largeur - tete->poigneeX + poing;
    const float avance = FinDeManche(bras) * std::sin(fin * RadiansParDegre);
    if (main > tete->decalageY || x >= devant) {
        return 1;
    }
    return avance > 0 ? std::min(dessus, 1 + (devant - x) / avance) : dessus;
}

float Pantin::AllongementBras(const Membre& bras) const {
    float fin = 0;
    if (!FinDeLevee(bras, fin)) {
        return 1;
    }
    // The arm starts reaching once it is past the horizontal, and is at full reach when it
    // arrives.
    const float avance = std::clamp((std::fabs(bras.rotation) - 90) / (fin - 90), 0.0f, 1.0f);
    return 1 + (AllongementAuBout(bras, fin) - 1) * avance;
}

bool Pantin::MainLevee(const Membre& bras, float& x, float& y) const {
    float fin = 0;
    float allonge = 1;
    if (FinDeLevee(bras, fin)) {
        allonge = AllongementAuBout(bras, fin);
    } else if (Lanceur(*this) && &bras == brasDroit.get()) {
        // The wind-up of a throw, the object in hand behind the head.
        fin = 205;
    } else {
        return false;
    }
    const float r = -fin * sens;
    const float e = (allonge - 1) * FinDeManche(bras);
    const DecalageTourne t = TourneDecalage(bras.attacheX, bras.attacheY, r, sens);
    x = bras.x - e * std::sin(r * RadiansParDegre) - t.distance * std::sin(t.angle);
    y = bras.y + e * std::cos(r * RadiansParDegre) + t.distance * std::cos(t.angle);
    return true;
}

void Pantin::LeveBras(float a, float b, int bras, float angle, float s) {
    if (!Complet(*this)) {
        return;
    }
    actionEnCours = true;
    const bool bouge = Bouge(*this);
    if (!porte && !bouge) {
        TourneVers(b > a ? 1.0f : -1.0f);
    }
    if (porte || poursuivi || bouge) {
        arrive = true;
    } else if (!arrive) {
        // The raise goes on after the walk, which counts as part of it.
        Marche(a, b, false, 1.0f);
        actionEnCours = true;
        return;
    }
    // A throw keeps counting as running until the object has flown; a raise is done once the
    // puppet has arrived.
    const bool lance = Lanceur(*this);
    if (!lance) {
        brasLeves = true;
    }
    if (buste->x <= 0) {
        return;
    }
    if (!porte && !poursuivi && !bouge) {
        for (Membre* jambe : {jambe1.get(), jambe2.get()}) {
            jambe->SetFrame(0);
            jambe->rotation = 0;
        }
    }
    // Both arms of a raise spread apart as they go up; the back arm keeps pace with the front
    // one so that both arrive together. An arm raised alone ends straight up.
    const float ecart = bras == 2 && !lance ? EcartDesBras : 0.0f;
    float butee = angle + ecart;
    if (bras == 1 && !lance) {
        FinDeLevee(*brasDroit, butee);
    }
    brasDroit->rotation -= 2 * s * sens;
    // Raising the arms stops the music.
    Efface(*this, {CodeAction::JouerMusique});
    const bool fini =
        (sens > 0 && brasDroit->rotation < -butee) || (sens < 0 && brasDroit->rotation > butee);
    if (fini) {
        brasDroit->rotation = sens > 0 ? -butee : butee;
    }
    if (bras == 2) {
        brasGauche->rotation =
            ecart > 0 ? brasDroit->rotation * (angle - ecart) / butee : brasDroit->rotation - 5;
    }
    SuitMembres();
    PlaceObjetUneMain();
    TourneGuitare();
    PlaceChapeau();
    if (fini && !lance) {
        actionEnCours = false;
    }
}

// ---------------------------------------------------------------------------------------------
// 2. Lifting

void Pantin::Souleve(int largeurPiece, int hauteurPiece, float gaucheLibre, float droiteLibre) {
    if (!Complet(*this) || !objetDeuxMains) {
        return;
    }
    Accessoire& objet = *objetDeuxMains;
    const float w = static_cast<float>(largeurPiece);
    if (!commence) {
        // The object waits on the floor, somewhere in the right two thirds of the room.
        objet.scaleX = 1.0f;
        objetUneMainTenu = objetDeuxMainsTenu = false;
        penche = true;
        objet.x = xObjetSouleve;
        commence = true;
        actionEnCours = true;
        if (premiereFois) {
            // Clear of a button over a corner of the floor: the lifter walks in from 150 (500
            // when chased) to the left of the object, which stands whole on the floor.
            float debut = static_cast<float>(largeurPiece / 3);
            float fin = w - objet.largeur;
            if (gaucheLibre > 0) {
                debut =
                    std::max(debut, gaucheLibre + (poursuivi ? 500.0f : 150.0f) + DemiLargeurPerso);
            }
            if (droiteLibre > 0 && droiteLibre < w) {
                fin = std::max(debut, std::min(fin, droiteLibre - objet.largeur));
            }
            float x = debut + platform::RandomFloat() * (fin - debut);
            if (lancerSurPersonne && x < static_cast<float>(largeurPiece / 2) + 100) {
                x += 250 + platform::RandomFloat() * 150;
            }
            if (droiteLibre > 0 && droiteLibre < w) {
                x = std::min(x, fin);
            }
            xObjetSouleve = x;
            objet.x = x;
        }
        objet.y = static_cast<float>(hauteurPiece) - objet.hauteur + objet.poigneeY - 10;
        buste->x = objet.x - (poursuivi ? 500.0f : 150.0f);
        sens = -1;
        PlaceMembres();
        return;
    }
    actionEnCours = true;

    if (!marcheFinie) {
        // Stop where the hand, the torso bent by 28 degrees and the arm down at -32, is over
        // the object's grip.
        const float rx = brasDroit->reposX;
        const float ry = brasDroit->reposY;
        const float l = std::sqrt(rx * rx + ry * ry);
        const float r = (28 - AtanDegres(rx, ry)) * RadiansParDegre;
        const float sx = sens * l * std::sin(r);
        const float sy = -l * std::cos(r);
        const float l2 = std::sqrt(sx * sx + sy * sy);
        const float portee = 2 * sx - l2 * std::sin((-32 - AtanDegres(sx, sy)) * RadiansParDegre);
        const float but = objet.x - portee;
        Marche(but - (poursuivi ? 500.0f : 150.0f), but, false, poursuivi ? 2.0f : 1.0f);
        actionEnCours = true;
        return;
    }
    auPiedObjet = true;

    bool auDessusDeLaTete = false;
    if (penche && buste->rotation < 28) {
        buste->rotation += 2 * sens;
        DecalagesSelonBuste();
        MembresSuiventBuste();
    } else if (brasDroit->rotation > -32) {
        brasDroit->rotation -= 2;
        brasGauche->rotation = brasDroit->rotation;
    } else if (penche && !objetDeuxMainsTenu) {
        // The grip moves to the hand, so that the object hangs from it where it stands.
        const DecalageTourne t =
            TourneDecalage(brasDroit->attacheX, brasDroit->attacheY, brasDroit->rotation, 1.0f);
        const float yMain = brasDroit->y + t.distance * std::cos(t.angle);
        objet.poigneeY = yMain - (objet.y - objet.poigneeY);
        objet.SetHandle(objet.poigneeX, objet.poigneeY);
        objetDeuxMainsTenu = true;
        penche = false;
    } else if (buste->rotation > -8 || brasDroit->rotation > -FinDuSoulevement) {
        if (buste->rotation > -8) {
            buste->rotation -= 1.5f;
        }
        DecalagesSelonBuste();
        if (brasDroit->rotation > -FinDuSoulevement) {
            brasDroit->rotation -= 3;
        }
        brasGauche->rotation = brasDroit->rotation;
        MembresSuiventBuste();
    } else {
        // Over the head: a little hop up, then down into the hands.
        auDessusDeLaTete = true;
        const float ecart = objet.poigneeYDepart - objet.poigneeY;
        float mx = 0;
        float my = 0;
        Prise(*brasDroit, sens, mx, my);
        const float cible = my - ecart;
        if (objet.y > cible - 25 && brasGauche->rotation == brasDroit->rotation) {
            objet.y -= 8;
        } else {
            brasGauche->rotation = brasDroit->rotation + 1;
            objet.y += 8;
            if (objet.y >= cible) {
                objet.poigneeY = objet.poigneeYDepart;
                objet.SetHandle(objet.poigneeX, objet.poigneeY);
                objet.y += ecart;
                angleBras1 = angleBras2 = brasDroit->rotation;
                brasGauche->rotation = brasDroit->rotation;
                Efface(*this, {CodeAction::Soulever});
                if (poursuivi) {
                    marcheFinie = false;
                }
                commence = false;
                xArrivee = buste->x;
                MontreExpression(3);
                platform::PlaySound(sonplop, 0);
                actionEnCours = false;
            }
        }
    }
    if (objetDeuxMainsTenu && !auDessusDeLaTete) {
        PlaceObjetDeuxMains();
    }
    SuitMembres();
    PlaceChapeau();
}

// ---------------------------------------------------------------------------------------------
// 3. Throwing

void Pantin::Lance(float b, float xT, float yT, Pantin& y, bool touche) {
    if (!Complet(*this) || !Complet(y) || !objetUneMain) {
        return;
    }
    using namespace CodeAction;
    Accessoire& objet = *objetUneMain;
    const bool jete = &y == this;
    const bool frappe = touche && !jete;
    actionEnCours = true;
    const bool bouge = Bouge(*this);
    if (!jete) {
        sens = y.buste->x > buste->x ? 1.0f : -1.0f;
    }

    if (!commence) {
        if (std::fabs(brasDroit->rotation) >= 205) {
            commence = true;
        } else {
            // Wind-up, once a walking target is far enough ahead or has stopped.
            const float devant = (y.buste->x - buste->x) * sens;
            if (jete || devant > 150 || y.marcheFinie || y.arrive) {
                // The short approach walks toward the target (away, when thrown away).
                const float recul = jete ? 100.0f : 100.0f * sens;
                LeveBras(cibleEnMouvement ? xDepart : b - recul, b, 1, 205.0f, 2.5f);
                actionEnCours = true;
                if (!jete) {
                    MontreExpression(0);
                    y.MontreExpression(0);
                }
            }
            if (std::fabs(brasDroit->rotation) > 45) {
                buste->rotation -= 0.4f * sens;
                DecalagesSelonBuste();
                MembresSuiventBuste();
            }
        }
    }

    if (commence && buste->x >= 0) {
        if (-sens * brasDroit->rotation > 160 && objetUneMainTenu) {
            // The swing.
            if (!sonLancer) {
                platform::PlaySound(sonpfiou2, 1);
                sonLancer = true;
            }
            buste->rotation += 1.5f * sens;
            DecalagesSelonBuste();
            MembresSuiventBuste();
            TeteSuitBuste();
            brasDroit->rotation += 3.5f * sens;
            AttacheMembres();
            return;
        }

        objetUneMainTenu = false;
        objetEnVol = true;
        if (xLacher == 0) {
            float mx = 0;
            float my = 0;
            Prise(*brasDroit, sens, mx, my);
            xLacher = mx;
            yLacher = std::trunc(my);
            xCibleLancer = jete ? sens * 1350 + (sens > 0 ? 0.0f : std::trunc(xT)) : xT;
        }

        // Short throws at a person arc higher.
        float k = 0.0012f;
        const bool court = !jete && y.buste->x - buste->x < 450 && !AAction(Courir) &&
                           !y.AAction(Courir) && !y.AAction(Marcher) && !AAction(Pedaler);
        if (court && AAction(LancerSur)) {
            k = 0.01f;
        } else if (court && AAction(LancerA) && sens != y.sens) {
            k = 0.02f;
        }
        if (!touche && (objet.x - (xT - 180 * sens)) * sens > 0 && std::fabs(y.angleBras1) < 120) {
            y.angleBras1 -= 6;
        }

        // The flight: a parabola through the release point and the landing point.
        const float x0 = xLacher;
        const float y0 = yLacher;
        const float xc = xCibleLancer;
        const bool aussitot = std::fabs(xc - x0) < 1;
        if (objetArrive || aussitot) {
            objet.x = xT;
            objet.y = yT;
        } else {
            const float p = ((x0 * x0 - xc * xc) * k + yT - y0) / (xc - x0);
            const float q = y0 - k * x0 * x0 - p * x0;
            objet.x += 9 * sens;
            objet.y = k * objet.x * objet.x + p * objet.x + q;
            objet.rotation += 13;
        }

        const bool pose = aussitot || objetArrive || ((objet.x - xT) * sens >= 0 && objet.y >= yT);
        if (pose && -sens * brasDroit->rotation > 10) {
            // Follow-through, with the hit or the catch on the first frame.
            if (frappe) {
                for (auto& etoile : etoiles) {
                    if (etoile) {
                        etoile->visible = true;
                    }
                }
                etoilesVisibles = true;
                y.MontreExpression(1);
                MontreExpression(2);
            }
            if (std::fabs(buste->rotation) > 0.3f) {
                buste->rotation -= buste->rotation > 0 ? 0.5f : -0.5f;
            }
            DecalagesSelonBuste();
            MembresSuiventBuste();
            TeteSuitBuste();
            brasDroit->rotation += 4 * sens;
            objetEnVol = false;
            SuitMembres();
            PlaceChapeau();
            if (frappe) {
                const float ex = y.buste->x >= 1380 ? 1280.0f : xT;
                for (auto& etoile : etoiles) {
                    if (etoile) {
                        etoile->x = ex;
                        etoile->y = yT;
                    }
                }
            }
            if (!jete && !objetArrive) {
                if (touche) {
                    y.monteeEpaules = 20;
                }
                objetArrive = true;
                if (!touche) {
                    auto prise = std::make_shared<Accessoire>();
                    prise->CopieDe(objet);
                    prise->scaleY = -1;
                    if (sens != y.sens) {
                        prise->scaleX = -1;
                    }
                    prise->rotation = y.brasDroit->rotation;
                    y.objetUneMain = prise;
                    y.objetUneMainTenu = true;
                }
                const platform::SoundPtr* coups[4] = {&sonhit1, &sonhit2, &sonhit3, &sonhit4};
                platform::PlaySound(*coups[platform::RandomIndex(4)], 2);
            }
        } else if (pose && (jete || !etoiles[0] || !etoiles[0]->visible || y.monteeEpaules <= 0)) {
            Efface(*this, {LancerSur, LancerObjet, LancerA});
            actionEnCours = false;
            objetEnVol = false;
            if (!bouge) {
                action1 = Aucune;
                brasDroit->rotation = 0;
                buste->rotation = 0;
                DecalagesSelonBuste();
                Efface(*this, {RegarderObjet});
                TeteSuitBuste();
                AttacheMembres();
            }
        }
    }

    // The stars fly out of the hit head.
    if (etoilesVisibles && touche) {
        static constexpr float Direction[6] = {-1, -1, -1, -1, 1, 1};
        static constexpr float Pente[6] = {0, 1.5f, 99, -99, -1.5f, 0};
        const float d = distanceEtoiles;
        const float base = y.buste->x >= 1380 ? 1280.0f : y.buste->x;
        for (int i = 0; i < 6; ++i) {
            Projection* etoile = etoiles[static_cast<std::size_t>(i)].get();
            if (!etoile) {
                continue;
            }
            if (Pente[i] == 99) {
                etoile->y -= 1.9f * d;
            } else if (Pente[i] == -99) {
                etoile->y += d;
            } else {
                const float nx = Direction[i] * d + base;
                etoile->y += Pente[i] * (nx - etoile->x);
                etoile->x = nx;
            }
            etoile->rotation += 6;
        }
        distanceEtoiles += 3;
        if (distanceEtoiles > 70) {
            if (etoiles[0]) {
                etoiles[0]->visible = false;
            }
            etoilesVisibles = false;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// 4. Music and cooking

void Pantin::JoueMusique(bool actif, const platform::SoundPtr& sonGuitare) {
    if (!Complet(*this)) {
        return;
    }
    using namespace CodeAction;
    PlaceGuitare();
    if (phaseBras) {
        if (!guitareLancee && actif) {
            platform::PlaySound(sonGuitare, 8, platform::SoundLoop);
            guitareLancee = true;
        }
        angleBras1 += 6.25f;
        if (!Regarde()) {
            tete->rotation += 1;
        }
        // A tapping foot, put down again by the rest pose.
        if (action1 == Aucune || (action2 == Aucune && !porte && !poursuivi)) {
            jambe2->y -= 6;
        }
        if (angleBras1 > 20) {
            phaseBras = false;
        }
    } else {
        angleBras1 -= 6.25f;
        if (!Regarde()) {
            tete->rotation -= 1;
        }
        if (angleBras1 < -40) {
            phaseBras = true;
        }
    }
    SuitMembres();
    PlaceChapeau();
}

void Pantin::Cuisine(bool actif, bool finie) {
    if (!Complet(*this)) {
        return;
    }
    using namespace CodeAction;
    // The pan and its props come with the word "poele"; without them the arm holds still.
    if (nourriture && fumee && objetUneMain) {
        iSprite& poele = *objetUneMain;
        if (phaseBras) {
            angleBras1 += 1;
            if (angleBras1 > -60) {
                phaseBras = false;
            }
            hauteurNourriture -= 4;
            nourriture->rotation -= 10.75f;
        } else {
            angleBras1 -= 3;
            if (angleBras1 < -80) {
                phaseBras = true;
                hauteurNourriture = 0;
                nourriture->rotation = 0;
            }
            hauteurNourriture += 12;
            nourriture->rotation -= 10.75f;
            // Back in the pan.
            if (nourriture->y > poele.y - 10) {
                hauteurNourriture = 0;
                nourriture->rotation = 0;
            }
        }
        nourriture->x = poele.x + 125 * sens;
        nourriture->y = poele.y + hauteurNourriture;
        fumee->x = poele.x + 125 * sens;
        fumee->y = poele.y - 20 - hauteurFumee;
        hauteurFumee += 7;
        if (hauteurFumee > 387) {
            hauteurFumee = 0;
        }
        fumee->SetFrame(hauteurFumee < 66    ? 0
                        : hauteurFumee < 149 ? 1
                        : hauteurFumee < 280 ? 2
                                             : 3);
    }
    SuitMembres();
    PlaceChapeau();

    const int maintenant = platform::Milliseconds();
    const bool encore = !finie || AAction(Aucune) || AAction(PorterSurEpaules) ||
                        AAction(RegarderPersonne) || (AAction(RegarderObjet) && objetPose);
    if (maintenant > dernierSonCuisine + 1800 && hauteurFumee > 50 && actif && encore) {
        dernierSonCuisine = maintenant;
        platform::PlaySound(soncuisine, 10);
    }
}
