// Shuffle variants: every arrangement of the persons of a sentence, the acceptable ones kept,
// some drawn for a board.
#include "sentence/shuffles.h"

#include "platform/random.h"
#include "sentence/variations.h"

namespace {

bool EstPersonne(const String& code) { return platform::StartsWith(code, u"perso"); }

bool MemesPersonnes(const StructureAction& a, const StructureAction& b) {
    return a.GroupeNominal1 == b.GroupeNominal1 && a.GroupeNominal2 == b.GroupeNominal2 &&
           a.ObjetComplement1 == b.ObjetComplement1 && a.ObjetComplement2 == b.ObjetComplement2;
}

// Nobody is shown wearing a garment that does not suit.
bool HabitsConviennent(const StructureAction& s) {
    if (s.Action == u"h_wear" && !HabitConvient(s.GroupeNominal1, s.GroupeNominal2))
        return false;
    if (s.VerbeComplement1 == u"h_wear" && !HabitConvient(s.GroupeNominal1, s.ObjetComplement1))
        return false;
    if (s.VerbeComplement2 == u"h_wear" && !HabitConvient(s.GroupeNominal2, s.ObjetComplement2))
        return false;
    return true;
}

// A candidate carries the reference's words only: no form flags, no person count.
StructureAction Candidat(const StructureAction& r) {
    StructureAction c;
    c.GroupeNominal1 = r.GroupeNominal1;
    c.GroupeNominalAdjectif1 = r.GroupeNominalAdjectif1;
    c.VerbeComplement1 = r.VerbeComplement1;
    c.ObjetComplement1 = r.ObjetComplement1;
    c.ObjetComplementAdjectif1 = r.ObjetComplementAdjectif1;
    c.Action = r.Action;
    c.GroupeNominal2 = r.GroupeNominal2;
    c.GroupeNominalAdjectif2 = r.GroupeNominalAdjectif2;
    c.VerbeComplement2 = r.VerbeComplement2;
    c.ObjetComplement2 = r.ObjetComplement2;
    c.ObjetComplementAdjectif2 = r.ObjetComplementAdjectif2;
    c.ObjetDonneLance1 = r.ObjetDonneLance1;
    c.ObjetDonneLance2 = r.ObjetDonneLance2;
    return c;
}

// Every arrangement of the persons; the first one may leave them as they were.
std::vector<StructureAction> Candidats(const StructureAction& r) {
    const bool p2 = EstPersonne(r.GroupeNominal2);
    const bool p3 = EstPersonne(r.ObjetComplement1);
    const bool p4 = EstPersonne(r.ObjetComplement2);
    const int p = int(p2) + int(p3) + int(p4);
    const int tailles[] = {1, 2, 6, 24};
    std::vector<StructureAction> candidats(tailles[p], Candidat(r));

    if (p == 1) {
        StructureAction& c = candidats[0];
        if (p2 && r.GroupeNominal2 != r.GroupeNominal1)
            c.EchangeGN1(c.GroupeNominal1, c.GroupeNominal2, u"gn2perso");
        else if (p3 && r.ObjetComplement1 != r.GroupeNominal1)
            c.EchangeGN1(c.GroupeNominal1, c.ObjetComplement1, u"objetcompl1perso");
        else
            // A lone person in the patient's clause is never moved.
            candidats.clear();
    } else if (p == 2) {
        for (int i = 0; i < static_cast<int>(candidats.size()); ++i) {
            StructureAction& c = candidats[i];
            if (p3)
                c.mixe3prop(i, c.GroupeNominal1, c.GroupeNominal2, c.ObjetComplement1,
                            u"objetcompl1perso");
            else
                c.mixe3prop(i, c.GroupeNominal1, c.GroupeNominal2, c.ObjetComplement2,
                            u"objetcompl2perso");
        }
    } else if (p == 3) {
        for (int i = 0; i < static_cast<int>(candidats.size()); ++i) {
            StructureAction& c = candidats[i];
            c.PermutePersos(i, c.GroupeNominal1, c.GroupeNominal2, c.ObjetComplement1,
                            c.ObjetComplement2);
        }
    }
    return candidats;
}

} // namespace

int BousculeStructureaction(bool build, bool passive, const StructureAction& reference,
                            std::vector<StructureAction>& slots, const StructureAction& avoided) {
    const std::vector<StructureAction> candidats = Candidats(reference);
    std::vector<const StructureAction*> acceptes;
    for (std::size_t j = 0; j < candidats.size(); ++j) {
        const StructureAction& c = candidats[j];
        bool refuse =
            MemesPersonnes(c, reference) || MemesPersonnes(c, avoided) || !HabitsConviennent(c);
        for (std::size_t k = 0; k < j && !refuse; ++k)
            refuse = MemesPersonnes(c, candidats[k]);
        if (!refuse)
            acceptes.push_back(&c);
    }
    const int nombre = static_cast<int>(acceptes.size());
    if (!build || nombre < static_cast<int>(slots.size()))
        return nombre;

    // L2 of the reference: its patient when that is a person.
    const String l2 =
        EstPersonne(reference.GroupeNominal2) ? reference.GroupeNominal2 : String(u"groupeno2");
    std::vector<int> choisis;
    for (std::size_t s = 0; s < slots.size(); ++s) {
        int idx = 0;
        for (;;) {
            idx = platform::RandomIndex(nombre);
            bool dejaPris = false;
            for (int pris : choisis)
                dejaPris = dejaPris || pris == idx;
            if (!dejaPris)
                break;
            // Two shuffles for two slots: the second takes the other one at once.
            if (nombre == 2) {
                idx = choisis[0] == 0 ? 1 : 0;
                break;
            }
        }
        if (passive && s == 0 && reference.GroupeNominal1 != l2)
            idx = 0;
        choisis.push_back(idx);
        StructureAction choisi = *acceptes[idx];
        choisi.NombrePersos = reference.NombrePersos;
        choisi.Immobile = choisi.EstDansLesListes();
        CopieStructureaction(choisi, slots[s]);
    }
    return nombre;
}
