// Choosing clothes and hats.
#include "puppets/clothes_choice.h"

#include "platform/random.h"

namespace {

using platform::StartsWith;

const StructureAction& Lue(const StructureAction* structure) {
    static const StructureAction vide;
    return structure ? *structure : vide;
}

Pantin* Perso(ListePersos& persos, int index) {
    return index >= 0 && index < static_cast<int>(persos.size())
               ? persos[static_cast<std::size_t>(index)].get()
               : nullptr;
}

// What the sentence names for the person itself: a word beginning with `genre` ("habit" or
// "chapeau") and its colour. Its own slot is emptied: the other person's words remain.
void MotsPropres(const StructureAction& s, int index, const char16_t* genre, String& mot1,
                 String& couleur1, String& mot2, String& couleur2, String& w, String& k) {
    const auto lit = [&](const String& role, const String& adjectif) {
        if (StartsWith(role, genre)) {
            w = role;
            if (!adjectif.empty()) {
                k = adjectif;
            }
        }
    };
    if (index == 0) {
        mot1.clear();
        couleur1.clear();
        lit(s.GroupeNominal2, s.GroupeNominalAdjectif2);
        lit(s.ObjetComplement1, s.ObjetComplementAdjectif1);
    } else if (index == 1) {
        mot2.clear();
        couleur2.clear();
        lit(s.ObjetComplement2, s.ObjetComplementAdjectif2);
    }
}

// True when the choice (class or hat index `g`, colour index `c`) repeats what the sentence
// names for the other person; a named colour of that garment replaces the drawn one first.
bool Repete(int g, int& c, const String& mot1, const String& couleur1, const String& mot2,
            const String& couleur2) {
    if (!mot1.empty() && IndiceVetement(mot1) == g) {
        c = IndiceCouleur(couleur1);
    }
    if (!mot2.empty() && IndiceVetement(mot2) == g) {
        c = IndiceCouleur(couleur2);
    }
    // Empty words take part as they are: they give 0 in both look-ups.
    return (IndiceVetement(mot1) == g && IndiceCouleur(couleur1) == c) ||
           (IndiceVetement(mot2) == g && IndiceCouleur(couleur2) == c);
}

int ClasseNommee(const String& w, int sinon) {
    static constexpr const char16_t* Habits[5] = {u"habit_pull_m", u"habit_robe_f",
                                                  u"habit_chemise_f", u"habit_manteau_m",
                                                  u"habit_tshirt_m"};
    static constexpr int Classes[5] = {0, 1, 1, 2, 3};
    for (int i = 0; i < 5; ++i) {
        if (StartsWith(w, Habits[i])) {
            return Classes[i];
        }
    }
    return sinon;
}

void ChoisitHabitDe(Pantin& p, int index, const StructureAction& s, String habit1, String habit2,
                    String couleur1, String couleur2) {
    String w;
    String k;
    MotsPropres(s, index, u"habit", habit1, couleur1, habit2, couleur2, w, k);
    for (int essai = 0; essai < EssaisHabillage; ++essai) {
        const int r = platform::RandomIndex(4);
        const int g = ClasseNommee(w, r);
        p.choix[2] = g;
        int manches = platform::RandomIndex(2);
        if (g == 0 || g == 2) {
            manches = 0;
        } else if (g == 3) {
            manches = 1;
        }
        p.choix[3] = manches;
        int c = p.ColoreHabit(k);
        if (!Repete(g, c, habit1, couleur1, habit2, couleur2)) {
            return;
        }
    }
}

void ChoisitChapeauDe(Pantin& p, int index, const StructureAction& s, String chapeau1,
                      String chapeau2, String couleur1, String couleur2) {
    String w;
    String k;
    MotsPropres(s, index, u"chapeau", chapeau1, couleur1, chapeau2, couleur2, w, k);
    for (int essai = 0; essai < EssaisHabillage; ++essai) {
        const int r = platform::RandomIndex(4);
        int h = r;
        if (StartsWith(w, u"chapeau_chapeau")) {
            // A hat named with a colour is the one that takes a tint.
            h = platform::RandomIndex(2) == 1 || !k.empty() ? 1 : 0;
        } else if (w == u"chapeau_bonnet_m") {
            h = 2;
        } else if (w == u"chapeau_casquette_f") {
            h = 3;
        }
        p.choix[4] = h;
        int c = p.ColoreChapeau(k);
        if (!Repete(h == 1 ? 0 : h, c, chapeau1, couleur1, chapeau2, couleur2)) {
            return;
        }
    }
}

} // namespace

int IndiceVetement(const String& mot) {
    if (StartsWith(mot, u"chapeau_chapeau")) {
        return 0;
    }
    static constexpr const char16_t* Mots[7] = {
        u"habit_pull_m",   u"habit_robe_f",     u"habit_chemise_f",    u"habit_manteau_m",
        u"habit_tshirt_m", u"chapeau_bonnet_m", u"chapeau_casquette_f"};
    static constexpr int Indices[7] = {0, 1, 1, 2, 3, 2, 3};
    for (int i = 0; i < 7; ++i) {
        if (mot == Mots[i]) {
            return Indices[i];
        }
    }
    return 0;
}

void ChoisitHabit(ListePersos& persos, int index, const StructureAction* structure, String habit1,
                  String habit2, String couleurHabit1, String couleurHabit2) {
    if (Pantin* p = Perso(persos, index)) {
        ChoisitHabitDe(*p, index, Lue(structure), habit1, habit2, couleurHabit1, couleurHabit2);
    }
}

void ChoisitChapeau(ListePersos& persos, int index, const StructureAction* structure,
                    String chapeau1, String chapeau2, String couleurChapeau1,
                    String couleurChapeau2) {
    if (Pantin* p = Perso(persos, index)) {
        ChoisitChapeauDe(*p, index, Lue(structure), chapeau1, chapeau2, couleurChapeau1,
                         couleurChapeau2);
    }
}

void HabillePerso(ListePersos& /*persos*/, const StructureAction* structure, Pantin& perso,
                  int index, const String& motPerso, String habit1, String habit2,
                  String couleurHabit1, String couleurHabit2, String chapeau1, String chapeau2,
                  String couleurChapeau1, String couleurChapeau2) {
    const StructureAction& s = Lue(structure);
    perso.PeauAuHasard();
    perso.CheveuxAuHasard();
    perso.TypeDepuisMot(motPerso);
    // The puppet given is the one dressed, on a terrain persos[index].
    ChoisitHabitDe(perso, index, s, habit1, habit2, couleurHabit1, couleurHabit2);
    const int r = platform::RandomIndex(5);
    const bool chapeauVoulu = r == 4 ||
                              (index == 0 && (StartsWith(s.GroupeNominal2, u"chapeau") ||
                                              StartsWith(s.ObjetComplement1, u"chapeau"))) ||
                              (index == 1 && StartsWith(s.ObjetComplement2, u"chapeau"));
    if (chapeauVoulu) {
        ChoisitChapeauDe(perso, index, s, chapeau1, chapeau2, couleurChapeau1, couleurChapeau2);
    }
    perso.choix[1] = platform::RandomIndex(3);
    if (motPerso == u"perso_petite fille_f" && chapeauVoulu) {
        perso.choix[1] = 2;
    }
    if (motPerso == u"perso_dame_f" && perso.choix[2] != 1 && perso.choix[0] == 6 &&
        perso.choix[1] == 1) {
        perso.choix[1] = 2;
    }
}

void HabilleLesPersos(ListePersos& persos, const StructureAction* structure) {
    const StructureAction& s = Lue(structure);
    struct Emplacement {
        String habit, couleurHabit, chapeau, couleurChapeau;
    } slots[2];
    const auto lit = [](const String& w, const String& a, Emplacement& slot) {
        if (!a.empty()) {
            (StartsWith(w, u"habit") ? slot.couleurHabit : slot.couleurChapeau) = a;
        } else if (StartsWith(w, u"habit")) {
            slot.habit = w;
        } else if (StartsWith(w, u"chapeau")) {
            slot.chapeau = w;
        }
    };
    lit(s.ObjetComplement1, s.ObjetComplementAdjectif1, slots[0]);
    lit(s.GroupeNominal2, s.GroupeNominalAdjectif2, slots[0]);
    lit(s.ObjetComplement2, s.ObjetComplementAdjectif2, slots[1]);

    const auto habille = [&](int index, const String& mot) {
        if (Pantin* p = Perso(persos, index)) {
            HabillePerso(persos, structure, *p, index, mot, slots[0].habit, slots[1].habit,
                         slots[0].couleurHabit, slots[1].couleurHabit, slots[0].chapeau,
                         slots[1].chapeau, slots[0].couleurChapeau, slots[1].couleurChapeau);
        }
    };
    habille(0, s.GroupeNominal1);
    int autres = 0;
    if (StartsWith(s.GroupeNominal2, u"perso")) {
        habille(1, s.GroupeNominal2);
        autres = 1;
    }
    if (StartsWith(s.ObjetComplement1, u"perso")) {
        habille(autres + 1, s.ObjetComplement1);
        ++autres;
    }
    if (StartsWith(s.ObjetComplement2, u"perso")) {
        habille(autres + 1, s.ObjetComplement2);
    }
}
