// The language of the user interface. Serbian is the language the texts are written in and the
// default; English comes from the translation compiled into the program. The choice is made by
// "--lang en|sr" or in the window's "Jezik / Language" menu, never by the machine's locale.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSettings;

namespace language {

enum class Language { Serbian, English };

// "sr" or "en", as the option and the settings file write it.
const char* LanguageCode(Language language);
// The language a code names; none for anything else (codes are lower case).
std::optional<Language> ParseLanguageCode(std::string_view code);

// What "--lang" asked for among the program's arguments ("--lang en" or "--lang=en"; the last
// one given counts), with the option removed from args. error is one line naming the bad value
// when an option is malformed; then language is empty and args are left as they were.
struct LanguageOption {
    std::optional<Language> language;
    std::string error;
};
LanguageOption TakeLanguageOption(std::vector<std::string>& args);

// Installs the translation of language in the running application (Serbian: removes it).
// Every widget then receives a LanguageChange event and re-sets its texts. Returns false, and
// changes nothing, when the translation cannot be loaded.
bool SetLanguage(Language language);
// The language the application shows now.
Language CurrentLanguage();

// The language remembered between runs: Serbian when none is stored or the stored value is not
// a language code.
Language SavedLanguage(QSettings& settings);
void SaveLanguage(QSettings& settings, Language language);
// The program's settings of this user, in the default format at the platform's place for them
// (tests move it with QSettings::setPath).
std::unique_ptr<QSettings> UserSettings();

} // namespace language
