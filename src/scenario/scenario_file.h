#pragma once

// A scenario: the values of the window's inputs, the two materials, the direction, the force
// model with K_r, and an optional title and text for the student, kept as a UTF-8 INI file with one
// [glodanje] section. Reading checks the whole file before anything may be applied; a bad file
// gives one error naming the file, the line and the key.

#include "sim/input_fields.h"
#include "sim/sim_state.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace scenario {

inline constexpr const char* kFileExtension = ".glodanje";
inline constexpr const char* kSection = "glodanje";

// Keys besides the inputs table's.
inline constexpr const char* kWorkpieceKey = "workpiece";      // workpiece list text ("28Cr4")
inline constexpr const char* kToolKey = "tool";                // tool list text ("P30")
inline constexpr const char* kDirectionKey = "direction";      // "up" or "down"
inline constexpr const char* kModelKey = "model";              // "sum" or "tooth"
inline constexpr const char* kRadialRatioKey = "radial_ratio"; // K_r, 0.2..0.6 ("0.45")
inline constexpr const char* kTitleKey = "title";
inline constexpr const char* kTextKey = "text";

struct Scenario {
    // Each field's value in the units the field holds (tenths of a millimetre for the depth and
    // chip fields); nullopt leaves the field as it is.
    std::array<std::optional<int32_t>, sim::kInputFields.size()> fields;
    int32_t workpieceMaterial = 0; // 1..10, the workpiece list's row; 0: not given
    int32_t toolMaterial = 0;      // 1..5, the tool list's row; 0: not given
    std::optional<sim::MillingDirection> direction;
    std::optional<sim::ForceModel> forceModel; // the force the traces show
    std::optional<double> radialRatio;         // K_r, 0.2..0.6
    std::string title;                         // UTF-8, one line; empty: none
    std::string text;                          // UTF-8, may hold line breaks; empty: none
    // 1-based line of each key in the file it was read from (empty for a scenario built in code).
    std::map<std::string, int> lines;

    std::optional<int32_t>& operator[](sim::InputField field) {
        return fields[static_cast<size_t>(field)];
    }
    const std::optional<int32_t>& operator[](sim::InputField field) const {
        return fields[static_cast<size_t>(field)];
    }
};

enum class ErrorKind {
    Missing,          // no such file
    Unreadable,       // it cannot be opened or read
    BadFormat,        // not UTF-8, or not a file of settings
    NoSection,        // no [glodanje] section
    UnknownKey,       // a key no scenario has, or one outside the section
    DuplicateKey,     // a key given twice (line: the second one)
    MalformedNumber,  // not a whole number (or a number with one decimal for tenths; for K_r a
                      // decimal number with a point)
    OutOfLimits,      // a number outside its field's limits
    UnknownMaterial,  // a name that is not in the material list
    UnknownDirection, // neither "up" nor "down"
    UnknownModel,     // neither "sum" nor "tooth"
    CannotWrite,      // saving failed
};

struct ScenarioError {
    ErrorKind kind = ErrorKind::Missing;
    std::string file;
    int line = 0;      // 1-based; 0 when the error has no line
    std::string key;   // empty when the error has no key
    std::string value; // the value as the file writes it
    // OutOfLimits: the limits as the file writes numbers ("0.5", "50", "0.2").
    std::string minimum;
    std::string maximum;
};

struct ReadResult {
    std::optional<Scenario> scenario; // set when the whole file is good
    ScenarioError error;              // when !scenario
};

// Reads and checks a scenario file. Each field's value is checked against the field's fixed
// limits; limits that depend on other fields are checked by CheckAgainstState.
ReadResult ReadScenarioFile(const std::string& path);

// Applies the scenario's fields to a copy of base through the inputs table's routines, in its
// order, and reports the first value the routine rejects (the depth against the diameter, say).
// file names the file in the error.
std::optional<ScenarioError> CheckAgainstState(const Scenario& scenario, const sim::SimState& base,
                                               const std::string& file);

// Writes the scenario (only what it gives), replacing the file whole.
std::optional<ScenarioError> WriteScenarioFile(const std::string& path, const Scenario& scenario);

// A field's value as the file writes it (sim::FieldValueText: tenths as millimetres with a
// point, "10.5"; others as whole numbers), read back; nullopt when the text is not such a
// number. Numbers too long for the field read as the largest or smallest int32_t, so that they
// are reported as outside the limits.
std::optional<int32_t> ParseFieldValue(const sim::InputFieldSpec& fieldSpec,
                                       const std::string& text);

// The error in one English line, "FILE:LINE: key 'KEY': ..." (for the batch runner); line
// breaks and control bytes in the file name, key or value are written as escapes ("\n").
std::string DescribeError(const ScenarioError& error);

} // namespace scenario
