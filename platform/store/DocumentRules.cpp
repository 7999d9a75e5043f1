// kovconfig: the rules of the preferences document.
#include "platform/store/DocumentRules.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <vector>

#include "config/ListText.h"

namespace ZUR {
namespace xmlstore {

[[noreturn]] void fail(const std::string& message) { throw std::runtime_error("XmlConfigStore: " + message); }

[[noreturn]] void reject(const std::string& message) {
    throw std::invalid_argument("XmlConfigStore: " + message);
}

Key parseKey(const std::string& key) {
    Key parsed;
    if (!splitKey(key, parsed)) fail("malformed key '" + key + "'");
    return parsed;
}

const Tree& requireSection(const Document& doc, const std::string& type, const Key& key) {
    const Tree* section = doc.section(type, key.section);
    if (section == nullptr) fail("no section " + key.section + " of type '" + type + "'");
    return *section;
}

const Tree* findNode(const Document& doc, const std::string& type, const std::string& key) {
    thread_local std::string component;  // nothing below looks up another key while it is in use
    const auto sectionNamed = [&](const std::string& name) { return doc.section(type, name); };
    return findKey(key, component, sectionNamed);
}

const Tree& requireNode(const Document& doc, const std::string& type, const std::string& key) {
    if (const Tree* node = findNode(doc, type, key)) return *node;
    // Say why it is not there.
    const Key parsed = parseKey(key);
    requireSection(doc, type, parsed);
    fail("no key " + key + " in the section of type '" + type + "'");
}

bool toBool(const std::string& text, const std::string& key) {
    if (text == "1" || text == "true") return true;
    if (text == "0" || text == "false") return false;
    fail("key " + key + " does not hold a boolean");
}

int toInt(const std::string& text, const std::string& key) {
    // Decimal digits with an optional leading '-', fitting an int: nothing else
    // (from_chars takes no blanks and no '+').
    int value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) {
        fail("key " + key + " does not hold an int");
    }
    return value;
}

const char* uncarriable(const std::string& value) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(value.data());
    const std::size_t size = value.size();
    for (std::size_t i = 0; i < size;) {
        const unsigned char c = bytes[i];
        if (c < 0x80) {
            if (c == 0) return "a value cannot hold a NUL character";
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return "a value cannot hold a control character other than tab, line feed and carriage "
                       "return";
            ++i;
            continue;
        }
        // The length of the sequence and the smallest code point it may encode.
        std::size_t length = 0;
        unsigned long code = 0, least = 0;
        if ((c & 0xe0) == 0xc0) {
            length = 2, code = c & 0x1f, least = 0x80;
        } else if ((c & 0xf0) == 0xe0) {
            length = 3, code = c & 0x0f, least = 0x800;
        } else if ((c & 0xf8) == 0xf0) {
            length = 4, code = c & 0x07, least = 0x10000;
        } else {
            return "a value must be UTF-8 text";
        }
        if (i + length > size) return "a value must be UTF-8 text";
        for (std::size_t k = 1; k < length; ++k) {
            if ((bytes[i + k] & 0xc0) != 0x80) return "a value must be UTF-8 text";
            code = (code << 6) | (bytes[i + k] & 0x3f);
        }
        if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff) || code == 0xfffe ||
            code == 0xffff) {
            return "a value must be UTF-8 text of characters XML can carry";
        }
        i += length;
    }
    return nullptr;
}

namespace {

// Whether an entry can be stored at all: a well-formed key that may be
// created within maxDepth, and a value XML can carry.
bool storable(const std::string& key, const std::string& value, int maxDepth, Key& parsed) {
    return splitKey(key, parsed) && isCreatableKey(parsed, maxDepth) && uncarriable(value) == nullptr;
}

}  // namespace

bool setValue(Document& next, const std::string& type, const std::string& key, const Key& parsed,
              const std::string& value, int maxDepth) {
    if (!isCreatableKey(parsed, maxDepth)) reject("key '" + key + "' cannot be stored");
    Tree* section = next.section(type, parsed.section);
    if (section == nullptr) fail("no section " + parsed.section + " of type '" + type + "'");
    bool created = false;
    Tree& node = ensurePath(*section, parsed.path, created);
    if (!created && node.data() == value) return false;
    node.data() = value;
    return true;
}

bool mergeEntry(Document& next, const std::string& type, const std::string& key, const std::string& value,
                bool& modified, int maxDepth) {
    Key parsed;
    if (!storable(key, value, maxDepth, parsed)) return false;
    if (parsed.namesSectionType() && value != type) return false;
    if (parsed.path.empty() && !value.empty()) return false;  // a section holds no text
    Tree* section = next.section(type, parsed.section);
    if (section == nullptr) {
        section = &next.addSection(parsed.section, type);
        modified = true;
    }
    if (parsed.path.empty()) return true;
    bool created = false;
    Tree& node = ensurePath(*section, parsed.path, created);
    std::string merged = value;
    if (!created && !node.data().empty() && !value.empty()) {
        if (const auto delimiter = listDelimiter(*section, parsed)) {
            merged = KOVL::detail::appendItems(node.data(), value, *delimiter);
        }
    }
    if (created || node.data() != merged) {
        node.data() = std::move(merged);
        modified = true;
    }
    return true;
}

bool removeEntry(Document& next, const SettingsMap& first, const std::string& type, const std::string& key,
                 const std::string& value, bool& modified, int maxDepth) {
    Key parsed;
    if (!splitKey(key, parsed)) return false;
    Tree* section = next.section(type, parsed.section);
    if (section == nullptr) return false;
    if (parsed.namesSectionType()) return false;

    const auto firstSection = first.find(type);
    if (firstSection != first.end()) {
        const auto remainder = firstSection->second.find(key);
        if (remainder != firstSection->second.end()) {
            if (parsed.path.empty() || !isCreatableKey(parsed, maxDepth) ||
                uncarriable(remainder->second) != nullptr) {
                return false;
            }
            bool created = false;
            Tree& node = ensurePath(*section, parsed.path, created);
            if (created || node.data() != remainder->second) {
                node.data() = remainder->second;
                modified = true;
            }
            return true;
        }
    }
    if (parsed.path.empty()) {  // the whole section
        next.dropSection(type, parsed.section);
        modified = true;
        return true;
    }
    Tree* node = findPath(*section, parsed.path, parsed.path.size());
    if (node == nullptr) return true;  // already gone
    if (!parsed.namesAttribute()) {
        const auto delimiter = listDelimiter(*section, parsed);
        const std::vector<std::string> unwanted =
            delimiter ? KOVL::detail::namedItems(value, *delimiter) : std::vector<std::string>();
        // Naming a list with the empty value drops it only while it is
        // empty: items another process added since the caller looked stay.
        if (delimiter && value.empty() && !node->data().empty()) return true;
        if (delimiter && !unwanted.empty()) {
            const std::vector<std::string> listed = KOVL::detail::namedItems(node->data(), *delimiter);
            const auto isListed = [&](const std::string& item) {
                return std::find(listed.begin(), listed.end(), item) != listed.end();
            };
            if (std::all_of(unwanted.begin(), unwanted.end(), isListed)) {
                std::vector<std::string> kept;
                for (const std::string& item : listed) {
                    if (std::find(unwanted.begin(), unwanted.end(), item) == unwanted.end())
                        kept.push_back(item);
                }
                if (!kept.empty()) {
                    node->data() = KOVL::detail::joinList(kept, *delimiter);
                    modified = true;
                    return true;
                }
            }
        }
    }
    erasePath(*section, parsed.path);
    modified = true;
    return true;
}

bool addMissingDefaults(Document& next, const SettingsMap& defaults, int maxDepth) {
    bool added = false;
    for (const auto& typed : defaults) {
        for (const auto& entry : typed.second) {
            Key parsed;
            if (!storable(entry.first, entry.second, maxDepth, parsed)) continue;
            Tree* section = next.section(typed.first, parsed.section);
            if (section == nullptr) {
                section = &next.addSection(parsed.section, typed.first);
                added = true;
            }
            if (parsed.path.empty()) continue;
            bool created = false;
            Tree& node = ensurePath(*section, parsed.path, created);
            if (created) {
                node.data() = entry.second;
                added = true;
            }
        }
    }
    return added;
}

bool lacksDefaults(const Document& doc, const SettingsMap& defaults, int maxDepth) {
    std::string component;  // reused for every key
    // Keys in a row mostly name the same section: it is looked up once for them.
    const std::string* type = nullptr;
    std::string name;
    const Tree* section = nullptr;
    const auto sectionNamed = [&](const std::string& wanted) {
        if (name != wanted) {
            name = wanted;
            section = doc.section(*type, name);
        }
        return section;
    };
    for (const auto& typed : defaults) {
        type = &typed.first;
        name.clear();  // no section has an empty name: the next key looks its section up
        for (const auto& entry : typed.second) {
            if (findKey(entry.first, component, sectionNamed) != nullptr) continue;
            Key parsed;  // missing, or malformed: only what addMissingDefaults adds counts
            if (storable(entry.first, entry.second, maxDepth, parsed)) return true;
        }
    }
    return false;
}

}  // namespace xmlstore
}  // namespace ZUR
