#include "app/language.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

namespace app {
namespace {

constexpr const char* kLanguageKey = "language";
// The compiled English translation, embedded as a resource.
constexpr const char* kEnglishTranslation = ":/i18n/glodanje_en.qm";

// Null when Serbian is shown; cleared by itself when the application, its owner, goes.
QPointer<QTranslator>& InstalledTranslator() {
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

const char* LanguageCode(Language language) {
    return language == Language::English ? "en" : "sr";
}

std::optional<Language> ParseLanguageCode(std::string_view code) {
    if (code == "sr")
        return Language::Serbian;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

LanguageOption TakeLanguageOption(std::vector<std::string>& args) {
    constexpr std::string_view kOption = "--lang";
    LanguageOption result;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string value;
        size_t taken = 1;
        if (arg == kOption) {
            if (i + 1 == args.size()) {
                result.error = "--lang needs a value: en or sr";
                return result;
            }
            value = args[i + 1];
            taken = 2;
        } else if (arg.rfind("--lang=", 0) == 0) {
            value = arg.substr(kOption.size() + 1);
        } else {
            continue;
        }
        const std::optional<Language> language = ParseLanguageCode(value);
        if (!language) {
            result.error = "--lang: '" + value + "' is neither en nor sr";
            return result;
        }
        result.language = language;
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + taken));
        --i;
    }
    return result;
}

bool SetLanguage(Language language) {
    Q_ASSERT(QCoreApplication::instance() != nullptr);
    QPointer<QTranslator>& installed = InstalledTranslator();
    if (language == Language::English) {
        if (installed != nullptr)
            return true;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QString::fromUtf8(kEnglishTranslation)))
            return false;
        // Owned by the application from here on, and deleted with it.
        translator->setParent(QCoreApplication::instance());
        installed = translator.release();
        QCoreApplication::installTranslator(installed);
        return true;
    }
    if (installed != nullptr) {
        QCoreApplication::removeTranslator(installed);
        delete installed.data();
    }
    return true;
}

Language CurrentLanguage() {
    return InstalledTranslator() != nullptr ? Language::English : Language::Serbian;
}

Language SavedLanguage(QSettings& settings) {
    const QString code = settings.value(QString::fromUtf8(kLanguageKey)).toString();
    return ParseLanguageCode(code.toStdString()).value_or(Language::Serbian);
}

void SaveLanguage(QSettings& settings, Language language) {
    settings.setValue(QString::fromUtf8(kLanguageKey), QString::fromUtf8(LanguageCode(language)));
}

std::unique_ptr<QSettings> UserSettings() {
    return std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope,
                                       QStringLiteral("glodanje"), QStringLiteral("glodanje"));
}

} // namespace app
