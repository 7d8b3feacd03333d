// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the strength table of src/core/dynamics/Resonance.cpp:
//   g++ -O2 -o strengths scripts/resonance-strengths.cpp && ./strengths
// Strength S of each mean-motion resonance p:q (a_p = 1): the coefficient of
// e^k in a |A|, where A is the amplitude of cos(phi) in the heliocentric
// disturbing function 1/|r - r_p| - r.r_p of a circular coplanar planet.
#include <cmath>
#include <cstdio>
#include <numeric>
double amplitude(int p, int q, bool exterior, double e, int n)
{
    double const a = exterior ? std::cbrt(double(p * p) / (q * q)) : std::cbrt(double(q * q) / (p * p));
    long double sum = 0;
    for (int i = 0; i < n; ++i) {
        double const M = 2 * M_PI * i / n;
        double E = M;
        for (int k = 0; k < 50; ++k) E = E - (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
        double const x = a * (std::cos(E) - e), y = a * std::sqrt(1 - e * e) * std::sin(E);
        for (int j = 0; j < n; ++j) {
            double const L = 2 * M_PI * j / n;
            double const px = std::cos(L), py = std::sin(L);
            double const d = std::sqrt((x - px) * (x - px) + (y - py) * (y - py));
            double const D = 1 / d - (x * px + y * py);
            double const phi = exterior ? p * M - q * L : p * L - q * M;
            sum += D * std::cos(phi);
        }
    }
    return double(2 * sum / (double(n) * n)) * a;
}
int main()
{
    int const n = 1024;
    for (int side = 0; side < 2; ++side)
        for (int p = 2; p <= 12; ++p)
            for (int q = 1; q < p; ++q) {
                int k = p - q;
                if (k > 4 || std::gcd(p, q) != 1) continue;
                double e1 = 0.02, e2 = 0.04;
                double s1 = amplitude(p, q, side, e1, n) / std::pow(e1, k);
                double s2 = amplitude(p, q, side, e2, n) / std::pow(e2, k);
                double s = (s1 * e2 * e2 - s2 * e1 * e1) / (e2 * e2 - e1 * e1);
                std::printf("%s %d:%d k=%d S=%.6f (%.6f %.6f)\n", side ? "ext" : "int", p, q, k, std::fabs(s), s1, s2);
            }
}
