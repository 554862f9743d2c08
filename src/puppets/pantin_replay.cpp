// The start state of an animation, saved once the terrain is staged and restored to replay it,
// and the clearing of a puppet between two sentences.
#include <cmath>

#include "puppets/animal.h"
#include "puppets/pantin.h"

namespace {

// Calls f(field of the puppet, its saved copy) for every value the start state keeps.
template <class F> void ChampsDeDepart(Pantin& p, EtatDepart& e, F f) {
    f(p.phaseMarche, e.phaseMarche);
    f(p.phaseBras, e.phaseBras);
    f(p.angleBras2, e.angleBras2);
    f(p.angleBras1, e.angleBras1);
    f(p.sens, e.sens);
    f(p.sensTete, e.sensTete);
    f(p.monteeEpaules, e.monteeEpaules);
    f(p.basculeBuste, e.basculeBuste);
    f(p.marcheCommencee, e.marcheCommencee);
    f(p.marcheFinie, e.marcheFinie);
    f(p.brasLeves, e.brasLeves);
    f(p.poursuiteEnCours, e.poursuiteEnCours);
    f(p.arrive, e.arrive);
    f(p.commence, e.commence);
    f(p.sonLancer, e.sonLancer);
    f(p.objetArrive, e.objetArrive);
    f(p.xDepart, e.xDepart);
    f(p.xArrivee, e.xArrivee);
    f(p.objetUneMainTenu, e.objetUneMainTenu);
    f(p.objetDeuxMainsTenu, e.objetDeuxMainsTenu);
    f(p.avecChapeau, e.avecChapeau);
    f(p.penche, e.penche);
    f(p.objetEnVol, e.objetEnVol);
    f(p.avecGuitare, e.avecGuitare);
    f(p.animalPromene, e.animalPromene);
    f(p.animalRegarde, e.animalRegarde);
    f(p.porte, e.porte);
    f(p.poursuivi, e.poursuivi);
    f(p.lancerSurPersonne, e.lancerSurPersonne);
    f(p.auPiedObjet, e.auPiedObjet);
    f(p.distanceEtoiles, e.distanceEtoiles);
    f(p.etoilesVisibles, e.etoilesVisibles);
    f(p.anglePedale, e.anglePedale);
    f(p.hauteurFumee, e.hauteurFumee);
    f(p.sonPasA, e.sonPasA);
    f(p.sonPasB, e.sonPasB);
    f(p.ajuste, e.ajuste);
    f(p.regardMonte, e.regardMonte);
    f(p.alphaRegard, e.alphaRegard);
    f(p.hauteurNourriture, e.hauteurNourriture);
    f(p.objetUneMain, e.objetUneMain);
    if (p.nourriture) {
        f(p.nourriture->rotation, e.rotationNourriture);
        f(p.nourriture->x, e.xNourriture);
        f(p.nourriture->y, e.yNourriture);
    }
    if (p.visage) {
        f(p.visage->xCible, e.xCibleRegard);
        f(p.visage->yCible, e.yCibleRegard);
    }
    for (std::size_t i = 0; i < p.etoiles.size(); ++i) {
        if (p.etoiles[i]) {
            f(p.etoiles[i]->rotation, e.rotationsEtoiles[i]);
        }
    }
}

void MemoriseAnimal(Animal* animal) {
    if (!animal || !animal->ventre) {
        return;
    }
    animal->ventre->xDepart = animal->ventre->x;
    animal->ventre->yDepart = animal->ventre->y;
    animal->demarreDepart = animal->demarre;
    animal->sensDepart = animal->sens;
    animal->arriveDepart = animal->arrive;
}

void RestaureAnimal(Animal* animal) {
    if (!animal || !animal->ventre) {
        return;
    }
    animal->ventre->x = animal->ventre->xDepart;
    animal->ventre->y = animal->ventre->yDepart;
    animal->demarre = animal->demarreDepart;
    animal->sens = animal->sensDepart;
    animal->arrive = animal->arriveDepart;
    if (!animal->EstPoisson()) {
        for (Membre* part : {animal->tete.get(), animal->queue.get(), animal->visage.get()}) {
            if (part) {
                part->rotation = 0;
            }
        }
    }
    animal->oscillation = 0;
    animal->pas = 0;
    animal->deuxiemeTemps = false;
}

} // namespace

void Pantin::MemoriseEtatDepart() {
    for (Membre* part : {brasDroit.get(), brasGauche.get(), tete.get()}) {
        if (part) {
            part->rotationDepart = static_cast<int>(part->rotation);
        }
    }
    if (visage) {
        visage->expressionDepart = visage->Frame();
    }
    if (buste) {
        buste->rotationDepart = buste->rotation;
        buste->xDepart = buste->x;
        buste->yDepart = buste->y;
    }
    ChampsDeDepart(*this, etatDepart, [](auto& champ, auto& copie) { copie = champ; });
    etatDepart.distanceEtoiles = std::trunc(distanceEtoiles);
    actionsDepart = {action1, action2};
    guitareLancee = false;
    MemoriseAnimal(animal1.get());
    MemoriseAnimal(animal2.get());
}

void Pantin::RestaureEtatDepart() {
    // The random choices of the first run stand.
    premiereFois = false;
    for (Membre* part : {brasDroit.get(), brasGauche.get(), tete.get()}) {
        if (part) {
            part->rotation = static_cast<float>(part->rotationDepart);
        }
    }
    // The torso where it stood: a puppet that waits or is moved by another starts from there.
    if (buste) {
        buste->rotation = buste->rotationDepart;
        buste->x = buste->xDepart;
        buste->y = buste->yDepart;
    }
    if (visage) {
        visage->SetFrame(visage->expressionDepart);
    }
    ChampsDeDepart(*this, etatDepart, [](auto& champ, const auto& copie) { champ = copie; });
    action1 = actionsDepart[0];
    action2 = actionsDepart[1];
    actionEnCours = false;
    // Legs straight, both showing their standing picture, as staged.
    for (Membre* jambe : {jambe1.get(), jambe2.get()}) {
        if (jambe) {
            jambe->rotation = 0;
            jambe->SetFrame(0);
        }
    }
    guitareLancee = false;
    // The limbs back on the torso, as at the start (a carried puppet waits for its carrier).
    if (!porte) {
        PlaceMembres();
    }
    RestaureAnimal(animal1.get());
    RestaureAnimal(animal2.get());
}

void Pantin::Reinitialise() {
    penche = false;
    premiereFois = true;
    poursuivi = marcheCommencee = basculeBuste = phaseMarche = phaseBras = marcheFinie = false;
    arrive = commence = objetUneMainTenu = objetDeuxMainsTenu = sonLancer = objetEnVol = false;
    objetArrive = avecGuitare = objetPose = avecChapeau = porte = cibleEnMouvement = false;
    auPiedObjet = ajuste = false;
    // Nor does it go on sleeping, keep out of the way of a throw, or count its arms as raised
    // (which would end the next animation before it has played).
    dort = lancerSurPersonne = brasLeves = false;
    regardMonte = true;
    choix = {AucunChoix, AucunChoix, AucunChoix, AucunChoix, AucunChoix};
    sensTete = 1.0f;
    alphaRegard = avancePoursuite = distanceEtoiles = angleBras1 = angleBras2 = 0;
    indexPorte = indexRegarde = indexCible = indexPoursuivi = 0;
    action1 = action2 = CodeAction::Aucune;
    // The next throw takes its own release point.
    xLacher = yLacher = xCibleLancer = 0;
}
