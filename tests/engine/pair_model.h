#pragma once

// A second, independent model of one tick for bodies 1 and 2 alone (body 0 switched off), written straight
// from the physics: position-first Euler, Newton's pull with its exponent, dark-cloud friction, the gravity
// delay (Temporal from its own history, Spatial along the velocity with the history's mass, the automatic
// switch), contact with Bounce and the spin yield, the Einstein limit, the Vessor Theory spin gain and mass
// shedding, and the event horizon. It shares no code with the engine, so a fault there shows as a
// difference in the numbers after a run.

#include <cmath>
#include <map>

#include "ui/form_orbit.h"

namespace zephra::testing {

struct PairModel {
    static constexpr double kTwoPi = 6.28318530717958;
    struct Body {
        double x, y, vx, vy, mass, spin, radius;
    };
    struct Slot {
        double x[3]{}, y[3]{}, mass[3]{};
    };
    Body b[3]{};
    double mass0 = 0, gm = 0, gExp = 2, c = 0, ips = 0, stepUnits = 0, timeFac = 0, gravSpeed = 0;
    double yield = 0, switchPct = 0, bufPos = 0, darkFric = 0, schwarz = 0;
    bool relativity = false, vessor = false, delay = false, temporal = true, autoSwitch = false;
    bool bounce = false, gaseous = false, ended = false;
    float impact = 0;
    std::map<int, Slot> history;  // slots never written hold zeros

    // Takes over the state and the options of a window that is about to tick.
    explicit PairModel(FormOrbit& f) {
        const SimState& s = f.st;
        for (int i = 1; i <= 2; ++i)
            b[i] = {
                s.PosX[i], s.PosY[i], s.VelX[i], s.VelY[i], s.Mass[i], s.Spin[i], f.TXrad[i].leadingValue()};
        mass0 = s.Mass[0];
        gm = s.TimeFac2 * s.GMsun;
        gExp = f.TXg[2].leadingValue();
        c = s.LightC;
        ips = s.ItersPerSec;
        stepUnits = s.StepUnits;
        timeFac = s.TimeFac;
        gravSpeed = f.TXGspeed.leadingValue() * c;
        relativity = f.Cosmos[1].ticked();
        vessor = f.Cosmos[2].ticked();
        delay = f.Cosmos[3].ticked();
        if (f.Cosmos[4].ticked()) darkFric = f.TXdark.leadingValue();
        bounce = f.Cosmos[5].ticked();
        temporal = f.OpGD[0].value();
        autoSwitch = f.Chswitch.ticked();
        switchPct = f.TXswitch.leadingValue();
        yield = f.TXyield.leadingValue();
        gaseous = f.ChHit.ticked();
        schwarz = f.TXschwarz.leadingValue();
        bufPos = s.BufPos;
        impact = s.ImpactFlag;
    }

    double speed(const Body& k) const { return std::hypot(k.vx, k.vy) * ips / c; }

    void tick() {
        bufPos = bufPos + 1 == 1000000 ? 0 : bufPos + 1;
        Slot& slot = history[static_cast<int>(bufPos)];
        for (int i = 1; i <= 2; ++i) slot = withBody(slot, i);
        for (int i = 2; i >= 1; --i) move(i);
        double accX[3]{}, accY[3]{}, ax = 0, ay = 0, dist = 0;
        impact = 0;
        for (int i = 2; i >= 1; --i) {
            const int j = 3 - i;
            const double dx = b[j].x - b[i].x, dy = b[j].y - b[i].y, r = std::hypot(dx, dy);
            const double contact = b[i].radius + b[j].radius;
            if (i == 2) dist = r;
            double signDy = dy;
            if (r == 0) {
                signDy = 0;
            } else if (r <= contact) {
                const bool fluid = yield > std::abs(b[i].spin) + std::abs(b[j].spin);
                if (fluid || !bounce) {
                    const double push = -(r / contact) * b[j].mass;
                    ax = push * dx / r;
                    ay = push * std::abs(dy) / r;
                    impact = 6;
                    b[1].spin = b[2].spin = 0;
                    if (!gaseous) ended = true;
                }
            } else if (!delay) {
                const double g = gm * b[j].mass / std::pow(r, gExp);
                ax = g * dx / r;
                ay = g * std::abs(dy) / r;
            } else {
                signDy = delayedPull(i, j, r, dx, dy, dist, ax, ay);
            }
            if (signDy < 0) ay = -ay;
            accX[i] = ax;
            accY[i] = ay;
        }
        double oldV[3];
        for (int i = 1; i <= 2; ++i) {
            oldV[i] = speed(b[i]);
            b[i].vx += accX[i];
            b[i].vy += accY[i];
        }
        for (int k = 2; k >= 1; --k) limit(k, oldV[k]);
        // A body heavier than 2.6 suns takes the radius of its event horizon, as shown with two decimals.
        for (int i = 1; i <= 2; ++i)
            if (b[i].mass > 2.6) b[i].radius = std::round(schwarz * b[i].mass * 100) / 100;
    }

  private:
    Slot withBody(Slot s, int i) const {
        s.x[i] = b[i].x;
        s.y[i] = b[i].y;
        s.mass[i] = b[i].mass;
        return s;
    }

    // Friction, the move, and the Vessor Theory decay of a body whose edge would pass c.
    void move(int i) {
        Body& k = b[i];
        k.vx *= 1 - darkFric;
        k.vy *= 1 - darkFric;
        k.x += k.vx;
        k.y += k.vy;
        const double spinV = std::abs(kTwoPi * k.spin * k.radius * ips / c) * timeFac;
        const double excess = speed(k) + spinV - 1;
        if (!(k.radius > 0 && vessor && excess >= 0)) return;
        if (impact == 0 && k.mass > 0) {
            const double shed = std::abs(excess / 30) * k.mass;
            k.mass -= shed;
            mass0 += shed;
            if (k.mass < 0) {
                mass0 += k.mass;
                k.mass = 0;
            }
        }
        k.spin -= (k.spin < 0 ? -1 : 1) * excess * c / (kTwoPi * k.radius * ips);
    }

    // The pull towards the gravity origin; gives the dy whose sign the y component takes.
    double delayedPull(int i, int j, double r, double dx, double dy, double dist, double& ax, double& ay) {
        const double delayIters = dist / gravSpeed / (stepUnits / 100000);
        const double slot = std::max(0.0, bufPos - std::floor(delayIters));
        if (autoSwitch && delayIters > 0) temporal = switchPct > 100000 / delayIters / 1000;
        const Slot& past = history[static_cast<int>(slot)];
        double ox, oy;
        if (temporal && slot <= 1) {
            const double g = gm * b[j].mass / std::pow(r, gExp);
            ax = g * dx / r;
            ay = g * std::abs(dy) / r;
            return dy;
        }
        if (temporal) {
            ox = past.x[j];
            oy = past.y[j];
        } else {
            ox = b[j].x - b[j].vx * delayIters;
            oy = b[j].y - b[j].vy * delayIters;
        }
        const double odx = ox - b[i].x, ody = oy - b[i].y, odr = std::hypot(odx, ody);
        const double g = gm * past.mass[j] / std::pow(odr, gExp);
        ax = g * odx / odr;
        ay = g * std::abs(ody) / odr;
        return ody;
    }

    // Einstein's addition of the speed gained, the limit, and the speed taken away turned into spin.
    void limit(int i, double oldV) {
        Body& k = b[i];
        const double newV = speed(k), deltaV = newV - oldV;
        const double factor = newV > 0 ? (deltaV + oldV) / (deltaV * oldV + 1) / newV : 1;
        const double removed = std::hypot(k.vx - factor * k.vx, k.vy - factor * k.vy);
        if (relativity && oldV <= factor * newV) {
            k.vx *= factor;
            k.vy *= factor;
        }
        if (vessor && k.radius > 0 && impact == 0)
            k.spin += (k.spin < 0 ? -1 : 1) * std::sqrt(2 * removed * ips) / (kTwoPi * k.radius);
    }
};

}  // namespace zephra::testing
