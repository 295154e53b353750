// The input rule: how text typed through a Chinese input method, or pasted
// from a document, is read for computing. Boxes and files keep the text as it
// was typed; only its reading changes, and every reader of typed text
// (numbers, expressions, polynomials, formulas) reads it through this one
// rule, so that a page and the command line cannot read a text two ways.
//
// What is read otherwise than typed:
// - U+FF01 to U+FF5E, the full-width ！ to ～, as U+0021 to U+007E
//   (！ as !, １ as 1, Ａ as A, ， as ,);
// - U+3000, the ideographic space, as a blank;
// - 。 U+3002, the ideographic full stop, as .;
// - × U+00D7 as *, and ÷ U+00F7 as /;
// - − U+2212, – U+2013 and — U+2014 as -.
//
// Every entry turns one character into one, so a text keeps its number of
// characters and never grows in bytes. A text without these characters is
// read exactly as typed. The tab is not in the table: that it separates
// numbers is a rule of the number readers (common/number_text.h).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zentova {

// True when `text` holds a character of the table.
bool HasTypedForms(std::string_view text);

// The reading of `typed`, written into `buffer` without allocating: a view of
// `typed` itself when nothing maps, else of `buffer`. A reading that does not
// fit `buffer` comes back as `typed` unchanged; that text is longer than
// `buffer` too, so a caller that bounds its texts by the buffer refuses it all
// the same.
std::string_view ReadTypedText(std::string_view typed, std::span<char> buffer);

// The reading of a text of any length. When nothing maps it is a view of
// `typed`, which must then outlive it; it cannot be copied, since the view may
// point into itself.
class TypedText {
  public:
    explicit TypedText(std::string_view typed);
    TypedText(const TypedText&) = delete;
    TypedText& operator=(const TypedText&) = delete;

    std::string_view view() const { return view_; }
    // Whether some character was read otherwise than typed.
    bool mapped() const { return mapped_; }

  private:
    std::string storage_;
    std::string_view view_;
    bool mapped_ = false;
};

}  // namespace zentova
