// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The exact integer arithmetic behind the correctly rounded cube and the
// catalogue's numbers: a product of up to 192 bits, and its right shift
// rounded to nearest, ties to even.
namespace WideInteger {

__extension__ typedef unsigned __int128 U128; // GCC and Clang on 64-bit targets

struct U192 { // least significant word first
    std::uint64_t w[3];

    int bitLength() const
    {
        for (int k = 2; k >= 0; --k)
            if (w[k])
                return 64 * k + 64 - __builtin_clzll(w[k]);
        return 0;
    }
};

inline U192 multiply(std::uint64_t a, U128 b)
{
    U128 const low = U128(a) * std::uint64_t(b);
    U128 const high = U128(a) * std::uint64_t(b >> 64) + (low >> 64);
    return {{std::uint64_t(low), std::uint64_t(high), std::uint64_t(high >> 64)}};
}

// x / 2^s rounded to nearest, ties to even, for s >= 1 and a quotient below
// 2^64 (the rounded result may reach 2^64).
inline U128 roundedShift(U192 const &x, int s)
{
    if (s > 192)
        return 0; // below half of one unit
    int const k = s / 64, r = s % 64;
    std::uint64_t q = 0;
    if (k < 3) {
        q = x.w[k] >> r;
        if (r && k < 2)
            q |= x.w[k + 1] << (64 - r);
    }
    int const b = s - 1; // the rounding bit; those below it are sticky
    bool const half = (x.w[b / 64] >> (b % 64)) & 1;
    bool sticky = (x.w[b / 64] & ((std::uint64_t(1) << (b % 64)) - 1)) != 0;
    for (int i = 0; i < b / 64; ++i)
        sticky = sticky || x.w[i] != 0;
    return U128(q) + (half && (sticky || (q & 1)));
}

} // namespace WideInteger
