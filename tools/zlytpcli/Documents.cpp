// zlytpcli: the man page (roff, man macros) and the bash completion script.
#include "Documents.h"

#include "Commands.h"

namespace zlytpcli {

using S = KOVL::AMCliStringConstants;

namespace {

// Text as roff: backslashes and hyphens escaped, no line starting a request,
// the help texts' own line breaks kept.
std::string roff(const std::string& text) {
    std::string out;
    bool lineStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            std::size_t next = i + 1;
            while (next < text.size() && text[next] == ' ') ++next;
            i = next - 1;
            if (next < text.size()) out += "\n.br\n";
            lineStart = true;
            continue;
        }
        if (lineStart && (c == '.' || c == '\'')) out += "\\&";
        lineStart = false;
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

std::string flag(const std::string& word) { return "\\fB" + roff("--" + word) + "\\fR"; }

std::string valuePart(Arity arity, const std::vector<std::string>& choices) {
    std::string words;
    for (const std::string& choice : choices) words += (words.empty() ? "" : "|") + choice;
    const std::string value = choices.empty() ? "\\fIVALUE\\fR" : "\\fI" + roff(words) + "\\fR";
    switch (arity) {
        case Arity::None:
            return "";
        case Arity::Maybe:
            return " [" + value + "]";
        case Arity::List:
            return " " + value + "...";
        case Arity::One:
            break;
    }
    return " " + value;
}

const char* const kExitStatus[][2] = {
    {"0", "Done, also when the value was already set."},
    {"1", "The change failed, or a confirmation was refused."},
    {"2",
     "The command line was refused; nothing was changed. The first line on standard error is the "
     "product's message, a second line names the word at fault and, where one is close, the valid word "
     "meant."},
    {"3",
     "The command acts on the running product (tasks running, quarantine, scan cache, "
     "access-protection rules, repositories), which this tool does not reach."},
};

const char* const kExamples[][2] = {
    {"zlytpcli --getoasconfig --summary", "Shows the on-access settings."},
    {"zlytpcli --getoasconfig --summary --output json", "The same as one JSON object, for scripts."},
    {"zlytpcli --setoasglobalconfig --maxscantime 90", "Sets the maximum on-access scan time to 90 seconds."},
    {"zlytpcli --addprocess --highrisk curl,wget", "Adds two processes to the high-risk list."},
    {"zlytpcli --delprocess --name wget", "Deletes a process by its name."},
    {"zlytpcli --showtask --name \"quick scan\"", "Shows a task by its name."},
    {"printf '%s\\n' \"$PASS\" | zlytpcli --proxyserverconfig --type systemproxy --httpauth enable "
     "--username alice --password -",
     "Sets the proxy password from standard input, keeping it out of the process list."},
};

// Shell words: the table's words are plain lower-case letters; anything else is dropped.
std::string shellWord(const std::string& word) {
    std::string out;
    for (const char c : word)
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ',') out += c;
    return out;
}

std::string joined(const std::vector<std::string>& words, const std::string& prefix) {
    std::string out;
    for (const std::string& word : words) out += prefix + shellWord(word) + " ";
    return out;
}

}  // namespace

void writeManPage(std::ostream& out) {
    out << ".\\\" Generated at build time from the zlytpcli command table; do not edit.\n"
        << ".TH ZLYTPCLI 1 \"\" \"kovconfig\" \"User Commands\"\n"
        << ".SH NAME\nzlytpcli \\- configure the threat\\-prevention module\n"
        << ".SH SYNOPSIS\n.B zlytpcli\n[\\fB\\-\\-root\\fR \\fIDIR\\fR] [\\fB\\-\\-verbose\\fR] "
           "\\fB\\-\\-\\fR\\fIcommand\\fR [\\fIvalue\\fR] [\\fB\\-\\-\\fR\\fIsub\\-option\\fR "
           "[\\fIvalue\\fR]]...\n"
        << ".SH DESCRIPTION\n"
        << roff(S::CLI_DESCRIPTION) << "\n.PP\n"
        << "The first word is the command, the others are its sub\\-options, each followed by its value. "
           "\\fB\\-\\-word=value\\fR is the same as \\fB\\-\\-word value\\fR. "
           "\\fB\\-h\\fR and \\fBhelp\\fR are \\fB\\-\\-help\\fR; \\fBzlytpcli \\-\\-help "
           "\\-\\-\\fR\\fIcommand\\fR "
           "shows one command.\n.PP\n"
        << "\\fB\\-\\-root\\fR \\fIDIR\\fR keeps the preferences under \\fIDIR\\fR at the product's relative "
           "paths; \\fB\\-\\-verbose\\fR sends the library's log lines to standard error.\n"
        << ".SH COMMANDS\n";
    for (const CommandSpec& command : commands()) {
        out << ".TP\n"
            << flag(*command.word) << valuePart(command.arity, command.choices) << "\n"
            << roff(*command.help) << "\n";
        if (!command.run && *command.word != S::CLI_HELP_CMD)
            out << ".br\nServed by the running product (exit status 3).\n";
        if (command.subs.empty()) continue;
        out << ".RS\n";
        for (const SubOption& sub : command.subs)
            out << ".TP\n"
                << flag(*sub.word) << valuePart(sub.arity, sub.choices) << "\n"
                << roff(*sub.help) << "\n";
        out << ".RE\n";
    }
    out << ".SH OUTPUT\n"
        << "Every show and list command takes \\fB\\-\\-output json\\fR and then prints one JSON object: "
           "numbers as numbers, switches as booleans, lists as arrays, tables as arrays of objects, in the "
           "order the text shows them. Passwords and keys are never printed.\n"
        << ".SH EXIT STATUS\n";
    for (const auto& row : kExitStatus) out << ".TP\n.B " << row[0] << "\n" << roff(row[1]) << "\n";
    out << ".SH FILES\n.TP\n.I /var/Korvel/kov/tp/prefs.xml\nThe preferences.\n"
        << ".TP\n.I /opt/Korvel/kov/tp/etc/prefs.xml\nThe shipped defaults, restored when the preferences "
           "are "
           "missing or unreadable.\n"
        << ".TP\n.I /var/Korvel/kov/tp/tpagent.key\nThe key that seals the proxy password.\n"
        << ".SH EXAMPLES\n";
    for (const auto& row : kExamples) out << ".TP\n\\fB" << roff(row[0]) << "\\fR\n" << roff(row[1]) << "\n";
}

void writeBashCompletion(std::ostream& out) {
    std::vector<std::string> words;
    for (const CommandSpec& command : commands()) words.push_back(*command.word);
    out << "# bash completion for zlytpcli, generated at build time from its command table; do not edit.\n"
        << "_zlytpcli() {\n"
        << "    local cur=\"${COMP_WORDS[COMP_CWORD]}\" prev=\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
        << "    local cmd=\"\" subs=\"\" values=\"\" i\n"
        << "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        << "        case \"${COMP_WORDS[i]}\" in\n"
        << "            --root) ((i++)) ;;\n"
        << "            --verbose) ;;\n"
        << "            --*) cmd=\"${COMP_WORDS[i]#--}\"; break ;;\n"
        << "        esac\n"
        << "    done\n"
        << "    local commands=\" " << joined(words, "--") << "\"\n"
        << "    case \"$prev\" in\n"
        << "        --root) COMPREPLY=($(compgen -d -- \"$cur\")); return ;;\n"
        << "        --" << S::CLI_SETQUARANTINEFOLDER_CMD
        << ") COMPREPLY=($(compgen -d -- \"$cur\")); return ;;\n"
        << "        --" << S::CLI_SETPRODUCTLOGFILE_CMD
        << ") COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
        << "    esac\n"
        << "    case \"$cmd\" in\n"
        << "        " << S::CLI_HELP_CMD << ") subs=\"$commands\" ;;\n";
    for (const CommandSpec& command : commands()) {
        if (*command.word == S::CLI_HELP_CMD) continue;
        std::vector<std::string> subs;
        for (const SubOption& sub : command.subs) subs.push_back(*sub.word);
        subs.push_back(S::CLI_HELP_CMD);
        out << "        " << shellWord(*command.word) << ")\n"
            << "            subs=\" " << joined(subs, "--") << "\"\n"
            << "            case \"$prev\" in\n";
        if (!command.choices.empty())
            out << "                --" << shellWord(*command.word) << ") values=\""
                << joined(command.choices, "") << "\" ;;\n";
        for (const SubOption& sub : command.subs)
            if (!sub.choices.empty())
                out << "                --" << shellWord(*sub.word) << ") values=\""
                    << joined(sub.choices, "") << "\" ;;\n";
        out << "            esac ;;\n";
    }
    out << "    esac\n"
        << "    if [[ -n \"$values\" ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"$values\" -- \"$cur\"))\n"
        << "    elif [[ -z \"$cmd\" ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"--root --verbose $commands\" -- \"$cur\"))\n"
        << "    elif [[ \"$cur\" == -* || -z \"$cur\" ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"$subs\" -- \"$cur\"))\n"
        << "    fi\n"
        << "}\n"
        << "complete -F _zlytpcli zlytpcli\n";
}

}  // namespace zlytpcli
