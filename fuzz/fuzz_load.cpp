// libFuzzer target over the load path of the XML configuration store: the
// nesting scan and the parser, then what a load does with the document
// (flattening every key, dropping layout, writing it back).
//
// Beyond crashes and sanitizer reports it checks four promises: the tree the
// parser built never nests deeper than the limit the scan enforced, it is the
// tree read_xml builds from the same text once layout is dropped, the text
// written for it is the one write_xml writes, and a document that loaded is
// written back as a text that loads again into the same document.
#include <boost/property_tree/xml_parser.hpp>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "platform/store/Document.h"

namespace {

using ZUR::xmlstore::Document;
using ZUR::xmlstore::Tree;

// A small limit, so inputs that slip past the scan are short enough to be found.
constexpr int kMaxDepth = 4;

// Element nesting below `node` (attributes do not count).
int depthOf(const Tree& node) {
    int deepest = 0;
    for (const auto& child : node) {
        if (child.first == ZUR::xmlstore::kAttr) continue;
        const int below = depthOf(child.second) + 1;
        if (below > deepest) deepest = below;
    }
    return deepest;
}

// The indentation text of nodes with element children, dropped.
void dropLayout(Tree& node) {
    bool elements = false;
    for (auto& child : node) {
        if (child.first == ZUR::xmlstore::kAttr) continue;
        elements = true;
        dropLayout(child.second);
    }
    if (elements && node.data().find_first_not_of(" \t\r\n") == std::string::npos) node.data().clear();
}

// Whether some node below `node` holds both text and elements.
bool mixesTextAndElements(const Tree& node) {
    bool elements = false;
    for (const auto& child : node) {
        if (child.first == ZUR::xmlstore::kAttr) continue;
        elements = true;
        if (mixesTextAndElements(child.second)) return true;
    }
    return elements && !node.data().empty();
}

// What write_xml writes for the document, indented as the store indents it.
std::string writtenByWriteXml(const Tree& preferences) {
    Tree root;
    root.push_back(Tree::value_type("preferences", preferences));
    std::ostringstream out;
    boost::property_tree::write_xml(
        out, root,
        boost::property_tree::xml_writer_make_settings<std::string>(' ', mixesTextAndElements(root) ? 0 : 4));
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<Document> doc;
    if (Document::parse(text, kMaxDepth, doc) != Document::ParseStatus::ok) return 0;
    // The root counts <preferences> as level 1.
    const Tree preferences = doc->assembled();
    if (depthOf(preferences) + 1 > kMaxDepth) std::abort();

    Tree reference;
    std::istringstream in(text);
    boost::property_tree::read_xml(in, reference, boost::property_tree::xml_parser::no_comments);
    dropLayout(reference);
    if (reference.size() != 1 || !(reference.front().second == preferences)) std::abort();

    std::map<std::string, std::string> flat;
    ZUR::xmlstore::flattenChildren(preferences, "", flat);
    std::unique_ptr<Document> copy = doc->clone();
    copy->dropLayoutText();

    const std::string written = copy->serialise();
    if (written != writtenByWriteXml(copy->assembled())) std::abort();
    std::unique_ptr<Document> reread;
    if (Document::parse(written, kMaxDepth, reread) != Document::ParseStatus::ok) std::abort();
    reread->dropLayoutText();
    if (reread->serialise() != written) std::abort();
    return 0;
}
