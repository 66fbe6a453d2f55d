// Which control of a window shows which source text: a window built from tables records each
// caption here, so that after a language change it sets them all again in the current language.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace app {

class TranslatedTexts {
public:
    // context: the translation context of the window's texts ("app::TMeasurementsWindow").
    explicit TranslatedTexts(const char* context) : context_(context) {}

    // source (UTF-8, Serbian) in the current language.
    QString Text(const char* source) const { return QCoreApplication::translate(context_, source); }

    // Shows source through set now and again on every Retranslate. set must stay valid as long
    // as this list is used (a setter of a child control of the window that owns the list).
    void Add(const char* source, std::function<void(const QString&)> set) {
        set(Text(source));
        entries_.emplace_back(source, std::move(set));
    }

    void Retranslate() const {
        for (const auto& [source, set] : entries_)
            set(Text(source));
    }

private:
    const char* context_;
    std::vector<std::pair<const char*, std::function<void(const QString&)>>> entries_;
};

} // namespace app
