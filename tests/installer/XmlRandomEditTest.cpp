// Random documents get random edits in one run, as an installation and a
// removal make them: attributes overwritten, added and removed, text set,
// elements inserted and removed, in every level at once. The file must
// parse again to the tree that the edits describe, which a file patched at
// a wrong position never does.

#include "Text.h"
#include "XmlFlags.h"
#include "XmlTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>

namespace {

using Rows = std::vector<ActionData::Row>;

// An element, or a comment (name "!--"), of a document.
struct Node {
    std::u16string name;
    std::map<std::u16string, std::u16string> attributes;
    std::u16string text; // all its character data, as the parser gave it
    std::vector<std::unique_ptr<Node>> children;
    Node* parent = nullptr;

    std::u16string id() const {
        const auto found = attributes.find(u"id");
        return found == attributes.end() ? std::u16string() : found->second;
    }
    Node& add(std::u16string childName) {
        children.push_back(std::make_unique<Node>());
        children.back()->name = std::move(childName);
        children.back()->parent = this;
        return *children.back();
    }
};

// The text without white space: edits keep the words of a text, not the
// blanks between them.
std::u16string words(const std::u16string& text) {
    std::u16string out;
    for (const char16_t c : text) {
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n')
            out += c;
    }
    return out;
}

// Reads a file into a tree with the plain reader.
class TreeReader : public XmlReader {
public:
    Node root;

    void onStartElement(const char16_t* name, const char16_t** attributes) override {
        Node& node = m_open.empty() ? root : m_open.back()->add(name);
        node.name = name;
        for (const char16_t** a = attributes; *a; a += 2)
            node.attributes[a[0]] = a[1];
        m_open.push_back(&node);
    }
    void onEndElement(const char16_t*) override { m_open.pop_back(); }
    void onCharacterData(const char16_t* text, int length) override {
        m_open.back()->text.append(text, static_cast<size_t>(length));
    }
    void onComment(const char16_t* text) override {
        if (!m_open.empty())
            m_open.back()->add(u"!--").text = text;
    }

private:
    std::vector<Node*> m_open;
};

std::string describe(const Node& node) {
    std::string out = narrow(node.name);
    for (const auto& [name, value] : node.attributes)
        out += " " + narrow(name) + "=" + narrow(value);
    out += " [" + narrow(words(node.text)) + "] (";
    for (const auto& child : node.children)
        out += describe(*child) + " ";
    return out + ")";
}

// Writes random documents: nested elements with an id each, attributes over
// lines, a ">" in a value, text with references and CDATA, comments.
class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    std::u16string document() {
        m_count = 0;
        return u"<?xml version=\"1.0\"?>\r\n<!-- head -->\r\n" + element(0, u"r") + u"\r\n";
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    std::u16string textRun() {
        static const char16_t* const kRuns[] = {
            u"t",          u"caf&#233;",    u"a&amp;b",     u"<![CDATA[x<y]]>",
            u"<!-- c -->", u"\u00e9\u4e2d", u"&lt;tag&gt;", u"w"};
        return kRuns[pick(8)];
    }

    std::u16string element(int depth, const std::u16string& name) {
        const std::u16string indent(2 * depth, u' ');
        std::u16string tag = u"<" + name + u" id=\"n" + wide(std::to_string(m_count++)) + u"\"";
        if (pick(2))
            tag += (pick(2) ? u"\r\n" + indent + u"   " : u" ") + std::u16string(u"v=\"1 > 0\"");
        if (pick(4) == 0)
            tag += u"  ";
        const int children = depth < 3 ? pick(4) : 0;
        std::u16string content;
        for (int i = 0; i < children; ++i) {
            if (pick(3) == 0)
                content += textRun();
            content += u"\r\n" + indent + u"  " + element(depth + 1, pick(3) ? u"a" : u"b");
        }
        if (pick(2))
            content += textRun();
        if (children > 0)
            content += u"\r\n" + indent;
        if (content.empty())
            return tag + u"/>";
        return tag + u">" + content + u"</" + name + u">";
    }

    std::mt19937 m_random;
    int m_count = 0;
};

// The rows of one run over a tree: a record for every element that an edit
// reaches and for each of its ancestors, found by its id (a key attribute).
class RunRows {
public:
    Rows elements, attributes;

    // The record of an element, with those of its ancestors.
    std::u16string record(const Node& node, int mode) {
        const std::u16string key = u"R" + node.id();
        if (m_known.count(key))
            return key;
        const std::u16string parent = node.parent ? record(*node.parent, mode) : u"";
        m_known[key] = elements.size();
        // At removal a record matches only an element of its own text.
        const std::u16string text =
            mode == xmlflags::kModeUninstall ? text::trim(node.text, u" \t\r\n") : std::u16string();
        elements.push_back({key, parent, node.name, u"1", u"8", text});
        attribute(key, u"id", u"11", node.id());
        return key;
    }
    ActionData::Row& row(const std::u16string& key) { return elements[m_known.at(key)]; }
    void attribute(const std::u16string& element, const std::u16string& name, const std::u16string& flags,
                   const std::u16string& value) {
        attributes.push_back(
            {u"A" + wide(std::to_string(attributes.size())), element, name, flags, u"1", value});
    }

private:
    std::map<std::u16string, size_t> m_known;
};

void collect(Node& node, std::vector<Node*>& out) {
    if (node.name != u"!--")
        out.push_back(&node);
    for (const auto& child : node.children)
        collect(*child, out);
}

void relink(Node& node) {
    for (const auto& child : node.children) {
        child->parent = &node;
        relink(*child);
    }
}

// The tree of a file; its root element's record key is "R" and its id.
std::unique_ptr<Node> parse(const std::string& bytes) {
    TempDir dir;
    dir.write("doc.xml", bytes);
    TreeReader reader;
    reader.parse(wide(dir / "doc.xml"));
    auto root = std::make_unique<Node>(std::move(reader.root));
    relink(*root);
    return root;
}

// Gives some elements new attributes, text and children, as the rows of
// an installation say, and the tree those edits make.
RunRows installEdits(Node& tree, std::mt19937& random) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::vector<Node*> nodes;
    collect(tree, nodes);
    RunRows rows;
    rows.record(tree, xmlflags::kModeInstall);
    int added = 0;
    for (Node* node : nodes) {
        if (pick(3) != 0)
            continue;
        const std::u16string key = rows.record(*node, xmlflags::kModeInstall);
        switch (pick(4)) {
        case 0:
            rows.attribute(key, u"v", u"14", u"new \"<&>\"\t\u20ac");
            node->attributes[u"v"] = u"new \"<&>\"\t\u20ac";
            break;
        case 1:
            rows.attribute(key, u"v", u"12", u"");
            node->attributes.erase(u"v");
            break;
        case 2:
            rows.attribute(key, u"w", u"10", u"w&'");
            node->attributes.emplace(u"w", u"w&'");
            break;
        default:
            break;
        }
        if (pick(3) == 0) {
            rows.row(key)[5] = u"set <&> \u4e2d";
            node->text = u"set <&> \u4e2d";
        }
        if (pick(3) == 0) {
            const std::u16string id = u"new" + wide(std::to_string(added++));
            const std::u16string child = u"I" + id;
            rows.elements.push_back({child, key, u"c", u"9", u"4", pick(2) ? u"x" : u""});
            rows.attribute(child, u"id", u"11", id);
            Node& inserted = node->add(u"c");
            inserted.attributes[u"id"] = id;
            inserted.text = rows.elements.back()[5];
        }
    }
    return rows;
}

// Removes some elements (never the root), as the rows of a removal say.
RunRows removalEdits(Node& tree, std::mt19937& random) {
    std::vector<Node*> nodes;
    collect(tree, nodes);
    RunRows rows;
    rows.record(tree, xmlflags::kModeUninstall);
    std::vector<Node*> removed;
    const auto inRemoved = [&](const Node* node) {
        for (const Node* up = node; up; up = up->parent) {
            if (std::find(removed.begin(), removed.end(), up) != removed.end())
                return true;
        }
        return false;
    };
    for (Node* node : nodes) {
        if (!node->parent || inRemoved(node) || std::uniform_int_distribution<int>(0, 3)(random) != 0)
            continue;
        rows.row(rows.record(*node, xmlflags::kModeUninstall))[4] = u"10"; // 0x02 with 0x08
        removed.push_back(node);
    }
    for (Node* node : removed) {
        auto& siblings = node->parent->children;
        siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                    [&](const auto& child) { return child.get() == node; }));
    }
    return rows;
}

TEST(XmlRandomEditTest, EditsEverywhereInOneRunGiveTheTreeTheyDescribe) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        Generator generator(seed);
        const std::u16string document = generator.document();
        std::mt19937 random(seed);
        for (const Form form : {Form::Utf8, Form::Utf16BeBom, Form::Utf16Le}) {
            const std::string bytes = encode(document, form);
            const std::unique_ptr<Node> expected = parse(bytes);
            const std::u16string root = u"R" + expected->id();
            const RunRows install = installEdits(*expected, random);
            const std::string once =
                patched(bytes, install.elements, install.attributes, xmlflags::kModeInstall, root);
            ASSERT_FALSE(once.starts_with("failed") || once.starts_with("does not parse"))
                << "seed " << seed << ": " << once << "\n"
                << narrow(document);
            EXPECT_EQ(describe(*parse(once)), describe(*expected)) << "seed " << seed << "\n"
                                                                   << narrow(document);

            const RunRows removal = removalEdits(*expected, random);
            const std::string twice =
                patched(once, removal.elements, removal.attributes, xmlflags::kModeUninstall, root);
            ASSERT_FALSE(twice.starts_with("failed") || twice.starts_with("does not parse"))
                << "seed " << seed << ": " << twice << "\n"
                << once;
            EXPECT_EQ(describe(*parse(twice)), describe(*expected)) << "seed " << seed << "\n" << once;
        }
    }
}

} // namespace
