#pragma once
// Where the games take over from the menus, which reach these through the screen hand-over
// (gui/screen_handover.h) that the application fills. Each function starts one game with the
// board settings as the menus left them (modedejeu, nombredetours, nombredephrases,
// nombredanimations, choixvariations, seuilvariation): it creates the game's scene, builds it
// (Create), keeps it in the game's scene global and switches to it. The caller has set those
// globals already and does not touch NouvelEcran.

// The matching game (modedejeu 0 or 1) or the word-order game (2): the main game scene, kept in
// engine1.
void LanceSceneGlobale();
// The build-a-sentence game (modedejeu 3): its scene, kept in ecranchoixdephrase.
void LancePhraseAuChoix();
