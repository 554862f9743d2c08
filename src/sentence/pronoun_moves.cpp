// The special variant of a board's first sentence.
//
//   ChoisitDeplacementPronom   (the choice)
//   DeplaceVersPatient, DeplaceVersAgent   (relative clause moved, code 1)
//   ReecritPassive, ReecritQue             (form rewritten, code 2)
#include "sentence/pronoun_moves.h"

#include "platform/random.h"
#include "sentence/variations.h"
#include "sentence/verb_compatibility.h"
#include "sentence/vocabulary.h"

namespace {

using platform::StartsWith;

bool EstPersonne(const String& code) { return StartsWith(code, u"perso"); }

bool EstLancerSurA(const String& verbe) {
    return verbe == u"p_lancer sur" || verbe == u"p_lancer a";
}

void GardeLaForme(const StructureAction& r, StructureAction& v) {
    v.Presentatif = r.Presentatif;
    v.AccentSurAgent = r.AccentSurAgent;
}

void ComptePersos(StructureAction& v) {
    v.NombrePersos = StartsWith(v.GroupeNominal2, u"perso_") ? 2 : 1;
    if (StartsWith(v.ObjetComplement1, u"perso_"))
        ++v.NombrePersos;
    if (StartsWith(v.ObjetComplement2, u"perso_"))
        ++v.NombrePersos;
}

// "La dame qui regarde le monsieur pousse la caisse" becomes "la dame regarde le monsieur qui
// pousse la caisse".
int DeplaceVersPatient(const StructureAction& r, StructureAction& v) {
    if (!EstPersonne(r.ObjetComplement1))
        return PasDeDeplacement;
    if (r.Action == u"h_wear" && !HabitConvient(r.ObjetComplement1, r.GroupeNominal2))
        return PasDeDeplacement;
    if (!VerbesCompatibles(true, r.Action, String(), r.VerbeComplement1, r.VerbeComplement2,
                           String()))
        return PasDeDeplacement;
    v.GroupeNominal1 = r.GroupeNominal1;
    v.Action = r.VerbeComplement1;
    v.GroupeNominal2 = r.ObjetComplement1;
    v.ObjetComplementAdjectif2 = r.GroupeNominalAdjectif2;
    v.VerbeComplement2 = r.Action;
    v.ObjetComplement2 = r.GroupeNominal2;
    GardeLaForme(r, v);
    if (!r.ObjetDonneLance1.empty()) {
        if (EstLancerSurA(r.VerbeComplement1))
            v.ObjetDonneLance1 = r.ObjetDonneLance1;
        else if (EstLancerSurA(r.Action))
            v.ObjetDonneLance2 = r.ObjetDonneLance1;
    }
    return PronomDeplace;
}

// "La dame regarde le monsieur qui pousse la caisse" becomes "la dame qui regarde le monsieur
// pousse la caisse".
int DeplaceVersAgent(const StructureAction& r, StructureAction& v) {
    if (!EstPersonne(r.GroupeNominal2))
        return PasDeDeplacement;
    if (r.VerbeComplement2 == u"h_wear" && !HabitConvient(r.GroupeNominal1, r.ObjetComplement2))
        return PasDeDeplacement;
    // The main verb becomes the subject's clause, with the patient as its object.
    if (!VerbesCompatibles(true, r.Action, r.VerbeComplement2, String(), String(),
                           r.ObjetComplement2, r.GroupeNominal2))
        return PasDeDeplacement;
    v.GroupeNominal1 = r.GroupeNominal1;
    v.VerbeComplement1 = r.Action;
    v.ObjetComplement1 = r.GroupeNominal2;
    v.Action = r.VerbeComplement2;
    v.GroupeNominal2 = r.ObjetComplement2;
    v.GroupeNominalAdjectif2 = r.ObjetComplementAdjectif2;
    GardeLaForme(r, v);
    if (!r.ObjetDonneLance1.empty())
        v.ObjetDonneLance1 = r.ObjetDonneLance1;
    if (!r.ObjetDonneLance2.empty())
        v.ObjetDonneLance1 = r.ObjetDonneLance2;
    return PronomDeplace;
}

// A passive sentence told in the active voice, agent and patient exchanged with all that is
// attached to them. The patient becomes the one who acts, and only a person can be staged
// acting: an animal or an object looked at stays where it is.
int ReecritPassive(const StructureAction& r, StructureAction& v) {
    if (!EstPersonne(r.GroupeNominal2))
        return PasDeDeplacement;
    // The patient's clause becomes the new subject's, beside the main verb whose object is now
    // the old subject.
    if (!VerbesCompatibles(false, r.VerbeComplement1, String(), r.Action, String(),
                           r.ObjetComplement1) ||
        !VerbesCompatibles(false, r.VerbeComplement2, r.Action, String(), String(),
                           r.GroupeNominal1, r.ObjetComplement2))
        return PasDeDeplacement;
    v.Passive = false;
    v.GroupeNominal1 = r.GroupeNominal2;
    v.GroupeNominal2 = r.GroupeNominal1;
    v.GroupeNominalAdjectif1 = r.GroupeNominalAdjectif2;
    v.GroupeNominalAdjectif2 = r.GroupeNominalAdjectif1;
    v.ObjetComplement1 = r.ObjetComplement2;
    v.ObjetComplement2 = r.ObjetComplement1;
    v.ObjetComplementAdjectif1 = r.ObjetComplementAdjectif2;
    v.ObjetComplementAdjectif2 = r.ObjetComplementAdjectif1;
    v.VerbeComplement1 = r.VerbeComplement2;
    v.VerbeComplement2 = r.VerbeComplement1;
    v.Action = r.Action;
    GardeLaForme(r, v);
    if (EstLancerSurA(r.Action)) {
        v.ObjetDonneLance1 = r.ObjetDonneLance1;
    } else if (EstLancerSurA(r.VerbeComplement1) || EstLancerSurA(r.VerbeComplement2)) {
        v.ObjetDonneLance1 = r.ObjetDonneLance2;
        v.ObjetDonneLance2 = r.ObjetDonneLance1;
    }
    ComptePersos(v);
    return FormeChangee;
}

// "Le monsieur que la dame regarde court" becomes "le monsieur qui regarde la dame court": the
// one looked at becomes the one who looks, so he must be a person, and the patient's clause
// becomes the main verb, so it must be there ("C'est le monsieur que la dame regarde" has none).
int ReecritQue(const StructureAction& r, StructureAction& v) {
    if (!EstPersonne(r.GroupeNominal2) || r.VerbeComplement2.empty())
        return PasDeDeplacement;
    // The patient's clause becomes the main verb, with its own object; the old main verb
    // becomes the subject's clause, with the old subject as its object.
    if (!VerbesCompatibles(true, r.VerbeComplement2, r.Action, String(), String(),
                           r.GroupeNominal1, r.ObjetComplement2))
        return PasDeDeplacement;
    if (!r.VerbeComplement1.empty())
        return PasDeDeplacement;
    v.RelativeQue = false;
    v.GroupeNominal1 = r.GroupeNominal2;
    v.Action = r.VerbeComplement2;
    v.GroupeNominal2 = r.ObjetComplement2;
    v.GroupeNominalAdjectif2 = r.ObjetComplementAdjectif2;
    v.VerbeComplement1 = r.Action;
    v.ObjetComplement1 = r.GroupeNominal1;
    GardeLaForme(r, v);
    if (EstLancerSurA(r.Action))
        v.ObjetDonneLance1 = r.ObjetDonneLance1;
    else if (EstLancerSurA(r.VerbeComplement2))
        v.ObjetDonneLance1 = r.ObjetDonneLance2;
    ComptePersos(v);
    return FormeChangee;
}

} // namespace

int ChoisitDeplacementPronom(const StructureAction& reference, StructureAction& variant) {
    const StructureAction& r = reference;
    const int h = static_cast<int>(5.0f * platform::RandomFloat());

    // A presentative sentence lets the move through one time in five at most.
    int k = 0;
    if (r.Presentatif) {
        k = h;
        if (r.RelativeQue && modedejeu == 1)
            k = 1;
        const bool sansProposition = r.VerbeComplement1.empty() && r.VerbeComplement2.empty();
        const bool deuxPropositions = !r.VerbeComplement1.empty() &&
                                      EstPersonne(r.ObjetComplement1) &&
                                      !r.VerbeComplement2.empty();
        if (!sansProposition && !deuxPropositions)
            k = 1;
    }
    if (choixvariations != 0)
        return PasDeDeplacement;

    if (r.Passive)
        return ReecritPassive(r, variant);
    if (!r.RelativeQue && k == 0) {
        if (!r.VerbeComplement1.empty() && r.VerbeComplement2.empty())
            return DeplaceVersPatient(r, variant);
        if (r.VerbeComplement1.empty() && !r.VerbeComplement2.empty())
            return DeplaceVersAgent(r, variant);
        return PasDeDeplacement;
    }
    if (r.RelativeQue && k == 0)
        return ReecritQue(r, variant);
    return PasDeDeplacement;
}
