// zlytpcli: splitting the command line into options and checking it against
// one row of the command table.
#include "CommandLine.h"

#include <algorithm>
#include <ostream>

namespace zlytpcli {

using S = KOVL::AMCliStringConstants;

namespace {

bool isOptionWord(const std::string& word) { return word.size() > 2 && word.compare(0, 2, "--") == 0; }

bool fits(Arity arity, std::size_t count) {
    switch (arity) {
        case Arity::None:
            return count == 0;
        case Arity::One:
            return count == 1;
        case Arity::List:
            return count >= 1;
    }
    return false;
}

}  // namespace

void refuse(const std::string& message, Status status) { throw Refusal{status, message}; }

bool splitOptions(const std::vector<std::string>& args, std::vector<Option>& options) {
    for (const std::string& arg : args) {
        if (isOptionWord(arg)) {
            options.push_back({arg.substr(2), {}});
        } else if (options.empty()) {
            return false;
        } else {
            options.back().values.push_back(arg);
        }
    }
    return true;
}

std::string Invocation::sub(const std::string& word) const {
    const auto found = subs_.find(word);
    return found == subs_.end() || found->second.empty() ? std::string() : found->second.front();
}

std::vector<std::string> splitItems(const std::vector<std::string>& values, const std::string& invalid) {
    std::vector<std::string> items;
    for (const std::string& value : values) {
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = value.find(S::VALUE_FOR_COMMA_DELIMITER, start);
            const std::string item = value.substr(start, comma == std::string::npos ? comma : comma - start);
            if (item.empty()) refuse(invalid);
            items.push_back(item);
            if (comma == std::string::npos) break;
            start = comma + S::VALUE_FOR_COMMA_DELIMITER.size();
        }
    }
    return items;
}

Invocation checkShape(const CommandSpec& spec, const std::vector<Option>& options) {
    const Option& command = options.front();
    if (!fits(spec.arity, command.values.size()))
        refuse(spec.invalid ? *spec.invalid : S::PARSE_EXCEPTION_MSG);
    std::map<std::string, std::vector<std::string>> subs;
    for (auto option = options.begin() + 1; option != options.end(); ++option) {
        const auto known = std::find_if(spec.subs.begin(), spec.subs.end(),
                                        [&](const SubOption& sub) { return *sub.word == option->word; });
        if (known == spec.subs.end()) refuse(S::UNKNOWN_PARAMETER_FOUND_MSG);
        if (subs.count(option->word)) refuse(S::ONE_SUBOPTION_ALLOWED_MSG);
        if (!fits(known->arity, option->values.size()))
            refuse(known->invalid ? *known->invalid : S::PARSE_EXCEPTION_MSG);
        subs[option->word] = option->values;
    }
    return Invocation(command, std::move(subs));
}

void printTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                const std::string& indent) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    }
    for (const auto& row : rows) {
        out << indent;
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::string cell = row[i];
            if (i + 1 < row.size()) cell.resize(widths[i] + 2, ' ');
            out << cell;
        }
        out << "\n";
    }
}

void printColumns(std::ostream& out, const std::vector<std::pair<std::string, std::string>>& rows,
                  const std::string& indent) {
    std::vector<std::vector<std::string>> table;
    for (const auto& row : rows) table.push_back({row.first, row.second});
    printTable(out, table, indent);
}

}  // namespace zlytpcli
