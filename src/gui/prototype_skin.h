#pragma once
// The plain look of widgets built in code without a skin file.
class iGuiObject;

// Gives the widget the default look of its class (every matching class, base classes
// included); sizes it only when w and h are both above 0, except progress bars and sliders,
// which always take their sizes from w and h.
void ApplyPrototypeSkin(iGuiObject& widget, int w, int h);
