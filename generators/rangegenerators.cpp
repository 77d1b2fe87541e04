#include "generators/rangegenerators.h"

#include "columns/columnobject.h"
#include "generators/attributewidgets.h"
#include "generators/numbers.h"
#include "generators/random.h"

#include <algorithm>
#include <cmath>

#include <QLabel>
#include <QLineEdit>

namespace rowsmith {

namespace {

constexpr Placement fromLabelAt{0, 5, 40, 20};
constexpr Placement fromFieldAt{40, 0, 40, 25};
constexpr Placement toLabelAt{80, 5, 40, 20};
constexpr Placement toFieldAt{120, 0, 40, 25};

std::string numberRangeValue(const RangeState& state) {
    const auto from = parseInteger(fieldText(state.fromField));
    const auto to = parseInteger(fieldText(state.toField));
    return formatInteger(drawNumberInRange(from, to, randomSource()));
}

std::string randomPriceValue(const RangeState& state) {
    const double to = parseDecimal(fieldText(state.toField));
    const double from = parseDecimal(fieldText(state.fromField));
    return formatPrice(drawPrice(from, to, randomSource()));
}

template <std::string (*value)(const RangeState&)>
std::string rangeGenerator(ColumnObject& column, std::string_view message) {
    if (message == message::getContent)
        return value(column.state<RangeState>());
    if (message == message::ctor) {
        auto state = std::make_unique<RangeState>();
        state->fromLabel = createLabel(column, fromLabelAt, "From:");
        state->fromField = createField(column, fromFieldAt, Qt::AlignRight);
        state->toLabel = createLabel(column, toLabelAt, "To:");
        state->toField = createField(column, toFieldAt, Qt::AlignRight);
        column.setState(std::move(state));
    } else if (message == message::move) {
        auto& state = column.state<RangeState>();
        moveToOrigin(state.fromLabel, column, fromLabelAt);
        moveToOrigin(state.fromField, column, fromFieldAt);
        moveToOrigin(state.toLabel, column, toLabelAt);
        moveToOrigin(state.toField, column, toFieldAt);
    } else if (message == message::release) {
        auto& state = column.state<RangeState>();
        delete state.fromField;
        delete state.toField;
        delete state.fromLabel;
        delete state.toLabel;
        column.setState(nullptr);
    }
    return {};
}

} // namespace

std::int64_t drawNumberInRange(std::int64_t from, std::int64_t to, RandomSource& random) {
    const auto low = static_cast<std::uint64_t>(std::min(from, to));
    const auto high = static_cast<std::uint64_t>(std::max(from, to));
    // The span of any two 64-bit bounds fits an unsigned 64-bit value; the sum wraps back into
    // the range between them.
    return static_cast<std::int64_t>(low + random.uniform(high - low));
}

double drawPrice(double from, double to, RandomSource& random) {
    const double low = std::min(from, to);
    const double high = std::max(from, to);
    const double steps = std::nearbyint((high - low) * 100.0);
    double price;
    if (steps < 18446744073709551616.0) {
        price = low + static_cast<double>(random.uniform(static_cast<std::uint64_t>(steps))) / 100;
    } else {
        // Bounds so far apart that a cent is far below the precision of a double: interpolate
        // between them without forming their (possibly infinite) difference.
        const double fraction = static_cast<double>(random.uniform((std::uint64_t{1} << 53) - 1)) /
                                static_cast<double>((std::uint64_t{1} << 53) - 1);
        price = low * (1.0 - fraction) + high * fraction;
    }
    return std::clamp(price, low, high);
}

std::string numberRangeGenerator(ColumnObject& column, std::string_view message) {
    return rangeGenerator<numberRangeValue>(column, message);
}

std::string randomPriceGenerator(ColumnObject& column, std::string_view message) {
    return rangeGenerator<randomPriceValue>(column, message);
}

} // namespace rowsmith
