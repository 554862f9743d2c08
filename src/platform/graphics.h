#pragma once
// The graphics device: colour, alpha, blend, a 2D matrix with its stack, a scissor with a
// top-left origin, clear, batched drawing of images and shapes, and read-back. One device is
// current; the free functions below draw through it. The OpenGL device draws for real; the
// recording device keeps the same state machine and records each draw for tests.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/image.h"
#include "platform/text.h"

namespace platform {

// ix, iy, jx, jy, tx, ty: (x, y) -> (ix*x + jx*y + tx, iy*x + jy*y + ty).
struct Matrix2D {
    float ix = 1, iy = 0, jx = 0, jy = 1, tx = 0, ty = 0;
    // this * other: `other` applies first to a point.
    Matrix2D operator*(const Matrix2D& other) const;
    void Apply(float x, float y, float& outX, float& outY) const;
    bool IsIdentity() const;
};

struct ScissorRect {
    float x = 0, y = 0, w = 0, h = 0;
};

// One recorded draw (the recording device) or one batch entry. Points, after the matrix:
// Rect and ImageDraw the four corners (top-left, top-right, bottom-right, bottom-left of the
// unrotated shape), Line its two ends, Point the point, Poly its vertices, Oval its outline,
// Text the corners of the text box, Clear the corners of the scissor.
struct DrawCommand {
    enum Kind { Clear, Rect, Oval, Line, Poly, Point, ImageDraw, Text } kind = Rect;
    String image;  // resolved file name of the image, for ImageDraw
    int frame = 0;
    std::vector<float> points; // transformed corner points x0, y0, x1, y1, ...
    std::array<float, 3> color{255, 255, 255};
    float alpha = 1;
    int blend = 0;
    ScissorRect scissor;
    String text;
};

class GraphicsDevice {
  public:
    virtual ~GraphicsDevice() = default;

    // Frame: BeginFrame resets the state (identity, white, alpha 1, blend 0, scissor = window,
    // empty matrix stack). EndFrame flushes.
    virtual void BeginFrame(int width, int height);
    virtual void EndFrame();
    int DeviceWidth() const { return width_; }
    int DeviceHeight() const { return height_; }
    // Also resets the scissor to the whole window.
    void SetDeviceSize(int width, int height);

    // State. Colour 0..255 (clamped), alpha 0..1 (clamped); blend 1 additive, else alpha.
    void SetColor(float r, float g, float b);
    std::array<float, 3> GetColor() const { return color_; }
    void SetAlpha(float a);
    float GetAlpha() const { return alpha_; }
    void SetBlend(int mode);
    int GetBlend() const { return blend_; }

    // Matrix: each operation multiplies on the right.
    void Translate(float x, float y);
    void Scale(float sx, float sy);
    // Degrees; positive turns counter-clockwise on the y-down screen.
    void Rotate(float degrees);
    void Transform(const Matrix2D& m);
    void PushMatrix();
    void PopMatrix(); // an unmatched pop does nothing
    const Matrix2D& GetMatrix() const { return matrix_; }
    void SetMatrix(const Matrix2D& m);

    // Window pixels, top-left origin, clamped to the window.
    void SetScissor(float x, float y, float w, float h);
    ScissorRect GetScissor() const { return scissor_; }

    // Fills the scissor rectangle; components 0..1, clamped. Ignores blend, matrix and tint.
    void Cls(float r, float g, float b, float a = 1.0f);
    void Flush();

    void DrawRect(float x, float y, float w, float h);
    void DrawOval(float x, float y, float w, float h);
    void DrawEllipse(float cx, float cy, float rx, float ry);
    void DrawLine(float x1, float y1, float x2, float y2);
    // x1, y1, x2, y2, ...; drawn as a fan from the first vertex.
    void DrawPoly(const std::vector<float>& points);
    void DrawPoint(float x, float y);

    // Frame pixel p lands at M * T(x, y) * R(rotation) * S(sx, sy) * (p - handle).
    // A null or empty image, or a frame out of range, draws nothing.
    void DrawImage(const ImagePtr& image, float x, float y, int frame = 0);
    void DrawImageTransformed(const ImagePtr& image, float x, float y, float rotation,
                              float scaleX, float scaleY, int frame = 0);
    // Only the source rectangle of the frame, as a whole image of that size whose handle is
    // the image's handle measured from the rectangle's top-left corner.
    void DrawImageRect(const ImagePtr& image, float x, float y, float srcX, float srcY,
                       float srcW, float srcH, float rotation = 0, float scaleX = 1,
                       float scaleY = 1, int frame = 0);
    // Debug text in a small built-in font (codes 32..127); align 0 left/top, 1 right/bottom.
    void DrawText(const String& text, float x, float y, float alignX = 0, float alignY = 0);

    // Bottom-left origin; 4 bytes per pixel in the order blue, green, red, alpha; rows bottom
    // first. Pixels outside the window read as 0.
    virtual std::vector<std::uint8_t> ReadPixels(int x, int yFromBottom, int w, int h) = 0;

  protected:
    struct Vertex {
        float x, y, u, v;
        std::uint8_t r, g, b, a;
    };
    // The backend's part: draw triangles (texture may be null), clear, apply scissor/blend.
    // Textured vertices carry u, v in pixels of the surface; colours are premultiplied.
    // `info` gives the blend and scissor of the whole batch (and, unbatched, the draw itself).
    virtual void SubmitTriangles(const std::shared_ptr<Surface>& texture,
                                 const std::vector<Vertex>& vertices, const DrawCommand& info) = 0;
    virtual void ClearRect(const ScissorRect& rect, float r, float g, float b, float a) = 0;
    // A device that records every draw on its own says false: nothing is merged.
    virtual bool BatchesDraws() const { return true; }

    std::array<float, 3> color_{255, 255, 255};
    float alpha_ = 1;
    int blend_ = 0;
    Matrix2D matrix_;
    std::vector<Matrix2D> matrixStack_;
    ScissorRect scissor_;
    int width_ = 0;
    int height_ = 0;

  private:
    void Emit(const std::shared_ptr<Surface>& texture, const DrawCommand& info);
    void EmitShape(DrawCommand::Kind kind, const float* localPoints, std::size_t localCount,
                   const float* fan, std::size_t fanCount);
    void DrawImageArea(const ImagePtr& image, float x, float y, float rotation, float scaleX,
                       float scaleY, int frame, float srcX, float srcY, float srcW, float srcH,
                       bool wholeFrame);
    // The description of the draw being made, in a record reused from draw to draw.
    DrawCommand& Describe(DrawCommand::Kind kind);
    Vertex MakeVertex(float x, float y, float u, float v) const;
    // The vertex colour of the current colour and alpha, premultiplied, worked out once.
    void UpdateTint();

    std::shared_ptr<Surface> pendingTexture_;
    std::vector<Vertex> pendingVertices_;
    DrawCommand pendingInfo_;
    // Reused by every draw, so that drawing a frame asks for no memory once the first is done.
    DrawCommand draw_;
    std::vector<Vertex> drawVertices_;
    std::vector<float> drawPoints_;
    std::vector<float> drawFan_;
    std::array<std::uint8_t, 4> tint_{255, 255, 255, 255};
};

// The device everything draws through. Not owned; nullptr means nothing is drawn.
GraphicsDevice* Graphics();
void SetGraphicsDevice(GraphicsDevice* device);

// Recording device for tests: same state machine, no GL, every draw and clear recorded in
// order (BeginFrame empties the record). ReadPixels composes the recorded clears and
// axis-aligned rectangles covering each pixel (images and other shapes are not rasterised).
class RecordingGraphics : public GraphicsDevice {
  public:
    std::vector<DrawCommand> commands;
    std::vector<std::uint8_t> ReadPixels(int x, int yFromBottom, int w, int h) override;

    void BeginFrame(int width, int height) override;

  protected:
    void SubmitTriangles(const std::shared_ptr<Surface>& texture,
                         const std::vector<Vertex>& vertices, const DrawCommand& info) override;
    void ClearRect(const ScissorRect& rect, float r, float g, float b, float a) override;
    bool BatchesDraws() const override { return false; }

  private:
    // A record to fill: one of the previous frame's, whose storage is reused, or a new one.
    DrawCommand& NewRecord();
    std::vector<DrawCommand> spare_;
};

// Free functions on the current device (no-ops without one).
void SetColor(float r, float g, float b);
std::array<float, 3> GetColor();
void SetAlpha(float a);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void Translate(float x, float y);
void Scale(float sx, float sy);
void Rotate(float degrees);
void PushMatrix();
void PopMatrix();
Matrix2D GetMatrix();
void SetMatrix(const Matrix2D& m);
void SetScissor(float x, float y, float w, float h);
ScissorRect GetScissor();
void Cls(float r, float g, float b, float a = 1.0f);
void Flush();
void DrawRect(float x, float y, float w, float h);
void DrawOval(float x, float y, float w, float h);
void DrawEllipse(float cx, float cy, float rx, float ry);
void DrawLine(float x1, float y1, float x2, float y2);
void DrawPoly(const std::vector<float>& points);
void DrawPoint(float x, float y);
void DrawImage(const ImagePtr& image, float x, float y, int frame = 0);
void DrawImageTransformed(const ImagePtr& image, float x, float y, float rotation, float scaleX,
                          float scaleY, int frame = 0);
void DrawImageRect(const ImagePtr& image, float x, float y, float srcX, float srcY, float srcW,
                   float srcH, float rotation = 0, float scaleX = 1, float scaleY = 1,
                   int frame = 0);
void DrawText(const String& text, float x, float y, float alignX = 0, float alignY = 0);
std::vector<std::uint8_t> ReadPixels(int x, int yFromBottom, int w, int h);

} // namespace platform
