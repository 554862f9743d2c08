#pragma once
// The look of every puppet before a terrain is staged: skin, hair, body type, garment, sleeves,
// hair variant, hat and colours. What the sentence names for a person, that person wears;
// anything else is drawn at random, and drawn again while it repeats a garment or hat that the
// sentence names for another person. The choices go into `choix` and the colours; the dressing
// turns them into pictures.
//
// Words are passed by value: emptying one inside a choice leaves the caller's word alone. A
// missing structure counts as an empty one; an empty puppet slot is skipped.
#include "platform/text.h"
#include "puppets/colour_words.h"
#include "puppets/pantin.h"
#include "sentence/structure_action.h"

// How many draws a garment or hat choice makes at most. A sentence can force a choice that
// clashes with the other person's named one in every draw; the last draw then stands.
inline constexpr int EssaisHabillage = 50;

// The class of a garment word, or the index of a hat word, compared with a puppet's choice;
// 0 for any other word, the empty one included.
int IndiceVetement(const String& mot);

// Every puppet of the terrain that the structure names.
void HabilleLesPersos(ListePersos& persos, const StructureAction* structure);
// One puppet, `perso` (persos[index] on a terrain), for the person word.
void HabillePerso(ListePersos& persos, const StructureAction* structure, Pantin& perso, int index,
                  const String& motPerso, String habit1, String habit2, String couleurHabit1,
                  String couleurHabit2, String chapeau1, String chapeau2, String couleurChapeau1,
                  String couleurChapeau2);
// Garment class, sleeves and garment colour of persos[index].
void ChoisitHabit(ListePersos& persos, int index, const StructureAction* structure, String habit1,
                  String habit2, String couleurHabit1, String couleurHabit2);
// Hat index and hat colour of persos[index].
void ChoisitChapeau(ListePersos& persos, int index, const StructureAction* structure,
                    String chapeau1, String chapeau2, String couleurChapeau1,
                    String couleurChapeau2);

// The same operations as members, for the game scene, which owns or derives from this host.
// They use nothing of the scene.
struct PuppetDressingHost {
    void HabilleLesPersos(ListePersos& terrain, const StructureAction* structure) const {
        ::HabilleLesPersos(terrain, structure);
    }
    void HabillePerso(ListePersos& terrain, const StructureAction* structure, Pantin& perso,
                      int index, const String& motPerso, String habit1, String habit2,
                      String couleurHabit1, String couleurHabit2, String chapeau1, String chapeau2,
                      String couleurChapeau1, String couleurChapeau2) const {
        ::HabillePerso(terrain, structure, perso, index, motPerso, habit1, habit2, couleurHabit1,
                       couleurHabit2, chapeau1, chapeau2, couleurChapeau1, couleurChapeau2);
    }
    void ChoisitHabit(ListePersos& terrain, int index, const StructureAction* structure,
                      String habit1, String habit2, String couleurHabit1,
                      String couleurHabit2) const {
        ::ChoisitHabit(terrain, index, structure, habit1, habit2, couleurHabit1, couleurHabit2);
    }
    void ChoisitChapeau(ListePersos& terrain, int index, const StructureAction* structure,
                        String chapeau1, String chapeau2, String couleurChapeau1,
                        String couleurChapeau2) const {
        ::ChoisitChapeau(terrain, index, structure, chapeau1, chapeau2, couleurChapeau1,
                         couleurChapeau2);
    }
    int IndiceCouleur(const String& mot) const { return ::IndiceCouleur(mot); }
    int IndiceVetement(const String& mot) const { return ::IndiceVetement(mot); }
};
