#include "Protocol.h"

namespace e2e {

bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error) {
  words.clear();
  size_t i = 0;
  const size_t n = line.size();
  while (true) {
    while (i < n && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i >= n) return true;
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < n) {
        const char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < n && (line[i] == '"' || line[i] == '\\')) {
          word += line[i++];
        } else {
          word += c;
        }
      }
      if (!closed) {
        error = "unterminated quote";
        return false;
      }
    } else {
      while (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word += line[i++];
    }
    words.push_back(word);
  }
}

std::string EscapeField(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

Answer Answer::Ok(std::vector<std::string> fields) {
  Answer a;
  a.fields = std::move(fields);
  return a;
}

Answer Answer::Err(const std::string& message) {
  Answer a;
  a.ok = false;
  a.fields.push_back(message);
  return a;
}

std::string Answer::Line() const {
  std::string line = ok ? "ok" : "err";
  for (const std::string& f : fields) line += "\t" + EscapeField(f);
  return line;
}

}  // namespace e2e
