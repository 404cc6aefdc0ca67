// The engine's file messages in every language: every refusal a plan file or a save can meet,
// made by the real engine on real files, comes out in the catalogue's words, inner reason too;
// file names with ". " in them ("St. George") included.
#include <gtest/gtest.h>

#include <fstream>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "AtomicFile.h"
#include "EngineMessages.h"
#include "Language.h"
#include "PlanFile.h"

namespace {

// The plans that are refused for what they hold, one per sentence of the reader.
const char* const kRefusedPlans[] = {
    "[1, 2]",
    "{\"format\": \"something-else\", \"version\": 1}",
    "{\"format\": \"dutywise-plan\"}",
    "{\"format\": \"dutywise-plan\", \"version\": 9}",
    "{\"format\": \"dutywise-plan\", \"version\": 0}",
    "{\"format\": \"dutywise-plan\", \"version\": \"one\"}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"outing\": 5}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"people\": \"Ann\"}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"evenShares\": 1}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"sorted\": []}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"days\": {}}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"days\": [\"Caturday\"]}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"meals\": []}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"meals\": {\"Someday\": []}}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"meals\": {\"Monday\": 3}}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"meals\": {\"Monday\": [\"Brunch\"]}}",
    "{\"format\": \"dutywise-plan\", \"version\": 1,",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"outing\": \"Lake\\nHollow\"}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"people\": [\"A\"], \"away\": {}}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"people\": [\"A\"], \"away\": []}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"season\": []}",
    "{\"format\": \"dutywise-plan\", \"version\": 1, \"season\": {\"A\": {\"meals\": -2}}}",
    "\xff\xfe not text",
};

std::vector<dutywise::EngineMessage> EveryEngineMessage(const QString& folder) {
    std::vector<dutywise::EngineMessage> messages;
    // A folder name with ". " in it once cut the file's name short and left the rest English.
    const std::string dir = folder.toStdString() + "/St. George";
    QDir().mkpath(QString::fromStdString(dir + "/Pfingstlager 7.-9. Juni"));
    int n = 0;
    for (const char* bytes : kRefusedPlans) {
        const std::string path = dir + "/plan" + std::to_string(++n) + ".dutywise";
        std::ofstream(path) << bytes;
        messages.push_back(dutywise::ReadPlanFile(path).refusal);
    }
    // A season carried on from a plan that kept no roster, and from one that is no plan.
    const std::string rosterless = dir + "/rosterless.dutywise";
    std::ofstream(rosterless) << "{\"format\": \"dutywise-plan\", \"version\": 1}";
    messages.push_back(dutywise::ReadSeasonFrom(rosterless).refusal);
    messages.push_back(dutywise::ReadSeasonFrom(dir + "/plan1.dutywise").refusal);
    messages.push_back(dutywise::ReadPlanFile(dir).refusal); // a folder
    const std::string fifo = dir + "/pipe.dutywise";
    mkfifo(fifo.c_str(), 0600);
    messages.push_back(dutywise::ReadPlanFile(fifo).refusal); // not a plain file
    const std::string large = dir + "/large.dutywise";
    std::ofstream(large) << "{}";
    EXPECT_EQ(truncate(large.c_str(), 17 * 1024 * 1024), 0);
    messages.push_back(dutywise::ReadPlanFile(large).refusal);
    messages.push_back(dutywise::ReadPlanFile(dir + "/missing.dutywise").refusal);
    for (const std::string& target : {dir + "/no/such/folder.rtf", fifo,
                                      dir + "/Pfingstlager 7.-9. Juni"}) {
        const auto refused = dutywise::WriteFileAtomically(target, "x");
        EXPECT_TRUE(refused.has_value()) << target;
        messages.push_back(refused.value_or(dutywise::EngineMessage{}));
    }
    return messages;
}

TEST(EngineMessages, EveryFileMessageIsSaidInTheLanguage) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::vector<dutywise::EngineMessage> refusals = EveryEngineMessage(folder.path());
    std::vector<std::string> messages;
    for (const dutywise::EngineMessage& refusal : refusals)
        messages.push_back(dutywise::EnglishMessage(refusal));

    // Under English the window says what the command line says.
    for (std::size_t i = 0; i < refusals.size(); ++i)
        EXPECT_EQ(dutywise::TranslateEngineMessage(refusals[i]).toStdString(), messages[i]);

    // The sentences' own words, which no translation may leave behind.
    const QRegularExpression englishWords(QStringLiteral(
        "Cannot (open|create|write|continue)|The field|The number|This file|This plan|The plan|It is a|Unknown|"
        "must (be|hold|have|not)|Not a regular|larger than"));
    for (const char* language : {"de", "fr", "es", "nl"}) {
        ASSERT_TRUE(dutywise::InstallLanguage(QString::fromLatin1(language)));
        for (std::size_t i = 0; i < refusals.size(); ++i) {
            const std::string& message = messages[i];
            const QString said = dutywise::TranslateEngineMessage(refusals[i]);
            EXPECT_FALSE(said.contains(englishWords))
                << language << ": " << message << " -> " << said.toStdString();
            // The values stay: the file's name, the field's name, the number.
            static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\""));
            for (const QRegularExpressionMatch& m :
                 quoted.globalMatch(QString::fromStdString(message)))
                EXPECT_TRUE(said.contains(m.captured())) << language << ": " << said.toStdString();
        }
    }
    dutywise::InstallLanguage(QStringLiteral("en"));
}

TEST(EngineMessages, AValueThatLooksLikeAPlaceStaysAsItIs) {
    ASSERT_TRUE(dutywise::InstallLanguage(QStringLiteral("de")));
    dutywise::EngineMessage m;
    m.code = dutywise::MessageCode::UnknownDay;
    m.value = "%2";
    m.field = "days";
    EXPECT_EQ(dutywise::TranslateEngineMessage(m),
              QStringLiteral("Unbekannter Tag \"%2\" im Feld \"days\"."));
    dutywise::InstallLanguage(QStringLiteral("en"));
}

// A code added to the engine without its sentence here, or without a translation in a
// catalogue, would reach the user in English or not at all.
TEST(EngineMessages, EveryCodeHasItsSentenceInEveryCatalogue) {
    for (int i = 0; i < dutywise::kMessageCodes; ++i) {
        const auto code = static_cast<dutywise::MessageCode>(i);
        const char* source = dutywise::EngineMessageSource(code);
        if (code == dutywise::MessageCode::SystemReason) {
            EXPECT_EQ(source, nullptr); // the system words it
            continue;
        }
        ASSERT_NE(source, nullptr) << "code " << i;
        // The wizard's English and the engine's are one sentence.
        dutywise::EngineMessage m;
        m.code = code;
        m.field = "people";
        m.value = "Funday";
        m.byte = 7;
        m.expected = 2;
        m.found = 3;
        EXPECT_EQ(dutywise::TranslateEngineMessage(m).toStdString(), dutywise::EnglishMessage(m));
        for (const char* language : {"de", "fr", "es", "nl"}) {
            QTranslator catalogue;
            ASSERT_TRUE(catalogue.load(QStringLiteral("dutywise_") + QLatin1String(language),
                                       QStringLiteral(":/i18n")));
            EXPECT_FALSE(catalogue.translate("EngineMessages", source).isEmpty())
                << language << " lacks: " << source;
        }
    }
}

} // namespace
