#include "fuzz/sim_operations.h"

#include "sim/cutting_inputs.h"
#include "sim/input_fields.h"
#include "sim/materials.h"
#include "sim/run.h"
#include "sim/state_diff.h"
#include "sim/state_fields.h"
#include "sim/tool_inputs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace fuzz {
namespace {

constexpr std::array<const char*, 6> kHugeTexts{
    "2147483647", "2147483648", "-2147483648", "-2147483649", "99999999999999999999", "0000000008",
};
constexpr std::array<const char*, 10> kMalformedTexts{
    "abc",
    "1e2",
    "0x10",
    "12a",
    "+",
    "-",
    "--5",
    "5-",
    "\xc2\xa0"
    "5",
    "٣",
};

// An item index of a list of `items` entries, or one past either end (-1, items): no item.
int ListIndex(ByteSource& in, size_t items) {
    return static_cast<int>(in.Next() % (items + 2)) - 1;
}

std::string Joined(const std::set<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

// The limits of an angle field in radians as the state holds them.
bool AngleWithin(double angle, sim::InputField field) {
    const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(field);
    // The clearance minimum stores its own rounded angles (0.105 for 6 degrees): a small margin.
    constexpr double kStoredRounding = 1e-3;
    return angle >= sim::DegreesToRadians(fieldSpec.minimum) - kStoredRounding &&
           angle <= sim::DegreesToRadians(fieldSpec.maximum) + kStoredRounding;
}

bool Within(double value, sim::InputField field) {
    const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(field);
    return value >= sim::FieldToValue(field, fieldSpec.minimum) &&
           value <= sim::FieldToValue(field, fieldSpec.maximum);
}

// Why a field is not finite, "" when it is: reals and arrays of reals are checked, other fields
// (counts, choices, pixels) have nothing to check.
template <class T> std::string NonFinite(const T&, const char*) {
    return {};
}

std::string NonFinite(double value, const char* name) {
    return std::isfinite(value) ? std::string() : std::string(name) + " is not finite";
}

template <std::size_t N>
std::string NonFinite(const std::array<double, N>& values, const char* name) {
    for (size_t i = 0; i < N; ++i) {
        if (!std::isfinite(values[i])) {
            return std::string(name) + "[" + std::to_string(i) + "] is not finite";
        }
    }
    return {};
}

std::string CheckFinite(const sim::SimState& s) {
#define GLODANJE_FINITE_FIELD(field)                                                               \
    if (std::string why = NonFinite(s.field, #field); !why.empty()) {                              \
        return why;                                                                                \
    }
    GLODANJE_SIM_STATE_FIELDS(GLODANJE_FINITE_FIELD)
#undef GLODANJE_FINITE_FIELD
    return {};
}

std::string CheckInputs(const sim::SimState& s) {
    using sim::InputField;
    const auto whole = [](int32_t value, InputField field) {
        const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(field);
        return value >= fieldSpec.minimum && value <= fieldSpec.maximum;
    };
    if (!whole(s.CutterDiameter, InputField::Diameter) || !whole(s.ToothCount, InputField::Teeth) ||
        !whole(s.CutWidth, InputField::Width)) {
        return "diameter, teeth or width outside its limits";
    }
    if (!AngleWithin(s.RakeAngle, InputField::Rake) ||
        !AngleWithin(s.ClearanceAngle, InputField::Clearance) ||
        !AngleWithin(s.HelixAngle, InputField::Helix)) {
        return "an angle outside its field's limits";
    }
    if (!Within(s.CuttingSpeed, InputField::Speed) || !Within(s.FeedSpeed, InputField::Feed)) {
        return "cutting or feed speed outside its limits";
    }
    const double shallowest =
        sim::FieldToValue(InputField::Depth, sim::FieldSpec(InputField::Depth).minimum);
    if (s.DepthMm < shallowest || s.DepthMm > s.CutterDiameter / 2.0 + 1e-9 || s.DepthPixels < 0 ||
        s.DepthPixels > sim::kDrawnRadius) {
        return "depth " + std::to_string(s.DepthMm) + " mm outside 0.5..D/2";
    }
    // The axis maxima stay 0 until their fields are first applied.
    if ((s.ForceAxisMax != 0 && !Within(s.ForceAxisMax, InputField::ForceMax)) ||
        (s.ChipAxisMax != 0 && !Within(s.ChipAxisMax, InputField::ChipMax))) {
        return "an axis maximum outside its limits";
    }
    const int32_t deepestTenths =
        static_cast<int32_t>(sim::kDrawnRadiusTenths / sim::kDrawnDiameter *
                             sim::FieldSpec(InputField::Diameter).maximum);
    if (s.DepthSpinMax < sim::FieldSpec(InputField::Depth).minimum ||
        s.DepthSpinMax > deepestTenths) {
        return "depth field maximum " + std::to_string(s.DepthSpinMax) + " out of range";
    }
    if (s.WorkpieceMaterial < 0 ||
        s.WorkpieceMaterial > static_cast<int32_t>(sim::kWorkpieceMaterials.size()) ||
        s.ToolMaterial < 0 || s.ToolMaterial > static_cast<int32_t>(sim::kToolMaterials.size())) {
        return "a material number outside its list";
    }
    if (s.MillingDirection != sim::MillingDirection::Up &&
        s.MillingDirection != sim::MillingDirection::Down) {
        return "milling direction is neither up nor down";
    }
    return {};
}

std::string CheckRun(const sim::SimState& s) {
    if (s.ActiveTeethCount < 0 || s.ActiveTeethCount > sim::kToothSlots) {
        return "teeth in the cut: " + std::to_string(s.ActiveTeethCount);
    }
    // One sub-step past the limit at most, and a sub-step travels far less than a pixel.
    if (s.FeedTravel < 0 || s.FeedTravel >= sim::kFeedLimit + 1) {
        return "feed travel " + std::to_string(s.FeedTravel);
    }
    // The largest pitch is that of the fewest teeth; a direction change runs the phase back
    // from where it was, never further.
    const double widestPitch = sim::kFullTurn / sim::FieldSpec(sim::InputField::Teeth).minimum;
    if (std::abs(s.Phase) > widestPitch + s.AngleStep) {
        return "phase " + std::to_string(s.Phase) + " beyond one pitch";
    }
    if (s.ProfileIndex < 0 || s.ProfileIndex > sim::kProfileLast) {
        return "profile index " + std::to_string(s.ProfileIndex);
    }
    return {};
}

} // namespace

std::string_view ByteSource::Take(size_t n) {
    const size_t count = std::min(n, size_ - position_);
    const std::string_view text(reinterpret_cast<const char*>(data_ + position_), count);
    position_ += count;
    return text;
}

std::string FieldText(ByteSource& in, int32_t minimum, int32_t maximum) {
    const auto number = [](int64_t value) { return std::to_string(value); };
    const int64_t span = static_cast<int64_t>(maximum) - minimum + 1;
    const int64_t valid = minimum + (in.Next() * 256 + in.Next()) % span;
    switch (in.Next() % 12) {
    case 0:
        return number(valid);
    case 1:
        return number(minimum);
    case 2:
        return number(maximum);
    case 3:
        return number(int64_t{minimum} - 1);
    case 4:
        return number(int64_t{maximum} + 1);
    case 5:
        return number(-valid);
    case 6:
        return kHugeTexts[in.Next() % kHugeTexts.size()];
    case 7:
        return "";
    case 8: {
        static constexpr std::array<const char*, 4> kBlanks{" ", "  ", "\t", "\n"};
        const std::string blank = kBlanks[in.Next() % kBlanks.size()];
        return in.Next() % 2 == 0 ? blank + number(valid) : number(valid) + blank;
    }
    case 9:
        return number(valid) + (in.Next() % 2 == 0 ? "," : ".") + std::to_string(in.Next() % 10);
    case 10:
        return kMalformedTexts[in.Next() % kMalformedTexts.size()];
    default:
        return std::string(in.Take(in.Next() % 12));
    }
}

std::string CheckInvariants(const sim::SimState& s) {
    for (const auto check : {CheckFinite, CheckInputs, CheckRun}) {
        if (std::string broken = check(s); !broken.empty()) {
            return broken;
        }
    }
    return {};
}

std::string SimDriver::TypeText(ByteSource& in) {
    const sim::InputFieldSpec& fieldSpec = sim::kInputFields[in.Next() % sim::kInputFields.size()];
    const std::string text = FieldText(in, fieldSpec.minimum, fieldSpec.maximum);
    int redraws = 0;
    int warnings = 0;
    sim::InputHooks hooks;
    hooks.redraw = [&redraws] { ++redraws; };
    hooks.warn = [&warnings](const char*) { ++warnings; };
    const sim::SimState before = s_;
    const sim::InputResult result = fieldSpec.apply(s_, text, hooks);
    const std::string where = std::string(fieldSpec.key) + " '" + text + "': ";
    // The depth's maximum follows the diameter; every other field keeps the table's limits.
    const bool withinLimits =
        fieldSpec.maximumFollowsDiameter
            ? sim::CheckIntegerInput(text, fieldSpec.minimum, sim::DepthLimit(before)).applied()
            : sim::CheckFieldText(text, fieldSpec.field).applied();
    if (result.applied() != withinLimits) {
        return where + "the routine and the field's limits disagree";
    }
    if (!result.applied()) {
        if (const std::set<std::string> changed = sim::FieldsThatDiffer(before, s_);
            !changed.empty()) {
            return where + "rejected but changed " + Joined(changed);
        }
        if (redraws != 0 || warnings != 0) {
            return where + "rejected but redrew or warned";
        }
    }
    if (warnings != 0 && fieldSpec.field != sim::InputField::Clearance) {
        return where + "warned";
    }
    return {};
}

std::string SimDriver::Ticks(ByteSource& in) {
    const int count = in.Next() % settings_.maxTicksPerOperation;
    for (int i = 0; i < count && s_.TimerEnabled; ++i) {
        const int period = settings_.searchComparePeriod;
        if (period != 0 && ticksRun_ % period == 0) {
            sim::SimState plain = s_;
            sim::RunTick(plain, nullptr, sim::ProfileSearch::Plain);
            sim::RunTick(s_, nullptr, sim::ProfileSearch::Quick);
            if (const std::set<std::string> differ = sim::FieldsThatDiffer(plain, s_);
                !differ.empty()) {
                return "tick " + std::to_string(ticksRun_) + ": the profile searches differ in " +
                       Joined(differ);
            }
        } else {
            sim::RunTick(s_, nullptr);
        }
        ++ticksRun_;
        if (std::string broken = CheckInvariants(s_); !broken.empty()) {
            return "tick " + std::to_string(ticksRun_) + ": " + broken;
        }
    }
    return {};
}

std::string SimDriver::Step(ByteSource& in) {
    std::string broken;
    switch (static_cast<Operation>(in.Next() % static_cast<uint8_t>(Operation::Count))) {
    case Operation::TypeText:
        broken = TypeText(in);
        break;
    case Operation::SelectWorkpiece:
        sim::SelectWorkpieceMaterial(s_, ListIndex(in, sim::kWorkpieceMaterials.size()));
        break;
    case Operation::SelectTool:
        sim::SelectToolMaterial(s_, ListIndex(in, sim::kToolMaterials.size()));
        break;
    case Operation::SetDirection:
        sim::SetMillingDirection(
            s_, in.Next() % 2 == 0 ? sim::MillingDirection::Up : sim::MillingDirection::Down,
            nullptr);
        break;
    case Operation::Start: {
        const sim::SimState before = s_;
        const sim::MaterialsReport report = sim::StartRun(s_);
        const bool bothChosen = s_.WorkpieceMaterial != 0 && s_.ToolMaterial != 0;
        if (report.mayStart != bothChosen ||
            s_.TimerEnabled != (before.TimerEnabled || bothChosen)) {
            broken = "\"Proces\" started without both materials, or refused with both";
        } else if (!report.mayStart && !sim::FieldsThatDiffer(before, s_).empty()) {
            broken = "a refused \"Proces\" changed " + Joined(sim::FieldsThatDiffer(before, s_));
        }
        break;
    }
    case Operation::Pause:
        sim::PauseRun(s_);
        break;
    case Operation::Ticks:
        broken = Ticks(in);
        break;
    case Operation::Reset:
        sim::ResetRun(s_, nullptr);
        break;
    case Operation::Count:
        break;
    }
    if (broken.empty()) {
        broken = CheckInvariants(s_);
    }
    return broken;
}

} // namespace fuzz
