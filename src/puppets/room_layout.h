#pragma once
// Where things stand in a terrain's room, so that a child sees what the sentence names: the
// floor that the game scene's buttons leave in sight, and furniture kept away from the heads and
// raised hands of the puppets that stand in the room (a lamp shade behind a head reads as hair,
// a clock in a raised hand as something held) and from their bodies (a table across a child).
#include <vector>

class Animal;
class iPlayfieldPersos;
class iSprite;
class Pantin;

// How far a puppet reaches either side of its torso's x: the widest head, a raised hand.
inline constexpr float DemiLargeurPerso = 140;

// A rectangle of the room, in room pixels; empty until something is added.
struct Cadre {
    float gauche = 1e9f;
    float haut = 1e9f;
    float droite = -1e9f;
    float bas = -1e9f;

    bool Vide() const { return droite < gauche; }
    void Ajoute(float x, float y);
    void Ajoute(const Cadre& autre);
    Cadre Decale(float dx) const;
};

// The frame of the sprite's current picture as it is drawn now (turned and scaled about its
// handle); empty without a picture.
Cadre CadreDe(const iSprite& sprite);
// An animal's body, head, legs and tail as they stand now.
Cadre CadreDe(const Animal& animal);

// All of a puppet as it stands now: the head (turned either way and tilted when it looks at
// something), the body and limbs, what it holds, its guitar.
Cadre Encombrement(const Pantin& p);
// Adds to `c` the arms that go up in the puppet's action, moved by `dx`: from the shoulder to
// the fist at the end of a raise or of a throw's wind-up, and on the way up; and, when something
// is thrown to it (`attrape`), the arm it catches with.
void MainsEnHaut(const Pantin& p, bool attrape, float dx, Cadre& c);

// The part of the floor of a room `largeur` wide and `hauteur` high that none of `caches`
// covers where puppets stand: its left and right ends.
void SolLibre(const std::vector<Cadre>& caches, float largeur, float hauteur, float& gauche,
              float& droite);

// Once the puppets of the room have taken their first step (a lifted object has its place
// then), each piece of furniture moves to the nearest place clear of every puppet that stands
// in the room: clear of its head, hair, hat, body and raised hands, where it starts and where
// it acts. A piece that fits nowhere gives way to a narrower one that does, or to none.
void EcarteLesMeubles(iPlayfieldPersos& piece);
