// The graphics device shared by every backend.
//
//   1. Matrix maths
//   2. Frame, state and scissor
//   3. Batching
//   4. Primitives
//   5. Images
//   6. Debug text
//   7. Recording device
//   8. Current device and free functions
#include "platform/graphics.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <stb/stb_easy_font.h>

namespace platform {

namespace {

constexpr float DegreesToRadians = 0.017453292f;
// Long batches are sent in pieces so that a runaway loop cannot grow one array forever.
constexpr std::size_t MaxBatchVertices = 65536;

// NaN becomes the lower bound: a bad value must never reach a float-to-int conversion.
float Clamp(float value, float lo, float hi) {
    if (!(value >= lo))
        return lo;
    return value > hi ? hi : value;
}

Matrix2D TranslationMatrix(float x, float y) { return {1, 0, 0, 1, x, y}; }
Matrix2D ScaleMatrix(float sx, float sy) { return {sx, 0, 0, sy, 0, 0}; }
Matrix2D RotationMatrix(float degrees) {
    const float r = degrees * DegreesToRadians;
    const float c = std::cos(r);
    const float s = std::sin(r);
    return {c, -s, s, c, 0, 0};
}

} // namespace

// ---------------------------------------------------------------------------------------------
// 1. Matrix maths

Matrix2D Matrix2D::operator*(const Matrix2D& o) const {
    Matrix2D r;
    r.ix = ix * o.ix + jx * o.iy;
    r.iy = iy * o.ix + jy * o.iy;
    r.jx = ix * o.jx + jx * o.jy;
    r.jy = iy * o.jx + jy * o.jy;
    r.tx = ix * o.tx + jx * o.ty + tx;
    r.ty = iy * o.tx + jy * o.ty + ty;
    return r;
}

void Matrix2D::Apply(float x, float y, float& outX, float& outY) const {
    outX = ix * x + jx * y + tx;
    outY = iy * x + jy * y + ty;
}

bool Matrix2D::IsIdentity() const {
    return ix == 1 && iy == 0 && jx == 0 && jy == 1 && tx == 0 && ty == 0;
}

// ---------------------------------------------------------------------------------------------
// 2. Frame, state and scissor

void GraphicsDevice::BeginFrame(int width, int height) {
    Flush();
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    color_ = {255, 255, 255};
    alpha_ = 1;
    UpdateTint();
    blend_ = 0;
    matrix_ = Matrix2D{};
    matrixStack_.clear();
    scissor_ = {0, 0, static_cast<float>(width_), static_cast<float>(height_)};
}

void GraphicsDevice::EndFrame() { Flush(); }

void GraphicsDevice::SetDeviceSize(int width, int height) {
    Flush();
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    scissor_ = {0, 0, static_cast<float>(width_), static_cast<float>(height_)};
}

void GraphicsDevice::SetColor(float r, float g, float b) {
    color_ = {Clamp(r, 0, 255), Clamp(g, 0, 255), Clamp(b, 0, 255)};
    UpdateTint();
}

void GraphicsDevice::SetAlpha(float a) {
    alpha_ = Clamp(a, 0, 1);
    UpdateTint();
}

void GraphicsDevice::UpdateTint() {
    // Premultiplied so that it modulates premultiplied pixels correctly.
    const auto byte = [this](float c) {
        return static_cast<std::uint8_t>(std::lround(Clamp(c * alpha_, 0, 255)));
    };
    tint_ = {byte(color_[0]), byte(color_[1]), byte(color_[2]),
             static_cast<std::uint8_t>(std::lround(alpha_ * 255))};
}

void GraphicsDevice::SetBlend(int mode) {
    // Only the effective blending matters to a batch: 1 is additive, anything else normal.
    if ((mode == 1) != (blend_ == 1))
        Flush();
    blend_ = mode;
}

void GraphicsDevice::Translate(float x, float y) { matrix_ = matrix_ * TranslationMatrix(x, y); }
void GraphicsDevice::Scale(float sx, float sy) { matrix_ = matrix_ * ScaleMatrix(sx, sy); }
void GraphicsDevice::Rotate(float degrees) {
    // Most widgets and glyphs are upright: no sine or cosine for them.
    if (degrees != 0)
        matrix_ = matrix_ * RotationMatrix(degrees);
}
void GraphicsDevice::Transform(const Matrix2D& m) { matrix_ = matrix_ * m; }
void GraphicsDevice::PushMatrix() { matrixStack_.push_back(matrix_); }

void GraphicsDevice::PopMatrix() {
    if (matrixStack_.empty())
        return;
    matrix_ = matrixStack_.back();
    matrixStack_.pop_back();
}

void GraphicsDevice::SetMatrix(const Matrix2D& m) { matrix_ = m; }

void GraphicsDevice::SetScissor(float x, float y, float w, float h) {
    const float W = static_cast<float>(width_);
    const float H = static_cast<float>(height_);
    const float x0 = Clamp(x, 0, W);
    const float y0 = Clamp(y, 0, H);
    const float x1 = Clamp(x + std::max(0.0f, w), x0, W);
    const float y1 = Clamp(y + std::max(0.0f, h), y0, H);
    const ScissorRect next{x0, y0, x1 - x0, y1 - y0};
    if (next.x != scissor_.x || next.y != scissor_.y || next.w != scissor_.w ||
        next.h != scissor_.h)
        Flush();
    scissor_ = next;
}

void GraphicsDevice::Cls(float r, float g, float b, float a) {
    Flush();
    ClearRect(scissor_, Clamp(r, 0, 1), Clamp(g, 0, 1), Clamp(b, 0, 1), Clamp(a, 0, 1));
}

// ---------------------------------------------------------------------------------------------
// 3. Batching

void GraphicsDevice::Flush() {
    if (pendingVertices_.empty())
        return;
    SubmitTriangles(pendingTexture_, pendingVertices_, pendingInfo_);
    pendingVertices_.clear();
    pendingTexture_.reset();
}

DrawCommand& GraphicsDevice::Describe(DrawCommand::Kind kind) {
    // Assigned field by field: the strings and the point list keep their storage.
    DrawCommand& info = draw_;
    info.kind = kind;
    info.image.clear();
    info.frame = 0;
    info.points.clear();
    info.color = color_;
    info.alpha = alpha_;
    info.blend = blend_;
    info.scissor = scissor_;
    info.text.clear();
    return info;
}

GraphicsDevice::Vertex GraphicsDevice::MakeVertex(float x, float y, float u, float v) const {
    return {x, y, u, v, tint_[0], tint_[1], tint_[2], tint_[3]};
}

// Sends drawVertices_, described by `info`.
void GraphicsDevice::Emit(const std::shared_ptr<Surface>& texture, const DrawCommand& info) {
    if (drawVertices_.empty())
        return;
    if (!BatchesDraws()) {
        SubmitTriangles(texture, drawVertices_, info);
        return;
    }
    if (!pendingVertices_.empty() &&
        (pendingTexture_ != texture ||
         pendingVertices_.size() + drawVertices_.size() > MaxBatchVertices))
        Flush();
    if (pendingVertices_.empty()) {
        pendingTexture_ = texture;
        // A batch shares one blend and one scissor (a change of either flushes): that is all
        // a backend takes from the description of a batch.
        pendingInfo_.kind = info.kind;
        pendingInfo_.color = info.color;
        pendingInfo_.alpha = info.alpha;
        pendingInfo_.blend = info.blend;
        pendingInfo_.scissor = info.scissor;
    }
    pendingVertices_.insert(pendingVertices_.end(), drawVertices_.begin(), drawVertices_.end());
}

// ---------------------------------------------------------------------------------------------
// 4. Primitives

// `localPoints` go through the matrix into the record; `fan` (already transformed, screen
// pixels) is the filled outline, drawn as a fan from its first vertex. Counts are of floats.
void GraphicsDevice::EmitShape(DrawCommand::Kind kind, const float* localPoints,
                               std::size_t localCount, const float* fan, std::size_t fanCount) {
    DrawCommand& info = Describe(kind);
    // Only a device that records keeps the points of each draw.
    if (!BatchesDraws()) {
        for (std::size_t i = 0; i + 1 < localCount; i += 2) {
            float x, y;
            matrix_.Apply(localPoints[i], localPoints[i + 1], x, y);
            info.points.push_back(x);
            info.points.push_back(y);
        }
    }
    drawVertices_.clear();
    const std::size_t count = fanCount / 2;
    for (std::size_t i = 1; i + 1 < count; ++i) {
        drawVertices_.push_back(MakeVertex(fan[0], fan[1], 0, 0));
        drawVertices_.push_back(MakeVertex(fan[2 * i], fan[2 * i + 1], 0, 0));
        drawVertices_.push_back(MakeVertex(fan[2 * i + 2], fan[2 * i + 3], 0, 0));
    }
    Emit(nullptr, info);
}

namespace {
// `count` floats of points through the matrix into `out`.
void TransformAll(const Matrix2D& m, const float* points, std::size_t count, float* out) {
    for (std::size_t i = 0; i + 1 < count; i += 2)
        m.Apply(points[i], points[i + 1], out[i], out[i + 1]);
}
} // namespace

void GraphicsDevice::DrawRect(float x, float y, float w, float h) {
    const float corners[8] = {x, y, x + w, y, x + w, y + h, x, y + h};
    float fan[8];
    TransformAll(matrix_, corners, 8, fan);
    EmitShape(DrawCommand::Rect, corners, 8, fan, 8);
}

void GraphicsDevice::DrawOval(float x, float y, float w, float h) {
    const float rx = w / 2;
    const float ry = h / 2;
    if (!(rx != 0 && ry != 0))
        return;
    const float cx = x + rx;
    const float cy = y + ry;
    // Enough segments for a smooth outline at the size it reaches on screen.
    const float scale = std::sqrt(std::max(matrix_.ix * matrix_.ix + matrix_.iy * matrix_.iy,
                                           matrix_.jx * matrix_.jx + matrix_.jy * matrix_.jy));
    const float perimeter = 6.2831853f * std::max(std::fabs(rx), std::fabs(ry)) * scale;
    const int segments = static_cast<int>(Clamp(std::ceil(perimeter / 4), 12, 512));
    drawPoints_.clear();
    for (int i = 0; i < segments; ++i) {
        const float t = 6.2831853f * static_cast<float>(i) / static_cast<float>(segments);
        drawPoints_.push_back(cx + rx * std::cos(t));
        drawPoints_.push_back(cy + ry * std::sin(t));
    }
    drawFan_.resize(drawPoints_.size());
    TransformAll(matrix_, drawPoints_.data(), drawPoints_.size(), drawFan_.data());
    EmitShape(DrawCommand::Oval, drawPoints_.data(), drawPoints_.size(), drawFan_.data(),
              drawFan_.size());
}

void GraphicsDevice::DrawEllipse(float cx, float cy, float rx, float ry) {
    DrawOval(cx - rx, cy - ry, 2 * rx, 2 * ry);
}

void GraphicsDevice::DrawLine(float x1, float y1, float x2, float y2) {
    float ax, ay, bx, by;
    matrix_.Apply(x1, y1, ax, ay);
    matrix_.Apply(x2, y2, bx, by);
    // One pixel wide whatever the matrix: a thin quad through the pixel centres, reaching
    // half a pixel past each end so that both end pixels are lit.
    ax += 0.5f;
    ay += 0.5f;
    bx += 0.5f;
    by += 0.5f;
    float dx = bx - ax;
    float dy = by - ay;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length > 0) {
        dx = dx / length * 0.5f;
        dy = dy / length * 0.5f;
    } else {
        dx = 0.5f;
        dy = 0;
    }
    const float fan[8] = {ax - dx + dy, ay - dy - dx, bx + dx + dy, by + dy - dx,
                          bx + dx - dy, by + dy + dx, ax - dx - dy, ay - dy + dx};
    const float ends[4] = {x1, y1, x2, y2};
    EmitShape(DrawCommand::Line, ends, 4, fan, 8);
}

void GraphicsDevice::DrawPoly(const std::vector<float>& points) {
    if (points.size() < 6)
        return;
    const std::size_t count = points.size() & ~std::size_t{1};
    drawFan_.resize(count);
    TransformAll(matrix_, points.data(), count, drawFan_.data());
    EmitShape(DrawCommand::Poly, points.data(), points.size(), drawFan_.data(), count);
}

void GraphicsDevice::DrawPoint(float x, float y) {
    float px, py;
    matrix_.Apply(x, y, px, py);
    const float point[2] = {x, y};
    const float fan[8] = {px, py, px + 1, py, px + 1, py + 1, px, py + 1};
    EmitShape(DrawCommand::Point, point, 2, fan, 8);
}

// ---------------------------------------------------------------------------------------------
// 5. Images

void GraphicsDevice::DrawImage(const ImagePtr& image, float x, float y, int frame) {
    DrawImageArea(image, x, y, 0, 1, 1, frame, 0, 0, 0, 0, true);
}

void GraphicsDevice::DrawImageTransformed(const ImagePtr& image, float x, float y, float rotation,
                                          float scaleX, float scaleY, int frame) {
    DrawImageArea(image, x, y, rotation, scaleX, scaleY, frame, 0, 0, 0, 0, true);
}

void GraphicsDevice::DrawImageRect(const ImagePtr& image, float x, float y, float srcX, float srcY,
                                   float srcW, float srcH, float rotation, float scaleX,
                                   float scaleY, int frame) {
    DrawImageArea(image, x, y, rotation, scaleX, scaleY, frame, srcX, srcY, srcW, srcH, false);
}

void GraphicsDevice::DrawImageArea(const ImagePtr& image, float x, float y, float rotation,
                                   float scaleX, float scaleY, int frame, float srcX, float srcY,
                                   float srcW, float srcH, bool wholeFrame) {
    if (!image || frame < 0 || frame >= image->Frames() || !image->GetSurface())
        return;
    const FrameRect& rect = image->Frame(frame);
    if (wholeFrame) {
        srcX = 0;
        srcY = 0;
        srcW = static_cast<float>(rect.w);
        srcH = static_cast<float>(rect.h);
    }
    // The part of the source rectangle inside the frame; the rest would show a neighbour.
    const float left = Clamp(srcX, 0, static_cast<float>(rect.w));
    const float top = Clamp(srcY, 0, static_cast<float>(rect.h));
    const float right = Clamp(srcX + srcW, left, static_cast<float>(rect.w));
    const float bottom = Clamp(srcY + srcH, top, static_cast<float>(rect.h));
    if (!(right > left && bottom > top))
        return;

    // Frame pixel p -> M * T(x, y) * R(rotation) * S(scale) * (p - handle), p measured from the
    // source rectangle's top-left corner. Glyphs and most pictures are upright: no sine or
    // cosine for them.
    Matrix2D place = matrix_ * TranslationMatrix(x, y);
    if (rotation != 0)
        place = place * RotationMatrix(rotation);
    place = place * ScaleMatrix(scaleX, scaleY) *
            TranslationMatrix(-image->HandleX(), -image->HandleY());
    const float qx0 = left - srcX;
    const float qy0 = top - srcY;
    const float qx1 = right - srcX;
    const float qy1 = bottom - srcY;
    const float local[8] = {qx0, qy0, qx1, qy0, qx1, qy1, qx0, qy1};
    const float u0 = static_cast<float>(rect.x) + left;
    const float v0 = static_cast<float>(rect.y) + top;
    const float u1 = static_cast<float>(rect.x) + right;
    const float v1 = static_cast<float>(rect.y) + bottom;
    const float uv[8] = {u0, v0, u1, v0, u1, v1, u0, v1};

    DrawCommand& info = Describe(DrawCommand::ImageDraw);
    info.frame = frame;
    const bool records = !BatchesDraws();
    if (records)
        info.image = image->Name();
    Vertex corners[4];
    for (int i = 0; i < 4; ++i) {
        float px, py;
        place.Apply(local[2 * i], local[2 * i + 1], px, py);
        if (records) {
            info.points.push_back(px);
            info.points.push_back(py);
        }
        corners[i] = MakeVertex(px, py, uv[2 * i], uv[2 * i + 1]);
    }
    drawVertices_.assign({corners[0], corners[1], corners[2], corners[0], corners[2], corners[3]});
    Emit(image->GetSurface(), info);
}

// ---------------------------------------------------------------------------------------------
// 6. Debug text

void GraphicsDevice::DrawText(const String& text, float x, float y, float alignX, float alignY) {
    if (text.empty())
        return;
    // The debug font knows printable ASCII; anything else shows as '?'.
    std::string ascii;
    ascii.reserve(text.size());
    for (char16_t unit : text)
        ascii.push_back(unit == u'\n' || (unit >= 32 && unit < 127) ? static_cast<char>(unit)
                                                                    : '?');
    const float width = static_cast<float>(stb_easy_font_width(ascii.data()));
    const float height = static_cast<float>(stb_easy_font_height(ascii.data()));
    const float left = x - width * alignX;
    const float top = y - height * alignY;

    // Each glyph stroke is a quad of four vertices: x, y, z floats and four colour bytes.
    std::vector<float> buffer(ascii.size() * 256 + 64);
    const int quads = stb_easy_font_print(left, top, ascii.data(), nullptr, buffer.data(),
                                          static_cast<int>(buffer.size() * sizeof(float)));
    drawVertices_.clear();
    for (int q = 0; q < quads; ++q) {
        Vertex corner[4];
        for (int k = 0; k < 4; ++k) {
            const float* v = &buffer[static_cast<std::size_t>(q * 4 + k) * 4];
            float px, py;
            matrix_.Apply(v[0], v[1], px, py);
            corner[k] = MakeVertex(px, py, 0, 0);
        }
        drawVertices_.insert(drawVertices_.end(),
                             {corner[0], corner[1], corner[2], corner[0], corner[2], corner[3]});
    }
    DrawCommand& info = Describe(DrawCommand::Text);
    info.text = text;
    const float box[8] = {left,         top,          left + width, top,
                          left + width, top + height, left,         top + height};
    info.points.resize(8);
    TransformAll(matrix_, box, 8, info.points.data());
    if (drawVertices_.empty()) {
        // Spaces only: nothing to draw, but the record still says what was asked.
        if (!BatchesDraws())
            SubmitTriangles(nullptr, drawVertices_, info);
        return;
    }
    Emit(nullptr, info);
}

// ---------------------------------------------------------------------------------------------
// 7. Recording device

void RecordingGraphics::BeginFrame(int width, int height) {
    GraphicsDevice::BeginFrame(width, height);
    // The records are kept for their storage: the next frame fills them again.
    for (DrawCommand& record : commands)
        spare_.push_back(std::move(record));
    commands.clear();
}

DrawCommand& RecordingGraphics::NewRecord() {
    if (spare_.empty()) {
        commands.emplace_back();
    } else {
        commands.push_back(std::move(spare_.back()));
        spare_.pop_back();
    }
    return commands.back();
}

void RecordingGraphics::SubmitTriangles(const std::shared_ptr<Surface>&, const std::vector<Vertex>&,
                                        const DrawCommand& info) {
    NewRecord() = info;
}

void RecordingGraphics::ClearRect(const ScissorRect& rect, float r, float g, float b, float a) {
    DrawCommand& info = NewRecord();
    info.kind = DrawCommand::Clear;
    info.image.clear();
    info.frame = 0;
    info.text.clear();
    info.color = {r * 255, g * 255, b * 255};
    info.alpha = a;
    info.blend = blend_;
    info.scissor = rect;
    info.points = {rect.x,          rect.y,          rect.x + rect.w, rect.y,
                   rect.x + rect.w, rect.y + rect.h, rect.x,          rect.y + rect.h};
}

namespace {

bool InsideScissor(const ScissorRect& s, float px, float py) {
    return px >= s.x && px < s.x + s.w && py >= s.y && py < s.y + s.h;
}

// Bounds of a recorded rectangle whose sides stay parallel to the axes.
bool AxisAlignedBounds(const DrawCommand& c, float& x0, float& y0, float& x1, float& y1) {
    if (c.points.size() != 8)
        return false;
    const auto& p = c.points;
    const bool sidesFlat = (p[1] == p[3] && p[2] == p[4] && p[5] == p[7] && p[6] == p[0]) ||
                           (p[0] == p[2] && p[3] == p[5] && p[4] == p[6] && p[7] == p[1]);
    if (!sidesFlat)
        return false;
    x0 = std::min({p[0], p[2], p[4], p[6]});
    x1 = std::max({p[0], p[2], p[4], p[6]});
    y0 = std::min({p[1], p[3], p[5], p[7]});
    y1 = std::max({p[1], p[3], p[5], p[7]});
    return true;
}

} // namespace

std::vector<std::uint8_t> RecordingGraphics::ReadPixels(int x, int yFromBottom, int w, int h) {
    Flush();
    w = std::max(0, w);
    h = std::max(0, h);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4, 0);
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            const long long px = static_cast<long long>(x) + col;
            const long long pyBottom = static_cast<long long>(yFromBottom) + row;
            if (px < 0 || px >= width_ || pyBottom < 0 || pyBottom >= height_)
                continue;
            const float cx = static_cast<float>(px) + 0.5f;
            const float cy = static_cast<float>(height_ - 1 - pyBottom) + 0.5f;
            // Premultiplied red, green, blue, alpha, composed in drawing order.
            float dst[4] = {0, 0, 0, 0};
            for (const DrawCommand& c : commands) {
                if (!InsideScissor(c.scissor, cx, cy))
                    continue;
                if (c.kind == DrawCommand::Clear) {
                    dst[0] = c.color[0];
                    dst[1] = c.color[1];
                    dst[2] = c.color[2];
                    dst[3] = c.alpha * 255;
                    continue;
                }
                float x0, y0, x1, y1;
                if (c.kind != DrawCommand::Rect || !AxisAlignedBounds(c, x0, y0, x1, y1) ||
                    !(cx >= x0 && cx < x1 && cy >= y0 && cy < y1))
                    continue;
                const float src[4] = {c.color[0] * c.alpha, c.color[1] * c.alpha,
                                      c.color[2] * c.alpha, c.alpha * 255};
                const float keep = c.blend == 1 ? 1.0f : 1.0f - c.alpha;
                for (int k = 0; k < 4; ++k)
                    dst[k] = std::min(255.0f, src[k] + dst[k] * keep);
            }
            std::uint8_t* pixel = &out[(static_cast<std::size_t>(row) * w + col) * 4];
            pixel[0] = static_cast<std::uint8_t>(std::lround(dst[2]));
            pixel[1] = static_cast<std::uint8_t>(std::lround(dst[1]));
            pixel[2] = static_cast<std::uint8_t>(std::lround(dst[0]));
            pixel[3] = static_cast<std::uint8_t>(std::lround(dst[3]));
        }
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// 8. Current device and free functions

namespace {
GraphicsDevice* currentDevice = nullptr;
} // namespace

GraphicsDevice* Graphics() { return currentDevice; }
void SetGraphicsDevice(GraphicsDevice* device) { currentDevice = device; }

void SetColor(float r, float g, float b) {
    if (currentDevice)
        currentDevice->SetColor(r, g, b);
}
std::array<float, 3> GetColor() {
    return currentDevice ? currentDevice->GetColor() : std::array<float, 3>{255, 255, 255};
}
void SetAlpha(float a) {
    if (currentDevice)
        currentDevice->SetAlpha(a);
}
float GetAlpha() { return currentDevice ? currentDevice->GetAlpha() : 1.0f; }
void SetBlend(int mode) {
    if (currentDevice)
        currentDevice->SetBlend(mode);
}
int GetBlend() { return currentDevice ? currentDevice->GetBlend() : 0; }
void Translate(float x, float y) {
    if (currentDevice)
        currentDevice->Translate(x, y);
}
void Scale(float sx, float sy) {
    if (currentDevice)
        currentDevice->Scale(sx, sy);
}
void Rotate(float degrees) {
    if (currentDevice)
        currentDevice->Rotate(degrees);
}
void PushMatrix() {
    if (currentDevice)
        currentDevice->PushMatrix();
}
void PopMatrix() {
    if (currentDevice)
        currentDevice->PopMatrix();
}
Matrix2D GetMatrix() { return currentDevice ? currentDevice->GetMatrix() : Matrix2D{}; }
void SetMatrix(const Matrix2D& m) {
    if (currentDevice)
        currentDevice->SetMatrix(m);
}
void SetScissor(float x, float y, float w, float h) {
    if (currentDevice)
        currentDevice->SetScissor(x, y, w, h);
}
ScissorRect GetScissor() { return currentDevice ? currentDevice->GetScissor() : ScissorRect{}; }
void Cls(float r, float g, float b, float a) {
    if (currentDevice)
        currentDevice->Cls(r, g, b, a);
}
void Flush() {
    if (currentDevice)
        currentDevice->Flush();
}
void DrawRect(float x, float y, float w, float h) {
    if (currentDevice)
        currentDevice->DrawRect(x, y, w, h);
}
void DrawOval(float x, float y, float w, float h) {
    if (currentDevice)
        currentDevice->DrawOval(x, y, w, h);
}
void DrawEllipse(float cx, float cy, float rx, float ry) {
    if (currentDevice)
        currentDevice->DrawEllipse(cx, cy, rx, ry);
}
void DrawLine(float x1, float y1, float x2, float y2) {
    if (currentDevice)
        currentDevice->DrawLine(x1, y1, x2, y2);
}
void DrawPoly(const std::vector<float>& points) {
    if (currentDevice)
        currentDevice->DrawPoly(points);
}
void DrawPoint(float x, float y) {
    if (currentDevice)
        currentDevice->DrawPoint(x, y);
}
void DrawImage(const ImagePtr& image, float x, float y, int frame) {
    if (currentDevice)
        currentDevice->DrawImage(image, x, y, frame);
}
void DrawImageTransformed(const ImagePtr& image, float x, float y, float rotation, float scaleX,
                          float scaleY, int frame) {
    if (currentDevice)
        currentDevice->DrawImageTransformed(image, x, y, rotation, scaleX, scaleY, frame);
}
void DrawImageRect(const ImagePtr& image, float x, float y, float srcX, float srcY, float srcW,
                   float srcH, float rotation, float scaleX, float scaleY, int frame) {
    if (currentDevice)
        currentDevice->DrawImageRect(image, x, y, srcX, srcY, srcW, srcH, rotation, scaleX, scaleY,
                                     frame);
}
void DrawText(const String& text, float x, float y, float alignX, float alignY) {
    if (currentDevice)
        currentDevice->DrawText(text, x, y, alignX, alignY);
}
std::vector<std::uint8_t> ReadPixels(int x, int yFromBottom, int w, int h) {
    if (currentDevice)
        return currentDevice->ReadPixels(x, yFromBottom, w, h);
    return std::vector<std::uint8_t>(
        static_cast<std::size_t>(std::max(0, w)) * static_cast<std::size_t>(std::max(0, h)) * 4, 0);
}

} // namespace platform
