// kovconfig: the in-memory preferences document of the XML configuration
// store (private).
//
// A Document owns the parsed tree (one root child "preferences") and an index
// of its sections by their `type` attribute. Keys are split once into a Key
// and resolved component by component.
#pragma once

#include <boost/optional.hpp>
#include <boost/property_tree/ptree.hpp>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ZUR {
namespace xmlstore {

using Tree = boost::property_tree::ptree;

extern const std::string kAttr;  // "<xmlattr>": the child holding a node's attributes

// "S.A.<xmlattr>.d" -> section "S", path {"A", "<xmlattr>", "d"}.
struct Key {
    std::string section;
    std::vector<std::string> path;

    bool namesAttribute() const { return path.size() >= 2 && path[path.size() - 2] == kAttr; }
    bool namesSectionType() const { return path.size() == 2 && path[0] == kAttr && path[1] == "type"; }
};

// False when the text has an empty component or names no element.
bool splitKey(const std::string& text, Key& key);

// Whether a key may be created in a file: every component is an XML name,
// "<xmlattr>" only before the last component, and the element nesting
// (counting <preferences> as 1) stays within maxDepth.
bool isCreatableKey(const Key& key, int maxDepth);

// Node lookups below `base`, following the first `count` components of `path`
// (the first child of each name).
const Tree* findPath(const Tree& base, const std::vector<std::string>& path, std::size_t count);
Tree* findPath(Tree& base, const std::vector<std::string>& path, std::size_t count);
// Finds or creates the node at `path`; `created` tells whether it was missing.
Tree& ensurePath(Tree& base, const std::vector<std::string>& path, bool& created);
// Removes the node at `path`, and "<xmlattr>" when its last attribute goes.
void erasePath(Tree& base, const std::vector<std::string>& path);

const Tree* attributeOf(const Tree& node, const std::string& name);
bool hasElementChildren(const Tree& node);

// Lists: a value node whose parent carries a `delimiter` attribute holds all
// items joined with that delimiter (an empty delimiter means ",").
boost::optional<std::string> listDelimiter(const Tree& section, const Key& key);
// Flattened keys: every attribute as "...<xmlattr>.X", every leaf and every
// node holding text as its path.
void flattenChildren(const Tree& node, const std::string& prefix, std::map<std::string, std::string>& out);
void flattenNode(const Tree& node, const std::string& key, std::map<std::string, std::string>& out);

// The preferences: the <preferences> element's own attributes and text, and
// its child elements (the sections) in file order. Each child's tree is held
// through a shared pointer, so a clone shares every section with its
// original and copies a section only when it is first changed (through the
// non-const section()); an installed document is never changed, so the
// sections it shares stay as they are. A document is used by one thread
// while it is changed, by any number once it no longer is.
class Document {
public:
    // A section as the file shows it, kept while the section is unchanged.
    struct Written {
        bool mixes;        // some node in it holds both text and elements
        std::string text;  // the section written at its place, four spaces a level
    };
    struct Element {
        std::string name;
        std::shared_ptr<Tree> tree;              // shared with clones until changed
        std::shared_ptr<const Written> written;  // null until written, and again once changed
    };

    Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // The child elements of <preferences>, in file order.
    const std::vector<Element>& elements() const { return elements_; }
    // The whole <preferences> element as one tree (a copy).
    Tree assembled() const;

    // The section named `name` whose type is `type`. The non-const form makes
    // the section this document's own first, copying it if it is shared.
    Tree* section(const std::string& type, const std::string& name);
    const Tree* section(const std::string& type, const std::string& name) const;
    // The first section (in file order) whose type is `type`, whatever its name.
    const Tree* firstSectionOfType(const std::string& type) const;
    // The first section (in file order) named `name`, whatever its type.
    const Tree* firstSectionNamed(const std::string& name) const;

    Tree& addSection(const std::string& name, const std::string& type);
    void dropSection(const std::string& type, const std::string& name);

    // A document sharing every section with this one.
    std::unique_ptr<Document> clone() const;
    // Drops the indentation text that parsing leaves in nodes with element
    // children, so layout never turns into data. Sections still shared are
    // passed over: they come from a document that had none.
    void dropLayoutText();

    // The file text; indented unless a node mixes text and elements, whose
    // text indentation would alter. Sections unchanged since they were last
    // written (here or in the document this one was cloned from) are not
    // written again; the text of the others is kept for the next time, which
    // is why this changes the document. Throws std::runtime_error when a
    // value holds a NUL, which no file can carry.
    std::string serialise();

    enum class ParseStatus { ok, malformed, tooDeep, wrongRoot };
    // Parses a preferences file after checking its nesting with a cheap scan,
    // so that the tree, which is built recursively, never gets more than
    // maxDepth levels. The scan
    // refuses "<!" markup other than comments and CDATA, and numeric
    // character references naming a character XML cannot carry.
    static ParseStatus parse(const std::string& text, int maxDepth, std::unique_ptr<Document>& out);

private:
    void adopt(Tree& preferences);
    void reindex();
    // The tree of elements_[index], copied first if another document shares it.
    Tree& own(std::size_t index);

    Tree shell_;  // <preferences> without its child elements: its text and attributes
    std::vector<Element> elements_;
    // type -> indexes in elements_ of the sections of that type, in file order.
    std::unordered_map<std::string, std::vector<std::size_t>> byType_;
};

}  // namespace xmlstore
}  // namespace ZUR
