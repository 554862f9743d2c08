// Colour words drawn as colours.
#include "puppets/colour_words.h"

#include "platform/random.h"

namespace {

// A component drawn as low + random x span; `copie` >= 0 copies that earlier component
// instead (plus `low`, which is then an offset: blanc's blue is 5 below its red).
struct Composante {
    int bas;
    int etendue;
    int copie = -1;
};

struct Teinte {
    const char16_t* mot;
    Composante rvb[3];
};

const Teinte Teintes[9] = {
    {u"rouge", {{220, 20}, {30, 30}, {0, 0, 1}}},  {u"vert", {{40, 60}, {200, 30}, {0, 0, 0}}},
    {u"bleu", {{40, 80}, {0, 0, 0}, {200, 30}}},   {u"jaune", {{255, 0}, {255, 0}, {90, 70}}},
    {u"blanc", {{253, 2}, {0, 0, 0}, {-5, 0, 0}}}, {u"gris", {{120, 70}, {0, 0, 0}, {0, 0, 0}}},
    {u"violet", {{213, 0}, {150, 30}, {222, 0}}},  {u"marron", {{145, 15}, {80, 20}, {45, 25}}},
    {u"rose", {{250, 5}, {140, 20}, {150, 20}}},
};

} // namespace

int TireCouleur(const String& mot, Couleur& couleur) {
    int index = -1;
    int resultat = 99;
    if (mot.empty()) {
        index = platform::RandomIndex(9);
        resultat = index;
    } else {
        for (int i = 0; i < 9; ++i) {
            if (mot == Teintes[i].mot) {
                index = i;
            }
        }
    }
    if (index < 0) {
        return resultat;
    }
    for (int c = 0; c < 3; ++c) {
        const Composante& k = Teintes[index].rvb[c];
        // A fixed component (no span) takes no draw.
        if (k.copie >= 0) {
            couleur[static_cast<std::size_t>(c)] =
                couleur[static_cast<std::size_t>(k.copie)] + k.bas;
        } else if (k.etendue == 0) {
            couleur[static_cast<std::size_t>(c)] = k.bas;
        } else {
            couleur[static_cast<std::size_t>(c)] =
                static_cast<int>(platform::RandomFloat() * static_cast<float>(k.etendue) +
                                 static_cast<float>(k.bas));
        }
    }
    return resultat;
}

int IndiceCouleur(const String& mot) {
    for (int i = 0; i < 9; ++i) {
        if (mot == Teintes[i].mot) {
            return i;
        }
    }
    return 0;
}
