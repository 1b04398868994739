#include "core/common/CommaText.h"

namespace markwell {
namespace {

// Blanks and control characters; bytes are compared unsigned so that
// accented letters (0x80 and above) are never mistaken for them.
bool isSeparatorBlank(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return byte >= 1 && byte <= 32;
}

bool needsQuotes(std::string_view item) {
    for (char ch : item) {
        if (isSeparatorBlank(ch) || ch == '"' || ch == ',') return true;
    }
    return false;
}

void appendQuoted(std::string& out, std::string_view item) {
    out.push_back('"');
    for (char ch : item) {
        if (ch == '"') out.push_back('"');
        out.push_back(ch);
    }
    out.push_back('"');
}

class CommaTextReader {
public:
    explicit CommaTextReader(std::string_view text) : text_(text) {}

    std::vector<std::string> read() {
        std::vector<std::string> items;
        skipBlanks();
        while (pos_ < text_.size()) {
            items.push_back(text_[pos_] == '"' ? quotedItem() : plainItem());
            skipBlanks();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                skipBlanks();
            }
        }
        return items;
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && isSeparatorBlank(text_[pos_])) ++pos_;
    }

    std::string quotedItem() {
        std::string item;
        ++pos_;  // the opening quote
        while (pos_ < text_.size()) {
            const char ch = text_[pos_++];
            if (ch != '"') {
                item.push_back(ch);
            } else if (pos_ < text_.size() && text_[pos_] == '"') {
                item.push_back('"');
                ++pos_;
            } else {
                break;  // the closing quote
            }
        }
        return item;
    }

    std::string plainItem() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !isSeparatorBlank(text_[pos_])) ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::vector<std::string> parseCommaText(std::string_view text) {
    return CommaTextReader(text).read();
}

std::string formatCommaText(const std::vector<std::string>& items) {
    std::size_t size = 0;
    for (const std::string& item : items) size += item.size() + 3;
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out.push_back(',');
        const std::string& item = items[i];
        const bool lastAndEmpty = item.empty() && i + 1 == items.size();
        if (lastAndEmpty || needsQuotes(item)) {
            appendQuoted(out, item);
        } else {
            out += item;
        }
    }
    return out;
}

}  // namespace markwell
