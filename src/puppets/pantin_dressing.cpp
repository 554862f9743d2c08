// Dressing a puppet: the pictures of its body type, clothes, hair and hat, its tints, and the
// props its flags ask for. The steps keep their order: it fixes where the random draws fall.
#include <algorithm>

#include "platform/random.h"
#include "puppets/body_tables.h"
#include "puppets/pantin.h"

namespace {

// A prop picture: the word it answers to (by its beginning), the index it gives, its size,
// frames and grip.
struct Objet {
    const char16_t* debut;
    int index;
    const char16_t* fichier;
    float largeur;
    float hauteur;
    int images;
    float hx;
    float hy;
};

// In the order the words are tested; the index is the row a table object looks up.
constexpr Objet UneMain[6] = {{u"unemain_pomme_f", 3, u"pomme.png", 62, 63, 1, 25, 25},
                              {u"unemain_marteau_m", 1, u"marteau.png", 108, 59, 1, 46, 30},
                              {u"unemain_rose_f", 0, u"fleur.png", 116, 46, 1, 12, 20},
                              {u"unemain_banane_f", 2, u"banane.png", 92, 47, 1, 46, 10},
                              {u"unemain_balle_f", 4, u"balle.png", 46, 44, 1, 23, 30},
                              {u"poele", 5, u"poele.png", 200, 30, 1, 9, 9}};
constexpr Objet DeuxMains[7] = {
    {u"deuxmains_caisse_f", 0, u"caisse.png", 231, 207, 1, 40, 167},
    {u"deuxmains_paquet-cadeau_m", 1, u"cadeau.png", 195, 214, 1, 39, 185},
    {u"deuxmains_gateau_m", 2, u"gateau.png", 243, 243, 1, 45, 232},
    {u"deuxmains_toureiffel_f", 3, u"toureiffel.png", 237, 384, 1, 70, 330},
    {u"deuxmains_elephant_m", 4, u"elephant.png", 252, 193, 1, 49, 120},
    {u"deuxmains_statue_f", 5, u"statue.png", 183, 252, 1, 29, 225},
    {u"pancarte", 6, u"pancarte.png", 116, 102, 1, 34, 92}};
constexpr int Poele = 5;
constexpr int Pancarte = 6;

// The row of a table by index (the first row answers to "no match").
template <std::size_t N> const Objet& Ligne(const Objet (&table)[N], int index) {
    for (const Objet& objet : table) {
        if (objet.index == index) {
            return objet;
        }
    }
    return table[0];
}

// The index of the first row whose word begins the given word; `sinon` when none does. Only
// the first `lignes` rows take part.
template <std::size_t N>
int IndexDe(const Objet (&table)[N], const String& mot, int sinon, std::size_t lignes = N) {
    for (std::size_t i = 0; i < lignes; ++i) {
        if (platform::StartsWith(mot, table[i].debut)) {
            return table[i].index;
        }
    }
    return sinon;
}

struct LigneChapeau {
    const char16_t* fichier;
    float largeur;
    float hauteur;
    int images;
    float hx;
    float hy;
    int echelle;
    int teinte;
};
constexpr LigneChapeau Chapeaux[4] = {{u"chapeau2b.png", 162, 108, 1, 132, 67, 1, 0},
                                      {u"tyrolien.png", 147, 92, 1, 68, 54, 0, 1},
                                      {u"bonnet.png", 225, 143, 1, 160, 119, 1, 1},
                                      {u"casquette.png", 220, 143, 1, 146, 146, 1, 1}};

struct Guitare {
    const char16_t* fichier;
    float largeur;
    float hauteur;
    float hx;
    float hy;
};
constexpr Guitare Guitares[2] = {{u"guitare.png", 254, 159, 54, 110},
                                 {u"guitare2.png", 254, 155, 75, 110}};

std::shared_ptr<iSprite> Sprite(const String& fichier, int images, float hx, float hy) {
    auto sprite = std::make_shared<iSprite>();
    sprite->PrendImage(ImageDeSprite(fichier, images));
    sprite->SetHandle(hx, hy);
    return sprite;
}

void Charge(Accessoire& accessoire, const Objet& objet, const String& fichier) {
    accessoire.Charge(fichier, objet.images, objet.hx, objet.hy, objet.largeur, objet.hauteur);
}

} // namespace

void Pantin::Habille(const String& objetUneMainMot, const String& objetDeuxMainsMot,
                     const String& objetSurTableMot) {
    if (!buste || !tete || !brasDroit || !brasGauche || !jambe1 || !jambe2 || !mainDroite ||
        !mainGauche || !cheveux || !visage || !regard) {
        return;
    }
    // 1-3. What is held, and the cooking and sleep props.
    const int uneMain = IndexDe(UneMain, objetUneMainMot, 0);
    if (uneMain == Poele) {
        if (objetUneMain) {
            objetUneMain->resteDroit = true;
        }
        nourriture = Sprite(u"nourriture.png", 1, 30, 4);
        fumee = Sprite(u"fumee.png", 4, 111, 109);
    }
    const int deuxMains = IndexDe(DeuxMains, objetDeuxMainsMot, 0);
    if (dort) {
        // Six frames: the sleep step runs through frames 0 to 5.
        zzz = Sprite(u"zzz.png", 6, 45, 184);
        zzz->SetFrame(0);
    }
    // 4. The object on the table: a pan or a sign never stands there.
    const int tableUneMain = IndexDe(UneMain, objetSurTableMot, 0, 5);
    const int tableDeuxMains = IndexDe(DeuxMains, objetSurTableMot, tableUneMain, 6);
    // 5. Drawn on every call, guitar or not.
    const int indexGuitare = platform::RandomIndex(2);

    // 6-7. Picture names.
    const int type = TypeDeCorps();
    const corps::Type& t = corps::Types[type];
    const int jambes = t.classeJambes;
    String busteNom = corps::NomPartie(u"buste", type);
    if (choix[2] == 1) {
        busteNom = corps::Variante(busteNom, u"b");
    } else if (choix[2] == 2) {
        busteNom = corps::Variante(busteNom, u"c");
    }
    String noms[4] = {corps::NomPartie(u"brasd", type), corps::NomPartie(u"brasg", type),
                      corps::NomPartie(u"maind", type), corps::NomPartie(u"maing", type)};
    if (choix[3] == 1) {
        for (String& nom : noms) {
            nom = corps::Variante(nom, u"b");
        }
    }
    String cheveuxNom = corps::NomPartie(u"cheveux", type);
    if (choix[1] == 1) {
        cheveuxNom = corps::Variante(cheveuxNom, u"b");
    } else if (choix[1] == 2) {
        cheveuxNom = corps::Variante(cheveuxNom, u"c");
    }

    // 8. The parts, torso first: every limb's rest offset is measured from its handle.
    const auto& [habitR, habitV, habitB] = couleurHabit;
    const auto& [peauR, peauV, peauB] = couleurPeau;
    buste->Charge(busteNom, t.buste.x, t.buste.y, 0, t.repere.x, t.repere.y, habitR, habitV, habitB,
                  t.busteLargeur, t.busteHauteur);
    const auto membre = [&](Membre& partie, const String& fichier, const corps::Membre& m,
                            corps::Point joint, int r, int g, int b) {
        ChargePartie(partie, fichier, m.largeur, m.hauteur, m.images, m.hx, m.hy, joint.x, joint.y,
                     m.dx, m.dy, r, g, b, false);
    };
    membre(*tete, corps::NomPartie(u"tete", type), t.tete, t.jointTete, peauR, peauV, peauB);
    membre(*brasDroit, noms[0], t.brasDroit, t.jointBrasDroit, habitR, habitV, habitB);
    membre(*brasGauche, noms[1], t.brasGauche, t.jointBrasGauche, habitR, habitV, habitB);
    for (int i : {0, 1}) {
        const corps::Manches& m = corps::FinsDeManches[type][i];
        Membre& bras = i == 0 ? *brasDroit : *brasGauche;
        bras.poignet = m.poing;
        bras.finManche = choix[3] == 1 ? m.courte : m.longue;
    }
    membre(*jambe1, corps::FichiersJambes[jambes], corps::Jambes[jambes], t.jointJambe1, 255, 255,
           255);
    membre(*jambe2, corps::FichiersJambes[jambes], corps::Jambes[jambes], t.jointJambe2, 255, 255,
           255);
    mainDroite->Charge(noms[2], peauR, peauV, peauB, t.brasDroit.hx, t.brasDroit.hy);
    mainGauche->Charge(noms[3], peauR, peauV, peauB, t.brasGauche.hx, t.brasGauche.hy);
    cheveux->Charge(cheveuxNom, couleurCheveux[0], couleurCheveux[1], couleurCheveux[2], t.tete.hx,
                    t.tete.hy);
    visage->Charge(corps::NomPartie(u"visage", type, u"x.png"), 8, t.tete.hx, t.tete.hy, t.oeil1,
                   t.oeil2, t.yeux, static_cast<int>(t.tete.largeur),
                   static_cast<int>(t.tete.hauteur));

    // 9. The gaze takes a lighter shade of the clothes.
    regard->SetColor(std::min(255.0f, buste->red + 90), std::min(255.0f, buste->green + 90),
                     std::min(255.0f, buste->blue + 90));

    // 10. The props.
    if (objetUneMainTenu && objetUneMain) {
        const Objet& objet = Ligne(UneMain, uneMain);
        Charge(*objetUneMain, objet, objet.fichier);
    }
    if (objetDeuxMainsTenu && objetDeuxMains) {
        const Objet& objet = Ligne(DeuxMains, deuxMains);
        Charge(*objetDeuxMains, objet,
               deuxMains == Pancarte ? u"pancarte_" + textePancarte + u".png"
                                     : String(objet.fichier));
    }
    if (objetPose && objetSurTable) {
        const Objet& objet = platform::StartsWith(objetSurTableMot, u"unemain")
                                 ? Ligne(UneMain, tableUneMain)
                                 : Ligne(DeuxMains, tableDeuxMains);
        // Centred: it stands on the table rather than hanging from a hand.
        objetSurTable->Charge(
            objet.fichier, objet.images, static_cast<float>(static_cast<int>(objet.largeur) / 2),
            static_cast<float>(static_cast<int>(objet.hauteur) / 2), objet.largeur, objet.hauteur);
    }
    if (avecChapeau && chapeau) {
        const int indexChapeau = choix[4] >= 0 && choix[4] < 4 ? choix[4] : 0;
        const LigneChapeau& c = Chapeaux[indexChapeau];
        chapeau->Charge(sensTete, c.fichier, c.largeur, c.hauteur, c.images, c.hx, c.hy, c.echelle,
                        c.teinte, couleurChapeau[0], couleurChapeau[1], couleurChapeau[2],
                        t.largeurChapeau);
    }
    if (avecGuitare && guitare) {
        const Guitare& g = Guitares[indexGuitare];
        guitare->Charge(g.fichier, 1, g.hx, g.hy, g.largeur, g.hauteur);
    }

    // 11.
    regard->PrendImage(ImageDeSprite(u"demicercle.png", 1));
}
