// The one way a text of the core (a message, a result, a table's caption)
// becomes a widget's text: the core and the control tables write UTF-8.
#pragma once

#include <QString>
#include <string_view>

namespace zentova {

inline QString CoreText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A table's field that may be left out (nullptr) is an empty text.
inline QString CoreText(const char* text) {
    return text == nullptr ? QString() : QString::fromUtf8(text);
}

}  // namespace zentova
