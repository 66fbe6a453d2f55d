#include "scenario/scenario_file.h"

#include "sim/direction_name.h"
#include "sim/field_text.h"
#include "sim/force_model_name.h"
#include "sim/materials.h"
#include "sim/text_conversion.h"
#include "sim/tooth_forces.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace scenario {
namespace {

// Where a key sits in the file: its section ("" before the first header) and line. Used only
// to name the line in messages and to find keys given twice, which the settings reader merges
// silently; the values themselves come from the settings reader.
struct KeyLine {
    std::string fullKey; // "glodanje/diameter", or "diameter" outside any section
    int line = 0;
};

std::string Trimmed(const QByteArray& bytes) {
    return bytes.trimmed().toStdString();
}

std::vector<KeyLine> LocateKeys(const QByteArray& bytes) {
    std::vector<KeyLine> keys;
    std::string section;
    int number = 0;
    for (const QByteArray& raw : bytes.split('\n')) {
        ++number;
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) {
            continue;
        }
        if (line.startsWith('[') && line.endsWith(']')) {
            section = Trimmed(line.mid(1, line.size() - 2));
            // The settings reader files keys of [General] under no section.
            if (section == "General") {
                section.clear();
            }
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) {
            continue;
        }
        const std::string key = Trimmed(line.left(eq));
        keys.push_back({section.empty() ? key : section + "/" + key, number});
    }
    return keys;
}

bool IsScenarioKey(const std::string& key) {
    if (sim::FindInputField(key) != nullptr) {
        return true;
    }
    for (const char* other : {kWorkpieceKey, kToolKey, kDirectionKey, kModelKey, kRadialRatioKey,
                              kTitleKey, kTextKey}) {
        if (key == other) {
            return true;
        }
    }
    return false;
}

// A value as text; an unquoted value with commas reads as a list, joined back here.
std::string ValueText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    }
    return value.toString().toStdString();
}

std::optional<ErrorKind> StoreRadialRatio(Scenario& s, const std::string& value,
                                          ScenarioError& error) {
    s.radialRatio = sim::ParseDecimalText(value, sim::DecimalMark::Point);
    if (!s.radialRatio) {
        return ErrorKind::MalformedNumber;
    }
    if (!sim::RadialForceRatioInRange(*s.radialRatio)) {
        error.minimum = sim::RadialForceRatioText(sim::kRadialForceRatioMin);
        error.maximum = sim::RadialForceRatioText(sim::kRadialForceRatioMax);
        return ErrorKind::OutOfLimits;
    }
    return std::nullopt;
}

// Stores one key's value; returns the error kind when the value is bad.
std::optional<ErrorKind> StoreValue(Scenario& s, const std::string& key, const std::string& value,
                                    ScenarioError& error) {
    if (const sim::InputFieldSpec* fieldSpec = sim::FindInputField(key)) {
        const std::optional<int32_t> number = ParseFieldValue(*fieldSpec, value);
        if (!number) {
            return ErrorKind::MalformedNumber;
        }
        if (*number < fieldSpec->minimum || *number > fieldSpec->maximum) {
            error.minimum = sim::FieldValueText(*fieldSpec, fieldSpec->minimum);
            error.maximum = sim::FieldValueText(*fieldSpec, fieldSpec->maximum);
            return ErrorKind::OutOfLimits;
        }
        s[fieldSpec->field] = *number;
    } else if (key == kWorkpieceKey || key == kToolKey) {
        int32_t& slot = key == kWorkpieceKey ? s.workpieceMaterial : s.toolMaterial;
        slot =
            key == kWorkpieceKey ? sim::FindWorkpieceMaterial(value) : sim::FindToolMaterial(value);
        if (slot == 0) {
            return ErrorKind::UnknownMaterial;
        }
    } else if (key == kDirectionKey) {
        s.direction = sim::ParseDirectionName(value);
        if (!s.direction) {
            return ErrorKind::UnknownDirection;
        }
    } else if (key == kModelKey) {
        s.forceModel = sim::ParseForceModelName(value);
        if (!s.forceModel) {
            return ErrorKind::UnknownModel;
        }
    } else if (key == kRadialRatioKey) {
        return StoreRadialRatio(s, value, error);
    } else if (key == kTitleKey) {
        s.title = value;
    } else {
        s.text = value;
    }
    return std::nullopt;
}

ReadResult Failure(ErrorKind kind, const std::string& file, int line = 0,
                   const std::string& key = {}, const std::string& value = {}) {
    ReadResult result;
    result.error.kind = kind;
    result.error.file = file;
    result.error.line = line;
    result.error.key = key;
    result.error.value = value;
    return result;
}

// The file's bytes, or the error that stops reading it.
std::optional<ReadResult> ReadBytes(const std::string& path, QByteArray& bytes) {
    const QString name = QString::fromStdString(path);
    if (!QFileInfo::exists(name)) {
        return Failure(ErrorKind::Missing, path);
    }
    QFile file(name);
    if (QFileInfo(name).isDir() || !file.open(QIODevice::ReadOnly)) {
        return Failure(ErrorKind::Unreadable, path);
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Failure(ErrorKind::Unreadable, path);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    // Decoding happens when the result becomes a string.
    static_cast<void>(QString(utf8.decode(bytes)));
    if (utf8.hasError()) {
        return Failure(ErrorKind::BadFormat, path);
    }
    return std::nullopt;
}

} // namespace

std::optional<int32_t> ParseFieldValue(const sim::InputFieldSpec& fieldSpec,
                                       const std::string& text) {
    const std::optional<int64_t> value =
        sim::ParseFieldValue(fieldSpec, text, sim::DecimalMark::Point);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(*value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

ReadResult ReadScenarioFile(const std::string& path) {
    QByteArray bytes;
    if (std::optional<ReadResult> failed = ReadBytes(path, bytes)) {
        return *failed;
    }
    QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return Failure(ErrorKind::BadFormat, path);
    }
    const std::string prefix = std::string(kSection) + "/";
    const std::vector<KeyLine> located = LocateKeys(bytes);
    std::map<std::string, int> seen;
    Scenario scenario;
    for (const KeyLine& entry : located) {
        const bool inSection = entry.fullKey.rfind(prefix, 0) == 0;
        const std::string key = inSection ? entry.fullKey.substr(prefix.size()) : entry.fullKey;
        if (!inSection || !IsScenarioKey(key)) {
            return Failure(ErrorKind::UnknownKey, path, entry.line, key);
        }
        if (!seen.emplace(key, entry.line).second) {
            return Failure(ErrorKind::DuplicateKey, path, entry.line, key);
        }
        const std::string value = ValueText(settings.value(QString::fromStdString(entry.fullKey)));
        ReadResult bad = Failure(ErrorKind::Missing, path, entry.line, key, value);
        if (const std::optional<ErrorKind> kind = StoreValue(scenario, key, value, bad.error)) {
            bad.error.kind = *kind;
            return bad;
        }
    }
    // Anything the reader found that the line scan did not see is not a scenario key.
    for (const QString& fullKey : settings.allKeys()) {
        const std::string key = fullKey.toStdString();
        if (key.rfind(prefix, 0) != 0 || seen.count(key.substr(prefix.size())) == 0) {
            return Failure(ErrorKind::UnknownKey, path, 0, key);
        }
    }
    if (!settings.childGroups().contains(QString::fromUtf8(kSection)) &&
        !bytes.contains(QByteArray("[") + kSection + "]")) {
        return Failure(ErrorKind::NoSection, path);
    }
    scenario.lines = std::move(seen);
    ReadResult result;
    result.scenario = std::move(scenario);
    return result;
}

std::optional<ScenarioError> CheckAgainstState(const Scenario& scenario, const sim::SimState& base,
                                               const std::string& file) {
    auto trial = std::make_unique<sim::SimState>(base);
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        const std::optional<int32_t>& value = scenario[fieldSpec.field];
        if (!value) {
            continue;
        }
        const sim::InputResult result = fieldSpec.apply(*trial, std::to_string(*value), {});
        if (!result.applied()) {
            ScenarioError error;
            error.kind = ErrorKind::OutOfLimits;
            error.file = file;
            const auto line = scenario.lines.find(fieldSpec.key);
            error.line = line == scenario.lines.end() ? 0 : line->second;
            error.key = fieldSpec.key;
            error.value = sim::FieldValueText(fieldSpec, *value);
            error.minimum = sim::FieldValueText(fieldSpec, result.minimum);
            error.maximum = sim::FieldValueText(fieldSpec, result.maximum);
            return error;
        }
    }
    return std::nullopt;
}

namespace {

// A scenario that gives nothing: the settings writer would write no file at all for an empty
// section, so the file gets the section's header alone, which reads back as the same scenario.
bool WriteEmptyScenario(const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    const QByteArray header = QByteArray("[") + kSection + "]\n";
    return file.open(QIODevice::WriteOnly) && file.write(header) == header.size() && file.commit();
}

bool GivesNothing(const Scenario& s) {
    return std::none_of(s.fields.begin(), s.fields.end(),
                        [](const std::optional<int32_t>& value) { return value.has_value(); }) &&
           s.workpieceMaterial == 0 && s.toolMaterial == 0 && !s.direction && !s.forceModel &&
           !s.radialRatio && s.title.empty() && s.text.empty();
}

} // namespace

std::optional<ScenarioError> WriteScenarioFile(const std::string& path, const Scenario& scenario) {
    if (GivesNothing(scenario)) {
        if (WriteEmptyScenario(path)) {
            return std::nullopt;
        }
    } else {
        QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
        settings.clear();
        settings.beginGroup(QString::fromUtf8(kSection));
        const auto put = [&settings](const char* key, const std::string& value) {
            settings.setValue(QString::fromUtf8(key), QString::fromStdString(value));
        };
        for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
            if (const std::optional<int32_t>& value = scenario[fieldSpec.field]) {
                put(fieldSpec.key, sim::FieldValueText(fieldSpec, *value));
            }
        }
        if (scenario.workpieceMaterial != 0) {
            put(kWorkpieceKey, sim::kWorkpieceMaterialNames.at(scenario.workpieceMaterial - 1));
        }
        if (scenario.toolMaterial != 0) {
            put(kToolKey, sim::kToolMaterials.at(scenario.toolMaterial - 1));
        }
        if (scenario.direction) {
            put(kDirectionKey, sim::DirectionName(*scenario.direction));
        }
        if (scenario.forceModel) {
            put(kModelKey, sim::ForceModelName(*scenario.forceModel));
        }
        if (scenario.radialRatio) {
            put(kRadialRatioKey, sim::RadialForceRatioText(*scenario.radialRatio));
        }
        if (!scenario.title.empty()) {
            put(kTitleKey, scenario.title);
        }
        if (!scenario.text.empty()) {
            put(kTextKey, scenario.text);
        }
        settings.endGroup();
        settings.sync();
        if (settings.status() == QSettings::NoError) {
            return std::nullopt;
        }
    }
    ScenarioError error;
    error.kind = ErrorKind::CannotWrite;
    error.file = path;
    return error;
}

namespace {} // namespace

std::string DescribeError(const ScenarioError& error) {
    ScenarioError e = error;
    for (std::string* text : {&e.file, &e.key, &e.value}) {
        *text = sim::EscapeControls(*text, sim::Backslash::Keep);
    }
    std::string where = e.file;
    if (e.line > 0) {
        where += ':';
        where += std::to_string(e.line);
    }
    const std::string key = "key '" + e.key + "': ";
    switch (e.kind) {
    case ErrorKind::Missing:
        return where + ": no such file";
    case ErrorKind::Unreadable:
        return where + ": the file cannot be read";
    case ErrorKind::BadFormat:
        return where + ": not a scenario file (UTF-8 text with key = value lines)";
    case ErrorKind::NoSection:
        return where + ": no [" + kSection + "] section";
    case ErrorKind::UnknownKey:
        return where + ": unknown key '" + e.key + "'";
    case ErrorKind::DuplicateKey:
        return where + ": " + key + "given a second time";
    case ErrorKind::MalformedNumber:
        return where + ": " + key + "'" + e.value + "' is not a number for this field";
    case ErrorKind::OutOfLimits:
        return where + ": " + key + e.value + " is outside " + e.minimum + ".." + e.maximum;
    case ErrorKind::UnknownMaterial:
        return where + ": " + key + "unknown material '" + e.value + "'";
    case ErrorKind::UnknownDirection:
        return where + ": " + key + "'" + e.value + "' is neither up nor down";
    case ErrorKind::UnknownModel:
        return where + ": " + key + "'" + e.value + "' is neither sum nor tooth";
    case ErrorKind::CannotWrite:
        return where + ": the file cannot be written";
    }
    return where;
}

} // namespace scenario
