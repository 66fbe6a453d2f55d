#include "batch/batch_options.h"

#include "sim/materials.h"
#include "sim/text_conversion.h"

#include <cctype>
#include <functional>
#include <map>

namespace batch {
namespace {

template <typename List, typename NameOf> std::string JoinNames(const List& list, NameOf nameOf) {
    std::string names;
    for (const auto& item : list) {
        if (!names.empty()) {
            names += ", ";
        }
        names += nameOf(item);
    }
    return names;
}

std::string WorkpieceNames() {
    return JoinNames(sim::kWorkpieceMaterials, [](const auto& row) { return row.name; });
}

std::string ToolNames() {
    return JoinNames(sim::kToolMaterials, [](const char* name) { return name; });
}

} // namespace

std::optional<std::string> DepthTextToTenths(const std::string& text) {
    size_t i = 0;
    std::string sign;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? "-" : "";
        ++i;
    }
    std::string whole;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        whole += text[i++];
    }
    std::string tenth = "0";
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        if (i + 1 != text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) {
            return std::nullopt;
        }
        tenth = text[i++];
    }
    if (whole.empty() || i != text.size() || whole.size() > 9) {
        return std::nullopt;
    }
    // Drop leading zeros so the text reads as its field would show the number.
    const std::string tenths = std::to_string(std::stoll(whole + tenth));
    return tenths == "0" ? tenths : sign + tenths;
}

ParseResult ParseBatchOptions(const std::vector<std::string>& args) {
    ParseResult result;
    BatchOptions& o = result.options;
    using Setter = std::function<std::string(const std::string&)>; // returns an error or ""
    const auto field = [](std::optional<std::string>& slot) {
        return [&slot](const std::string& value) {
            slot = value;
            return std::string();
        };
    };
    // A material by its list text; an unknown name lists the valid ones.
    const auto material = [](std::optional<int>& slot, const char* option,
                             int32_t (*find)(std::string_view), std::string names) {
        return [&slot, option, find, names](const std::string& value) {
            slot = find(value);
            return *slot != 0 ? std::string()
                              : std::string(option) + ": unknown material '" + value +
                                    "' (valid: " + names + ")";
        };
    };
    const auto path = [](std::string& slot, const char* option) {
        return [&slot, option](const std::string& value) {
            slot = value;
            return value.empty() ? std::string(option) + ": the file name is empty" : std::string();
        };
    };
    const std::map<std::string, Setter> setters{
        {"--diameter", field(o.fields.diameter)},
        {"--teeth", field(o.fields.teeth)},
        {"--rake", field(o.fields.rake)},
        {"--clearance", field(o.fields.clearance)},
        {"--helix", field(o.fields.helix)},
        {"--speed", field(o.fields.speed)},
        {"--feed", field(o.fields.feed)},
        {"--width", field(o.fields.width)},
        {"--depth",
         [&o](const std::string& value) {
             o.fields.depthTenths = DepthTextToTenths(value);
             return o.fields.depthTenths
                        ? std::string()
                        : "--depth: '" + value + "' is not a depth in mm with at most one decimal";
         }},
        {"--workpiece", material(o.workpieceMaterial, "--workpiece", sim::FindWorkpieceMaterial,
                                 WorkpieceNames())},
        {"--tool", material(o.toolMaterial, "--tool", sim::FindToolMaterial, ToolNames())},
        {"--direction",
         [&o](const std::string& value) {
             if (value == "up" || value == "down") {
                 o.direction =
                     value == "up" ? sim::MillingDirection::Up : sim::MillingDirection::Down;
                 return std::string();
             }
             return "--direction: '" + value + "' is neither up nor down";
         }},
        {"--ticks",
         [&o](const std::string& value) {
             const std::optional<int32_t> n = sim::ParseIntegerText(value);
             if (!n || *n < 0) {
                 return "--ticks: '" + value + "' is not a whole number of at least 0";
             }
             o.ticks = *n;
             return std::string();
         }},
        {"--csv", path(o.csvPath, "--csv")},
        {"--view-png", path(o.viewPngPath, "--view-png")},
        {"--chart-png", path(o.chartPngPath, "--chart-png")},
        {"--report", path(o.reportPath, "--report")},
    };

    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" || name == "-h") {
            o.help = true;
            continue;
        }
        const auto setter = setters.find(name);
        if (setter == setters.end()) {
            result.error = "unknown option '" + name + "' (see --help)";
            return result;
        }
        if (!value) {
            if (i + 1 == args.size()) {
                result.error = "option '" + name + "' needs a value";
                return result;
            }
            value = args[++i];
        }
        result.error = setter->second(*value);
        if (!result.error.empty()) {
            return result;
        }
    }
    result.ok = true;
    return result;
}

std::string UsageText() {
    return "Usage: glodanje-batch [options]\n"
           "Runs one milling simulation without a window and writes its traces as CSV.\n"
           "\n"
           "Inputs (default: the simulator's start values):\n"
           "  --diameter MM        cutter diameter, 50..180\n"
           "  --teeth N            number of teeth, 4..20\n"
           "  --rake DEG           rake angle, 0..20\n"
           "  --clearance DEG      clearance angle, 5..25 (raised to the minimum for the teeth)\n"
           "  --helix DEG          helix angle, 0..50\n"
           "  --speed M_PER_MIN    cutting speed, 30..120\n"
           "  --feed MM_PER_MIN    feed speed, 40..600\n"
           "  --depth MM           depth of cut, 0.5 to half the diameter, at most one decimal\n"
           "  --width MM           width of cut, 10..100\n"
           "  --workpiece NAME     " +
           WorkpieceNames() +
           "\n"
           "  --tool NAME          " +
           ToolNames() +
           "\n"
           "  --direction up|down  up milling (default) or down milling\n"
           "\n"
           "Run:\n"
           "  --ticks N            stop after N ticks (default: when the feed ends)\n"
           "  --csv FILE           write the CSV to FILE (default: standard output)\n"
           "  --view-png FILE      write the cutter view at the end of the run (385 x 313)\n"
           "  --chart-png FILE     write the oscillograph at the end of the run (385 x 161)\n"
           "  --report FILE        write the inputs, the cutting conditions, the simulated "
           "results\n"
           "                       and the textbook check as JSON\n"
           "  --help               show this text\n"
           "\n"
           "A value equal to a field's start value leaves that field as it starts. Both materials\n"
           "must be given. Exit status: 0 done, 1 an output file could not be written, 2 bad "
           "arguments "
           "or\n"
           "a missing material.\n";
}

} // namespace batch
