// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A second, independent model of one tick for bodies 1 and 2 alone (body 0 switched off), written straight
// from the physics: position-first Euler, Newton's pull with its exponent, dark-cloud friction, the gravity
// delay (Temporal from its own history, Spatial along the velocity with the history's mass, the automatic
// switch), contact with Bounce and the spin yield, the Einstein limit, the Vessor Theory spin gain and mass
// shedding, and the event horizon. It shares no code with the engine, so a fault there shows as a
// difference in the numbers after a run. Pulls are taken as g dx / r, g dy / r.

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
    FormOrbit& f;  // read for the options only, as the user left them before the run
    const SimState& s = f.st;
    Body b[3]{{}, body(1), body(2)};
    double mass0 = s.Mass[0], bufPos = s.BufPos, gm = s.TimeFac2 * s.GMsun, c = s.LightC, ips = s.ItersPerSec;
    double gravSpeed = f.TXGspeed.leadingValue() * c, yield = f.TXyield.leadingValue();
    double darkFric = f.Cosmos[4].ticked() ? f.TXdark.leadingValue() : 0;
    bool relativity = f.Cosmos[1].ticked(), vessor = f.Cosmos[2].ticked(), delay = f.Cosmos[3].ticked();
    bool temporal = f.OpGD[0].value();
    float impact = s.ImpactFlag;
    std::map<int, Slot> history;  // slots never written hold zeros

    explicit PairModel(FormOrbit& form) : f(form) {}

    Body body(int i) const {
        return {s.PosX[i], s.PosY[i], s.VelX[i], s.VelY[i], s.Mass[i], s.Spin[i], f.TXrad[i].leadingValue()};
    }
    double speed(const Body& k) const { return std::hypot(k.vx, k.vy) * ips / c; }
    double sign(double spin) const { return spin < 0 ? -1 : 1; }

    void tick() {
        bufPos = bufPos + 1 == 1000000 ? 0 : bufPos + 1;
        Slot& slot = history[static_cast<int>(bufPos)];
        for (int i = 1; i <= 2; ++i) {
            slot.x[i] = b[i].x;
            slot.y[i] = b[i].y;
            slot.mass[i] = b[i].mass;
        }
        for (int i = 2; i >= 1; --i) move(b[i]);
        double accX[3]{}, accY[3]{}, ax = 0, ay = 0, dist = 0;
        impact = 0;
        for (int i = 2; i >= 1; --i) {  // body 2 pulled by body 1 first
            const int j = 3 - i;
            const double dx = b[j].x - b[i].x, dy = b[j].y - b[i].y, r = std::hypot(dx, dy);
            const double contact = b[i].radius + b[j].radius;
            if (i == 2) dist = r;
            double signDy = dy;
            if (r == 0) {
                signDy = 0;
            } else if (r <= contact) {
                if (yield > std::abs(b[i].spin) + std::abs(b[j].spin) || !f.Cosmos[5].ticked()) {
                    pull(-(r / contact) * b[j].mass, dx, dy, r, ax, ay);
                    impact = 6;
                    b[1].spin = b[2].spin = 0;
                }  // bouncing bodies add the pull of the pair before
            } else if (!delay) {
                pull(gm * b[j].mass / std::pow(r, f.TXg[2].leadingValue()), dx, dy, r, ax, ay);
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
        for (int k = 2; k >= 1; --k) limit(b[k], oldV[k]);
        // A body heavier than 2.6 suns takes the radius of its event horizon, as shown with two decimals.
        for (int i = 1; i <= 2; ++i)
            if (b[i].mass > 2.6) b[i].radius = std::round(f.TXschwarz.leadingValue() * b[i].mass * 100) / 100;
    }

  private:
    // The y component comes out unsigned; the tick signs it by dy.
    static void pull(double g, double dx, double dy, double r, double& ax, double& ay) {
        ax = g * dx / r;
        ay = g * std::abs(dy) / r;
    }

    // Friction, the move, and the Vessor Theory decay of a body whose edge would pass c.
    void move(Body& k) {
        k.vx *= 1 - darkFric;
        k.vy *= 1 - darkFric;
        k.x += k.vx;
        k.y += k.vy;
        const double excess = speed(k) + std::abs(kTwoPi * k.spin * k.radius * ips / c) * s.TimeFac - 1;
        if (!(k.radius > 0 && vessor && excess >= 0)) return;
        if (impact == 0 && k.mass > 0) {
            const double shed = std::min(std::abs(excess / 30) * k.mass, k.mass);
            k.mass -= shed;
            mass0 += shed;
        }
        k.spin -= sign(k.spin) * excess * c / (kTwoPi * k.radius * ips);
    }

    // The pull towards the gravity origin; gives the dy whose sign the y component takes.
    double delayedPull(int i, int j, double r, double dx, double dy, double dist, double& ax, double& ay) {
        const double delayIters = dist / gravSpeed / (s.StepUnits / 100000);
        const double slot = std::max(0.0, bufPos - std::floor(delayIters));
        if (f.Chswitch.ticked() && delayIters > 0) temporal = f.TXswitch.leadingValue() > 100 / delayIters;
        const Slot& past = history[static_cast<int>(slot)];
        if (temporal && slot <= 1) {
            pull(gm * b[j].mass / std::pow(r, f.TXg[2].leadingValue()), dx, dy, r, ax, ay);
            return dy;
        }
        const double ox = temporal ? past.x[j] : b[j].x - b[j].vx * delayIters;
        const double oy = temporal ? past.y[j] : b[j].y - b[j].vy * delayIters;
        const double odx = ox - b[i].x, ody = oy - b[i].y, odr = std::hypot(odx, ody);
        pull(gm * past.mass[j] / std::pow(odr, f.TXg[2].leadingValue()), odx, ody, odr, ax, ay);
        return ody;
    }

    // Einstein's addition of the speed gained, the limit, and the speed taken away turned into spin.
    void limit(Body& k, double oldV) {
        const double newV = speed(k), deltaV = newV - oldV;
        const double factor = newV > 0 ? (deltaV + oldV) / (deltaV * oldV + 1) / newV : 1;
        const double removed = std::hypot(k.vx - factor * k.vx, k.vy - factor * k.vy);
        if (relativity && oldV <= factor * newV) {
            k.vx *= factor;
            k.vy *= factor;
        }
        if (vessor && k.radius > 0 && impact == 0)
            k.spin += sign(k.spin) * std::sqrt(2 * removed * ips) / (kTwoPi * k.radius);
    }
};

}  // namespace zephra::testing
