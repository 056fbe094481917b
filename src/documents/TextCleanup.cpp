#include "documents/TextCleanup.h"

#include "support/Text.h"

namespace vd {
namespace {

// One left-to-right pass over `text`: each match is replaced and the scan resumes after it,
// so a replacement is never matched again within the same pass ("\n\n\n" with "\n\n" → "\n"
// gives "\n\n"). The passes below rely on exactly this.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos;
         found = text.find(from, pos)) {
        out.append(text, pos, found - pos);
        out.append(to);
        pos = found + from.size();
    }
    out.append(text, pos);
    return out;
}

// Control characters other than TAB, LF and CR go; then the tabs become blanks.
std::string CleanControlChars(std::string_view text) {
    return ReplaceAll(RemoveControlChars(text), "\t", " ");
}

}  // namespace

std::string CleanMultiLineText(std::string_view text) {
    // CR → CR LF first, so that a lone CR and the CR of CR LF both carry an LF; the LF pairs
    // are collapsed; every LF then gets its CR, and the doubled CRs this makes are merged.
    std::string s = ReplaceAll(text, "\r", "\r\n");
    s = ReplaceAll(s, "\n\n", "\n");
    s = ReplaceAll(s, "\n", "\r\n");
    s = ReplaceAll(s, "\r\r", "\r");
    return CleanControlChars(s);
}

std::string CleanSingleLineText(std::string_view text) {
    std::string s = ReplaceAll(text, "\r", "");
    s = ReplaceAll(s, "\n", "");
    return CleanControlChars(s);
}

std::string CleanMaskedNumber(std::string_view text) {
    return ReplaceAll(text, "_", "0");
}

}  // namespace vd
