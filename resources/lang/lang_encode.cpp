// Build step: turns a language file kept as UTF-8 in the repository into the UTF-16 form the
// program reads. Refuses blank lines and carriage returns, because the reader would stop there
// and silently drop every later text.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "common/stdio_file_ex.h"
#include "common/utf.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: lang_encode SOURCE.utf8 TARGET\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.good() && !in.eof()) return 1;
  pelorin::CStdioFileEx::Lines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const auto line = std::string_view(text).substr(start, end - start);
    if (line.empty() || line.find('\r') != std::string_view::npos) {
      std::cerr << argv[1] << ": line " << lines.size() + 1 << " is blank or has a CR\n";
      return 1;
    }
    lines.push_back(pelorin::toUtf16(line));
    start = end + 1;
  }
  return pelorin::CStdioFileEx::writeLines(argv[2], lines) ? 0 : 1;
}
