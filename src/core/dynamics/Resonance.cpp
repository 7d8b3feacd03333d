// SPDX-License-Identifier: GPL-3.0-or-later
#include "Resonance.h"

#include "CorrectRounding.h"

#include <array>
#include <charconv>

namespace {

// S = a |A| / e^k: A is the amplitude of cos(phi) in the heliocentric
// disturbing function 1/|r - r_p| - r.r_p of a planet on a circular coplanar
// orbit of radius 1, at lowest order in the body's eccentricity e, with
// phi = p lambda_p - q lambda - k varpi inside and p lambda - q lambda_p -
// k varpi outside. Computed once by quadrature and extrapolation to e -> 0
// (scripts/resonance-strengths.cpp), kept to six decimals so that every build
// takes the same numbers. They are alpha f_d (inside) and f_d (outside) of
// Murray & Dermott (1999), chapter 8 and appendix B: 2:1 inside 0.749964
// (f_d = -1.19049 at alpha = 0.63), 3:1 inside 0.287852, 2:1 outside 0.428386.
struct Strength {
    int p, q;
    double interior, exterior;
};
constexpr std::array<Strength, 26> strengths{{
    {2, 1, 0.749964, 0.428386},     {3, 1, 0.287852, 0.363374},    {3, 2, 1.545525, 2.483970},
    {4, 1, 0.096999, 0.371980},     {4, 3, 2.344659, 3.283089},    {5, 1, 0.029034, 0.413390},
    {5, 2, 0.615029, 5.179886},     {5, 3, 2.328909, 5.687229},    {5, 4, 3.144877, 4.083148},
    {6, 5, 3.945319, 4.883220},     {7, 3, 1.275768, 14.768334},   {7, 4, 4.181737, 15.298456},
    {7, 5, 6.288905, 11.316845},    {7, 6, 4.745383, 5.682579},    {8, 5, 7.860534, 23.348192},
    {8, 7, 5.544388, 6.480352},     {9, 5, 8.152799, 44.406099},   {9, 7, 12.166469, 18.865287},
    {9, 8, 6.341382, 7.275291},     {10, 7, 20.583795, 46.999723}, {10, 9, 7.134948, 8.065512},
    {11, 7, 28.532338, 104.929808}, {11, 8, 30.257976, 63.230482}, {11, 9, 19.960195, 28.328946},
    {11, 10, 7.922901, 8.848067},   {12, 11, 8.701786, 9.618181},
}};

Strength const *find(int p, int q)
{
    for (Strength const &each : strengths) {
        if (each.p == p && each.q == q)
            return &each;
    }
    return nullptr;
}

bool isSeparator(char c)
{
    return c == ' ' || c == ',' || c == '\t';
}

} // namespace

double Resonance::positionRatio(bool exterior) const
{
    double const ratio = exterior ? double(p) / q : double(q) / p;
    return CorrectRounding::power(ratio, 2.0 / 3);
}

double Resonance::strength(bool exterior) const
{
    Strength const *found = find(p, q);
    return !found ? 0 : exterior ? found->exterior : found->interior;
}

std::string Resonance::text() const
{
    return std::to_string(p) + ":" + std::to_string(q);
}

std::optional<Resonance> parseResonance(std::string_view text)
{
    auto const colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    Resonance resonance;
    auto const whole = [](std::string_view digits, int &value) {
        auto const end = digits.data() + digits.size();
        auto const result = std::from_chars(digits.data(), end, value);
        return !digits.empty() && digits.front() != '-' && result.ec == std::errc() &&
               result.ptr == end;
    };
    if (!whole(text.substr(0, colon), resonance.p) || !whole(text.substr(colon + 1), resonance.q) ||
        !find(resonance.p, resonance.q))
        return std::nullopt;
    return resonance;
}

std::optional<std::vector<Resonance>> parseResonances(std::string_view text)
{
    std::vector<Resonance> list;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isSeparator(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        auto const resonance = parseResonance(text.substr(at, end - at));
        if (!resonance)
            return std::nullopt;
        list.push_back(*resonance);
        at = end;
    }
    if (list.empty())
        return std::nullopt;
    return list;
}
