// A stand-in user for end-to-end tests: reads one command per line from standard input, acts on
// the windows of the program under test, and answers one line per command.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "Driver.h"

int main() {
  // Answers end in a bare newline, whatever reads them.
  _setmode(_fileno(stdout), _O_BINARY);
  e2e::Driver driver;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::vector<std::string> words;
    std::string error;
    e2e::Answer answer;
    if (!e2e::SplitWords(line, words, error)) {
      answer = e2e::Answer::Err(error);
    } else if (words.empty()) {
      continue;
    } else {
      answer = driver.Run(words);
    }
    std::fputs((answer.Line() + "\n").c_str(), stdout);
    std::fflush(stdout);
    if (driver.Quitting()) break;
  }
  driver.KillTarget();
  return 0;
}
