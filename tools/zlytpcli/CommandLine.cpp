// zlytpcli: splitting the command line into options and checking it against
// one row of the command table.
#include "CommandLine.h"

#include <algorithm>
#include <ostream>

namespace zlytpcli {

using S = KOVL::AMCliStringConstants;

const std::string kOutputWord = "output";
const std::string kOutputJson = "json";

namespace {

const std::string kOutputText = "text";

const std::string kOutputHelp = "Prints the result as text (the default) or as one JSON object, for scripts.";

bool isOptionWord(const std::string& word) { return word.size() > 2 && word.compare(0, 2, "--") == 0; }

bool fits(Arity arity, std::size_t count) {
    switch (arity) {
        case Arity::None:
            return count == 0;
        case Arity::One:
            return count == 1;
        case Arity::Maybe:
            return count <= 1;
        case Arity::List:
            return count >= 1;
    }
    return false;
}

// Optimal string alignment distance: edits, with a swap of two neighbours as one.
std::size_t distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

std::string quoted(const std::vector<std::string>& values) {
    std::string text;
    for (const std::string& value : values) text += (text.empty() ? "'" : ", '") + value + "'";
    return text;
}

std::string valueCount(std::size_t count) {
    return count == 1 ? "one value" : std::to_string(count) + " values";
}

}  // namespace

void refuse(const std::string& message, Status status) { throw Refusal{status, message, ""}; }

void refuse(const std::string& message, const std::string& detail, Status status) {
    throw Refusal{status, message, detail};
}

std::string nearest(const std::string& word, const std::vector<std::string>& valid) {
    std::string best;
    std::size_t bestDistance = std::max<std::size_t>(2, word.size() / 4) + 1;
    for (const std::string& candidate : valid) {
        const std::size_t d = distance(word, candidate);
        if (d < bestDistance) {
            best = candidate;
            bestDistance = d;
        }
    }
    return best;
}

std::string didYouMean(const std::string& word, const std::vector<std::string>& valid,
                       const std::string& prefix) {
    const std::string best = nearest(word, valid);
    return best.empty() ? std::string() : " Did you mean " + prefix + best + "?";
}

std::vector<Option> splitOptions(const std::vector<std::string>& args) {
    std::vector<Option> options;
    for (const std::string& arg : args) {
        if (isOptionWord(arg)) {
            const std::size_t equals = arg.find('=');
            options.push_back({arg.substr(2, equals == std::string::npos ? equals : equals - 2), {}});
            if (equals != std::string::npos) options.back().values.push_back(arg.substr(equals + 1));
        } else if (options.empty()) {
            refuse(S::UNKNOWN_PARAMETER_FOUND_MSG,
                   "zlytpcli: '" + arg + "' comes before any command; a command starts with --, as in --" +
                       S::CLI_HELP_CMD + ".");
        } else {
            options.back().values.push_back(arg);
        }
    }
    return options;
}

SubOption outputSubOption() {
    return {&kOutputWord, &kOutputHelp, Arity::One, nullptr, {kOutputText, kOutputJson}};
}

bool wantsJson(const Invocation& in) { return in.sub(kOutputWord) == kOutputJson; }

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
    const std::string see = " See zlytpcli --" + S::CLI_HELP_CMD + " --" + *spec.word + ".";
    if (!fits(spec.arity, command.values.size())) {
        const std::string message = spec.invalid ? *spec.invalid : S::PARSE_EXCEPTION_MSG;
        if (command.values.empty()) refuse(message, "zlytpcli: --" + *spec.word + " needs a value." + see);
        refuse(message, "zlytpcli: --" + *spec.word + " takes " +
                            (spec.arity == Arity::None ? "no value" : "one value") + ", not " +
                            quoted(command.values) + "." + see);
    }
    if (!spec.choices.empty() && !command.values.empty() &&
        std::find(spec.choices.begin(), spec.choices.end(), command.values.front()) == spec.choices.end())
        refuse(spec.invalid ? *spec.invalid : S::PARSE_EXCEPTION_MSG,
               oneOf("--" + *spec.word, command.values.front(), spec.choices));
    std::vector<std::string> words;
    for (const SubOption& sub : spec.subs) words.push_back(*sub.word);
    std::map<std::string, std::vector<std::string>> subs;
    for (auto option = options.begin() + 1; option != options.end(); ++option) {
        const auto known = std::find_if(spec.subs.begin(), spec.subs.end(),
                                        [&](const SubOption& sub) { return *sub.word == option->word; });
        const std::string name = "--" + option->word;
        if (known == spec.subs.end())
            refuse(S::UNKNOWN_PARAMETER_FOUND_MSG, "zlytpcli: '" + name + "' is not a sub-option of --" +
                                                       *spec.word + "." + didYouMean(option->word, words) +
                                                       see);
        if (subs.count(option->word))
            refuse(S::ONE_SUBOPTION_ALLOWED_MSG, "zlytpcli: " + name + " is given twice." + see);
        if (!fits(known->arity, option->values.size())) {
            const std::string message = known->invalid ? *known->invalid : S::PARSE_EXCEPTION_MSG;
            if (option->values.empty()) refuse(message, "zlytpcli: " + name + " needs a value." + see);
            refuse(message, "zlytpcli: " + name + " takes " +
                                (known->arity == Arity::None ? "no value" : "one value") + ", not " +
                                valueCount(option->values.size()) + " (" + quoted(option->values) + ")." +
                                see);
        }
        if (!known->choices.empty() && !option->values.empty() &&
            std::find(known->choices.begin(), known->choices.end(), option->values.front()) ==
                known->choices.end())
            refuse(known->invalid ? *known->invalid : S::PARSE_EXCEPTION_MSG,
                   oneOf(name, option->values.front(), known->choices));
        subs[option->word] = option->values;
    }
    return Invocation(command, std::move(subs));
}

std::string oneOf(const std::string& option, const std::string& value,
                  const std::vector<std::string>& valid) {
    std::string list;
    for (std::size_t i = 0; i < valid.size(); ++i)
        list += (i == 0 ? "" : i + 1 == valid.size() ? " or " : ", ") + valid[i];
    return "zlytpcli: '" + value + "' is not a value of " + option + "; give " + list + "." +
           didYouMean(value, valid, "");
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

}  // namespace zlytpcli
