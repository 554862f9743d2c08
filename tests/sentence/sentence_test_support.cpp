#include "sentence_test_support.h"

#include <algorithm>
#include <stdexcept>

#include "platform/random.h"
#include "platform/text.h"
#include "sentence/lexicon.h"
#include "sentence/sentence_debug.h"

void SentenceTest::SetUp() {
    InitVocabulary();
    platform::SetSeed(platform::StartSeed);
    SilenceSentenceDebug();
}

void SentenceTest::TearDown() {
    SetSentenceDebugSink(nullptr);
    InitVocabulary();
}

std::string U8(const String& text) { return platform::ToUtf8(text); }

std::uint32_t UnPasPlusLoin(std::uint32_t graine) { return graine * 1664525u + 1013904223u; }

std::vector<std::pair<const StringArray*, FlagArray*>> Categories(bool avecQui) {
    std::vector<std::pair<const StringArray*, FlagArray*>> c = {
        {&PersosTous, &PersosCoches},
        {&HabitsTous, &HabitsCoches},
        {&ChapeauxTous, &ChapeauxCoches},
        {&ObjetsUneMainTous, &ObjetsUneMainCoches},
        {&ObjetsDeuxMainsTous, &ObjetsDeuxMainsCoches},
        {&AnimauxTous, &AnimauxCoches},
        {&CouleursTous, &CouleursCoches},
        {&VerbesIntransitifsTous, &VerbesIntransitifsCoches},
        {&VerbeJouerMusiqueTous, &VerbeJouerMusiqueCoches},
        {&VerbeRegarderTous, &VerbeRegarderCoches},
        {&VerbeLancerTous, &VerbeLancerCoches},
        {&VerbeSouleverTous, &VerbeSouleverCoches},
        {&VerbeTenirTous, &VerbeTenirCoches},
        {&VerbePromenerTous, &VerbePromenerCoches},
        {&VerbePoursuivreTous, &VerbePoursuivreCoches},
        {&VerbesLancerSurATous, &VerbesLancerSurACoches},
        {&VerbePorterSurEpaulesTous, &VerbePorterSurEpaulesCoches},
        {&VerbePorterHabitTous, &VerbePorterHabitCoches}};
    if (avecQui)
        c.insert(c.begin() + 7, {&QuiTous, &QuiCoches});
    return c;
}

std::vector<FlagArray*> ToutesLesCases(bool avecQui) {
    std::vector<FlagArray*> cases;
    for (const auto& [tous, coches] : Categories(avecQui))
        cases.push_back(coches);
    return cases;
}

void ToutDecocher(FlagArray& coches) { std::fill(coches.begin(), coches.end(), false); }

void AucunVerbe() {
    const auto cases = ToutesLesCases();
    for (auto it = cases.begin() + 7; it != cases.end(); ++it)
        ToutDecocher(**it);
}

std::vector<int*> NiveauxDOptions() {
    return {&queok,       &passiveok, &emphatiqueok,  &expansiongn1ok,   &expansiongn2ok,
            &adjectifsok, &codok,     &renversableok, &renversablegn1ok, &renversablegn2ok};
}

std::vector<bool*> SousOptions() {
    return {&PassiveEnchasseeOk, &PassiveFinOk,  &OrdreVerbeSujetOk,
            &OrdreSujetVerbeOk,  &AccentAgentOk, &AccentPatientOk};
}

void OptionsDeTableauAuHasard(std::mt19937& hasard, bool formesDemandees) {
    InitVocabulary();
    TireSynonymes();
    std::uniform_int_distribution<int> niveau(0, 2), taille(0, 3), mode(0, 3), piece(0, 9);
    for (FlagArray* cases : ToutesLesCases())
        for (std::size_t i = 0; i < cases->size(); ++i)
            (*cases)[i] = piece(hasard) < 7;
    for (int* n : NiveauxDOptions())
        *n = niveau(hasard);
    if (formesDemandees) {
        passiveok = 1 + piece(hasard) % 2;
        queok = 1 + piece(hasard) % 2;
        adjectifsok = 2;
    }
    for (bool* b : SousOptions())
        *b = piece(hasard) < 6;
    nombredanimations = taille(hasard);
    nombredephrases = taille(hasard);
    modedejeu = mode(hasard);
    choixvariations = piece(hasard) < 5 ? 0 : 1;
    seuilvariation = choixvariations == 0 ? 0.7f : 0.3f;
}

namespace {

using RoleField = String StructureAction::*;
using FlagField = bool StructureAction::*;

const RoleField ChampsDesRoles[] = {
    &StructureAction::GroupeNominal1,           &StructureAction::GroupeNominalAdjectif1,
    &StructureAction::VerbeComplement1,         &StructureAction::ObjetComplement1,
    &StructureAction::ObjetComplementAdjectif1, &StructureAction::Action,
    &StructureAction::GroupeNominal2,           &StructureAction::GroupeNominalAdjectif2,
    &StructureAction::VerbeComplement2,         &StructureAction::ObjetComplement2,
    &StructureAction::ObjetComplementAdjectif2, &StructureAction::ObjetDonneLance1,
    &StructureAction::ObjetDonneLance2};

const std::pair<const char16_t*, FlagField> Formes[] = {
    {u"PassiveOuQue", &StructureAction::PassiveOuQue},
    {u"Passive", &StructureAction::Passive},
    {u"RelativeQue", &StructureAction::RelativeQue},
    {u"PassiveALaFin", &StructureAction::PassiveALaFin},
    {u"Presentatif", &StructureAction::Presentatif},
    {u"OrdreVerbeSujet", &StructureAction::OrdreVerbeSujet},
    {u"AccentSurAgent", &StructureAction::AccentSurAgent}};

} // namespace

const std::vector<String> NomsDesRoles = {
    u"GroupeNominal1",   u"GroupeNominalAdjectif1",   u"VerbeComplement1",
    u"ObjetComplement1", u"ObjetComplementAdjectif1", u"Action",
    u"GroupeNominal2",   u"GroupeNominalAdjectif2",   u"VerbeComplement2",
    u"ObjetComplement2", u"ObjetComplementAdjectif2", u"ObjetDonneLance1",
    u"ObjetDonneLance2"};

const std::vector<String> NomsCourts = {u"GN1",    u"Adj1",   u"VC1",   u"OC1", u"OCAdj1",
                                        u"Action", u"GN2",    u"Adj2",  u"VC2", u"OC2",
                                        u"OCAdj2", u"Lance1", u"Lance2"};

std::vector<String> Roles(const StructureAction& s) {
    std::vector<String> roles;
    for (RoleField champ : ChampsDesRoles)
        roles.push_back(s.*champ);
    return roles;
}

std::map<String, String> RolesParNom(const StructureAction& s) {
    std::map<String, String> roles;
    for (std::size_t i = 0; i < NomsDesRoles.size(); ++i)
        roles[NomsDesRoles[i]] = s.*ChampsDesRoles[i];
    return roles;
}

String DrapeauxVrais(const StructureAction& s) {
    const std::vector<std::pair<const char16_t*, bool>> drapeaux = {
        {u"SujetPresent", s.SujetPresent},
        {u"PropositionPrincipale", s.PropositionPrincipale},
        {u"Complement1Complet", s.Complement1Complet},
        {u"Complement1PresqueComplet", s.Complement1PresqueComplet},
        {u"Complement1Incomplet", s.Complement1Incomplet},
        {u"ActionPresente", s.ActionPresente},
        {u"GN2Present", s.GN2Present},
        {u"Complement2Complet", s.Complement2Complet},
        {u"Complement2PresqueComplet", s.Complement2PresqueComplet},
        {u"Complement2Incomplet", s.Complement2Incomplet},
        {u"GN2Incomplet", s.GN2Incomplet}};
    String vrais;
    for (const auto& [nom, valeur] : drapeaux)
        if (valeur)
            vrais += (vrais.empty() ? u"" : u" ") + String(nom);
    return vrais;
}

std::string Resume(const StructureAction& s) {
    std::string r;
    for (const String& role : Roles(s))
        r += U8(role) + ",";
    r += std::to_string(s.NombrePersos);
    for (bool b : {s.PassiveOuQue, s.Passive, s.RelativeQue, s.PassiveALaFin, s.Presentatif,
                   s.OrdreVerbeSujet, s.AccentSurAgent, s.Immobile})
        r += b ? "1" : "0";
    return r;
}

StructureAction Structure(const String& description) {
    StructureAction s;
    for (const String& element : platform::Split(description, u";")) {
        if (element.empty())
            continue;
        const int egal = platform::Find(element, u"=");
        const String nom = egal < 0 ? element : platform::Left(element, egal);
        bool trouve = false;
        for (std::size_t i = 0; i < NomsDesRoles.size() && egal >= 0; ++i)
            if (NomsDesRoles[i] == nom || NomsCourts[i] == nom) {
                s.*ChampsDesRoles[i] = element.substr(static_cast<std::size_t>(egal) + 1);
                trouve = true;
            }
        for (const auto& [forme, champ] : Formes)
            if (egal < 0 && nom == forme)
                trouve = s.*champ = true;
        // A misspelt field would silently test another sentence.
        if (!trouve)
            throw std::invalid_argument("unknown structure field " + U8(nom));
    }
    return s;
}

std::map<String, String> RolesDecrits(const String& description) {
    std::map<String, String> roles;
    for (const String& element : platform::Split(description, u";")) {
        const int egal = platform::Find(element, u"=");
        for (std::size_t i = 0; i < NomsDesRoles.size() && egal >= 0; ++i)
            if (NomsDesRoles[i] == platform::Left(element, egal) ||
                NomsCourts[i] == platform::Left(element, egal))
                roles[NomsDesRoles[i]] = element.substr(static_cast<std::size_t>(egal) + 1);
    }
    return roles;
}

StringArray Mots(const String& texte) { return platform::Split(texte, u","); }

String CouleurAttendue(const String& couleur, bool feminin) {
    static const std::map<String, String> feminins = {{u"bleu", u"bleue"},
                                                      {u"vert", u"verte"},
                                                      {u"gris", u"grise"},
                                                      {u"violet", u"violette"},
                                                      {u"blanc", u"blanche"}};
    const auto it = feminins.find(couleur);
    return feminin && it != feminins.end() ? it->second : couleur;
}

std::string PresentatifEquivoqueDansLeTexte(const StructureAction& s, const String& texte) {
    if (!platform::StartsWith(texte, u"C'est "))
        return "";
    int pronoms = 0;
    for (const String& mot : platform::Split(platform::Replace(texte, u".", u""), u" "))
        pronoms += mot == u"qui" || mot == u"que" || platform::StartsWith(mot, u"qu'") ||
                   mot == u"lequel" || mot == u"laquelle";
    // The noun put forward: the agent, also after "C'est par"; the patient in the other passive
    // and in the "que" forms.
    const bool agentEnAvant = (!s.Passive && !s.RelativeQue) || (s.Passive && s.AccentSurAgent);
    const String& clauseDeLAutre = agentEnAvant ? s.VerbeComplement2 : s.VerbeComplement1;
    const int attendus = 1 + (clauseDeLAutre.empty() ? 0 : 1);
    if (pronoms == attendus)
        return "";
    return std::to_string(pronoms) + " relative pronouns for " + std::to_string(attendus) +
           " clauses: " + U8(texte);
}
