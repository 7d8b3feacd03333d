// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include "CorrectRounding.h"
#include "WideInteger.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <type_traits>

namespace NumberText {

namespace {

using WideInteger::U128;

constexpr int maxScale = 38; // 10^38 is the largest power of ten below 2^128

struct PowersOfTen {
    U128 value[maxScale + 1];
    constexpr PowersOfTen()
        : value()
    {
        value[0] = 1;
        for (int k = 1; k <= maxScale; ++k)
            value[k] = value[k - 1] * 10;
    }
};
constexpr PowersOfTen powersOfTen;

// 10^n as doubles, near enough for a first guess of a number's decimal
// exponent, from 10^-40 on.
constexpr int lowestPower = -40;
struct PowersAsDoubles {
    double value[64];
    constexpr PowersAsDoubles()
        : value()
    {
        double x = 1;
        for (int n = 0; n > lowestPower; --n)
            x /= 10;
        for (double &v : value) {
            v = x;
            x *= 10;
        }
    }
};
constexpr PowersAsDoubles powersAsDoubles;
constexpr std::uint64_t e18 = 1000000000000000000ull;

// round(m 2^e 10^k), ties to even, exactly, when it is below 2^64; false when
// it is not.
bool scaledRound(std::uint64_t m, int e, int k, std::uint64_t &result)
{
    WideInteger::U192 const n = WideInteger::multiply(m, powersOfTen.value[k]);
    if (e >= 0) {
        if (e >= 64 || n.w[2] || n.w[1] || (e > 0 && n.w[0] >> (64 - e)))
            return false;
        result = n.w[0] << e;
        return true;
    }
    if (n.bitLength() + e > 64)
        return false;
    U128 const q = WideInteger::roundedShift(n, -e);
    if (q >> 64)
        return false;
    result = std::uint64_t(q);
    return true;
}

constexpr char digitPairs[] = "00010203040506070809101112131415161718192021222324"
                              "25262728293031323334353637383940414243444546474849"
                              "50515253545556575859606162636465666768697071727374"
                              "75767778798081828384858687888990919293949596979899";

void eightDigits(char *out, std::uint32_t v)
{
    std::uint32_t const high = v / 10000, low = v % 10000;
    std::memcpy(out, digitPairs + 2 * (high / 100), 2);
    std::memcpy(out + 2, digitPairs + 2 * (high % 100), 2);
    std::memcpy(out + 4, digitPairs + 2 * (low / 100), 2);
    std::memcpy(out + 6, digitPairs + 2 * (low % 100), 2);
}

// The digits of a 19-digit integer, most significant first: 3 + 8 + 8, so
// that all but one division work on 32 bits.
void nineteenDigits(char *out, std::uint64_t d)
{
    std::uint64_t const top = d / 100000000;
    std::uint32_t const head = std::uint32_t(top / 100000000);
    out[0] = char('0' + head / 100);
    std::memcpy(out + 1, digitPairs + 2 * (head % 100), 2);
    eightDigits(out + 3, std::uint32_t(top - std::uint64_t(head) * 100000000));
    eightDigits(out + 11, std::uint32_t(d - top * 100000000));
}

// %.19g for the normal doubles whose 19 digits lie within 10^38 of the
// binary value's scale, which is every number a belt holds: the digits are
// the exactly rounded quotient of two integers. nullptr for the rest.
char *writeNumberQuickly(char *out, double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    int const biased = int(bits >> 52) & 0x7ff;
    if (biased == 0 || biased == 0x7ff)
        return nullptr; // zeros, subnormals, infinities and NaN
    std::uint64_t const m = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    int const e = biased - 1075;
    // floor(log10 |value|), guessed from the binary exponent and a table of
    // powers of ten; a wrong guess shows in the count of digits and is
    // corrected.
    int decimalExponent = int((std::int64_t(biased - 1023) * 78913) >> 18);
    int const next = decimalExponent + 1 - lowestPower;
    if (next >= 0 && next < int(sizeof powersAsDoubles.value / sizeof(double)) &&
        std::fabs(value) >= powersAsDoubles.value[next])
        ++decimalExponent;
    std::uint64_t d = 0;
    for (int attempt = 0;; ++attempt) {
        int const k = 18 - decimalExponent;
        if (attempt == 3 || k < 0 || k > maxScale)
            return nullptr;
        if (!scaledRound(m, e, k, d) || d > 10 * e18) {
            ++decimalExponent; // 20 digits or more
            continue;
        }
        if (d < e18) {
            --decimalExponent; // 18 digits or fewer
            continue;
        }
        break;
    }
    if (d == 10 * e18) { // rounded up to the next power of ten
        d = e18;
        ++decimalExponent;
    }

    char digits[19];
    nineteenDigits(digits, d);
    int length = 19;
    while (length > 1 && digits[length - 1] == '0')
        --length;

    if (bits >> 63)
        *out++ = '-';
    if (decimalExponent < -4 || decimalExponent >= 19) {
        *out++ = digits[0];
        if (length > 1) {
            *out++ = '.';
            std::memcpy(out, digits + 1, std::size_t(length - 1));
            out += length - 1;
        }
        *out++ = 'e';
        *out++ = decimalExponent < 0 ? '-' : '+';
        int const magnitude = decimalExponent < 0 ? -decimalExponent : decimalExponent;
        if (magnitude >= 100)
            *out++ = char('0' + magnitude / 100);
        *out++ = char('0' + magnitude / 10 % 10);
        *out++ = char('0' + magnitude % 10);
        return out;
    }
    if (decimalExponent < 0) {
        *out++ = '0';
        *out++ = '.';
        for (int i = -1; i > decimalExponent; --i)
            *out++ = '0';
        std::memcpy(out, digits, std::size_t(length));
        return out + length;
    }
    int const whole = decimalExponent + 1;
    if (length <= whole) {
        std::memcpy(out, digits, std::size_t(whole));
        return out + whole;
    }
    std::memcpy(out, digits, std::size_t(whole));
    out += whole;
    *out++ = '.';
    std::memcpy(out, digits + whole, std::size_t(length - whole));
    return out + (length - whole);
}

} // namespace

char *writeNumber(char *out, double value)
{
    if (char *end = writeNumberQuickly(out, value))
        return end;
    // to_chars with a precision is specified as printf's %.19g in the C locale,
    // which is what a stream at precision 19 writes.
    auto const result =
        std::to_chars(out, out + maxNumberLength, value, std::chars_format::general, 19);
    return result.ec == std::errc() ? result.ptr : out;
}

namespace {

// A quarter of a belt's numbers repeat within a few lines: every orbit's epoch
// and mean anomaly, and the four elements that a binary's second component
// shares with the first. A small per-thread memo of recent texts, keyed by the
// double's bits, spares formatting them again.
class NumberMemo {
public:
    char *write(char *out, double value)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Entry &entry = entries[(bits * 0x9E3779B97F4A7C15ull) >> (64 - indexBits)];
        if (entry.length == 0 || entry.bits != bits) {
            entry.bits = bits;
            entry.length = static_cast<std::uint8_t>(writeNumber(entry.text, value) - entry.text);
        }
        std::memcpy(out, entry.text, maxNumberLength);
        return out + entry.length;
    }

private:
    static constexpr int indexBits = 4;
    struct Entry {
        std::uint64_t bits = 0;
        std::uint8_t length = 0;
        char text[maxNumberLength] = {};
    };
    Entry entries[1 << indexBits];
};

thread_local NumberMemo memo;
static_assert(std::is_trivially_destructible_v<decltype(memo)>);

} // namespace

char *writeRememberedNumber(char *out, double value)
{
    return memo.write(out, value);
}

} // namespace NumberText
