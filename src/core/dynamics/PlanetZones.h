// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Resonance.h"
#include "Settings.h"

#include <vector>

// Where a belt's planet lets bodies be, worked out once per belt from the
// settings with IEEE operations and the correctly rounded power alone, so
// that every build draws the same belt. With mu the planet's mass (its mass
// times solMassOfJupiter or solMassOfEarth) over the central mass and a_p the
// planet's semi-major axis:
//   resonance p:q:  a_res = a_p power(ratio, 2/3)  (Resonance::positionRatio)
//                   half-width w = a_res sqrt(16/3 mu S e^k), e the resonance
//                   eccentricity multiplied k times, the product formed left
//                   to right: ((16/3 mu) S) e^k
//   chaotic zone:   a_p -+ 1.3 power(mu, 2/7) a_p   (Wisdom 1980, AJ 85, 1122)
//   Trojans:        a = a_p + (a_p k) y,  k = min(sqrt(3 mu) (D r), sqrt(8 mu / 3)),
//                   D the libration amplitude in degrees, r = 0.017453292519943295;
//                   lambda = (lambda_p + 60) + D x at L4, (lambda_p - 60) + D x
//                   at L5, in degrees, (x, y) in the unit disc. The
//                   linearised tadpole keeps |a - a_p| / a_p <= sqrt(3 mu) D
//                   (Murray & Dermott 1999, section 3.8), the tadpole region's
//                   edge sqrt(8 mu / 3).
//   family:         on the planet's outer side when (inner + outer) 0.5 > a_p,
//                   the population's own radii, else on its inner side;
//                   a = center + halfWidth (2u - 1).
//   resonant p:q:   a_res as above; a body of eccentricity e on the pendulum
//                   curve of its libration, of amplitude A about the centre
//                   phi_c, at phi = phi_c + phi':
//                     a = a_res + w(e) sqrt(max(0, (cos phi' - cos A) 0.5)),
//                   w(e) the half-width above at the body's own e, with the
//                   sign of the libration phase's sine (the pendulum model,
//                   Murray & Dermott 1999, Solar System Dynamics, chapter 8;
//                   cos from degreeCosine()).
//                   Centres where conjunctions with the planet fall farthest
//                   from it (ibid., chapter 8): inside the orbit phi_c = 0
//                   for an odd order (the Hildas' 3:2 about 0), 180 for an
//                   even one; outside
//                   180 (the Plutinos' 3:2, Malhotra 1996, AJ 111, 504),
//                   but the outer 2:1's two asymmetric islands at 180 -+ 100,
//                   half the bodies each (Murray-Clay & Chiang 2005, ApJ 619,
//                   623; their centres move with e, 100 is a mean).
// The gaps and the chaotic zone are the belt's; the Trojans' spread, the
// family's and the resonant population's resonance are each population's
// (PopulationZone).
struct ResonanceZone {
    Resonance resonance;
    bool exterior = false; // outside the planet's orbit
    double center = 0;     // AU
    double halfWidth = 0;  // AU
    double widthScale = 0; // (16/3 mu) S
    double lowestE = 0;    // a first-order gap's eccentricity floor; 0 for higher orders
    bool contains(double a) const { return a > center - halfWidth && a < center + halfWidth; }
};

// What the planet makes of one population: a Trojans' spread, a family's
// resonance. Empty for a background population or without the planet.
struct PopulationZone {
    bool hasFamily = false;
    ResonanceZone family;
    double trojanAxisScale = 0; // a_p k
    double trojanAmplitude = 0; // degrees
    double l4Share = 0;         // the Trojans' fraction at L4
    bool tadpole = false;       // Trojans on the tadpole's curve
    double tadpoleScale = 0;    // 8 mu / 3
    double separatrix = 0;      // theta where g = g(180): the largest tadpole's near end
    // A resonant population: its resonance with the planet and where it librates.
    bool hasResonance = false;
    ResonanceZone resonance;    // its center a_res; the half-width unused
    double widthScale = 0;      // (16/3 mu) S: w(e) = a_res sqrt(widthScale e^order)
    double libration = 0;       // phi_c, degrees
    double islandOffset = 0;    // the asymmetric islands' distance from phi_c, or 0
    double largestAmplitude = 0; // degrees
};

// The tadpole's curves (Murray & Dermott 1999, section 3.9): a Trojan at
// theta = lambda - lambda_p from the planet (degrees, 0 to 180) with
//   (delta a / a_p)^2 = 8 mu / 3 (g(theta) - g(theta_near)),
//   g(theta) = cos theta - 1 / (2 sin(theta / 2)),
// sin(theta / 2) = sqrt((1 - cos theta) / 2), cos from degreeCosine(). g is
// largest at 60 degrees and the curve of the near turning point theta_near
// ends on the far side where g takes the same value again, farther from
// L4 than theta_near; g(180) = -1.5 bounds the tadpoles (the separatrix).
double tadpoleEnergy(double theta);
// The theta on (from, to) where g crosses level, by 60 halvings of the
// interval, each midpoint (from + to) 0.5: g rises on (0, 60) and falls on
// (60, 180).
double tadpoleCrossing(double level, double from, double to);

// The libration centre of a resonance and, for the outer 2:1, its islands'
// distance from it (degrees).
double librationCentre(Resonance resonance, bool exterior);
double islandOffset(Resonance resonance, bool exterior);

class PlanetZones {
public:
    explicit PlanetZones(Settings const &settings);

    // Whether a belt body's semi-major axis lies in a gap or the chaotic zone,
    // open intervals both; with gapsByBody the chaotic zone alone.
    bool excluded(double semiMajorAxis) const;
    // Gaps at each body's own eccentricity, or gaps that keep a share: a
    // background body is tested against them one by one (inGap). A gap at
    // eccentricity e (own width) is half as wide as
    //   a_res sqrt(widthScale e'^k), e' = max(e, (mu S)^(1/3)) for k = 1,
    //   e' = e above;
    // the pendulum's width (Murray & Dermott 1999, ch. 8), which vanishes as
    // e -> 0 for k >= 2 (the V shape of the gaps in a and e), while a
    // first-order resonance keeps a width of order (mu S)^(2/3) a_res at
    // small e, where the pendulum model fails (Henrard & Lemaitre 1983,
    // Celest. Mech. 30, 197): the floor (mu S)^(1/3), power() correctly
    // rounded, gives that order; its factor is the pendulum's, not fitted.
    bool gapsByBody = false;
    bool ownWidth = false;
    double keptFraction = 0; // gap-depth / 100
    double largestE = 0;     // the largest e of the populations the gaps fall on
    bool inGap(double semiMajorAxis, double eccentricity) const;
    static double gapHalfWidth(ResonanceZone const &gap, double eccentricity);
    bool excludes() const { return !zones.empty(); }

    // A family body's semi-major axis for its fraction u, and whether the
    // cleared orbit takes it.
    static double familyAxis(ResonanceZone const &family, double u)
    {
        return family.center + family.halfWidth * (2 * u - 1);
    }
    bool clears(double semiMajorAxis) const
    {
        return hasChaoticZone && chaoticZone.contains(semiMajorAxis);
    }

    // A resonant body's libration half-width w(e) at its own eccentricity.
    static double resonantWidth(PopulationZone const &zone, double eccentricity);

    // The room the zones leave between a population's radii, in AU: 0 when they
    // cover it all (or its single radius, for equal radii).
    double roomLeft(double lower, double upper) const;

    double mu = 0;
    double planetAxis = 0;      // AU
    double planetLongitude = 0; // degrees
    // The gaps falling on the populations' radii; empty without gaps.
    std::vector<ResonanceZone> gaps;
    bool hasChaoticZone = false;
    ResonanceZone chaoticZone; // as a zone of half-width 1.3 mu^(2/7) a_p around a_p
    // One for each of the settings' populations, in their order.
    std::vector<PopulationZone> populations;

private:
    std::vector<ResonanceZone> zones; // every zone a background body avoids
};

// The planet's mass in solar masses, from its unit.
double planetMassInSolarMasses(Settings const &settings);
// The mass the planet and the bodies go round: the total mass around a
// barycenter, else the central mass.
double centralMassOf(Settings const &settings);
