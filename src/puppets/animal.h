#pragma once
// Animal: the dog, crocodile, elephant or fish that a puppet walks on a lead or watches going
// by. Part sprites hung on a body, tinted with the sentence's colour word, and a walk that
// swings the legs with a small bob (the elephant stamps). The fish has no limbs: its body and
// face are six-frame pictures flipped through while it glides.
#include <memory>

#include "puppets/colour_words.h"
#include "puppets/sprite.h"

class Animal {
  public:
    // Root of the figure: its x and y are the animal's position.
    std::shared_ptr<Buste> ventre;
    // Drawn over the head (over the body for the fish).
    std::shared_ptr<Membre> visage;
    // From the tail end to the head end.
    std::shared_ptr<Membre> patte1;
    std::shared_ptr<Membre> patte2;
    std::shared_ptr<Membre> patte3;
    std::shared_ptr<Membre> patte4;
    std::shared_ptr<Membre> tete;
    std::shared_ptr<Membre> queue;
    Couleur couleur{};
    // Direction of the walk, +1 or -1.
    int sens = 0;
    bool estElephant = false;
    // The walk has reached its goal; it has started.
    bool arrive = false;
    bool demarre = false;
    // Vertical bob of the moving legs; which half of the stride; the stride counter.
    float oscillation = 0;
    bool deuxiemeTemps = false;
    float pas = 0;
    // Set on the step in which the elephant puts a foot down.
    bool bruitDePas = false;
    // Clock time of the fish's last frame change.
    int dernierTemps = 0;
    // Where the lead is tied, written by the walking puppet.
    float laisseX = 0;
    float laisseY = 0;
    // Saved at the start of an animation for the replay.
    bool demarreDepart = false;
    int sensDepart = 0;
    bool arriveDepart = false;

    // Builds the kind named by `espece` ("animal_chien_m", "animal_crocodile_m",
    // "animal_elephant_m", "animal_poisson_m"; any other word a dog) at a random x of a room
    // `largeurPiece` wide, standing on the floor line `sol`.
    void Fabrique(int largeurPiece, int sol, const String& espece, const String& couleurMot);
    void CreeSquelette(bool avecMembres);
    void Colore(const String& couleurMot);
    void ChargeImages(const String& espece);
    void ChargePartie(Membre& partie, const String& chemin, float largeur, float hauteur, float hx,
                      float hy, float ax, float ay, int rouge, int vert, int bleu);
    void PlaceMembres(bool avecMembres);
    // One frame of the walk from `depart` toward `but`; true on every call (read `arrive`).
    bool Marche(float depart, float but, float vitesse);
    // The tail and legs, then the body; the head, then the face. A lead goes in between.
    void DessineCorps() const;
    void DessineTete() const;
    Membre& FixeRepos(Membre& partie, float px, float py);

    bool EstPoisson() const { return ventre && ventre->largeur == 220.0f; }
};
