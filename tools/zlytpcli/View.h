// zlytpcli: what a show or list command prints, built once and rendered either
// as text for people or as one JSON object for scripts (--output json).
//
// Text: key/value rows as "Label:  value" with the values aligned, groups as a
// title line with their rows indented, tables with a header row. JSON: a field
// is a member, a group a nested object, a table an array of objects; numbers
// and booleans keep their types.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

namespace zlytpcli {

using Json = nlohmann::ordered_json;

// One value: its JSON form and, when different, how the text shows it.
struct Cell {
    Cell(const std::string& text) : value(text), text(text) {}          // NOLINT: a plain text cell
    Cell(const char* text) : Cell(std::string(text)) {}                 // NOLINT
    Cell(long number) : value(number), text(std::to_string(number)) {}  // NOLINT: a plain number cell
    Cell(Json value, std::string text) : value(std::move(value)), text(std::move(text)) {}
    Json value;
    std::string text;
};

struct Column {
    std::string key;     // the member name in JSON
    std::string header;  // the header in text
};

class View {
public:
    // A key/value row of the current group (or of the top level).
    View& field(const std::string& key, const std::string& label, const Cell& value);
    // Starts a titled group; the fields after it belong to it until the next group.
    View& group(const std::string& key, const std::string& title);
    // A table of rows, each with one cell per column; `none` is the text shown when empty.
    View& table(const std::string& key, std::vector<Column> columns, std::vector<std::vector<Cell>> rows,
                const std::string& none);
    void print(std::ostream& out, bool json) const;

private:
    struct Item {
        enum Kind { Field, Group, Table } kind;
        std::string key, label;
        Json value;
        std::string text;
        std::vector<Column> columns;
        std::vector<std::vector<Cell>> rows;
    };
    void printText(std::ostream& out) const;
    std::vector<Item> items_;
};

}  // namespace zlytpcli
