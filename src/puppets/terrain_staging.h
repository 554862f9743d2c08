#pragma once
// Staging one sentence on a terrain: the terrain joins the scene with a random room, its
// control bar is laid out for the game mode, the persons of the sentence become puppets placed
// in the room with their props, animals, action codes and targets, and their start state is
// saved for the replays. Nothing moves yet: the terrain's per-frame animation plays it.
#include <memory>

#include "puppets/clothes_choice.h"
#include "sentence/structure_action.h"

class iEngine;
class iPlayFieldTerrainAction;

// Stages `structure` on the terrain of index `indexTerrain` of a board; always 0. The terrain
// joins `scene` when there is one. Empty puppet slots get new puppets; buttons the game scene
// has not made are left out.
int FabriqueTerrain(iEngine* scene, int indexTerrain,
                    const std::shared_ptr<iPlayFieldTerrainAction>& terrain,
                    const StructureAction& structure);

// Lays out the terrain's control bar for the game mode: the full bar on the terrain that the
// board shows it on, the short one (pause, play, rewind, photo) on the others.
void DisposeBarre(int indexTerrain, const std::shared_ptr<iPlayFieldTerrainAction>& terrain);

// The host of the staging and of the choice of clothes, for the game scene, which derives from
// it and from iEngine: its terrains then join the scene itself.
class PuppetStagingHost : public PuppetDressingHost {
  public:
    virtual ~PuppetStagingHost() = default;

    int FabriqueTerrain(int indexTerrain, const std::shared_ptr<iPlayFieldTerrainAction>& terrain,
                        const StructureAction& structure) {
        return ::FabriqueTerrain(SceneDesTerrains(), indexTerrain, terrain, structure);
    }

  protected:
    // This host as an engine, when the most derived object is one; none otherwise.
    virtual iEngine* SceneDesTerrains();
};
