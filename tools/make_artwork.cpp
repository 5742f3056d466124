// Draws the game's pictures procedurally, so they can be regenerated at will.
//
//   make_artwork [OUTPUT_DIR] [--icons THEME_DIR] [--preview FILE]
//
// OUTPUT_DIR defaults to resources/pictures. With --icons, the desktop icons are written into
// THEME_DIR laid out as the hicolor theme is. With --preview, a 509 x 425 mock-up of the
// main window built from the fresh pictures is written as well, for a quick look.
// Every random choice comes from one fixed seed: the same build writes the same bytes.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr std::uint32_t kSeed = 0x5EED1987u;
constexpr int kTableSize = 1024;

float clamp01(float v)
{
    return std::clamp(v, 0.0f, 1.0f);
}
float lerp(float a, float b, float t)
{
    return a + (b - a) * t;
}
float smoothstep(float e0, float e1, float x)
{
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

struct Rgb {
    float r = 0, g = 0, b = 0;
};
Rgb operator*(Rgb c, float k)
{
    return {c.r * k, c.g * k, c.b * k};
}
Rgb operator+(Rgb a, Rgb b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb mix(Rgb a, Rgb b, float t)
{
    return {lerp(a.r, b.r, t), lerp(a.g, b.g, t), lerp(a.b, b.b, t)};
}
QRgb toQRgb(Rgb c, int alpha = 255)
{
    auto channel = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 255.0f))); };
    return qRgba(channel(c.r), channel(c.g), channel(c.b), alpha);
}

// Lattice value noise with quintic interpolation; tables filled from the fixed seed.
class Noise {
public:
    explicit Noise(std::uint32_t seed)
    {
        std::mt19937 rng(seed);
        for (int i = 0; i < kTableSize; ++i)
            perm_[i] = i;
        std::shuffle(perm_.begin(), perm_.end(), rng);
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        for (auto& v : values_)
            v = unit(rng);
        for (auto& p : points_)
            p = {unit(rng), unit(rng)};
    }

    float value(float x, float y) const
    {
        const float fx = std::floor(x), fy = std::floor(y);
        const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
        const float tx = fade(x - fx), ty = fade(y - fy);
        const float a = lattice(ix, iy), b = lattice(ix + 1, iy);
        const float c = lattice(ix, iy + 1), d = lattice(ix + 1, iy + 1);
        return lerp(lerp(a, b, tx), lerp(c, d, tx), ty);
    }

    // Fractal sum in 0..1; every octave is shifted so the lattices never line up.
    float fbm(float x, float y, int octaves, float gain = 0.5f) const
    {
        float sum = 0, amp = 1, norm = 0;
        for (int o = 0; o < octaves; ++o) {
            sum += amp * value(x + 31.7f * o, y - 17.3f * o);
            norm += amp;
            amp *= gain;
            x *= 2.03f;
            y *= 2.03f;
        }
        return sum / norm;
    }

    // Distances to the nearest and second-nearest feature point of a jittered grid.
    std::pair<float, float> worley(float x, float y) const
    {
        const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
        float f1 = 1e9f, f2 = 1e9f;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const auto& p = points_[hash(cx + dx, cy + dy)];
                const float px = cx + dx + 0.1f + 0.8f * p[0] - x;
                const float py = cy + dy + 0.1f + 0.8f * p[1] - y;
                const float d = std::sqrt(px * px + py * py);
                if (d < f1) {
                    f2 = f1;
                    f1 = d;
                } else if (d < f2) {
                    f2 = d;
                }
            }
        }
        return {f1, f2};
    }

    // A per-pixel random value, for grain.
    float grain(int x, int y) const { return lattice(x * 7 + 3, y * 13 + 5); }

private:
    static float fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }
    int hash(int x, int y) const { return perm_[(perm_[x & (kTableSize - 1)] + y) & (kTableSize - 1)]; }
    float lattice(int x, int y) const { return values_[hash(x, y)]; }

    std::array<int, kTableSize> perm_{};
    std::array<float, kTableSize> values_{};
    std::array<std::array<float, 2>, kTableSize> points_{};
};

// ---------------------------------------------------------------------------------------
// Stone: dark olive, mottled, grained, lit softly from the upper left.

struct StoneStyle {
    float ox = 0, oy = 0;  // where in the noise field this piece was cut from
    float contrast = 1.0f; // 1 = full mottling; lower for calm areas
};

float stoneHeight(const Noise& n, float x, float y)
{
    return n.fbm(x / 14.0f, y / 14.0f, 4) + 0.35f * n.fbm(x / 3.5f, y / 3.5f, 2);
}

Rgb stoneColour(const Noise& n, float x, float y, const StoneStyle& s, int scale = 1)
{
    const float X = x + s.ox, Y = y + s.oy;
    const Rgb dark{38, 39, 21};
    const Rgb light{80, 79, 44};
    const Rgb moss{52, 60, 26};

    const float blotch = n.fbm(X / 60.0f, Y / 45.0f, 4);
    const float mid = n.fbm(X / 16.0f, Y / 16.0f, 3);
    float t = 0.30f + (blotch - 0.5f) * 0.9f + (mid - 0.5f) * 0.5f;
    t = 0.42f + (t - 0.42f) * s.contrast;
    Rgb c = mix(dark, light, clamp01(t));
    c = mix(c, moss, smoothstep(0.55f, 0.75f, n.fbm(X / 30.0f + 40, Y / 30.0f, 3)) * 0.5f);

    // Relief from a height field: a gentle slope shading, light from the upper left.
    const float hx = stoneHeight(n, X + 1, Y) - stoneHeight(n, X - 1, Y);
    const float hy = stoneHeight(n, X, Y + 1) - stoneHeight(n, X, Y - 1);
    float shade = 1.0f - (hx + hy) * 1.6f * s.contrast;

    // Hairline cracks along the ridges of a large-scale noise.
    const float ridge = 1.0f - std::fabs(2.0f * n.fbm(X / 70.0f + 9, Y / 55.0f, 4) - 1.0f);
    shade *= 1.0f - 0.45f * smoothstep(0.955f, 0.985f, ridge) * s.contrast;

    // Small pits and grain.
    const float pit = n.fbm(X / 2.2f + 100, Y / 2.2f, 2);
    shade *= 1.0f - 0.30f * smoothstep(0.72f, 0.82f, pit) * s.contrast;
    // Grain is per device pixel, so a finer picture gets finer grain, not bigger grains.
    shade += (n.grain(static_cast<int>(X * scale), static_cast<int>(Y * scale)) - 0.5f) * 0.14f * s.contrast;

    return c * shade;
}

// One picture at `scale` device pixels per layout pixel. Each device pixel is shaded at the
// layout position of its centre, so scale 1 gives exactly the layout pixels and scale 2 the
// same picture drawn twice as fine; `x` and `y` are the layout pixel it falls in, for
// features one layout pixel wide.
struct Raster {
    int scale = 1;
    QImage image;
    Raster(int w, int h, int s) : scale(s), image(w * s, h * s, QImage::Format_RGB32) {}
    float At(int device) const { return (device + 0.5f) / scale - 0.5f; }
    template <typename Shade>
    void Fill(Shade shade)
    {
        for (int py = 0; py < image.height(); ++py)
            for (int px = 0; px < image.width(); ++px)
                image.setPixel(px, py, toQRgb(shade(px / scale, py / scale, At(px), At(py), px, py)));
    }
};

// Brightens the top and left rims and darkens the bottom and right ones of a block.
float bevel(float x, float y, float w, float h, float width, float strength)
{
    const float top = 1.0f - clamp01(y / width);
    const float left = 1.0f - clamp01(x / width);
    const float bottom = 1.0f - clamp01((h - 1 - y) / width);
    const float right = 1.0f - clamp01((w - 1 - x) / width);
    return 1.0f + strength * (0.9f * top + 0.6f * left - 1.0f * bottom - 0.7f * right);
}

QImage makeTopBar(const Noise& n, int scale)
{
    constexpr int W = 449, H = 43;
    Raster raster(W, H, scale);
    // An engraved channel behind the status and score texts keeps them readable.
    constexpr float chTop = 15, chBottom = 35, chLeft = 3, chRight = W - 4;
    raster.Fill([&](int x, int y, float fx, float fy, int, int) {
        const bool inChannel = y >= chTop && y <= chBottom && x >= chLeft && x <= chRight;
        StoneStyle style{0, 0, inChannel ? 0.45f : 1.0f};
        Rgb c = stoneColour(n, fx, fy, style, scale);
        c = c * bevel(fx, fy, W, H, 3.0f, 0.45f);
        if (inChannel) {
            // Recessed: darker, shadowed along its top edge, lit along its bottom edge.
            float k = 0.62f;
            k *= 1.0f - 0.45f * (1.0f - clamp01((fy - chTop) / 3.0f));
            k *= 1.0f - 0.25f * (1.0f - clamp01((fx - chLeft) / 3.0f));
            if (y == chBottom)
                k *= 1.35f;
            if (x == chRight)
                k *= 1.25f;
            c = c * k;
        } else {
            // Rims of the channel catch the light on the side facing up-left.
            if (y == chBottom + 1 && x >= chLeft && x <= chRight + 1)
                c = c * 1.25f;
            if (y == chTop - 1 && x >= chLeft && x <= chRight)
                c = c * 0.75f;
        }
        return c;
    });
    return raster.image;
}

QImage makeBottomBar(const Noise& n, int scale)
{
    constexpr int W = 449, H = 20;
    Raster raster(W, H, scale);
    raster.Fill([&](int, int y, float fx, float fy, int, int) {
        Rgb c = stoneColour(n, fx, fy, StoneStyle{700, 300, 1.0f}, scale);
        c = c * bevel(fx, fy, W, H, 3.0f, 0.45f);
        // A shallow groove along the middle, like the joint of two courses of stone.
        if (y == 9)
            c = c * 0.7f;
        if (y == 10)
            c = c * 1.15f;
        return c;
    });
    return raster.image;
}

QImage makeColumn(const Noise& n, int scale)
{
    constexpr int W = 30, H = 425;
    constexpr int capital = 43; // level with the top bar
    constexpr int base = 405;   // level with the bottom bar
    Raster raster(W, H, scale);
    raster.Fill([&](int, int y, float fx, float fy, int, int) {
        const bool shaft = y >= capital && y < base;
        const StoneStyle style{1500, 0, shaft ? 0.55f : 1.0f};
        Rgb c = stoneColour(n, fx, fy, style, scale);
        if (y < capital) {
            // Capital: a block with a moulding ring near its foot.
            c = c * bevel(fx, fy, W, capital, 3.0f, 0.45f);
            if (y == capital - 9 || y == capital - 5)
                c = c * 0.65f;
            if (y == capital - 8 || y == capital - 4)
                c = c * 1.25f;
        } else if (y >= base) {
            c = c * bevel(fx, fy - base, W, H - base, 3.0f, 0.45f);
            if (y == base + 5)
                c = c * 0.7f;
            if (y == base + 6)
                c = c * 1.2f;
        } else {
            // Shaft: narrower than the blocks, round, fluted, lit from the left.
            constexpr float inset = 3.0f;
            const float u = (fx + 0.5f - inset) / (W - 2 * inset); // 0..1 across the shaft
            if (u < 0.0f || u > 1.0f) {
                // Shadowed recess behind the shaft.
                const float nearCap = 1.0f - clamp01((fy - capital) / 8.0f);
                c = c * (0.28f + 0.1f * nearCap);
            } else {
                const float nx = 2.0f * u - 1.0f; // -1..1
                const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx));
                const float lit = clamp01(0.15f + 0.9f * (-0.6f * nx + 0.8f * nz));
                float k = 0.25f + 1.15f * lit;
                // Four flutes, each a soft dark channel with a lit edge.
                const float f = u * 4.0f;
                const float fr = f - std::floor(f);
                k *= 1.0f - 0.32f * std::exp(-std::pow((fr - 0.5f) / 0.14f, 2.0f));
                // The flute's right wall faces the light.
                k *= 1.0f + 0.25f * std::exp(-std::pow((fr - 0.72f) / 0.08f, 2.0f));
                c = c * k;
                // The capital casts a short shadow onto the shaft.
                c = c * (1.0f - 0.45f * (1.0f - clamp01((fy - capital) / 5.0f)));
            }
        }
        return c;
    });
    return raster.image;
}

// ---------------------------------------------------------------------------------------
// Landscape

QImage makeSky(const Noise& n, int scale)
{
    constexpr int W = 449, H = 220;
    Raster raster(W, H, scale);
    const Rgb zenith{14, 6, 34};
    const Rgb high{46, 18, 78};
    const Rgb low{86, 28, 108};
    const Rgb horizon{176, 66, 128};
    const Rgb cloudDark{30, 12, 50};
    const Rgb cloudLit{214, 112, 160};
    raster.Fill([&](int, int, float x, float y, int px, int py) {
        const float v = y / float(H - 1); // 0 top .. 1 horizon
        Rgb sky = v < 0.45f   ? mix(zenith, high, v / 0.45f)
                  : v < 0.85f ? mix(high, low, (v - 0.45f) / 0.4f)
                              : mix(low, horizon, (v - 0.85f) / 0.15f);
        // Clouds are flattened here: the game stretches this picture upward.
        const float wx = x / 90.0f, wy = y / 18.0f;
        const float warp = n.fbm(wx * 0.7f + 5, wy * 0.7f, 3);
        const float d = n.fbm(wx + 1.6f * warp, wy + 0.8f * warp, 5);
        const float cover = lerp(0.50f, 0.44f, v); // more cloud low down
        const float density = smoothstep(cover, cover + 0.22f, d);
        // Lit from below by the glowing ground: the underside of each cloud is brighter.
        const float under = n.fbm(wx + 1.6f * warp, (y - 3) / 18.0f + 0.8f * warp, 5);
        const float rim = clamp01((d - under) * 8.0f + 0.5f);
        Rgb cloud = mix(cloudDark, cloudLit, clamp01(0.15f + 0.75f * v * v + 0.3f * (1.0f - rim)));
        cloud = cloud * (0.9f + 0.2f * n.fbm(x / 11.0f, y / 5.0f, 2));
        Rgb c = mix(sky, cloud, density * lerp(0.75f, 0.9f, v));
        // A few faint stars in the clear upper sky, each one device pixel.
        const float g = n.grain(px + 11, py + 7);
        if (v < 0.55f && density < 0.05f && g > 0.994f)
            c = c + Rgb{120, 110, 150} * (1.0f - v / 0.55f);
        c = c + Rgb{1, 1, 1} * ((n.grain(px, py) - 0.5f) * 3.0f);
        return c;
    });
    return raster.image;
}

QImage makeGround(const Noise& n, int scale)
{
    constexpr int W = 449, H = 220;
    constexpr int S = 4;            // supersampling per axis: cracks thin out at the horizon
    constexpr float camera = 26.0f; // distance of the eye above the plain, in pixels of row offset
    Raster raster(W, H, scale);
    const Rgb crust{46, 10, 6};
    const Rgb crustLight{92, 26, 10};
    const Rgb glow{255, 120, 24};
    const Rgb hot{255, 226, 120};
    const Rgb haze{250, 110, 40};
    raster.Fill([&](int, int, float, float fy, int x, int y) {
        Rgb sum;
        for (int sy = 0; sy < S; ++sy) {
            for (int sx = 0; sx < S; ++sx) {
                const float py = (y + (sy + 0.5f) / S) / scale;
                const float px = (x + (sx + 0.5f) / S) / scale;
                const float depth = camera / (py + 4.0f); // far at the top
                const float wx = (px - W / 2.0f) * depth * 0.045f;
                const float wz = depth * 6.0f;
                const float warp = n.fbm(wx * 0.8f, wz * 0.8f, 3) - 0.5f;
                auto [f1, f2] = n.worley(wx + 0.6f * warp, wz + 0.6f * warp);
                const float edge = f2 - f1;
                const float crack = 1.0f - smoothstep(0.0f, 0.16f, edge);
                const float halo = 1.0f - smoothstep(0.0f, 0.55f, edge);
                const float mott = n.fbm(wx * 3.0f + 20, wz * 3.0f, 3);
                Rgb c = mix(crust, crustLight, mott);
                c = c + glow * (0.35f * halo * halo);
                c = mix(c, mix(glow, hot, crack * crack), crack);
                sum = sum + c;
            }
        }
        Rgb c = sum * (1.0f / (S * S));
        // Heat haze thickens towards the horizon.
        const float far = std::exp(-fy / 26.0f);
        c = mix(c, haze, 0.85f * far);
        c = c + Rgb{1, 1, 1} * ((n.grain(x, y) - 0.5f) * 4.0f);
        return c;
    });
    return raster.image;
}

// ---------------------------------------------------------------------------------------
// Putter swing: five frames of 80 x 70. In these coordinates the ball sits at (21..28,
// 56..63) and the track's centre line is row 58.

// The shaft tilts further back with every frame while the hands rise towards the upper
// right; the picture is too narrow for the head to travel far left, so it mostly climbs.
struct SwingPose {
    double hoselX, hoselY; // lower end of the shaft, where the head is attached
    double tilt;           // shaft angle from the vertical, in degrees
};

constexpr double kShaftLength = 50.0;
constexpr std::array<SwingPose, 5> kSwing{{
    {17.0, 56.6, 26.0},
    {15.5, 48.0, 38.0},
    {14.0, 39.5, 50.0},
    {12.8, 30.0, 61.0},
    {12.0, 21.0, 71.0},
}};

// Shaft and grip, from the hosel up to the hands.
void drawShaftAndGrip(QPainter& p, QPointF hosel, QPointF unit)
{
    const QPointF hands = hosel + unit * kShaftLength;
    // Shaft: steel, a bright line along its lit side.
    p.setPen(QPen(QColor(120, 124, 134), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hosel, hands);
    p.setPen(QPen(QColor(236, 240, 248), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hosel + QPointF(-0.45, -0.2), hands + QPointF(-0.45, -0.2));

    // Grip: a tapered leather wrap over the top of the shaft, with a cap at its end.
    const QPointF normal(-unit.y(), unit.x());
    const QPointF gripStart = hands - unit * 15.0;
    QPolygonF grip;
    grip << gripStart + normal * 1.5 << hands + normal * 2.3 << hands - normal * 2.3 << gripStart - normal * 1.5;
    QLinearGradient leather(hands + normal * 2.0, hands - normal * 2.0);
    leather.setColorAt(0.0, QColor(150, 40, 30));
    leather.setColorAt(0.35, QColor(236, 96, 70));
    leather.setColorAt(1.0, QColor(84, 16, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(leather);
    p.drawPolygon(grip);
    // The wrap's spiral, as a few dark bands.
    p.setPen(QPen(QColor(60, 10, 8), 0.6));
    for (int i = 1; i < 5; ++i) {
        const QPointF c = gripStart + unit * (3.0 * i);
        const double half = 1.5 + 0.8 * (3.0 * i / 15.0);
        p.drawLine(c + normal * half + unit * 0.6, c - normal * half - unit * 0.6);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 240));
    p.drawEllipse(hands + unit * 0.2, 2.3, 2.3);
}

// Head: a blade whose sole stays level at rest and tilts with the shaft.
void drawHead(QPainter& p, QPointF hosel, double tilt)
{
    p.save();
    p.translate(hosel);
    p.rotate(tilt - kSwing[0].tilt);
    QPainterPath head;
    // Origin at the hosel; the face is on the right, towards the ball.
    head.addRoundedRect(QRectF(-8.5, 0.8, 11.5, 6.2), 1.4, 1.4);
    QLinearGradient metal(QPointF(0, 0.8), QPointF(0, 7.0));
    metal.setColorAt(0.0, QColor(250, 250, 255));
    metal.setColorAt(0.45, QColor(176, 182, 196));
    metal.setColorAt(1.0, QColor(86, 90, 104));
    p.setPen(QPen(QColor(60, 62, 74), 0.6));
    p.setBrush(metal);
    p.drawPath(head);
    // Hosel neck joining shaft and head.
    p.setPen(QPen(QColor(150, 154, 166), 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0.5, -1.5), QPointF(0.5, 1.6));
    // A gold sight line on top.
    p.setPen(QPen(QColor(232, 190, 60), 0.8));
    p.drawLine(QPointF(-6.0, 1.8), QPointF(-1.0, 1.8));
    p.restore();
}

QImage makePutter(int frame, int scale)
{
    constexpr int W = 80, H = 70;
    // Drawn four times larger and reduced with care, for clean edges at 1:1.
    constexpr int Z = 4;
    QImage big(W * Z, H * Z, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Z, Z);

    const SwingPose& swing = kSwing[static_cast<size_t>(frame)];
    const double tilt = swing.tilt * M_PI / 180.0;
    const QPointF hosel(swing.hoselX, swing.hoselY);
    const QPointF unit(std::sin(tilt), -std::cos(tilt)); // along the shaft, head to hands
    drawShaftAndGrip(p, hosel, unit);
    drawHead(p, hosel, swing.tilt);
    p.end();
    QImage small = big.scaled(W * scale, H * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32);
    // Faint fringe pixels only blur the outline on black; drop them, keep the firm edge.
    for (int y = 0; y < small.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < small.width(); ++x)
            if (qAlpha(row[x]) < 40)
                row[x] = qRgba(0, 0, 0, 0);
    }
    return small;
}

bool save(const QImage& img, const QString& dir, const QString& name)
{
    const QString path = dir + '/' + name;
    if (!img.save(path)) {
        std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

// ---------------------------------------------------------------------------------------
// Application icon: a ball rolling up to the cup on a purple green. One drawing, in a 128 x 128
// box, makes every bitmap size and the scalable SVG alike; it draws without clipping, which
// the SVG writer does not carry over.

void drawIcon(QPainter& p)
{
    // Green: a tilted ellipse, lit from the top.
    QRadialGradient green(QPointF(54, 58), 70);
    green.setColorAt(0.0, QColor(176, 84, 200));
    green.setColorAt(0.7, QColor(112, 36, 140));
    green.setColorAt(1.0, QColor(60, 14, 80));
    p.setPen(QPen(QColor(230, 40, 40), 3.0));
    p.setBrush(green);
    p.drawEllipse(QRectF(6, 30, 116, 76));

    // Mowing stripes, cut to the inside of the rim.
    QPainterPath inside;
    inside.addEllipse(QRectF(8, 32, 112, 72));
    QPainterPath stripes;
    for (int i = 0; i < 8; i += 2)
        stripes.addRect(QRectF(0, 32 + i * 9, 128, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawPath(stripes.intersected(inside));

    // Cup with its flag.
    p.setPen(QPen(QColor(230, 40, 40), 2.0));
    p.setBrush(QColor(10, 4, 14));
    p.drawEllipse(QRectF(72, 62, 28, 13));
    p.setPen(QPen(QColor(235, 235, 240), 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(86, 68), QPointF(86, 10));
    QPainterPath flag;
    flag.moveTo(87, 10);
    flag.lineTo(112, 17);
    flag.lineTo(87, 25);
    flag.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 40));
    p.drawPath(flag);

    // Ball with a short shadow.
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(QRectF(32, 78, 24, 8));
    QRadialGradient ball(QPointF(38, 64), 14);
    ball.setColorAt(0.0, QColor(255, 255, 255));
    ball.setColorAt(0.7, QColor(226, 226, 236));
    ball.setColorAt(1.0, QColor(150, 150, 168));
    p.setBrush(ball);
    p.setPen(QPen(QColor(110, 110, 120), 1.2));
    p.drawEllipse(QRectF(30, 58, 22, 22));
}

QImage makeIcon(int size)
{
    constexpr int Z = 4;
    QImage big(size * Z, size * Z, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size * Z / 128.0, size * Z / 128.0);
    drawIcon(p);
    p.end();
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

bool saveIconSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(128, 128));
    svg.setViewBox(QRect(0, 0, 128, 128));
    svg.setTitle(QStringLiteral("VELQUAN"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    drawIcon(p);
    p.end();
    std::printf("%s (scalable)\n", qPrintable(path));
    return true;
}

// The sizes desktops ask the hicolor theme for, named by the game's desktop id.
bool saveThemeIcons(const QString& themeDir)
{
    const QString name = QStringLiteral(VELQUAN_APP_ID);
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
        if (!QDir().mkpath(dir) || !save(makeIcon(size), dir, name + QLatin1String(".png")))
            return false;
    }
    const QString scalable = themeDir + QLatin1String("/scalable/apps");
    return QDir().mkpath(scalable) && saveIconSvg(scalable + '/' + name + QLatin1String(".svg"));
}

// ---------------------------------------------------------------------------------------

QImage makePreview(const QImage& topBar, const QImage& column, const QImage& bottomBar, const QImage& sky,
                   const QImage& ground, const QImage& putter)
{
    QImage win(509, 425, QImage::Format_RGB32);
    win.fill(Qt::black);
    QPainter p(&win);
    p.drawImage(0, 0, column);
    p.drawImage(479, 0, column);
    p.drawImage(30, 0, topBar);
    p.drawImage(30, 405, bottomBar);
    // The sky fills 449 x 430 at top -300 inside a 449 x 130 panel at (30, 43).
    p.setClipRect(30, 43, 449, 130);
    p.drawImage(QRect(30, 43 - 300, 449, 430), sky);
    p.setClipRect(30, 275, 449, 130);
    p.drawImage(QRect(30, 275, 449, 130), ground);
    p.setClipping(false);
    // The track, the ball and the resting putter, for scale.
    p.setPen(QColor(128, 0, 128));
    p.setBrush(Qt::NoBrush);
    p.drawRect(28, 236, 452, 16);
    p.drawLine(28, 244, 480, 244);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::white);
    p.drawEllipse(51, 242, 7, 7);
    p.drawImage(30, 186, putter);
    return win;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QString outDir = QStringLiteral("resources/pictures");
    QString preview;
    QString themeDir;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--preview") && i + 1 < args.size())
            preview = args[++i];
        else if (args[i] == QLatin1String("--icons") && i + 1 < args.size())
            themeDir = args[++i];
        else
            outDir = args[i];
    }
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "make_artwork: cannot create %s\n", qPrintable(outDir));
        return 1;
    }

    const Noise noise(kSeed);
    const QImage topBar = makeTopBar(noise, 1);
    const QImage column = makeColumn(noise, 1);
    const QImage bottomBar = makeBottomBar(noise, 1);
    const QImage sky = makeSky(noise, 1);
    const QImage ground = makeGround(noise, 1);

    // The opaque pictures are uncompressed bitmaps: the game reads them all at start-up, and
    // a bitmap reads several times faster than a PNG. The putters and the icon keep their
    // transparency in PNG. Each comes again twice as fine as name@2x for scaled screens.
    bool ok = save(topBar, outDir, "topbar.bmp") && save(column, outDir, "column.bmp") &&
              save(bottomBar, outDir, "bottombar.bmp") && save(sky, outDir, "sky.bmp") &&
              save(ground, outDir, "ground.bmp");
    ok = ok && save(makeTopBar(noise, 2), outDir, "topbar@2x.bmp") &&
         save(makeColumn(noise, 2), outDir, "column@2x.bmp") &&
         save(makeBottomBar(noise, 2), outDir, "bottombar@2x.bmp") && save(makeSky(noise, 2), outDir, "sky@2x.bmp") &&
         save(makeGround(noise, 2), outDir, "ground@2x.bmp");
    std::vector<QImage> putters;
    for (int i = 0; i < static_cast<int>(kSwing.size()) && ok; ++i) {
        putters.push_back(makePutter(i, 1));
        ok = save(putters.back(), outDir, QStringLiteral("putter%1.png").arg(i)) &&
             save(makePutter(i, 2), outDir, QStringLiteral("putter%1@2x.png").arg(i));
    }
    ok = ok && save(makeIcon(128), outDir, "icon.png");
    if (ok && !themeDir.isEmpty())
        ok = saveThemeIcons(themeDir);
    if (ok && !preview.isEmpty()) {
        const QImage win = makePreview(topBar, column, bottomBar, sky, ground, putters.front());
        ok = win.save(preview, "PNG");
        if (ok)
            std::printf("%s (preview)\n", qPrintable(preview));
    }
    return ok ? 0 : 1;
}
