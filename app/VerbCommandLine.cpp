#include "app/VerbCommandLine.h"

#include <array>
#include <cctype>
#include <vector>

#include "app/MessageText.h"

namespace app {
namespace {

enum class Word { Verb, Log, Report };

struct WordName {
  const char* name;
  Word word;
  Verb verb;
  bool takesValue;
};

constexpr std::array<WordName, 6> kWords{{
    {"ApplyShareMode", Word::Verb, Verb::ApplyShareMode, true},
    {"UndoLastModeChange", Word::Verb, Verb::UndoLastModeChange, false},
    {"RestoreWindowsSettings", Word::Verb, Verb::RestoreWindowsSettings, false},
    {"CheckSharing", Word::Verb, Verb::CheckSharing, false},
    {"Log", Word::Log, Verb::None, true},
    {"Report", Word::Report, Verb::None, true},
}};

// In the order of the mode index.
constexpr std::array<const char*, 3> kModeNames{{"Stop", "Zendry", "Normal"}};

bool SameLetters(const std::string& text, const char* name, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (i >= text.size() || name[i] == '\0') return i >= text.size() && name[i] == '\0';
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(name[i]))) {
      return false;
    }
  }
  return true;
}

bool SameName(const std::string& text, const char* name) {
  return SameLetters(text, name, std::string::npos);
}

// The words as the system's own programs split them: blanks and tabs apart, except within
// double quotes, which are dropped. False when a quote is left open.
bool SplitWords(const std::string& line, std::vector<std::string>& words) {
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return !quoted;
}

// Reads one word into the command; the problem when it cannot be.
std::string ReadWord(const std::string& word, VerbCommand& command, bool& reportSeen) {
  if (word.size() < 2 || word[0] != '/') {
    return FormatMessageText("\"%s\" is not a verb or an option.", {word});
  }
  const std::size_t colon = word.find(':');
  const std::string name = word.substr(1, colon == std::string::npos ? colon : colon - 1);
  const std::string value = colon == std::string::npos ? "" : word.substr(colon + 1);
  for (const WordName& known : kWords) {
    if (!SameName(name, known.name)) continue;
    if (known.takesValue && value.empty()) {
      return FormatMessageText("/%s needs a value after a colon.", {known.name});
    }
    if (!known.takesValue && colon != std::string::npos) {
      return FormatMessageText("/%s takes no value.", {known.name});
    }
    if (known.word == Word::Verb) {
      if (command.verb != Verb::None) return "Only one verb may be given.";
      command.verb = known.verb;
      if (known.verb != Verb::ApplyShareMode) return {};
      for (std::size_t mode = 0; mode < kModeNames.size(); ++mode) {
        if (SameName(value, kModeNames[mode])) command.mode = static_cast<int>(mode);
      }
      if (command.mode >= 0) return {};
      return FormatMessageText("\"%s\" is not a share mode: Stop, Zendry or Normal.", {value});
    }
    const bool log = known.word == Word::Log;
    if (log ? !command.logFile.empty() : reportSeen) {
      return FormatMessageText("/%s is given twice.", {known.name});
    }
    (log ? command.logFile : command.reportFile) = value;
    reportSeen = reportSeen || !log;
    return {};
  }
  return FormatMessageText("\"%s\" is not a verb or an option.", {word});
}

}  // namespace

bool IsVerbCommandLine(const std::string& commandLine) {
  std::vector<std::string> words;
  SplitWords(commandLine, words);
  if (words.empty() || words[0].size() < 4 || words[0][0] != '/') return false;
  const std::string start = words[0].substr(1, 3);
  for (const WordName& known : kWords) {
    if (SameLetters(start, known.name, 3)) return true;
  }
  return false;
}

VerbCommand ParseVerbCommandLine(const std::string& commandLine) {
  VerbCommand command;
  std::vector<std::string> words;
  if (!SplitWords(commandLine, words)) command.problem = "A double quote is not closed.";
  bool reportSeen = false;
  for (const std::string& word : words) {
    std::string problem = ReadWord(word, command, reportSeen);
    if (command.problem.empty()) command.problem = std::move(problem);
  }
  if (!command.problem.empty()) return command;
  if (command.verb == Verb::None) {
    command.problem = "No verb is given.";
  } else if (reportSeen && command.verb != Verb::CheckSharing) {
    command.problem = "/Report belongs to /CheckSharing only.";
  }
  return command;
}

}  // namespace app
