// Tests of the command-line vocabulary: every value that is fixed word for
// word, and the help texts that are composed from the current parameter words.
#include <gtest/gtest.h>
#include <kovl/cli/AMCliStringConstants.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

using KOVL::AMCliStringConstants;
using C = AMCliStringConstants;

const std::string kIndent = "\n     ";

// One line of tests/data/cli_vocabulary.tsv: a constant whose text is fixed
// word for word, and that text.
struct VocabularyRow {
    std::string name;
    std::string value;
};

std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return out;
}

const std::vector<VocabularyRow>& vocabulary() {
    static const std::vector<VocabularyRow> rows = [] {
        std::vector<VocabularyRow> loaded;
        for (const auto& fields : kovtest::dataRows("cli_vocabulary.tsv"))
            loaded.push_back({fields[0], fields.size() > 1 ? unescape(fields[1]) : ""});
        return loaded;
    }();
    return rows;
}

std::map<std::string, const std::string*> byName() {
    std::map<std::string, const std::string*> constants;
    for (const auto& [name, constant] : AMCliStringConstants::all()) constants[name] = constant;
    return constants;
}

bool endsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool isHelpName(const std::string& name) {
    return name == "CLI_DESCRIPTION" || endsWith(name, "_DESC") || endsWith(name, "_DESC_SHORT") ||
           endsWith(name, "_DESC_LONG");
}

// Expects text to list the given words, in this order, each as one entry
// "\n     <prefix><word>: ", and to end the list with a newline.
void expectEntriesInOrder(const std::string& name, const std::string& text,
                          const std::vector<const std::string*>& words, const std::string& prefix = "") {
    std::size_t from = 0;
    for (const std::string* word : words) {
        const std::string entry = kIndent + prefix + *word + ": ";
        const std::size_t at = text.find(entry, from);
        EXPECT_NE(at, std::string::npos) << name << " lacks the entry for \"" << *word << "\" in order";
        if (at == std::string::npos) return;
        from = at + entry.size();
    }
    EXPECT_TRUE(endsWith(text, "\n")) << name;
}

TEST(CliConstantsTest, OnlyAllOptionIsEmpty) {
    for (const auto& [name, constant] : AMCliStringConstants::all())
        EXPECT_EQ(constant->empty(), std::string(name) == "ALL_OPTION") << name;
}

TEST(CliConstantsTest, FixedValuesMatchWordForWord) {
    const auto constants = byName();
    std::size_t fixed = 0;
    for (const VocabularyRow& row : vocabulary()) {
        ++fixed;
        const auto it = constants.find(row.name);
        ASSERT_NE(it, constants.end()) << row.name;
        EXPECT_EQ(*it->second, row.value) << row.name;
    }
    EXPECT_GT(fixed, 0u);  // the data file was read
}

TEST(CliConstantsTest, ComposedHelpTextsListTheirWordsOnePerIndentedLine) {
    const auto constants = byName();
    for (const auto& row : kovtest::dataRows("cli_help_lists.tsv")) {
        std::vector<const std::string*> words;
        for (std::size_t i = 2; i < row.size(); ++i) words.push_back(constants.at(row[i]));
        expectEntriesInOrder(row[0], *constants.at(row[0]), words, row[1] == "-" ? "" : row[1]);
    }
    // The sub-rule options of --editaprule read as those of --createaprule.
    EXPECT_EQ(C::CLI_EDITAPRULE_OPERATIONS_DESC, C::CLI_CREATEAPRULE_OPERATIONS_DESC);
    EXPECT_EQ(C::CLI_EDITAPRULE_EXCLUDETARGETDRIVETYPE_DESC, C::CLI_CREATEAPRULE_EXCLUDETARGETDRIVETYPE_DESC);
}

// A help text is either free text on one line, or a list whose every line break
// opens an entry indented by five blanks, with one final newline.
TEST(CliConstantsTest, MultiLineHelpTextsUseTheFiveBlankIndentation) {
    std::size_t lists = 0;
    for (const auto& [name, constant] : AMCliStringConstants::all()) {
        if (!isHelpName(name)) continue;
        const std::string& text = *constant;
        const std::size_t last = text.size() - 1;
        if (text.find('\n') == std::string::npos) continue;
        ++lists;
        EXPECT_EQ(text[last], '\n') << name;
        for (std::size_t at = text.find('\n'); at < last; at = text.find('\n', at + 1)) {
            EXPECT_EQ(text.compare(at, kIndent.size(), kIndent), 0) << name << " at " << at;
            EXPECT_NE(text[at + kIndent.size()], ' ') << name << " at " << at;
        }
    }
    EXPECT_GT(lists, 0u);
}

}  // namespace
