#pragma once
// AbiWord as a real reader of what the program writes: run headless as a subprocess, its
// output parsed back into paragraphs of styled runs.
//
// AbiWord is a test tool here: with CI=true a missing one fails the test, elsewhere the test is
// skipped with the reason.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace dutywise::testing {

inline bool RunningInCi() {
    const char* ci = std::getenv("CI");
    return ci && std::string(ci) == "true";
}

inline bool AbiwordInstalled() {
    return std::system("command -v abiword >/dev/null 2>&1") == 0;
}

// In a test body: skips (or fails under CI) when AbiWord is not installed.
#define DUTYWISE_REQUIRE_ABIWORD()                                                                 \
    do {                                                                                           \
        if (!::dutywise::testing::AbiwordInstalled()) {                                            \
            if (::dutywise::testing::RunningInCi())                                                \
                FAIL() << "abiword is not installed (scripts/install-deps installs it)";           \
            GTEST_SKIP() << "abiword is not installed; the read-back by a real reader is skipped"; \
        }                                                                                          \
    } while (0)

// A fresh folder removed at the end of its scope.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "dutywise-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Converts every file in one AbiWord run ("abw" or "txt"); each output lands beside its input
// with the new extension. Runs without a display, with a private HOME and a time limit.
// Returns an empty string on success, else what went wrong with AbiWord's own output.
inline std::string ConvertWithAbiword(const std::vector<std::string>& files,
                                      const std::string& format, int timeoutSeconds = 60) {
    TempDir home;
    std::string command = "cd '" + home.path().string() +
                          "' && env -u DISPLAY -u WAYLAND_DISPLAY HOME='" + home.path().string() +
                          "' timeout " + std::to_string(timeoutSeconds) + " abiword --to=" + format;
    for (const std::string& f : files)
        command += " '" + f + "'"; // test paths: no quotes in them
    const std::string log = home / "abiword.log";
    command += " >'" + log + "' 2>&1";
    const int status = std::system(command.c_str());
    if (status != 0)
        return "abiword exited with status " + std::to_string(status) + ": " + ReadFileBytes(log);
    return {};
}

inline std::string WithExtension(const std::string& path, const std::string& ext) {
    return std::filesystem::path(path).replace_extension(ext).string();
}

// One <c> of an .abw file (or text directly in a <p>), its properties merged over the
// paragraph's.
struct AbwRun {
    std::string text;
    std::map<std::string, std::string> props;
};
struct AbwParagraph {
    std::vector<AbwRun> runs;
};

inline std::map<std::string, std::string> ParseAbwProps(const std::string& props) {
    std::map<std::string, std::string> out;
    std::stringstream s(props);
    std::string item;
    while (std::getline(s, item, ';')) {
        const auto colon = item.find(':');
        if (colon == std::string::npos)
            continue;
        const auto trim = [](std::string v) {
            v.erase(0, v.find_first_not_of(' '));
            v.erase(v.find_last_not_of(' ') + 1);
            return v;
        };
        out[trim(item.substr(0, colon))] = trim(item.substr(colon + 1));
    }
    return out;
}

inline std::string XmlUnescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const auto semi = s.find(';', i);
        const std::string entity = s.substr(i + 1, semi - i - 1);
        i = semi;
        if (entity == "amp")
            out += '&';
        else if (entity == "lt")
            out += '<';
        else if (entity == "gt")
            out += '>';
        else if (entity == "quot")
            out += '"';
        else if (entity == "apos")
            out += '\'';
        else if (!entity.empty() && entity[0] == '#') {
            const unsigned long cp = entity[1] == 'x' ? std::stoul(entity.substr(2), nullptr, 16)
                                                      : std::stoul(entity.substr(1));
            // UTF-8 of the code point
            if (cp < 0x80)
                out += static_cast<char>(cp);
            else if (cp < 0x800) {
                out += static_cast<char>(0xC0 | (cp >> 6));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            } else if (cp < 0x10000) {
                out += static_cast<char>(0xE0 | (cp >> 12));
                out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            } else {
                out += static_cast<char>(0xF0 | (cp >> 18));
                out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
                out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            }
        }
    }
    return out;
}

// The paragraphs of the first section of an .abw file, as AbiWord wrote them.
inline std::vector<AbwParagraph> ParseAbw(const std::string& xml) {
    std::vector<AbwParagraph> paragraphs;
    const auto attr = [](const std::string& tag, const std::string& name) {
        const auto at = tag.find(" " + name + "=\"");
        if (at == std::string::npos)
            return std::string();
        const auto start = at + name.size() + 3;
        return tag.substr(start, tag.find('"', start) - start);
    };
    std::size_t pos = xml.find("<section");
    while ((pos = xml.find("<p", pos)) != std::string::npos) {
        if (xml.compare(pos, 3, "<p ") != 0 && xml.compare(pos, 3, "<p>") != 0) {
            ++pos;
            continue;
        }
        const auto tagEnd = xml.find('>', pos);
        const auto pProps = ParseAbwProps(attr(xml.substr(pos, tagEnd - pos), "props"));
        const auto end = xml.find("</p>", tagEnd);
        const std::string body = xml.substr(tagEnd + 1, end - tagEnd - 1);
        AbwParagraph p;
        std::vector<std::map<std::string, std::string>> stack{pProps};
        std::string text;
        const auto flush = [&] {
            if (!text.empty())
                p.runs.push_back({XmlUnescape(text), stack.back()});
            text.clear();
        };
        for (std::size_t i = 0; i < body.size();) {
            if (body[i] != '<') {
                text += body[i++];
                continue;
            }
            const auto close = body.find('>', i);
            const std::string tag = body.substr(i, close - i + 1);
            i = close + 1;
            if (tag.rfind("<c", 0) == 0 && tag.back() == '>' && tag[tag.size() - 2] != '/') {
                flush();
                auto props = stack.back();
                for (const auto& [k, v] : ParseAbwProps(attr(tag, "props")))
                    props[k] = v;
                stack.push_back(props);
            } else if (tag == "</c>") {
                flush();
                if (stack.size() > 1)
                    stack.pop_back();
            }
            // other tags (bookmarks, fields) carry no text of ours
        }
        flush();
        paragraphs.push_back(std::move(p));
        pos = end;
    }
    return paragraphs;
}

} // namespace dutywise::testing
