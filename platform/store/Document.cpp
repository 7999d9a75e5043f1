// kovconfig: the in-memory preferences document of the XML configuration store.
#include "platform/store/Document.h"

#include <algorithm>
#include <cstring>
#include <pugixml.hpp>
#include <stdexcept>

namespace ZUR {
namespace xmlstore {

const std::string kAttr = "<xmlattr>";

namespace {

const std::string kRootName = "preferences";

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Only white space (or nothing) in [begin, begin + size).
bool isBlank(const char* begin, std::size_t size) { return std::all_of(begin, begin + size, isSpace); }

bool isBlank(const std::string& text) { return isBlank(text.data(), text.size()); }

bool isNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

bool isNameChar(unsigned char c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

bool isXmlName(const std::string& text) {
    if (text.empty() || !isNameStart(static_cast<unsigned char>(text[0]))) return false;
    return std::all_of(text.begin() + 1, text.end(),
                       [](char c) { return isNameChar(static_cast<unsigned char>(c)); });
}

std::string join(const std::string& prefix, const std::string& name) {
    return prefix.empty() ? name : prefix + "." + name;
}

bool startsWith(const std::string& text, std::size_t at, const char* what) {
    return text.compare(at, std::char_traits<char>::length(what), what) == 0;
}

enum class ScanStatus { ok, malformed, tooDeep };

// Whether XML may carry the character `code` at all.
bool isXmlChar(unsigned long code) {
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// Checks every numeric character reference ("&#N;", "&#xN;") in
// text[begin, end): each must have digits, end with ';' and name a character
// XML can carry. The parser would otherwise expand "&#0;" or "&#;" into a NUL,
// and other references into control characters or surrogates, which the
// writer then puts into the file as raw bytes the next load refuses.
bool characterReferencesValid(const std::string& text, std::size_t begin, std::size_t end) {
    const std::size_t limit = std::min(end, text.size());
    for (std::size_t at = begin; at + 1 < limit; ++at) {
        if (text[at] != '&' || text[at + 1] != '#') continue;
        at += 2;
        const bool hex = at < limit && text[at] == 'x';
        if (hex) ++at;
        unsigned long code = 0;
        std::size_t digits = 0;
        for (; at < limit; ++at, ++digits) {
            const char c = text[at];
            int digit;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (hex && c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (hex && c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            } else {
                break;
            }
            // Saturates above the largest code point, so no overflow wraps to a valid one.
            code =
                std::min<unsigned long>(code * (hex ? 16 : 10) + static_cast<unsigned long>(digit), 0x110000);
        }
        if (digits == 0 || at >= limit || text[at] != ';' || !isXmlChar(code)) return false;
    }
    return true;
}

// The end of an XML name starting at `at` (`at` itself when there is none).
std::size_t nameEnd(const std::string& text, std::size_t at) {
    if (at >= text.size() || !isNameStart(static_cast<unsigned char>(text[at]))) return at;
    while (++at < text.size() && isNameChar(static_cast<unsigned char>(text[at]))) {
    }
    return at;
}

// The position of the '>' closing the start tag that opens at `at`, or npos
// when the tag is not `<Name (Name = "value")* >` (or "/>"). Names are XML
// names, so they end exactly where the parser ends them: a quote the scan read
// as opening a value where the parser saw part of a name would lose track of
// the nesting.
std::size_t scanStartTag(const std::string& text, std::size_t at) {
    const std::size_t size = text.size();
    std::size_t p = nameEnd(text, at + 1);
    if (p == at + 1) return std::string::npos;
    for (;;) {
        const std::size_t spaceBegin = p;
        while (p < size && isSpace(text[p])) ++p;
        if (p >= size) return std::string::npos;
        if (text[p] == '>') return p;
        if (text[p] == '/') return p + 1 < size && text[p + 1] == '>' ? p + 1 : std::string::npos;
        if (p == spaceBegin) return std::string::npos;  // attributes are set apart by white space
        const std::size_t attrEnd = nameEnd(text, p);
        if (attrEnd == p) return std::string::npos;
        p = attrEnd;
        while (p < size && isSpace(text[p])) ++p;
        if (p >= size || text[p] != '=') return std::string::npos;
        ++p;
        while (p < size && isSpace(text[p])) ++p;
        if (p >= size || (text[p] != '"' && text[p] != '\'')) return std::string::npos;
        const std::size_t close = text.find(text[p], p + 1);
        if (close == std::string::npos) return std::string::npos;
        p = close + 1;
    }
}

// Measures the element nesting of an XML text without building anything,
// reading the markup exactly as the parser does. Comments, CDATA sections and
// processing instructions are skipped to their closing text; any other "<!"
// markup (a DOCTYPE, or something unknown) is refused, because the parser
// ends such markup at a place this scan cannot agree on for every text, and a
// disagreement would let nesting past the limit reach the tree's recursive
// building.
// Quoted attribute values may hold '>'. Each "</" closes one level, as it
// does for the parser. Start tags must be well formed with XML names.
// Character references outside skipped markup are checked on the way.
ScanStatus scanNesting(const std::string& text, int maxDepth) {
    int depth = 0;
    std::size_t at = 0;
    std::size_t textBegin = 0;  // start of the character data before the next markup
    const std::size_t size = text.size();
    while ((at = text.find('<', at)) != std::string::npos) {
        if (!characterReferencesValid(text, textBegin, at)) return ScanStatus::malformed;
        std::size_t end;
        // Markup skipped up to its closing text.
        static const std::pair<const char*, const char*> kSkipped[] = {
            {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};
        bool skipped = false;
        for (const auto& markup : kSkipped) {
            if (!startsWith(text, at, markup.first)) continue;
            end = text.find(markup.second, at + std::char_traits<char>::length(markup.first));
            if (end == std::string::npos) return ScanStatus::malformed;
            at = end + std::char_traits<char>::length(markup.second);
            skipped = true;
            break;
        }
        if (skipped) {
            textBegin = at;
            continue;
        }
        if (startsWith(text, at, "<!")) return ScanStatus::malformed;
        if (startsWith(text, at, "</")) {
            end = text.find('>', at + 2);
            if (end == std::string::npos || --depth < 0) return ScanStatus::malformed;
            at = textBegin = end + 1;
            continue;
        }
        end = scanStartTag(text, at);
        if (end == std::string::npos) return ScanStatus::malformed;
        if (depth + 1 > maxDepth) return ScanStatus::tooDeep;
        // Attribute values are expanded like character data.
        if (!characterReferencesValid(text, at, end)) return ScanStatus::malformed;
        if (text[end - 1] != '/') ++depth;
        at = textBegin = end + 1;
    }
    return characterReferencesValid(text, textBegin, size) ? ScanStatus::ok : ScanStatus::malformed;
}

// True when it dropped anything.
bool dropLayoutTextBelow(Tree& node) {
    bool elements = false;
    bool dropped = false;
    for (auto& child : node) {
        if (child.first == kAttr) continue;
        elements = true;
        dropped = dropLayoutTextBelow(child.second) || dropped;
    }
    if (!elements || node.data().empty() || !isBlank(node.data())) return dropped;
    node.data().clear();
    return true;
}

// Whether a parsed node carries character data, as read_xml takes it: text
// and CDATA sections.
bool isText(const pugi::xml_node& node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// Adds the tree of the parsed element `node` to `parent`, as read_xml builds
// it without comments: attributes under "<xmlattr>", character data and CDATA
// appended to the element's text, comments and processing instructions left
// out. The indentation between child elements is dropped on the way, as
// dropLayoutTextBelow would drop it afterwards. Recurses once per level; the
// nesting scan has bounded the levels.
void addElement(const pugi::xml_node& node, Tree& parent) {
    static const Tree kEmpty;
    Tree& element = parent.push_back(Tree::value_type(node.name(), kEmpty))->second;
    if (pugi::xml_attribute attr = node.first_attribute()) {
        Tree& attributes = element.push_back(Tree::value_type(kAttr, kEmpty))->second;
        for (; attr; attr = attr.next_attribute()) {
            attributes.push_back(Tree::value_type(attr.name(), Tree(attr.value())));
        }
    }
    bool elements = false;
    bool blank = true;     // the text so far is white space only
    bool skipped = false;  // white space after an element was left out of the text
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element) {
            elements = true;
            addElement(child, element);
        } else if (isText(child)) {
            const char* value = child.value();
            if (blank && isBlank(value, std::strlen(value))) {
                if (elements) {
                    skipped = true;  // layout, unless text follows
                } else {
                    element.data() += value;
                }
            } else if (skipped) {
                // Text mixed with elements keeps all of its white space.
                element.data().clear();
                for (pugi::xml_node text = node.first_child(); text != child.next_sibling();
                     text = text.next_sibling()) {
                    if (isText(text)) element.data() += text.value();
                }
                blank = skipped = false;
            } else {
                blank = false;
                element.data() += value;
            }
        }
    }
    if (elements && blank) element.data().clear();
}

// The file text, written as write_xml writes a tree (the same bytes), but
// into one string instead of through a stream.
const std::string kComment = "<xmlcomment>";
const std::string kText = "<xmltext>";

// Text with the five markup characters as entities; a text of spaces only
// has its first space as "&#32;" so that it reads back as it was.
void appendEscaped(std::string& out, const std::string& text) {
    if (text.empty()) return;
    if (text.find_first_not_of(' ') == std::string::npos) {
        out += "&#32;";
        out.append(text.size() - 1, ' ');
        return;
    }
    std::size_t plain = 0;  // start of the characters not yet copied
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char* entity;
        switch (text[at]) {
            case '<':
                entity = "&lt;";
                break;
            case '>':
                entity = "&gt;";
                break;
            case '&':
                entity = "&amp;";
                break;
            case '"':
                entity = "&quot;";
                break;
            case '\'':
                entity = "&apos;";
                break;
            default:
                continue;
        }
        out.append(text, plain, at - plain);
        out += entity;
        plain = at + 1;
    }
    out.append(text, plain, std::string::npos);
}

void appendIndent(std::string& out, int level, int width) {
    if (level > 0 && width > 0)
        out.append(static_cast<std::size_t>(level) * static_cast<std::size_t>(width), ' ');
}

// One text line: on its own line, indented, when `ownLine`.
void appendText(std::string& out, const std::string& text, int level, bool ownLine, int width) {
    if (ownLine) appendIndent(out, level, width);
    appendEscaped(out, text);
    if (ownLine) out += '\n';
}

// The attributes of `node`, each as ` name="value"`.
void appendAttributes(std::string& out, const Tree& node) {
    const auto attributes = node.find(kAttr);
    if (attributes == node.not_found()) return;
    for (const auto& attribute : attributes->second) {
        out += ' ';
        out += attribute.first;
        out += "=\"";
        appendEscaped(out, attribute.second.data());
        out += '"';
    }
}

// What decides how an element is written: whether it has child elements,
// and whether it has nothing but attributes (then it is closed at once).
struct Shape {
    bool elements;
    bool attributesOnly;
};

Shape shapeOf(const Tree& node) {
    Shape shape{false, node.data().empty()};
    for (const auto& child : node) {
        if (child.first == kAttr) continue;
        shape.attributesOnly = false;
        if (child.first != kText) {
            shape.elements = true;
            break;
        }
    }
    return shape;
}

// The start tag of the element `key` holding `node`, at nesting `level`,
// indented by `width` spaces a level; width 0 writes everything on one line.
void appendStartTag(std::string& out, const std::string& key, const Tree& node, Shape shape, int level,
                    int width) {
    appendIndent(out, level, width);
    out += '<';
    out += key;
    appendAttributes(out, node);
    out += shape.attributesOnly ? "/>" : ">";
    if ((shape.attributesOnly || shape.elements) && width > 0) out += '\n';
}

// The end tag matching appendStartTag's, unless that closed the element.
void appendEndTag(std::string& out, const std::string& key, Shape shape, int level, int width) {
    if (shape.attributesOnly) return;
    if (shape.elements) appendIndent(out, level, width);
    out += "</";
    out += key;
    out += '>';
    if (width > 0) out += '\n';
}

// The element `key` holding `node`, as write_xml writes it.
void appendElement(std::string& out, const std::string& key, const Tree& node, int level, int width) {
    const bool pretty = width > 0;
    const Shape shape = shapeOf(node);
    appendStartTag(out, key, node, shape, level, width);
    if (!node.data().empty()) appendText(out, node.data(), level + 1, shape.elements && pretty, width);
    for (const auto& child : node) {
        if (child.first == kAttr) continue;
        if (child.first == kComment) {
            if (pretty) appendIndent(out, level + 1, width);
            out += "<!--";
            out += child.second.data();
            out += "-->";
            if (pretty) out += '\n';
        } else if (child.first == kText) {
            appendText(out, child.second.data(), level + 1, shape.elements && pretty, width);
        } else {
            appendElement(out, child.first, child.second, level + 1, width);
        }
    }
    appendEndTag(out, key, shape, level, width);
}

bool mixesTextAndElements(const Tree& node) {
    if (!node.data().empty() && hasElementChildren(node)) return true;
    for (const auto& child : node) {
        if (child.first != kAttr && mixesTextAndElements(child.second)) return true;
    }
    return false;
}

}  // namespace

bool splitKey(const std::string& text, Key& key) {
    key = Key{};
    std::size_t begin = 0;
    bool first = true;
    for (;;) {
        const std::size_t dot = text.find('.', begin);
        const std::size_t end = dot == std::string::npos ? text.size() : dot;
        if (end == begin) return false;
        std::string component = text.substr(begin, end - begin);
        if (first) {
            if (component[0] == '<') return false;
            key.section = std::move(component);
            first = false;
        } else {
            key.path.push_back(std::move(component));
        }
        if (dot == std::string::npos) return true;
        begin = dot + 1;
    }
}

bool isCreatableKey(const Key& key, int maxDepth) {
    if (!isXmlName(key.section)) return false;
    int depth = 2;  // <preferences> and the section
    for (std::size_t i = 0; i < key.path.size(); ++i) {
        const std::string& component = key.path[i];
        if (component == kAttr)
            return i + 2 == key.path.size() && isXmlName(key.path[i + 1]) && depth <= maxDepth;
        if (!isXmlName(component)) return false;
        ++depth;
    }
    return depth <= maxDepth;
}

const Tree* findPath(const Tree& base, const std::vector<std::string>& path, std::size_t count) {
    const Tree* node = &base;
    for (std::size_t i = 0; i < count && i < path.size(); ++i) {
        const auto found = node->find(path[i]);
        if (found == node->not_found()) return nullptr;
        node = &found->second;
    }
    return node;
}

Tree* findPath(Tree& base, const std::vector<std::string>& path, std::size_t count) {
    return const_cast<Tree*>(findPath(static_cast<const Tree&>(base), path, count));
}

Tree& ensurePath(Tree& base, const std::vector<std::string>& path, bool& created) {
    created = false;
    Tree* node = &base;
    for (const std::string& component : path) {
        const auto found = node->find(component);
        if (found != node->not_found()) {
            node = &found->second;
            continue;
        }
        // Attributes go first, as the parser places them.
        const auto inserted = component == kAttr ? node->push_front(Tree::value_type(component, Tree()))
                                                 : node->push_back(Tree::value_type(component, Tree()));
        node = &inserted->second;
        created = true;
    }
    return *node;
}

void erasePath(Tree& base, const std::vector<std::string>& path) {
    if (path.empty()) return;
    Tree* parent = findPath(base, path, path.size() - 1);
    if (parent == nullptr) return;
    const auto found = parent->find(path.back());
    if (found == parent->not_found()) return;
    parent->erase(parent->to_iterator(found));
    if (path.size() >= 2 && path[path.size() - 2] == kAttr && parent->empty()) {
        std::vector<std::string> attrs(path.begin(), path.end() - 1);
        erasePath(base, attrs);
    }
}

const Tree* attributeOf(const Tree& node, const std::string& name) {
    const auto attrs = node.find(kAttr);
    if (attrs == node.not_found()) return nullptr;
    const auto found = attrs->second.find(name);
    return found == attrs->second.not_found() ? nullptr : &found->second;
}

bool hasElementChildren(const Tree& node) {
    return std::any_of(node.begin(), node.end(), [](const Tree::value_type& c) { return c.first != kAttr; });
}

boost::optional<std::string> listDelimiter(const Tree& section, const Key& key) {
    if (key.path.empty() || key.namesAttribute() || key.path.back() == kAttr) return boost::none;
    const Tree* parent = findPath(section, key.path, key.path.size() - 1);
    if (parent == nullptr) return boost::none;
    const Tree* delimiter = attributeOf(*parent, "delimiter");
    if (delimiter == nullptr) return boost::none;
    return delimiter->data().empty() ? std::string(",") : delimiter->data();
}

void flattenChildren(const Tree& node, const std::string& prefix, std::map<std::string, std::string>& out) {
    for (const auto& child : node) {
        if (child.first == kAttr) {
            const std::string attrPrefix = join(prefix, kAttr) + ".";
            for (const auto& attr : child.second) out.emplace(attrPrefix + attr.first, attr.second.data());
        } else if (!child.first.empty() && child.first[0] != '<') {
            flattenNode(child.second, join(prefix, child.first), out);
        }
    }
}

void flattenNode(const Tree& node, const std::string& key, std::map<std::string, std::string>& out) {
    if (node.empty() || !node.data().empty()) out.emplace(key, node.data());
    flattenChildren(node, key, out);
}

Tree& Document::own(std::size_t index) {
    std::shared_ptr<Tree>& tree = elements_[index].tree;
    // Only this document's clones share its sections, and they are made by
    // the thread changing it: a count of 1 cannot grow meanwhile.
    if (tree.use_count() > 1) tree = std::make_shared<Tree>(*tree);
    elements_[index].written.reset();  // the caller may change it
    return *tree;
}

Tree* Document::section(const std::string& type, const std::string& name) {
    const auto found = byType_.find(type);
    if (found == byType_.end()) return nullptr;
    for (const std::size_t index : found->second) {
        if (elements_[index].name == name) return &own(index);
    }
    return nullptr;
}

const Tree* Document::section(const std::string& type, const std::string& name) const {
    const auto found = byType_.find(type);
    if (found == byType_.end()) return nullptr;
    for (const std::size_t index : found->second) {
        if (elements_[index].name == name) return elements_[index].tree.get();
    }
    return nullptr;
}

const Tree* Document::firstSectionOfType(const std::string& type) const {
    const auto found = byType_.find(type);
    return found == byType_.end() || found->second.empty() ? nullptr
                                                           : elements_[found->second.front()].tree.get();
}

const Tree* Document::firstSectionNamed(const std::string& name) const {
    for (const Element& element : elements_) {
        if (element.name == name) return element.tree.get();
    }
    return nullptr;
}

Tree& Document::addSection(const std::string& name, const std::string& type) {
    Tree attrs;
    attrs.push_back(Tree::value_type("type", Tree(type)));
    auto node = std::make_shared<Tree>();
    node->push_back(Tree::value_type(kAttr, std::move(attrs)));
    elements_.push_back(Element{name, node, nullptr});
    byType_[type].push_back(elements_.size() - 1);
    return *node;
}

void Document::dropSection(const std::string& type, const std::string& name) {
    const auto found = byType_.find(type);
    if (found == byType_.end()) return;
    for (const std::size_t index : found->second) {
        if (elements_[index].name != name) continue;
        elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(index));
        reindex();
        return;
    }
}

Tree Document::assembled() const {
    Tree preferences(shell_);
    for (const Element& element : elements_)
        preferences.push_back(Tree::value_type(element.name, *element.tree));
    return preferences;
}

std::unique_ptr<Document> Document::clone() const {
    auto copy = std::make_unique<Document>();
    copy->shell_ = shell_;
    copy->elements_ = elements_;
    copy->reindex();
    return copy;
}

void Document::dropLayoutText() {
    if (!elements_.empty() && !shell_.data().empty() && isBlank(shell_.data())) shell_.data().clear();
    for (Element& element : elements_) {
        if (element.tree.use_count() == 1 && dropLayoutTextBelow(*element.tree)) element.written.reset();
    }
}

std::string Document::serialise() {
    bool mixes = !shell_.data().empty() && !elements_.empty();
    for (Element& element : elements_) {
        if (!element.written) {
            Written written{mixesTextAndElements(*element.tree), std::string()};
            if (!written.mixes) appendElement(written.text, element.name, *element.tree, 1, 4);
            element.written = std::make_shared<const Written>(std::move(written));
        }
        mixes = mixes || element.written->mixes;
    }
    const int width = mixes ? 0 : 4;

    // <preferences> as appendElement writes an element, its children taken
    // from elements_ (the shell holds only its text and attributes).
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    const bool children = !elements_.empty();
    const Shape shape{children, shell_.data().empty() && !children};
    appendStartTag(text, kRootName, shell_, shape, 0, width);
    if (!shell_.data().empty()) appendText(text, shell_.data(), 1, children && width > 0, width);
    for (const Element& element : elements_) {
        if (width > 0) {
            text += element.written->text;
        } else {
            appendElement(text, element.name, *element.tree, 1, width);
        }
    }
    appendEndTag(text, kRootName, shape, 0, width);
    // A NUL would end the text for the next load, which would refuse the file:
    // refuse the change instead of writing a file that cannot be read back.
    if (text.find('\0') != std::string::npos)
        throw std::runtime_error(
            "XmlConfigStore: a value holds a NUL character, which the file cannot carry");
    return text;
}

Document::ParseStatus Document::parse(const std::string& text, int maxDepth, std::unique_ptr<Document>& out) {
    out.reset();
    // The parser reads a NUL as the end of the text.
    if (text.find('\0') != std::string::npos) return ParseStatus::malformed;
    switch (scanNesting(text, maxDepth)) {
        case ScanStatus::malformed:
            return ParseStatus::malformed;
        case ScanStatus::tooDeep:
            return ParseStatus::tooDeep;
        case ScanStatus::ok:
            break;
    }
    // pugixml, without the conversions read_xml does not make (line ends,
    // white space in attributes) and keeping text of white space only, as
    // read_xml does; its parser does not recurse, its nodes become the tree.
    // As a fragment, text beside the root element stays in the document to
    // be seen and refused.
    constexpr unsigned kOptions =
        pugi::parse_cdata | pugi::parse_escapes | pugi::parse_ws_pcdata | pugi::parse_fragment;
    pugi::xml_document parsed;
    if (!parsed.load_buffer(text.data(), text.size(), kOptions, pugi::encoding_utf8)) {
        return ParseStatus::malformed;
    }
    Tree root;
    bool textBesideRoot = false;
    for (pugi::xml_node node = parsed.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element) {
            addElement(node, root);
        } else if (isText(node)) {
            textBesideRoot = textBesideRoot || !isBlank(node.value(), std::strlen(node.value()));
        }
    }
    if (root.size() != 1 || root.front().first != kRootName) return ParseStatus::wrongRoot;
    // Text beside the root element (the parser keeps an unterminated section's
    // text there) is not a well-formed document, and could not be written back.
    if (textBesideRoot) return ParseStatus::malformed;
    out = std::make_unique<Document>();
    out->adopt(root.front().second);
    return ParseStatus::ok;
}

void Document::adopt(Tree& preferences) {
    // The child elements move out; the attributes stay in the shell.
    for (auto it = preferences.begin(); it != preferences.end();) {
        if (it->first.empty() || it->first[0] == '<') {
            ++it;
            continue;
        }
        auto tree = std::make_shared<Tree>();
        tree->swap(it->second);
        elements_.push_back(Element{it->first, std::move(tree), nullptr});
        it = preferences.erase(it);
    }
    shell_.swap(preferences);
    reindex();
}

void Document::reindex() {
    byType_.clear();
    for (std::size_t index = 0; index < elements_.size(); ++index) {
        const Tree* type = attributeOf(*elements_[index].tree, "type");
        if (type != nullptr) byType_[type->data()].push_back(index);
    }
}

}  // namespace xmlstore
}  // namespace ZUR
