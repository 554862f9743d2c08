#include "framework/layer.h"

#include "framework/engine.h"
#include "framework/layer_object.h"
#include "framework/playfield.h"
#include "platform/graphics.h"

void iLayer::FindByName(const String& searched) {
    iObject::FindByName(searched);
    if (iList3* cell = Cell()) {
        for (int i = 0; i < cell->Count(); ++i) {
            cell->Get(i)->FindByName(searched);
        }
    }
}

void iLayer::CollectByName(const String& searched, iObjectList& list) {
    iObject::CollectByName(searched, list);
    if (iList3* cell = Cell()) {
        for (int i = 0; i < cell->Count(); ++i) {
            cell->Get(i)->CollectByName(searched, list);
        }
    }
}

void iLayer::Remove() {
    // The lists below may hold the last other reference.
    auto self = SelfAs<iEngineObject>();
    status = 0;
    if (skipRemoveWork != 0) {
        return;
    }
    if (CurrentEngine) {
        iList& playfields = CurrentEngine->playfields;
        for (int i = 0; i < playfields.Count(); ++i) {
            playfields.Get(i)->layers.Remove(this);
        }
    }
    if (destroyOnRemove && self) {
        AddToDestroyList(self);
    }
}

void iLayer::Destroy() {
    if (!cells.empty() && !cells[0].empty()) {
        cells[0][0].reset();
    }
}

std::shared_ptr<iLayer> iLayer::Init() {
    iEngineObject::New();
    SetAsCurrent();
    EnsureCells();
    return SelfAs<iLayer>();
}

void iLayer::SetAsCurrent() {
    if (CurrentEngine) {
        CurrentEngine->defaultLayer = SelfAs<iLayer>();
    }
}

void iLayer::EnsureCells() {
    cells.resize(1);
    if (cells[0].empty()) {
        cells[0].resize(1);
    }
    if (!cells[0][0]) {
        cells[0][0] = std::make_shared<iList3>();
    }
}

iList3* iLayer::Cell() {
    if (cells.empty() || cells[0].empty()) {
        return nullptr;
    }
    return cells[0][0].get();
}

void iLayer::AddObject(const std::shared_ptr<iLayerObject>& object) {
    if (!object) {
        return;
    }
    EnsureCells();
    object->layer = SelfAs<iLayer>();
    object->cellColumn = 0;
    object->cellRow = 0;
    cells[0][0]->AddLast(object);
}

void iLayer::CacheBoundsAll() {
    iList3* cell = Cell();
    if (cell == nullptr) {
        return;
    }
    for (auto object = cell->First(); object; object = cell->Next()) {
        object->CacheBounds();
    }
}

void iLayer::UpdateObjects() {
    iList3* cell = Cell();
    if (cell == nullptr) {
        return;
    }
    // Held by the local list: an object's update may remove it from the cell.
    auto keep = cells[0][0];
    for (auto object = cell->First(); object; object = cell->Next()) {
        if (object->status == 1) {
            object->Update();
        } else {
            object->UpdateWaiting();
            if (object->status > 1) {
                object->status -= 1;
            }
        }
    }
}

void iLayer::RenderObjects() {
    iList3* cell = Cell();
    if (cell == nullptr) {
        return;
    }
    auto keep = cells[0][0];
    for (auto object = cell->First(); object; object = cell->Next()) {
        if (object->status == 1 && object->visible) {
            object->Render();
        }
    }
}

void iLayer::Render() {
    savedState = PushGraphicsState();
    if (parallaxX != 0 || parallaxY != 0) {
        // The camera of the playfield that the engine is drawing.
        std::shared_ptr<iPlayfield> playfield =
            CurrentEngine ? CurrentEngine->currentPlayfield : nullptr;
        if (playfield && playfield->scaleX != 0 && playfield->scaleY != 0) {
            platform::Translate(playfield->x / playfield->scaleX - playfield->cameraX * parallaxX,
                                playfield->y / playfield->scaleY - playfield->cameraY * parallaxY);
        }
    }
    RenderObjects();
    PopGraphicsState();
}
