// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace zephra::qt {

namespace {

// A fixed seed keeps the stars in the same places on every start.
void paintStarfield(QPainter& p, QSize size, quint32 seed, int count) {
    QRandomGenerator rng(seed);
    for (int i = 0; i < count; ++i) {
        const int x = rng.bounded(size.width());
        const int y = rng.bounded(size.height());
        const int shade = 120 + rng.bounded(136);
        p.setPen(QColor(shade, shade, std::min(255, shade + 30)));
        p.drawPoint(x, y);
        if (rng.bounded(12) == 0) {  // a few brighter stars with a small cross
            p.drawPoint(x - 1, y);
            p.drawPoint(x + 1, y);
            p.drawPoint(x, y - 1);
            p.drawPoint(x, y + 1);
        }
    }
}

QPixmap blackCanvas(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::black);
    return pm;
}

}  // namespace

QPixmap moonPicture() {
    QPixmap pm = blackCanvas({650, 440});
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    paintStarfield(p, pm.size(), 1969, 700);

    // The moon: a lit disc with a few darker seas and craters.
    const QPointF centre(420, 190);
    const qreal radius = 130;
    QRadialGradient light(centre - QPointF(45, 45), radius * 1.6);
    light.setColorAt(0.0, QColor(250, 248, 235));
    light.setColorAt(0.7, QColor(175, 172, 160));
    light.setColorAt(1.0, QColor(70, 68, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(centre, radius, radius);

    p.setBrush(QColor(110, 108, 100, 120));
    const struct {
        qreal dx, dy, r;
    } seas[] = {{-40, -30, 34}, {10, -55, 22}, {35, 20, 40}, {-55, 45, 18}, {60, -20, 14}, {-10, 75, 12}};
    for (const auto& s : seas) p.drawEllipse(centre + QPointF(s.dx, s.dy), s.r, s.r * 0.85);

    // The night side: a soft shadow over the lower right.
    QRadialGradient shade(centre + QPointF(120, 100), radius * 1.4);
    shade.setColorAt(0.0, QColor(0, 0, 0, 200));
    shade.setColorAt(0.6, QColor(0, 0, 0, 90));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.setClipPath(disc);
    p.setBrush(shade);
    p.drawEllipse(centre, radius * 1.2, radius * 1.2);
    p.setClipping(false);

    // A distant binary pair on the left, for the simulator's subject.
    p.setBrush(QColor(255, 220, 140));
    p.drawEllipse(QPointF(120, 300), 9, 9);
    p.setBrush(QColor(170, 200, 255));
    p.drawEllipse(QPointF(160, 285), 5, 5);
    p.setPen(QPen(QColor(90, 90, 140), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(140, 292), 38, 16);
    return pm;
}

QPixmap sunPicture() {
    QPixmap pm = blackCanvas({20, 20});
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(10, 10), 10);
    glow.setColorAt(0.0, QColor(255, 255, 210));
    glow.setColorAt(0.5, QColor(255, 200, 40));
    glow.setColorAt(1.0, QColor(120, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(10, 10), 9.5, 9.5);
    return pm;
}

QPixmap farewellBackground() {
    QPixmap pm(445, 625);
    QPainter p(&pm);
    QLinearGradient sky(0, 0, 0, 625);
    sky.setColorAt(0.0, QColor(0, 0, 20));
    sky.setColorAt(1.0, QColor(20, 10, 50));
    p.fillRect(pm.rect(), sky);
    paintStarfield(p, pm.size(), 4243, 500);
    return pm;
}

QPixmap starshipPicture() {
    QPixmap pm = farewellBackground();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // The destination: the two suns of Alpha Centauri, top right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 150));
    p.drawEllipse(QPointF(340, 90), 16, 16);
    p.setBrush(QColor(255, 190, 110));
    p.drawEllipse(QPointF(372, 112), 11, 11);

    // The starship, climbing towards them: a long hull, a ring and an exhaust plume.
    p.translate(200, 360);
    p.rotate(-35);
    QLinearGradient plume(-230, 0, -60, 0);
    plume.setColorAt(0.0, QColor(60, 120, 255, 0));
    plume.setColorAt(1.0, QColor(160, 220, 255, 230));
    p.setBrush(plume);
    QPainterPath flame;
    flame.moveTo(-60, -10);
    flame.lineTo(-230, 0);
    flame.lineTo(-60, 10);
    flame.closeSubpath();
    p.drawPath(flame);

    QLinearGradient metal(0, -18, 0, 18);
    metal.setColorAt(0.0, QColor(230, 232, 240));
    metal.setColorAt(0.5, QColor(150, 155, 170));
    metal.setColorAt(1.0, QColor(70, 72, 85));
    p.setBrush(metal);
    p.setPen(QPen(QColor(40, 40, 50), 1));
    QPainterPath hull;
    hull.moveTo(-60, -14);
    hull.lineTo(110, -14);
    hull.quadTo(170, 0, 110, 14);
    hull.lineTo(-60, 14);
    hull.closeSubpath();
    p.drawPath(hull);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 205, 220), 4));
    p.drawEllipse(QPointF(0, 0), 14, 48);
    p.setPen(QPen(QColor(120, 200, 255), 2));
    for (int x = 30; x <= 100; x += 18) p.drawPoint(x, -4);
    return pm;
}

QImage applicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);  // drawn on a 64 x 64 grid

    QLinearGradient night(0, 0, 0, 64);
    night.setColorAt(0.0, QColor(10, 12, 40));
    night.setColorAt(1.0, QColor(30, 14, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(night);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // The shared orbit, tilted, and the two bodies on it: a warm star and a small white dwarf.
    p.save();
    p.translate(32, 32);
    p.rotate(-25);
    p.setPen(QPen(QColor(120, 140, 220), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 25, 12);
    p.restore();

    QRadialGradient star(QPointF(17, 38), 11);
    star.setColorAt(0.0, QColor(255, 250, 210));
    star.setColorAt(0.6, QColor(255, 190, 60));
    star.setColorAt(1.0, QColor(200, 80, 10));
    p.setBrush(star);
    p.drawEllipse(QPointF(18, 38), 10, 10);
    QRadialGradient dwarf(QPointF(46, 24), 6);
    dwarf.setColorAt(0.0, QColor(255, 255, 255));
    dwarf.setColorAt(1.0, QColor(130, 170, 255));
    p.setBrush(dwarf);
    p.drawEllipse(QPointF(46, 25), 5.5, 5.5);
    return image;
}

QPixmap mainWindowPicture(std::string_view controlName) {
    if (controlName == "ImMoon") return moonPicture();
    if (controlName == "ImSun") return sunPicture();
    return {};
}

QPixmap farewellPicture(std::string_view controlName) {
    if (controlName == "Picture1") return starshipPicture();
    return {};
}

}  // namespace zephra::qt
