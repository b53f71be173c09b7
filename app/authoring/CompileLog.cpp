#include "app/authoring/CompileLog.h"

#include <algorithm>
#include <regex>
#include <sstream>

namespace fraglume {

int countLines(const std::string &text)
{
    return int(std::count(text.begin(), text.end(), '\n'));
}

namespace {

// One message line with a source position: what comes before it (a stage or severity word),
// the line number, and the rest. The string number in front is the source string's index,
// always 0 here (one fragment text).
struct Positioned {
    std::string lead;
    int line = 0;
    std::string rest;
};

bool findPosition(const std::string &text, Positioned &out)
{
    // Mesa "0:28(5): error: ...", NVIDIA "0(28) : error C0000: ...", AMD/others "ERROR: 0:28: ...".
    static const std::regex forms[] = {
        std::regex(R"(^(.*?)\b\d+:(\d+)\(\d+\):\s*(.*)$)"),
        std::regex(R"(^(.*?)\b\d+\((\d+)\)\s*:\s*(.*)$)"),
        std::regex(R"(^(.*?)\b\d+:(\d+):\s*(.*)$)"),
    };
    std::smatch match;
    for (const std::regex &form : forms) {
        if (std::regex_match(text, match, form)) {
            out.lead = match[1];
            out.line = std::stoi(match[2]);
            out.rest = match[3];
            return true;
        }
    }
    return false;
}

} // namespace

std::string authorMessages(const std::string &log, const std::string &file, int headerLines)
{
    std::ostringstream out;
    std::istringstream in(log);
    for (std::string text; std::getline(in, text);) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (text.find_first_not_of(" \t") == std::string::npos)
            continue;
        Positioned at;
        // The stage prefix is ours, not the compiler's: it only says which stage complained.
        for (const char *stage : {"FRAGMENT: ", "VERTEX: ", "GEOMETRY: "})
            if (text.rfind(stage, 0) == 0)
                text.erase(0, std::string(stage).size());
        if (!findPosition(text, at) || at.line <= 0) {
            out << file << ": " << text << '\n';
            continue;
        }
        // A severity word in front ("ERROR: 0:28: x") moves behind the position.
        std::string lead = at.lead;
        while (!lead.empty() && (lead.back() == ' ' || lead.back() == ':'))
            lead.pop_back();
        std::string rest = at.rest;
        if (!lead.empty()) {
            std::string word = lead;
            std::transform(word.begin(), word.end(), word.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
            rest = word + ": " + rest;
        }
        if (at.line > headerLines)
            out << file << ':' << (at.line - headerLines) << ": " << rest << '\n';
        else
            out << file << ": uniform header line " << at.line << ": " << rest << '\n';
    }
    return out.str();
}

} // namespace fraglume
