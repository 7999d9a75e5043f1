// zlytpcli: the command-line grammar and the shapes of the command table.
//
// A command line is a list of options: "--word" followed by the words that are
// its values, up to the next "--word". The first option is the command; the
// others are its sub-options. Each command of the table (Commands.cpp) says
// which sub-options it accepts and how many values each takes; checkShape()
// refuses everything else before any handler runs, so a refused command line
// never reaches the preferences.
#pragma once

#include <kovl/kovl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zlytpcli {

// Exit statuses.
enum Status {
    kOk = 0,
    kFailed = 1,        // the library refused or failed the change
    kBadArguments = 2,  // the command line was refused; nothing was changed
    kNeedsDaemon = 3    // the command acts on the running product, which this tool does not reach
};

// Thrown to stop a command with a message on stderr and an exit status. The
// message is the vocabulary's; the detail, when there is one, is a second line
// that names the word at fault and what would be valid instead.
struct Refusal {
    Status status;
    std::string message;
    std::string detail;
};
[[noreturn]] void refuse(const std::string& message, Status status = kBadArguments);
[[noreturn]] void refuse(const std::string& message, const std::string& detail,
                         Status status = kBadArguments);

// The valid word closest to `word` (a typing slip away), or "" when none is.
std::string nearest(const std::string& word, const std::vector<std::string>& valid);
// The second line for a value that is not one of `valid`: names it, lists them, suggests.
std::string oneOf(const std::string& option, const std::string& value, const std::vector<std::string>& valid);
// " Did you mean --X?" when one of `valid` is close to `word`, else "".
std::string didYouMean(const std::string& word, const std::vector<std::string>& valid,
                       const std::string& prefix = "--");

struct Option {
    std::string word;  // without the leading "--"
    std::vector<std::string> values;
};

// Splits the words after the program name ("--word=value" is "--word value"); refuses
// a value that comes before any "--word".
std::vector<Option> splitOptions(const std::vector<std::string>& args);

enum class Arity {
    None,   // a flag
    One,    // exactly one value
    Maybe,  // one value or none
    List    // one or more values; each may itself be a comma-separated list
};

struct SubOption {
    const std::string* word;
    const std::string* help;
    Arity arity;
    const std::string* invalid;  // message when the values do not fit (null: the generic parse message)
    std::vector<std::string> choices = {};  // the value words, when they are a fixed set
};

// A command as the handlers see it: its own values and the sub-options given.
class Invocation {
public:
    Invocation(Option command, std::map<std::string, std::vector<std::string>> subs)
        : command_(std::move(command)), subs_(std::move(subs)) {}
    const std::string& value() const { return command_.values.front(); }
    bool has(const std::string& word) const { return subs_.count(word) != 0; }
    // The single value of a sub-option ("" when it was not given).
    std::string sub(const std::string& word) const;
    std::size_t subCount() const { return subs_.size(); }

private:
    Option command_;
    std::map<std::string, std::vector<std::string>> subs_;
};

struct Context {
    KOVL::KOVConfigController& controller;
    std::ostream& out;
    bool json = false;  // --output json
};

using Handler = std::function<Status(Context&, const Invocation&)>;

struct CommandSpec {
    const std::string* word;
    const std::string* help;     // the full help text
    const std::string* summary;  // one line for the command list (null: the first line of help)
    Arity arity;                 // the command's own values
    const std::string* invalid;  // message when the command's own values do not fit
    std::vector<SubOption> subs;
    Handler run;                            // null: the command needs the running product
    std::vector<std::string> choices = {};  // the words of its own value, when they are a fixed set
};

// Checks the command line against the command's table row; refuses with the row's messages.
Invocation checkShape(const CommandSpec& spec, const std::vector<Option>& options);

// The tool's own sub-option of every show and list command: --output text|json.
extern const std::string kOutputWord;
extern const std::string kOutputJson;
SubOption outputSubOption();
// Whether the checked command line asks for JSON.
bool wantsJson(const Invocation& in);

// Splits comma-separated values into items; empty items are refused with `invalid`.
std::vector<std::string> splitItems(const std::vector<std::string>& values, const std::string& invalid);

// Prints rows of columns, each column but the last padded to its widest entry.
void printTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                const std::string& indent = "");

}  // namespace zlytpcli
