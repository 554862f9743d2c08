#pragma once
// The record of one sentence: its form flags, the word and verb codes of its roles, the number
// of persons on stage, and the analysis flags written by the check of a composed sentence.
// Eleven of the role fields can be named at run time by a role string equal to the field name
// ("Action", "GroupeNominal2", ...); the operations compare role strings exactly.
#include "platform/text.h"

struct StructureAction {
    // Form flags. PassiveOuQue is set together with Passive or RelativeQue.
    bool PassiveOuQue = false;
    bool Passive = false;
    bool RelativeQue = false;
    bool PassiveALaFin = false;
    bool Presentatif = false;
    bool OrdreVerbeSujet = false;
    bool AccentSurAgent = false;

    // Roles: word codes, verb codes or colour words; "" for an absent role.
    String GroupeNominal1;
    String GroupeNominalAdjectif1;
    String VerbeComplement1;
    String ObjetComplement1;
    String ObjetComplementAdjectif1;
    String Action;
    String GroupeNominal2;
    String GroupeNominalAdjectif2;
    String VerbeComplement2;
    String ObjetComplement2;
    String ObjetComplementAdjectif2;
    String ObjetDonneLance1;
    String ObjetDonneLance2;

    int NombrePersos = 0;
    bool Immobile = false;

    // Analysis flags, written only by the check of a composed sentence.
    bool SujetPresent = false;
    bool PropositionPrincipale = false;
    bool Complement1Complet = false;
    bool Complement1PresqueComplet = false;
    bool Complement1Incomplet = false;
    bool ActionPresente = false;
    bool GN2Present = false;
    bool Complement2Complet = false;
    bool Complement2PresqueComplet = false;
    bool Complement2Incomplet = false;
    bool GN2Incomplet = false;

    // --- Drawing one clause (structure_action.cpp) ---

    // Draws the verb of role "Action", "VerbeComplement1" or "VerbeComplement2" among the
    // enabled verbs that suit the levels; "" when none fits. Takes exactly one random step.
    void ChoisitVerbe(const String &role, int renversablesok, int objetok, int adjectifs);

    // Generating mode (engendre true): draws and stores the patient of role "GroupeNominal2",
    // "ObjetComplement1" or "ObjetComplement2" with its colour and thrown object; returns "1"
    // when the patient is a person, "0" otherwise, "objetsinterdits" when the verb can take none
    // of the enabled words (the patient is then left empty).
    // Listing mode (engendre false): stores nothing and returns the kinds of noun the verb takes
    // ("pasdobjet", "objetsinterdits", "perso", "unemain|deuxmains", "habit|chapeau", ...).
    String ChoisitObjet(const String &verbe, int renversable, int adjectifs, const String &role,
                        const String &verbeVoisin, const String &objetVoisin, int couleur,
                        bool engendre);

    // Marks with "|par_terre" an object looked at by someone whose hands are busy.
    void PlaceObjets();

    // True when no verb of the structure moves anybody or takes the hands and no role holds an
    // animal (the value the generator stores in Immobile).
    bool EstDansLesListes() const;

    // --- Reset and person moves (structure_permutations.cpp) ---

    // Empties the roles, PassiveOuQue, Passive, RelativeQue, NombrePersos, Immobile and the
    // analysis flags; PassiveALaFin, Presentatif, OrdreVerbeSujet and AccentSurAgent stay.
    void Vide();
    // Permutation n (0 to 22) of the four person slots GroupeNominal1, GroupeNominal2,
    // ObjetComplement1, ObjetComplement2; any other n changes nothing.
    void PermutePersos(int n, const String &s1, const String &s2, const String &s3,
                       const String &s4);
    void AffectePersos(const String &s1, const String &s2, const String &s3, const String &s4,
                       int i1, int i2, int i3, int i4);
    // Permutation n (0 to 4) of GroupeNominal1, GroupeNominal2 and the object complement named
    // by role ("objetcompl1perso" or "objetcompl2perso"); any other n changes nothing.
    void mixe3prop(int n, const String &a, const String &b, const String &c, const String &role);
    void arrange3prop(const String &a, const String &b, const String &c, int i1, int i2, int i3,
                      const String &role);
    // GroupeNominal1 receives b; the role named ("gn2perso" or "objetcompl1perso") receives a.
    void EchangeGN1(const String &a, const String &b, const String &role);
    void EchangeGN1Avec(const String &a, const String &b, const String &role);
};

// Copies the roles, NombrePersos, Immobile and the form flags except PassiveOuQue; the target's
// PassiveOuQue and analysis flags stay as they were.
void CopieStructureaction(const StructureAction &from, StructureAction &to);
