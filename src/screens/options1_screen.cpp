// Options screen 1: the example, the playfields, the 35 widgets, and the display of the options.
#include "screens/options1_screen.h"

#include <algorithm>
#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/playfield.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/check_box.h"
#include "gui/label.h"
#include "gui/text_field.h"
#include "platform/diag.h"
#include "puppets/decor_playfields.h"
#include "screens/menu_message.h"
#include "sentence/generation.h"
#include "sentence/lexicon.h"
#include "sentence/realisation.h"
#include "sentence/vocabulary.h"

std::shared_ptr<iEngineOptions1> ecranoptions1;

namespace {

// Widgets placed after the previous one share its row; a new row starts this far below it.
constexpr int EcartLignes = 20;
// Wrapping width of the example sentence, less when it would run past the canvas' right edge.
constexpr float LargeurExemple = 1000;
constexpr float MargeDroite = 12;
// The relatives' row, whose heading is the widest beside a column of boxes, and the least
// room kept between a heading and that column.
constexpr char16_t TitreQue[] =
    u"relatives en «\u00A0que\u00A0» / «\u00A0sur lequel/laquelle\u00A0»";
constexpr float BoutonQueX = 52;
constexpr int EcartTitreQue = 28;
constexpr float EcartColonne = 20;

constexpr CouleursBouton CouleursTroisEtats = {{43, 66, 97}, {240, 250, 230}, {240, 250, 230}};
constexpr CouleursBouton CouleursExemple = {{247, 194, 92}, {240, 250, 230}, {240, 250, 230}};
constexpr CouleursBouton CouleursRetour = {{117, 160, 205}, {210, 240, 220}, {210, 240, 220}};

template <class Widget>
std::shared_ptr<Widget> NouveauSur(const std::shared_ptr<iPlayfield>& playfield) {
    auto widget = std::make_shared<Widget>();
    widget->New();
    widget->SetPlayfield(playfield);
    return widget;
}

} // namespace

int iEngineOptions1::OnCreate() {
    GenereStructureAction(StructureExemple, true, false);
    TireSynonymes();
    PhraseExemple = SansReperesElephants(PhraseDeStructure(true, StructureExemple, false));
    platform::Print(PhraseExemple);

    ConstruitFondEtDecor(22, 89, 45, 27, 94, 50);

    // A three-state button at x, on the first row (y given) or below the row above.
    const auto troisEtats = [this](int option, float x, float y) {
        auto bouton = NouveauSur<iGuiButton3Choix>(decor);
        HabilleBouton(*bouton, u"petitbouton1a.png", fontoregano30, u"", CouleursTroisEtats);
        bouton->x = x;
        bouton->baseX = x;
        bouton->baseWidth = bouton->Width();
        if (y > 0) {
            bouton->y = y;
        } else {
            bouton->PlaceBelowPrevious(EcartLignes);
        }
        bouton->SetState(option);
        return bouton;
    };
    // A heading, right of the previous widget, on its row.
    const auto titre = [this](const char16_t* texte, int ecart) {
        auto label = NouveauSur<iGuiLabel>(decor);
        label->SetFont(fontoregano30);
        label->SetText(texte);
        // The furniture drifts under the white text: a dark rim keeps it readable.
        label->outline.on = true;
        // Thinner on the small letters, which a wide rim would blur.
        label->outline.width = 1.25f;
        label->outline.alpha = 0.7f;
        label->PlaceRightOfPrevious(ecart);
        return label;
    };
    // A box right of the previous widget, or in the column of the rows above.
    const auto caseACocher = [this](int ecart, const iGuiObject* colonne, float y) {
        auto box = NouveauSur<iGuiCheckBox2>(decor);
        box->SetImage(0, imgcheckbox1);
        box->SetImage(1, imgcheckbox2);
        if (colonne) {
            box->x = colonne->x;
            box->y = y;
        } else {
            box->PlaceRightOfPrevious(ecart);
        }
        return box;
    };

    BoutonCod = troisEtats(codok, 45, 10);
    TexteCod = titre(u"phrase de base avec agent et avec patient", 25);
    BoutonExpansionGN1 = troisEtats(expansiongn1ok, 50, 0);
    TexteExpansionGN1 = titre(u"extensions de l'agent", 20);
    BoutonExpansionGN2 = troisEtats(expansiongn2ok, 47, 0);
    TexteExpansionGN2 = titre(u"extensions du patient", 23);
    BoutonAdjectifs = troisEtats(adjectifsok, 52, 0);
    TexteAdjectifs = titre(u"adjectifs", 18);
    BoutonRenversable = troisEtats(renversableok, 45, 0);
    TexteRenversable = titre(u"phrase de base renversable", 25);
    BoutonRenversableGN1 = troisEtats(renversablegn1ok, 50, 0);
    TexteRenversableGN1 = titre(u"complément de l'agent renversable", 20);
    BoutonRenversableGN2 = troisEtats(renversablegn2ok, 44, 0);
    TexteRenversableGN2 = titre(u"complément du patient renversable", 28);
    BoutonPassive = troisEtats(passiveok, 44, 0);
    TextePassive = titre(u"phrases passives et assimilées", 28);
    const auto largeur = [](const char16_t* texte) {
        return fontoregano30 ? fontoregano30->TextWidth(texte, 1.0f) : 0.0f;
    };
    // The first column of boxes stands 120 right of this heading, and clear of the longer
    // heading of the relatives' row, whose guillemets take room.
    const float finQue = BoutonQueX + BoutonPassive->Width() + EcartTitreQue + largeur(TitreQue);
    const float colonne = TextePassive->x + TextePassive->Width() + 120;
    CasePassiveEnchassee = caseACocher(
        120 + static_cast<int>(std::ceil(std::max(0.0f, finQue + EcartColonne - colonne))), nullptr,
        0);
    TextePassiveEnchassee = titre(u"passive enchâssée", 4);
    // The second column of boxes keeps 40 clear of the widest label of the first column, not
    // only of the first row's.
    const float debord = std::max({largeur(u"passive enchâssée"), largeur(u"ordre = verbe-sujet"),
                                   largeur(u"accent mis sur l'agent")}) -
                         largeur(u"passive enchâssée");
    CasePassiveFin = caseACocher(40 + static_cast<int>(std::ceil(debord)), nullptr, 0);
    TextePassiveFin = titre(u"passive en fin de phrase", 4);
    BoutonQue = troisEtats(queok, BoutonQueX, 0);
    TexteQue = titre(TitreQue, EcartTitreQue);
    CaseOrdreVerbeSujet = caseACocher(0, CasePassiveEnchassee.get(), BoutonQue->y);
    TexteOrdreVerbeSujet = titre(u"ordre = verbe-sujet", 4);
    CaseOrdreSujetVerbe = caseACocher(0, CasePassiveFin.get(), BoutonQue->y);
    TexteOrdreSujetVerbe = titre(u"ordre = sujet-verbe", 4);
    BoutonEmphatique = troisEtats(emphatiqueok, 46, 0);
    TexteEmphatique = titre(u"emphatiques", 28);
    CaseAccentAgent = caseACocher(0, CasePassiveEnchassee.get(), BoutonEmphatique->y);
    TexteAccentAgent = titre(u"accent mis sur l'agent", 4);
    CaseAccentPatient = caseACocher(0, CasePassiveFin.get(), BoutonEmphatique->y);
    TexteAccentPatient = titre(u"accent mis sur le patient", 4);

    Boutons = {{BoutonExpansionGN1, &expansiongn1ok},
               {BoutonExpansionGN2, &expansiongn2ok},
               {BoutonAdjectifs, &adjectifsok},
               {BoutonCod, &codok},
               {BoutonRenversable, &renversableok},
               {BoutonRenversableGN1, &renversablegn1ok},
               {BoutonRenversableGN2, &renversablegn2ok},
               {BoutonPassive, &passiveok},
               {BoutonQue, &queok},
               {BoutonEmphatique, &emphatiqueok}};
    Cases = {{CasePassiveEnchassee, &PassiveEnchasseeOk}, {CasePassiveFin, &PassiveFinOk},
             {CaseOrdreVerbeSujet, &OrdreVerbeSujetOk},   {CaseOrdreSujetVerbe, &OrdreSujetVerbeOk},
             {CaseAccentAgent, &AccentAgentOk},           {CaseAccentPatient, &AccentPatientOk}};
    AfficheCases();

    BoutonExemple = NouveauBouton(decor, u"petitbouton1a.png", fontoregano30, u">> exemple <<",
                                  CouleursExemple);
    BoutonExemple->x = 44;
    PoseBouton(*BoutonExemple);
    BoutonExemple->PlaceBelowPrevious(33);

    ChampExemple = NouveauSur<iGuiTextField>(decor);
    ChampExemple->SetFont(fontoregano30);
    ChampExemple->SetText(PhraseExemple);
    ChampExemple->outline.on = true;
    ChampExemple->outline.width = 1.25f;
    ChampExemple->outline.alpha = 0.7f;
    ChampExemple->PlaceRightOfPrevious(28);
    ChampExemple->SetWidth(std::min(LargeurExemple, CanvasWidth - ChampExemple->x - MargeDroite));

    BoutonRetour =
        NouveauBouton(decor, u"grosbouton1a.png", fontoregano48, u"retour", CouleursRetour);
    BoutonRetour->SetXPercent(50);
    PoseBouton(*BoutonRetour);
    BoutonRetour->PlaceBelowPrevious(30);

    MessageEchec = CreeMessageMenu(decor);
    return 0;
}

int iEngineOptions1::AfficheOptions() {
    const std::shared_ptr<iGuiButton3Choix> boutons[] = {
        BoutonCod,         BoutonExpansionGN1,   BoutonExpansionGN2,   BoutonAdjectifs,
        BoutonRenversable, BoutonRenversableGN1, BoutonRenversableGN2, BoutonPassive,
        BoutonQue,         BoutonEmphatique};
    const int niveaux[] = {codok,         expansiongn1ok,   expansiongn2ok,   adjectifsok,
                           renversableok, renversablegn1ok, renversablegn2ok, passiveok,
                           queok,         emphatiqueok};
    for (std::size_t i = 0; i < std::size(boutons); ++i) {
        boutons[i]->SetState(niveaux[i]);
    }
    platform::Print(platform::Str(codok));
    platform::Print(platform::Str(expansiongn1ok));
    platform::Print(platform::Str(expansiongn2ok));
    AfficheCases();
    return 0;
}

void iEngineOptions1::AfficheCases() {
    for (const auto& [box, option] : Cases) {
        box->SetChecked(*option ? 1 : 0);
    }
}

int iEngineOptions1::ChoixSuivant(iGuiButton3Choix& bouton, int etat) {
    const int suivant = etat == 2 ? 0 : etat + 1;
    bouton.SetState(suivant);
    return suivant;
}
