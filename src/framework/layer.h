#pragma once
// A layer of a playfield: it holds layer objects (in one cell), has its own alpha and colour
// factors and its own parallax against the playfield camera, is updated once per logic step and
// drawn by its playfield.
#include <memory>
#include <vector>

#include "framework/graphics_state.h"
#include "framework/object.h"

class iLayer : public iEngineObject {
  public:
    bool visible = true;
    // The graphics state saved when the layer's drawing began.
    std::shared_ptr<iStack2D> savedState;
    // How much of the playfield camera moves this layer.
    float parallaxX = 1.0f;
    float parallaxY = 1.0f;
    // Columns of rows of cells; every layer has exactly one cell, (0, 0).
    std::vector<std::vector<std::shared_ptr<iList3>>> cells;
    // Stamp of the logic step that last updated it (a shared layer is updated once per step).
    int lastFrame = 0;
    float alpha = 1.0f;
    float colorFactor = 1.0f;

    void FindByName(const String& searched) override;
    void CollectByName(const String& searched, iObjectList& list) override;
    void Remove() override;
    void Destroy() override;

    // Stamps the creation frame, becomes the current engine's default layer, makes the cell.
    std::shared_ptr<iLayer> Init();
    void SetAsCurrent();
    void EnsureCells();
    int ColumnCount() const { return static_cast<int>(cells.size()); }
    int RowCount() const { return cells.empty() ? 0 : static_cast<int>(cells[0].size()); }
    bool IsGrid() const { return ColumnCount() > 1 || RowCount() > 1; }
    float ParallaxX() const { return parallaxX; }
    float ParallaxY() const { return parallaxY; }
    // The objects of cell (0, 0); none before EnsureCells.
    iList3* Cell();

    // Places an object in the cell and makes this its layer.
    void AddObject(const std::shared_ptr<iLayerObject>& object);

    void CacheBoundsAll();
    void UpdateObjects();
    void RenderObjects();
    // Drawn as a playfield draws it: saved state, parallax translation, objects.
    void Render();
};
