#include "batch/batch_options.h"

#include "lab/field_text.h"
#include "sim/field_text.h"

#include "scenario/scenario_file.h"
#include "sim/direction_name.h"
#include "sim/force_model_name.h"
#include "sim/materials.h"
#include "sim/startup.h"
#include "sim/text_conversion.h"
#include "sim/tooth_forces.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <functional>
#include <limits>
#include <map>
#include <memory>

namespace batch {
namespace {

// A material list's item texts, "28Cr4, C35, ...".
template <size_t N> std::string JoinNames(const std::array<const char*, N>& list) {
    std::string names;
    for (const char* name : list) {
        if (!names.empty()) {
            names += ", ";
        }
        names += name;
    }
    return names;
}

std::string WorkpieceNames() {
    return JoinNames(sim::kWorkpieceMaterialNames);
}

std::string ToolNames() {
    return JoinNames(sim::kToolMaterials);
}

// One line of the usage text: the option and its value, then the description from column 23.
std::string UsageLine(const std::string& option, const std::string& description) {
    std::string line = "  " + option + "  ";
    line.resize(std::max<size_t>(line.size(), 23), ' ');
    return line + description + "\n";
}

// "cutter diameter, 50..180" and the like for a field's option.
std::string InputDescription(const sim::InputFieldSpec& fieldSpec) {
    std::string text =
        std::string(fieldSpec.name) + ", " + sim::FieldValueText(fieldSpec, fieldSpec.minimum);
    if (fieldSpec.maximumFollowsDiameter) {
        text += " to half the diameter";
    } else {
        text += ".." + sim::FieldValueText(fieldSpec, fieldSpec.maximum);
    }
    if (fieldSpec.field == sim::InputField::Clearance) {
        text += " (raised to the minimum for the teeth)";
    }
    if (fieldSpec.scale != 1) {
        text += ", at most one decimal";
    }
    return text;
}

std::string InputUsageLines() {
    std::string lines;
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        if (lab::IsRunInput(fieldSpec)) {
            lines += UsageLine(std::string("--") + fieldSpec.key + " " + OptionValueName(fieldSpec),
                               InputDescription(fieldSpec));
        }
    }
    return lines;
}

// The options that belong to one run or to a sweep alone.
std::string CheckSweepOptions(const BatchOptions& o) {
    if (o.gifEvery && o.gifPath.empty()) {
        return "--gif-every needs --gif";
    }
    if (!o.sweep) {
        if (!o.sweepPngPath.empty() || o.logAxes || o.jobs) {
            return "--sweep-png, --log and --jobs need --sweep";
        }
        return {};
    }
    if (!o.viewPngPath.empty() || !o.chartPngPath.empty() || !o.reportPath.empty()) {
        return "--view-png, --chart-png and --report describe one run, not a --sweep";
    }
    if (!o.gifPath.empty()) {
        return "--gif records one run, not a --sweep";
    }
    if (o.logAxes && o.sweep->kind != lab::SweepKind::Field) {
        return "--log needs a sweep of a numeric input";
    }
    return {};
}

// Reads a scenario file into the options as the options would give its values, so that options
// after it override them; returns an error or "".
std::string LoadScenario(BatchOptions& o, const std::string& path) {
    const scenario::ReadResult read = scenario::ReadScenarioFile(path);
    if (!read.scenario) {
        return "--scenario: " + scenario::DescribeError(read.error);
    }
    const scenario::Scenario& file = *read.scenario;
    auto start = std::make_unique<sim::SimState>();
    sim::InitialiseState(*start);
    if (const auto error = scenario::CheckAgainstState(file, *start, path)) {
        return "--scenario: " + scenario::DescribeError(*error);
    }
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        if (const std::optional<int32_t>& value = file[fieldSpec.field]) {
            o.fields[fieldSpec.field] = std::to_string(*value);
        }
    }
    if (file.workpieceMaterial != 0) {
        o.workpieceMaterial = file.workpieceMaterial;
    }
    if (file.toolMaterial != 0) {
        o.toolMaterial = file.toolMaterial;
    }
    if (file.direction) {
        o.direction = file.direction;
    }
    if (file.forceModel) {
        o.forceModel = file.forceModel;
    }
    if (file.radialRatio) {
        o.radialRatio = file.radialRatio;
    }
    return {};
}

} // namespace

std::string OptionValueName(const sim::InputFieldSpec& fieldSpec) {
    const std::string_view unit = fieldSpec.unit;
    if (unit.empty()) {
        return "N";
    }
    if (unit == "°") {
        return "DEG";
    }
    std::string name;
    for (const char c : unit) {
        name +=
            c == '/'
                ? std::string("_PER_")
                : std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    return name;
}

namespace {

using Setter = std::function<std::string(const std::string&)>; // returns an error or ""

Setter TextSetter(std::optional<std::string>& slot) {
    return [&slot](const std::string& value) {
        slot = value;
        return std::string();
    };
}

// A material by its list text; an unknown name lists the valid ones.
Setter MaterialSetter(std::optional<int>& slot, const char* option,
                      int32_t (*find)(std::string_view), std::string names) {
    return [&slot, option, find, names](const std::string& value) {
        slot = find(value);
        return *slot != 0 ? std::string()
                          : std::string(option) + ": unknown material '" + value +
                                "' (valid: " + names + ")";
    };
}

Setter PathSetter(std::string& slot, const char* option) {
    return [&slot, option](const std::string& value) {
        slot = value;
        return value.empty() ? std::string(option) + ": the file name is empty" : std::string();
    };
}

// A field that holds tenths takes millimetres with at most one decimal.
Setter TenthsSetter(std::optional<std::string>& slot, const sim::InputFieldSpec& fieldSpec) {
    assert(fieldSpec.scale == 10);
    return [&slot, &fieldSpec](const std::string& value) {
        slot = lab::DepthTextToTenths(value);
        return slot ? std::string()
                    : "--" + std::string(fieldSpec.key) + ": '" + value + "' is not a " +
                          fieldSpec.key + " in " + fieldSpec.unit + " with at most one decimal";
    };
}

// A whole number from minimum to maximum into slot; the complaint names the option.
Setter CountSetter(std::optional<int>& slot, const char* option, int32_t minimum, int32_t maximum,
                   const char* range) {
    return [&slot, option, minimum, maximum, range](const std::string& value) {
        const std::optional<int32_t> n = sim::ParseIntegerText(value);
        if (!n || *n < minimum || *n > maximum) {
            return std::string(option) + ": '" + value + "' is not a whole number " + range;
        }
        slot = *n;
        return std::string();
    };
}

Setter ForceModelSetter(std::optional<sim::ForceModel>& slot) {
    return [&slot](const std::string& value) {
        slot = sim::ParseForceModelName(value);
        return slot ? std::string() : "--model: '" + value + "' is neither sum nor tooth";
    };
}

// K_r with a point or a comma, within its range.
Setter RadialRatioSetter(std::optional<double>& slot) {
    return [&slot](const std::string& value) {
        slot = sim::ParseDecimalText(value, sim::DecimalMark::PointOrComma);
        if (!slot) {
            return "--radial-ratio: '" + value + "' is not a number";
        }
        if (!sim::RadialForceRatioInRange(*slot)) {
            slot.reset();
            return "--radial-ratio: " + value + " is outside " + sim::RadialForceRatioRange();
        }
        return std::string();
    };
}

// Every option that takes a value, with what it does to o.
std::map<std::string, Setter> OptionSetters(BatchOptions& o) {
    std::map<std::string, Setter> setters{
        {"--workpiece", MaterialSetter(o.workpieceMaterial, "--workpiece",
                                       sim::FindWorkpieceMaterial, WorkpieceNames())},
        {"--tool", MaterialSetter(o.toolMaterial, "--tool", sim::FindToolMaterial, ToolNames())},
        {"--direction",
         [&o](const std::string& value) {
             if (const auto direction = sim::ParseDirectionName(value)) {
                 o.direction = direction;
                 return std::string();
             }
             return "--direction: '" + value + "' is neither up nor down";
         }},
        {"--model", ForceModelSetter(o.forceModel)},
        {"--radial-ratio", RadialRatioSetter(o.radialRatio)},
        {"--ticks",
         CountSetter(o.ticks, "--ticks", 0, std::numeric_limits<int32_t>::max(), "of at least 0")},
        {"--scenario", [&o](const std::string& value) { return LoadScenario(o, value); }},
        {"--csv", PathSetter(o.csvPath, "--csv")},
        {"--view-png", PathSetter(o.viewPngPath, "--view-png")},
        {"--chart-png", PathSetter(o.chartPngPath, "--chart-png")},
        {"--report", PathSetter(o.reportPath, "--report")},
        {"--gif", PathSetter(o.gifPath, "--gif")},
        {"--gif-every", CountSetter(o.gifEvery, "--gif-every", 1,
                                    std::numeric_limits<int32_t>::max(), "of at least 1")},
        {"--sweep",
         [&o](const std::string& value) {
             lab::SweepParse sweep = lab::ParseSweepText(value);
             o.sweep = sweep.plan;
             return sweep.error;
         }},
        {"--sweep-png", PathSetter(o.sweepPngPath, "--sweep-png")},
        {"--jobs", CountSetter(o.jobs, "--jobs", 1, 256, "from 1 to 256")},
    };
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        if (lab::IsRunInput(fieldSpec)) {
            std::optional<std::string>& slot = o.fields[fieldSpec.field];
            const Setter set =
                fieldSpec.scale == 1 ? TextSetter(slot) : TenthsSetter(slot, fieldSpec);
            std::optional<std::string>& typed = o.typed[fieldSpec.field];
            setters.emplace(std::string("--") + fieldSpec.key,
                            [set, &typed](const std::string& value) {
                                typed = value;
                                return set(value);
                            });
        }
    }
    return setters;
}

} // namespace

ParseResult ParseBatchOptions(const std::vector<std::string>& args) {
    ParseResult result;
    BatchOptions& o = result.options;
    const std::map<std::string, Setter> setters = OptionSetters(o);

    // Per option, the complaint about its latest value and where that value stood.
    std::map<std::string, std::pair<size_t, std::string>> complaints;
    const auto fail = [&result](const std::string& error) {
        result.error = sim::EscapeControls(error, sim::Backslash::Double);
        return result;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" || name == "-h") {
            if (value) {
                return fail("option '" + name + "' takes no value");
            }
            o.help = true;
            continue;
        }
        if (name == "--log") {
            o.logAxes = true;
            continue;
        }
        const auto setter = setters.find(name);
        if (setter == setters.end()) {
            return fail("unknown option '" + name + "' (see --help)");
        }
        if (!value) {
            if (i + 1 == args.size()) {
                return fail("option '" + name + "' needs a value");
            }
            value = args[++i];
        }
        if (std::string error = setter->second(*value); error.empty()) {
            complaints.erase(name);
        } else {
            complaints[name] = {i, std::move(error)};
        }
    }
    if (!complaints.empty()) {
        const auto first = std::min_element(
            complaints.begin(), complaints.end(),
            [](const auto& a, const auto& b) { return a.second.first < b.second.first; });
        return fail(first->second.second);
    }
    result.error = sim::EscapeControls(CheckSweepOptions(o), sim::Backslash::Double);
    result.ok = result.error.empty();
    return result;
}

std::string UsageText() {
    return "Usage: glodanje-batch [options]\n"
           "Runs one milling simulation without a window and writes its traces as CSV.\n"
           "\n"
           "Inputs (default: the simulator's start values):\n" +
           InputUsageLines() + "  --workpiece NAME     " + WorkpieceNames() +
           "\n"
           "  --tool NAME          " +
           ToolNames() +
           "\n"
           "  --direction up|down  up milling (default) or down milling\n"
           "  --model sum|tooth    the force the traces show: the force law on the chips of all\n"
           "                       teeth summed (default) or on each tooth's own chip\n"
           "  --radial-ratio R     K_r, a tooth's radial to its tangential force, " +
           sim::RadialForceRatioRange() + "\n" + "                       (default " +
           sim::RadialForceRatioText(sim::kRadialForceRatioStart) +
           "; a point or a comma)\n"
           "  --scenario FILE      the inputs, materials, direction and force model of a scenario\n"
           "                       file (.glodanje); options after it override its values\n"
           "\n"
           "Run:\n"
           "  --ticks N            stop after N ticks (default: when the feed ends)\n"
           "  --csv FILE           write the CSV to FILE (default: standard output)\n"
           "  --view-png FILE      write the cutter view at the end of the run (385 x 313)\n"
           "  --chart-png FILE     write the oscillograph at the end of the run (385 x 161)\n"
           "  --report FILE        write the inputs, the cutting conditions, the simulated "
           "results\n"
           "                       and the textbook check as JSON\n"
           "  --gif FILE           record the run as an animated GIF: the cutter view above the\n"
           "                       oscillograph (385 x 474), from the start, one frame per tick\n"
           "  --gif-every N        one GIF frame every N ticks (default: 1), and the last tick's\n"
           "  --lang en|sr         language of the warnings, the oscillograph and the sweep\n"
           "                       pictures (default: sr)\n"
           "  --help               show this text\n"
           "\n"
           "Sweep (a series of runs, one CSV row per value):\n"
           "  --sweep KEY=FROM:TO[:STEP]  vary one input (STEP: the field's step); also\n"
           "                       workpiece=all, tool=all, direction=both\n"
           "  --sweep-png FILE     plot the mean force against the input (800 x 500)\n"
           "  --log                logarithmic axes and the fitted power-law exponent\n"
           "  --jobs N             threads (default: the number of cores)\n"
           "\n"
           "A value equal to a field's start value leaves that field as it starts. Both materials\n"
           "must be given. Exit status: 0 done, 1 an output file could not be written, 2 bad "
           "arguments "
           "or\n"
           "a missing material.\n";
}

} // namespace batch
