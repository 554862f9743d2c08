#pragma once
// The drawing order of a playfield's widgets by depth.
class iPlayfield;

// Every GUI page of the playfield sorted by z, largest first, so the deepest widgets are drawn
// under the others; widgets of equal depth keep their order. The flag is kept for the callers
// and changes nothing.
void TriePagesGui(iPlayfield& playfield, bool flag = false);
