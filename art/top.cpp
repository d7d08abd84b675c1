// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The spinning top: a surface of revolution rendered by a tiny z-buffer
// rasteriser at four times the size, shrunk to 32 x 32 and reduced to a fixed
// palette of old-icon colours with a one-bit mask.

#include "art.h"

#include <QVector3D>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace art {

namespace {

constexpr int oversample = 4;
constexpr int framecount = 18;
constexpr double pi = std::numbers::pi;

// Where the top is in its turn and wobble.
struct Pose
{
    double spin; // about its own axis
    double tilt; // of its axis from the vertical
    double precession; // direction the axis leans to
};

// One point of a band of the outline, turned about the axis: height z, radius r.
struct Ring
{
    double z;
    double r;
};

struct Vertex
{
    QVector3D world;
    QVector3D normal;
    QVector3D local; // before any turning: decides the colour
};

struct Sample
{
    double depth = std::numeric_limits<double>::infinity();
    QRgb colour = 0;
    bool covered = false;
};

// Bands are meshed separately so the edges between them stay sharp.
std::vector<std::vector<Ring>> outline()
{
    std::vector<std::vector<Ring>> bands;
    bands.push_back({{0.0, 0.0}, {0.05, 0.035}, {0.12, 0.07}}); // steel tip
    std::vector<Ring> body;
    for (int i = 0; i <= 12; ++i) {
        const double t = i / 12.0;
        body.push_back({0.12 + 0.43 * t, 0.07 + 0.43 * std::sin(t * pi / 2)});
    }
    bands.push_back(body);
    std::vector<Ring> shoulder;
    for (int i = 0; i <= 8; ++i) {
        const double u = i / 8.0 * pi / 2;
        shoulder.push_back({0.55 + 0.16 * std::sin(u), 0.36 + 0.14 * std::cos(u)});
    }
    bands.push_back(shoulder);
    bands.push_back({{0.71, 0.36}, {0.715, 0.2}, {0.72, 0.07}}); // flat crown
    bands.push_back({{0.72, 0.07}, {0.94, 0.07}}); // handle
    std::vector<Ring> knob;
    for (int i = 0; i <= 6; ++i) {
        const double u = -pi / 2 + i / 6.0 * pi;
        knob.push_back({0.985 + 0.05 * std::sin(u), 0.095 * std::cos(u)});
    }
    bands.push_back(knob);
    return bands;
}

// The colour of the bare material at a point of the top, before light.
QVector3D material(const QVector3D &local)
{
    const double z = local.z();
    if (z < 0.118)
        return {0.72, 0.72, 0.76}; // steel
    if (z > 0.721)
        return {0.20, 0.20, 0.22}; // black handle
    const double angle = std::atan2(local.y(), local.x());
    const bool cream = std::fmod(angle + 4 * pi, pi / 2) < pi / 4;
    if (z > 0.52 && cream)
        return {1.0, 0.93, 0.78}; // stripes on the shoulder and crown
    return {0.86, 0.08, 0.08}; // red
}

QVector3D turned(QVector3D p, const Pose &pose)
{
    auto about_z = [](QVector3D v, double a) {
        return QVector3D(
            float(v.x() * std::cos(a) - v.y() * std::sin(a)), float(v.x() * std::sin(a) + v.y() * std::cos(a)), v.z());
    };
    p = about_z(p, pose.spin);
    p = QVector3D(p.x(), float(p.y() * std::cos(pose.tilt) - p.z() * std::sin(pose.tilt)),
        float(p.y() * std::sin(pose.tilt) + p.z() * std::cos(pose.tilt)));
    return about_z(p, pose.precession);
}

// The camera looks down on the table at this angle.
constexpr double elevation = 22 * pi / 180;
const QVector3D right(1, 0, 0);
const QVector3D up(0, float(std::sin(elevation)), float(std::cos(elevation)));
const QVector3D forward(0, float(std::cos(elevation)), float(-std::sin(elevation)));

// The picture being drawn: its final size, and the larger one drawn first.
struct Canvas
{
    explicit Canvas(int size)
        : finalsize(size),
          big(size * oversample),
          scale(24.0 * oversample * (size / 32.0)),
          centrex(big / 2.0),
          tipy(26.5 * oversample * (size / 32.0))
    { }
    int finalsize;
    int big;
    double scale;
    double centrex;
    double tipy;

    QPointF onscreen(const QVector3D &p) const
    {
        return {centrex + scale * QVector3D::dotProduct(p, right), tipy - scale * QVector3D::dotProduct(p, up)};
    }
};

QRgb shade(const Vertex &v)
{
    const QVector3D light = QVector3D(-0.55f, -0.65f, 0.75f).normalized();
    const QVector3D view = -forward;
    const QVector3D n = v.normal.normalized();
    const double diffuse = std::max(0.0f, QVector3D::dotProduct(n, light));
    const QVector3D half = (light + view).normalized();
    const double specular = std::pow(std::max(0.0f, QVector3D::dotProduct(n, half)), 40.0);
    const QVector3D base = material(v.local);
    auto channel = [&](float c) {
        const double value = c * (0.30 + 0.80 * diffuse) + 0.85 * specular;
        return std::clamp(int(std::lround(255 * value)), 0, 255);
    };
    return qRgb(channel(base.x()), channel(base.y()), channel(base.z()));
}

void triangle(const Canvas &canvas, std::vector<Sample> &buffer, const Vertex &a, const Vertex &b, const Vertex &c)
{
    const int big = canvas.big;
    const QPointF pa = canvas.onscreen(a.world), pb = canvas.onscreen(b.world), pc = canvas.onscreen(c.world);
    const double area = (pb.x() - pa.x()) * (pc.y() - pa.y()) - (pb.y() - pa.y()) * (pc.x() - pa.x());
    if (std::abs(area) < 1e-9)
        return;
    const int x0 = std::max(0, int(std::floor(std::min({pa.x(), pb.x(), pc.x()}))));
    const int x1 = std::min(big - 1, int(std::ceil(std::max({pa.x(), pb.x(), pc.x()}))));
    const int y0 = std::max(0, int(std::floor(std::min({pa.y(), pb.y(), pc.y()}))));
    const int y1 = std::min(big - 1, int(std::ceil(std::max({pa.y(), pb.y(), pc.y()}))));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            auto edge = [&](QPointF u, QPointF v) {
                return ((v.x() - u.x()) * (p.y() - u.y()) - (v.y() - u.y()) * (p.x() - u.x())) / area;
            };
            const double wa = edge(pb, pc), wb = edge(pc, pa), wc = edge(pa, pb);
            if (wa < 0 || wb < 0 || wc < 0)
                continue;
            const auto mix = [&](const QVector3D &u, const QVector3D &v, const QVector3D &w) {
                return float(wa) * u + float(wb) * v + float(wc) * w;
            };
            const QVector3D world = mix(a.world, b.world, c.world);
            const double depth = QVector3D::dotProduct(world, forward);
            Sample &s = buffer[size_t(y * big + x)];
            if (depth >= s.depth)
                continue;
            s.depth = depth;
            s.covered = true;
            s.colour = shade({world, mix(a.normal, b.normal, c.normal), mix(a.local, b.local, c.local)});
        }
    }
}

QImage render(const Canvas &canvas, const Pose &pose)
{
    const int big = canvas.big, finalsize = canvas.finalsize;
    const double scale = canvas.scale;
    std::vector<Sample> buffer(size_t(big * big));

    // The shadow on the table, far behind everything else.
    const QVector3D lean = turned(QVector3D(0, 0, 0.5f), pose);
    const QPointF shadowcentre = canvas.onscreen(QVector3D(lean.x() * 0.5f + 0.08f, lean.y() * 0.5f, 0));
    const double rx = 0.44 * scale, ry = rx * std::sin(elevation) * 1.2;
    for (int y = 0; y < big; ++y)
        for (int x = 0; x < big; ++x) {
            const double dx = (x + 0.5 - shadowcentre.x()) / rx, dy = (y + 0.5 - shadowcentre.y()) / ry;
            if (dx * dx + dy * dy <= 1) {
                Sample &s = buffer[size_t(y * big + x)];
                s.covered = true;
                s.depth = 1e6;
                s.colour = qRgb(72, 72, 88);
            }
        }

    constexpr int around = 64;
    for (const auto &band : outline()) {
        // Normals of the outline in the (r, z) plane, from the neighbouring rings.
        std::vector<std::pair<double, double>> normals;
        for (size_t i = 0; i < band.size(); ++i) {
            const Ring &before = band[i == 0 ? 0 : i - 1];
            const Ring &after = band[std::min(i + 1, band.size() - 1)];
            const double dz = after.z - before.z, dr = after.r - before.r;
            const double length = std::hypot(dz, dr);
            normals.emplace_back(dz / length, -dr / length);
        }
        auto vertex = [&](size_t ring, int step) {
            const double a = 2 * pi * step / around;
            const QVector3D local(
                float(band[ring].r * std::cos(a)), float(band[ring].r * std::sin(a)), float(band[ring].z));
            const QVector3D normal(float(normals[ring].first * std::cos(a)), float(normals[ring].first * std::sin(a)),
                float(normals[ring].second));
            return Vertex {turned(local, pose), turned(normal, pose), local};
        };
        for (size_t i = 0; i + 1 < band.size(); ++i)
            for (int step = 0; step < around; ++step) {
                const Vertex a = vertex(i, step), b = vertex(i, step + 1);
                const Vertex c = vertex(i + 1, step), d = vertex(i + 1, step + 1);
                triangle(canvas, buffer, a, b, d);
                triangle(canvas, buffer, a, d, c);
            }
    }

    // Shrink: average what covers each final pixel; more than half covered is opaque.
    const QList<QRgb> palette {
        qRgb(64, 0, 0),
        qRgb(120, 0, 0),
        qRgb(170, 10, 10),
        qRgb(215, 25, 25),
        qRgb(250, 70, 60),
        qRgb(255, 150, 130),
        qRgb(255, 236, 200),
        qRgb(200, 172, 140),
        qRgb(255, 255, 255),
        qRgb(36, 36, 40),
        qRgb(96, 96, 110),
        qRgb(160, 160, 170),
        qRgb(220, 220, 228),
        qRgb(72, 72, 88),
    };
    QImage image(finalsize, finalsize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < finalsize; ++y)
        for (int x = 0; x < finalsize; ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int sy = 0; sy < oversample; ++sy)
                for (int sx = 0; sx < oversample; ++sx) {
                    const Sample &s = buffer[size_t((y * oversample + sy) * big + x * oversample + sx)];
                    if (!s.covered)
                        continue;
                    r += qRed(s.colour);
                    g += qGreen(s.colour);
                    b += qBlue(s.colour);
                    ++n;
                }
            if (2 * n > oversample * oversample)
                image.setPixel(x, y, palette[nearest(palette, qRgb(r / n, g / n, b / n))]);
        }
    return image;
}

} // namespace

QList<QImage> topframes(int size)
{
    const Canvas canvas(size);
    // One full wobble over the loop; the stripes (a pattern repeating every
    // quarter turn) advance 7/18 of a quarter turn a frame, so frame 18 is frame 0.
    QList<QImage> frames;
    for (int k = 0; k < framecount; ++k) {
        const double wobble = 2 * pi * k / framecount;
        const Pose pose {(pi / 2) * 7 * k / framecount, 10 * pi / 180, wobble};
        frames.append(render(canvas, pose));
    }
    return frames;
}

} // namespace art
