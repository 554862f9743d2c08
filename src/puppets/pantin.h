#pragma once
// Pantin: one jointed paper-doll character. A torso with a head, two arms, two legs, two hands,
// a face and hair, each a sprite, plus the props its sentence gives it and up to two animals.
// The posing operations put every part in place from the torso, the arm angles and the facing.
//
// The operations live in several files: the skeleton, limbs and posing; building a puppet from
// the words of a sentence; dressing it; drawing it. The action steps use the same fields and
// posing operations.
#include <array>
#include <memory>
#include <vector>

#include "platform/audio.h"
#include "platform/text.h"
#include "puppets/colour_words.h"
#include "puppets/sprite.h"

class Animal;
class Pantin;

// The puppets of a terrain, indexed by person (0 for the subject); a slot may be empty.
using ListePersos = std::vector<std::shared_ptr<Pantin>>;

// What a puppet was at the start of its animation, so that a replay repeats it. Besides the
// positions, poses and flags of the steps, it keeps the few values that would otherwise carry
// the end of the first run into the replay (the gaze pulse, the pan's toss, the stars' turn,
// the footstep latches, the object a catcher held before the catch).
struct EtatDepart {
    bool phaseMarche = false;
    bool phaseBras = false;
    float angleBras2 = 0;
    float angleBras1 = 0;
    float sens = -1.0f;
    float sensTete = 1.0f;
    float monteeEpaules = 0;
    bool basculeBuste = false;
    bool marcheCommencee = false;
    bool marcheFinie = false;
    bool brasLeves = false;
    bool poursuiteEnCours = false;
    bool arrive = false;
    bool commence = false;
    bool sonLancer = false;
    bool objetArrive = false;
    float xDepart = 0;
    float xArrivee = 0;
    bool objetUneMainTenu = false;
    bool objetDeuxMainsTenu = false;
    bool avecChapeau = false;
    bool penche = false;
    bool objetEnVol = false;
    bool avecGuitare = false;
    bool animalPromene = false;
    bool animalRegarde = false;
    bool porte = false;
    bool poursuivi = false;
    bool lancerSurPersonne = false;
    bool auPiedObjet = false;
    float distanceEtoiles = 0;
    bool etoilesVisibles = false;
    int anglePedale = 0;
    float hauteurFumee = 0;

    bool sonPasA = false;
    bool sonPasB = false;
    bool ajuste = false;
    bool regardMonte = true;
    float alphaRegard = 0;
    float hauteurNourriture = 0;
    float rotationNourriture = 0;
    float xNourriture = 0;
    float yNourriture = 0;
    float xCibleRegard = 0;
    float yCibleRegard = 0;
    std::array<float, 6> rotationsEtoiles{};
    std::shared_ptr<Accessoire> objetUneMain;
};

// Number of body types; a type outside 0..8 builds type 0.
inline constexpr int NombreDeTypes = 9;
// "No choice" in every entry of `choix`.
inline constexpr int AucunChoix = 99;

// atan(num / den) in degrees, as the pictures were laid out for (not a two-argument arc tangent:
// (x, y) and (-x, -y) give the same angle); 0 / 0 gives 0 rather than NaN.
float AtanDegres(float num, float den);

// A stored offset turned about a parent by its rotation and a facing sign: the distance, and the
// angle in radians whose sine and cosine the placements use (AtanDegres of ox / oy).
struct DecalageTourne {
    float distance = 0;
    float angle = 0;
};
DecalageTourne TourneDecalage(float ox, float oy, float rotationParent, float sensParent);

// How far down an arm's picture, from its pivot, the sleeve ends over the hand: the stretch of a
// raised arm moves the hand out by that much times the stretch beyond 1.
float FinDeManche(const Membre& bras);

// Where the hand at the end of `bras` grips, on the arm as it is drawn, however long.
void Prise(const Membre& bras, float sens, float& x, float& y);

class Pantin {
  public:
    // ---- The record -----------------------------------------------------------------------
    std::shared_ptr<Membre> tete;
    std::shared_ptr<Extremite> cheveux;
    std::shared_ptr<Visage> visage;
    Couleur couleurPeau{};
    Couleur couleurCheveux{};
    // Root of the skeleton: its x and y are the puppet's position.
    std::shared_ptr<Buste> buste;
    // Body type 0..8, hair variant 0..2, garment class 0..3, sleeve variant 0..1, hat 0..3.
    std::array<int, 5> choix{AucunChoix, AucunChoix, AucunChoix, AucunChoix, AucunChoix};
    Couleur couleurHabit{};
    Couleur couleurChapeau{};
    // The sign shows the picture "pancarte_" + this text + ".png".
    String textePancarte;
    // Throws at or to someone: the six-star burst exists.
    bool etoilesActives = false;
    bool objetUneMainTenu = false;
    bool objetDeuxMainsTenu = false;
    // Carried on another puppet's shoulders.
    bool porte = false;
    // Angles the arms are held at, before the facing sign (0 lets them swing while walking).
    float angleBras1 = 0;
    float angleBras2 = 0;
    bool avecGuitare = false;
    // An object stands on a table beside it.
    bool objetPose = false;
    bool animalPromene = false;
    bool animalRegarde = false;
    bool avecChapeau = false;
    // Front arm ("brasd" pictures): held objects hang at its attach point.
    std::shared_ptr<Membre> brasDroit;
    std::shared_ptr<Membre> brasGauche;
    // Its size sets the torso's height above the floor.
    std::shared_ptr<Membre> jambe1;
    std::shared_ptr<Membre> jambe2;
    std::shared_ptr<Extremite> mainDroite;
    std::shared_ptr<Extremite> mainGauche;
    std::array<std::shared_ptr<Projection>, 6> etoiles{};
    std::shared_ptr<Accessoire> objetUneMain;
    // Facing of the body: +1 right, -1 left.
    float sens = -1.0f;
    std::shared_ptr<Accessoire> objetDeuxMains;
    std::shared_ptr<Accessoire> objetSurTable;
    std::shared_ptr<Chapeau> chapeau;
    std::shared_ptr<Accessoire> guitare;
    // The half circle drawn with the gaze; its colour is the gaze colour.
    std::shared_ptr<iSprite> regard;
    std::shared_ptr<iSprite> nourriture;
    std::shared_ptr<iSprite> fumee;
    bool dort = false;
    std::shared_ptr<iSprite> zzz;
    // Facing of the head, turned by the aim.
    float sensTete = 1.0f;
    std::shared_ptr<Meuble> table;
    // Walked on a lead, and looked at.
    std::shared_ptr<Animal> animal1;
    std::shared_ptr<Animal> animal2;
    std::shared_ptr<iSprite> monocycle;
    std::shared_ptr<iSprite> pedale1;
    std::shared_ptr<iSprite> pedale2;
    float yBusteRepos = 0;
    // The y the legs' offsets are added to.
    float yJambes = 0;
    float yBuste = 0;
    // Pixels per frame; degrees per frame and limit of the leg swing; torso sway.
    float vitesse = 0;
    float vitesseJambes = 0;
    float amplitudeJambes = 0;
    float amplitudeBuste = 0;
    float vitesseBuste = 0;
    // Where it stands at rest, or where its travel ends.
    float xArrivee = 0;
    // Milliseconds between two blinks.
    int intervalleClignement = 0;
    // Where a travelling action starts.
    float xDepart = 0;
    // Action codes of the main and the second verb (0 none; see CodeAction).
    int action1 = 0;
    bool actionEnCours = false;
    int action2 = 0;
    // Chased: the chaser's step moves it, and the rest pose leaves its torso and legs alone.
    bool poursuivi = false;
    // Countdown of the shoulder shrug.
    float monteeEpaules = 0;

    // ---- Step state of the action steps, the aim, the blink and the sleep -------------------
    bool marcheCommencee = false;
    bool basculeBuste = false;
    bool phaseMarche = false;
    bool marcheFinie = false;
    bool arrive = false;
    bool sonPasA = false;
    bool sonPasB = false;
    bool poursuiteEnCours = false;
    bool brasLeves = false;
    bool commence = false;
    bool penche = false;
    bool premiereFois = true;
    bool lancerSurPersonne = false;
    bool auPiedObjet = false;
    int indexPoursuivi = 0;
    bool allerPoursuite = false;
    float avancePoursuite = 0;
    int indexCible = 0;
    bool cibleEnMouvement = false;
    bool sonLancer = false;
    bool objetEnVol = false;
    float xLacher = 0;
    float yLacher = 0;
    float xCibleLancer = 0;
    bool objetArrive = false;
    bool etoilesVisibles = false;
    float distanceEtoiles = 0;
    // 0 means none.
    int indexPorte = 0;
    bool ajuste = false;
    bool phaseBras = false;
    bool guitareLancee = false;
    float hauteurNourriture = 0;
    float hauteurFumee = 0;
    int dernierSonCuisine = 0;
    int anglePedale = 0;
    float alphaRegard = 0;
    bool regardMonte = true;
    int indexRegarde = 0;
    int debutClignement = 0;
    bool yeuxFermes = true;
    int debutZzz = 0;
    int debutRonflement = 0;
    // Where the lifted object stands, drawn on the first run and kept for the replays.
    float xObjetSouleve = 0;
    EtatDepart etatDepart;
    // The two action codes at the start of the animation.
    std::array<int, 2> actionsDepart{};

    // ---- Skeleton, limbs and posing --------------------------------------------------------

    // The body type that indexes the tables: `choix`[0], or 0 when it is outside 0..8.
    int TypeDeCorps() const;

    // The empty parts, and the props that the flags ask for.
    void CreeSquelette();
    // Loads one limb or hand. (x, y) is the part's pivot in the body type's drawing, measured
    // like the torso's handle; unless `garderDecalages`, it becomes the rest offset.
    void ChargePartie(Membre& partie, const String& fichier, float largeurPartie,
                      float hauteurPartie, int images, float hx, float hy, float px, float py,
                      float ax, float ay, int r, int g, int b, bool garderDecalages);
    void CheveuxAuHasard();
    void PeauAuHasard();

    void Repos(float x);
    void PlaceMembres();
    void MonteeEpaules();
    void AttacheMembres();
    void SuitMembres();
    void PlaceObjetUneMain();
    void PlaceObjetDeuxMains();
    // The front arm's angle, forward and up from hanging down, for a thing in its hand that the
    // puppet looks at: `angle`, or less, so that the arm stays off the face, no higher than the
    // shoulder, and the thing no higher than the eyes and off the eyes, nose and mouth.
    float AngleTenuDevant(float angle) const;
    void PlaceChapeau();
    void DecalageSelonBuste(Attachable& partie);
    void TourneGuitare();
    // The guitar on the front leg, at the torso's height, where the music step holds it.
    void PlaceGuitare();
    void FixeDecalage(Attachable& partie, float px, float py);

    // ---- Building ---------------------------------------------------------------------------

    // A standing, dressed puppet for one person of a sentence, on a terrain of the given size
    // (the floor at its bottom). The caller fills `choix` and the colours first (see the
    // choice of clothes) and stages the puppet afterwards. `sens` 0 keeps the facing.
    void Fabrique(int largeur, int hauteur, const String& motPerso, const String& verbe1,
                  const String& verbe2, const String& objetUneMainMot,
                  const String& objetDeuxMainsMot, const String& objetSurTableMot,
                  const String& animal1Mot, const String& animal1Couleur, const String& animal2Mot,
                  const String& animal2Couleur, float sensVoulu);
    void TypeDepuisMot(const String& motPerso);
    // A colour drawn within the ranges of the word; an empty word draws one of the nine and
    // returns its index, any other word returns 99 (a word outside the nine changes nothing).
    int ColoreHabit(const String& mot);
    int ColoreChapeau(const String& mot);
    // A head alone (head, hair, face) of a random type, colours, expression and tilt. Creates
    // `tete` when the caller has not.
    void FabriqueTete();

    // ---- Dressing ---------------------------------------------------------------------------

    // Pictures, sizes, pivots and tints of every part and prop, from `choix` and the colours.
    void Habille(const String& objetUneMainMot, const String& objetDeuxMainsMot,
                 const String& objetSurTableMot);

    // ---- Travelling steps: one frame each, until the step clears its code ---------------------

    // Walks (speed 1) or runs (speed 2) from a to b; arrives one pixel short of b, at rest.
    // With `finirAction` both codes are cleared on arrival, unless a chase runs.
    void Marche(float a, float b, bool finirAction, float vitesseVoulue);
    // Rides the unicycle from a to b.
    void Pedale(float a, float b, float vitesseVoulue);
    // Walks from a to b with `animal` on the lead.
    void PromeneAnimal(float a, float b, Animal& animal);
    // The end of the back arm, where the lead of `animal1` is tied.
    void PointLaisse();
    // Chases `poursuivi` in two runs across a room `largeurPiece` wide, starting about `a`.
    void Poursuit(float a, float largeurPiece, Pantin& cible);
    // Seats `porte` on the shoulders; held every frame, never ends by itself.
    void PorteSurEpaules(Pantin& cible);

    // ---- Arm, lifting and throwing steps ----------------------------------------------------

    // Walks from a to b unless it moves otherwise, then raises one or both arms to `angle`.
    void LeveBras(float a, float b, int bras, float angle, float vitesseVoulue);
    // Walks to its two-hand object standing on the floor of a room W by H, lifts it over its
    // head. The object stands between `gaucheLibre` and `droiteLibre` when the floor in sight
    // is narrower than the room (0 and 0: the whole floor).
    void Souleve(int largeurPiece, int hauteurPiece, float gaucheLibre = 0, float droiteLibre = 0);
    // Throws the one-hand object from where it stands (b) at (xT, yT): onto `cible` (`touche`),
    // to `cible`, who catches it, or away when `cible` is this puppet.
    void Lance(float b, float xT, float yT, Pantin& cible, bool touche);
    // Strums the guitar; the loop starts on channel 8 the first time, when the playfield is
    // active.
    void JoueMusique(bool actif, const platform::SoundPtr& sonGuitare);
    // Tosses food in the pan, with rising steam and a sizzle now and then.
    void Cuisine(bool actif, bool finie);
    // Head and both arms follow the torso; the head takes its rotation.
    void SuitBuste();

    // ---- Drawing, aim and replay ------------------------------------------------------------

    // Back to front, without the front arm.
    void Dessine() const;
    // The guitar, the front hand and the front arm, over the body (and over a carried partner).
    void DessineBrasAvant() const;
    // A carried puppet's front leg and what it holds in one hand, over its carrier.
    void DessineObjets() const;
    void DessineCorps() const;
    void DessineEtoiles() const;
    // Two translucent beams from the eyes to the target, and the half circle there.
    void DessineRegard() const;
    // Turns the head (at most 18 degrees) and the gaze toward (tx, ty).
    void Vise(float tx, float ty);
    // The torso is on the 1280-wide room, or within its own width of it.
    bool EstVisible() const;
    void MemoriseEtatDepart();
    void RestaureEtatDepart();
    // Clears the action state, choices and flags between two sentences on the same puppet.
    void Reinitialise();

    // True when either action code is `code`.
    bool AAction(int code) const { return action1 == code || action2 == code; }
    // Where the hand of `bras` grips once the arm is up, from where the puppet stands now: at
    // the end of a raise, or of a throw's wind-up. False for an arm that does not go up.
    bool MainLevee(const Membre& bras, float& x, float& y) const;
    // The front arm is raised alone, or holds a two-hand thing above the shoulder: it is drawn,
    // with the hand and what that hand holds, behind the head, the hair and any hat.
    bool BrasLeveDerriereLaTete() const;
    // Shows expression 0..3 with the eyes open.
    void MontreExpression(int expression);

  private:
    // What goes between the torso and the head: a thing held in both hands, then the front
    // hand, its arm and what that hand holds alone when the arm goes behind the head.
    void DessineDerriereLaTete() const;
    // Head, back arm and front arm where their offsets put them on the torso.
    void MembresSuiventBuste();
    // How much longer a raised arm is drawn (1 when it is not raised; see the raise).
    float AllongementBras(const Membre& bras) const;
    // The angle this arm ends a raise at, or holds a two-hand thing above the shoulder at (where
    // the lift ends, while lifting); false when it does neither.
    bool FinDeLevee(const Membre& bras, float& fin) const;
    // How much longer the arm is drawn once raised to `fin` degrees.
    float AllongementAuBout(const Membre& bras, float fin) const;
    // The top of the head with its hair and hat, from the torso's handle (head upright).
    float SommetDeLaTete() const;
    // The offsets of the head and both arms turned with the torso.
    void DecalagesSelonBuste();
    // The head takes the torso's rotation, unless the puppet looks at something.
    void TeteSuitBuste();
    bool Regarde() const;
    void TourneVers(float sensVoulu);
};

// Action codes of the verb codes (Pantin::action1 and action2); "i_dormir" sets `dort` instead.
namespace CodeAction {
inline constexpr int Aucune = 0;
inline constexpr int Marcher = 1;
inline constexpr int LeverLesBras = 2;
inline constexpr int Soulever = 3;
inline constexpr int Courir = 4;
inline constexpr int Poursuivre = 5;
inline constexpr int LancerSur = 6;
inline constexpr int LeverUnBras = 7;
inline constexpr int LancerObjet = 8;
inline constexpr int Promener = 9;
inline constexpr int RegarderPersonne = 10;
inline constexpr int RegarderObjet = 11;
inline constexpr int PorterSurEpaules = 12;
inline constexpr int JouerMusique = 13;
inline constexpr int Pedaler = 14;
inline constexpr int Cuisiner = 15;
inline constexpr int LancerA = 16;
} // namespace CodeAction
