#pragma once

#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/TestSupport.h"

namespace tagsmith::test {

// The rows of a case table: a text file under tests/ whose lines, blank ones and "#" comments
// aside, are rows of fields separated by "|". Blanks around a field are dropped; inside one,
// \r \n \t \f \\ \| and \xHH stand for their bytes (\x20 keeps a blank at an edge).
inline std::vector<std::vector<std::string>> ReadCaseTable(const std::string& relativePath) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream file(SourceFolder() / "tests" / relativePath);
    const auto trimmed = [](const std::string& field) {
        const std::size_t first = field.find_first_not_of(' ');
        return first == std::string::npos
                   ? std::string()
                   : field.substr(first, field.find_last_not_of(' ') + 1 - first);
    };
    for (std::string line; std::getline(file, line);) {
        if (line.find_first_not_of(' ') == std::string::npos || line.starts_with('#')) continue;
        std::vector<std::string>& row = rows.emplace_back();
        std::string raw;
        for (std::size_t at = 0; at <= line.size(); ++at) {
            if (at == line.size() || line[at] == '|') {
                std::string field;
                const std::string text = trimmed(raw);
                for (std::size_t k = 0; k < text.size(); ++k) {
                    if (text[k] != '\\' || k + 1 == text.size()) {
                        field += text[k];
                        continue;
                    }
                    const char escaped = text[++k];
                    if (escaped == 'x') {
                        field += static_cast<char>(std::stoi(text.substr(k + 1, 2), nullptr, 16));
                        k += 2;
                    } else {
                        field += escaped == 'r'   ? '\r'
                                 : escaped == 'n' ? '\n'
                                 : escaped == 't' ? '\t'
                                 : escaped == 'f' ? '\f'
                                                  : escaped;
                    }
                }
                row.push_back(field);
                raw.clear();
            } else if (line[at] == '\\' && at + 1 < line.size()) {
                raw += line.substr(at++, 2);  // an escaped "|" does not end the field
            } else {
                raw += line[at];
            }
        }
    }
    return rows;
}

// The rows of a case table whose first field is one of the kinds given; throws when there is none.
inline std::vector<std::vector<std::string>> ReadCaseTable(const std::string& relativePath,
                                                           const std::set<std::string>& kinds) {
    auto rows = ReadCaseTable(relativePath);
    std::erase_if(rows, [&kinds](const auto& row) { return !kinds.contains(row.at(0)); });
    if (rows.empty()) throw std::runtime_error("no rows of these kinds in " + relativePath);
    return rows;
}

}  // namespace tagsmith::test
