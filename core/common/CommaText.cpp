// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/common/CommaText.h"

#include <algorithm>

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
        // Every item but the first follows a comma: a point list of
        // thousands of entries is stored without growing the list.
        items.reserve(static_cast<std::size_t>(std::count(text_.begin(), text_.end(), ',')) + 1);
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

    // Copies the item a run at a time, up to each double quote, rather than
    // a byte at a time: most items hold no doubled quote and take one copy.
    std::string quotedItem() {
        std::string item;
        ++pos_;  // the opening quote
        while (pos_ < text_.size()) {
            const std::size_t quote = text_.find('"', pos_);
            if (quote == std::string_view::npos) {
                item.append(text_.substr(pos_));  // unbalanced: the rest of the text
                pos_ = text_.size();
                break;
            }
            item.append(text_.substr(pos_, quote - pos_));
            pos_ = quote + 1;
            if (pos_ >= text_.size() || text_[pos_] != '"') break;  // the closing quote
            item.push_back('"');
            ++pos_;
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
