// Resetting a structure and moving its persons between the noun roles.
//
//   StructureAction::Vide
//   StructureAction::PermutePersos, AffectePersos   (four person slots)
//   StructureAction::mixe3prop, arrange3prop         (three person slots)
//   StructureAction::EchangeGN1, EchangeGN1Avec      (subject and one other slot)
#include <array>

#include "sentence/sentence_debug.h"
#include "sentence/structure_action.h"

namespace {

// The 23 orders of four persons other than the identity: which argument goes to
// GroupeNominal1, GroupeNominal2, ObjetComplement1 and ObjetComplement2.
constexpr std::array<std::array<int, 4>, 23> OrdresDeQuatre = {{
    {2, 1, 3, 4}, {1, 4, 2, 3}, {1, 4, 3, 2}, {1, 3, 2, 4}, {1, 3, 4, 2}, {2, 3, 4, 1},
    {2, 3, 1, 4}, {1, 2, 4, 3}, {2, 1, 4, 3}, {2, 4, 1, 3}, {2, 4, 3, 1}, {3, 4, 1, 2},
    {3, 4, 2, 1}, {3, 2, 1, 4}, {3, 2, 4, 1}, {3, 1, 2, 4}, {3, 1, 4, 2}, {4, 1, 2, 3},
    {4, 1, 3, 2}, {4, 2, 1, 3}, {4, 2, 3, 1}, {4, 3, 1, 2}, {4, 3, 2, 1},
}};

// The five orders of three persons other than the identity.
constexpr std::array<std::array<int, 3>, 5> OrdresDeTrois = {{
    {2, 1, 3},
    {1, 3, 2},
    {2, 3, 1},
    {3, 1, 2},
    {3, 2, 1},
}};

} // namespace

void StructureAction::Vide() {
    for (String* role : {&GroupeNominal1, &GroupeNominalAdjectif1, &VerbeComplement1,
                         &ObjetComplement1, &ObjetComplementAdjectif1, &Action, &GroupeNominal2,
                         &GroupeNominalAdjectif2, &VerbeComplement2, &ObjetComplement2,
                         &ObjetComplementAdjectif2, &ObjetDonneLance1, &ObjetDonneLance2})
        role->clear();
    PassiveOuQue = false;
    Passive = false;
    RelativeQue = false;
    NombrePersos = 0;
    Immobile = false;
    for (bool* drapeau :
         {&SujetPresent, &PropositionPrincipale, &Complement1Complet, &Complement1PresqueComplet,
          &Complement1Incomplet, &ActionPresente, &GN2Present, &Complement2Complet,
          &Complement2PresqueComplet, &Complement2Incomplet, &GN2Incomplet})
        *drapeau = false;
    // PassiveALaFin, Presentatif, OrdreVerbeSujet and AccentSurAgent are the caller's choice of
    // form and survive the reset.
}

void StructureAction::AffectePersos(const String& s1, const String& s2, const String& s3,
                                    const String& s4, int i1, int i2, int i3, int i4) {
    // Read the four arguments before writing: the callers pass the slots themselves.
    const std::array<String, 4> source = {s1, s2, s3, s4};
    const std::array<String*, 4> slots = {&GroupeNominal1, &GroupeNominal2, &ObjetComplement1,
                                          &ObjetComplement2};
    const std::array<int, 4> indices = {i1, i2, i3, i4};
    for (int k = 0; k < 4; ++k) {
        const int i = indices[k];
        if (i != k + 1 && i >= 1 && i <= 4)
            *slots[k] = source[i - 1];
    }
}

void StructureAction::PermutePersos(int n, const String& s1, const String& s2, const String& s3,
                                    const String& s4) {
    if (n < 0 || n >= static_cast<int>(OrdresDeQuatre.size()))
        return;
    const auto& o = OrdresDeQuatre[n];
    AffectePersos(s1, s2, s3, s4, o[0], o[1], o[2], o[3]);
}

void StructureAction::arrange3prop(const String& a, const String& b, const String& c, int i1,
                                   int i2, int i3, const String& role) {
    // Copies first: a, b and c may be references to the slots written below.
    const String va = a, vb = b, vc = c;
    if (i1 == 2)
        GroupeNominal1 = vb;
    else if (i1 == 3)
        GroupeNominal1 = vc;
    if (i2 == 1)
        GroupeNominal2 = va;
    else if (i2 == 3)
        GroupeNominal2 = vc;
    const String troisieme = i3 == 1 ? va : i3 == 2 ? vb : vc;
    if (role == u"objetcompl1perso")
        ObjetComplement1 = troisieme;
    else if (role == u"objetcompl2perso")
        ObjetComplement2 = troisieme;
    SentenceDebug(u"arrange3prop : objet = " + troisieme + u" GN1 = " + GroupeNominal1 +
                  u" GN2 = " + GroupeNominal2);
}

void StructureAction::mixe3prop(int n, const String& a, const String& b, const String& c,
                                const String& role) {
    if (n < 0 || n >= static_cast<int>(OrdresDeTrois.size()))
        return;
    SentenceDebug(u"mixe3prop numéro " + platform::Str(n));
    const auto& o = OrdresDeTrois[n];
    arrange3prop(a, b, c, o[0], o[1], o[2], role);
    SentenceDebug(u"mixe3prop fini");
}

void StructureAction::EchangeGN1(const String& a, const String& b, const String& role) {
    EchangeGN1Avec(a, b, role);
}

void StructureAction::EchangeGN1Avec(const String& a, const String& b, const String& role) {
    const String va = a, vb = b;
    GroupeNominal1 = vb;
    if (role == u"gn2perso")
        GroupeNominal2 = va;
    else if (role == u"objetcompl1perso")
        ObjetComplement1 = va;
}
