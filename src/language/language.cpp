#include "language/language.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

namespace language {
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
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string value;
        if (args[i] == kOption) {
            if (i + 1 == args.size())
                return {std::nullopt, "--lang needs a value: en or sr"};
            value = args[++i];
        } else if (args[i].rfind("--lang=", 0) == 0) {
            value = args[i].substr(kOption.size() + 1);
        } else {
            rest.push_back(args[i]);
            continue;
        }
        result.language = ParseLanguageCode(value);
        if (!result.language)
            return {std::nullopt, "--lang: '" + value + "' is neither en nor sr"};
    }
    args = std::move(rest);
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

} // namespace language
