// The OpenGL 1.1 device.
//
//   1. Texture helpers
//   2. Device: frame set-up, read-back, batches, clear, state, texture upload and release,
//      letting go of textures unused for a while
#include "platform/gl_graphics.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <GL/gl.h>

#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif

namespace platform {

namespace {

// ---------------------------------------------------------------------------------------------
// 1. Texture helpers

// Hangs on Surface::texture; the texture dies with the last surface holding it, as long as the
// device that made it still exists (without it there is no context to delete from).
struct GlTexture {
    GLuint id = 0;
    // Multiply surface pixel coordinates by these to get texture coordinates.
    float uScale = 1;
    float vScale = 1;
    std::weak_ptr<int> owner;
    // Bytes the driver holds for it, and the last frame that drew it.
    std::size_t bytes = 0;
    unsigned lastFrame = 0;
};

// A game goes through many terrains, puppets and props, but shows few at a time: beyond this
// many bytes of textures, those not drawn for a while are let go and decoded again from their
// files if they come back, so memory stays flat however long a child plays.
constexpr std::size_t TextureBudget = 24u << 20;
// Never a texture drawn in the last few seconds: what is on screen must not be decoded again.
constexpr unsigned KeepFrames = 300;
// How often the budget is checked.
constexpr unsigned SweepFrames = 60;

int NextPowerOfTwo(int value) {
    int p = 1;
    while (p < value && p < (1 << 30))
        p <<= 1;
    return p;
}

// Halves premultiplied pixels (2x2 average); used only for pictures above the driver's limit.
std::vector<std::uint8_t> Halve(const std::uint8_t* rgba, int& width, int& height) {
    const int w = std::max(1, width / 2);
    const int h = std::max(1, height / 2);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < 4; ++k) {
                unsigned sum = 0;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx) {
                        const int sx = std::min(width - 1, 2 * x + dx);
                        const int sy = std::min(height - 1, 2 * y + dy);
                        sum += rgba[(static_cast<std::size_t>(sy) * width + sx) * 4 + k];
                    }
                out[(static_cast<std::size_t>(y) * w + x) * 4 + k] =
                    static_cast<std::uint8_t>((sum + 2) / 4);
            }
    width = w;
    height = h;
    return out;
}

// ---------------------------------------------------------------------------------------------
// 2. Device

class OpenGlGraphics : public GraphicsDevice {
  public:
    explicit OpenGlGraphics(bool allowNonPowerOfTwo) {
        GLint maxSize = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
        maxTextureSize_ = maxSize > 0 ? maxSize : 1024;
        const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        const bool modern = version && version[0] >= '2' && version[0] <= '9';
        const bool extension =
            extensions && std::strstr(extensions, "GL_ARB_texture_non_power_of_two");
        nonPowerOfTwo_ = allowNonPowerOfTwo && (modern || extension);
    }

    void BeginFrame(int width, int height) override {
        GraphicsDevice::BeginFrame(width, height);
        glViewport(0, 0, width_, height_);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        // Window pixels with the origin at the top-left corner, y downwards.
        glOrtho(0, width_, height_, 0, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glDisable(GL_LIGHTING);
        glDisable(GL_ALPHA_TEST);
        glEnable(GL_BLEND);
        glEnable(GL_SCISSOR_TEST);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        appliedBlend_ = -1;
        scissorKnown_ = false;
        ApplyBlend(0);
        ApplyScissor(scissor_);
        if (++frame_ % SweepFrames == 0)
            LetUnusedTexturesGo();
    }

    std::vector<std::uint8_t> ReadPixels(int x, int yFromBottom, int w, int h) override {
        Flush();
        w = std::max(0, w);
        h = std::max(0, h);
        std::vector<std::uint8_t> out(static_cast<std::size_t>(w) * h * 4, 0);
        // Only the part inside the framebuffer is read; the rest stays 0.
        const int x0 = std::clamp(x, 0, width_);
        const int y0 = std::clamp(yFromBottom, 0, height_);
        const int x1 =
            static_cast<int>(std::clamp<long long>(static_cast<long long>(x) + w, x0, width_));
        const int y1 = static_cast<int>(
            std::clamp<long long>(static_cast<long long>(yFromBottom) + h, y0, height_));
        if (x1 <= x0 || y1 <= y0)
            return out;
        std::vector<std::uint8_t> part(static_cast<std::size_t>(x1 - x0) * (y1 - y0) * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        // RGBA is what OpenGL 1.1 guarantees; the caller gets blue, green, red, alpha.
        glReadPixels(x0, y0, x1 - x0, y1 - y0, GL_RGBA, GL_UNSIGNED_BYTE, part.data());
        for (std::size_t i = 0; i + 3 < part.size(); i += 4)
            std::swap(part[i], part[i + 2]);
        const std::size_t rowBytes = static_cast<std::size_t>(x1 - x0) * 4;
        for (int row = y0; row < y1; ++row)
            std::memcpy(&out[(static_cast<std::size_t>(row - yFromBottom) * w + (x0 - x)) * 4],
                        &part[static_cast<std::size_t>(row - y0) * rowBytes], rowBytes);
        return out;
    }

  protected:
    void SubmitTriangles(const std::shared_ptr<Surface>& surface,
                         const std::vector<Vertex>& vertices, const DrawCommand& info) override {
        if (vertices.empty())
            return;
        ApplyBlend(info.blend);
        ApplyScissor(info.scissor);
        GlTexture* texture = surface ? TextureFor(surface) : nullptr;
        if (surface && !texture)
            return;
        const GLsizei stride = sizeof(Vertex);
        if (texture) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, texture->id);
            // Vertices carry surface pixels; the texture matrix turns them into coordinates
            // of the (possibly padded or reduced) texture.
            glMatrixMode(GL_TEXTURE);
            glLoadIdentity();
            glScalef(texture->uScale, texture->vScale, 1);
            glMatrixMode(GL_MODELVIEW);
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
            glTexCoordPointer(2, GL_FLOAT, stride, &vertices[0].u);
        } else {
            glDisable(GL_TEXTURE_2D);
            glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        }
        glVertexPointer(2, GL_FLOAT, stride, &vertices[0].x);
        glColorPointer(4, GL_UNSIGNED_BYTE, stride, &vertices[0].r);
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(vertices.size()));
    }

    void ClearRect(const ScissorRect& rect, float r, float g, float b, float a) override {
        ApplyScissor(rect);
        glClearColor(r, g, b, a);
        glClear(GL_COLOR_BUFFER_BIT);
    }

  private:
    void ApplyBlend(int mode) {
        const int wanted = mode == 1 ? 1 : 0;
        if (wanted == appliedBlend_)
            return;
        // Pixels and tints are premultiplied, so the source is always taken at full weight.
        glBlendFunc(GL_ONE, wanted == 1 ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
        appliedBlend_ = wanted;
    }

    void ApplyScissor(const ScissorRect& rect) {
        const int x = static_cast<int>(rect.x);
        const int y = static_cast<int>(rect.y);
        const int w = static_cast<int>(rect.w);
        const int h = static_cast<int>(rect.h);
        // GL counts rows from the bottom of the window.
        const int box[4] = {x, height_ - y - h, w, h};
        if (scissorKnown_ && std::equal(box, box + 4, appliedScissor_))
            return;
        glScissor(box[0], box[1], box[2], box[3]);
        std::copy(box, box + 4, appliedScissor_);
        scissorKnown_ = true;
    }

    GlTexture* TextureFor(const std::shared_ptr<Surface>& shared) {
        Surface& surface = *shared;
        if (surface.texture) {
            auto* existing = static_cast<GlTexture*>(surface.texture.get());
            if (existing->owner.lock() == alive_) {
                existing->lastFrame = frame_;
                return existing;
            }
        }
        // A first upload, or the texture went with an earlier device: the pixels are decoded
        // again from the picture's file if they were let go.
        if (surface.width <= 0 || surface.height <= 0 || !EnsurePixels(surface))
            return nullptr;

        // A picture above the driver's limit (a capture of a very large screen) is reduced.
        int w = surface.width;
        int h = surface.height;
        std::vector<std::uint8_t> reduced;
        const std::uint8_t* pixels = surface.rgba.data();
        while (w > maxTextureSize_ || h > maxTextureSize_) {
            reduced = Halve(pixels, w, h);
            pixels = reduced.data();
        }
        const int texW = nonPowerOfTwo_ ? w : NextPowerOfTwo(w);
        const int texH = nonPowerOfTwo_ ? h : NextPowerOfTwo(h);

        GLuint id = 0;
        glGenTextures(1, &id);
        glBindTexture(GL_TEXTURE_2D, id);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        // GL_CLAMP_TO_EDGE is not 1.1; the transparent padding and border keep edges clean.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        if (texW == w && texH == h) {
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        } else {
            const std::vector<std::uint8_t> blank(static_cast<std::size_t>(texW) * texH * 4, 0);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, texW, texH, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         blank.data());
            glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        }

        std::weak_ptr<int> owner = alive_;
        auto texture = std::shared_ptr<GlTexture>(new GlTexture, [owner](GlTexture* t) {
            if (!owner.expired() && t->id)
                glDeleteTextures(1, &t->id);
            delete t;
        });
        texture->id = id;
        texture->uScale = static_cast<float>(w) / surface.width / texW;
        texture->vScale = static_cast<float>(h) / surface.height / texH;
        texture->owner = alive_;
        texture->bytes = static_cast<std::size_t>(texW) * texH * 4;
        texture->lastFrame = frame_;
        surface.texture = texture;
        resident_.push_back(shared);
        // The driver keeps its own copy: ours would only double the memory the picture takes.
        ReleasePixels(surface);
        return texture.get();
    }

    // Over the budget, the textures drawn longest ago (and not lately) go, oldest first. A
    // picture made in code keeps its pixels, so it can always be uploaded again.
    void LetUnusedTexturesGo() {
        std::size_t total = 0;
        std::vector<std::pair<unsigned, Surface*>> idle;
        std::erase_if(resident_, [&](const std::weak_ptr<Surface>& weak) {
            const std::shared_ptr<Surface> surface = weak.lock();
            GlTexture* texture = surface ? Ours(*surface) : nullptr;
            if (!texture)
                return true;
            total += texture->bytes;
            if (texture->lastFrame + KeepFrames < frame_ &&
                (CanRemakePixels(*surface) || !surface->rgba.empty()))
                idle.emplace_back(texture->lastFrame, surface.get());
            return false;
        });
        if (total <= TextureBudget)
            return;
        std::sort(idle.begin(), idle.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [lastFrame, surface] : idle) {
            if (total <= TextureBudget)
                break;
            total -= Ours(*surface)->bytes;
            // The last holder of the texture deletes it.
            surface->texture.reset();
        }
        // A surface let go is listed again when it gets a new texture.
        std::erase_if(resident_, [&](const std::weak_ptr<Surface>& weak) {
            const std::shared_ptr<Surface> surface = weak.lock();
            return !surface || !Ours(*surface);
        });
    }

    GlTexture* Ours(const Surface& surface) const {
        auto* texture = static_cast<GlTexture*>(surface.texture.get());
        return texture && texture->owner.lock() == alive_ ? texture : nullptr;
    }

    // Expires with the device, telling textures that outlive it not to touch GL.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    int maxTextureSize_ = 1024;
    bool nonPowerOfTwo_ = false;
    int appliedBlend_ = -1;
    int appliedScissor_[4] = {0, 0, 0, 0};
    bool scissorKnown_ = false;
    unsigned frame_ = 0;
    // Surfaces that got a texture from this device; entries whose surface or texture has gone
    // are dropped at each sweep.
    std::vector<std::weak_ptr<Surface>> resident_;
};

} // namespace

std::unique_ptr<GraphicsDevice> CreateOpenGlGraphics(bool allowNonPowerOfTwo) {
    return std::make_unique<OpenGlGraphics>(allowNonPowerOfTwo);
}

} // namespace platform
