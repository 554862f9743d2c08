#pragma once
// iGraph: the positioned, scaled, rotated, coloured drawable; the common base of the layer
// objects and of every widget. It has two looks: the normal one and the ghost one (which doubles
// as the look of a layer object that has just been hit).
#include <cmath>

#include "framework/object.h"

class iGraph : public iEngineObject {
  public:
    bool visible = true;
    bool ghost = false;
    // Unscaled sizes.
    int height = 0;
    float scaleY = 1.0f;
    float scaleX = 1.0f;
    // Degrees; drawn multiplied by RotationSign, so positive looks clockwise.
    float rotation = 0;
    int width = 0;
    // Virtual units of the playfield.
    float x = 0;
    float y = 0;
    // The normal look.
    float alpha = 1.0f;
    float red = 255;
    float green = 255;
    float blue = 255;
    // The ghost look.
    float ghostRed = 255;
    float ghostGreen = 255;
    float ghostBlue = 255;
    int blend = 0;
    float ghostAlpha = 1.0f;
    int ghostBlend = 0;
    // Stored only.
    float z = 0;

    virtual float Height() const { return static_cast<float>(height) * scaleY; }
    virtual int SetHeight(float h) {
        height = platform::TruncToInt(h);
        return height;
    }
    virtual float Width() const { return static_cast<float>(width) * scaleX; }
    virtual int SetWidth(float w) {
        width = platform::TruncToInt(w);
        return width;
    }

    // Plain field accessors; none of them draws anything.
    void SetX(float v) { x = v; }
    float X() const { return x; }
    void SetY(float v) { y = v; }
    float Y() const { return y; }
    const iGraph& SetXFrom(const iGraph& other, float dx) {
        x = other.x + dx;
        return other;
    }
    const iGraph& SetYFrom(const iGraph& other, float dy) {
        y = other.y + dy;
        return other;
    }
    void SetScale(float s) {
        scaleX = s;
        scaleY = s;
    }
    void SetScaleX(float s) { scaleX = s; }
    void SetScaleY(float s) { scaleY = s; }
    float ScaleX() const { return scaleX; }
    float ScaleY() const { return scaleY; }
    void SetRotation(float degrees) { rotation = degrees; }
    float Rotation() const { return rotation; }
    void SetAlpha(float a) { alpha = a; }
    float Alpha() const { return alpha; }
    void SetColor(float r, float g, float b) {
        red = r;
        green = g;
        blue = b;
    }
    void SetRed(float v) { red = v; }
    float Red() const { return red; }
    void SetGreen(float v) { green = v; }
    float Green() const { return green; }
    void SetBlue(float v) { blue = v; }
    float Blue() const { return blue; }
    void SetGhostColor(float r, float g, float b) {
        ghostRed = r;
        ghostGreen = g;
        ghostBlue = b;
    }
    void SetZ(float v) { z = v; }
};
