// The line protocol between a test script and the driver: one command per line in, one answer
// per line out. An answer is "ok" or "err" followed by fields, each preceded by a tab.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// Splits a command line into words. Words are separated by blanks or tabs; a word in double
// quotes may hold blanks, and inside quotes \" is a quote and \\ a backslash.
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error);

// Makes a field safe for one line: backslash, tab, newline and carriage return become \\, \t,
// \n and \r.
std::string EscapeField(const std::string& text);

struct Answer {
  bool ok = true;
  std::vector<std::string> fields;

  static Answer Ok(std::vector<std::string> fields = {});
  static Answer Err(const std::string& message);
  std::string Line() const;
};

}  // namespace e2e
