// Drawing the verb and the object of one clause, placing held objects, the immobile test and
// the copy of a structure.
//
//   CopieStructureaction
//   StructureAction::ChoisitVerbe
//   StructureAction::ChoisitObjet   (generating and listing modes)
//   StructureAction::PlaceObjets, StructureAction::EstDansLesListes
#include "sentence/structure_action.h"

#include <initializer_list>

#include "platform/random.h"
#include "sentence/vocabulary.h"
#include "sentence/working_lists.h"

namespace {

const String ParTerre = u"|par_terre";
const String ObjetsInterdits = u"objetsinterdits";
// A wearer for whom no garment or hat can be accepted must not keep the generator waiting.
constexpr int EssaisHabitMax = 50;

int Taille(const StringArray &liste) { return static_cast<int>(liste.size()); }

// A uniform draw from a list takes one random step; an empty list gives "" and is not indexed.
String Tire(const StringArray &liste) {
    const int i = platform::RandomIndex(Taille(liste));
    return liste.empty() ? String() : liste[i];
}

bool UnDe(const String &code, std::initializer_list<const char16_t *> codes) {
    for (const char16_t *c : codes)
        if (code == c)
            return true;
    return false;
}

bool EstLancerAQuelquun(const String &verbe) {
    return verbe == u"p_lancer sur" || verbe == u"p_lancer a";
}

bool ObjetEnMain(const String &code) {
    return platform::StartsWith(code, u"unemain") || platform::StartsWith(code, u"deuxmains");
}

bool VerbeDesMains(const String &verbe) {
    return UnDe(verbe, {u"ouodm_tenir", u"oum_lancer", u"p_lancer sur", u"p_lancer a",
                        u"odm_soulever", u"i_jouer de la musique", u"i_cuisiner"});
}

void PoseParTerre(String &objet) {
    if (!platform::EndsWith(objet, ParTerre))
        objet += ParTerre;
}

bool EstDans(const String &code, const StringArray &liste) {
    for (const String &entree : liste)
        if (code == entree)
            return true;
    return false;
}

} // namespace

void CopieStructureaction(const StructureAction &from, StructureAction &to) {
    to.GroupeNominal1 = from.GroupeNominal1;
    to.GroupeNominalAdjectif1 = from.GroupeNominalAdjectif1;
    to.VerbeComplement1 = from.VerbeComplement1;
    to.ObjetComplement1 = from.ObjetComplement1;
    to.ObjetComplementAdjectif1 = from.ObjetComplementAdjectif1;
    to.Action = from.Action;
    to.GroupeNominal2 = from.GroupeNominal2;
    to.GroupeNominalAdjectif2 = from.GroupeNominalAdjectif2;
    to.VerbeComplement2 = from.VerbeComplement2;
    to.ObjetComplement2 = from.ObjetComplement2;
    to.ObjetComplementAdjectif2 = from.ObjetComplementAdjectif2;
    to.ObjetDonneLance1 = from.ObjetDonneLance1;
    to.ObjetDonneLance2 = from.ObjetDonneLance2;
    to.NombrePersos = from.NombrePersos;
    to.Immobile = from.Immobile;
    to.Passive = from.Passive;
    to.RelativeQue = from.RelativeQue;
    to.PassiveALaFin = from.PassiveALaFin;
    to.Presentatif = from.Presentatif;
    to.OrdreVerbeSujet = from.OrdreVerbeSujet;
    to.AccentSurAgent = from.AccentSurAgent;
}

void StructureAction::ChoisitVerbe(const String &role, int renversablesok, int objetok,
                                   int adjectifs) {
    int renversable = 0;
    int objet = 0;
    bool couleur = false;
    String *champ = nullptr;
    if (role == u"Action") {
        // A passive or a "que" clause needs a person acted upon.
        renversable = PassiveOuQue ? 2 : renversablesok;
        objet = PassiveOuQue ? 2 : objetok;
        couleur = adjectifs == 2 && propositionadjectif == 0;
        champ = &Action;
    } else if (role == u"VerbeComplement1") {
        renversable = renversablesok;
        objet = objetok;
        couleur = adjectifs == 2 && propositionadjectif == 1;
        champ = &VerbeComplement1;
    } else if (role == u"VerbeComplement2") {
        renversable = renversablesok;
        objet = objetok;
        couleur = adjectifs == 2 && propositionadjectif == 2;
        champ = &VerbeComplement2;
    }
    if (champ && renversable == 2)
        objet = 2;
    filtreverbe(renversable, objet, couleur);

    // Throwing to somebody has no passive form, so a passive main clause leaves it out.
    const bool sansLancerA = champ == &Action && Passive;
    StringArray candidats;
    for (const StringArray *liste :
         {&ActionsIntransitif, &VerbeJouerMusique, &VerbeRegarder, &VerbeLancer, &VerbeSoulever,
          &VerbeTenir, &VerbePoursuivre, &VerbesLancerSurA, &VerbePorterSurEpaules,
          &VerbePorterHabit, &VerbePromener})
        for (const String &verbe : *liste)
            if (!(sansLancerA && verbe == u"p_lancer a"))
                candidats.push_back(verbe);

    const String verbe = Tire(candidats);
    if (champ)
        *champ = verbe;
}

String StructureAction::ChoisitObjet(const String &verbe, int renversable, int adjectifs,
                                     const String &role, const String &verbeVoisin,
                                     const String &objetVoisin, int couleur, bool engendre) {
    // 1. Whether the patient may be a person.
    int reversible = 2;
    if (engendre) {
        if (role == u"GroupeNominal2")
            reversible = (PassiveOuQue || Presentatif) ? 2 : renversable;
        else if (role == u"ObjetComplement1" || role == u"ObjetComplement2")
            reversible = renversable;
        else
            reversible = 0;
    }
    FiltreListes(reversible);
    const int P = Taille(Persos);
    const int U = Taille(ObjetsUneMain);
    const int D = Taille(ObjetsDeuxMains);
    const int A = Taille(Animaux);
    const int G = Taille(Habits);
    const int T = Taille(Chapeaux);

    // 2. Optional colour.
    int c = 0;
    if (couleur >= 1 && adjectifs >= 1)
        c = static_cast<int>(platform::RandomFloat(2.0f));
    const bool avecCouleur = adjectifs == 2 || c == 1;
    auto tireCouleur = [&]() { return avecCouleur ? Tire(Couleurs) : String(); };

    // 3. By verb.
    String patient;
    String teinte;
    String lance;
    String descripteur;
    bool personne = false;
    if (UnDe(verbe, {u"i_marcher", u"i_courir", u"i_lever les bras", u"i_lever un bras",
                     u"i_pedaler", u"i_cuisiner", u"i_dormir", u"i_jouer de la musique"})) {
        descripteur = u"pasdobjet";
    } else if (verbe == u"po_regarder") {
        if (P + U + D + A == 0) {
            descripteur = ObjetsInterdits;
        } else {
            descripteur = u"perso|unemain|deuxmains|animal";
            // 4. Somebody or something looked at.
            const int i = platform::RandomIndex(reversible < 2 ? P + U + D + A : P);
            const bool mainsOccupees = platform::StartsWith(objetVoisin, u"une") ||
                                       platform::StartsWith(objetVoisin, u"deux") ||
                                       verbeVoisin == u"i_jouer de la musique" ||
                                       verbeVoisin == u"i_cuisiner";
            const bool lancerVoisin = EstLancerAQuelquun(verbeVoisin);
            if (couleur == 2 && A > 0) {
                // The clause must carry a colour: only an animal looked at can take one.
                patient = Tire(Animaux);
                teinte = Tire(Couleurs);
            } else if (reversible > 0 && P > 0 && (i < P || lancerVoisin)) {
                patient = Persos[i < P ? i : P - 1];
                personne = true;
            } else if (i - P < U && i - P >= 0) {
                patient = ObjetsUneMain[i - P];
                if (mainsOccupees || lancerVoisin)
                    patient += ParTerre;
            } else if (i - P - U < D && i - P - U >= 0) {
                patient = ObjetsDeuxMains[i - P - U];
                if (mainsOccupees || lancerVoisin)
                    patient += ParTerre;
            } else if (i - P - U - D < A && i - P - U - D >= 0) {
                patient = Animaux[i - P - U - D];
                teinte = tireCouleur();
            }
        }
    } else if (verbe == u"oum_lancer") {
        descripteur = U == 0 ? ObjetsInterdits : String(u"unemain");
        if (U > 0)
            patient = Tire(ObjetsUneMain);
    } else if (verbe == u"odm_soulever") {
        descripteur = D == 0 ? ObjetsInterdits : String(u"deuxmains");
        if (D > 0)
            patient = Tire(ObjetsDeuxMains);
    } else if (verbe == u"ouodm_tenir") {
        descripteur = U + D == 0 ? ObjetsInterdits : String(u"unemain|deuxmains");
        if (U + D > 0) {
            const int i = platform::RandomIndex(U + D);
            patient = i < U ? ObjetsUneMain[i] : ObjetsDeuxMains[i - U];
        }
    } else if (verbe == u"a_promener") {
        descripteur = A == 0 ? ObjetsInterdits : String(u"animal");
        if (A > 0) {
            patient = Tire(Animaux);
            teinte = tireCouleur();
        }
    } else if (verbe == u"p_poursuivre" || verbe == u"p_portersurepaules") {
        descripteur = P == 0 ? ObjetsInterdits : String(u"perso");
        if (P > 0) {
            patient = Tire(Persos);
            personne = true;
        }
    } else if (EstLancerAQuelquun(verbe)) {
        descripteur = (P == 0 || U == 0) ? ObjetsInterdits : String(u"perso");
        if (P > 0 && U > 0) {
            patient = Tire(Persos);
            personne = true;
            if (verbe == u"p_lancer sur")
                lance = ObjetsUneMain[static_cast<int>(
                    platform::RandomFloat(static_cast<float>(U - 1)))];
            else
                lance = Tire(ObjetsUneMain);
        }
    } else if (verbe == u"h_wear") {
        descripteur = G + T == 0 ? ObjetsInterdits : String(u"habit|chapeau");
        if (G + T > 0) {
            // 5. A garment or a hat that suits the wearer and what he already wears.
            String porteur;
            if (role == u"GroupeNominal2" || role == u"ObjetComplement1")
                porteur = GroupeNominal1;
            else if (role == u"ObjetComplement2")
                porteur = GroupeNominal2;
            const bool aDejaChapeau = platform::StartsWith(objetVoisin, u"chapeau");
            const bool aDejaHabit = platform::StartsWith(objetVoisin, u"habit");
            for (int essai = 0; essai < EssaisHabitMax && patient.empty(); ++essai) {
                teinte.clear();
                int i = platform::RandomIndex(G + T);
                if (i >= G && aDejaChapeau) {
                    i = platform::RandomIndex(G);
                    // No garment enabled: nothing more can be put on.
                    if (G == 0)
                        continue;
                }
                if (i < G) {
                    patient = aDejaHabit ? String() : Habits[i];
                    teinte = tireCouleur();
                    const bool refuse =
                        platform::EndsWith(porteur, u"_f")   ? patient == u"habit_chemise_f"
                        : platform::EndsWith(porteur, u"_m") ? patient == u"habit_robe_f"
                                                             : false;
                    if (refuse || patient.empty()) {
                        patient.clear();
                        teinte.clear();
                    }
                } else {
                    patient = Chapeaux[i - G];
                    if (avecCouleur)
                        teinte = Tire(Couleurs);
                }
            }
            if (patient.empty()) {
                descripteur = ObjetsInterdits;
                teinte.clear();
            }
        }
    }

    if (!engendre)
        return descripteur;

    // 6. Storing the clause's patient and its companions.
    const bool lancer = EstLancerAQuelquun(verbe);
    if (role == u"GroupeNominal2") {
        GroupeNominal2 = patient;
        if (lancer)
            ObjetDonneLance1 = lance;
        if (adjectifs > 0)
            GroupeNominalAdjectif2 = teinte;
    } else if (role == u"ObjetComplement1") {
        ObjetComplement1 = patient;
        if (adjectifs > 0)
            ObjetComplementAdjectif1 = teinte;
        if (lancer)
            ObjetDonneLance1 = lance;
    } else if (role == u"ObjetComplement2") {
        ObjetComplement2 = patient;
        if (adjectifs > 0)
            ObjetComplementAdjectif2 = teinte;
        if (lancer)
            ObjetDonneLance2 = lance;
    }
    // The generator must learn that the verb could take none of the enabled words.
    if (descripteur == ObjetsInterdits)
        return ObjetsInterdits;
    return personne ? u"1" : u"0";
}

void StructureAction::PlaceObjets() {
    if (Action == u"po_regarder" && ObjetEnMain(GroupeNominal2) && VerbeDesMains(VerbeComplement1))
        PoseParTerre(GroupeNominal2);
    if (VerbeComplement1 == u"po_regarder" && ObjetEnMain(ObjetComplement1) &&
        VerbeDesMains(Action))
        PoseParTerre(ObjetComplement1);
    if (VerbeComplement2 == u"po_regarder" && ObjetEnMain(ObjetComplement2) &&
        Action == u"p_lancer a")
        PoseParTerre(ObjetComplement2);
}

bool StructureAction::EstDansLesListes() const {
    for (const StringArray *liste :
         {&VerbesIntransitifsTous, &VerbeJouerMusiqueTous, &VerbeLancerTous, &VerbeSouleverTous,
          &VerbeTenirTous, &VerbePromenerTous, &VerbePoursuivreTous, &VerbesLancerSurATous})
        for (const String *verbe : {&Action, &VerbeComplement1, &VerbeComplement2})
            if (EstDans(*verbe, *liste))
                return false;
    for (const String *nom :
         {&GroupeNominal1, &GroupeNominal2, &ObjetComplement1, &ObjetComplement2})
        if (EstDans(*nom, AnimauxTous))
            return false;
    return true;
}
