// zlytpcli: rendering a View as text or JSON.
#include "View.h"

#include "CommandLine.h"

namespace zlytpcli {

namespace {

// The labels of the tool's key/value rows end in ": "; the vocabulary's labels
// come with ": ", " - " or nothing, and are shown alike.
std::string bareLabel(const std::string& label) {
    std::string bare = label;
    while (!bare.empty() && (bare.back() == ' ' || bare.back() == ':' || bare.back() == '-')) bare.pop_back();
    return bare;
}

}  // namespace

View& View::field(const std::string& key, const std::string& label, const Cell& value) {
    items_.push_back({Item::Field, key, bareLabel(label), value.value, value.text, {}, {}});
    return *this;
}

View& View::group(const std::string& key, const std::string& title) {
    items_.push_back({Item::Group, key, title, Json(), "", {}, {}});
    return *this;
}

View& View::table(const std::string& key, std::vector<Column> columns, std::vector<std::vector<Cell>> rows,
                  const std::string& none) {
    items_.push_back({Item::Table, key, none, Json(), "", std::move(columns), std::move(rows)});
    return *this;
}

void View::print(std::ostream& out, bool json) const {
    if (!json) return printText(out);
    Json document = Json::object();
    Json* target = &document;
    for (const Item& item : items_) {
        switch (item.kind) {
            case Item::Field:
                (*target)[item.key] = item.value;
                break;
            case Item::Group:
                document[item.key] = Json::object();
                target = &document[item.key];
                break;
            case Item::Table: {
                Json rows = Json::array();
                for (const auto& row : item.rows) {
                    Json object = Json::object();
                    for (std::size_t i = 0; i < item.columns.size() && i < row.size(); ++i)
                        object[item.columns[i].key] = row[i].value;
                    rows.push_back(std::move(object));
                }
                (*target)[item.key] = std::move(rows);
                break;
            }
        }
    }
    out << document.dump(2) << "\n";
}

namespace {

// Text as a listing shows it: control characters written out ("\\n",
// "\\x1b"), so that no value can start a line of its own or forge a row.
std::string shown(const std::string& text) {
    static const char* const kHex = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20 || byte == 0x7f) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

void View::printText(std::ostream& out) const {
    std::string indent;
    std::vector<std::vector<std::string>> fields;
    const auto flush = [&] {
        for (auto& row : fields) row[0] += ":";
        printTable(out, fields, indent);
        fields.clear();
    };
    for (const Item& item : items_) {
        if (item.kind == Item::Field) {
            fields.push_back({item.label, shown(item.text)});
            continue;
        }
        flush();
        if (item.kind == Item::Group) {
            out << item.label << "\n";
            indent = "  ";
            continue;
        }
        if (item.rows.empty()) {
            out << indent << item.label << "\n";
            continue;
        }
        std::vector<std::vector<std::string>> rows(1);
        for (const Column& column : item.columns) rows[0].push_back(column.header);
        for (const auto& row : item.rows) {
            rows.emplace_back();
            for (const Cell& cell : row) rows.back().push_back(shown(cell.text));
        }
        printTable(out, rows, indent);
    }
    flush();
}

}  // namespace zlytpcli
