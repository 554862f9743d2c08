// Substitution variants of a sentence structure.
//
//   SansParTerre, HabitConvient
//   SubstitueAdjectif
//   substitueverbe           (eleven verb categories)
//   SubstitueGroupeNominal   (seven noun categories and the clothing rule)
//   SubsitueDansStructureaction (all roles of a structure, variants of a board)
#include "sentence/variations.h"

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>

#include "platform/random.h"
#include "sentence/board.h"
#include "sentence/verb_compatibility.h"
#include "sentence/vocabulary.h"
#include "sentence/working_lists.h"

namespace {

using platform::StartsWith;

bool CommencePar(const String& code, std::initializer_list<const char16_t*> prefixes) {
    for (const char16_t* p : prefixes)
        if (StartsWith(code, p))
            return true;
    return false;
}

bool EstLancerSurA(const String& verbe) {
    return verbe == u"p_lancer sur" || verbe == u"p_lancer a";
}

int Taille(const StringArray& liste) { return static_cast<int>(liste.size()); }

// Keeps, in full-list order, the ticked entries that pass the test.
void Garde(StringArray& liste, const StringArray& tous, const FlagArray& coches, bool admise,
           const std::function<bool(const String&)>& convient) {
    liste.clear();
    if (!admise)
        return;
    for (std::size_t i = 0; i < tous.size(); ++i)
        if (i < coches.size() && coches[i] && convient(tous[i]))
            liste.push_back(tous[i]);
}

// The candidate at index in the lists taken one after the other; "" past the end.
String Parmi(std::initializer_list<const StringArray*> listes, int index) {
    if (index < 0)
        return String();
    for (const StringArray* liste : listes) {
        if (index < Taille(*liste))
            return (*liste)[index];
        index -= Taille(*liste);
    }
    return String();
}

} // namespace

String SansParTerre(const String& code) {
    const String marque = MarqueParTerre;
    if (platform::EndsWith(code, marque))
        return code.substr(0, code.size() - marque.size());
    return code;
}

bool HabitConvient(const String& person, const String& garment) {
    if (garment == u"habit_robe_f")
        return !platform::EndsWith(person, u"_m");
    if (garment == u"habit_chemise_f")
        return !platform::EndsWith(person, u"_f");
    return true;
}

// --- Colour of an object complement ---

int SubstitueAdjectif(StructureAction& structure, bool apply, int index, const String& role,
                      const String& current, const String& other) {
    StringArray candidats;
    for (std::size_t i = 0; i < CouleursTous.size(); ++i)
        if (i < CouleursCoches.size() && CouleursCoches[i] && CouleursTous[i] != current &&
            CouleursTous[i] != other)
            candidats.push_back(CouleursTous[i]);
    const int nombre = Taille(candidats);
    if (apply && index >= 0 && index < nombre) {
        if (role == u"ObjetComplementAdjectif1")
            structure.ObjetComplementAdjectif1 = candidats[index];
        else if (role == u"ObjetComplementAdjectif2")
            structure.ObjetComplementAdjectif2 = candidats[index];
    }
    return nombre;
}

// --- Verb of a clause ---

int substitueverbe(StructureAction& structure, bool apply, int index, const String& role,
                   const String& current, const String& second, const String& context6,
                   const String& context7, const String& object, const String& context9) {
    // Copies: the caller may pass the structure's own fields, and the applying pass writes them.
    const String actuel = current, deuxieme = second, objet = object;
    int transitif = 0, renversable = 0;
    bool principale = false;
    if (role == u"Action") {
        transitif = codok;
        renversable = renversableok;
        principale = true;
    } else if (role == u"VerbeComplement1") {
        transitif = expansiongn1ok;
        renversable = renversablegn1ok;
    } else if (role == u"VerbeComplement2") {
        transitif = expansiongn2ok;
        renversable = renversablegn2ok;
    }
    const String contexte7Action = context7 + MarqueurTesteAction;
    const bool clauseDuSujet = role == u"VerbeComplement1";
    const auto compatible = [&](const String& contexte7) {
        return [&, contexte7](const String& verbe) {
            return verbe != actuel && verbe != deuxieme &&
                   VerbesCompatibles(principale, verbe, deuxieme, context6, contexte7, context9,
                                     objet) &&
                   // The check of a composed sentence also asks for the patient's own action
                   // under the new main verb, and for the main verb beside the new clause with
                   // that clause's object.
                   (!principale ||
                    VerbesCompatibles(false, context7, String(), verbe, String(), String())) &&
                   (!clauseDuSujet ||
                    VerbesCompatibles(true, deuxieme, verbe, String(), String(), objet,
                                      context9));
        };
    };
    const bool intransitif = transitif < 2 && renversable < 2 && StartsWith(actuel, u"i_");
    const bool objetTenu = transitif >= 1 && renversable < 2;
    const bool personne = transitif >= 1 && renversable >= 1 && StartsWith(objet, u"perso");

    ReinitialiseListesVerbes();
    Garde(ActionsIntransitif, VerbesIntransitifsTous, VerbesIntransitifsCoches, intransitif,
          compatible(context7));
    Garde(VerbeJouerMusique, VerbeJouerMusiqueTous, VerbeJouerMusiqueCoches, intransitif,
          compatible(context7));
    Garde(VerbeRegarder, VerbeRegarderTous, VerbeRegarderCoches,
          transitif >= 1 && CommencePar(objet, {u"une", u"deux", u"perso", u"animal"}),
          compatible(context7));
    Garde(VerbeLancer, VerbeLancerTous, VerbeLancerCoches, objetTenu && StartsWith(objet, u"une"),
          compatible(context7));
    Garde(VerbeSoulever, VerbeSouleverTous, VerbeSouleverCoches,
          objetTenu && StartsWith(objet, u"deux"), compatible(context7));
    Garde(VerbeTenir, VerbeTenirTous, VerbeTenirCoches,
          objetTenu && CommencePar(objet, {u"une", u"deux"}), compatible(context7));
    // Walking an animal is ruled by the main clause's level whatever the clause.
    Garde(VerbePromener, VerbePromenerTous, VerbePromenerCoches,
          codok >= 1 && renversable < 2 && StartsWith(objet, u"animal"), compatible(context7));
    Garde(VerbePoursuivre, VerbePoursuivreTous, VerbePoursuivreCoches, personne,
          compatible(context7));
    Garde(VerbesLancerSurA, VerbesLancerSurATous, VerbesLancerSurACoches, personne,
          compatible(context7));
    Garde(VerbePorterSurEpaules, VerbePorterSurEpaulesTous, VerbePorterSurEpaulesCoches, personne,
          compatible(contexte7Action));
    Garde(VerbePorterHabit, VerbePorterHabitTous, VerbePorterHabitCoches,
          objetTenu && CommencePar(objet, {u"habit", u"chapeau"}), compatible(context7));

    const int nombre = Taille(ActionsIntransitif) + Taille(VerbeJouerMusique) +
                       Taille(VerbeRegarder) + Taille(VerbeLancer) + Taille(VerbeSoulever) +
                       Taille(VerbeTenir) + Taille(VerbePromener) + Taille(VerbePoursuivre) +
                       Taille(VerbesLancerSurA) + Taille(VerbePorterSurEpaules) +
                       Taille(VerbePorterHabit);
    if (!apply || index < 0 || index >= nombre)
        return nombre;

    const String verbe =
        Parmi({&VerbePromener, &VerbePorterHabit, &ActionsIntransitif, &VerbeJouerMusique,
               &VerbeSoulever, &VerbeLancer, &VerbeTenir, &VerbePoursuivre, &VerbesLancerSurA,
               &VerbePorterSurEpaules, &VerbeRegarder},
              index);
    // A colour stays only on what can show it: a hat, a garment or an animal.
    const bool garderCouleur = CommencePar(objet, {u"chapeau_", u"habit_", u"animal_"});
    if (role == u"Action") {
        structure.Action = verbe;
        if (!garderCouleur)
            structure.GroupeNominalAdjectif2.clear();
    } else if (role == u"VerbeComplement1") {
        structure.VerbeComplement1 = verbe;
        if (!garderCouleur)
            structure.ObjetComplementAdjectif1.clear();
    } else if (role == u"VerbeComplement2") {
        structure.VerbeComplement2 = verbe;
        if (!garderCouleur)
            structure.ObjetComplementAdjectif2.clear();
    }
    if (EstLancerSurA(verbe)) {
        // The things thrown are offered in their own order, each under its own check box.
        StringArray lancables;
        for (const char16_t* objet : {u"unemain_pomme_f", u"unemain_banane_f", u"unemain_marteau_m",
                                      u"unemain_balle_f", u"unemain_rose_f"})
            for (std::size_t i = 0; i < ObjetsUneMainTous.size(); ++i)
                if (ObjetsUneMainTous[i] == objet && i < ObjetsUneMainCoches.size() &&
                    ObjetsUneMainCoches[i])
                    lancables.push_back(ObjetsUneMainTous[i]);
        // The draw is taken even with nothing to throw, so that the sequence stays the same;
        // with no one-hand object enabled the thrown object is left as it was.
        const int tire = platform::RandomIndex(Taille(lancables));
        if (!lancables.empty()) {
            if ((role == u"Action" || role == u"VerbeComplement1") &&
                structure.ObjetDonneLance1.empty())
                structure.ObjetDonneLance1 = lancables[tire];
            else if (role == u"VerbeComplement2" && structure.ObjetDonneLance2.empty())
                structure.ObjetDonneLance2 = lancables[tire];
        }
    }
    structure.PlaceObjets();
    return nombre;
}

// --- Noun of a role ---

int SubstitueGroupeNominal(StructureAction& structure, bool apply, int index, const String& role,
                           const String& governing, const String& extension,
                           const std::vector<String>& excluded) {
    // Words are compared without their "|par_terre" marker: an object on the ground is still the
    // same word, and proposing it again would give a variant identical to its source.
    std::array<String, 6> exclus;
    for (std::size_t i = 0; i < exclus.size() && i < excluded.size(); ++i)
        exclus[i] = SansParTerre(excluded[i]);
    const String gouverne = governing;
    const bool sansExtension = extension.empty();
    const bool lance = role == u"ObjetDonneLance1" || role == u"ObjetDonneLance2";
    const bool gn1 = role == u"GroupeNominal1";
    const bool gn2 = role == u"GroupeNominal2";

    int renversable = 0;
    if (gn1)
        renversable = 1;
    else if (gn2)
        renversable = renversableok;
    else if (role == u"ObjetComplement1")
        renversable = renversablegn1ok;
    else if (role == u"ObjetComplement2")
        renversable = renversablegn2ok;

    // The check of a composed sentence asks for the main verb beside the subject's clause, each
    // with its object: something watched in the hand keeps the hand busy.
    const String action = structure.Action;
    const String verbeDuSujet = structure.VerbeComplement1;
    const String objetDuSujet = structure.ObjetComplement1;
    const String objetDeLAction = structure.GroupeNominal2;
    const auto libre = [&](const String& mot) {
        if (std::find(exclus.begin(), exclus.end(), SansParTerre(mot)) != exclus.end())
            return false;
        if (role == u"ObjetComplement1")
            return VerbesCompatibles(true, action, verbeDuSujet, String(), String(), mot,
                                     objetDeLAction);
        if (gn2)
            return VerbesCompatibles(true, action, verbeDuSujet, String(), String(), objetDuSujet,
                                     mot);
        return true;
    };
    // Clothing rule: who would wear what once the candidate is in place.
    const auto personneConvient = [&](const String& personne) {
        if (!libre(personne))
            return false;
        if (gn1)
            return HabitConvient(personne, exclus[1]) && HabitConvient(personne, exclus[2]);
        if (gn2)
            return HabitConvient(personne, exclus[4]);
        return true;
    };
    const auto habitConvient = [&](const String& habit) {
        if (!libre(habit))
            return false;
        if (gn2 || role == u"ObjetComplement1")
            return HabitConvient(exclus[1], habit);
        if (role == u"ObjetComplement2")
            return HabitConvient(exclus[2], habit);
        return true;
    };

    ReinitialiseListesNoms();
    Garde(Persos, PersosTous, PersosCoches,
          renversable >= 1 &&
              (CommencePar(gouverne, {u"p_", u"po_"}) || platform::Contains(gouverne, u"null")),
          personneConvient);
    Garde(Habits, HabitsTous, HabitsCoches, StartsWith(gouverne, u"h_") && sansExtension,
          habitConvient);
    Garde(Chapeaux, ChapeauxTous, ChapeauxCoches, StartsWith(gouverne, u"h_") && sansExtension,
          libre);
    Garde(ObjetsUneMain, ObjetsUneMainTous, ObjetsUneMainCoches,
          CommencePar(gouverne, {u"oum_", u"ouodm_", u"po_"}) && sansExtension, libre);
    Garde(ObjetsDonnesLances, ObjetsUneMainTous, ObjetsUneMainCoches, lance && sansExtension,
          libre);
    Garde(ObjetsDeuxMains, ObjetsDeuxMainsTous, ObjetsDeuxMainsCoches,
          CommencePar(gouverne, {u"odm_", u"ouodm_", u"po_"}) && sansExtension, libre);
    Garde(Animaux, AnimauxTous, AnimauxCoches,
          CommencePar(gouverne, {u"a_", u"po_"}) && sansExtension, libre);

    const int nombre = lance
                           ? Taille(ObjetsDonnesLances)
                           : Taille(Persos) + Taille(Habits) + Taille(Chapeaux) +
                                 Taille(ObjetsUneMain) + Taille(ObjetsDeuxMains) + Taille(Animaux);
    if (!apply || index < 0 || index >= nombre)
        return nombre;

    const String mot =
        lance ? ObjetsDonnesLances[index]
              : Parmi({&Persos, &Habits, &Chapeaux, &ObjetsUneMain, &ObjetsDeuxMains, &Animaux},
                      index);
    if (gn1)
        structure.GroupeNominal1 = mot;
    else if (role == u"ObjetComplement1")
        structure.ObjetComplement1 = mot;
    else if (role == u"ObjetDonneLance1")
        structure.ObjetDonneLance1 = mot;
    else if (gn2)
        structure.GroupeNominal2 = mot;
    else if (role == u"ObjetComplement2")
        structure.ObjetComplement2 = mot;
    else if (role == u"ObjetDonneLance2")
        structure.ObjetDonneLance2 = mot;
    structure.PlaceObjets();
    return nombre;
}

// --- All roles of a structure ---

namespace {

// The roles in the order their substitutions are numbered.
enum class Role {
    GroupeNominal1,
    VerbeComplement1,
    ObjetComplement1,
    ObjetDonneLance1,
    ObjetComplementAdjectif1,
    Action,
    GroupeNominal2,
    VerbeComplement2,
    ObjetComplement2,
    ObjetDonneLance2,
    ObjetComplementAdjectif2,
};
constexpr int NombreDeRoles = 11;

bool Considere(const StructureAction& s, Role role) {
    switch (role) {
    case Role::GroupeNominal1:
    case Role::Action:
        return true;
    case Role::VerbeComplement1:
        return !s.VerbeComplement1.empty();
    case Role::ObjetComplement1:
        return !s.ObjetComplement1.empty();
    case Role::ObjetDonneLance1:
        return !s.ObjetDonneLance1.empty();
    case Role::ObjetComplementAdjectif1:
        return !s.ObjetComplementAdjectif1.empty();
    case Role::GroupeNominal2:
        return !s.GroupeNominal2.empty();
    case Role::VerbeComplement2:
        return !s.VerbeComplement2.empty();
    case Role::ObjetComplement2:
        return !s.ObjetComplement2.empty();
    case Role::ObjetDonneLance2:
        return !s.ObjetDonneLance2.empty();
    case Role::ObjetComplementAdjectif2:
        return !s.ObjetComplementAdjectif2.empty();
    }
    return false;
}

// One role's substitution with the arguments read from s (counting when apply is false).
int SubstitueRole(StructureAction& s, Role role, bool apply, int index) {
    // Copies of the fields: the applying pass writes into s.
    const StructureAction l = s;
    const String vide;
    switch (role) {
    case Role::GroupeNominal1:
        return SubstitueGroupeNominal(s, apply, index, u"GroupeNominal1", u"null",
                                      l.VerbeComplement1,
                                      {l.GroupeNominal1, l.GroupeNominal2, l.ObjetComplement1,
                                       l.ObjetComplement2, vide, vide});
    case Role::VerbeComplement1:
        return substitueverbe(s, apply, index, u"VerbeComplement1", l.VerbeComplement1, l.Action,
                              vide, vide, l.ObjetComplement1, l.GroupeNominal2);
    case Role::ObjetComplement1:
        return SubstitueGroupeNominal(s, apply, index, u"ObjetComplement1", l.VerbeComplement1,
                                      vide,
                                      {l.ObjetComplement1, l.GroupeNominal1, l.GroupeNominal2,
                                       l.ObjetComplement2, l.ObjetDonneLance1, l.ObjetDonneLance2});
    case Role::ObjetDonneLance1: {
        // Only a throw at someone has a thrown object of its own to replace.
        String lancer;
        if (EstLancerSurA(l.Action))
            lancer = l.Action;
        else if (EstLancerSurA(l.VerbeComplement1))
            lancer = l.VerbeComplement1;
        else
            return 0;
        return SubstitueGroupeNominal(s, apply, index, u"ObjetDonneLance1", lancer, vide,
                                      {l.ObjetDonneLance1, l.ObjetDonneLance2, l.GroupeNominal2,
                                       l.ObjetComplement2, vide, vide});
    }
    case Role::ObjetComplementAdjectif1:
        return SubstitueAdjectif(s, apply, index, u"ObjetComplementAdjectif1",
                                 l.ObjetComplementAdjectif1, l.ObjetComplementAdjectif2);
    case Role::Action:
        return substitueverbe(s, apply, index, u"Action", l.Action, l.VerbeComplement1, vide,
                              l.VerbeComplement2, l.GroupeNominal2, l.ObjetComplement1);
    case Role::GroupeNominal2:
        return SubstitueGroupeNominal(s, apply, index, u"GroupeNominal2", l.Action,
                                      l.VerbeComplement2,
                                      {l.GroupeNominal2, l.GroupeNominal1, l.ObjetComplement1,
                                       l.ObjetDonneLance1, l.ObjetComplement2, vide});
    case Role::VerbeComplement2:
        return substitueverbe(s, apply, index, u"VerbeComplement2", l.VerbeComplement2, vide,
                              l.Action, vide, l.ObjetComplement2, vide);
    case Role::ObjetComplement2:
        return SubstitueGroupeNominal(s, apply, index, u"ObjetComplement2", l.VerbeComplement2,
                                      vide,
                                      {l.ObjetComplement2, l.GroupeNominal1, l.GroupeNominal2,
                                       l.ObjetComplement1, l.ObjetDonneLance1, l.ObjetDonneLance2});
    case Role::ObjetDonneLance2:
        return SubstitueGroupeNominal(
            s, apply, index, u"ObjetDonneLance2", l.Action, vide,
            {l.ObjetDonneLance2, l.ObjetComplement1, l.ObjetDonneLance1, vide, vide, vide});
    case Role::ObjetComplementAdjectif2:
        return SubstitueAdjectif(s, apply, index, u"ObjetComplementAdjectif2",
                                 l.ObjetComplementAdjectif2, l.ObjetComplementAdjectif1);
    }
    return 0;
}

bool EstLancer(const String& verbe) {
    return CommencePar(verbe, {u"oum_lancer", u"p_lancer sur", u"p_lancer a"});
}

// After a substitution, drop what the new words no longer carry and recount the persons.
void RangeVariante(StructureAction& v) {
    const auto couleurPossible = [](const String& nom) {
        return CommencePar(nom, {u"habit_", u"chapeau_", u"animal_"});
    };
    if (!couleurPossible(v.ObjetComplement1))
        v.ObjetComplementAdjectif1.clear();
    if (!couleurPossible(v.ObjetComplement2))
        v.ObjetComplementAdjectif2.clear();
    v.Immobile = v.EstDansLesListes();
    if (!EstLancer(v.Action) && !EstLancer(v.VerbeComplement1))
        v.ObjetDonneLance1.clear();
    if (!EstLancer(v.VerbeComplement2))
        v.ObjetDonneLance2.clear();
    if (!CommencePar(v.GroupeNominal2, {u"animal_", u"habit_", u"chapeau_"}))
        v.GroupeNominalAdjectif2.clear();
    v.NombrePersos = 1;
    for (const String* nom : {&v.GroupeNominal2, &v.ObjetComplement1, &v.ObjetComplement2})
        if (StartsWith(*nom, u"perso_"))
            ++v.NombrePersos;
}

} // namespace

int SubsitueDansStructureaction(bool apply, const StructureAction& source,
                                std::vector<StructureAction>& variants, int /*unused*/) {
    std::array<int, NombreDeRoles> nombres{};
    StructureAction lu = source;
    int total = 0;
    for (int r = 0; r < NombreDeRoles; ++r) {
        const Role role = static_cast<Role>(r);
        if (Considere(source, role))
            nombres[r] = SubstitueRole(lu, role, false, 0);
        total += nombres[r];
    }
    if (!apply || total < static_cast<int>(variants.size()))
        return total;

    std::vector<int> numeros(total);
    for (int i = 0; i < total; ++i)
        numeros[i] = i;
    MelangeTableauEntiers(numeros);

    for (std::size_t k = 0; k < variants.size(); ++k) {
        int n = numeros[k];
        int r = 0;
        while (n >= nombres[r]) {
            n -= nombres[r];
            ++r;
        }
        SubstitueRole(variants[k], static_cast<Role>(r), true, n);
        RangeVariante(variants[k]);
    }
    return total;
}
