// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingValue.h"

#include <cmath>
#include <system_error>

ValueRead readNumberValue(std::string_view text, FieldRange range, double &target)
{
    double value = 0;
    std::errc const read = readNumberText(text, value);
    if (read == std::errc::invalid_argument)
        return ValueRead::NotANumber;
    if (read == std::errc::result_out_of_range)
        return ValueRead::OutOfRange;
    if (!std::isfinite(value))
        return ValueRead::NotFinite;
    if (!range.contains(value))
        return ValueRead::OutOfRange;
    target = value + 0.0; // no negative zero in the catalogue
    return ValueRead::Read;
}

ValueRead readWholeValue(std::string_view text, std::uint64_t maximum, std::uint64_t &target)
{
    std::uint64_t value = 0;
    std::errc const read = readNumberText(text, value);
    if (read == std::errc::invalid_argument)
        return ValueRead::NotANumber;
    if (read == std::errc::result_out_of_range || value > maximum)
        return ValueRead::OutOfRange;
    target = value;
    return ValueRead::Read;
}

ValueRead readSettingValue(SettingRow const &row, std::string_view text, EnteredSettings &entered,
                           std::size_t population)
{
    switch (row.kind) {
    case SettingRow::Number: return readNumberValue(text, row.range, row.number(entered, population));
    case SettingRow::WholeNumber: {
        std::uint64_t value = 0;
        ValueRead const read = readWholeValue(text, std::uint64_t(row.range.maximum), value);
        if (read == ValueRead::Read)
            row.whole(entered, population) = static_cast<std::uint32_t>(value);
        return read;
    }
    case SettingRow::Choice: {
        auto const value = row.valueOf(text);
        if (!value)
            return ValueRead::NotAWord;
        row.setChoice(entered, *value, population);
        return ValueRead::Read;
    }
    case SettingRow::Text:
    case SettingRow::Flag: break;
    }
    return ValueRead::NotAWord;
}
