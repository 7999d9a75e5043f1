// kovconfig: the rules of the preferences document (private).
//
// How a key names a node, how stored text converts, and how the store's
// changes apply to a document: setting a value, merging and removing
// entries (the list rules) and completing a document from the defaults.
// Every function works on one Document and touches nothing else; the
// store decides when and on which copy they run.
#pragma once

#include <kovl/platform/Interfaces.h>

#include <string>

#include "platform/store/Document.h"

namespace ZUR {
namespace xmlstore {

[[noreturn]] void fail(const std::string& message);    // std::runtime_error "XmlConfigStore: ..."
[[noreturn]] void reject(const std::string& message);  // std::invalid_argument "XmlConfigStore: ..."

// The key split, or fail() for a malformed one.
Key parseKey(const std::string& key);

// The node `key` names, found by looking up each component as it is cut from
// the key; the first names the section, which `sectionNamed(name)` finds. The
// components are cut into `component`, a buffer the caller reuses so that a
// warm one allocates nothing. Null when the node is missing or the key
// malformed (as splitKey reads it).
template <class SectionNamed>
const Tree* findKey(const std::string& key, std::string& component, SectionNamed&& sectionNamed);

// The node `key` names in the section of `type`; null when it is missing or
// the key malformed.
const Tree* findNode(const Document& doc, const std::string& type, const std::string& key);
// The section or node, or fail() saying which is missing.
const Tree& requireSection(const Document& doc, const std::string& type, const Key& key);
const Tree& requireNode(const Document& doc, const std::string& type, const std::string& key);

// Stored text as a Boolean ("1"/"0", also "true"/"false") or a decimal int;
// fail() names the key, never the value.
bool toBool(const std::string& text, const std::string& key);
int toInt(const std::string& text, const std::string& key);

// Why XML cannot carry `value` (a NUL or another control character but tab,
// line feed and carriage return, or bytes that are not UTF-8), or null when it can.
const char* uncarriable(const std::string& value);

// Sets one value at `key`, already split into `parsed` with a path, to a
// value the caller has found carriable and that keeps the section's type;
// answers whether the document changed. reject() for a key that cannot be
// created, fail() when the section is missing.
bool setValue(Document& next, const std::string& type, const std::string& key, const Key& parsed,
              const std::string& value, int maxDepth);
// Sets or adds one merged entry; false when the entry cannot be stored.
bool mergeEntry(Document& next, const std::string& type, const std::string& key, const std::string& value,
                bool& modified, int maxDepth);
// Removes one entry; false when its section is missing or the entry names
// the section's type.
bool removeEntry(Document& next, const SettingsMap& first, const std::string& type, const std::string& key,
                 const std::string& value, bool& modified, int maxDepth);
// Adds the defaults missing from `next`: sections, keys and attributes.
// Existing values, lists included, are never touched.
bool addMissingDefaults(Document& next, const SettingsMap& defaults, int maxDepth);
// Whether addMissingDefaults would add anything, found without changing or
// copying the document.
bool lacksDefaults(const Document& doc, const SettingsMap& defaults, int maxDepth);

template <class SectionNamed>
const Tree* findKey(const std::string& key, std::string& component, SectionNamed&& sectionNamed) {
    const Tree* node = nullptr;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t dot = key.find('.', begin);
        const std::size_t end = dot == std::string::npos ? key.size() : dot;
        if (end == begin) return nullptr;
        component.assign(key, begin, end - begin);
        if (begin == 0) {
            if (component[0] == '<') return nullptr;
            node = sectionNamed(static_cast<const std::string&>(component));
        } else {
            const auto found = node->find(component);
            node = found == node->not_found() ? nullptr : &found->second;
        }
        if (node == nullptr || dot == std::string::npos) return node;
        begin = dot + 1;
    }
}

}  // namespace xmlstore
}  // namespace ZUR
