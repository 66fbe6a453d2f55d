// The language choice: the "--lang" option, the remembered setting, and the English translation
// file, which must translate every text the program shows.
#include "language/language.h"

#include "sim/input_fields.h"
#include "sim/materials.h"
#include "sim/tool_inputs.h"
#include "sim/user_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace language {
namespace {

struct OptionRow {
    const char* name;
    std::vector<std::string> args;
    std::optional<Language> language;
    const char* error; // a part of the message, "" for none
    std::vector<std::string> rest;
};

class LanguageOptionTest : public ::testing::TestWithParam<OptionRow> {};

TEST_P(LanguageOptionTest, TakesTheOptionOrNamesTheBadValue) {
    const OptionRow& row = GetParam();
    std::vector<std::string> args = row.args;
    const LanguageOption option = TakeLanguageOption(args);
    EXPECT_EQ(option.language, row.language);
    if (*row.error == '\0')
        EXPECT_EQ(option.error, "");
    else
        EXPECT_NE(option.error.find(row.error), std::string::npos) << option.error;
    EXPECT_EQ(args, row.rest);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LanguageOptionTest,
    ::testing::Values(
        OptionRow{"Absent", {"--ticks", "5"}, std::nullopt, "", {"--ticks", "5"}},
        OptionRow{"SeparateValue",
                  {"--lang", "en", "--ticks", "5"},
                  Language::English,
                  "",
                  {"--ticks", "5"}},
        OptionRow{
            "JoinedValue", {"--ticks", "5", "--lang=sr"}, Language::Serbian, "", {"--ticks", "5"}},
        OptionRow{"LastCounts", {"--lang", "sr", "x", "--lang=en"}, Language::English, "", {"x"}},
        OptionRow{"ValueMissing",
                  {"--ticks", "5", "--lang"},
                  std::nullopt,
                  "needs a value",
                  {"--ticks", "5", "--lang"}},
        OptionRow{"UnknownCode",
                  {"--lang", "en", "--lang", "de"},
                  std::nullopt,
                  "'de'",
                  {"--lang", "en", "--lang", "de"}},
        OptionRow{"CodesAreLowerCase", {"--lang=EN"}, std::nullopt, "'EN'", {"--lang=EN"}},
        OptionRow{"EmptyJoinedValue", {"--lang="}, std::nullopt, "''", {"--lang="}},
        // Another option that only starts the same is not this one.
        OptionRow{"LongerName", {"--language", "en"}, std::nullopt, "", {"--language", "en"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageSettingTest, RemembersTheChoiceAndFallsBackToSerbian) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("glodanje.ini")), QSettings::IniFormat);
    EXPECT_EQ(SavedLanguage(settings), Language::Serbian);
    SaveLanguage(settings, Language::English);
    EXPECT_EQ(SavedLanguage(settings), Language::English);
    EXPECT_EQ(settings.value(QStringLiteral("language")).toString(), "en");
    SaveLanguage(settings, Language::Serbian);
    EXPECT_EQ(SavedLanguage(settings), Language::Serbian);
    // A hand-edited file with a value that names no language.
    settings.setValue(QStringLiteral("language"), QStringLiteral("fr"));
    EXPECT_EQ(SavedLanguage(settings), Language::Serbian);
}

// One message of the translation file.
struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished"; empty when finished
};

std::vector<TsMessage> ReadTsFile(const char* path) {
    QFile file(QString::fromUtf8(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    QXmlStreamReader xml(&file);
    std::vector<TsMessage> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == u"source") {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

TEST(TranslationFileTest, EverySourceTextHasAFinishedEnglishTranslation) {
    const std::vector<TsMessage> messages = ReadTsFile(GLODANJE_TS_FILE);
    ASSERT_GT(messages.size(), 100u);
    for (const TsMessage& m : messages) {
        const std::string where = m.context.toStdString() + ": " + m.source.toStdString();
        EXPECT_EQ(m.type, "") << where;
        EXPECT_FALSE(m.translation.isEmpty()) << where;
        // A placeholder the program fills in must survive the translation.
        for (const QString& placeholder : {QStringLiteral("%1"), QStringLiteral("%2")})
            EXPECT_EQ(m.source.contains(placeholder), m.translation.contains(placeholder)) << where;
        // A trailing space joins the text to what the window puts after it.
        EXPECT_EQ(m.source.endsWith(u' '), m.translation.endsWith(u' ')) << where;
    }
}

// The core's marked texts, as the window asks for them.
std::vector<const char*> CoreTexts() {
    std::vector<const char*> texts = {
        sim::kWorkpieceMaterialPrompt,         sim::kToolMaterialPrompt,
        sim::kSmallClearanceMessage,           "Izaberite materijal alata i obratka!",
        "Materijal alata nije zadat!",         "Materijal obratka nije zadat!",
        "Izabrani materijal alata ne odgovara"};
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        texts.push_back(fieldSpec.label);
        if (fieldSpec.labelSecondLine != nullptr)
            texts.push_back(fieldSpec.labelSecondLine);
    }
    return texts;
}

class CompiledTranslationTest : public ::testing::Test {
protected:
    void TearDown() override { SetLanguage(Language::Serbian); }
};

TEST_F(CompiledTranslationTest, TranslatesTheCoreTextsAndSwitchesBack) {
    ASSERT_EQ(CurrentLanguage(), Language::Serbian);
    ASSERT_TRUE(SetLanguage(Language::English));
    EXPECT_EQ(CurrentLanguage(), Language::English);
    // Setting the same language twice keeps one translator.
    ASSERT_TRUE(SetLanguage(Language::English));
    for (const char* text : CoreTexts())
        EXPECT_NE(QCoreApplication::translate(sim::kUserTextContext, text), QString::fromUtf8(text))
            << text;
    EXPECT_EQ(QCoreApplication::translate(sim::kUserTextContext,
                                          sim::FieldSpec(sim::InputField::Rake).label),
              "Rake angle, ");
    ASSERT_TRUE(SetLanguage(Language::Serbian));
    EXPECT_EQ(CurrentLanguage(), Language::Serbian);
    for (const char* text : CoreTexts())
        EXPECT_EQ(QCoreApplication::translate(sim::kUserTextContext, text), QString::fromUtf8(text))
            << text;
}

} // namespace
} // namespace language
