// Writing a StructureAction as French text.
//
//   Redaction            words, noun groups and the markup tokens of one sentence
//   Active               agent, its clause, verb, patient, its clause
//   PassiveAccentAgent   "C'est par <agent> que <patient> est <participle>"
//   Passive              patient, passive verb, "par" agent (embedded or at the end)
//   Relative             patient head of a "que" / "sur lequel" / "à qui" clause
//   Retouches            the fix-ups that polish the joined pieces, then the full stop
#include "sentence/realisation.h"

#include <array>

#include "sentence/agreement.h"
#include "sentence/lexicon.h"

namespace {

using platform::Replace;
using platform::StartsWith;

const String LancerSur = u"p_lancer sur";
const String LancerA = u"p_lancer a";

class Redaction {
  public:
    Redaction(bool synonymes, const StructureAction& structure, bool markup)
        : synonymes_(synonymes), markup_(markup), s(structure) {
        if (markup) {
            T = MarqueFinEtiquette;
            A = MarquePropositionA;
            B = MarquePropositionB;
            VA = MarqueVerbeApresQue;
            VF = MarqueVerbeVersLaFin;
        }
    }

    String Ecrit() {
        if (!s.Passive && !s.RelativeQue)
            Active();
        else if (s.Passive && !s.RelativeQue) {
            if (s.AccentSurAgent && s.Presentatif)
                PassiveAccentAgent();
            else
                Passive();
        } else if (s.RelativeQue && !s.Passive)
            Relative();
        // Both passive and relative: no form fits, only the full stop remains.
        return Retouches(texte);
    }

  private:
    bool synonymes_ = false;
    bool markup_ = false;
    const StructureAction& s;
    String texte;
    // Tag end, clause A, clause B, verb after "que", verb at the end (empty without markup).
    String T, A, B, VA, VF;

    String Mot(const String& code) const { return MotFrancais(synonymes_, true, code); }

    String Groupe(const String& code) const {
        const String mot = Mot(code);
        return Article(mot, code) + mot;
    }

    void Ajoute(const String& piece) { texte += piece; }

    void Majuscule() { texte = CasePremiereLettre(true, texte); }

    // The main verb in the passive, with the feminine "e" on the participle of an
    // "est <participle>" form only: "se fait lancer" and active forms never take it.
    String VerbePassif() const {
        const String passif = MotFrancais(synonymes_, false, s.Action);
        const bool participe = StartsWith(passif, u"est ");
        return participe && EstCodeFeminin(s.GroupeNominal2) ? passif + u"e" : passif;
    }

    static bool Lance(const String& verbe, const String& objet, const String& lequel) {
        return verbe == lequel && !objet.empty();
    }

    // One group when its role is filled: " " + text + clause marker + tag end.
    void AjouteGroupe(const String& code, const String& marque) {
        if (!code.empty())
            Ajoute(u" " + Groupe(code) + marque + T);
    }

    void AjouteCouleur(const String& couleur, const String& nom, const String& marque) {
        if (!couleur.empty())
            Ajoute(u" " + AccordeCouleur(couleur, nom) + marque + T);
    }

    // A relative clause "qui <verb> [<object> sur|à] [<object>] [<colour>]" whose groups all
    // carry the same clause marker; marqueQui is the marker of the "qui" group itself.
    void ClauseQui(const String& verbe, const String& lance, const String& objet,
                   const String& couleur, const String& marqueQui, const String& marque) {
        if (!verbe.empty())
            Ajoute(u" qui " + marqueQui + T + Mot(verbe) + marque + T);
        ObjetLance(verbe, lance, marque);
        AjouteGroupe(objet, marque);
        AjouteCouleur(couleur, objet, marque);
    }

    // The thrown object and its preposition, when the verb throws at or to someone.
    void ObjetLance(const String& verbe, const String& lance, const String& marque) {
        if (Lance(verbe, lance, LancerSur)) {
            AjouteGroupe(lance, marque);
            Ajoute(u" sur" + marque + T);
        }
        if (Lance(verbe, lance, LancerA)) {
            AjouteGroupe(lance, marque);
            Ajoute(u" à" + marque + T);
        }
    }

    // The patient opening the sentence (passive and relative forms), with its colour: the
    // animation shows it, so the sentence must say it too.
    void PatientEnTete() {
        if (s.GroupeNominal2.empty())
            return;
        Ajoute(Groupe(s.GroupeNominal2) + T);
        Majuscule();
        AjouteCouleur(s.GroupeNominalAdjectif2, s.GroupeNominal2, u"");
    }

    void Active() {
        if (s.Presentatif)
            texte = u"C'est " + T;
        if (!s.GroupeNominal1.empty()) {
            Ajoute(Groupe(s.GroupeNominal1) + T);
            Majuscule();
        }
        ClauseQui(s.VerbeComplement1, s.ObjetDonneLance1, s.ObjetComplement1,
                  s.ObjetComplementAdjectif1, u"", A);
        if (!s.Action.empty()) {
            if (s.Presentatif)
                Ajoute(u" qui" + T);
            Ajoute(u" " + Mot(s.Action) + B + T);
        }
        ObjetLance(s.Action, s.ObjetDonneLance1, B);
        AjouteGroupe(s.GroupeNominal2, B);
        AjouteCouleur(s.GroupeNominalAdjectif2, s.GroupeNominal2, B);
        ClauseQui(s.VerbeComplement2, s.ObjetDonneLance2, s.ObjetComplement2,
                  s.ObjetComplementAdjectif2, B, B);
    }

    // "C'est par <agent> que <patient> est <participle>": tag ends only, no clause markers.
    void PassiveAccentAgent() {
        const String aucune;
        texte = u"C'est " + T + u"par" + T;
        AjouteGroupe(s.GroupeNominal1, aucune);
        AjouteCouleur(s.GroupeNominalAdjectif1, s.GroupeNominal1, aucune);
        ClauseQui(s.VerbeComplement1, s.ObjetDonneLance1, s.ObjetComplement1,
                  s.ObjetComplementAdjectif1, aucune, aucune);
        Ajoute(u" que " + T);
        PatientEnTete();
        ClauseQui(s.VerbeComplement2, s.ObjetDonneLance2, s.ObjetComplement2,
                  s.ObjetComplementAdjectif2, aucune, aucune);
        if (!s.Action.empty())
            Ajoute(u" " + VerbePassif() + T);
        if (Lance(s.Action, s.ObjetDonneLance1, LancerSur)) {
            AjouteGroupe(s.ObjetDonneLance1, aucune);
            Ajoute(u" dessus" + T);
        }
    }

    // The patient's clause is clause A; the passive verb and the agent with its clause are
    // clause B. At the end: patient, its clause, passive. Embedded: patient, passive, agent,
    // then the patient's clause.
    void Passive() {
        if (s.Presentatif)
            texte = u"C'est " + T;
        PatientEnTete();
        if (s.PassiveALaFin)
            ClauseQui(s.VerbeComplement2, s.ObjetDonneLance2, s.ObjetComplement2,
                      s.ObjetComplementAdjectif2, u"", A);
        if (!s.PassiveALaFin && !s.Presentatif && !s.VerbeComplement2.empty())
            Ajoute(u" qui " + T);
        if (!s.Action.empty()) {
            if (s.Presentatif)
                Ajoute(u" qui" + T);
            Ajoute(u" " + VerbePassif() + B + T);
        }
        if (Lance(s.Action, s.ObjetDonneLance1, LancerSur)) {
            AjouteGroupe(s.ObjetDonneLance1, B);
            Ajoute(u" dessus" + B + T);
        }
        Ajoute(u" par" + B + T);
        AjouteGroupe(s.GroupeNominal1, B);
        AjouteCouleur(s.GroupeNominalAdjectif1, s.GroupeNominal1, B);
        ClauseQui(s.VerbeComplement1, s.ObjetDonneLance1, s.ObjetComplement1,
                  s.ObjetComplementAdjectif1, B, B);
        if (!s.PassiveALaFin) {
            if (!s.VerbeComplement2.empty()) {
                if (s.Presentatif)
                    Ajoute(u" qui " + T);
                Ajoute(u" " + Mot(s.VerbeComplement2) + A + T);
            }
            ObjetLance(s.VerbeComplement2, s.ObjetDonneLance2, A);
            AjouteGroupe(s.ObjetComplement2, A);
            AjouteCouleur(s.ObjetComplementAdjectif2, s.ObjetComplement2, A);
        }
    }

    // The patient heads a relative clause whose subject is the agent (clause A); the patient's
    // own clause is the main predicate (clause B).
    void Relative() {
        const bool lancer = s.Action == LancerSur || s.Action == LancerA;
        const bool presentatifCourt =
            s.VerbeComplement2.empty() && s.VerbeComplement1.empty() && s.Presentatif;
        if (s.Presentatif)
            texte = u"C'est " + T;
        if (!s.GroupeNominal2.empty()) {
            if (presentatifCourt && s.Action == LancerSur)
                Ajoute(u" sur " + T);
            else if (presentatifCourt && s.Action == LancerA)
                Ajoute(u" à " + T);
            PatientEnTete();
        }
        if (lancer)
            BrancheLancer(presentatifCourt);
        else
            BrancheQue();
        if (!s.VerbeComplement2.empty()) {
            if (s.Presentatif)
                Ajoute(u" qui" + B + T);
            Ajoute(u" " + Mot(s.VerbeComplement2) + B + T);
        }
        ObjetLance(s.VerbeComplement2, s.ObjetDonneLance2, B);
        AjouteGroupe(s.ObjetComplement2, B);
        AjouteCouleur(s.ObjetComplementAdjectif2, s.ObjetComplement2, B);
    }

    void BrancheQue() {
        if (!s.Action.empty()) {
            if (s.OrdreVerbeSujet) {
                const String verbe = Mot(s.Action);
                const String que = CommenceParVoyelle(verbe) ? u" qu'" : u" que ";
                Ajoute(que + A + T + VA + verbe + A + T);
            } else {
                Ajoute(u" que" + A + T);
            }
        }
        AjouteGroupe(s.GroupeNominal1, A);
        AjouteCouleur(s.GroupeNominalAdjectif1, s.GroupeNominal1, A);
        ClauseQui(s.VerbeComplement1, s.ObjetDonneLance1, s.ObjetComplement1,
                  s.ObjetComplementAdjectif1, A, A);
        if (!s.OrdreVerbeSujet && !s.Action.empty())
            Ajoute(VF + u" " + Mot(s.Action) + A + T);
    }

    void BrancheLancer(bool presentatifCourt) {
        String pronom = u" à qui ";
        if (s.Action == LancerSur)
            pronom = EstCodeFeminin(s.GroupeNominal2) ? u" sur laquelle " : u" sur lequel ";
        if (presentatifCourt)
            pronom = u" que ";
        if (!s.GroupeNominal1.empty())
            Ajoute(pronom + A + T + Groupe(s.GroupeNominal1) + A + T);
        AjouteCouleur(s.GroupeNominalAdjectif1, s.GroupeNominal1, A);
        ClauseQui(s.VerbeComplement1, s.ObjetDonneLance1, s.ObjetComplement1,
                  s.ObjetComplementAdjectif1, A, A);
        if (!s.Action.empty())
            Ajoute(u" " + Mot(s.Action) + A + T);
        AjouteGroupe(s.ObjetDonneLance1, A);
    }

    String Retouches(String t) const {
        // Pieces that end and start with a space meet as two (or more) spaces.
        while (t.find(u"  ") != String::npos)
            t = Replace(t, u"  ", u" ");
        // A presentative on a person whose verb came without its "qui".
        static const std::array<const char16_t*, 10> personnes = {
            u"le petit garçon", u"la petite fille", u"le monsieur", u"l'homme",  u"le bonhomme",
            u"la dame",         u"la femme",        u"le garçon",   u"la fille", u"la fillette"};
        for (const char16_t* personne : personnes)
            t = Replace(t, u"C'est " + String(personne) + u" est",
                        u"C'est " + String(personne) + u" qui est");
        for (const char16_t* personne : personnes)
            t = Replace(t, u"C'est " + String(personne) + u" se fait",
                        u"C'est " + String(personne) + u" qui se fait");
        t = Replace(t, u"que un", u"qu'un");
        if (markup_) {
            // The same elision when a tag end separates "que" from "un"/"une".
            t = Replace(t, u"que " + T + u"un", u"qu'" + T + u"un");
            for (const String& marque : {A, B, String()})
                t = Replace(t, u"que" + marque + T + u" un", u"qu'" + marque + T + u"un");
        }
        if (!markup_) {
            t = Replace(t, u"à le", u"au");
        } else {
            // "à" + "le" across a tag end, whatever clause marker the "à" carries.
            for (const String& marque : {A, B, String()})
                t = Replace(t, u"à" + marque + T + u" le", u"au" + marque + T);
            t = Replace(t, u"à " + T + u"le", u"au" + T);
        }
        t += u".";
        if (markup_)
            t = Replace(t, T + u" ", T);
        return t;
    }
};

} // namespace

String PhraseDeStructure(bool useCurrentSynonyms, const StructureAction& structure, bool markup) {
    return Redaction(useCurrentSynonyms, structure, markup).Ecrit();
}

bool PresentatifEquivoque(const StructureAction& s) {
    if (!s.Presentatif)
        return false;
    if (!s.Passive && !s.RelativeQue)
        return !s.VerbeComplement1.empty();
    // "C'est par <agent> que ..." puts the agent forward.
    if (s.Passive && !s.RelativeQue)
        return !(s.AccentSurAgent ? s.VerbeComplement1 : s.VerbeComplement2).empty();
    if (s.RelativeQue && !s.Passive)
        return !s.VerbeComplement2.empty();
    return false;
}
