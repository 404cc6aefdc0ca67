// The engine's file messages in every language: every refusal a plan file or a save can meet,
// made by the real engine on real files, comes out in the catalogue's words, inner reason too.
#include <gtest/gtest.h>

#include <fstream>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
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
    "\xff\xfe not text",
};

std::vector<std::string> EveryEngineMessage(const QString& folder) {
    std::vector<std::string> messages;
    const std::string dir = folder.toStdString();
    int n = 0;
    for (const char* bytes : kRefusedPlans) {
        const std::string path = dir + "/plan" + std::to_string(++n) + ".dutywise";
        std::ofstream(path) << bytes;
        messages.push_back(dutywise::ReadPlanFile(path).message);
    }
    messages.push_back(dutywise::ReadPlanFile(dir).message); // a folder
    const std::string fifo = dir + "/pipe.dutywise";
    mkfifo(fifo.c_str(), 0600);
    messages.push_back(dutywise::ReadPlanFile(fifo).message); // not a plain file
    const std::string large = dir + "/large.dutywise";
    std::ofstream(large) << "{}";
    EXPECT_EQ(truncate(large.c_str(), 17 * 1024 * 1024), 0);
    messages.push_back(dutywise::ReadPlanFile(large).message);
    messages.push_back(dutywise::ReadPlanFile(dir + "/missing.dutywise").message);
    for (const std::string& target : {dir + "/no/such/folder.rtf", fifo}) {
        const std::optional<std::string> refused = dutywise::WriteFileAtomically(target, "x");
        EXPECT_TRUE(refused.has_value()) << target;
        messages.push_back(refused.value_or(""));
    }
    return messages;
}

TEST(EngineMessages, EveryFileMessageIsSaidInTheLanguage) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::vector<std::string> messages = EveryEngineMessage(folder.path());
    for (const std::string& message : messages)
        ASSERT_FALSE(message.empty());

    // Under English nothing changes.
    for (const std::string& message : messages)
        EXPECT_EQ(dutywise::TranslateEngineMessage(message), QString::fromStdString(message));

    // The sentences' own words, which no translation may leave behind.
    const QRegularExpression englishWords(QStringLiteral(
        "Cannot (open|create|write)|The field|This file|This plan|The plan|It is a|Unknown|"
        "must be|Not a regular|larger than"));
    for (const char* language : {"de", "fr", "es", "nl"}) {
        ASSERT_TRUE(dutywise::InstallLanguage(QString::fromLatin1(language)));
        for (const std::string& message : messages) {
            const QString said = dutywise::TranslateEngineMessage(message);
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
    EXPECT_EQ(dutywise::TranslateEngineMessage("Unknown day \"%2\" in the field \"days\"."),
              QStringLiteral("Unbekannter Tag \"%2\" im Feld \"days\"."));
    EXPECT_EQ(dutywise::TranslateEngineMessage("Something the engine never says."),
              QStringLiteral("Something the engine never says."));
    dutywise::InstallLanguage(QStringLiteral("en"));
}

} // namespace
